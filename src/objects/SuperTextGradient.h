#pragma once

#include "Color.h"
#include "SuperTextTypes.h"

#include <QImage>
#include <QSize>

// The gradient special-effect text is filled with: 256 bands across the
// object, each of one colour, from the start colour to the end colour.

inline constexpr int GradientBands = 256;

// Where band i of a gradient over length pixels begins: i * length / 256,
// rounded half to even. Band i ends where band i + 1 begins.
double GradientBandEdge(int i, double length);
int GradientBandPixel(int i, int length);

// The colour of band i: each of red, green and blue is start + i * (end -
// start) / 255 rounded half to even, kept to 8 bits. Band 255 is the end
// colour.
TColor GradientBandColor(int i, TColor start, TColor end);

// The colour the gradient starts from: from for gdDown and gdRight, to for
// gdUp and gdLeft; and the one it ends at.
TColor GradientStart(TFillDirection direction, TColor from, TColor to);
TColor GradientEnd(TFillDirection direction, TColor from, TColor to);
// Whether the bands are columns (gdLeft, gdRight) rather than rows.
bool GradientAcross(TFillDirection direction);

// The gradient bitmap of size; null when the size is empty or too large to
// keep.
QImage MakeGradientBitmap(QSize size, TFillDirection direction, TColor from, TColor to);
