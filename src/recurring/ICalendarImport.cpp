#include "ICalendarImport.h"

#include "ICalendarLines.h"
#include "RecurrenceRule.h"
#include "RecurringFormula.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <optional>

namespace {

constexpr int MaxDepth = 16;
constexpr int MaxEvents = 100000;
constexpr int MaxLines = 100000;

struct TEvent
{
    QString Summary;
    std::optional<QDate> Start;
    bool AllDay = false;
    std::optional<QDate> End;
    std::optional<qint64> Duration;
    QStringList Rules;
    bool HasExceptions = false;
    bool ChangesAnOccurrence = false;
    QString Problem;
};

std::optional<int> Digits(QStringView text)
{
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// The date of a DATE or DATE-TIME value: a time in UTC ("Z") is taken on
// the local clock; a floating time or one with a time zone as written.
std::optional<QDate> DateOf(const QString &value)
{
    if (value.size() < 8)
        return std::nullopt;
    const std::optional<int> year = Digits(QStringView(value).left(4));
    const std::optional<int> month = Digits(QStringView(value).mid(4, 2));
    const std::optional<int> day = Digits(QStringView(value).mid(6, 2));
    if (!year || !month || !day)
        return std::nullopt;
    const QDate date(*year, *month, *day);
    if (!date.isValid())
        return std::nullopt;
    if (value.size() == 8)
        return date;
    if (value.size() < 15 || value[8] != u'T')
        return std::nullopt;
    const std::optional<int> hour = Digits(QStringView(value).mid(9, 2));
    const std::optional<int> minute = Digits(QStringView(value).mid(11, 2));
    const std::optional<int> second = Digits(QStringView(value).mid(13, 2));
    if (!hour || !minute || !second)
        return std::nullopt;
    const QTime time(*hour, *minute, std::min(*second, 59));
    if (!time.isValid())
        return std::nullopt;
    if (value.size() == 16 && value[15] == u'Z')
        return QDateTime(date, time, Qt::UTC).toLocalTime().date();
    return value.size() == 15 ? std::optional<QDate>(date) : std::nullopt;
}

// The whole days of a DURATION ("P2D", "P1W"); nothing for anything else.
std::optional<qint64> DurationDays(const QString &value)
{
    QStringView text(value);
    if (text.startsWith(u'+'))
        text = text.sliced(1);
    if (text.size() < 3 || text.size() > 8 || text[0] != u'P')
        return std::nullopt;
    const QChar unit = text.back();
    const std::optional<int> count = Digits(text.sliced(1, text.size() - 2));
    if (!count || (unit != u'D' && unit != u'W'))
        return std::nullopt;
    return unit == u'W' ? *count * 7 : *count;
}

QString NameOf(const QString &summary)
{
    QString name = summary;
    for (QChar &c : name) {
        if (c == u'\n' || c == u'\r' || c == u'\t')
            c = u' ';
    }
    return TrimSpaces(name);
}

void TakeProperty(TEvent &event, const TContentLine &line)
{
    if (line.Name == u"SUMMARY") {
        event.Summary = NameOf(UnescapeText(line.Value));
    } else if (line.Name == u"DTSTART") {
        event.Start = DateOf(line.Value.trimmed());
        event.AllDay = line.Value.trimmed().size() == 8;
        if (!event.Start)
            event.Problem = QStringLiteral("has an unreadable start date");
    } else if (line.Name == u"DTEND") {
        event.End = DateOf(line.Value.trimmed());
    } else if (line.Name == u"DURATION") {
        event.Duration = DurationDays(line.Value.trimmed());
    } else if (line.Name == u"RRULE") {
        event.Rules.append(line.Value);
    } else if (line.Name == u"RDATE" || line.Name == u"EXDATE" || line.Name == u"EXRULE") {
        event.HasExceptions = true;
    } else if (line.Name == u"RECURRENCE-ID") {
        event.ChangesAnOccurrence = true;
    }
}

// Whether an all-day event lasts more than its first day.
bool LastsSeveralDays(const TEvent &event)
{
    if (!event.AllDay || !event.Start)
        return false;
    if (event.End)
        return event.Start->daysTo(*event.End) > 1;
    return event.Duration.value_or(1) > 1;
}

// The formulas of a repeating event, or why there are none.
TRuleFormulas FormulasOfEvent(const TEvent &event)
{
    if (!event.Problem.isEmpty())
        return {{}, event.Problem};
    if (!event.Start)
        return {{}, QStringLiteral("has no start date")};
    if (LastsSeveralDays(event))
        return {{}, QStringLiteral("lasts several days")};
    if (event.HasExceptions)
        return {{}, QStringLiteral("has added or left-out dates")};
    if (event.Rules.size() > 1)
        return {{}, QStringLiteral("has several rules")};
    QString why;
    const TRecurrenceRule rule = ParseRecurrenceRule(event.Rules[0], &why);
    if (rule.Frequency.isEmpty())
        return {{}, why};
    return FormulasOfRule(rule, *event.Start);
}

// Single dates by summary: one entry when every date of a summary has the
// same month and day.
struct TSingleDates
{
    QString Summary;
    QList<QDate> Dates;
};

class TImport
{
public:
    TICalendarImport Result;

    void Event(const TEvent &event)
    {
        if (event.ChangesAnOccurrence)
            return Unsupported(event.Summary, QStringLiteral("changes one date of another event"));
        if (event.Rules.isEmpty() && event.Problem.isEmpty() && event.Start &&
            !LastsSeveralDays(event) && !event.HasExceptions)
            return Single(event);
        const TRuleFormulas formulas = FormulasOfEvent(event);
        if (formulas.Formulas.isEmpty())
            return Unsupported(event.Summary, formulas.Unsupported);
        for (const QString &formula : formulas.Formulas)
            Add(MakeEntry(event.Summary, formula));
    }

    void Finish()
    {
        for (const TSingleDates &single : m_singles) {
            const QDate first = single.Dates.first();
            const bool sameDay =
                std::all_of(single.Dates.begin(), single.Dates.end(), [&first](const QDate &date) {
                    return date.month() == first.month() && date.day() == first.day();
                });
            if (sameDay)
                Add(MakeEntry(single.Summary, MakeDayOfMonthFormula(first.day(), first.month())));
            else
                Unsupported(single.Summary,
                            QStringLiteral("falls on different days in different years"));
        }
    }

    bool Full() const { return Result.Lines.size() >= MaxLines; }

private:
    void Single(const TEvent &event)
    {
        const auto found = m_singleIndex.constFind(event.Summary);
        if (found != m_singleIndex.constEnd()) {
            m_singles[*found].Dates.append(*event.Start);
            return;
        }
        m_singleIndex.insert(event.Summary, int(m_singles.size()));
        m_singles.append({event.Summary, {*event.Start}});
    }

    void Add(const QString &line)
    {
        const QString key = line.toCaseFolded();
        if (m_seen.contains(key) || Full())
            return;
        m_seen.insert(key);
        Result.Lines.append(line);
    }

    void Unsupported(const QString &summary, const QString &why)
    {
        const QString name = summary.isEmpty() ? QStringLiteral("(no title)") : summary;
        Result.Unsupported.append(name + QStringLiteral(": ") + why);
    }

    QList<TSingleDates> m_singles;
    QHash<QString, int> m_singleIndex;
    QSet<QString> m_seen;
};

// A file that cannot be read as a whole gives nothing but the reason.
TICalendarImport Failed(const QString &why)
{
    TICalendarImport result;
    result.Error = why;
    return result;
}

} // namespace

TICalendarImport ImportICalendar(const QByteArray &bytes)
{
    if (bytes.size() > MaxICalendarFileSize)
        return Failed(QStringLiteral("The file is larger than %1 MB.")
                          .arg(MaxICalendarFileSize / (qint64(1024) * 1024)));
    TImport import;
    QStringList open;
    std::optional<TEvent> event;
    int events = 0;
    bool calendarSeen = false;
    for (const QString &text : UnfoldICalendarLines(bytes)) {
        const std::optional<TContentLine> line = ParseContentLine(text);
        if (!line)
            continue;
        if (line->Name == u"BEGIN") {
            const QString component = line->Value.trimmed().toUpper().left(40);
            if (open.isEmpty() && component != u"VCALENDAR")
                break;
            calendarSeen = true;
            if (open.size() >= MaxDepth)
                return Failed(QStringLiteral("The file's components are nested too deeply."));
            open.append(component);
            if (component == u"VEVENT" && open.size() == 2)
                event.emplace();
            continue;
        }
        if (line->Name == u"END") {
            const QString component = line->Value.trimmed().toUpper().left(40);
            if (open.isEmpty() || open.last() != component)
                return Failed(
                    QStringLiteral("The file has END:%1 where it does not belong.").arg(component));
            open.removeLast();
            if (event && open.size() == 1) {
                if (++events > MaxEvents)
                    return Failed(
                        QStringLiteral("The file holds more than %1 events.").arg(MaxEvents));
                import.Event(*event);
                event.reset();
            }
            continue;
        }
        // Properties of the event itself, not of an alarm inside it.
        if (event && open.size() == 2)
            TakeProperty(*event, *line);
    }
    if (!calendarSeen)
        return Failed(QStringLiteral("This is not an iCalendar file."));
    if (!open.isEmpty())
        return Failed(QStringLiteral("The file ends before END:%1.").arg(open.last()));
    import.Finish();
    return import.Result;
}

TICalendarImport ImportICalendarFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return Failed(file.errorString());
    return ImportICalendar(file.read(MaxICalendarFileSize + 1));
}
