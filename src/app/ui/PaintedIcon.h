#pragma once

#include <QIcon>
#include <QRectF>

#include <functional>

class QPainter;

// Draws an icon's picture into the given rectangle.
using TIconDrawing = std::function<void(QPainter &painter, const QRectF &target)>;

// An icon drawn by code at whatever size it is shown, and only when it is
// shown; the disabled look is derived by the style.
QIcon PaintedIcon(TIconDrawing drawing);
