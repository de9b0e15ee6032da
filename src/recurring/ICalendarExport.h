#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QStringList>

// The recurring dates as an iCalendar file (.ics) that calendar programs
// read: one all-day event per entry, starting on its first day on or after
// a date, repeating by a rule where iCalendar has one (fixed days, n-th and
// last weekdays, weekdays, a weekday within seven days) and otherwise (the
// Easter days, days observed after a weekend) listing its days of the next
// 30 years.

inline constexpr int ExportedYears = 30;

struct TICalendarExport
{
    QByteArray Bytes;
    // The description of every entry that names no day (no formula, an
    // unreadable one, a day no month has); blank lines are left out quietly.
    QStringList Skipped;
};

// stamp is the time written as each event's time stamp.
TICalendarExport ExportICalendar(const QStringList &lines, const QDate &from,
                                 const QDateTime &stamp);
