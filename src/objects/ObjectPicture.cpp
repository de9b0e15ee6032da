#include "ObjectPicture.h"

#include <QPaintEngine>
#include <QPainter>

namespace {

// Whether target puts pixels one for one: a bitmap or the screen, not
// scaled or turned.
// Larger objects are painted directly rather than kept.
constexpr qint64 MaxKeptPixels = qint64(4096) * 4096;

bool DrawsPixels(const QPainter &target)
{
    const QPaintEngine *engine = target.paintEngine();
    return engine && engine->type() == QPaintEngine::Raster &&
           target.worldTransform().type() <= QTransform::TxTranslate;
}

} // namespace

void TObjectPicture::Paint(QPainter &target, QSize size, double zoom, quint64 revision,
                           const TPaint &paint)
{
    const qreal ratio = target.device() ? target.device()->devicePixelRatioF() : 1.0;
    const QSize pixels = size * ratio;
    if (!DrawsPixels(target) || pixels.isEmpty() ||
        qint64(pixels.width()) * pixels.height() > MaxKeptPixels) {
        m_image = QImage();
        paint(target);
        return;
    }
    if (m_image.isNull() || m_revision != revision || m_zoom != zoom || m_image.size() != pixels ||
        m_image.devicePixelRatioF() != ratio) {
        m_image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        if (m_image.isNull()) {
            paint(target);
            return;
        }
        m_image.setDevicePixelRatio(ratio);
        m_image.fill(Qt::transparent);
        QPainter painter(&m_image);
        paint(painter);
        m_revision = revision;
        m_zoom = zoom;
    }
    target.drawImage(QPoint(0, 0), m_image);
}
