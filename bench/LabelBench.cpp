#include "LumBaseLabel.h"
#include "PaintCache.h"
#include "PaxRichBaseLabel.h"
#include "RtfDocument.h"
#include "Yardstick.h"

#include <QTextCursor>

#include <memory>

namespace {

// 50 labels in rows of ten, every other one turned (90, 180 or 270
// degrees) and the rest with a shadow and a highlight, and 10 rich-text
// labels below them.
void PlaceLabels(TCalendarPage &page)
{
    for (int i = 0; i < 50; ++i) {
        auto label = std::make_unique<TPaxLabel>();
        label->SetCaption(QStringLiteral("Label %1").arg(i));
        label->SetFont({QStringLiteral("Arial"), 14, {}, clNavy});
        label->FinishLoad();
        label->SetObjectBounds(20 + 100 * (i % 10), 40 + 80 * (i / 10), 90, 33);
        if (i % 2 == 1) {
            label->SetAngle(90 * (1 + (i / 2) % 3));
        } else {
            label->SetDepthShadow(3);
            label->SetDepthHighlight(2);
            label->SetTransparent(false);
        }
        page.Objects().Insert(std::move(label));
    }
    TWPRTFTextPaint text;
    QTextCursor(&text.Document())
        .insertText(QStringLiteral("Club meeting at eight, then supper with friends in town"));
    for (int i = 0; i < 10; ++i) {
        auto rich = std::make_unique<TPaxRichBaseLabel>();
        rich->SetRTFText(text);
        rich->FinishLoad();
        rich->SetObjectBounds(20 + 100 * (i % 5), 460 + 60 * (i / 5), 95, 50);
        page.Objects().Insert(std::move(rich));
    }
}

void PaintWithObjects(QPainter &painter, TCalendarPage &page, TPaintCache &cache)
{
    PaintPage(painter, page, cache);
    page.PaintObjects(painter, {0, 0, page.Width(), page.Height()});
}

} // namespace

BENCHMARK(BM_g0_BareMonthGrid);

// The page with its labels painted again, nothing changed since the last
// paint: every label replays its kept picture.
static void BM_LabelsRepaintWarm(benchmark::State &state)
{
    TCalendarPage page;
    MakeBenchPage(page, LOFullCalendarLS, false);
    PlaceLabels(page);
    QImage image(page.Width(), page.Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TPaintCache cache;
    PaintWithObjects(painter, page, cache);
    for (auto _ : state)
        PaintWithObjects(painter, page, cache);
}
BENCHMARK(BM_LabelsRepaintWarm);

// The first paint of a freshly made page of labels: every label lays out
// and paints its picture anew.
static void BM_LabelsRepaintCold(benchmark::State &state)
{
    QImage image(1100, 850, QImage::Format_RGB32);
    QPainter painter(&image);
    for (auto _ : state) {
        state.PauseTiming();
        auto page = std::make_unique<TCalendarPage>();
        MakeBenchPage(*page, LOFullCalendarLS, false);
        PlaceLabels(*page);
        TPaintCache cache;
        image.fill(Qt::white);
        state.ResumeTiming();
        PaintWithObjects(painter, *page, cache);
        state.PauseTiming();
        page.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LabelsRepaintCold);
