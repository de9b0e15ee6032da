#pragma once

#include <QByteArray>

class TCalendarPage;

// The page's geometry after a paint, as one JSON object: layout, paper,
// orientation, zoom, ppi, page size, border and main rectangles, the flags,
// every mini (stale ones included), the title and day-name rectangles and the
// 42 cells. Rectangles are [left, top, right, bottom].
QByteArray GeometryJson(const TCalendarPage &page);
