#pragma once

#include "CalendarAttributes.h"

#include <QStringList>

class QPainter;

// What the month grid and the planners draw, worked out once for the bitmap
// drawing and the printed one alike.

// The calendar's rectangle less one pixel at the right and bottom.
TRect InnerRect(const TRect &calRect);
// The title band as recorded: 17 % of the inner rectangle's height.
TRect TitleBand(const TRect &inner);
// The title band recorded in attributes.TitleRect, then raised to the
// lowest title height; this is the band that is filled and written in.
TRect PlaceTitleBand(TCalendarAttributes &attributes, const TRect &inner);
// The title: the given one, else the month name with or without the year.
QString MonthTitle(const TCalendarAttributes &attributes, const QString &title);
// The name over column (0 to 6), Sunday or Monday first, styled.
QString ColumnDayName(const TCalendarAttributes &attributes, int column);
// The week-number column left of the day columns: 8 % of the inner
// rectangle's width, none without week numbers.
int WeekColumnWidth(const TCalendarAttributes &attributes, const TRect &inner);
// What the seven day columns share: the inner rectangle right of the week
// column, all of it without week numbers.
TRect DayColumns(const TCalendarAttributes &attributes, const TRect &inner);
// The week numbers' font: the headers font at three quarters of its size,
// its colour halfway to the headers' background.
TFontDesc WeekNumberFont(const TCalendarAttributes &attributes);
// Records each grid row's week cell in attributes.WeekCells: the column's
// part of the row less a pixel at each side, and the row's number (0 for a
// row without a day of the month). All zeros without week numbers.
void RecordWeekCells(TCalendarAttributes &attributes, const TRect &inner, int gt, int rh);
// The title with the week number of the days from first: "Week N" for one
// or seven days, "Weeks N-M" for fourteen. The title alone without week
// numbers.
QString WithWeekNumber(const QString &title, TWeekNumbers rule, QDate first, int days);

// The cell's rectangle in a grid of rows rh high from gt, columns cw wide.
// With the number at the upper right its left edge keeps leftInset target
// pixels from the line, the gap the cell's text keeps: 4 on the bitmap, as
// many device pixels as make 4 screen pixels on paper.
constexpr int CellTextInset = 4;
TRect CellRect(const TCalendarAttributes &attributes, const TRect &inner, int gt, int rh, int row,
               int column, int leftInset = CellTextInset);
// The first and last horizontal grid line (0 to 6) a cell border style
// draws; first > last when it draws none.
std::pair<int, int> HorizontalGridLines(TCalBorderStyle style);

// The rows of a planner: its title and the label and date label of each row.
struct TPlannerRows
{
    QString Title;
    QStringList RowLabels;
    QStringList DateLabels;
};
TPlannerRows WeekPlannerRows(const TCalendarAttributes &attributes, const QString &title);
TPlannerRows DayPlannerRows(const TCalendarAttributes &attributes, const QString &title);
// The day of the month in the first two characters of a date label, or 0.
int DayOfDateLabel(const QString &label);

// A planner's body below its title band: the box, the height of a row and
// the right edge of the left column of labels.
struct TPlannerBody
{
    TRect Box;
    int RowHeight = 0;
    int ColumnEdge = 0;
};
TPlannerBody PlannerBody(const TRect &inner, int titleBottom, int rowCount);
// The body's white box with its outline and the left column's fill.
void DrawPlannerFrame(QPainter &target, const TPlannerBody &body, TColor columnColor);
// The rows' cells: the part of each row right of the labels, less inset
// pixels on every side (4 on the bitmap, as many device pixels as make 4
// screen pixels on paper), the day taken from the row's date label.
void RecordPlannerCells(TCalendarAttributes &attributes, const TPlannerBody &body, int rowCount,
                        const QStringList &dateLabels, int inset = CellTextInset);
