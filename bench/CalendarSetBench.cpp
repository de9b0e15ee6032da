// A set of twelve months written into one PDF file, as "Save As PDF File"
// and the renderer write it: the days empty against the days filled from a
// holiday set (the goal: filled at most 1.5 times as long as empty).

#include "CalendarPage.h"
#include "CalendarSet.h"
#include "FillSource.h"
#include "PdfExport.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// The fill sources by the benchmark's argument: none, then the built-in
// list (the most lines) and the United Kingdom's set (the most formulas).
const char *const Sources[] = {nullptr, "holidays:US", "holidays:UK"};

void BM_TwelveMonthsToPdf(benchmark::State &state)
{
    TDayFill fill;
    if (const char *source = Sources[state.range(0)]) {
        const TFillRead read =
            ReadFillSource(QString::fromLatin1(source), QStringLiteral(DW_PROGRAM_DIR));
        if (!read.Error.isEmpty()) {
            state.SkipWithError(read.Error.toStdString().c_str());
            return;
        }
        fill = read.Fill;
    }
    TCalendarPage document;
    document.ResetStyle(QDate(2027, 1, 1));
    document.SetCalendarLayout(LOFullCalendarLS);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("year.pdf"));
    for (auto _ : state) {
        const TCalendarSet set(document, QDate(2027, 1, 1), 12, fill);
        const auto page = set.Page(0);
        int index = 0;
        const auto nextPage = [&set, &index](TCalendarPage &sheet) {
            set.MovePage(sheet, ++index);
        };
        if (SavePageAsPdf(*page, file, QStringLiteral("2027"), set.Count(), nextPage)) {
            state.SkipWithError("cannot write the PDF");
            return;
        }
    }
}
BENCHMARK(BM_TwelveMonthsToPdf)
    ->ArgName("fill")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
