#pragma once

#include "Color.h"
#include "PrintTypes.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QString>

// The pen, brush and font a report draws with, kept as plain values and
// turned into Qt's tools only when drawing at a device's resolution.

struct TReportPen
{
    TColor Color = clBlack;
    TPenStyle Style = psSolid;
    TPenMode Mode = pmCopy;
    // Device pixels; a negative width is thousandths of an inch.
    int Width = 1;

    friend bool operator==(const TReportPen &, const TReportPen &) = default;
};

// The pen's width in device pixels at dpi: at least 1.
int PenWidthPixels(int width, int dpi);
// The pen for drawing lines: flat ends, so a line covers its start point and
// stops before its end point.
QPen ToQPen(const TReportPen &pen, int dpi);
QPainter::CompositionMode ToCompositionMode(TPenMode mode);

struct TReportBrush
{
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
    // When not null the brush paints this picture tiled instead of a colour.
    QImage Pattern;
};

QBrush ToQBrush(const TReportBrush &brush);

struct TReportFont
{
    QString Name = QStringLiteral("Arial");
    double Size = 10;
    TColor Color = clBlack;
    // Tenths of a degree, counter-clockwise.
    int Rotation = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    friend bool operator==(const TReportFont &, const TReportFont &) = default;
};

// The font at a device of dpi pixels per inch: the size in points becomes a
// pixel size, rounded and at least 1, so text measures the same on every
// device of that resolution.
QFont ToQFont(const TReportFont &font, int dpi);
