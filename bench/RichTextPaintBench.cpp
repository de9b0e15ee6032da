#include "CharAttributes.h"
#include "RichTextPainter.h"
#include "RtfDocument.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTextCursor>

#include <benchmark/benchmark.h>

namespace {

// One day cell: three short paragraphs in two faces, sizes and styles.
void FillCell(TWPRTFTextPaint &document)
{
    const int times = document.FontIndex(QStringLiteral("Times New Roman"));
    QTextCursor cursor(&document.Document());
    InsertCharAttrText(document, cursor, QStringLiteral("Garden club "), {0, 10, 0, 0});
    InsertCharAttrText(document, cursor, QStringLiteral("town hall"), {times, 12, wpsBold, 1});
    InsertParagraph(cursor);
    InsertCharAttrText(document, cursor, QStringLiteral("Bring seeds"), {0, 9, wpsItalic, 3});
    InsertParagraph(cursor);
    InsertCharAttrText(document, cursor, QStringLiteral("Dinner at eight"), {times, 14, 0, 0});
}

QImage CellImage()
{
    QImage image(140, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

// Lays the cell out afresh and paints it, as an uncached cell does.
static void BM_PaintCell(benchmark::State &state)
{
    TWPRTFTextPaint document;
    FillCell(document);
    QImage image = CellImage();
    QPainter painter(&image);
    for (auto _ : state)
        benchmark::DoNotOptimize(PaintRichText(painter, document, QPointF(0, 0), 140, 100, 0, 100));
}
BENCHMARK(BM_PaintCell);

// Paints the cell from a layout kept between paints.
static void BM_PaintCachedCell(benchmark::State &state)
{
    TWPRTFTextPaint document;
    FillCell(document);
    const TWPRichTextLayout layout(document, 140);
    QImage image = CellImage();
    QPainter painter(&image);
    for (auto _ : state)
        benchmark::DoNotOptimize(layout.Paint(painter, QPointF(0, 0), 100, 0, 100));
}
BENCHMARK(BM_PaintCachedCell);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
