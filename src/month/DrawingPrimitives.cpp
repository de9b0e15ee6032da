#include "DrawingPrimitives.h"

#include <QPainter>

#include <algorithm>
#include <tuple>
#include <utility>

void FillRect(QPainter &target, const TRect &rect, TColor color)
{
    if (rect.Width() > 0 && rect.Height() > 0)
        target.fillRect(rect.ToQRect(), ToQColor(color));
}

namespace {

// Joins the rectangles that overlap or touch along a row (horizontal) or a
// column; each join covers exactly the pixels of the two it replaces.
void MergeAlong(QList<QRect> &rects, bool horizontal)
{
    const auto key = [horizontal](const QRect &r) {
        return horizontal ? std::tuple(r.top(), r.bottom(), r.left())
                          : std::tuple(r.left(), r.right(), r.top());
    };
    std::sort(rects.begin(), rects.end(),
              [&key](const QRect &a, const QRect &b) { return key(a) < key(b); });
    QList<QRect> merged;
    for (const QRect &rect : std::as_const(rects)) {
        if (!merged.isEmpty()) {
            QRect &last = merged.last();
            const bool continues =
                horizontal ? last.top() == rect.top() && last.bottom() == rect.bottom() &&
                                 rect.left() <= last.right() + 1
                           : last.left() == rect.left() && last.right() == rect.right() &&
                                 rect.top() <= last.bottom() + 1;
            if (continues) {
                last = last.united(rect);
                continue;
            }
        }
        merged.append(rect);
    }
    rects = merged;
}

} // namespace

QList<QRect> MergedFills(QList<QRect> rects)
{
    MergeAlong(rects, true);
    MergeAlong(rects, false);
    return rects;
}

void FillRects(QPainter &target, const QList<QRect> &rects, TColor color)
{
    if (rects.isEmpty())
        return;
    target.save();
    target.setPen(Qt::NoPen);
    target.setBrush(ToQColor(color));
    // One rectangle a call: PDF viewers widen a thin fill to a whole pixel
    // only when it stands alone.
    for (const QRect &rect : MergedFills(rects))
        target.drawRect(rect);
    target.restore();
}

void AddFill(QList<QRect> &rects, const TRect &rect)
{
    if (rect.Width() > 0 && rect.Height() > 0)
        rects.append(rect.ToQRect());
}

TRect HorizontalLineRect(int x1, int x2, int y)
{
    const int from = std::min(x1, x2 + 1);
    const int to = x1 <= x2 ? x2 : x1 + 1;
    return {from, y, to, y + 1};
}

TRect VerticalLineRect(int x, int y1, int y2)
{
    const int from = std::min(y1, y2 + 1);
    const int to = y1 <= y2 ? y2 : y1 + 1;
    return {x, from, x + 1, to};
}

void HorizontalLine(QPainter &target, int x1, int x2, int y)
{
    FillRect(target, HorizontalLineRect(x1, x2, y), clBlack);
}

void VerticalLine(QPainter &target, int x, int y1, int y2)
{
    FillRect(target, VerticalLineRect(x, y1, y2), clBlack);
}

void DrawTextLine(QPainter &target, const TRect &rect, const QString &text, int alignment)
{
    if (text.isEmpty() || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    target.drawText(rect.ToQRect(), alignment | Qt::TextSingleLine, text);
}
