#pragma once

#include "Color.h"
#include "FontDesc.h"
#include "LabelTypes.h"
#include "SuperTextTypes.h"

#include <QString>

// What the three label kinds show, as values the objects hold and their
// setters change: the box all three draw, the line of text with its shadow
// copy the text label and the special-effect text share, and what each of
// those two adds.

// The background and frame of every label kind.
struct TLabelBox
{
    bool Transparent = true;
    TColor BackColor = clWhite;
    TBorderStyle BorderStyle = bsNone;

    friend bool operator==(const TLabelBox &, const TLabelBox &) = default;
};

// One line of text in one font, with a copy of it as its shadow.
struct TLabelLineLook : TLabelBox
{
    QString Caption = QStringLiteral("Text");
    TFontDesc Font;
    int ShadowDepth = 0;
    TShadowDirection ShadowDirection = sdDownRight;
    TColor ShadowColor = clGray;

    friend bool operator==(const TLabelLineLook &, const TLabelLineLook &) = default;
};

// The text label: a turned, aligned line with a highlight copy as well.
struct TTextLabelLook : TLabelLineLook
{
    TAlignment Alignment = taLeftJustify;
    int HighlightDepth = 0;
    THighlightDirection HighlightDirection = hdUpLeft;
    TColor HighlightColor = clAqua;
    int Angle = 0;

    friend bool operator==(const TTextLabelLook &, const TTextLabelLook &) = default;
};

// Special-effect text: a surface, a gradient and an outline on the line.
struct TSuperTextLook : TLabelLineLook
{
    TFillDirection FillDirection = gdRight;
    TColor GradientTo = clYellow;
    TColor GradientFrom = clBlue;
    TColor OutlineColor = clBlack;
    TPenStyle OutlineStyle = psSolid;
    int OutlineWidth = 1;
    TSurfaceType SurfaceType = stGradientFill;
    QString LastBitmapPath;

    friend bool operator==(const TSuperTextLook &, const TSuperTextLook &) = default;
};
