#pragma once

#include "Rect.h"

#include <QFont>
#include <QString>

class QPaintDevice;
class QPainter;

// A line of text that would not fit its room, drawn whole in a smaller font.

// One line of text in rect as DrawTextLine draws it, with the painter's font
// made just small enough for the text to fit rect's width where it is wider;
// text that fits is drawn exactly as by DrawTextLine.
void DrawFittedTextLine(QPainter &target, const TRect &rect, const QString &text, int alignment);

// font, of a size in pixels, made just small enough that text is no wider
// than width on device; font itself when the text fits.
QFont FontFittingWidth(const QFont &font, const QString &text, int width, QPaintDevice *device);
