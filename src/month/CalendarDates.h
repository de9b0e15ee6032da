#pragma once

#include "CalendarTypes.h"

// The calendar arithmetic of the page: proleptic Gregorian, any year.

bool IsLeapYear(int year);
// Days in month 1 to 12 of year; 0 for a month outside 1 to 12.
int DaysInMonth(int month, int year);
// The weekday of a date counted Sunday = 1 to Saturday = 7.
int DayOfWeek(int day, int month, int year);

// The column (1 to 7) of the first day of the month: Sunday first when
// startOfWeek is 1, Monday first for any other value.
int FirstColumn(int month, int year, int startOfWeek);

// The day of the month shown in month-grid cell index (1 to 42), or 0 when
// the cell shows none or the index is outside 1 to 42.
int DayInCell(int index, int month, int year, int startOfWeek);

// The month n months after (n > 0) or before (n < 0) the given one.
TMonthYear ShiftMonth(int month, int year, int n);
