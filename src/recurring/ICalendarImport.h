#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Recurring dates taken from an iCalendar file (.ics): each event that
// repeats yearly, monthly, weekly or daily in a way a formula can follow
// exactly, and each single date (taken as that day of every year), becomes
// an entry named by the event's summary. What no formula can follow (an
// interval, an end, exceptions, several days) is listed, not guessed.

inline constexpr qint64 MaxICalendarFileSize = qint64(16) * 1024 * 1024;

struct TICalendarImport
{
    // The entries made, each once (letter case ignored): those of repeating
    // events in file order, then those of single dates.
    QStringList Lines;
    // "Summary: why" for every event left out.
    QStringList Unsupported;
    // Why nothing could be read; empty when the file was read.
    QString Error;
};

TICalendarImport ImportICalendar(const QByteArray &bytes);
TICalendarImport ImportICalendarFile(const QString &fileName);
