#pragma once

#include <QString>

// The words a recurring date is shown with in every list: weekday and month
// names from the system locale, the other words fixed.

// "1st of April", "15th of Each Month", "3rd Sat of May", "Last Day Each
// Month", "Mon,Tue,Wed,Thu,Fri", "Mon on or before 24th of May", "25th of
// December on Sat +2, Sun +2", "12th of August 2024", "1st of August 2024 to
// 14th of August 2024". Empty when a number field cannot be read or
// lies outside its table, or for any other marker.
QString DescribeFormula(const QString &formula);

// "Armed Forces Day (3rd Sat of May)" for the "@", "$", "%", "&" and "=" kinds
// (the name without spaces at both ends); the 120-character name field as it
// stands for any other line ("#" lines, lines without a formula).
QString DescribeEntry(const QString &line);

// The locale's abbreviated name of weekday 0 (Sunday) to 6 and full name of
// month 1 to 12; "Each Month" for month 0.
QString ShortWeekdayName(int weekday);
QString MonthOrEachMonth(int month);
