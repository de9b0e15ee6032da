#pragma once

class TCanvasReport;
class TCalendarPage;

// Prints the page on report at scale 1.0: page pixels become inches as
// x / ppi + offsetX and y / ppi + offsetY. The month grid or planner with the
// text of its cells (recorded as the screen last showed it, so lines break
// where they do on screen), then the mini calendars, then every placed
// object. The page's own record
// of the screen geometry is left as it is, so clicks and the cell editor
// keep working after printing and every copy prints alike.
void PrintPage(TCanvasReport &report, const TCalendarPage &page, double offsetX, double offsetY);
