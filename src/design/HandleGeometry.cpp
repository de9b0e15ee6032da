#include "HandleGeometry.h"

#include <cstdlib>

namespace {

bool Near(double value, double target, double distance)
{
    return std::abs(value - target) < distance;
}

// Resizes end at 5 pixels: the handle never gets smaller.
TBounds AtLeastFive(TBounds bounds)
{
    if (bounds.Width <= 4)
        bounds.Width = 5;
    if (bounds.Height <= 4)
        bounds.Height = 5;
    return bounds;
}

} // namespace

THitZone HitZoneAt(int x, int y, int width, int height)
{
    const double halfWidth = width / 2.0;
    const double halfHeight = height / 2.0;
    THitZone zone = hzMove;
    if (Near(x, 0, 8) && Near(y, 0, 8))
        zone = hzTopLeft;
    if (Near(x, width, 8) && Near(y, height, 8))
        zone = hzBottomRight;
    if (Near(x, width, 8) && Near(y, 0, 8))
        zone = hzTopRight;
    if (Near(x, 0, 8) && Near(y, height, 8))
        zone = hzBottomLeft;
    if (Near(x, halfWidth, 6) && Near(y, 0, 8))
        zone = hzTopMiddle;
    if (Near(x, halfWidth, 6) && Near(y, height, 8))
        zone = hzBottomMiddle;
    if (Near(y, halfHeight, 6) && Near(x, 0, 8))
        zone = hzLeftMiddle;
    if (Near(y, halfHeight, 6) && Near(x, width, 8))
        zone = hzRightMiddle;
    return zone;
}

TDesignCursor ZoneCursor(THitZone zone)
{
    switch (zone) {
    case hzTopLeft:
    case hzBottomRight:
        return TDesignCursor::SizeNWSE;
    case hzTopRight:
    case hzBottomLeft:
        return TDesignCursor::SizeNESW;
    case hzTopMiddle:
    case hzBottomMiddle:
        return TDesignCursor::SizeNS;
    case hzLeftMiddle:
    case hzRightMiddle:
        return TDesignCursor::SizeWE;
    case hzMove:
        break;
    }
    return TDesignCursor::HandGrab;
}

int Snap(int value, int step)
{
    return step > 1 ? step * (value / step) : value;
}

TBounds DraggedBounds(THitZone zone, const TBounds &from, int dx, int dy, int stepX, int stepY)
{
    const int L = from.Left;
    const int T = from.Top;
    const int W = from.Width;
    const int H = from.Height;
    const int left = Snap(L + dx, stepX);
    const int top = Snap(T + dy, stepY);
    const int right = Snap(W + dx, stepX) - 1;
    const int bottom = Snap(H + dy, stepY) - 1;
    switch (zone) {
    case hzMove:
        return AtLeastFive({left, top, W, H});
    case hzTopLeft:
        return AtLeastFive({left, top, W + L - left, H + T - top});
    case hzTopRight:
        return AtLeastFive({L, top, right, H + T - top});
    case hzBottomLeft:
        return AtLeastFive({left, T, W + L - left, bottom});
    case hzBottomRight:
        return AtLeastFive({L, T, right, bottom});
    case hzTopMiddle:
        return AtLeastFive({L, top, W, H + T - top});
    case hzLeftMiddle:
        return AtLeastFive({left, T, W + L - left, H});
    case hzBottomMiddle:
        return AtLeastFive({L, T, W, bottom});
    case hzRightMiddle:
        return AtLeastFive({L, T, right, H});
    }
    return from;
}

TRect OutlineOf(const TBounds &bounds)
{
    return {bounds.Left + 2, bounds.Top + 2, bounds.Right() - 3, bounds.Bottom() - 3};
}

QList<TRect> HandleSquares(const TBounds &bounds, bool edges)
{
    const TRect r{bounds.Left - 2, bounds.Top - 2, bounds.Right() + 2, bounds.Bottom() + 2};
    const auto square = [](int left, int top) { return TRect{left, top, left + 5, top + 5}; };
    QList<TRect> squares{square(r.Left, r.Top), square(r.Right - 5, r.Top),
                         square(r.Right - 5, r.Bottom - 5), square(r.Left, r.Bottom - 5)};
    if (!edges)
        return squares;
    const int hw = (r.Right - r.Left) / 2;
    const int hh = (r.Bottom - r.Top) / 2;
    squares << square(r.Left + hw - 2, r.Top) << square(r.Left + hw - 2, r.Bottom - 5)
            << square(r.Left, r.Top + hh - 2) << square(r.Right - 5, r.Top + hh - 2);
    return squares;
}

TRect KeyboardRect(const TBounds &handle)
{
    return OutlineOf(handle);
}

TBounds BoundsOfKeyboardRect(const TRect &keys)
{
    return {keys.Left - 2, keys.Top - 2, keys.Right - keys.Left + 5, keys.Bottom - keys.Top + 5};
}

TRect NudgedRect(const TRect &keys, TArrow arrow, bool resize, int panelWidth, int panelHeight)
{
    TRect k = keys;
    const int w = k.Right - k.Left + 1;
    const int h = k.Bottom - k.Top + 1;
    const auto shift = [&k](int dx, int dy) {
        k.Left += dx;
        k.Right += dx;
        k.Top += dy;
        k.Bottom += dy;
    };
    switch (arrow) {
    case TArrow::Left:
        if (resize && w > 10)
            k.Right -= 1;
        else if (!resize && k.Left > 0)
            shift(-1, 0);
        break;
    case TArrow::Up:
        if (resize && h > 10)
            k.Bottom -= 1;
        else if (!resize && k.Top > 0)
            shift(0, -1);
        break;
    case TArrow::Right:
        if (panelWidth >= w + k.Left) {
            if (resize)
                k.Right += 1;
            else
                shift(1, 0);
        }
        break;
    case TArrow::Down:
        if (panelHeight >= h + k.Top) {
            if (resize)
                k.Bottom += 1;
            else
                shift(0, 1);
        }
        break;
    }
    return k;
}
