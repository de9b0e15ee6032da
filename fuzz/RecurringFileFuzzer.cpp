#include "CalendarDates.h"
#include "RecurringDescription.h"
#include "RecurringFile.h"
#include "RecurringFormula.h"
#include "RecurringResolve.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

// Any bytes read as a recurring-dates file: every line is described and
// resolved for each month of a few years without reading outside its tables,
// every day found lies in its month, and the lines written back read the
// same.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = SplitRecurringLines(bytes);
    for (const QString &line : lines) {
        (void)DescribeEntry(line);
        if (FillText(line).size() > NameWidth)
            std::abort();
        for (int year : {1, 1900, 2024, 9999}) {
            for (int month = 1; month <= 12; ++month) {
                (void)CanFallInMonth(line, month, year);
                for (int day : ResolveDays(line, month, year)) {
                    if (day < 1 || day > DaysInMonth(month, year))
                        std::abort();
                }
            }
        }
    }
    if (SplitRecurringLines(JoinRecurringLines(lines)) != lines)
        std::abort();
    return 0;
}
