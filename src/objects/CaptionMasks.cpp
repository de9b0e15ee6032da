#include "CaptionMasks.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace {

// Larger masks are not made: such text is painted through an empty mask
// rather than take unbounded memory.
constexpr qint64 MaxMaskPixels = qint64(4096) * 4096;

TShapeMask MakeMask(const QRectF &bounds, const std::function<void(QPainter &)> &draw)
{
    const QRect pixels(
        QPoint(int(std::floor(bounds.left())) - 1, int(std::floor(bounds.top())) - 1),
        QPoint(int(std::ceil(bounds.right())) + 1, int(std::ceil(bounds.bottom())) + 1));
    TShapeMask mask;
    mask.Origin = pixels.topLeft();
    if (pixels.isEmpty() || qint64(pixels.width()) * pixels.height() > MaxMaskPixels)
        return mask;
    mask.Image = QImage(pixels.size(), QImage::Format_ARGB32_Premultiplied);
    if (mask.Image.isNull())
        return mask;
    mask.Image.fill(Qt::transparent);
    QPainter painter(&mask.Image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-mask.Origin);
    draw(painter);
    return mask;
}

} // namespace

const QPainterPath &TCaptionMasks::Path(const QFont &font, const QString &caption)
{
    if (caption != m_caption || font != m_font || m_path.isEmpty() != caption.isEmpty()) {
        m_caption = caption;
        m_font = font;
        m_path = QPainterPath();
        m_path.addText(0, QFontMetrics(font).ascent(), font, caption);
        m_hasFill = false;
        m_hasStroke = false;
    }
    return m_path;
}

const TShapeMask &TCaptionMasks::Fill(const QFont &font, const QString &caption)
{
    const QPainterPath &path = Path(font, caption);
    if (!m_hasFill) {
        m_fill = MakeMask(path.boundingRect(),
                          [&path](QPainter &painter) { painter.fillPath(path, Qt::black); });
        m_hasFill = true;
    }
    return m_fill;
}

const TShapeMask &TCaptionMasks::Stroke(const QFont &font, const QString &caption, const QPen &pen)
{
    const QPainterPath &path = Path(font, caption);
    QPen black = pen;
    black.setColor(Qt::black);
    if (!m_hasStroke || black != m_pen) {
        const double reach = pen.widthF() / 2 + 1;
        m_stroke =
            MakeMask(path.boundingRect().adjusted(-reach, -reach, reach, reach),
                     [&path, &black](QPainter &painter) { painter.strokePath(path, black); });
        m_pen = black;
        m_hasStroke = true;
    }
    return m_stroke;
}

void PaintThroughMask(QPainter &canvas, const TShapeMask &mask, QPoint at,
                      const std::function<void(QPainter &layer)> &paint)
{
    if (mask.Image.isNull())
        return;
    QImage layer = mask.Image;
    const QPoint corner = at + mask.Origin;
    {
        QPainter painter(&layer);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.translate(-corner);
        paint(painter);
    }
    canvas.drawImage(corner, layer);
}
