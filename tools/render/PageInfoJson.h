#pragma once

#include <QByteArray>
#include <QList>

class TCalendarPage;
class TComponent;

// The page as one JSON object: the file version, every style value by its
// property name (fonts as {name, size, bold, italic, underline, strikeout,
// color}), the border, date, week start, planner start, user title, the text
// of every non-empty cell (paragraphs joined by "\n") and the placed objects.
QByteArray PageInfoJson(const TCalendarPage &page, const QList<const TComponent *> &objects);
