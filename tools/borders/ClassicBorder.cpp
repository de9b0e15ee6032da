#include "BorderDesigns.h"
#include "BorderSides.h"

// A navy double rule with a fine gold line, a string of gold pearls between
// the rules, a lozenge in the middle of each side and a rosette in each corner.

namespace {

const QColor navy(27, 47, 91);
const QColor gold(190, 150, 60);
const QColor paleGold(236, 214, 160);

constexpr double middle = 0.245; // inset of the pearls, lozenges and rosettes
constexpr double cornerZone = 0.42;

QPainterPath Lozenge(double along, double halfLength, double halfHeight)
{
    QPainterPath lozenge;
    lozenge.moveTo(along - halfLength, middle);
    lozenge.lineTo(along, middle - halfHeight);
    lozenge.lineTo(along + halfLength, middle);
    lozenge.lineTo(along, middle + halfHeight);
    lozenge.closeSubpath();
    return lozenge;
}

void DrawSide(TBorderCanvas &canvas, const TBorderSide &side)
{
    const QTransform &place = side.ToFrame;
    const double centre = side.Length / 2;
    canvas.FillAndOutline(place.map(Lozenge(centre, 0.2, 0.075)), navy, gold, 0.012);
    canvas.Fill(place.map(Lozenge(centre, 0.09, 0.032)), paleGold);
    for (const double end : {centre - 0.26, centre + 0.26})
        canvas.Fill(place.map(Circle({end, middle}, 0.03)), navy);

    QPainterPath pearls;
    for (const double half : {0.0, 1.0}) {
        const double from = half == 0 ? cornerZone : centre + 0.34;
        const double to = half == 0 ? centre - 0.34 : side.Length - cornerZone;
        for (const double at : SpreadAlong(from, to, 0.15))
            pearls.addPath(Circle({at, middle}, 0.022));
    }
    canvas.FillAndOutline(place.map(pearls), paleGold, gold, 0.008);
}

void DrawRosette(TBorderCanvas &canvas, const QTransform &place)
{
    const QPointF centre(middle, middle);
    canvas.FillAndOutline(place.map(Circle(centre, 0.115)), navy, gold, 0.012);
    QPainterPath petals;
    for (int i = 0; i < 4; ++i)
        petals.addPath(Petal(centre, 0.05, 0.028, 45 + 90 * i));
    canvas.FillAndOutline(place.map(petals), paleGold, gold, 0.006);
    canvas.Fill(place.map(Circle(centre, 0.026)), gold);
}

} // namespace

void DrawClassicBorder(TBorderCanvas &canvas)
{
    const QSizeF frame = canvas.Size();
    canvas.Fill(Ring(frame, 0.07, 0.115), navy);
    canvas.Fill(Ring(frame, 0.14, 0.152), gold);
    canvas.Fill(Ring(frame, 0.338, 0.35), gold);
    canvas.Fill(Ring(frame, 0.362, 0.376), navy);
    for (const TBorderSide &side : BorderSides(frame)) {
        DrawSide(canvas, side);
        DrawRosette(canvas, side.ToFrame);
    }
}
