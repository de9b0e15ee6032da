#include "CalendarDates.h"
#include "CellAppend.h"
#include "FuzzSupport.h"
#include "RecurringDescription.h"
#include "RecurringFile.h"
#include "RecurringFormula.h"
#include "RecurringResolve.h"
#include "RtfDocument.h"

#include <QByteArray>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

// Any bytes read as a recurring-dates file: every line is described and
// resolved for each month of a few years without reading outside its tables,
// every day found lies in its month, and the lines written back read the
// same. February 2024 is filled as a page's cells are: no cell takes more
// than its share of lines, however many fall on its day.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EnsureGuiApplication();
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
    const TMonthFill fill = MonthFill(lines, 2, 2024);
    const TCellFill *fullest = &fill[1];
    for (const TCellFill &day : fill) {
        if (day.Texts.size() > MaxFilledLines ||
            (day.More > 0 && day.Texts.size() < MaxFilledLines))
            std::abort();
        if (day.Texts.size() + day.More > fullest->Texts.size() + fullest->More)
            fullest = &day;
    }
    // The fullest cell, as a page takes it.
    TWPRTFTextPaint cell;
    AppendFill(cell, *fullest, {});
    // Each line a paragraph, and an empty one after it.
    if (cell.Document().blockCount() > 2 * (MaxFilledLines + 1) + 1)
        std::abort();
    return 0;
}
