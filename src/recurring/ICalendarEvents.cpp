#include "ICalendarEvents.h"

#include "ICalendarLibrary.h"
#include "RecurringFormula.h"
#include "RuleStarts.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>

namespace {

// A calendar program nests three deep (VCALENDAR, VEVENT, VALARM); libical
// frees components recursively, so deep nesting must never reach it.
constexpr int MaxDepth = 16;
// What a logical line's beginning must hold to tell BEGIN and END lines.
constexpr qsizetype LineHead = 80;
constexpr qsizetype MaxComponentName = 40;
// Time zones beyond these bounds are dropped before libical expands them:
// real ones have a few observances, each yearly or listing a few dates.
constexpr int MaxZones = 100;
constexpr int MaxObservances = 100;
constexpr int MaxObservanceDates = 1000;
// Calendar programs write this year (or mark the year as omitted) for
// birthdays whose year nobody knows.
constexpr int FirstKnownYear = 1800;

TICalendarRead Failed(const QString &why)
{
    return {nullptr, why};
}

// The name of a BEGIN or END line's component from the line's beginning
// (unfolded), upper case; nothing for other lines.
std::optional<QByteArray> ComponentOf(const QByteArray &head, const char *keyword)
{
    const qsizetype length = qsizetype(std::strlen(keyword));
    if (head.size() <= length || qstrnicmp(head.constData(), keyword, length) != 0)
        return std::nullopt;
    const char after = head[length];
    if (after != ':' && after != ';')
        return std::nullopt;
    const qsizetype colon = head.indexOf(':', length);
    if (colon < 0)
        return QByteArray();
    return head.mid(colon + 1).trimmed().toUpper().left(MaxComponentName);
}

// Checks the nesting of the components before libical reads them: not too
// deep, every END closing the component open, none left open.
class TNestingCheck
{
public:
    void Line(const QByteArray &head)
    {
        if (!m_error.isEmpty())
            return;
        if (const std::optional<QByteArray> begun = ComponentOf(head, "BEGIN")) {
            if (m_open.size() >= MaxDepth)
                m_error = QCoreApplication::translate(
                    "ICalendar", "The file's components are nested too deeply.");
            m_open.append(*begun);
        } else if (const std::optional<QByteArray> ended = ComponentOf(head, "END")) {
            if (m_open.isEmpty() || m_open.last() != *ended)
                m_error = QCoreApplication::translate(
                              "ICalendar", "The file has END:%1 where it does not belong.")
                              .arg(QString::fromLatin1(*ended));
            else
                m_open.removeLast();
        }
    }

    QString Error() const
    {
        if (m_error.isEmpty() && !m_open.isEmpty())
            return QCoreApplication::translate("ICalendar", "The file ends before END:%1.")
                .arg(QString::fromLatin1(m_open.last()));
        return m_error;
    }

private:
    QList<QByteArray> m_open;
    QString m_error;
};

// Walks the logical lines (a line starting with a space or a tab continues
// the one before), giving each line's first LineHead bytes to the check.
QString CheckNesting(QByteArrayView bytes)
{
    TNestingCheck check;
    QByteArray head;
    bool inLine = false;
    qsizetype at = 0;
    while (at < bytes.size()) {
        qsizetype end = at;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        QByteArrayView line = bytes.sliced(at, end - at);
        const bool continuation = !line.isEmpty() && (line[0] == ' ' || line[0] == '\t');
        if (continuation && inLine) {
            if (head.size() < LineHead)
                head += line.sliced(1).first(std::min(line.size() - 1, LineHead - head.size()));
        } else if (!line.isEmpty()) {
            if (inLine)
                check.Line(head);
            head = line.first(std::min(line.size(), LineHead)).toByteArray();
            inLine = true;
        }
        at = end + 1;
    }
    if (inLine)
        check.Line(head);
    return check.Error();
}

// libical reads through a generator of chunks: each ends at a line's end or
// at the chunk's room, so no line is searched from its start more than once.
struct TChunks
{
    const char *At;
    const char *End;
};

char *NextChunk(char *out, size_t room, void *data)
{
    auto *chunks = static_cast<TChunks *>(data);
    if (chunks->At >= chunks->End || room < 2)
        return nullptr;
    size_t take = std::min(size_t(chunks->End - chunks->At), room - 1);
    if (const void *lineEnd = std::memchr(chunks->At, '\n', take))
        take = size_t(static_cast<const char *>(lineEnd) - chunks->At) + 1;
    std::memcpy(out, chunks->At, take);
    out[take] = '\0';
    chunks->At += take;
    return out;
}

TComponentPtr Parse(QByteArrayView bytes)
{
    TChunks chunks{bytes.data(), bytes.data() + bytes.size()};
    icalparser *parser = icalparser_new();
    icalparser_set_gen_data(parser, &chunks);
    TComponentPtr root(icalparser_parse(parser, NextChunk));
    icalparser_free(parser);
    return root;
}

std::vector<icalcomponent *> Children(icalcomponent *parent, icalcomponent_kind kind)
{
    std::vector<icalcomponent *> children;
    for (icalcomponent *child = icalcomponent_get_first_component(parent, kind); child;
         child = icalcomponent_get_next_component(parent, kind))
        children.push_back(child);
    return children;
}

int CountProperties(icalcomponent *component, icalproperty_kind kind)
{
    int count = 0;
    for (icalproperty *property = icalcomponent_get_first_property(component, kind); property;
         property = icalcomponent_get_next_property(component, kind))
        ++count;
    return count;
}

// Whether libical can expand a time zone at a bounded cost: a few
// observances, each repeating yearly at most, with few listed dates.
bool ZoneIsSound(icalcomponent *zone)
{
    const std::vector<icalcomponent *> observances = Children(zone, ICAL_ANY_COMPONENT);
    if (observances.empty() || observances.size() > size_t(MaxObservances))
        return false;
    int dates = 0;
    for (icalcomponent *observance : observances) {
        const int rules = CountProperties(observance, ICAL_RRULE_PROPERTY);
        if (rules > 1)
            return false;
        if (rules == 1) {
            icalproperty *rule = icalcomponent_get_first_property(observance, ICAL_RRULE_PROPERTY);
            if (icalproperty_get_rrule(rule).freq != ICAL_YEARLY_RECURRENCE)
                return false;
        }
        dates += CountProperties(observance, ICAL_RDATE_PROPERTY);
        if (dates > MaxObservanceDates)
            return false;
    }
    return true;
}

// Drops the time zones libical could not expand cheaply; the times that
// name them are then taken in the system's zone of that name, or as floating.
void DropUnsoundZones(icalcomponent *calendar)
{
    int kept = 0;
    for (icalcomponent *zone : Children(calendar, ICAL_VTIMEZONE_COMPONENT)) {
        if (kept < MaxZones && ZoneIsSound(zone)) {
            ++kept;
            continue;
        }
        icalcomponent_remove_component(calendar, zone);
        icalcomponent_free(zone);
    }
}

QString SummaryOf(icalcomponent *event)
{
    const char *summary = icalcomponent_get_summary(event);
    QString name = summary ? QString::fromUtf8(summary) : QString();
    for (QChar &c : name) {
        if (c == u'\n' || c == u'\r' || c == u'\t')
            c = u' ';
    }
    return TrimSpaces(name);
}

bool IsSoundTime(const icaltimetype &time)
{
    return !icaltime_is_null_time(time) && time.year >= 1 && time.year <= 9999 &&
           QDate(time.year, time.month, time.day).isValid() && time.hour >= 0 && time.hour < 24 &&
           time.minute >= 0 && time.minute < 60 && time.second >= 0 && time.second <= 60;
}

// DURATION or DTEND less DTSTART, in seconds, never negative.
qint64 DurationSeconds(icalcomponent *event)
{
    const icaldurationtype duration = icalcomponent_get_duration(event);
    if (duration.is_neg)
        return 0;
    return qint64(duration.weeks) * 7 * 86400 + qint64(duration.days) * 86400 +
           qint64(duration.hours) * 3600 + qint64(duration.minutes) * 60 + qint64(duration.seconds);
}

// A start marked as written without its year (a birthday whose year is not
// known, written in a placeholder year).
bool OmitsYear(icalproperty *start)
{
    for (icalparameter *parameter = icalproperty_get_first_parameter(start, ICAL_X_PARAMETER);
         parameter; parameter = icalproperty_get_next_parameter(start, ICAL_X_PARAMETER)) {
        const char *name = icalparameter_get_xname(parameter);
        if (name && qstricmp(name, "X-APPLE-OMIT-YEAR") == 0)
            return true;
    }
    return false;
}

TCalendarEvent EventOf(icalcomponent *component)
{
    TCalendarEvent event;
    event.Component = component;
    event.Summary = SummaryOf(component);
    if (const char *uid = icalcomponent_get_uid(component))
        event.Uid = uid;
    if (icalproperty *start = icalcomponent_get_first_property(component, ICAL_DTSTART_PROPERTY)) {
        const icaltimetype time = icalcomponent_get_dtstart(component);
        if (IsSoundTime(time))
            event.Start = time;
        event.YearKnown = time.year >= FirstKnownYear && !OmitsYear(start);
    }
    event.AllDay = event.Start.is_date;
    const qint64 seconds =
        std::min<qint64>(DurationSeconds(component), qint64(MaxEventDays) * 86400);
    event.Length = event.AllDay ? std::max<qint64>(1, seconds / 86400) : seconds;
    event.Cancelled = icalcomponent_get_status(component) == ICAL_STATUS_CANCELLED;
    event.Override = icalcomponent_get_first_property(component, ICAL_RECURRENCEID_PROPERTY);
    for (icalproperty *property = icalcomponent_get_first_property(component, ICAL_RRULE_PROPERTY);
         property; property = icalcomponent_get_next_property(component, ICAL_RRULE_PROPERTY)) {
        const icalrecurrencetype rule = icalproperty_get_rrule(property);
        if (event.Rules.empty())
            event.Yearly = rule.freq == ICAL_YEARLY_RECURRENCE;
        event.Rules.push_back({property, RuleShape(rule, event.Start)});
    }
    event.HasDates = icalcomponent_get_first_property(component, ICAL_RDATE_PROPERTY);
    event.Excepts = icalcomponent_get_first_property(component, ICAL_EXDATE_PROPERTY);
    return event;
}

std::vector<icalcomponent *> Calendars(icalcomponent *root)
{
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT)
        return {root};
    return Children(root, ICAL_VCALENDAR_COMPONENT);
}

} // namespace

qint64 InstantKey(const icaltimetype &time)
{
    const QDate date = DateOf(time);
    // An unreadable EXDATE or RECURRENCE-ID matches no occurrence.
    if (!date.isValid())
        return std::numeric_limits<qint64>::min();
    const qint64 wall = (date.toJulianDay() - QDate(1970, 1, 1).toJulianDay()) * 86400;
    if (time.is_date)
        return wall;
    if (!time.zone)
        return wall + qint64(time.hour) * 3600 + qint64(time.minute) * 60 + time.second;
    return qint64(icaltime_as_timet_with_zone(time, time.zone));
}

icaltimetype ZonedTime(icalproperty *property, icaltimetype time, const TCalendarEvent &event)
{
    if (time.is_date || icaltime_is_utc(time))
        return time;
    icalparameter *tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
    if (!tzid || !icalparameter_get_tzid(tzid))
        return time;
    const char *name = icalparameter_get_tzid(tzid);
    icaltimezone *zone =
        icalcomponent_get_timezone(icalcomponent_get_parent(event.Component), name);
    if (!zone)
        zone = icaltimezone_get_builtin_timezone(name);
    return zone ? icaltime_set_timezone(&time, zone) : time;
}

QDate DateOf(const icaltimetype &time)
{
    return QDate(time.year, time.month, time.day);
}

QDateTime LocalDateTime(const icaltimetype &time, const QTimeZone &zone)
{
    if (time.is_date || !time.zone)
        return QDateTime(DateOf(time), QTime(time.hour, time.minute, std::min(time.second, 59)),
                         zone);
    return QDateTime::fromSecsSinceEpoch(icaltime_as_timet_with_zone(time, time.zone), zone);
}

icaltimetype LibicalTime(const QDate &date, bool isDate)
{
    icaltimetype time = icaltime_null_time();
    time.year = date.year();
    time.month = date.month();
    time.day = date.day();
    time.is_date = isDate ? 1 : 0;
    return time;
}

TEventCalendar::TEventCalendar(TComponentPtr root, std::vector<TCalendarEvent> events)
    : m_root(std::move(root)), m_events(std::move(events))
{
    for (const TCalendarEvent &event : m_events) {
        if (!event.Override)
            continue;
        icalproperty *id =
            icalcomponent_get_first_property(event.Component, ICAL_RECURRENCEID_PROPERTY);
        const icaltimetype replaced = ZonedTime(id, icalproperty_get_recurrenceid(id), event);
        if (IsSoundTime(replaced))
            m_replaced.insert({event.Uid, InstantKey(replaced)});
    }
}

bool TEventCalendar::IsReplaced(const QByteArray &uid, qint64 key) const
{
    return !m_replaced.isEmpty() && m_replaced.contains({uid, key});
}

TICalendarRead ReadICalendar(const QByteArray &bytes)
{
    if (bytes.size() > MaxICalendarFileSize)
        return Failed(QCoreApplication::translate("ICalendar", "The file is larger than %1 MB.")
                          .arg(MaxICalendarFileSize / (qint64(1024) * 1024)));
    QByteArrayView text(bytes);
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    if (const QString error = CheckNesting(text); !error.isEmpty())
        return Failed(error);
    TComponentPtr root = Parse(text);
    const std::vector<icalcomponent *> calendars =
        root ? Calendars(root.get()) : std::vector<icalcomponent *>();
    if (calendars.empty())
        return Failed(QCoreApplication::translate("ICalendar", "This is not an iCalendar file."));
    std::vector<TCalendarEvent> events;
    for (icalcomponent *calendar : calendars) {
        DropUnsoundZones(calendar);
        for (icalcomponent *event : Children(calendar, ICAL_VEVENT_COMPONENT))
            events.push_back(EventOf(event));
    }
    return {std::make_shared<const TEventCalendar>(std::move(root), std::move(events)), {}};
}

TICalendarRead ReadICalendarFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return Failed(file.errorString());
    return ReadICalendar(file.read(MaxICalendarFileSize + 1));
}
