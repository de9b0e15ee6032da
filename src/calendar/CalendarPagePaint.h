#pragma once

#include "CalendarAttributes.h"

#include <QImage>

class QPainter;
class TCalendarPage;
class TPaintCache;

// The page drawn at its zoom: what the screen shows and what picture export
// writes. Drawing records the cells', title's and day names' geometry in the
// page's main attributes, for clicks and the cell editor.

// What the page draws under its minis.
enum class TMainDrawing { None, MonthGrid, WeekPlanner, DayPlanner };
TMainDrawing MainDrawingOf(const TCalendarPage &page);

// The record for the month grid or planner, at the page's zoom, with the
// planner's days and hours set from the layout.
TCalendarAttributes MainDrawingAttributes(const TCalendarPage &page);
// The record shared by the mini calendars, at the page's zoom.
TCalendarAttributes MiniDrawingAttributes(const TCalendarPage &page);

// The page's border picture, if it has one, stretched over rect.
void DrawBorderPicture(QPainter &target, const TCalendarPage &page, const TRect &rect);

// Draws the page onto target (a white bitmap of the page's control size):
// border picture, grid or planner with every non-empty cell's text, then the minis on top.
// Cell text layouts are kept in cache between paints; the pictures kept there
// have pixelRatio device pixels to each pixel of the page, as target has.
void PaintPage(QPainter &target, TCalendarPage &page, TPaintCache &cache, qreal pixelRatio = 1);
// Runs the month grid or planner drawing without pixels, so that the page
// records the geometry a paint at its zoom would: for printing without a
// screen, where the cells' text follows that geometry.
void RecordDrawingGeometry(TCalendarPage &page);
// A new bitmap of the page's control size holding the page, drawn at
// pixelRatio device pixels to each of its pixels (a screen's scale): the
// same pixels, drawn finer.
QImage RenderPageImage(TCalendarPage &page, TPaintCache &cache, qreal pixelRatio = 1);
QImage RenderPageImage(TCalendarPage &page);
// The page bitmap with every visible placed object painted on top, in
// stacking order and without selection squares: the picture export's image
// of the page.
QImage RenderToBitmap(TCalendarPage &page, TPaintCache &cache);
QImage RenderToBitmap(TCalendarPage &page);

// Cell 1's text area widened by 5 pixels to the right and bottom: the size
// the cell renderer takes when printing.
TRect EditorCellRect(const TCalendarPage &page);

// The page bitmap cut to the area inside the margins at the page's zoom, as
// pictures are exported: margins truncated to pixels, the area stretched into
// a picture one pixel narrower and lower than it.
QImage PictureInsideMargins(const TCalendarPage &page, const QImage &pageImage);
