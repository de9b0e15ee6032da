#include "CalendarDrawing.h"
#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "PaintCache.h"
#include "PdfExport.h"
#include "SampleCell.h"
#include "StoredPageValues.h"
#include "Yardstick.h"

#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QImage PageImage(const TCalendarPage &page)
{
    QImage image(page.Width(), page.Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

BENCHMARK(BM_g0_BareMonthGrid);

// A full repaint with text in every cell, nothing changed since the last one.
static void BM_a_FullRepaintWarm(benchmark::State &state)
{
    TCalendarPage page;
    MakeBenchPage(page, LOFullCalendarLS, true);
    TPaintCache cache;
    QImage image = PageImage(page);
    QPainter painter(&image);
    PaintPage(painter, page, cache);
    for (auto _ : state)
        PaintPage(painter, page, cache);
}
BENCHMARK(BM_a_FullRepaintWarm);

// The first repaint after a load or a zoom change: every cell laid out anew.
static void BM_a_FullRepaintCold(benchmark::State &state)
{
    TCalendarPage page;
    MakeBenchPage(page, LOFullCalendarLS, true);
    QImage image = PageImage(page);
    QPainter painter(&image);
    for (auto _ : state) {
        TPaintCache cache;
        PaintPage(painter, page, cache);
    }
}
BENCHMARK(BM_a_FullRepaintCold);

// The same with every cell's text different (its day added to it), so that
// no cell can share another's layout.
static void BM_a_FullRepaintColdDistinct(benchmark::State &state)
{
    TCalendarPage page;
    MakeBenchPage(page, LOFullCalendarLS, true);
    for (int index = 1; index <= CellCount; ++index) {
        TWPRtfStorage cell;
        FillSampleCell(cell.RtfText());
        QTextCursor(&cell.RtfText().Document()).insertText(QString::number(index));
        page.SetCellText(index, cell);
    }
    QImage image = PageImage(page);
    QPainter painter(&image);
    for (auto _ : state) {
        TPaintCache cache;
        PaintPage(painter, page, cache);
    }
}
BENCHMARK(BM_a_FullRepaintColdDistinct);

static void PaintLayout(benchmark::State &state, TCalendarLayout layout)
{
    TCalendarPage page;
    MakeBenchPage(page, layout, false);
    TPaintCache cache;
    QImage image = PageImage(page);
    QPainter painter(&image);
    for (auto _ : state)
        PaintPage(painter, page, cache);
}

static void BM_b_SixtyMinis(benchmark::State &state)
{
    PaintLayout(state, loMC60Month);
}
BENCHMARK(BM_b_SixtyMinis);

static void BM_c_DayPlanner15(benchmark::State &state)
{
    PaintLayout(state, loDay15);
}
BENCHMARK(BM_c_DayPlanner15);

static void BM_RenderToBitmap(benchmark::State &state)
{
    TCalendarPage page;
    MakeBenchPage(page, LOFullCalendarLS, true);
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderToBitmap(page));
}
BENCHMARK(BM_RenderToBitmap);

// Months written into one PDF file, as the renderer and the program write it.
static void BM_MonthsToPdf(benchmark::State &state)
{
    TCalendarPage page;
    MakeBenchPage(page, loFCMinisInTitleLS, false);
    QTemporaryDir folder;
    const QString file = folder.filePath("months.pdf");
    for (auto _ : state) {
        page.SetMainCalMonth(1);
        const auto nextMonth = [](TCalendarPage &printed) {
            printed.SetMainCalMonth(printed.MainCalMonth() + 1);
        };
        benchmark::DoNotOptimize(SavePageAsPdf(page, file, {}, int(state.range(0)), nextMonth));
    }
}
BENCHMARK(BM_MonthsToPdf)->Arg(1)->Arg(12)->Unit(benchmark::kMillisecond);
