#pragma once

#include "CalendarAttributes.h"

#include <QImage>

class QPainter;
class TCalendarPage;
class TPaintCache;

// The page drawn at a zoom: what the screen shows and what picture export
// writes. Drawing at a zoom given writes nothing into the page: it returns
// the cells', title's and day names' geometry it laid out. The screen keeps
// the geometry of its last paint in the page's main attributes, for clicks
// and the cell editor, through the functions below that say so.

// What the page draws under its minis.
enum class TMainDrawing { None, MonthGrid, WeekPlanner, DayPlanner };
TMainDrawing MainDrawingOf(const TCalendarPage &page);

// The record for the month grid or planner, at scale (or its view's zoom),
// with the planner's days and hours set from the layout.
TCalendarAttributes MainDrawingAttributes(const TCalendarPage &page, float scale);
TCalendarAttributes MainDrawingAttributes(const TCalendarPage &page);
// The record shared by the mini calendars, at scale (or its view's zoom).
TCalendarAttributes MiniDrawingAttributes(const TCalendarPage &page, float scale);
TCalendarAttributes MiniDrawingAttributes(const TCalendarPage &page);

// The page's border picture, if it has one, stretched over rect.
void DrawBorderPicture(QPainter &target, const TCalendarPage &page, const TRect &rect);

// Draws the page at scale onto target (a white bitmap of the page's SizeAt):
// border picture, grid or planner with every non-empty cell's text, then the
// minis on top. Returns the geometry the grid or planner laid out. Cell text
// layouts are kept in cache between paints; the pictures kept there have
// pixelRatio device pixels to each pixel of the page, as target has.
TCalendarAttributes PaintPageAt(QPainter &target, const TCalendarPage &page, float scale,
                                TPaintCache &cache, qreal pixelRatio = 1);
// The geometry a paint at scale would lay out, drawn without pixels: for
// printing without a screen, where the cells' text follows that geometry.
TCalendarAttributes DrawingGeometryAt(const TCalendarPage &page, float scale);
// A new bitmap of the page's SizeAt holding the page drawn at scale, at pixelRatio
// device pixels to each of its pixels (a screen's scale): the same pixels,
// drawn finer. drawn, when given, receives the geometry laid out.
QImage PageImageAt(const TCalendarPage &page, float scale, TPaintCache &cache, qreal pixelRatio = 1,
                   TCalendarAttributes *drawn = nullptr);
// The page bitmap at scale with every visible placed object painted on top
// at that scale, in stacking order and without selection squares: the
// picture export's image of the page.
QImage PageBitmapAt(const TCalendarPage &page, float scale, TPaintCache &cache);
QImage PageBitmapAt(const TCalendarPage &page, float scale);

// The screen's paint at the zoom of the page's view, keeping its geometry in
// the page's main attributes: PaintPageAt, DrawingGeometryAt, PageImageAt and
// PageBitmapAt at Zoom().
void PaintPage(QPainter &target, TCalendarPage &page, TPaintCache &cache, qreal pixelRatio = 1);
void RecordDrawingGeometry(TCalendarPage &page);
QImage RenderPageImage(TCalendarPage &page, TPaintCache &cache, qreal pixelRatio = 1);
QImage RenderPageImage(TCalendarPage &page);
QImage RenderToBitmap(TCalendarPage &page, TPaintCache &cache);
QImage RenderToBitmap(TCalendarPage &page);

// Cell 1's text area widened by 5 pixels to the right and bottom: the size
// the cell renderer takes when printing; from the geometry drawn, or from
// the page's last screen paint.
TRect EditorCellRect(const TCalendarAttributes &drawn);
TRect EditorCellRect(const TCalendarPage &page);

// The page bitmap drawn at scale cut to the area inside the margins, as
// pictures are exported: margins truncated to pixels, the area stretched
// into a picture one pixel narrower and lower than it.
QImage PictureInsideMargins(const TCalendarPage &page, float scale, const QImage &pageImage);
