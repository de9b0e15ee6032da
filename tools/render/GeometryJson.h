#pragma once

#include <QByteArray>

class TCalendarPage;
struct TCalendarAttributes;

// The page's geometry as a paint at scale laid it out (drawn), as one JSON
// object: layout, paper, orientation, zoom, ppi, page size, border and main
// rectangles, the flags, every mini (stale ones included), the title and
// day-name rectangles and the 42 cells. Rectangles are [left, top, right,
// bottom].
QByteArray GeometryJson(const TCalendarPage &page, float scale, const TCalendarAttributes &drawn);
