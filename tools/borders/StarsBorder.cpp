#include "BorderDesigns.h"
#include "BorderSides.h"

#include <cmath>
#include <numbers>

// Gold and sky-blue stars, large and small by turns, between two navy rules,
// with a large gold star in each corner.

namespace {

const QColor navy(30, 58, 123);
const QColor gold(236, 178, 46);
const QColor goldEdge(156, 107, 10);
const QColor sky(140, 178, 232);

constexpr double middle = 0.21;
constexpr double cornerZone = 0.4;

// A five-pointed star around centre with one point towards the page's edge.
QPainterPath Star(QPointF centre, double radius)
{
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? radius : radius * 0.42;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * r;
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    return star;
}

void DrawSide(TBorderCanvas &canvas, const TBorderSide &side)
{
    const std::vector<double> places =
        SpreadAlong(cornerZone, side.Length - cornerZone, 0.27, true);
    QPainterPath large;
    QPainterPath small;
    QPainterPath dots;
    for (size_t i = 0; i < places.size(); ++i) {
        const QPointF at(places[i], middle);
        if (i % 2 == 0)
            large.addPath(Star(at, 0.085));
        else
            small.addPath(Star(at, 0.05));
        if (i > 0)
            dots.addPath(Circle({(places[i - 1] + places[i]) / 2, middle}, 0.012));
    }
    canvas.FillAndOutline(side.ToFrame.map(large), gold, goldEdge, 0.008);
    canvas.FillAndOutline(side.ToFrame.map(small), sky, navy, 0.007);
    canvas.Fill(side.ToFrame.map(dots), navy);
}

} // namespace

void DrawStarsBorder(TBorderCanvas &canvas)
{
    const QSizeF frame = canvas.Size();
    canvas.Fill(Ring(frame, 0.06, 0.074), navy);
    canvas.Fill(Ring(frame, 0.35, 0.358), navy);
    for (const TBorderSide &side : BorderSides(frame)) {
        DrawSide(canvas, side);
        QTransform turn;
        turn.translate(middle, middle);
        turn.rotate(-45); // the corner star's point towards the corner
        canvas.FillAndOutline((turn * side.ToFrame).map(Star({}, 0.11)), gold, goldEdge, 0.01);
    }
}
