#pragma once

#include <QByteArray>

class TCalendarPage;

// The page as one JSON object: the file version, every style value by its
// property name (fonts as {name, size, bold, italic, underline, strikeout,
// color}), the border, date, week start, planner start, user title, the text
// of every non-empty cell (paragraphs joined by "\n") and the placed objects
// in stacking order (class, name, bounds as drawn at scale, lock and
// selectability).
QByteArray PageInfoJson(const TCalendarPage &page, float scale);
