#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "CalendarSet.h"
#include "HelpFile.h"
#include "HelpPage.h"
#include "HostileInput.h"
#include "PdfExport.h"
#include "RecurringFile.h"
#include "RichTextPainter.h"
#include "SampleCell.h"
#include "WmfPicture.h"
#include "WmfWriter.h"

#include <QBuffer>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// What pathological input costs next to ordinary input of the same kind: a
// cell, a title, a border picture, a document of pictures, a picture object,
// a set, a fill and a help file.

namespace {

enum TCell { Ordinary, LongWord, TinyRuns, WordBeforeTallPicture };

TWPRTFTextPaint CellDocument(TCell kind)
{
    TWPRTFTextPaint document;
    switch (kind) {
    case Ordinary:
        FillSampleCell(document);
        break;
    case LongWord:
        document.LoadData(LongWordRtf());
        break;
    case TinyRuns:
        document.LoadData(TinyRunsRtf());
        break;
    case WordBeforeTallPicture:
        document.LoadData(WordBeforeTallPictureRtf());
        break;
    }
    return document;
}

QByteArray CellRtf(TCell kind)
{
    switch (kind) {
    case LongWord:
        return LongWordRtf();
    case TinyRuns:
        return TinyRunsRtf();
    case WordBeforeTallPicture:
        return WordBeforeTallPictureRtf();
    default:
        return CellDocument(Ordinary).SaveData();
    }
}

// An ordinary border: framed boxes along the edges.
QByteArray OrdinaryBorder()
{
    TWmfWriter writer(QRect(0, 0, 1000, 1400), 1440);
    writer.SelectObject(writer.CreatePen(Qt::black, 20));
    writer.SelectObject(writer.CreateSolidBrush(Qt::red));
    for (int i = 0; i < 20; ++i) {
        writer.Rectangle(QRect(i * 50, 0, 40, 40));
        writer.Ellipse(QRect(0, i * 70, 40, 40));
    }
    return writer.Placeable();
}

// Reads the document bytes hold into page.
void Load(TCalendarPage &page, const QByteArray &bytes)
{
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    (void)page.LoadFromDevice(in);
}

} // namespace

// Reads a cell's RTF: arguments 0 ordinary, 1 one word of 240,000 letters,
// 2 100,000 tiny runs, 3 a long word before a picture 700 inches tall.
static void BM_ReadCell(benchmark::State &state)
{
    const QByteArray rtf = CellRtf(TCell(state.range(0)));
    for (auto _ : state) {
        TWPRTFTextPaint document;
        benchmark::DoNotOptimize(document.LoadData(rtf));
    }
}
BENCHMARK(BM_ReadCell)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Lays out and paints a cell afresh, as an uncached cell is drawn.
static void BM_PaintCell(benchmark::State &state)
{
    const TWPRTFTextPaint document = CellDocument(TCell(state.range(0)));
    QImage image(140, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (auto _ : state)
        benchmark::DoNotOptimize(PaintRichText(painter, document, QPointF(0, 0), 140, 100, 0, 100));
}
BENCHMARK(BM_PaintCell)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Writes a page as PDF with a title of state.range(0) letters.
static void BM_TitleToPdf(benchmark::State &state)
{
    TCalendarPage page;
    StartHostilePage(page);
    page.SetUserTitle(LongTitle(int(state.range(0))));
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("title.pdf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(SavePageAsPdf(page, pdf, {}));
}
BENCHMARK(BM_TitleToPdf)->Arg(20)->Arg(8000)->Unit(benchmark::kMillisecond);

// Plays a border picture onto a letter page at 96 dpi: argument -1 an
// ordinary border, else the hostile border of that kind.
static void BM_PlayBorder(benchmark::State &state)
{
    const int kind = int(state.range(0));
    const QByteArray bytes =
        kind < 0 ? OrdinaryBorder() : HostileBorder(HostileBorders[size_t(kind)]);
    QString error;
    const std::optional<TWmfPicture> picture = TWmfPicture::Read(bytes, error);
    QImage page(816, 1056, QImage::Format_RGB32);
    for (auto _ : state) {
        page.fill(Qt::white);
        QPainter painter(&page);
        picture->Play(painter, QRectF(0, 0, 816, 1056));
    }
    state.SetLabel(kind < 0 ? "ordinary" : HostileBorderName(HostileBorders[size_t(kind)]));
}
BENCHMARK(BM_PlayBorder)->DenseRange(-1, 4)->Unit(benchmark::kMillisecond);

// Reads a document of ten run-length bombs and draws it.
static void BM_PictureBombDocument(benchmark::State &state)
{
    const QByteArray bytes = PictureBombDocument(10);
    for (auto _ : state) {
        TCalendarPage page;
        Load(page, bytes);
        benchmark::DoNotOptimize(PageBitmapAt(page, 0.3f));
    }
}
BENCHMARK(BM_PictureBombDocument)->Unit(benchmark::kMillisecond);

// Reads a document holding one picture object of state.range(0) pixels a
// side and draws it at 100 %: drawing costs what the page shows, however
// large the object claims to be.
static void BM_HugePictureObject(benchmark::State &state)
{
    const QByteArray bytes = HugePictureDocument(int(state.range(0)));
    for (auto _ : state) {
        TCalendarPage page;
        Load(page, bytes);
        benchmark::DoNotOptimize(RenderToBitmap(page));
    }
}
BENCHMARK(BM_HugePictureObject)->Arg(105)->Arg(27'000)->Unit(benchmark::kMillisecond);

// Draws twelve months of the document of ten run-length bombs, one after
// the other: its pictures are decoded once, not for every page.
static void BM_PictureBombSet(benchmark::State &state)
{
    const QByteArray bytes = PictureBombDocument(10);
    TCalendarPage document;
    Load(document, bytes);
    for (auto _ : state) {
        const TCalendarSet set(document, TCalendarSet::PeriodOf(document), 12, {});
        for (int index = 0; index < set.Count(); ++index)
            benchmark::DoNotOptimize(PageBitmapAt(*set.Page(index), 0.3f));
    }
}
BENCHMARK(BM_PictureBombSet)->Unit(benchmark::kMillisecond);

// Fills a month's page from state.range(0) lines naming every day (the goal:
// time linear in the lines, 100,000 lines well under a second).
static void BM_FillEveryDay(benchmark::State &state)
{
    const QStringList lines = SplitRecurringLines(EveryDayLines(int(state.range(0))));
    TCalendarPage document;
    StartHostilePage(document);
    for (auto _ : state) {
        const TCalendarSet set(document, TCalendarSet::PeriodOf(document), 1, lines);
        benchmark::DoNotOptimize(set.Page(0));
    }
}
BENCHMARK(BM_FillEveryDay)->Arg(1000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// Opens a help file of 25,000 tags of the kind state.range(0) as the viewer
// shows it: bounded, laid out and drawn (the goal: under a second).
static void BM_OpenHelpFlood(benchmark::State &state)
{
    const THelpFlood kind = HelpFloods[size_t(state.range(0))];
    const THelpFile help = ParseHelpText(HelpFlood(kind));
    QImage window(600, 400, QImage::Format_RGB32);
    for (auto _ : state) {
        THelpDocument page(QStringLiteral("/nonexistent-help-folder"));
        page.setHtml(BoundedHelpHtml(help.Html));
        page.setTextWidth(600);
        QPainter painter(&window);
        page.drawContents(&painter, QRectF(0, 0, 600, 400));
    }
    state.SetLabel(HelpFloodName(kind));
}
BENCHMARK(BM_OpenHelpFlood)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
