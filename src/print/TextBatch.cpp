#include "TextBatch.h"

#include <QPainter>

void TTextBatch::Add(QPainter &painter, const QGlyphRun &run, QPointF origin, const QColor &color)
{
    if (!m_glyphs.isEmpty() && (run.rawFont() != m_font || color != m_color))
        Flush(painter);
    m_font = run.rawFont();
    m_color = color;
    m_glyphs.append(run.glyphIndexes());
    for (const QPointF &position : run.positions())
        m_positions.append(origin + position);
}

void TTextBatch::Flush(QPainter &painter)
{
    if (m_glyphs.isEmpty())
        return;
    QGlyphRun run;
    run.setRawFont(m_font);
    run.setGlyphIndexes(m_glyphs);
    run.setPositions(m_positions);
    const QPen pen = painter.pen();
    painter.setPen(m_color);
    painter.drawGlyphRun(QPointF(0, 0), run);
    painter.setPen(pen);
    Clear();
}

void TTextBatch::Clear()
{
    m_glyphs.clear();
    m_positions.clear();
}
