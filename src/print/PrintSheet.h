#pragma once

#include "Rect.h"

#include <QSizeF>

class QPainter;

// A sheet made for a print service: the page (the trim) with a bleed around
// it, into which what reaches the page's edge is drawn on so that no white
// line shows after cutting, and crop marks outside the bleed showing where
// to cut.
struct TPrintSheet
{
    // The usual bleed print services ask for, and the most they would.
    static constexpr double DefaultBleedMm = 3.0;
    static constexpr double MaxBleedMm = 10.0;

    double BleedMm = DefaultBleedMm;
    bool CropMarks = true;
};

// How far the sheet reaches beyond the trim on each side, in millimetres:
// the bleed, and room for the marks when there are marks.
double SheetMarginMm(const TPrintSheet &sheet);

// The sheet's size for a trimmed page of trimMm.
QSizeF SheetSizeMm(QSizeF trimMm, const TPrintSheet &sheet);

// Device extended by bleed on every side that reaches (within tolerance of)
// the trim's edge or beyond; the sides inside the trim stay where they are.
TRect BleedOut(const TRect &device, const TRect &trim, int bleed, int tolerance);

// The crop marks around trim, in device pixels at dpi: two short lines at each
// corner, in line with the trim's edges and starting bleed beyond it.
void DrawCropMarks(QPainter &painter, const TRect &trim, int bleed, int dpi);
