#pragma once

#include <QColor>
#include <QGlyphRun>
#include <QList>
#include <QPointF>
#include <QRawFont>

class QPainter;

// Upright, undecorated texts of one font and colour gathered into one glyph
// run and drawn together. On paper every text drawn on its own carries its
// font, colour and position state, so a page of numbers and names costs
// several times what one run of them costs.
class TTextBatch
{
public:
    // Adds run with its origin at origin, drawing what waits first when it
    // is in another font or colour.
    void Add(QPainter &painter, const QGlyphRun &run, QPointF origin, const QColor &color);
    // Draws what waits, in its colour, leaving the painter's pen as it was.
    void Flush(QPainter &painter);
    // Forgets what waits without drawing it.
    void Clear();

private:
    QRawFont m_font;
    QColor m_color;
    QList<quint32> m_glyphs;
    QList<QPointF> m_positions;
};
