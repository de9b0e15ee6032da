#pragma once

#include "CanvasReport.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include <memory>

// A white image of a given resolution with a report drawing on it; Image()
// ends the drawing and gives the pixels to probe.
class TestSheet
{
public:
    explicit TestSheet(int dpi, QSize size = {1000, 800}, const QMarginsF &unprintable = {})
        : m_image(size, QImage::Format_RGB32)
    {
        const int dotsPerMeter = qRound(dpi / 0.0254);
        m_image.setDotsPerMeterX(dotsPerMeter);
        m_image.setDotsPerMeterY(dotsPerMeter);
        m_image.fill(Qt::white);
        m_painter = std::make_unique<QPainter>(&m_image);
        report.BeginCanvas(*m_painter, unprintable);
    }

    const QImage &Image()
    {
        if (m_painter) {
            report.EndCanvas();
            m_painter.reset();
        }
        return m_image;
    }

    QRgb Pixel(int x, int y) { return Image().pixel(x, y) & 0xFFFFFF; }

    // The smallest rectangle holding every pixel that is not white.
    QRect Ink()
    {
        const QImage &image = Image();
        QRect ink;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                    ink |= QRect(x, y, 1, 1);
        return ink;
    }

    TCanvasReport report;

private:
    QImage m_image;
    std::unique_ptr<QPainter> m_painter;
};

inline constexpr QRgb white = 0xFFFFFF;
inline constexpr QRgb black = 0x000000;
