#pragma once

class TCanvasReport;
class TCalendarPage;
struct TCalendarAttributes;

// Prints the page on report at scale 1.0: page pixels become inches as
// x / ppi + offsetX and y / ppi + offsetY. The month grid or planner with the
// text of its cells (laid out as screen records a drawing of the page at the
// zoom it is shown at, so lines break where they do on screen), then the
// mini calendars, then every placed object laid out at zoom 1. Nothing is
// written into the page, so clicks and the cell editor keep working after
// printing and every copy prints alike.
void PrintPage(TCanvasReport &report, const TCalendarPage &page, const TCalendarAttributes &screen,
               double offsetX, double offsetY);
// The same, the cells breaking as the page's last screen paint laid them out.
void PrintPage(TCanvasReport &report, const TCalendarPage &page, double offsetX, double offsetY);
