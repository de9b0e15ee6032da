#pragma once

#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QPoint>
#include <QString>

#include <functional>

class QPainter;

// The coverage of a shape, smoothed at its edges: black whose alpha is how
// much of each pixel the shape covers. Origin is where the image's top-left
// pixel lies in the shape's coordinates.
struct TShapeMask
{
    QImage Image;
    QPoint Origin;
};

// A caption's glyph outlines and their masks, kept until the caption, the
// font or the outline's pen changes: painting then only colours them, which
// costs a fraction of filling and stroking the outlines afresh.
class TCaptionMasks
{
public:
    // The caption's outlines in font with its top-left at (0, 0).
    const QPainterPath &Path(const QFont &font, const QString &caption);
    // What filling the outlines covers.
    const TShapeMask &Fill(const QFont &font, const QString &caption);
    // What stroking the outlines with pen covers.
    const TShapeMask &Stroke(const QFont &font, const QString &caption, const QPen &pen);

private:
    QString m_caption;
    QFont m_font;
    QPainterPath m_path;
    TShapeMask m_fill;
    bool m_hasFill = false;
    QPen m_pen;
    TShapeMask m_stroke;
    bool m_hasStroke = false;
};

// Paints through mask placed with its shape's (0, 0) at at: paint draws in
// canvas coordinates and shows only where the mask covers.
void PaintThroughMask(QPainter &canvas, const TShapeMask &mask, QPoint at,
                      const std::function<void(QPainter &layer)> &paint);
