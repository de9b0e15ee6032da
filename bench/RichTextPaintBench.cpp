#include "RichTextPainter.h"
#include "SampleCell.h"

#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

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
    FillSampleCell(document);
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
    FillSampleCell(document);
    const TWPRichTextLayout layout(document, 140);
    QImage image = CellImage();
    QPainter painter(&image);
    for (auto _ : state)
        benchmark::DoNotOptimize(layout.Paint(painter, QPointF(0, 0), 100, 0, 100));
}
BENCHMARK(BM_PaintCachedCell);
