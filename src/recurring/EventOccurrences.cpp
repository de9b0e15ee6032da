#include "EventOccurrences.h"

#include "ICalendarLibrary.h"
#include "PlannerLabels.h"

#include <algorithm>

namespace {

// Time zones lie at most a day apart: the event's own dates around the
// page's are searched with this margin, and the days found are then taken
// on the page's clock.
constexpr int ZoneMarginDays = 2;
// libical steps a rule with a COUNT from its start; a rule repeating more
// often than this ahead of the page is followed no further.
constexpr int MaxStepsPerRule = 100000;

bool IsSubDaily(const icalrecurrencetype &rule)
{
    return rule.freq == ICAL_SECONDLY_RECURRENCE || rule.freq == ICAL_MINUTELY_RECURRENCE ||
           rule.freq == ICAL_HOURLY_RECURRENCE;
}

bool Listed(const short *values)
{
    return values[0] != ICAL_RECURRENCE_ARRAY_MAX;
}

// libical steps a rule by seconds or minutes and tests each step: limited by
// days or months, such a rule would be stepped through a page's every
// second. Only the plain ones are followed.
bool CanFollow(const icalrecurrencetype &rule)
{
    if (rule.freq == ICAL_NO_RECURRENCE)
        return false;
    if (rule.freq != ICAL_SECONDLY_RECURRENCE && rule.freq != ICAL_MINUTELY_RECURRENCE)
        return true;
    return !Listed(rule.by_second) && !Listed(rule.by_minute) && !Listed(rule.by_hour) &&
           !Listed(rule.by_day) && !Listed(rule.by_month_day) && !Listed(rule.by_year_day) &&
           !Listed(rule.by_week_no) && !Listed(rule.by_month) && !Listed(rule.by_set_pos);
}

// Whether a rule may fall from first to last, by what is cheap to tell:
// its start and UNTIL, and the month of a yearly rule. libical builds
// calendars for every iterator, which costs more than the whole test.
bool MayFall(const icalrecurrencetype &rule, const icaltimetype &start, QDate first, QDate last)
{
    if (DateOf(start) > last)
        return false;
    if (!icaltime_is_null_time(rule.until) && DateOf(rule.until) < first)
        return false;
    if (rule.freq != ICAL_YEARLY_RECURRENCE || Listed(rule.by_year_day) ||
        Listed(rule.by_week_no) || (Listed(rule.by_day) && !Listed(rule.by_month)) ||
        rule.interval != 1 || first.daysTo(last) > 62)
        return true;
    const auto inMonths = [&](int month) {
        for (QDate day(first.year(), first.month(), 1); day <= last; day = day.addMonths(1)) {
            if (day.month() == month)
                return true;
        }
        return false;
    };
    if (!Listed(rule.by_month))
        return inMonths(start.month);
    for (int at = 0; at < ICAL_BY_MONTH_SIZE && rule.by_month[at] != ICAL_RECURRENCE_ARRAY_MAX;
         ++at) {
        if (inMonths(icalrecurrencetype_month_month(rule.by_month[at])))
            return true;
    }
    return false;
}

// A time of day at midnight of date, in the form of start (a date, a time
// in start's zone, or floating).
icaltimetype AtMidnight(const QDate &date, const icaltimetype &start)
{
    icaltimetype time = LibicalTime(date, start.is_date);
    time.zone = start.zone;
    return time;
}

// The end libical stops a rule at: the end of last, or the rule's own
// UNTIL when that is sooner. Stopping there keeps a rule that never or
// rarely matches from being searched to the end of time.
icaltimetype UntilFor(const QDate &last, const icaltimetype &start, const icaltimetype &until)
{
    icaltimetype end = LibicalTime(last.addDays(1), start.is_date);
    if (!start.is_date && start.zone)
        end = icaltime_set_timezone(&end, icaltimezone_get_utc_timezone());
    if (!icaltime_is_null_time(until) && icaltime_compare(until, end) < 0)
        return until;
    return end;
}

// The starts of one event whose occurrences may touch the event's own
// dates first to last.
class TEventStarts
{
public:
    TEventStarts(const TEventCalendar &calendar, const TCalendarEvent &event, QDate first,
                 QDate last)
        : m_calendar(calendar), m_event(event), m_first(first), m_last(last)
    {}

    void Rules()
    {
        for (icalproperty *property =
                 icalcomponent_get_first_property(m_event.Component, ICAL_RRULE_PROPERTY);
             property;
             property = icalcomponent_get_next_property(m_event.Component, ICAL_RRULE_PROPERTY))
            Rule(icalproperty_get_rrule(property));
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
    void Rule(icalrecurrencetype rule)
    {
        if (!CanFollow(rule) || !MayFall(rule, m_event.Start, m_first, m_last))
            return;
        const int count = rule.count;
        rule.count = 0;
        rule.until = UntilFor(m_last, m_event.Start, rule.until);
        const TIteratorPtr iterator(icalrecur_iterator_new(rule, m_event.Start));
        if (!iterator)
            return;
        // A rule with a count is counted from its start; any other starts
        // where the dates begin.
        if (count == 0 && DateOf(m_event.Start) < m_first)
            icalrecur_iterator_set_start(iterator.get(), AtMidnight(m_first, m_event.Start));
        const bool oncePerDay = IsSubDaily(rule);
        QDate lastDay;
        for (int step = 0; step < MaxStepsPerRule && (count == 0 || step < count); ++step) {
            const icaltimetype next = icalrecur_iterator_next(iterator.get());
            if (icaltime_is_null_time(next))
                break;
            const QDate day = DateOf(next);
            if (day > m_last)
                break;
            if (oncePerDay && day == lastDay)
                continue;
            lastDay = day;
            Add(next);
            // A rule of hours or minutes shows once a day: the next day's
            // first occurrence is looked for from its start.
            if (oncePerDay && count == 0)
                icalrecur_iterator_set_start(iterator.get(), AtMidnight(day.addDays(1), next));
        }
    }

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

bool IsYearly(const TCalendarEvent &event)
{
    icalproperty *rule = icalcomponent_get_first_property(event.Component, ICAL_RRULE_PROPERTY);
    return rule && icalproperty_get_rrule(rule).freq == ICAL_YEARLY_RECURRENCE;
}

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
    for (size_t index = 0; index < events.size(); ++index) {
        const TCalendarEvent &event = events[index];
        if (icaltime_is_null_time(event.Start) || event.Cancelled)
            continue;
        const qint64 lengthDays = event.AllDay ? event.Length : event.Length / 86400 + 1;
        const QDate startDay = DateOf(event.Start);
        if (!event.Repeats && (startDay < first.addDays(-lengthDays - ZoneMarginDays) ||
                               startDay > last.addDays(ZoneMarginDays)))
            continue;
        TEventStarts starts(calendar, event, first.addDays(-lengthDays - ZoneMarginDays),
                            last.addDays(ZoneMarginDays));
        starts.Add(event.Start);
        if (!event.Override) {
            starts.Rules();
            starts.Dates();
        }
        const bool ages = event.YearKnown && IsYearly(event);
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
