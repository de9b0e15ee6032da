#include "EventOccurrences.h"

#include "ICalendarLibrary.h"
#include "PlannerLabels.h"
#include "RuleStarts.h"

#include <algorithm>

namespace {

// Time zones lie at most a day apart: the event's own dates around the
// page's are searched with this margin, and the days found are then taken
// on the page's clock.
constexpr int ZoneMarginDays = 2;

// The starts of one event whose occurrences may touch the event's own
// dates first to last.
class TEventStarts
{
public:
    TEventStarts(const TEventCalendar &calendar, const TCalendarEvent &event, QDate first,
                 QDate last)
        : m_calendar(calendar), m_event(event), m_first(first), m_last(last)
    {}

    void Rules(TRuleStarts &rules)
    {
        for (const TEventRule &rule : m_event.Rules) {
            for (const icaltimetype &start : rules.Starts(rule, m_event.Start, m_first, m_last))
                Add(start);
        }
    }

    void Dates()
    {
        for (icalproperty *property =
                 icalcomponent_get_first_property(m_event.Component, ICAL_RDATE_PROPERTY);
             property;
             property = icalcomponent_get_next_property(m_event.Component, ICAL_RDATE_PROPERTY)) {
            const icaldatetimeperiodtype date = icalproperty_get_rdate(property);
            const icaltimetype time =
                icaltime_is_null_time(date.time) ? date.period.start : date.time;
            if (!icaltime_is_null_time(time))
                Add(ZonedTime(property, time, m_event));
        }
    }

    void Add(const icaltimetype &time)
    {
        const QDate date = DateOf(time);
        if (date.isValid() && date >= m_first && date <= m_last)
            m_starts.push_back(time);
    }

    // The starts found, each once, less those an EXDATE or a replacing
    // event takes away.
    std::vector<icaltimetype> Starts() const
    {
        std::vector<std::pair<qint64, icaltimetype>> keyed;
        keyed.reserve(m_starts.size());
        for (const icaltimetype &start : m_starts)
            keyed.emplace_back(InstantKey(start), start);
        std::sort(keyed.begin(), keyed.end(),
                  [](const auto &a, const auto &b) { return a.first < b.first; });
        keyed.erase(std::unique(keyed.begin(), keyed.end(),
                                [](const auto &a, const auto &b) { return a.first == b.first; }),
                    keyed.end());
        std::vector<icaltimetype> starts;
        const std::vector<icaltimetype> exceptions =
            m_event.Excepts ? Exceptions() : std::vector<icaltimetype>();
        for (const auto &[key, start] : keyed) {
            if (!IsExcepted(key, start, exceptions))
                starts.push_back(start);
        }
        return starts;
    }

private:
    std::vector<icaltimetype> Exceptions() const
    {
        std::vector<icaltimetype> exceptions;
        for (icalproperty *property =
                 icalcomponent_get_first_property(m_event.Component, ICAL_EXDATE_PROPERTY);
             property;
             property = icalcomponent_get_next_property(m_event.Component, ICAL_EXDATE_PROPERTY))
            exceptions.push_back(ZonedTime(property, icalproperty_get_exdate(property), m_event));
        return exceptions;
    }

    bool IsExcepted(qint64 key, const icaltimetype &start,
                    const std::vector<icaltimetype> &exceptions) const
    {
        if (!m_event.Override && m_calendar.IsReplaced(m_event.Uid, key))
            return true;
        return std::any_of(exceptions.begin(), exceptions.end(), [&](const icaltimetype &except) {
            // A date leaves out the occurrence on that day, whatever its time.
            if (except.is_date)
                return DateOf(except) == DateOf(start);
            return InstantKey(except) == key;
        });
    }

    const TEventCalendar &m_calendar;
    const TCalendarEvent &m_event;
    QDate m_first;
    QDate m_last;
    std::vector<icaltimetype> m_starts;
};

// The days from first to last an occurrence starting at start covers.
void AddDays(std::vector<TEventDay> &days, const TCalendarEvent &event, int index,
             const icaltimetype &start, QDate first, QDate last, const QTimeZone &zone, int age)
{
    QDate startDay;
    QDate lastDay;
    std::optional<QTime> time;
    if (event.AllDay) {
        startDay = DateOf(start);
        lastDay = startDay.addDays(event.Length - 1);
    } else {
        const QDateTime local = LocalDateTime(start, zone);
        startDay = local.date();
        time = local.time();
        lastDay = event.Length > 0 ? local.addSecs(event.Length - 1).date() : startDay;
    }
    for (QDate day = std::max(startDay, first); day <= std::min(lastDay, last);
         day = day.addDays(1))
        days.push_back({day, day == startDay ? time : std::nullopt, index, age});
}

} // namespace

std::vector<TEventDay> EventDays(const TEventCalendar &calendar, QDate first, QDate last,
                                 const QTimeZone &zone)
{
    std::vector<TEventDay> days;
    if (!first.isValid() || !last.isValid() || last < first)
        return days;
    const std::lock_guard lock(calendar.Lock());
    const std::vector<TCalendarEvent> &events = calendar.Events();
    TRuleStarts rules;
    for (size_t index = 0; index < events.size(); ++index) {
        const TCalendarEvent &event = events[index];
        if (icaltime_is_null_time(event.Start) || event.Cancelled)
            continue;
        const qint64 lengthDays = event.AllDay ? event.Length : event.Length / 86400 + 1;
        const QDate startDay = DateOf(event.Start);
        if (event.Rules.empty() && !event.HasDates &&
            (startDay < first.addDays(-lengthDays - ZoneMarginDays) ||
             startDay > last.addDays(ZoneMarginDays)))
            continue;
        TEventStarts starts(calendar, event, first.addDays(-lengthDays - ZoneMarginDays),
                            last.addDays(ZoneMarginDays));
        starts.Add(event.Start);
        if (!event.Override)
            starts.Rules(rules);
        if (!event.Override && event.HasDates)
            starts.Dates();
        const bool ages = event.YearKnown && event.Yearly;
        for (const icaltimetype &start : starts.Starts()) {
            const int age = ages ? start.year - event.Start.year : -1;
            AddDays(days, event, int(index), start, first, last, zone, age);
        }
    }
    std::stable_sort(days.begin(), days.end(), [](const TEventDay &a, const TEventDay &b) {
        if (a.Day != b.Day)
            return a.Day < b.Day;
        if (a.Time.has_value() != b.Time.has_value())
            return !a.Time.has_value();
        return a.Time.value_or(QTime()) < b.Time.value_or(QTime());
    });
    return days;
}

QList<TDayLine> EventDayLines(const TEventCalendar &calendar, int month, int year,
                              const TEventTextOptions &options)
{
    const QDate first(year, month, 1);
    QList<TDayLine> lines;
    if (!first.isValid())
        return lines;
    for (const TEventDay &day :
         EventDays(calendar, first, first.addDays(first.daysInMonth() - 1), options.Zone)) {
        const TCalendarEvent &event = calendar.Events()[size_t(day.Event)];
        QString text = event.Summary;
        if (day.Time)
            text = PlannerTimeLabel(*day.Time) + u' ' + text;
        if (options.Ages && day.Age > 0)
            text += QStringLiteral(" (%1)").arg(day.Age);
        lines.append({day.Day.day(), text});
    }
    return lines;
}
