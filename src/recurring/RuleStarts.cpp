#include "RuleStarts.h"

namespace {

// libical steps a rule with a COUNT from its start; a rule repeating more
// often than this ahead of the dates is followed no further.
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
// its start and UNTIL, and the month of a yearly rule.
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

// The starts of rule from start that fall from first to last, into starts.
void Follow(icalrecurrencetype rule, const icaltimetype &start, QDate first, QDate last,
            std::vector<icaltimetype> &starts)
{
    starts.clear();
    if (!CanFollow(rule) || !MayFall(rule, start, first, last))
        return;
    const int count = rule.count;
    rule.count = 0;
    rule.until = UntilFor(last, start, rule.until);
    const TIteratorPtr iterator(icalrecur_iterator_new(rule, start));
    if (!iterator)
        return;
    // A rule with a count is counted from its start; any other starts
    // where the dates begin.
    if (count == 0 && DateOf(start) < first)
        icalrecur_iterator_set_start(iterator.get(), AtMidnight(first, start));
    const bool oncePerDay = IsSubDaily(rule);
    QDate lastDay;
    for (int step = 0; step < MaxStepsPerRule && (count == 0 || step < count); ++step) {
        const icaltimetype next = icalrecur_iterator_next(iterator.get());
        if (icaltime_is_null_time(next))
            break;
        const QDate day = DateOf(next);
        if (day > last)
            break;
        if (oncePerDay && day == lastDay)
            continue;
        lastDay = day;
        if (day.isValid() && day >= first)
            starts.push_back(next);
        // A rule of hours or minutes shows once a day: the next day's
        // first occurrence is looked for from its start.
        if (oncePerDay && count == 0)
            icalrecur_iterator_set_start(iterator.get(), AtMidnight(day.addDays(1), next));
    }
}

template <typename T> void AddValue(QByteArray &key, T value)
{
    key.append(reinterpret_cast<const char *>(&value), qsizetype(sizeof value));
}

// A BY list's values, their number first.
void AddList(QByteArray &key, const short *values, int size)
{
    int count = 0;
    while (count < size && values[count] != ICAL_RECURRENCE_ARRAY_MAX)
        ++count;
    AddValue(key, count);
    key.append(reinterpret_cast<const char *>(values), qsizetype(count) * qsizetype(sizeof(short)));
}

void AddTime(QByteArray &key, const icaltimetype &time)
{
    for (const int field : {time.year, time.month, time.day, time.hour, time.minute, time.second,
                            time.is_date, time.is_daylight})
        AddValue(key, field);
    AddValue(key, time.zone);
}

} // namespace

// What rules expanding alike share: a rule with no COUNT and an INTERVAL of
// 1, begun before the dates, falls on them wherever its period matches,
// whatever day it began on. Its starts then depend on the rule, the
// dates, the start's time of day and zone, and the parts of the start's
// date libical takes where the rule lists none: the weekday of a weekly
// rule, the day of a monthly one, the month and day of a yearly one. Any
// other rule depends on its start, as does one of another calendar scale,
// whose days are not the start's.
QByteArray RuleShape(const icalrecurrencetype &rule, const icaltimetype &start)
{
    const bool daysOrLonger =
        rule.freq == ICAL_DAILY_RECURRENCE || rule.freq == ICAL_WEEKLY_RECURRENCE ||
        rule.freq == ICAL_MONTHLY_RECURRENCE || rule.freq == ICAL_YEARLY_RECURRENCE;
    if (!daysOrLonger || rule.count != 0 || rule.interval != 1 || (rule.rscale && *rule.rscale))
        return {};
    QByteArray key;
    key.reserve(256);
    AddValue(key, rule.freq);
    AddValue(key, rule.week_start);
    AddValue(key, rule.skip);
    AddTime(key, rule.until);
    AddList(key, rule.by_second, ICAL_BY_SECOND_SIZE);
    AddList(key, rule.by_minute, ICAL_BY_MINUTE_SIZE);
    AddList(key, rule.by_hour, ICAL_BY_HOUR_SIZE);
    AddList(key, rule.by_day, ICAL_BY_DAY_SIZE);
    AddList(key, rule.by_month_day, ICAL_BY_MONTHDAY_SIZE);
    AddList(key, rule.by_year_day, ICAL_BY_YEARDAY_SIZE);
    AddList(key, rule.by_week_no, ICAL_BY_WEEKNO_SIZE);
    AddList(key, rule.by_month, ICAL_BY_MONTH_SIZE);
    AddList(key, rule.by_set_pos, ICAL_BY_SETPOS_SIZE);
    for (const int field : {start.hour, start.minute, start.second, start.is_date})
        AddValue(key, field);
    AddValue(key, start.zone);
    if (rule.freq == ICAL_WEEKLY_RECURRENCE && !Listed(rule.by_day))
        AddValue(key, icaltime_day_of_week(start));
    if (rule.freq == ICAL_MONTHLY_RECURRENCE && !Listed(rule.by_day) && !Listed(rule.by_month_day))
        AddValue(key, start.day);
    if (rule.freq == ICAL_YEARLY_RECURRENCE) {
        AddValue(key, start.month);
        AddValue(key, start.day);
    }
    key.squeeze(); // every event with a rule keeps one
    return key;
}

const std::vector<icaltimetype> &
TRuleStarts::Starts(const TEventRule &rule, const icaltimetype &start, QDate first, QDate last)
{
    // A rule begun on the dates is followed from its start.
    if (rule.Shape.isEmpty() || DateOf(start) >= first) {
        Follow(icalproperty_get_rrule(rule.Property), start, first, last, m_own);
        return m_own;
    }
    const TKey key(rule.Shape, {first.toJulianDay(), last.toJulianDay()});
    auto found = m_shared.find(key);
    if (found == m_shared.end()) {
        std::vector<icaltimetype> starts;
        Follow(icalproperty_get_rrule(rule.Property), start, first, last, starts);
        found = m_shared.insert(key, std::move(starts));
    }
    return found.value();
}
