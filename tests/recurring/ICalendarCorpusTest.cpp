#include "EventOccurrences.h"
#include "ICalendarEvents.h"
#include "ICalendarLibrary.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

// The days of every event of fileName from 2024 to 2027, found page by page
// (a month at a time) on a clock offsetHours from UTC, in event_days.py's
// form.
QStringList ProgramDays(const QString &fileName, int offsetHours)
{
    const TICalendarRead read = ReadICalendarFile(fileName);
    EXPECT_TRUE(read.Calendar) << read.Error.toStdString();
    if (!read.Calendar)
        return {};
    QStringList lines;
    for (QDate month(2024, 1, 1); month.year() <= 2027; month = month.addMonths(1)) {
        for (const TEventDay &day :
             EventDays(*read.Calendar, month, month.addDays(month.daysInMonth() - 1),
                       QTimeZone(offsetHours * 3600)))
            lines << QStringLiteral("%1\t%2\t%3")
                         .arg(day.Day.toString(Qt::ISODate),
                              day.Time ? day.Time->toString(QStringLiteral("HH:mm"))
                                       : QStringLiteral("-"),
                              read.Calendar->Events()[size_t(day.Event)].Summary);
    }
    return lines;
}

QStringList ReferenceDays(const QString &fileName, int offsetHours)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(DW_EVENT_DAYS), fileName, QStringLiteral("2024-01-01"),
                  QStringLiteral("2027-12-31"), QString::number(offsetHours)});
    EXPECT_TRUE(python.waitForFinished(60000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return QString::fromUtf8(python.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

// Calendars in the forms Thunderbird, Google Calendar, Outlook and Apple's
// Calendar export (time-zone blocks, folded lines, escaped commas, X-
// properties, moved and cancelled occurrences, all-day, timed and multi-day
// events) fall on the days, at the times, that Python's icalendar and
// dateutil find, occurrence by occurrence, for four years of pages.
TEST(ICalendarCorpus, EveryOccurrenceAgreesWithDateutil)
{
    const QDir corpus(QStringLiteral(DW_ICS_CORPUS));
    const QStringList files = corpus.entryList({QStringLiteral("*.ics")}, QDir::Files);
    ASSERT_GE(files.size(), 4);
    for (const QString &file : files) {
        for (const int offset : {1, -5}) {
            const QString path = corpus.filePath(file);
            const QStringList expected = ReferenceDays(path, offset);
            EXPECT_FALSE(expected.isEmpty()) << file.toStdString();
            EXPECT_EQ(ProgramDays(path, offset).join(u'\n').toStdString(),
                      expected.join(u'\n').toStdString())
                << file.toStdString() << " at UTC" << offset;
        }
    }
}
