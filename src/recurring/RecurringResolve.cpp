#include "RecurringResolve.h"

#include "CalendarDates.h"
#include "EasterDates.h"
#include "RecurringFormula.h"

#include <QDate>

#include <algorithm>
#include <optional>

namespace {

QList<int> DayOfMonthDays(const QString &formula, int month, int year)
{
    const std::optional<TDayOfMonth> read = ReadDayOfMonthFormula(formula);
    if (!read || !InRange(*read) || (read->Month != month && read->Month != 0))
        return {};
    // A day the month does not have ("@0231", "@0500") names no cell.
    if (read->Day > DaysInMonth(month, year))
        return {};
    return {read->Day};
}

// The occurrence-th (0 = 1st) day of weekday (1 Sunday ... 7 Saturday) in
// the month, or the last one for occurrence 5; 0 when the month has fewer.
int NthWeekday(int occurrence, int weekday, int month, int year)
{
    const int length = DaysInMonth(month, year);
    if (occurrence == 5) {
        for (int day = length; day >= 1; --day) {
            if (DayOfWeek(day, month, year) == weekday)
                return day;
        }
        return 0;
    }
    int count = 0;
    for (int day = 1; day <= length; ++day) {
        if (DayOfWeek(day, month, year) == weekday && ++count == occurrence + 1)
            return day;
    }
    return 0;
}

QList<int> SpecialDays(const QString &formula, int month, int year)
{
    const std::optional<TSpecialFormula> read = ReadSpecialFormula(formula);
    if (!read || !InRange(*read) || (read->Month != month && read->Month != 0))
        return {};
    const int length = DaysInMonth(month, year);
    if (read->Weekday == 7)
        return {read->Occurrence == 5 ? length : read->Occurrence + 1};
    const int day = NthWeekday(read->Occurrence, read->Weekday + 1, month, year);
    if (day == 0)
        return {};
    return {day};
}

QList<int> WeekdayDays(const QString &formula, int month, int year)
{
    QList<int> days;
    const int length = DaysInMonth(month, year);
    for (int day = 1; day <= length; ++day) {
        if (formula.contains(QChar(u'0' + DayOfWeek(day, month, year))))
            days.append(day);
    }
    return days;
}

QList<int> DaysIn(const QDate &date, int month, int year)
{
    if (date.isValid() && date.year() == year && date.month() == month)
        return {date.day()};
    return {};
}

// The date an anchored formula gives for its anchor in year; invalid when it
// gives none (an observed date on a weekday, February 29 of a common year).
QDate AnchoredDate(const TAnchoredFormula &formula, int year)
{
    const QDate anchor(year, formula.Month, formula.Day);
    if (!anchor.isValid())
        return {};
    // Qt counts Monday = 1 to Sunday = 7; the formulas Sunday = 0.
    const int weekday = anchor.dayOfWeek() % 7;
    switch (formula.Rule) {
    case TAnchorRule::OnOrBefore:
        return anchor.addDays(-((weekday - formula.Weekday + 7) % 7));
    case TAnchorRule::OnOrAfter:
        return anchor.addDays((formula.Weekday - weekday + 7) % 7);
    case TAnchorRule::Observed:
        break;
    }
    const int shift = weekday == 6 ? formula.SaturdayShift : weekday == 0 ? formula.SundayShift : 0;
    return shift == 0 ? QDate() : anchor.addDays(shift);
}

QList<int> AnchoredDays(const QString &formula, int month, int year)
{
    const std::optional<TAnchoredFormula> read = ReadAnchoredFormula(formula);
    if (!read)
        return {};
    // The day may move across the turn of the year.
    QList<int> days;
    for (int anchorYear = year - 1; anchorYear <= year + 1; ++anchorYear)
        days += DaysIn(AnchoredDate(*read, anchorYear), month, year);
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    return days;
}

// The days of month of year a dated entry lasts over.
QList<int> DatedDays(const QString &formula, int month, int year)
{
    const std::optional<TDatedFormula> read = ReadDatedFormula(formula);
    if (!read)
        return {};
    const QDate first(year, month, 1);
    const QDate from = std::max(read->Date, first);
    const QDate to = std::min(read->Date.addDays(read->Days - 1), first.addMonths(1).addDays(-1));
    QList<int> days;
    for (QDate day = from; day <= to; day = day.addDays(1))
        days.append(day.day());
    return days;
}

bool MonthMatches(int formulaMonth, int month)
{
    return formulaMonth == month || formulaMonth == 0;
}

} // namespace

bool CanFallInMonth(const QString &line, int month, int year)
{
    const QString formula = FormulaField(line);
    switch (Marker(line).unicode()) {
    case u'@': {
        const std::optional<TDayOfMonth> read = ReadDayOfMonthFormula(formula);
        return !read || MonthMatches(read->Month, month);
    }
    case u'$': {
        const std::optional<TSpecialFormula> read = ReadSpecialFormula(formula);
        return !read || MonthMatches(read->Month, month);
    }
    case u'#': {
        const QString keyword = EasterKeyword(line);
        return !IsEasterKeyword(keyword) ||
               !DaysIn(EasterFeast(keyword, year), month, year).isEmpty();
    }
    case u'&':
        return !ReadAnchoredFormula(formula) || !AnchoredDays(formula, month, year).isEmpty();
    case u'=':
        return !ReadDatedFormula(formula) || !DatedDays(formula, month, year).isEmpty();
    default:
        return true;
    }
}

QStringList PreselectForMonth(const QStringList &lines, int month, int year)
{
    QStringList kept;
    for (const QString &line : lines) {
        if (CanFallInMonth(line, month, year))
            kept.append(line);
    }
    return kept;
}

QList<int> ResolveDays(const QString &line, int month, int year)
{
    if (month < 1 || month > 12)
        return {};
    const QString formula = FormulaField(line);
    switch (Marker(line).unicode()) {
    case u'@':
        return DayOfMonthDays(formula, month, year);
    case u'$':
        return SpecialDays(formula, month, year);
    case u'%':
        return WeekdayDays(formula, month, year);
    case u'#':
        return DaysIn(EasterFeast(EasterKeyword(line), year), month, year);
    case u'&':
        return AnchoredDays(formula, month, year);
    case u'=':
        return DatedDays(formula, month, year);
    default:
        return {};
    }
}

QString FillText(const QString &line)
{
    switch (Marker(line).unicode()) {
    case u'%':
    case u'#':
        return NameField(line);
    default:
        return EntryName(line);
    }
}

QList<TDayLine> DayLines(const QStringList &lines, int month, int year)
{
    QList<TDayLine> dayLines;
    for (const QString &line : lines) {
        const QString text = FillText(line);
        for (int day : ResolveDays(line, month, year))
            dayLines.append({day, text});
    }
    return dayLines;
}
