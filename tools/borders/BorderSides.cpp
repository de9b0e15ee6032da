#include "BorderSides.h"

#include <algorithm>
#include <cmath>

std::array<TBorderSide, 4> BorderSides(QSizeF frame)
{
    const double w = frame.width();
    const double h = frame.height();
    // Each maps (x, y) as: top (x, y), right (w - y, x), bottom (w - x, h - y), left (y, h - x).
    return {TBorderSide{QTransform(1, 0, 0, 1, 0, 0), w},
            TBorderSide{QTransform(0, 1, -1, 0, w, 0), h},
            TBorderSide{QTransform(-1, 0, 0, -1, w, h), w},
            TBorderSide{QTransform(0, -1, 1, 0, 0, h), h}};
}

std::vector<double> SpreadAlong(double from, double to, double spacing, bool odd)
{
    const double length = to - from;
    int count = std::max(1, int(std::lround(length / spacing)));
    if (odd && count % 2 == 0)
        ++count;
    std::vector<double> positions;
    positions.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        positions.push_back(from + (i + 0.5) * length / count);
    return positions;
}

QPainterPath Ring(QSizeF frame, double outerInset, double innerInset)
{
    QPainterPath ring;
    ring.addRect(
        QRectF(QPointF(), frame).adjusted(outerInset, outerInset, -outerInset, -outerInset));
    ring.addRect(
        QRectF(QPointF(), frame).adjusted(innerInset, innerInset, -innerInset, -innerInset));
    return ring;
}

QPainterPath Circle(QPointF centre, double radius)
{
    QPainterPath circle;
    circle.addEllipse(centre, radius, radius);
    return circle;
}

QPainterPath TurnedEllipse(QPointF centre, double rx, double ry, double angle)
{
    QPainterPath ellipse;
    ellipse.addEllipse(QPointF(), rx, ry);
    QTransform place;
    place.translate(centre.x(), centre.y());
    place.rotate(angle);
    return place.map(ellipse);
}

QPainterPath Petal(QPointF centre, double rx, double ry, double angle)
{
    QPainterPath petal;
    petal.addEllipse(QPointF(rx, 0), rx, ry);
    QTransform place;
    place.translate(centre.x(), centre.y());
    place.rotate(-angle);
    return place.map(petal);
}
