#pragma once

#include "Color.h"
#include "Rect.h"

#include <QList>
#include <QRect>
#include <QString>

class QPainter;

// Pixel-exact drawing on a bitmap: fills cover [Left, Right) x [Top, Bottom),
// lines take their start point and leave out their end point.
void FillRect(QPainter &target, const TRect &rect, TColor color);
// Several rectangles of one colour under one drawing state, which matters on
// paper, where each change of state is written out. Rectangles that continue
// each other are drawn as one.
void FillRects(QPainter &target, const QList<QRect> &rects, TColor color);
// The same pixels in fewer rectangles: those that overlap or touch along a
// row or a column, with the same extent across it, joined.
QList<QRect> MergedFills(QList<QRect> rects);
void HorizontalLine(QPainter &target, int x1, int x2, int y);
void VerticalLine(QPainter &target, int x, int y1, int y2);
// Adds rect to rects for FillRects when it covers any pixel.
void AddFill(QList<QRect> &rects, const TRect &rect);
// The pixels a line covers.
TRect HorizontalLineRect(int x1, int x2, int y);
TRect VerticalLineRect(int x, int y1, int y2);
// One line of text in rect, clipped by it, "&" shown as itself.
void DrawTextLine(QPainter &target, const TRect &rect, const QString &text, int alignment);
