#pragma once

#include <QPoint>
#include <QStringList>

// The values a text label is described by, stored in documents by their
// identifiers.

// Whether a label draws a 1-pixel black frame round itself.
enum TBorderStyle : int { bsNone, bsSingle };

// Horizontal placement of unrotated text.
enum TAlignment : int { taLeftJustify, taRightJustify, taCenter };
// Where the shadow copy of a label's text falls.
enum TShadowDirection : int { sdNone, sdRight, sdLeft, sdDownRight, sdDownLeft, sdDown };
// Where the highlight copy of a label's text falls.
enum THighlightDirection : int { hdNone, hdright, hdLeft, hdUpRight, hdUpLeft, hdUp };

QStringList BorderStyleNames();
QStringList AlignmentNames();
QStringList ShadowDirectionNames();
QStringList HighlightDirectionNames();

// The offset of the shadow copy of depth pixels in direction.
QPoint ShadowOffset(TShadowDirection direction, int depth);
// The offset of the highlight copy of depth pixels in direction.
QPoint HighlightOffset(THighlightDirection direction, int depth);
