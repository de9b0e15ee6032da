#pragma once

#include <QPoint>
#include <QString>

class TCalendarPage;

// A drag with the left button from one point of the page to another, as the
// design surface passes it on: the page's current tool acts on it.
void DragOnPage(TCalendarPage &page, QPoint from, QPoint to);

// A label saying "Picnic" and a rich-text label saying richText, placed with
// the page's own tools. The label prompts that answer the tools stay set;
// clear them with SetLabelPrompts({}).
void PlaceBothLabels(TCalendarPage &page, const QString &richText);
