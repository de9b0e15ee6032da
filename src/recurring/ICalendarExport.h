#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QStringList>

// The recurring dates as an iCalendar file (.ics) that calendar programs
// read, written by libical: one all-day event per entry, repeating by a rule
// where iCalendar has one (fixed days, n-th and last weekdays, weekdays, a
// weekday within seven days) and otherwise (the Easter days, days observed
// after a weekend) listing its days of the next 30 years. A rule starts on
// the date the entry keeps from its calendar (a birthday's year of birth),
// else on its first day on or after a date. A dated entry is one event of
// its own days.

inline constexpr int ExportedYears = 30;

struct TICalendarExport
{
    QByteArray Bytes;
    // The description of every entry that names no day (no formula, an
    // unreadable one, a day no month has); blank lines are left out quietly.
    QStringList Skipped;
    // Set, with no bytes, when the calendar would be larger than the
    // program reads back.
    QString Error;
};

// stamp is the time written as each event's time stamp.
TICalendarExport ExportICalendar(const QStringList &lines, const QDate &from,
                                 const QDateTime &stamp);
