#pragma once

#include "ICalendarEvents.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Recurring dates taken from an iCalendar file (.ics), read by libical: an
// event repeating in a way a formula follows exactly becomes that formula,
// with the date it started; an event that does not repeat becomes a dated
// entry of its own date (or dates, when RDATE lists more). A timed event's
// name starts with its time. What no formula can follow (an interval, an
// end, exceptions, several days) is listed, not guessed.

struct TICalendarImport
{
    // The entries made, each once (letter case ignored), in file order.
    QStringList Lines;
    // "Summary: why" for every event left out.
    QStringList Unsupported;
    // Why nothing could be read; empty when the file was read.
    QString Error;
};

TICalendarImport ImportICalendar(const QByteArray &bytes);
TICalendarImport ImportICalendarFile(const QString &fileName);
