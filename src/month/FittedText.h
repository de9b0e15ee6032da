#pragma once

#include "Rect.h"

#include <QFont>
#include <QString>

class QPaintDevice;
class QPainter;

// A line of text that would not fit its room, drawn whole in a smaller font.

// The smallest size a font of size is shrunk to before its text is cut
// instead: half of size, but never below 6 points, and a font already smaller
// than that is not shrunk at all. unitsPerPoint says what size is measured
// in: 1 for points, the pixels of a point for a size in pixels.
double SmallestFittedSize(double size, double unitsPerPoint);

// One line of text in rect as DrawTextLine draws it, with the painter's font
// made just small enough for the text to fit rect's width where it is wider,
// but no smaller than SmallestFittedSize; text that does not fit even then is
// cut by rect. Text that fits is drawn exactly as by DrawTextLine.
void DrawFittedTextLine(QPainter &target, const TRect &rect, const QString &text, int alignment);

// font, of a size in the screen's pixels, made just small enough that text is
// no wider than width on device, but no smaller than SmallestFittedSize; font
// itself when the text fits.
QFont FontFittingWidth(const QFont &font, const QString &text, int width, QPaintDevice *device);
