#pragma once

#include "DesignTypes.h"
#include "Rect.h"

#include <QList>

// The arithmetic of the selection handle, apart from any window: the grip
// under a point, snapping, the bounds a drag or an arrow key gives.

// A rectangle as left, top, width and height: how controls keep their
// bounds.
struct TBounds
{
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    TRect ToRect() const { return {Left, Top, Left + Width, Top + Height}; }

    friend bool operator==(const TBounds &, const TBounds &) = default;
};

// The grips: 0 moves, 1 to 8 resize from the corner or edge they name.
enum THitZone : int {
    hzMove,
    hzTopLeft,
    hzTopRight,
    hzBottomLeft,
    hzBottomRight,
    hzTopMiddle,
    hzLeftMiddle,
    hzBottomMiddle,
    hzRightMiddle,
};

// The grip at (x, y) of a handle width x height: corners within 8 pixels,
// edge middles within 6 pixels along the edge and 8 across it; later tests
// win over earlier ones. hzMove elsewhere.
THitZone HitZoneAt(int x, int y, int width, int height);
TDesignCursor ZoneCursor(THitZone zone);

// step x (value div step), truncating toward zero; a step of 1 or less keeps
// the value.
int Snap(int value, int step);

// The handle's bounds after the mouse moved by (dx, dy) from where a drag on
// zone began, snapped to the steps; never narrower or lower than 5.
TBounds DraggedBounds(THitZone zone, const TBounds &from, int dx, int dy, int stepX, int stepY);

// The outline a drag shows for bounds: 2 pixels in from the left and top,
// 3 from the right and bottom.
TRect OutlineOf(const TBounds &bounds);

// The selection squares of an object of bounds: 5 x 5 in the corners of
// the bounds grown by 2, and with edges at the edge middles too.
QList<TRect> HandleSquares(const TBounds &bounds, bool edges);

// Keyboard nudging. The rectangle an arrow key works on, taken from the
// handle's bounds, and back.
TRect KeyboardRect(const TBounds &handle);
TBounds BoundsOfKeyboardRect(const TRect &keys);

enum class TArrow { Left, Up, Right, Down };
// keys after one arrow key: moved by a pixel, or with resize its right or
// bottom edge moved. It never leaves the panel's top-left, never grows past
// its right or bottom, and never shrinks to 10 pixels or less.
TRect NudgedRect(const TRect &keys, TArrow arrow, bool resize, int panelWidth, int panelHeight);
