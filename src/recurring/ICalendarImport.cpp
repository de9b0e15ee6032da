#include "ICalendarImport.h"

#include "ICalendarLibrary.h"
#include "PlannerLabels.h"
#include "RecurrenceRule.h"
#include "RecurringFormula.h"

#include <QCoreApplication>
#include <QSet>
#include <QTimeZone>

#include <algorithm>

namespace {

constexpr int MaxLines = 100000;
// RDATE may list dates of an event that does not repeat by a rule: each
// becomes a dated entry, up to a year of days.
constexpr int MaxListedDates = 366;

QList<int> Values(const short *values, int size)
{
    QList<int> list;
    for (int at = 0; at < size && values[at] != ICAL_RECURRENCE_ARRAY_MAX; ++at)
        list.append(values[at]);
    return list;
}

template <size_t Size> QList<int> Values(const short (&values)[Size])
{
    return Values(values, int(Size));
}

// libical's rule in the form the formulas are made from.
TRecurrenceRule RuleOf(const icalrecurrencetype &rule)
{
    TRecurrenceRule read;
    read.Frequency = QString::fromLatin1(icalrecur_freq_to_string(rule.freq));
    read.Interval = rule.interval;
    read.Ends = rule.count > 0 || !icaltime_is_null_time(rule.until);
    for (int month : Values(rule.by_month))
        read.ByMonth.append(icalrecurrencetype_month_month(short(month)));
    read.ByMonthDay = Values(rule.by_month_day);
    read.BySetPos = Values(rule.by_set_pos);
    for (int day : Values(rule.by_day))
        read.ByDay.append({icalrecurrencetype_day_position(short(day)),
                           int(icalrecurrencetype_day_day_of_week(short(day))) - 1});
    const std::pair<const char *, QList<int>> unknown[] = {{"BYSECOND", Values(rule.by_second)},
                                                           {"BYMINUTE", Values(rule.by_minute)},
                                                           {"BYHOUR", Values(rule.by_hour)},
                                                           {"BYYEARDAY", Values(rule.by_year_day)},
                                                           {"BYWEEKNO", Values(rule.by_week_no)}};
    for (const auto &[name, values] : unknown) {
        if (!values.isEmpty())
            read.Unknown.append(QLatin1String(name));
    }
    return read;
}

int CountProperties(icalcomponent *component, icalproperty_kind kind)
{
    int count = 0;
    for (icalproperty *property = icalcomponent_get_first_property(component, kind); property;
         property = icalcomponent_get_next_property(component, kind))
        ++count;
    return count;
}

// The first property deciding an event's dates that libical could not read
// and left out (it puts an X-LIC-ERROR in its place); empty when none.
QString UnreadableProperty(icalcomponent *event)
{
    static const char *const dated[] = {"RRULE", "RDATE",    "EXDATE",       "DTSTART",
                                        "DTEND", "DURATION", "RECURRENCE-ID"};
    for (icalproperty *error = icalcomponent_get_first_property(event, ICAL_XLICERROR_PROPERTY);
         error; error = icalcomponent_get_next_property(event, ICAL_XLICERROR_PROPERTY)) {
        const QString text = QString::fromUtf8(icalproperty_get_xlicerror(error));
        for (const char *name : dated) {
            if (text.contains(u' ' + QLatin1String(name) + u' '))
                return QLatin1String(name);
        }
    }
    return {};
}

// The name an event's entries take: a timed event's starts with its time on
// this computer's clock, as the fill shows it.
QString EntryNameOf(const TCalendarEvent &event, const QDateTime &start)
{
    if (event.AllDay)
        return event.Summary;
    return PlannerTimeLabel(start.time()) + u' ' + event.Summary;
}

class TImport
{
public:
    TICalendarImport Result;

    void Event(const TCalendarEvent &event)
    {
        if (event.Cancelled)
            return;
        if (event.Override)
            return Unsupported(event, QCoreApplication::translate(
                                          "ICalendar", "changes one date of another event"));
        if (const QString unreadable = UnreadableProperty(event.Component); !unreadable.isEmpty())
            return Unsupported(
                event,
                QCoreApplication::translate("ICalendar", "has an unreadable %1").arg(unreadable));
        if (!icalcomponent_get_first_property(event.Component, ICAL_DTSTART_PROPERTY))
            return Unsupported(event,
                               QCoreApplication::translate("ICalendar", "has no start date"));
        if (icaltime_is_null_time(event.Start))
            return Unsupported(
                event, QCoreApplication::translate("ICalendar", "has an unreadable start date"));
        const int rules = CountProperties(event.Component, ICAL_RRULE_PROPERTY);
        if (rules == 0)
            return Dates(event);
        if (rules > 1 || CountProperties(event.Component, ICAL_EXRULE_PROPERTY) > 0)
            return Unsupported(event,
                               QCoreApplication::translate("ICalendar", "has several rules"));
        if (CountProperties(event.Component, ICAL_RDATE_PROPERTY) > 0 ||
            CountProperties(event.Component, ICAL_EXDATE_PROPERTY) > 0)
            return Unsupported(
                event, QCoreApplication::translate("ICalendar", "has added or left-out dates"));
        if (event.AllDay && event.Length > 1)
            return Unsupported(event,
                               QCoreApplication::translate("ICalendar", "lasts several days"));
        Rule(event);
    }

    bool Full() const { return Result.Lines.size() >= MaxLines; }

private:
    void Rule(const TCalendarEvent &event)
    {
        const QDateTime start = LocalDateTime(event.Start, QTimeZone::systemTimeZone());
        icalproperty *property =
            icalcomponent_get_first_property(event.Component, ICAL_RRULE_PROPERTY);
        const TRuleFormulas formulas =
            FormulasOfRule(RuleOf(icalproperty_get_rrule(property)), start.date());
        if (formulas.Formulas.isEmpty())
            return Unsupported(event, formulas.Unsupported);
        for (const QString &formula : formulas.Formulas)
            Add(WithEntryStart(MakeEntry(EntryNameOf(event, start), formula), start.date()));
    }

    // An event that does not repeat by a rule: a dated entry on its start
    // and on each date RDATE adds.
    void Dates(const TCalendarEvent &event)
    {
        if (event.AllDay && event.Length > MaxDatedDays)
            return Unsupported(event,
                               QCoreApplication::translate("ICalendar", "lasts more than %1 days")
                                   .arg(MaxDatedDays));
        QList<icaltimetype> starts{event.Start};
        for (icalproperty *property =
                 icalcomponent_get_first_property(event.Component, ICAL_RDATE_PROPERTY);
             property;
             property = icalcomponent_get_next_property(event.Component, ICAL_RDATE_PROPERTY)) {
            if (starts.size() > MaxListedDates)
                return Unsupported(
                    event, QCoreApplication::translate("ICalendar", "lists more than %1 dates")
                               .arg(MaxListedDates));
            const icaldatetimeperiodtype date = icalproperty_get_rdate(property);
            const icaltimetype time =
                icaltime_is_null_time(date.time) ? date.period.start : date.time;
            if (icaltime_is_null_time(time) || !DateOf(time).isValid())
                return Unsupported(
                    event, QCoreApplication::translate("ICalendar", "has an unreadable date"));
            starts.append(ZonedTime(property, time, event));
        }
        if (CountProperties(event.Component, ICAL_EXDATE_PROPERTY) > 0)
            return Unsupported(event,
                               QCoreApplication::translate("ICalendar", "has left-out dates"));
        for (const icaltimetype &time : starts) {
            const QDateTime start = LocalDateTime(time, QTimeZone::systemTimeZone());
            const int days = event.AllDay ? int(event.Length) : 1;
            Add(MakeEntry(EntryNameOf(event, start), MakeDatedFormula({start.date(), days})));
        }
    }

    void Add(const QString &line)
    {
        const QString key = line.toCaseFolded();
        if (m_seen.contains(key) || Full())
            return;
        m_seen.insert(key);
        Result.Lines.append(line);
    }

    void Unsupported(const TCalendarEvent &event, const QString &why)
    {
        const QString name = event.Summary.isEmpty()
                                 ? QCoreApplication::translate("ICalendar", "(no title)")
                                 : event.Summary;
        Result.Unsupported.append(name + QStringLiteral(": ") + why);
    }

    QSet<QString> m_seen;
};

TICalendarImport ImportEvents(const TICalendarRead &read)
{
    if (!read.Calendar) {
        TICalendarImport failed;
        failed.Error = read.Error;
        return failed;
    }
    TImport import;
    const std::lock_guard lock(read.Calendar->Lock());
    for (const TCalendarEvent &event : read.Calendar->Events()) {
        if (import.Full())
            break;
        import.Event(event);
    }
    return import.Result;
}

} // namespace

TICalendarImport ImportICalendar(const QByteArray &bytes)
{
    return ImportEvents(ReadICalendar(bytes));
}

TICalendarImport ImportICalendarFile(const QString &fileName)
{
    return ImportEvents(ReadICalendarFile(fileName));
}
