#include "CalendarPage.h"

#include <QBuffer>
#include <QTextDocument>

#include <benchmark/benchmark.h>

namespace {

// A page with two lines of text in every day cell.
void FillCells(TCalendarPage &page)
{
    for (int index = 1; index <= CellCount; ++index) {
        TWPRtfStorage cell;
        cell.RtfText().Document().setPlainText(
            QStringLiteral("Appointment %1\nDentist at 10:30").arg(index));
        page.SetCellText(index, cell);
    }
}

QByteArray Saved(const TCalendarPage &page)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    (void)page.SaveToDevice(buffer);
    return buffer.data();
}

} // namespace

static void BM_SaveDocument(benchmark::State &state)
{
    TCalendarPage page;
    FillCells(page);
    for (auto _ : state)
        benchmark::DoNotOptimize(Saved(page));
    state.SetBytesProcessed(state.iterations() * Saved(page).size());
}
BENCHMARK(BM_SaveDocument);

static void BM_LoadDocument(benchmark::State &state)
{
    TCalendarPage source;
    FillCells(source);
    const QByteArray bytes = Saved(source);
    TCalendarPage page;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        if (page.LoadFromDevice(buffer))
            state.SkipWithError("the document did not load");
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_LoadDocument);
