#pragma once

#include "CalendarTypes.h"

#include <array>

// What the page's layout depends on.
struct TLayoutInput
{
    TCalendarLayout Layout = loFullCalendar;
    int PaperSize = 0; // 0 Letter, 1 A4
    float LeftMarginInch = 0.25f;
    float TopMarginInch = 0.25f;
    float RightMarginInch = 0.25f;
    float BottomMarginInch = 0.25f;
    bool HasBorder = false; // a border picture is named
    int MainCalMonth = 1;
    int MainCalYear = 1997;
    int Ppi = 96;
};

// The layout's results, in screen pixels of the page at scale 1. Minis are
// numbered from 1 as the page numbers them; entry k - 1 holds mini k.
struct TLayoutResult
{
    TCalendarOrientation Orientation = coPortrait;
    int PageWidth = 0;
    int PageHeight = 0;
    TRect BorderRect;
    TRect MainRect;
    std::array<TRect, MaxMinis> MiniRects{};
    std::array<TMonthYear, MaxMinis> MiniMonths{};
    int MiniCount = 0;
    bool ShowMonthGrid = false;
    bool ShowMinis = false;
    bool ShowPlanner = false;
    // The mini title font size the layout asks for; 0 when it leaves the
    // mini font sizes as they are.
    int MiniFontSize = 0;
};

// Lays the page out for input. Starting from the previous results in result:
// the mini-calendar-only layouts leave MainRect as it was, and the layouts
// without minis leave MiniCount, MiniRects and MiniMonths as they were.
void LayoutCalendar(const TLayoutInput &input, TLayoutResult &result);

// Fills mini rectangles firstIndex to lastIndex (numbered from 1) with a grid
// of rows x columns cells dividing area, gaps of 1 % between them, the last
// column and row flush with the area's right and bottom edges.
void DivideGrid(TLayoutResult &result, const TRect &area, int rows, int columns, int firstIndex,
                int lastIndex);

// The orientation a layout forces: landscape for the odd layouts 1 to 17.
TCalendarOrientation OrientationOfLayout(TCalendarLayout layout);

// The mini headers and mini cell font size that goes with a mini title size.
int MiniSmallFontSize(int miniTitleSize);
