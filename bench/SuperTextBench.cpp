#include "LumBaseLabel.h"
#include "LumSuperText.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

const TFontDesc DisplayFont{QStringLiteral("Arial"), 48, TFontStyle::fsBold, clBlack};

// "Summer" at 48 points, framed on white, in the given surface; a texture
// of 32 x 32 pixels for the textured one.
std::unique_ptr<TLumSuperText> MakeSuperText(TSurfaceType surface)
{
    auto text = std::make_unique<TLumSuperText>();
    text->SetCaption(QStringLiteral("Summer"));
    text->SetBorderStyle(bsSingle);
    text->SetControlTransparent(false);
    text->SetSurfaceType(surface);
    if (surface == stBrushImage) {
        QImage texture(32, 32, QImage::Format_RGB32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                texture.setPixel(x, y, qRgb(8 * x, 8 * y, 128));
        text->SetImage(texture);
    }
    text->SetShadowDepth(3);
    text->FinishLoad();
    text->SetObjectBounds(10, 10, 260, 90);
    return text;
}

// The plain label of the same text, font and frame.
std::unique_ptr<TPaxLabel> MakePlainLabel()
{
    auto label = std::make_unique<TPaxLabel>();
    label->SetCaption(QStringLiteral("Summer"));
    label->SetFont(DisplayFont);
    label->SetBorderStyle(bsSingle);
    label->SetTransparent(false);
    label->FinishLoad();
    label->SetObjectBounds(10, 10, 260, 90);
    return label;
}

// Paints object once per iteration. Warm, it replays its kept picture; cold,
// change alters a colour first, so it paints its picture afresh.
void PaintObject(benchmark::State &state, TLumGraphicControl &object,
                 const std::function<void(int)> &change)
{
    QImage image(300, 120, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    object.PaintAt(painter);
    int round = 0;
    for (auto _ : state) {
        if (change)
            change(++round);
        object.PaintAt(painter);
    }
}

TColor Alternate(int round)
{
    return round % 2 ? clSilver : clGray;
}

void BM_PlainLabel(benchmark::State &state, bool cold)
{
    const auto label = MakePlainLabel();
    PaintObject(state, *label,
                cold ? std::function<void(int)>(
                           [&label](int round) { label->SetcolorShadow(Alternate(round)); })
                     : nullptr);
}

void BM_SuperText(benchmark::State &state, TSurfaceType surface, bool cold)
{
    const auto text = MakeSuperText(surface);
    PaintObject(state, *text,
                cold ? std::function<void(int)>(
                           [&text](int round) { text->SetShadowcolor(Alternate(round)); })
                     : nullptr);
}

// The first paint of a new object: its outlines and masks are made too.
template <class Make> void PaintFirst(benchmark::State &state, Make make)
{
    QImage image(300, 120, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (auto _ : state) {
        state.PauseTiming();
        auto object = make();
        state.ResumeTiming();
        object->PaintAt(painter);
        state.PauseTiming();
        object.reset();
        state.ResumeTiming();
    }
}

void BM_PlainLabelFirst(benchmark::State &state)
{
    PaintFirst(state, MakePlainLabel);
}

void BM_SuperTextFirst(benchmark::State &state, TSurfaceType surface)
{
    PaintFirst(state, [surface] { return MakeSuperText(surface); });
}

} // namespace

BENCHMARK(BM_PlainLabelFirst);
BENCHMARK_CAPTURE(BM_SuperTextFirst, Normal, stNormal);
BENCHMARK_CAPTURE(BM_SuperTextFirst, Transparent, stBrushTransparent);
BENCHMARK_CAPTURE(BM_SuperTextFirst, Texture, stBrushImage);
BENCHMARK_CAPTURE(BM_SuperTextFirst, Gradient, stGradientFill);
BENCHMARK_CAPTURE(BM_PlainLabel, Warm, false);
BENCHMARK_CAPTURE(BM_PlainLabel, Cold, true);
BENCHMARK_CAPTURE(BM_SuperText, WarmNormal, stNormal, false);
BENCHMARK_CAPTURE(BM_SuperText, WarmTransparent, stBrushTransparent, false);
BENCHMARK_CAPTURE(BM_SuperText, WarmTexture, stBrushImage, false);
BENCHMARK_CAPTURE(BM_SuperText, WarmGradient, stGradientFill, false);
BENCHMARK_CAPTURE(BM_SuperText, ColdNormal, stNormal, true);
BENCHMARK_CAPTURE(BM_SuperText, ColdTransparent, stBrushTransparent, true);
BENCHMARK_CAPTURE(BM_SuperText, ColdTexture, stBrushImage, true);
BENCHMARK_CAPTURE(BM_SuperText, ColdGradient, stGradientFill, true);
