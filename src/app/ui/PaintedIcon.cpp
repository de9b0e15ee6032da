#include "PaintedIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

namespace {

class TPaintedIconEngine : public QIconEngine
{
public:
    explicit TPaintedIconEngine(TIconDrawing drawing) : m_drawing(std::move(drawing)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap drawn = scaledPixmap(rect.size(), mode, state, ratio);
        painter->drawPixmap(rect, drawn);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        QPixmap pixmap(size * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            m_drawing(painter, QRectF(QPointF(0, 0), QSizeF(size)));
        }
        if (mode == QIcon::Normal || !qApp)
            return pixmap;
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
    }

    QIconEngine *clone() const override { return new TPaintedIconEngine(m_drawing); }
    QString key() const override { return QStringLiteral("TPaintedIconEngine"); }

private:
    TIconDrawing m_drawing;
};

} // namespace

QIcon PaintedIcon(TIconDrawing drawing)
{
    // The icon owns its engine.
    return QIcon(new TPaintedIconEngine(std::move(drawing)));
}
