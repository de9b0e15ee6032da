#include "LabelLayout.h"

#include "Numbers.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

constexpr int MaxFontPoints = 1000;

TRect Moved(const TRect &r, int dx, int dy)
{
    return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

// An offset turned with text rotated by angle degrees counter-clockwise.
QPoint Turned(QPoint offset, int angle)
{
    switch (angle) {
    case 90:
        return {offset.y(), -offset.x()};
    case 180:
        return {-offset.x(), -offset.y()};
    case 270:
        return {-offset.y(), offset.x()};
    default:
        return offset;
    }
}

// Where text rotated by angle starts inside r: the corner that is the top
// left of its first character cell.
QPoint Origin(const TRect &r, int angle)
{
    switch (angle) {
    case 90:
        return {r.Left, r.Bottom};
    case 180:
        return {r.Right, r.Bottom};
    case 270:
        return {r.Right, r.Top};
    default:
        return {r.Left, r.Top};
    }
}

bool Upright(int angle)
{
    return angle != 90 && angle != 270;
}

// The label's size: across the text between b and 1.2 x b; along rotated
// text at most 1.2 x its width, upside-down text at most twice it.
void FitSize(TLabelLayout &layout, int b)
{
    const int tw = layout.TextWidth;
    int &width = layout.Width;
    int &height = layout.Height;
    if (!Upright(layout.Angle)) {
        if (tw * 1.2 < height)
            height = Trunc(tw * 1.2);
        if (height < 5)
            height = tw;
        if (b * 1.2 < width)
            width = Trunc(b * 1.2);
        if (width < b)
            width = b;
        return;
    }
    if (layout.Angle == 180 && 2 * qint64(tw) < width)
        width = 2 * tw;
    if (width <= 5)
        width = tw;
    if (b * 1.2 < height)
        height = Trunc(b * 1.2);
    if (height < b)
        height = b;
}

TRect TextRect(const TLabelLayout &layout, const TLabelLayoutInput &input)
{
    const int mx = layout.MarginX;
    const int my = layout.MarginY;
    const int lh = layout.LineHeight;
    if (!Upright(layout.Angle)) {
        TRect t{my, mx, lh + my, layout.Height - my};
        if (layout.Angle == 90)
            t = Moved(t, 0, layout.Height + t.Top + input.Highlight.x() - t.Bottom - 1);
        return t;
    }
    TRect t{mx, my, layout.Width, lh + my};
    if (layout.Angle == 180)
        t = Moved(t, layout.Width + t.Left - t.Right - input.Shadow.y() - 1, 0);
    return t;
}

// Unrotated text's x by its alignment; the copies keep their offsets.
void Align(TLabelLayout &layout, const TLabelLayoutInput &input)
{
    const TRect &t = layout.Text;
    int x = t.Left;
    if (input.Alignment == taRightJustify)
        x = t.Right - layout.TextWidth;
    else if (input.Alignment == taCenter)
        x = (t.Right - t.Left) / 2 - layout.TextWidth / 2;
    layout.TextOrigin.setX(x);
    layout.HighlightOrigin.setX(x + input.Highlight.x());
    layout.ShadowOrigin.setX(x + input.Shadow.x());
}

} // namespace

QFont LabelDrawingFont(const TFontDesc &font, float scale, int ppi)
{
    TFontDesc drawing = font;
    if (scale != 1.0f)
        drawing.Size = Trunc(double(font.Size) * double(scale));
    // A document may ask for any size; glyphs beyond this would take all
    // memory to draw.
    drawing.Size = std::clamp(drawing.Size, 1, MaxFontPoints);
    return drawing.ToQFont(ppi);
}

TLabelLayout LayoutLabelText(const TLabelLayoutInput &input, int width, int height)
{
    TLabelLayout layout;
    layout.Angle = input.Angle;
    layout.Font = LabelDrawingFont(input.Font, input.Scale, input.Ppi);
    const QFontMetrics metrics(layout.Font);
    layout.LineHeight = metrics.height() + std::max(metrics.leading(), 0);
    layout.TextWidth = metrics.horizontalAdvance(input.Caption + QLatin1Char(' '));

    const QPoint s = input.Shadow;
    const QPoint h = input.Highlight;
    layout.MarginX = std::max({s.x() < 0 ? -s.x() : 0, h.x() < 0 ? -h.x() : 0});
    layout.MarginY = std::max({s.y() < 0 ? -s.y() : 0, h.y() < 0 ? -h.y() : 0});
    const int b = layout.LineHeight + s.y() - h.y();

    layout.Width = width;
    layout.Height = height;
    FitSize(layout, b);

    layout.Text = TextRect(layout, input);
    const QPoint ts = Turned(s, input.Angle);
    const QPoint th = Turned(h, input.Angle);
    layout.Shadow = Moved(layout.Text, ts.x(), ts.y());
    layout.Highlight = Moved(layout.Text, th.x(), th.y());
    layout.TextOrigin = Origin(layout.Text, input.Angle);
    layout.ShadowOrigin = Origin(layout.Shadow, input.Angle);
    layout.HighlightOrigin = Origin(layout.Highlight, input.Angle);
    if (input.Angle == 0)
        Align(layout, input);
    return layout;
}
