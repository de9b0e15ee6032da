#pragma once

#include <QRect>

// A rectangle as the page geometry is written: Left, Top, Right, Bottom with
// Right and Bottom exclusive. QRect keeps an inclusive right edge, so page
// geometry stays in this form and converts only when drawing.
struct TRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsZero() const { return Left == 0 && Top == 0 && Right == 0 && Bottom == 0; }
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }

    friend bool operator==(const TRect &, const TRect &) = default;
};
