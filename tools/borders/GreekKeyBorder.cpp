#include "BorderDesigns.h"
#include "BorderSides.h"

#include <algorithm>
#include <cmath>

// A running Greek key in terracotta on a sand-coloured band between two
// rules, with a square key block in each corner.

namespace {

const QColor terracotta(154, 59, 30);
const QColor sand(244, 228, 196);

constexpr double bandOuter = 0.07;
constexpr double bandInner = 0.37;
constexpr double keyOuter = 0.125; // the key's base line
constexpr double keyInner = 0.315;
constexpr double grid = (keyInner - keyOuter) / 3;
constexpr double lineWidth = grid * 0.42;

// One unit of the key on a grid of four across and three deep: up, across,
// down, back, up, back, down and along the base to the next unit.
constexpr QPointF unit[] = {{0, 0}, {0, 3}, {3, 3}, {3, 1}, {2, 1}, {2, 2}, {1, 2}, {1, 0}};

void DrawSide(TBorderCanvas &canvas, const TBorderSide &side)
{
    const double from = keyInner;
    const double to = side.Length - keyInner;
    const int units = std::max(1, int(std::lround((to - from) / (4 * grid))));
    const double step = (to - from) / (4 * units); // the grid across, stretched to fit
    QPainterPath key;
    key.moveTo(from, keyOuter);
    for (int u = 0; u < units; ++u)
        for (const QPointF &point : unit)
            key.lineTo(from + (4 * u + point.x()) * step, keyOuter + point.y() * grid);
    key.lineTo(to, keyOuter);
    canvas.Stroke(side.ToFrame.map(key), terracotta, lineWidth);
}

void DrawCorner(TBorderCanvas &canvas, const QTransform &place)
{
    QPainterPath block;
    block.addRect(QRectF(QPointF(keyOuter, keyOuter), QPointF(keyInner, keyInner)));
    canvas.Stroke(place.map(block), terracotta, lineWidth);
    const double middle = (keyOuter + keyInner) / 2;
    const double reach = grid * 0.95;
    QPainterPath diamond;
    diamond.moveTo(middle - reach, middle);
    diamond.lineTo(middle, middle - reach);
    diamond.lineTo(middle + reach, middle);
    diamond.lineTo(middle, middle + reach);
    diamond.closeSubpath();
    canvas.Fill(place.map(diamond), terracotta);
}

} // namespace

void DrawGreekKeyBorder(TBorderCanvas &canvas)
{
    const QSizeF frame = canvas.Size();
    canvas.Fill(Ring(frame, bandOuter, bandInner), sand);
    canvas.Fill(Ring(frame, bandOuter - 0.02, bandOuter), terracotta);
    canvas.Fill(Ring(frame, bandInner, bandInner + 0.02), terracotta);
    for (const TBorderSide &side : BorderSides(frame)) {
        DrawSide(canvas, side);
        DrawCorner(canvas, side.ToFrame);
    }
}
