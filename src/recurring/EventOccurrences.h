#pragma once

#include "RecurringResolve.h"

#include <QDate>
#include <QList>
#include <QTime>
#include <QTimeZone>

#include <optional>
#include <vector>

class TEventCalendar;

// How the events of an iCalendar file are written into day cells.
struct TEventTextOptions
{
    // The page's local time: a timed event is put on the day, and shown at
    // the time, it starts there.
    QTimeZone Zone = QTimeZone::systemTimeZone();
    // A yearly event whose start year is known shows the years since:
    // "Anna's birthday (46)".
    bool Ages = false;
};

// One day an event falls on.
struct TEventDay
{
    QDate Day;
    // The start on the wall clock, on the day a timed event starts; none for
    // all-day events and the further days of timed ones.
    std::optional<QTime> Time;
    // The event's index in the calendar.
    int Event = 0;
    // The years since the first occurrence of a yearly event whose start
    // year is known; -1 for any other.
    int Age = -1;
};

// The days events fall on from first to last in zone, as libical expands
// them: RRULE, RDATE, EXDATE, replaced and cancelled occurrences, events of
// several days on each day. In day order; within a day the all-day entries
// first, then the timed ones by their start, events in file order.
std::vector<TEventDay> EventDays(const TEventCalendar &calendar, QDate first, QDate last,
                                 const QTimeZone &zone);

// The text each event puts on each day of month in year: its summary, after
// its start time on the day a timed event starts ("6:00 PM Club meeting",
// in the planners' form) and, with Ages, before the age of a yearly event.
QList<TDayLine> EventDayLines(const TEventCalendar &calendar, int month, int year,
                              const TEventTextOptions &options);
