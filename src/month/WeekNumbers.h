#pragma once

#include "CalendarTypes.h"

#include <QDate>
#include <QStringList>

// Week numbers under the two rules the page offers.

// The choices as the dialogs list them, in the order of TWeekNumbers.
QStringList WeekNumbersItems();

// The ISO 8601 number of day's week: weeks start on Monday and week 1 holds
// the 4th of January, so early January can be week 52 or 53 of the year
// before and late December week 1 of the next.
int IsoWeekNumber(QDate day);
// The US number: weeks start on Sunday and week 1 holds the 1st of January,
// so the December days of that week are week 1 too.
int UsWeekNumber(QDate day);
// day's number under rule; 0 for wnNone or an invalid day.
int WeekNumber(TWeekNumbers rule, QDate day);
// The number of the seven days from first: that of the rule's week holding
// most of them. A week boundary inside the seven days leaves the larger part
// on the side of the middle day, so it is the middle day's week; with the
// rule's own first weekday the seven days are one whole week.
int WeekNumberOfDays(TWeekNumbers rule, QDate first);
// The number of month-grid row (0 to 5) of month and year, Sunday or Monday
// first as startOfWeek says (1 Sunday); 0 when the row holds no day of the
// month or rule is wnNone.
int GridRowWeekNumber(TWeekNumbers rule, int month, int year, int startOfWeek, int row);
