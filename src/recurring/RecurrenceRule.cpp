#include "RecurrenceRule.h"

#include "RecurringFormula.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <optional>

namespace {

// values without repeats, in their order.
QList<int> Distinct(const QList<int> &values)
{
    QList<int> distinct;
    for (int value : values) {
        if (!distinct.contains(value))
            distinct.append(value);
    }
    return distinct;
}

TRuleFormulas Unsupported(const QString &why)
{
    return {{}, why};
}

QString WeekdayFormula(const QList<int> &weekdays)
{
    std::array<bool, 7> days{};
    for (int day : weekdays)
        days[day] = true;
    return MakeWeekdayFormula(days);
}

// DAILY and WEEKLY: every day, or the weekdays listed.
TRuleFormulas WeeklyFormulas(const TRecurrenceRule &rule, const QDate &start)
{
    if (!rule.ByMonth.isEmpty() || !rule.ByMonthDay.isEmpty() || !rule.BySetPos.isEmpty())
        return Unsupported(QCoreApplication::translate(
            "ICalendar", "limits a daily or weekly rule to months or days"));
    QList<int> weekdays;
    for (const auto &[ordinal, weekday] : rule.ByDay) {
        if (ordinal != 0)
            return Unsupported(
                QCoreApplication::translate("ICalendar", "numbers the weekdays of a weekly rule"));
        weekdays.append(weekday);
    }
    if (weekdays.isEmpty())
        weekdays = rule.Frequency == u"DAILY" ? QList<int>{0, 1, 2, 3, 4, 5, 6}
                                              : QList<int>{start.dayOfWeek() % 7};
    return {{WeekdayFormula(weekdays)}, {}};
}

// Seven days in a row, the weekday found among them: the weekday on or after
// the first (Victoria Day: a Monday from May 18 to 24).
std::optional<QString> WindowFormula(const TRecurrenceRule &rule, const QList<int> &months)
{
    if (months.size() != 1 || rule.ByDay.size() != 1 || rule.ByDay[0].first != 0 ||
        rule.ByMonthDay.size() != 7)
        return std::nullopt;
    QList<int> days = rule.ByMonthDay;
    std::sort(days.begin(), days.end());
    const int month = months[0];
    // Every month of every year must hold all seven days.
    const int shortest = month == 2 ? 28 : QDate(2001, month, 1).daysInMonth();
    if (days.first() < 1 || days.last() > shortest || days.last() - days.first() != 6)
        return std::nullopt;
    if (std::adjacent_find(days.begin(), days.end()) != days.end())
        return std::nullopt;
    TAnchoredFormula formula;
    formula.Month = month;
    formula.Day = days.first();
    formula.Rule = TAnchorRule::OnOrAfter;
    formula.Weekday = rule.ByDay[0].second;
    return MakeAnchoredFormula(formula);
}

// The "$" occurrence of an iCalendar ordinal: 1 to 5, or -1 for the last.
std::optional<int> OccurrenceOf(int ordinal)
{
    if (ordinal >= 1 && ordinal <= 5)
        return ordinal - 1;
    if (ordinal == -1)
        return 5;
    return std::nullopt;
}

// BYSETPOS picks one of the weekdays listed: one weekday becomes its
// ordinal, all seven the n-th day of the month.
std::optional<QList<std::pair<int, int>>> ApplySetPosition(const TRecurrenceRule &rule)
{
    if (rule.BySetPos.size() != 1 || !rule.ByMonthDay.isEmpty() || !OccurrenceOf(rule.BySetPos[0]))
        return std::nullopt;
    QList<int> weekdays;
    for (const auto &[ordinal, weekday] : rule.ByDay) {
        if (ordinal != 0)
            return std::nullopt;
        if (!weekdays.contains(weekday))
            weekdays.append(weekday);
    }
    if (weekdays.size() == 1)
        return QList<std::pair<int, int>>{{rule.BySetPos[0], weekdays[0]}};
    if (weekdays.size() == 7)
        return QList<std::pair<int, int>>{{rule.BySetPos[0], 7}};
    return std::nullopt;
}

TRuleFormulas MonthlyFormulas(const TRecurrenceRule &rule, const QDate &start)
{
    if (std::any_of(rule.ByMonth.begin(), rule.ByMonth.end(),
                    [](int month) { return month < 1 || month > 12; }))
        return Unsupported(
            QCoreApplication::translate("ICalendar", "names a month that does not exist"));
    QList<int> months = rule.ByMonth;
    QList<int> monthDays = rule.ByMonthDay;
    QList<std::pair<int, int>> weekdays = rule.ByDay;
    const bool yearly = rule.Frequency == u"YEARLY";
    if (yearly && months.isEmpty()) {
        if (monthDays.isEmpty() && weekdays.isEmpty()) {
            months = {start.month()};
            monthDays = {start.day()};
        } else if (std::any_of(weekdays.begin(), weekdays.end(),
                               [](const auto &day) { return day.first != 0; })) {
            return Unsupported(
                QCoreApplication::translate("ICalendar", "numbers the weekdays of the whole year"));
        }
    }
    if (!yearly && monthDays.isEmpty() && weekdays.isEmpty())
        monthDays = {start.day()};
    if (!rule.BySetPos.isEmpty()) {
        const std::optional<QList<std::pair<int, int>>> picked = ApplySetPosition(rule);
        if (!picked)
            return Unsupported(
                QCoreApplication::translate("ICalendar", "picks days by their position in a set"));
        weekdays = *picked;
    }
    if (!monthDays.isEmpty() && !weekdays.isEmpty()) {
        if (const std::optional<QString> window = WindowFormula(rule, months))
            return {{*window}, {}};
        return Unsupported(
            QCoreApplication::translate("ICalendar", "combines days of the month with weekdays"));
    }
    const QList<int> formulaMonths = Distinct(months.isEmpty() ? QList<int>{0} : months);
    monthDays = Distinct(monthDays);
    // Every month with every day: the pairs are counted before they are made.
    if (formulaMonths.size() * monthDays.size() + weekdays.size() * formulaMonths.size() >
        MaxRuleFormulas)
        return Unsupported(
            QCoreApplication::translate("ICalendar", "falls on more than %1 days of the year")
                .arg(MaxRuleFormulas));
    TRuleFormulas result;
    for (int month : formulaMonths) {
        for (int day : monthDays) {
            if (day == -1)
                result.Formulas.append(MakeSpecialFormula(5, 7, month));
            else if (day > 0)
                result.Formulas.append(MakeDayOfMonthFormula(day, month));
            else
                return Unsupported(QCoreApplication::translate(
                    "ICalendar", "counts days from the end of the month"));
        }
    }
    QList<int> everyWeekday;
    for (const auto &[ordinal, weekday] : weekdays) {
        if (ordinal == 0) {
            if (!months.isEmpty())
                return Unsupported(QCoreApplication::translate(
                    "ICalendar", "repeats on every weekday of some months"));
            everyWeekday.append(weekday);
            continue;
        }
        const std::optional<int> occurrence = OccurrenceOf(ordinal);
        if (!occurrence)
            return Unsupported(QCoreApplication::translate(
                "ICalendar", "names a weekday beyond the fifth of a month"));
        for (int month : formulaMonths)
            result.Formulas.append(MakeSpecialFormula(*occurrence, weekday, month));
    }
    if (!everyWeekday.isEmpty())
        result.Formulas.append(WeekdayFormula(everyWeekday));
    if (result.Formulas.isEmpty())
        return Unsupported(QCoreApplication::translate("ICalendar", "falls on no day"));
    return result;
}

} // namespace

TRuleFormulas FormulasOfRule(const TRecurrenceRule &rule, const QDate &start)
{
    if (rule.Interval != 1)
        return Unsupported(QCoreApplication::translate("ICalendar", "repeats at an interval of %1")
                               .arg(rule.Interval));
    if (rule.Ends)
        return Unsupported(
            QCoreApplication::translate("ICalendar", "stops after a count or a date"));
    if (!rule.Unknown.isEmpty())
        return Unsupported(QCoreApplication::translate("ICalendar", "uses %1")
                               .arg(rule.Unknown.join(QStringLiteral(", "))));
    if (rule.Frequency == u"DAILY" || rule.Frequency == u"WEEKLY")
        return WeeklyFormulas(rule, start);
    if (rule.Frequency == u"MONTHLY" || rule.Frequency == u"YEARLY")
        return MonthlyFormulas(rule, start);
    return Unsupported(QCoreApplication::translate("ICalendar", "repeats %1")
                           .arg(rule.Frequency.toLower().left(20)));
}
