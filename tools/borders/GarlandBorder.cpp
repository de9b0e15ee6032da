#include "BorderDesigns.h"
#include "BorderSides.h"

#include <cmath>
#include <numbers>

// A garland of pink five-petal flowers on a winding green stem with pairs of
// leaves, a rose rule at the edge and a scalloped lace edge on the inside.

namespace {

const QColor rose(176, 58, 91);
const QColor petalPink(243, 163, 190);
const QColor heart(242, 193, 46);
const QColor heartEdge(201, 150, 26);
const QColor leafGreen(106, 168, 79);
const QColor leafEdge(62, 122, 46);
const QColor stemGreen(86, 140, 66);

constexpr double stemInset = 0.19;
constexpr double scallopInset = 0.3;
constexpr double scallopDepth = 0.06;
constexpr double cornerZone = 0.42;

void DrawFlower(TBorderCanvas &canvas, const QTransform &place, QPointF centre, double size,
                double turn)
{
    QPainterPath petals;
    for (int i = 0; i < 5; ++i)
        petals.addPath(Petal(centre, size, size * 0.62, turn + 72 * i));
    canvas.FillAndOutline(place.map(petals), petalPink, rose, 0.006);
    canvas.FillAndOutline(place.map(Circle(centre, size * 0.5)), heart, heartEdge, 0.005);
}

// A pointed leaf from its stalk at base towards angle degrees, with a vein.
void DrawLeaf(TBorderCanvas &canvas, const QTransform &place, QPointF base, double angle,
              double length)
{
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.quadTo(length * 0.45, -length * 0.42, length, 0);
    leaf.quadTo(length * 0.45, length * 0.42, 0, 0);
    QPainterPath vein;
    vein.moveTo(length * 0.1, 0);
    vein.lineTo(length * 0.8, 0);
    QTransform stalk;
    stalk.translate(base.x(), base.y());
    stalk.rotate(-angle);
    canvas.FillAndOutline((stalk * place).map(leaf), leafGreen, leafEdge, 0.005);
    canvas.Stroke((stalk * place).map(vein), leafEdge, 0.004);
}

void DrawScallops(TBorderCanvas &canvas, const TBorderSide &side)
{
    const double from = scallopInset;
    const double to = side.Length - scallopInset;
    const int count = std::max(1, int(std::lround((to - from) / 0.24)));
    const double width = (to - from) / count;
    QPainterPath lace;
    QPainterPath dots;
    lace.moveTo(from, scallopInset);
    for (int i = 0; i < count; ++i) {
        const double left = from + i * width;
        lace.arcTo(QRectF(left, scallopInset - scallopDepth, width, 2 * scallopDepth), 180, 180);
        dots.addPath(Circle({left + width / 2, scallopInset + scallopDepth * 0.45}, 0.014));
    }
    canvas.Stroke(side.ToFrame.map(lace), rose, 0.013);
    canvas.Fill(side.ToFrame.map(dots), rose);
}

void DrawGarland(TBorderCanvas &canvas, const TBorderSide &side)
{
    const QTransform &place = side.ToFrame;
    const double from = cornerZone - 0.1;
    const double to = side.Length - cornerZone + 0.1;
    const int halves = std::max(2, 2 * int(std::lround((to - from) / 1.1)));
    const double half = (to - from) / halves;
    const auto y = [&](double x) {
        return stemInset + 0.03 * std::sin(std::numbers::pi * (x - from) / half);
    };
    QPainterPath stem;
    stem.moveTo(from, y(from));
    for (int i = 1; i <= 100 * halves; ++i) {
        const double x = from + (to - from) * i / (100.0 * halves);
        stem.lineTo(x, y(x));
    }
    canvas.Stroke(place.map(stem), stemGreen, 0.012);
    for (int k = 0; k < halves; ++k) {
        const double crest = from + (k + 0.5) * half;
        const double lean = k % 2 == 0 ? -1 : 1; // towards the stem's bend
        DrawLeaf(canvas, place, QPointF(crest - 0.06, y(crest - 0.06)), 150 + 20 * lean, 0.12);
        DrawLeaf(canvas, place, QPointF(crest + 0.06, y(crest + 0.06)), 30 - 20 * lean, 0.12);
        if (k > 0)
            DrawFlower(canvas, place, QPointF(from + k * half, stemInset), 0.045, 18 * k);
    }
}

void DrawCorner(TBorderCanvas &canvas, const QTransform &place)
{
    const QPointF centre(0.21, 0.21);
    DrawLeaf(canvas, place, centre, 15, 0.19);
    DrawLeaf(canvas, place, centre, -105, 0.19);
    DrawFlower(canvas, place, centre, 0.06, 54);
}

} // namespace

void DrawGarlandBorder(TBorderCanvas &canvas)
{
    const QSizeF frame = canvas.Size();
    canvas.Fill(Ring(frame, 0.05, 0.062), rose);
    const std::array<TBorderSide, 4> sides = BorderSides(frame);
    for (const TBorderSide &side : sides) {
        DrawScallops(canvas, side);
        DrawGarland(canvas, side);
    }
    for (const TBorderSide &side : sides)
        DrawCorner(canvas, side.ToFrame);
}
