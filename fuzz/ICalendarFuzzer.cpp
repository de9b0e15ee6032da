#include "EventOccurrences.h"
#include "ICalendarEvents.h"
#include "ICalendarExport.h"
#include "ICalendarImport.h"
#include "RecurringResolve.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QTimeZone>

#include <cstdint>
#include <cstdlib>

// Any bytes read as an iCalendar file through libical: the events expand
// into two months of days that lie within them; the import gives an error
// or entries that resolve within their months, and the entries written out
// as a calendar read back without an error.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const TICalendarRead read = ReadICalendar(bytes);
    if (read.Calendar) {
        const QDate first(2024, 2, 1);
        const QDate last(2024, 3, 31);
        for (const TEventDay &day : EventDays(*read.Calendar, first, last, QTimeZone::utc())) {
            if (day.Day < first || day.Day > last)
                std::abort();
        }
    }
    const TICalendarImport import = ImportICalendar(bytes);
    if (!import.Error.isEmpty()) {
        if (!import.Lines.isEmpty() || read.Calendar)
            std::abort();
        return 0;
    }
    for (const QString &line : import.Lines) {
        for (int month = 1; month <= 12; ++month) {
            for (int day : ResolveDays(line, month, 2024)) {
                if (day < 1 || day > 31)
                    std::abort();
            }
        }
    }
    const TICalendarExport exported =
        ExportICalendar(import.Lines, QDate(2024, 1, 1), QDateTime(QDate(2024, 1, 1), QTime()));
    if (!ImportICalendar(exported.Bytes).Error.isEmpty())
        std::abort();
    return 0;
}
