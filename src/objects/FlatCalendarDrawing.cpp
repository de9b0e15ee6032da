#include "FlatCalendarDrawing.h"

#include "CalendarDates.h"
#include "DrawingPrimitives.h"
#include "MonthGridParts.h"
#include "Numbers.h"
#include "WeekNumbers.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {

// The largest font drawn, in points: the largest the font dialog offers.
// Larger sizes from a damaged document would only make text no calendar can
// show, at great cost.
constexpr int MaxFontPoints = 1638;

TFontDesc Zoomed(const TFontDesc &font, float scale)
{
    TFontDesc zoomed = font;
    zoomed.Size = std::clamp(Trunc(double(font.Size) * double(scale)), 0, MaxFontPoints);
    return zoomed;
}

// The calendar and shadow rectangles, by the shadow's depth and corner.
void PlaceShadow(TFlatCalendarGeometry &g, const TFlatCalendarLook &look, int w, int h, float scale)
{
    g.Calendar = {0, 0, w, h};
    if (look.ShadowDepth < 1 || look.CalTransparent)
        return;
    const int a = Trunc(double(look.ShadowDepth) * double(scale));
    TRect shadow;
    switch (look.ShadowPosition) {
    case fcpLowerRight:
        g.Calendar = {0, 0, w - a, h - a};
        shadow = {a, a, w, h};
        break;
    case fcpLowerLeft:
        g.Calendar = {a, 0, w, h - a};
        shadow = {0, a, w - a, h};
        break;
    case fcpUpperRight:
        g.Calendar = {0, a, w - a, h};
        shadow = {a, 0, w, h - a};
        break;
    case fcpUpperLeft:
        g.Calendar = {a, a, w, h};
        shadow = {0, 0, w - a, h - a};
        break;
    }
    g.HasShadow = true;
    g.Shadow = {shadow.Left, shadow.Top, shadow.Right + 1, shadow.Bottom + 1};
}

void AddBodyLines(TFlatCalendarGeometry &g, TFlatCalBorderStyle style)
{
    const int top = g.DayRowBottom;
    const auto boundary = [&g, top](int k) { return k == 6 ? g.B : top + k * g.RowHeight; };
    const auto rows = [&g, &boundary](int first, int last) {
        for (int k = first; k <= last; ++k)
            g.BodyLines.append(HorizontalLineRect(g.L, g.R, boundary(k)));
    };
    switch (style) {
    case fcbNone:
        return;
    case fcbAll:
        rows(0, 6);
        if (g.WeekColumn > 0)
            g.BodyLines.append(VerticalLineRect(g.L, top, g.B));
        for (int j = 0; j <= 6; ++j)
            g.BodyLines.append(VerticalLineRect(g.L + g.WeekColumn + j * g.ColumnWidth, top, g.B));
        g.BodyLines.append(VerticalLineRect(g.R, top, g.B));
        return;
    case fcbTop:
        rows(0, 5);
        return;
    case fcbBottom:
        rows(1, 6);
        return;
    case fcbTopBottom:
        rows(0, 6);
        return;
    }
}

// The week column as the page's month grid has it: its width, and the day
// names' font smaller and lighter.
void PlaceWeekColumn(TFlatCalendarGeometry &g, const TFlatCalendarLook &look)
{
    TCalendarAttributes attributes;
    attributes.WeekNumbers = look.WeekNumbers;
    attributes.HeadersFont = g.DayNameFont;
    attributes.HeadersBackColor = look.DayNameBGColor;
    g.WeekColumn = WeekColumnWidth(attributes, {g.L, g.T, g.R, g.B});
    g.WeekFont = WeekNumberFont(attributes);
    for (int row = 0; row < 6; ++row)
        g.WeekNumbers[size_t(row)] =
            GridRowWeekNumber(look.WeekNumbers, look.Month, look.Year, look.StartOfWeek, row);
}

} // namespace

TRect TFlatCalendarGeometry::DayHeaderRect(int i) const
{
    const int left = L + WeekColumn + i * ColumnWidth;
    return {left + 1, TitleBottom, left + ColumnWidth - 1, DayRowBottom};
}

TRect TFlatCalendarGeometry::CellRect(int r, int i) const
{
    const int left = L + WeekColumn + i * ColumnWidth;
    const int top = DayRowBottom + r * RowHeight;
    return {left + 1, top + 1, left + ColumnWidth - 1, top + RowHeight};
}

TRect TFlatCalendarGeometry::WeekCellRect(int r) const
{
    const int top = DayRowBottom + r * RowHeight;
    return {L + 1, top + 1, L + WeekColumn - 1, top + RowHeight};
}

TFlatCalendarGeometry FlatCalendarGeometry(const TFlatCalendarLook &look, int width, int height,
                                           float scale, int ppi)
{
    TFlatCalendarGeometry g;
    PlaceShadow(g, look, width, height, scale);
    g.TitleFont = Zoomed(look.TitleFont, scale);
    g.DayNameFont = Zoomed(look.DayNameFont, scale);
    g.CellFont = Zoomed(look.CellFont, scale);
    g.L = g.Calendar.Left;
    g.T = g.Calendar.Top;
    g.R = g.Calendar.Right - 1;
    g.B = g.Calendar.Bottom - 1;

    const int textHeight = QFontMetrics(g.TitleFont.ToQFont(ppi)).height();
    g.TitleBottom = g.T + std::max(Trunc(0.17 * (g.B - g.T)), textHeight);
    g.Title = FlatMonthName(look.Language, look.Month);
    if (look.ShowYear)
        g.Title += QLatin1Char(' ') + QString::number(look.Year);

    PlaceWeekColumn(g, look);
    g.ColumnWidth = (g.R - g.L - g.WeekColumn) / 7;
    g.DayRowBottom = g.TitleBottom + Trunc(1.5 * std::abs(g.DayNameFont.Height(ppi)));
    for (int i = 0; i < 7; ++i) {
        const int weekday = look.StartOfWeek == 1 ? i + 1 : (i + 1) % 7 + 1;
        g.DayHeaders[size_t(i)] = FlatDayHeader(look.Language, weekday, look.DayNameStyle);
    }

    g.RowHeight = (g.B - g.DayRowBottom) / 6;
    for (int index = 0; index < 42; ++index)
        g.Days[size_t(index)] = DayInCell(index + 1, look.Month, look.Year, look.StartOfWeek);
    AddBodyLines(g, look.CellBorderStyle);
    return g;
}

QList<TRect> FlatBorderLines(TFlatCalBorderStyle style, int left, int top, int right, int bottom)
{
    const bool sides = style == fcbAll;
    const bool topLine = style == fcbAll || style == fcbTop || style == fcbTopBottom;
    const bool bottomLine = style == fcbAll || style == fcbBottom || style == fcbTopBottom;
    QList<TRect> lines;
    if (topLine)
        lines.append(HorizontalLineRect(left, right + 1, top));
    if (bottomLine)
        lines.append(HorizontalLineRect(left, right + 1, bottom));
    if (sides) {
        lines.append(VerticalLineRect(left, top, bottom + 1));
        lines.append(VerticalLineRect(right, top, bottom + 1));
    }
    return lines;
}

namespace {

void DrawLines(QPainter &target, const QList<TRect> &lines)
{
    QList<QRect> rects;
    for (const TRect &line : lines)
        AddFill(rects, line);
    FillRects(target, rects, clBlack);
}

// Sets the font and its colour; the metrics centre the texts drawn in it.
QFontMetricsF UseFont(QPainter &target, const TFontDesc &font, int ppi)
{
    const QFont qfont = font.ToQFont(ppi);
    target.setFont(qfont);
    target.setPen(ToQColor(font.Color));
    return QFontMetricsF(qfont);
}

// One line of text centred in rect and clipped by it, placed from the
// font's metrics: a calendar draws some fifty of these, and placing them
// here rather than through the formatting of text in a rectangle halves the
// time a calendar takes to draw.
void DrawCentred(QPainter &target, const QFontMetricsF &metrics, const TRect &rect,
                 const QString &text)
{
    if (text.isEmpty() || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    const qreal width = metrics.horizontalAdvance(text);
    const QPointF at(rect.Left + (rect.Width() - width) / 2,
                     rect.Top + (rect.Height() - metrics.height()) / 2 + metrics.ascent());
    const bool fits = width <= rect.Width() && metrics.height() <= rect.Height();
    if (fits) {
        target.drawText(at, text);
        return;
    }
    target.save();
    target.setClipRect(rect.ToQRect(), Qt::IntersectClip);
    target.drawText(at, text);
    target.restore();
}

void DrawFills(QPainter &target, const TFlatCalendarLook &look, const TFlatCalendarGeometry &g)
{
    FillRect(target, {g.L, g.T, g.R, g.B}, clWhite);
    FillRect(target, {g.L, g.T, g.R + 1, g.TitleBottom}, look.TitleBGcolor);
}

void DrawWeekdayRow(QPainter &target, const TFlatCalendarLook &look, const TFlatCalendarGeometry &g,
                    int ppi)
{
    if (!look.CalTransparent) {
        FillRect(target, {g.L, g.TitleBottom, g.R, g.DayRowBottom + 1}, look.DayNameBGColor);
        FillRect(target, {g.L, g.DayRowBottom, g.Calendar.Right, g.Calendar.Bottom},
                 look.Backgroundcolor);
    }
    DrawLines(target,
              FlatBorderLines(look.DayNameBorderStyle, g.L, g.TitleBottom, g.R, g.DayRowBottom));
    const QFontMetricsF metrics = UseFont(target, g.DayNameFont, ppi);
    for (int i = 0; i < 7; ++i)
        DrawCentred(target, metrics, g.DayHeaderRect(i), g.DayHeaders[size_t(i)]);
}

void DrawWeekNumbers(QPainter &target, const TFlatCalendarLook &look,
                     const TFlatCalendarGeometry &g, int ppi)
{
    if (g.WeekColumn == 0)
        return;
    if (!look.CalTransparent)
        FillRect(target, {g.L + 1, g.DayRowBottom + 1, g.L + g.WeekColumn, g.B},
                 look.DayNameBGColor);
    const QFontMetricsF metrics = UseFont(target, g.WeekFont, ppi);
    for (int r = 0; r < 6; ++r) {
        if (g.WeekNumbers[size_t(r)] > 0)
            DrawCentred(target, metrics, g.WeekCellRect(r),
                        QString::number(g.WeekNumbers[size_t(r)]));
    }
}

void DrawNumbers(QPainter &target, const TFlatCalendarGeometry &g, int ppi)
{
    const QFontMetricsF metrics = UseFont(target, g.CellFont, ppi);
    for (int r = 0; r < 6; ++r) {
        for (int i = 0; i < 7; ++i) {
            const int day = g.Days[size_t(7 * r + i)];
            if (day > 0)
                DrawCentred(target, metrics, g.CellRect(r, i), QString::number(day));
        }
    }
}

} // namespace

void DrawFlatCalendar(QPainter &target, const TFlatCalendarLook &look,
                      const TFlatCalendarGeometry &g, int ppi)
{
    target.save();
    if (g.HasShadow)
        FillRect(target, g.Shadow, look.ShadowColor);
    if (!look.CalTransparent)
        DrawFills(target, look, g);
    DrawCentred(target, UseFont(target, g.TitleFont, ppi), {g.L, g.T, g.R, g.TitleBottom}, g.Title);
    DrawWeekdayRow(target, look, g, ppi);
    DrawWeekNumbers(target, look, g, ppi);
    DrawLines(target, g.BodyLines);
    DrawNumbers(target, g, ppi);
    DrawLines(target, FlatBorderLines(look.CalendarBorderStyle, g.L, g.T, g.R, g.B));
    target.restore();
}
