#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

// The events of an iCalendar file (.ics), read by libical: the lines
// unfolded, the text unescaped, the times in their time zones, the rules as
// written. The calendar is read once and can be expanded into many pages.

inline constexpr qint64 MaxICalendarFileSize = qint64(16) * 1024 * 1024;

// Defined in ICalendarLibrary.h, for the code that talks to libical.
class TEventCalendar;

struct TICalendarRead
{
    std::shared_ptr<const TEventCalendar> Calendar;
    // Why nothing could be read; empty when the file was read.
    QString Error;
};

TICalendarRead ReadICalendar(const QByteArray &bytes);
TICalendarRead ReadICalendarFile(const QString &fileName);
