#include "DrawingPrimitives.h"

#include <QPainter>

#include <algorithm>

void FillRect(QPainter &target, const TRect &rect, TColor color)
{
    if (rect.Width() > 0 && rect.Height() > 0)
        target.fillRect(rect.ToQRect(), ToQColor(color));
}

void HorizontalLine(QPainter &target, int x1, int x2, int y)
{
    const int from = std::min(x1, x2 + 1);
    const int to = x1 <= x2 ? x2 : x1 + 1;
    FillRect(target, {from, y, to, y + 1}, clBlack);
}

void VerticalLine(QPainter &target, int x, int y1, int y2)
{
    const int from = std::min(y1, y2 + 1);
    const int to = y1 <= y2 ? y2 : y1 + 1;
    FillRect(target, {x, from, x + 1, to}, clBlack);
}

void DrawTextLine(QPainter &target, const TRect &rect, const QString &text, int alignment)
{
    if (text.isEmpty() || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    target.drawText(rect.ToQRect(), alignment | Qt::TextSingleLine, text);
}
