#include "BorderDesigns.h"
#include "BorderSides.h"

#include <cmath>
#include <numbers>

// A green vine winding along each side with pairs of spiky holly leaves at
// its crests and clusters of red berries between them; a spray of leaves and
// berries in each corner.

namespace {

const QColor leafGreen(31, 107, 52);
const QColor youngLeaf(52, 132, 64);
const QColor leafEdge(15, 64, 32);
const QColor vein(120, 180, 110);
const QColor vine(46, 94, 42);
const QColor berryRed(200, 16, 46);
const QColor berryEdge(122, 10, 28);
const QColor shine(255, 235, 235);

constexpr double vineInset = 0.215;
constexpr double amplitude = 0.04;
constexpr double cornerZone = 0.44;

// A holly leaf from its stalk at the origin to its tip at (length, 0): three
// spikes a side joined by hollow curves.
QPainterPath HollyLeaf(double length, double width)
{
    const auto half = [&](double t) {
        return width / 2 * std::pow(std::sin(std::numbers::pi * t), 0.7);
    };
    // Points along the leaf from stalk to tip; the spikes stand out past the outline.
    const double points[] = {0, 0.22, 0.47, 0.72, 1};
    const auto spike = [&](double t) { return (t == 0 || t == 1) ? 0 : half(t) * 1.2; };
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    for (int i = 1; i < 5; ++i) {
        const double mid = (points[i - 1] + points[i]) / 2;
        leaf.quadTo(mid * length, -half(mid) * 0.55, points[i] * length, -spike(points[i]));
    }
    for (int i = 3; i >= 0; --i) {
        const double mid = (points[i + 1] + points[i]) / 2;
        leaf.quadTo(mid * length, half(mid) * 0.55, points[i] * length, spike(points[i]));
    }
    leaf.closeSubpath();
    return leaf;
}

QTransform Stalk(QPointF base, double angle)
{
    QTransform place;
    place.translate(base.x(), base.y());
    place.rotate(-angle);
    return place;
}

void DrawLeaf(TBorderCanvas &canvas, const QTransform &place, QPointF base, double angle,
              double length, const QColor &colour = leafGreen)
{
    const QTransform leaf = Stalk(base, angle) * place;
    canvas.FillAndOutline(leaf.map(HollyLeaf(length, length * 0.46)), colour, leafEdge, 0.006);
    QPainterPath rib;
    rib.moveTo(0, 0);
    rib.lineTo(length * 0.88, 0);
    canvas.Stroke(leaf.map(rib), vein, 0.007);
}

void DrawBerries(TBorderCanvas &canvas, const QTransform &place, QPointF centre, double radius)
{
    const QPointF offsets[] = {{-1.05, 0.55}, {1.05, 0.55}, {0, -1.1}};
    for (const QPointF &offset : offsets) {
        const QPointF at = centre + offset * radius;
        canvas.FillAndOutline(place.map(Circle(at, radius)), berryRed, berryEdge, 0.005);
        canvas.Fill(place.map(Circle(at + QPointF(-0.35, -0.35) * radius, radius * 0.3)), shine);
    }
}

void DrawSide(TBorderCanvas &canvas, const TBorderSide &side)
{
    const QTransform &place = side.ToFrame;
    const double from = cornerZone - 0.12;
    const double to = side.Length - cornerZone + 0.12;
    const int halves = std::max(2, int(std::lround((to - from) / 0.46)));
    const double half = (to - from) / halves;
    const auto y = [&](double x) {
        return vineInset - amplitude * std::sin(std::numbers::pi * (x - from) / half);
    };

    QPainterPath stem;
    stem.moveTo(from, y(from));
    for (int i = 1; i <= 200 * halves; ++i) {
        const double x = from + (to - from) * i / (200.0 * halves);
        stem.lineTo(x, y(x));
    }
    canvas.Stroke(place.map(stem), vine, 0.016);

    for (int k = 0; k < halves; ++k) {
        const double crest = from + (k + 0.5) * half;
        const bool outward = k % 2 == 0; // the crest nearer the page's edge
        const QPointF base(crest, y(crest));
        const double lift = outward ? 24 : -24;
        DrawLeaf(canvas, place, base, 180 - lift, 0.16, youngLeaf);
        DrawLeaf(canvas, place, base, lift, 0.19);
        if (k > 0 && k % 2 == 0)
            DrawBerries(canvas, place, QPointF(from + k * half, vineInset), 0.026);
    }
}

void DrawCorner(TBorderCanvas &canvas, const QTransform &place)
{
    const QPointF centre(0.2, 0.2);
    DrawLeaf(canvas, place, centre, 40, 0.19, youngLeaf);
    DrawLeaf(canvas, place, centre, -130, 0.19, youngLeaf);
    DrawLeaf(canvas, place, centre, 6, 0.27);
    DrawLeaf(canvas, place, centre, -96, 0.27);
    DrawBerries(canvas, place, centre, 0.034);
}

} // namespace

void DrawHollyBorder(TBorderCanvas &canvas)
{
    const std::array<TBorderSide, 4> sides = BorderSides(canvas.Size());
    for (const TBorderSide &side : sides)
        DrawSide(canvas, side);
    for (const TBorderSide &side : sides)
        DrawCorner(canvas, side.ToFrame);
}
