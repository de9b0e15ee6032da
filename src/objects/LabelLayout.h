#pragma once

#include "FontDesc.h"
#include "LabelTypes.h"
#include "Rect.h"

#include <QFont>
#include <QPoint>
#include <QString>

// What places a text label's line of text: its caption and font, the zoom it
// is shown at, its rotation and alignment, and the offsets of its shadow and
// highlight copies.
struct TLabelLayoutInput
{
    QString Caption;
    TFontDesc Font;
    float Scale = 1.0f;
    int Angle = 0;
    TAlignment Alignment = taLeftJustify;
    QPoint Shadow;
    QPoint Highlight;
    // The pixels per inch the font is measured at.
    int Ppi = 96;
};

// Where a label draws its text and the two copies, and the size the label
// takes so that the text fits across it.
struct TLabelLayout
{
    // The drawing font: the label's font at the zoom, unrotated (the painter
    // turns it).
    QFont Font;
    int Angle = 0;
    // The line's height (character height with both leadings) and the
    // caption's width with one space after it.
    int LineHeight = 0;
    int TextWidth = 0;
    // The margins negative offsets need on the left and at the top.
    int MarginX = 0;
    int MarginY = 0;
    // The label's size once laid out.
    int Width = 0;
    int Height = 0;
    // The rectangles each copy is clipped to, in the label's pixels.
    TRect Text;
    TRect Shadow;
    TRect Highlight;
    // Where each copy's text starts: the top left corner of its first
    // character cell, turned with the text.
    QPoint TextOrigin;
    QPoint ShadowOrigin;
    QPoint HighlightOrigin;
};

// The drawing font of a label: its font with the size in points truncated to
// the zoom, at ppi.
QFont LabelDrawingFont(const TFontDesc &font, float scale, int ppi);

// Lays the label's text out in a label of width x height pixels: measures
// the caption, keeps the size across the text between the height the text
// and its copies take (B) and 1.2 x B, shortens a rotated label's length to
// 1.2 x its text, places the text rectangle inside the margins, the copies
// beside it, and aligns unrotated text.
TLabelLayout LayoutLabelText(const TLabelLayoutInput &input, int width, int height);
