#pragma once

#include "WmfObjects.h"

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <optional>
#include <vector>

// One text record of a metafile, in logical units.
struct TWmfTextRun
{
    QPointF Origin;
    QString Text;
    std::vector<double> Advances; // to each next character; empty for the font's own
    int Align = 0;                // WmfValue::Align* bits
    std::optional<QRectF> OpaqueRect;
    std::optional<QRectF> ClipRect;
};

struct TWmfTextStyle
{
    TWmfFont Font;
    QColor Color;
    QColor Background;
    bool OpaqueBackground = false;
};

// Draws run as the windowing system does: the font's height follows the
// vertical scale of toBase (logical to the painter's coordinates at base, its
// transform when playing began), glyphs stay upright whatever way the axes
// point, and the baseline turns by the font's escapement. Returns the advance
// of the text in logical x units.
double DrawWmfText(QPainter &painter, const QTransform &toBase, const QTransform &base,
                   const TWmfTextRun &run, const TWmfTextStyle &style);
