#pragma once

#include "CalendarTypes.h"

#include <array>

// What the drawing of a calendar records for hit-testing and cell editing:
// the 42 cell geometries, the title band and the day-name row.
struct TCalendarAttributes
{
    std::array<TCellGeometry, CellCount> CellGeometry{};
    TRect TitleRect;
    TRect DayNamesRect;
};
