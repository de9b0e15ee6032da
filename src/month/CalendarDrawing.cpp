#include "CalendarDrawing.h"

#include "CalendarDates.h"
#include "DrawingPrimitives.h"
#include "FittedText.h"
#include "MonthGridParts.h"
#include "Numbers.h"
#include "Ppi.h"

#include <QFontMetrics>
#include <QPainter>

#include <cstdlib>

void SetTargetFont(QPainter &target, const TFontDesc &font)
{
    target.setFont(font.ToQFont(ScreenPpi()));
    target.setPen(ToQColor(font.Color));
}

void AddBorderLines(QList<QRect> &lines, const TRect &rect, TCalBorderStyle style)
{
    const bool top = style == cbAll || style == cbTop || style == cbTopBottom;
    const bool bottom = style == cbAll || style == cbBottom || style == cbTopBottom;
    if (top)
        AddFill(lines, HorizontalLineRect(rect.Left, rect.Right, rect.Top));
    if (style == cbAll)
        AddFill(lines, VerticalLineRect(rect.Right, rect.Top, rect.Bottom));
    if (bottom)
        AddFill(lines, HorizontalLineRect(style == cbAll ? rect.Right : rect.Left,
                                          style == cbAll ? rect.Left : rect.Right, rect.Bottom));
    if (style == cbAll)
        AddFill(lines, VerticalLineRect(rect.Left, rect.Bottom, rect.Top));
}

void DrawBorderLines(QPainter &target, const TRect &rect, TCalBorderStyle style)
{
    QList<QRect> lines;
    AddBorderLines(lines, rect, style);
    FillRects(target, lines, clBlack);
}

QString StyledDayName(const QString &name, TCalHeadersStyle style)
{
    switch (style) {
    case dsFirstChar:
        return name.left(1);
    case dsThreeChars:
        return name.left(3);
    case dsWhole:
        break;
    }
    return name;
}

namespace {

// The title band, filled, with the title in it; returns its bottom edge.
int DrawTitleBand(QPainter &target, TCalendarAttributes &attributes, const TRect &r,
                  const QString &title)
{
    const TRect band = PlaceTitleBand(attributes, r);
    FillRect(target, {band.Left, band.Top, band.Right, band.Bottom + 1}, attributes.TitleBackColor);
    SetTargetFont(target, attributes.TitleFont);
    DrawFittedTextLine(target, band, MonthTitle(attributes, title), Qt::AlignCenter);
    return band.Bottom;
}

// The row of day names below the title; returns its bottom edge.
int DrawDayNames(QPainter &target, TCalendarAttributes &attributes, const TRect &r, int top)
{
    SetTargetFont(target, attributes.HeadersFont);
    const int height = Trunc(1.5 * std::abs(attributes.HeadersFont.Height(ScreenPpi())));
    const TRect row{r.Left, top, r.Right, top + height};
    attributes.DayNamesRect = row;
    FillRect(target, {row.Left, row.Top, row.Right, row.Bottom + 1}, attributes.HeadersBackColor);
    DrawBorderLines(target, row, attributes.HeadersBorder);
    const TRect days = DayColumns(attributes, r);
    const int cw = days.Width() / 7;
    for (int j = 0; j < 7; ++j) {
        const TRect cell{days.Left + j * cw + 1, row.Top, days.Left + j * cw + cw - 1, row.Bottom};
        DrawFittedTextLine(target, cell, ColumnDayName(attributes, j), Qt::AlignCenter);
    }
    return row.Bottom;
}

void DrawGridLines(QPainter &target, const TCalendarAttributes &attributes, const TRect &r, int gt,
                   int rh)
{
    const auto [first, last] = HorizontalGridLines(attributes.CellBorder);
    for (int i = first; i <= last; ++i)
        HorizontalLine(target, r.Left, r.Right, i == 6 ? r.Bottom : gt + i * rh);
    if (attributes.CellBorder != cbAll)
        return;
    const TRect days = DayColumns(attributes, r);
    const int cw = days.Width() / 7;
    if (days.Left != r.Left)
        VerticalLine(target, r.Left, gt, r.Bottom);
    for (int j = 0; j <= 7; ++j)
        VerticalLine(target, j == 7 ? r.Right : days.Left + j * cw, gt, r.Bottom);
}

// The week-number column: filled like the day names' row, each row's number
// centred in its cell.
void DrawWeekColumn(QPainter &target, TCalendarAttributes &attributes, const TRect &r, int gt,
                    int rh)
{
    RecordWeekCells(attributes, r, gt, rh);
    const int right = DayColumns(attributes, r).Left;
    if (right == r.Left)
        return;
    FillRect(target, {r.Left + 1, gt + 1, right, r.Bottom}, attributes.HeadersBackColor);
    SetTargetFont(target, WeekNumberFont(attributes));
    for (const TWeekCell &cell : attributes.WeekCells) {
        if (cell.Number != 0)
            DrawFittedTextLine(target, cell.Rect, QString::number(cell.Number), Qt::AlignCenter);
    }
}

// The 42 cells: their rectangles, numbers and text areas.
void DrawCells(QPainter &target, TCalendarAttributes &attributes, const TRect &r, int gt, int rh)
{
    const bool upperRight = attributes.NumberPosition == cnpUpperRight;
    const int numberHeight = QFontMetrics(target.font()).height();
    for (int row = 0; row < 6; ++row) {
        for (int j = 0; j < 7; ++j) {
            const int index = 7 * row + j + 1;
            const TRect total = CellRect(attributes, r, gt, rh, row, j);
            const int day =
                DayInCell(index, attributes.Month, attributes.Year, attributes.StartOfWeek);
            if (day != 0)
                DrawTextLine(target, total, QString::number(day),
                             upperRight ? Qt::AlignRight | Qt::AlignTop : Qt::AlignCenter);
            TCellGeometry &cell = attributes.CellGeometry[index - 1];
            cell.rTotal = total;
            cell.iDay = day;
            cell.rFree =
                upperRight ? TRect{total.Left, total.Top + numberHeight, total.Right, total.Bottom}
                           : TRect{};
        }
    }
}

} // namespace

void DrawMonthGrid(QPainter &target, TCalendarAttributes &attributes, const QString &title)
{
    target.save();
    const TRect &cal = attributes.CalRect;
    const TRect r = InnerRect(cal);
    FillRect(target, cal, attributes.BackColor);
    FillRect(target, r, attributes.BackColor);

    const int titleBottom = DrawTitleBand(target, attributes, r, title);
    const int gt = DrawDayNames(target, attributes, r, titleBottom + 1);
    const int rh = (r.Bottom - gt) / 6;
    DrawWeekColumn(target, attributes, r, gt, rh);
    SetTargetFont(target, attributes.CellFont);
    DrawGridLines(target, attributes, r, gt, rh);
    DrawCells(target, attributes, r, gt, rh);
    DrawBorderLines(target, r, attributes.CalendarBorder);
    target.restore();
}
