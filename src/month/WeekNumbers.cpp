#include "WeekNumbers.h"

#include "CalendarDates.h"

#include <QCoreApplication>

namespace {

// Days since the last Sunday: 0 on a Sunday, 6 on a Saturday.
int DaysSinceSunday(QDate day)
{
    return day.dayOfWeek() % 7;
}

} // namespace

QStringList WeekNumbersItems()
{
    return {QCoreApplication::translate("WeekNumbers", "None"),
            QCoreApplication::translate("WeekNumbers", "ISO 8601 (weeks from Monday)"),
            QCoreApplication::translate("WeekNumbers", "US (weeks from Sunday)")};
}

int IsoWeekNumber(QDate day)
{
    // The week belongs to the year of its Thursday; count the Thursdays.
    const QDate thursday = day.addDays(4 - day.dayOfWeek());
    return (thursday.dayOfYear() - 1) / 7 + 1;
}

int UsWeekNumber(QDate day)
{
    // The week belongs to the year of its Saturday: a week holding the 1st
    // of January ends in the new year.
    const QDate saturday = day.addDays(6 - DaysSinceSunday(day));
    const QDate newYear(saturday.year(), 1, 1);
    const QDate firstSunday = newYear.addDays(-DaysSinceSunday(newYear));
    return int(firstSunday.daysTo(day) / 7) + 1;
}

int WeekNumber(TWeekNumbers rule, QDate day)
{
    if (!day.isValid())
        return 0;
    switch (rule) {
    case wnIso:
        return IsoWeekNumber(day);
    case wnUs:
        return UsWeekNumber(day);
    case wnNone:
        break;
    }
    return 0;
}

int WeekNumberOfDays(TWeekNumbers rule, QDate first)
{
    return first.isValid() ? WeekNumber(rule, first.addDays(3)) : 0;
}

int GridRowWeekNumber(TWeekNumbers rule, int month, int year, int startOfWeek, int row)
{
    const int days = DaysInMonth(month, year);
    const int firstDay = 7 * row - FirstColumn(month, year, startOfWeek) + 2;
    if (rule == wnNone || days == 0 || firstDay + 6 < 1 || firstDay > days)
        return 0;
    return WeekNumberOfDays(rule, QDate(year, month, 1).addDays(firstDay - 1));
}
