#pragma once

#include "CalendarAttributes.h"

class TCanvasReport;

// The drawing library on a report, in the report's device pixels: the same
// calendar as on a bitmap, with fonts at their point size, text placed on the
// report's current line and cut from its end to fit, the title band filled
// only when it is not white, and the cell lines drawn cell by cell. Each
// routine records the printed geometry in attributes.
void PrintMonthGrid(TCanvasReport &report, TCalendarAttributes &attributes, const QString &title);
void PrintWeekPlanner(TCanvasReport &report, TCalendarAttributes &attributes, const QString &title);
void PrintDayPlanner(TCanvasReport &report, TCalendarAttributes &attributes, const QString &title);
