#include "CalendarDates.h"

#include <array>

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int month, int year)
{
    static constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Days since 1 January 1970 of a date, for any year (the civil-from-days
// inverse of Howard Hinnant's algorithm), in 64 bits so no year overflows.
static long long DaysFromCivil(long long year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const int shiftedMonth = month > 2 ? month - 3 : month + 9;
    const long long dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

int DayOfWeek(int day, int month, int year)
{
    // 1 January 1970 was a Thursday, weekday 5 counted from Sunday = 1.
    const long long days = DaysFromCivil(year, month, day);
    const long long fromSunday = ((days + 4) % 7 + 7) % 7;
    return int(fromSunday) + 1;
}

int FirstColumn(int month, int year, int startOfWeek)
{
    const int weekday = DayOfWeek(1, month, year);
    if (startOfWeek == 1)
        return weekday;
    return weekday == 1 ? 7 : weekday - 1;
}

int DayInCell(int index, int month, int year, int startOfWeek)
{
    if (index < 1 || index > CellCount || month < 1 || month > 12)
        return 0;
    const int row = (index - 1) / 7;
    const int column = (index - 1) % 7 + 1;
    const int day = 7 * row + column - FirstColumn(month, year, startOfWeek) + 1;
    return day >= 1 && day <= DaysInMonth(month, year) ? day : 0;
}

TMonthYear ShiftMonth(int month, int year, int n)
{
    // Counted in months since year 0 so any step is one division, not a loop.
    const long long total = (long long)year * 12 + (month - 1) + n;
    const long long shiftedYear = total >= 0 ? total / 12 : (total - 11) / 12;
    return {int(total - shiftedYear * 12) + 1, int(shiftedYear)};
}
