#include "PrintedCalendar.h"

#include "CalendarDates.h"
#include "CalendarDrawing.h"
#include "CanvasReport.h"
#include "DrawingPrimitives.h"
#include "FittedText.h"
#include "MonthGridParts.h"
#include "Numbers.h"
#include "Ppi.h"

#include <QPainter>

#include <algorithm>

namespace {

// A page font on paper: its face, point size, colour, bold, italic and
// underline; paper shows no strike-out.
void SetReportFont(TCanvasReport &report, TFontDesc font)
{
    font.Style &= ~TFontStyles(TFontStyle::fsStrikeOut);
    report.SetFont(font);
}

// The first count characters of text, a surrogate pair never split.
QString Prefix(const QString &text, qsizetype count)
{
    if (count > 0 && count < text.size() && text[count - 1].isHighSurrogate())
        --count;
    return text.first(count);
}

// The longest start of text no wider than width. Found by halving, so a long
// text is measured a few dozen times rather than once for every character.
QString CutToWidth(const TCanvasReport &report, const QString &text, int width)
{
    if (text.isEmpty() || report.TextWidth(text) <= width)
        return text;
    qsizetype fits = 0;
    qsizetype tooWide = text.size();
    while (tooWide - fits > 1) {
        const qsizetype middle = fits + (tooWide - fits) / 2;
        if (report.TextWidth(Prefix(text, middle)) <= width)
            fits = middle;
        else
            tooWide = middle;
    }
    return Prefix(text, fits);
}

// The gap cell text keeps from the lines, as many device pixels as it is
// screen pixels on the bitmap, so paper shows the screen's gap.
int TextInset(const TCanvasReport &report)
{
    return Round(double(CellTextInset) * report.XDpi() / ScreenPpi());
}

enum class TPlace { Center, Right };

// Prints text on a line whose top is at lineTop (device pixels), centred in
// rect or with its right edge at x.
void PrintOnLine(TCanvasReport &report, const TRect &rect, const QString &text, double lineTop,
                 TPlace place, int rightEdge = 0)
{
    const QString fitted = CutToWidth(report, text, rect.Width() + 1);
    if (fitted.isEmpty())
        return;
    report.SetLineTop(report.YD2U(Trunc(lineTop)));
    if (place == TPlace::Center)
        report.PrintCenter(fitted, report.XD2U((rect.Left + rect.Right) / 2));
    else
        report.PrintRight(fitted, report.XD2U(rightEdge));
}

// The report's font at size points, the rest of it kept.
void SetReportFontSize(TCanvasReport &report, double size)
{
    const TReportFont font = report.Font();
    report.SetFont(font.Name, size);
    report.SetFontColor(font.Color);
    report.SetFontRotation(font.Rotation);
    report.SetFontBold(font.Bold);
    report.SetFontItalic(font.Italic);
    report.SetFontUnderline(font.Underline);
    report.SetFontStrikeOut(font.StrikeOut);
}

// Makes the report's font just small enough for text to be no wider than
// width where it is wider, but no smaller than SmallestFittedSize, so that
// text too long even then is cut; the size it had.
double ShrinkFontToFit(TCanvasReport &report, const QString &text, int width)
{
    const double size = report.Font().Size;
    const double smallest = SmallestFittedSize(size, 1);
    for (int wide = report.TextWidth(text); wide > width && report.Font().Size > smallest;
         wide = report.TextWidth(text)) {
        // In proportion first; a quarter point less each time that falls short.
        const double shrunk = report.Font().Size * std::max(width, 0) / wide;
        SetReportFontSize(report, std::max(smallest, std::min(shrunk, report.Font().Size - 0.25)));
    }
    return size;
}

// Text centred in rect on a line placed as titles and day names are, its font
// shrunk where it would not fit.
void PrintCentred(TCanvasReport &report, const TRect &rect, const QString &text)
{
    const double size = ShrinkFontToFit(report, text, rect.Width() + 1);
    const double top = rect.Top + (rect.Height() - 1.4 * report.LineHeight()) / 2;
    PrintOnLine(report, rect, text, top, TPlace::Center);
    SetReportFontSize(report, size);
}

int PrintTitleBand(TCanvasReport &report, TCalendarAttributes &attributes, const TRect &r,
                   const QString &title)
{
    const TRect band = PlaceTitleBand(attributes, r);
    if (attributes.TitleBackColor != clWhite)
        FillRect(*report.Canvas(), {band.Left, band.Top, band.Right, band.Bottom + 1},
                 attributes.TitleBackColor);
    SetReportFont(report, attributes.TitleFont);
    PrintCentred(report, band, MonthTitle(attributes, title));
    return band.Bottom;
}

int PrintDayNames(TCanvasReport &report, TCalendarAttributes &attributes, const TRect &r, int top)
{
    SetReportFont(report, attributes.HeadersFont);
    const TRect row{r.Left, top, r.Right, top + Trunc(1.5 * report.LineHeight())};
    attributes.DayNamesRect = row;
    FillRect(*report.Canvas(), {row.Left, row.Top, row.Right, row.Bottom + 1},
             attributes.HeadersBackColor);
    DrawBorderLines(*report.Canvas(), row, attributes.HeadersBorder);
    const TRect days = DayColumns(attributes, r);
    const int cw = days.Width() / 7;
    for (int j = 0; j < 7; ++j)
        PrintCentred(report,
                     {days.Left + j * cw + 1, row.Top, days.Left + j * cw + cw - 1, row.Bottom},
                     ColumnDayName(attributes, j));
    return row.Bottom;
}

// Each cell's outline in the cell border style, the last column and row
// reaching the grid's right and bottom edges; the week column, when there is
// one, is a column of cells of its own.
void PrintCellLines(TCanvasReport &report, const TCalendarAttributes &attributes, const TRect &r,
                    int gt, int rh)
{
    const TRect days = DayColumns(attributes, r);
    const int cw = days.Width() / 7;
    const auto left = [&](int j) { return j < 0 ? r.Left : days.Left + j * cw; };
    QList<QRect> lines;
    for (int row = 0; row < 6; ++row) {
        for (int j = days.Left == r.Left ? 0 : -1; j < 7; ++j) {
            const TRect cell{left(j), gt + row * rh, j == 6 ? r.Right : left(j + 1),
                             row == 5 ? r.Bottom : gt + (row + 1) * rh};
            AddBorderLines(lines, cell, attributes.CellBorder);
        }
    }
    FillRects(*report.Canvas(), lines, clBlack);
}

void PrintCells(TCanvasReport &report, TCalendarAttributes &attributes, const TRect &r, int gt,
                int rh)
{
    const bool upperRight = attributes.NumberPosition == cnpUpperRight;
    const int inset = Round(0.05 * report.XDpi());
    const int textInset = TextInset(report);
    for (int row = 0; row < 6; ++row) {
        for (int j = 0; j < 7; ++j) {
            const int index = 7 * row + j + 1;
            const TRect total = CellRect(attributes, r, gt, rh, row, j, textInset);
            const int day =
                DayInCell(index, attributes.Month, attributes.Year, attributes.StartOfWeek);
            if (day != 0)
                PrintOnLine(report, total, QString::number(day), total.Top,
                            upperRight ? TPlace::Right : TPlace::Center, total.Right - inset);
            attributes.CellGeometry[index - 1] = {
                total, day,
                upperRight
                    ? TRect{total.Left, total.Top + report.LineHeight(), total.Right, total.Bottom}
                    : TRect{}};
        }
    }
}

// The week-number column as on screen; filled only when its colour is not
// white, as paper is.
void PrintWeekColumn(TCanvasReport &report, TCalendarAttributes &attributes, const TRect &r, int gt,
                     int rh)
{
    RecordWeekCells(attributes, r, gt, rh);
    const int right = DayColumns(attributes, r).Left;
    if (right == r.Left)
        return;
    if (attributes.HeadersBackColor != clWhite)
        FillRect(*report.Canvas(), {r.Left + 1, gt + 1, right, r.Bottom},
                 attributes.HeadersBackColor);
    SetReportFont(report, WeekNumberFont(attributes));
    for (const TWeekCell &cell : attributes.WeekCells) {
        if (cell.Number != 0)
            PrintCentred(report, cell.Rect, QString::number(cell.Number));
    }
}

void PrintPlannerBody(TCanvasReport &report, TCalendarAttributes &attributes,
                      const TPlannerRows &rows)
{
    const int rowCount = int(rows.RowLabels.size());
    if (rowCount < 1 || rowCount > CellCount)
        return;
    attributes.CellGeometry.fill(TCellGeometry{});
    const TRect r = InnerRect(attributes.CalRect);
    FillRect(*report.Canvas(), attributes.CalRect, attributes.BackColor);

    SetReportFont(report, attributes.TitleFont);
    const TRect band{r.Left + 5, r.Top + 1, r.Right - 5,
                     r.Top + 1 + Trunc(1.6 * report.LineHeight())};
    attributes.TitleRect = band;
    const double titleSize = ShrinkFontToFit(report, rows.Title, band.Width() + 1);
    PrintOnLine(report, band, rows.Title, band.Top, TPlace::Center);
    SetReportFontSize(report, titleSize);

    const TPlannerBody body = PlannerBody(r, band.Bottom, rowCount);
    DrawPlannerFrame(*report.Canvas(), body, attributes.HeadersBackColor);
    const TRect &box = body.Box;
    const int rh = body.RowHeight;
    const int xc = body.ColumnEdge;

    SetReportFont(report, attributes.HeadersFont);
    for (int i = 0; i < rowCount; ++i) {
        const int top = box.Top + i * rh + 1;
        const TRect upper{box.Left + 1, top, xc, top + rh / 2};
        PrintOnLine(report, upper, rows.RowLabels.value(i), upper.Bottom - report.LineHeight(),
                    TPlace::Center);
        PrintOnLine(report, upper, rows.DateLabels.value(i), upper.Bottom, TPlace::Center);
    }
    QList<QRect> lines;
    AddFill(lines, VerticalLineRect(xc, box.Top, box.Bottom));
    for (int i = 1; i < rowCount; ++i)
        AddFill(lines, HorizontalLineRect(box.Left, box.Right, box.Top + i * rh));
    FillRects(*report.Canvas(), lines, clBlack);
    RecordPlannerCells(attributes, body, rowCount, rows.DateLabels, TextInset(report));
}

} // namespace

void PrintMonthGrid(TCanvasReport &report, TCalendarAttributes &attributes, const QString &title)
{
    if (!report.HasCanvas())
        return;
    const TRect r = InnerRect(attributes.CalRect);
    FillRect(*report.Canvas(), attributes.CalRect, attributes.BackColor);

    const int titleBottom = PrintTitleBand(report, attributes, r, title);
    const int gt = PrintDayNames(report, attributes, r, titleBottom + 1);
    const int rh = (r.Bottom - gt) / 6;
    PrintWeekColumn(report, attributes, r, gt, rh);
    SetReportFont(report, attributes.CellFont);
    PrintCellLines(report, attributes, r, gt, rh);
    PrintCells(report, attributes, r, gt, rh);
    DrawBorderLines(*report.Canvas(), r, attributes.CalendarBorder);
}

void PrintWeekPlanner(TCanvasReport &report, TCalendarAttributes &attributes, const QString &title)
{
    if (report.HasCanvas())
        PrintPlannerBody(report, attributes, WeekPlannerRows(attributes, title));
}

void PrintDayPlanner(TCanvasReport &report, TCalendarAttributes &attributes, const QString &title)
{
    if (report.HasCanvas())
        PrintPlannerBody(report, attributes, DayPlannerRows(attributes, title));
}
