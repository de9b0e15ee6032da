#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include <array>

// The texts of the week and day planners.

// "December 1-7, 1997", "November 28 - December 4, 1997" or
// "December 29, 1997 - January 4, 1998", from the page's month names.
QString WeekPlannerTitle(QDate first, QDate last, const std::array<QString, 12> &monthNames);
// "Monday, December 1, 1997" from the page's day (Sunday first) and month names.
QString DayPlannerTitle(QDate day, const std::array<QString, 7> &dayNames,
                        const std::array<QString, 12> &monthNames);
// "1 Dec": the day and the first three characters of the month name.
QString WeekPlannerDateLabel(QDate day, const std::array<QString, 12> &monthNames);
// "8:00 AM": the hour without leading zero, two-digit minutes and the locale's
// morning or afternoon marker.
QString PlannerTimeLabel(QTime time);
// The day-name index (0 Sunday to 6 Saturday) of a date.
int SundayFirstIndex(QDate day);
