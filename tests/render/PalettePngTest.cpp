#include "PalettePng.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

QImage Decoded(const QByteArray &png)
{
    return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_ARGB32);
}

// A picture of exactly colours colours, in stripes and single dots.
QImage Striped(int colours, QImage::Format format = QImage::Format_RGB32)
{
    QImage picture(97, 41, format);
    picture.fill(Qt::white);
    for (int i = 1; i < colours; ++i)
        picture.setPixel(i % 97, (i / 97) * 3 + 1, qRgb(i % 251, i / 7, 255 - i % 256));
    return picture;
}

} // namespace

TEST(PalettePng, FewColoursGoIntoAPaletteWithTheSamePixels)
{
    for (const int colours : {1, 2, 17, 255, 256}) {
        const QImage picture = Striped(colours);
        const QByteArray png = EncodePng(picture);
        const QImage read = QImage::fromData(png, "PNG");
        EXPECT_EQ(read.format(), QImage::Format_Indexed8) << colours;
        EXPECT_EQ(read.colorCount(), colours);
        EXPECT_EQ(Decoded(png), picture.convertToFormat(QImage::Format_ARGB32)) << colours;
    }
}

TEST(PalettePng, ManyColoursOrTranslucencyStayExact)
{
    QImage smooth(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            smooth.setPixel(x, y, qRgb(x * 4, y * 4, (x + y) % 256));
    const QByteArray png = EncodePng(smooth);
    EXPECT_NE(QImage::fromData(png, "PNG").format(), QImage::Format_Indexed8);
    EXPECT_EQ(Decoded(png), smooth.convertToFormat(QImage::Format_ARGB32));

    QImage clear = Striped(3, QImage::Format_ARGB32);
    clear.setPixel(5, 5, qRgba(10, 20, 30, 128));
    clear.setPixel(6, 5, qRgba(0, 0, 0, 0));
    EXPECT_EQ(Decoded(EncodePng(clear)), clear);
}

TEST(PalettePng, KeepsTheResolution)
{
    QImage picture = Striped(4);
    picture.setDotsPerMeterX(11811);
    picture.setDotsPerMeterY(11811);
    const QImage read = QImage::fromData(EncodePng(picture), "PNG");
    EXPECT_EQ(read.dotsPerMeterX(), 11811);
    EXPECT_EQ(read.dotsPerMeterY(), 11811);
}
