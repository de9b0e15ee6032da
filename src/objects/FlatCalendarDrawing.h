#pragma once

#include "FlatCalendarLook.h"
#include "Rect.h"

#include <QList>
#include <QString>

#include <array>

class QPainter;

// Where a floating mini calendar draws what, in its own pixels (0, 0) to
// (Width, Height), worked out before anything is painted. Rectangles are
// TRect (right and bottom exclusive); the frame coordinates L, T, R, B of
// the calendar are inclusive, as its border lines are drawn on them.
struct TFlatCalendarGeometry
{
    bool HasShadow = false;
    // Filled in the shadow colour: the shadow rectangle grown by one pixel
    // to the right and bottom.
    TRect Shadow;
    // The calendar rectangle and, inside it, the frame (R and B one less).
    TRect Calendar;
    int L = 0, T = 0, R = 0, B = 0;
    // The fonts at the zoom.
    TFontDesc TitleFont, DayNameFont, CellFont;
    // The title row from T down, and its text.
    int TitleBottom = 0;
    QString Title;
    // The weekday row below it, and the body below that to B.
    int DayRowBottom = 0;
    int ColumnWidth = 0;
    int RowHeight = 0;
    // The week-number column's width left of the day columns (0 for none),
    // its font at the zoom and each row's number (0 for none).
    int WeekColumn = 0;
    TFontDesc WeekFont;
    std::array<int, 6> WeekNumbers{};
    std::array<QString, 7> DayHeaders;
    // The day shown in row r, column i at index 7 r + i; 0 for none.
    std::array<int, 42> Days{};
    // The body's lines by the cell border style, each as the pixels it
    // covers.
    QList<TRect> BodyLines;

    // The text rectangle of weekday column i and of the cell in row r,
    // column i.
    TRect DayHeaderRect(int i) const;
    TRect CellRect(int r, int i) const;
    // The text rectangle of row r's week number.
    TRect WeekCellRect(int r) const;
};

// The geometry of a calendar of width by height pixels at zoom scale, its
// fonts at ppi pixels per inch.
TFlatCalendarGeometry FlatCalendarGeometry(const TFlatCalendarLook &look, int width, int height,
                                           float scale, int ppi);

// The pixels the border lines of style cover around the frame (left, top,
// right, bottom), the corners included.
QList<TRect> FlatBorderLines(TFlatCalBorderStyle style, int left, int top, int right, int bottom);

// Draws the calendar as laid out, fonts at ppi pixels per inch.
void DrawFlatCalendar(QPainter &target, const TFlatCalendarLook &look,
                      const TFlatCalendarGeometry &geometry, int ppi);
