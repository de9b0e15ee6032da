#pragma once

#include "Color.h"

#include <QFlags>
#include <QFont>
#include <QString>

enum class TFontStyle : unsigned {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFontStyles)

// A font as the page keeps it: face, size in points, style set and colour.
// It becomes a QFont only when painting.
struct TFontDesc
{
    QString Name;
    int Size = 10;
    TFontStyles Style;
    TColor Color = clWindowText;

    // A font given by a pixel height as a form stores it (-35 is 35 pixels
    // high at 96 ppi): the size in points, rounded to nearest with halves away
    // from zero. Here and below a ppi of 0 or less counts as 96.
    static int PointsFromHeight(int height, int ppi = 96);

    // The pixel height of this font's size at ppi, negative like a form height.
    int Height(int ppi = 96) const;

    // Equal in name (case-sensitive), style and colour; sizes not compared.
    bool SameLook(const TFontDesc &other) const;

    // The font for painting at a target of targetPpi pixels per inch, with the
    // size in points multiplied by zoom; the pixel size is set directly so the
    // result does not depend on the painting device's own resolution. The
    // pixel size is rounded and at least 1.
    QFont ToQFont(int targetPpi = 96, double zoom = 1.0) const;

    friend bool operator==(const TFontDesc &, const TFontDesc &) = default;
};
