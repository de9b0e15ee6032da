#pragma once

#include "WmfPicture.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

// Reads wmf (failing the test when it cannot) and plays it onto a white
// image of size, over target or else the whole image.
inline QImage PlayedImage(const QByteArray &wmf, QSize size, QRectF target = {})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QString error;
    const std::optional<TWmfPicture> picture = TWmfPicture::Read(wmf, error);
    EXPECT_TRUE(picture) << error.toStdString();
    if (!picture)
        return image;
    QPainter painter(&image);
    picture->Play(painter, target.isEmpty() ? QRectF(QPointF(), QSizeF(size)) : target);
    return image;
}

inline bool Near(QColor actual, QColor wanted, int tolerance = 40)
{
    return std::abs(actual.red() - wanted.red()) <= tolerance &&
           std::abs(actual.green() - wanted.green()) <= tolerance &&
           std::abs(actual.blue() - wanted.blue()) <= tolerance;
}

// Pixels in rect darker than mid grey.
inline int InkIn(const QImage &image, const QRect &rect)
{
    int ink = 0;
    const QRect inside = rect.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ink += image.pixelColor(x, y).lightness() < 128 ? 1 : 0;
    return ink;
}

// Pixels in rect that are not white.
inline int PaintIn(const QImage &image, const QRect &rect)
{
    int paint = 0;
    const QRect inside = rect.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            paint += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    return paint;
}
