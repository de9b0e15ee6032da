#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Where the recurring dates fall in one month of one year.

// Whether line can fall in month (1 to 12) of year, the test that keeps a
// line in the list the fill offers:
//   no formula, "%" and unknown markers or Easter keywords: kept;
//   "@" and "$": kept when the month field is month or 0;
//   "#" Easter keywords, "&" and "=": kept when their day falls in the month;
//   a formula whose fields cannot be read: kept, so that it is listed (it
//     puts nothing).
bool CanFallInMonth(const QString &line, int month, int year);
// The lines that can fall in month of year, in their order.
QStringList PreselectForMonth(const QStringList &lines, int month, int year);

// The days (1 to the month's length, ascending) line falls on in month of
// year. A field outside its table, a day the month does not have and a line
// without a formula give no day.
QList<int> ResolveDays(const QString &line, int month, int year);

// The text put on those days: the name without spaces at both ends for "@",
// "$", "&" and "="; the 120-character name field as it stands for "%" and
// "#".
QString FillText(const QString &line);

// A line of text for a day of a month.
struct TDayLine
{
    int Day = 0;
    QString Text;

    friend bool operator==(const TDayLine &, const TDayLine &) = default;
};
// The text of each of lines on each of its days in month of year: the lines
// in their order, the days of one line ascending.
QList<TDayLine> DayLines(const QStringList &lines, int month, int year);
