#pragma once

#include "CalendarTypes.h"

#include <QPoint>
#include <QString>

#include <functional>

class TCalendarPage;

// A drag with the left button from one point of the page to another, as the
// design surface passes it on: the tool of the page's view acts on it.
void DragOnPage(TCalendarPage &page, QPoint from, QPoint to);
// The same with tool on, on a page no window shows: a view of the test's
// shows it at 100 % for the drag.
void DragWithTool(TCalendarPage &page, TLPanelState tool, QPoint from, QPoint to);

// A label saying "Picnic" and a rich-text label saying richText, placed with
// the page's own tools, which chooseTool puts on (the window's tool row, for
// a page the window shows); without it, as DragWithTool does. The label
// prompts that answer the tools stay set; clear them with SetLabelPrompts({}).
using TChooseTool = std::function<void(TLPanelState tool)>;
void PlaceBothLabels(TCalendarPage &page, const QString &richText,
                     const TChooseTool &chooseTool = {});
