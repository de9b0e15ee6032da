#pragma once

#include "CalendarTypes.h"
#include "Color.h"
#include "FontDesc.h"

#include <QDateTime>

#include <array>

// Everything one drawing of a calendar needs, and what the drawing records
// back: the 42 cell geometries, the title band and the day-name row. The page
// keeps one for the month grid or planner and one reused for each mini.
struct TCalendarAttributes
{
    TColor BackColor = clWhite;
    TColor TitleBackColor = clWhite;
    int MinTitleHeight = 0; // lowest title band height in target pixels, 0 for none
    int Month = 1;
    int Year = 1997;
    int Day = 0; // planners only
    TRect CalRect;
    TCalendarNumberPosition NumberPosition = cnpUpperRight;
    int StartOfWeek = 1;
    TCalBorderStyle CalendarBorder = cbAll;
    TFontDesc TitleFont;
    bool TitleShowYear = true;
    TFontDesc HeadersFont;
    TCalBorderStyle HeadersBorder = cbAll;
    TCalHeadersStyle HeadersStyle = dsThreeChars;
    TColor HeadersBackColor = clWhite;
    TFontDesc CellFont;
    TCalBorderStyle CellBorder = cbAll;
    std::array<QString, 12> MonthNames;
    std::array<QString, 7> DayNames; // Sunday first
    std::array<TCellGeometry, CellCount> CellGeometry{};
    TRect TitleRect;
    TRect DayNamesRect;
    TWeekNumbers WeekNumbers = wnNone;
    std::array<TWeekCell, 6> WeekCells{}; // written by the drawing, one per grid row
    int PlannerDays = 7;
    int PlannerHours = 10;
    QTime PlannerStart{8, 0};
    int ZoomPercent = 100; // the zoom the cells' text is drawn at
};
