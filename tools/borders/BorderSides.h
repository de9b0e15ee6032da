#pragma once

#include <QPainterPath>
#include <QSizeF>
#include <QTransform>

#include <array>
#include <vector>

// One side of a border band: a transform from side space (x along the side
// from its first corner, y inwards from the frame's edge, in inches) to the
// frame, and the side's length. The sides run clockwise from the top left, so
// a motif near the origin of each side lands in each corner, turned.
struct TBorderSide
{
    QTransform ToFrame;
    double Length = 0;
};

std::array<TBorderSide, 4> BorderSides(QSizeF frame);

// Positions between from and to about spacing apart, each in the middle of
// its share: at least one, and an odd number when odd is set (so that a
// pattern of two alternating motifs ends as it starts).
std::vector<double> SpreadAlong(double from, double to, double spacing, bool odd = false);

// The band between two insets from the frame's edge, as a ring.
QPainterPath Ring(QSizeF frame, double outerInset, double innerInset);

// A circle; an ellipse around centre turned by angle degrees.
QPainterPath Circle(QPointF centre, double radius);
QPainterPath TurnedEllipse(QPointF centre, double rx, double ry, double angle);
// An ellipse rx by ry reaching out from centre in the direction angle degrees
// (counter-clockwise from the x axis on the page).
QPainterPath Petal(QPointF centre, double rx, double ry, double angle);
