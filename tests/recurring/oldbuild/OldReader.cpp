// Built against an older commit's recurring-dates code by old_reader.sh:
// what that build makes of a recurring-dates file, a month at a time.

#include "ICalendarExport.h"
#include "RecurringDescription.h"
#include "RecurringFile.h"
#include "RecurringResolve.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const TRecurringRead read = ReadRecurringFile(QString::fromLocal8Bit(argv[1]));
    std::printf("error: %s\n", qPrintable(read.Error.isEmpty() ? "none" : read.Error));
    for (const QString &line : read.Lines)
        std::printf("listed: %s\n", qPrintable(DescribeEntry(line).trimmed()));
    for (int year = 2024; year <= 2026; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const QStringList kept = PreselectForMonth(read.Lines, month, year);
            for (const TDayLine &day : DayLines(kept, month, year))
                std::printf("%04d-%02d-%02d: %s\n", year, month, day.Day,
                            qPrintable(day.Text.trimmed()));
        }
    }
    const TICalendarExport exported =
        ExportICalendar(read.Lines, QDate(2024, 1, 1), QDateTime(QDate(2024, 1, 1), QTime()));
    for (const QString &skipped : exported.Skipped)
        std::printf("export skips: %s\n", qPrintable(skipped.trimmed()));
    return 0;
}
