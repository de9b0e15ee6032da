#include "PictureFile.h"

#include "JpegFile.h"
#include "PackedDib.h"
#include "PictureSamples.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Four flat quarters: red, green, blue, white.
QImage Quarters(int size = 32)
{
    QImage image(size, size, QImage::Format_RGB32);
    const int half = size / 2;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb colour = y < half ? (x < half ? qRgb(255, 0, 0) : qRgb(0, 255, 0))
                                         : (x < half ? qRgb(0, 0, 255) : qRgb(255, 255, 255));
            image.setPixel(x, y, colour);
        }
    }
    return image;
}

// Fine detail that JPEG quality shows in the file size.
QImage Noise(int size = 64)
{
    QImage image(size, size, QImage::Format_RGB32);
    quint32 seed = 12345;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            seed = seed * 1103515245 + 12345;
            image.setPixel(x, y, qRgb(seed >> 24, (seed >> 16) & 0xFF, (seed >> 8) & 0xFF));
        }
    }
    return image;
}

QByteArray Encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return bytes;
}

void ExpectNear(QRgb actual, QRgb expected, int tolerance)
{
    EXPECT_NEAR(qRed(actual), qRed(expected), tolerance);
    EXPECT_NEAR(qGreen(actual), qGreen(expected), tolerance);
    EXPECT_NEAR(qBlue(actual), qBlue(expected), tolerance);
}

void ExpectQuarters(const QImage &image, int tolerance)
{
    ASSERT_EQ(image.size(), QSize(32, 32));
    ExpectNear(image.pixel(4, 4), qRgb(255, 0, 0), tolerance);
    ExpectNear(image.pixel(27, 4), qRgb(0, 255, 0), tolerance);
    ExpectNear(image.pixel(4, 27), qRgb(0, 0, 255), tolerance);
    ExpectNear(image.pixel(27, 27), qRgb(255, 255, 255), tolerance);
}

QByteArray SmallPcx()
{
    TPcxSpec spec{8,
                  3,
                  2,
                  1,
                  2,
                  true,
                  {},
                  {},
                  QByteArray::fromHex("FF00"
                                      "00FF"
                                      "0000")};
    return PcxFile(spec);
}

QByteArray SmallTga()
{
    TTgaSpec spec;
    spec.Width = 1;
    spec.Height = 1;
    spec.Pixels = QByteArray::fromHex("FF0000");
    return TgaFile(spec);
}

// 3 x 2: black, red, green / green, black, blue; index 0 (black) may be
// transparent.
QByteArray SmallGif(int transparentIndex = -1)
{
    const QList<QRgb> palette = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    return GifFile(3, 2, palette, {0, 1, 2, 2, 0, 3}, transparentIndex);
}

// A JPEG of 32 x 16 pixels in four quarters (red, green / blue, white)
// whose orientation tag (1 to 8) says how to turn it upright.
QByteArray OrientedJpeg(int orientation)
{
    QImage stored(32, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x)
            stored.setPixel(x, y,
                            y < 8 ? (x < 16 ? qRgb(255, 0, 0) : qRgb(0, 255, 0))
                                  : (x < 16 ? qRgb(0, 0, 255) : qRgb(255, 255, 255)));
    QByteArray exif("Exif\0\0II*\0", 10);
    AppendLe32(exif, 8);
    AppendLe16(exif, 1);
    AppendLe16(exif, 0x0112);
    AppendLe16(exif, 3);
    AppendLe32(exif, 1);
    AppendLe16(exif, quint32(orientation));
    AppendLe16(exif, 0);
    AppendLe32(exif, 0);
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char((exif.size() + 2) >> 8)).append(char((exif.size() + 2) & 0xFF));
    return Encoded(stored, "jpeg").insert(2, segment + exif);
}

qint64 JpegSize(const QTemporaryDir &dir, int quality)
{
    const QString path = dir.filePath(u"q%1.jpg"_s.arg(quality));
    EXPECT_TRUE(WriteJpegFile(Noise(), quality, path));
    return QFileInfo(path).size();
}

} // namespace

TEST(PictureFile, ContentDecidesBeforeTheExtension)
{
    ExpectQuarters(DecodePicture(Encoded(Quarters(), "bmp"), u"a.pcx"_s).Image, 0);
    ExpectQuarters(DecodePicture(Encoded(Quarters(), "jpeg"), u"photo.final.gif"_s).Image, 24);
    const QImage gif = DecodePicture(SmallGif(), u"anim.JIF"_s).Image;
    EXPECT_EQ(gif.size(), QSize(3, 2));
    EXPECT_EQ(gif.pixel(2, 1), qRgb(0, 0, 255));

    EXPECT_EQ(DecodePicture(SmallPcx(), u"dir.tga/pic.pcx"_s).Image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(DecodePicture(SmallPcx(), u"PIC.PCX"_s).Image.pixel(1, 0), qRgb(0, 255, 0));
    EXPECT_EQ(DecodePicture(SmallTga(), u"pic.Tga"_s).Image.pixel(0, 0), qRgb(0, 0, 255));

    EXPECT_FALSE(DecodePicture(SmallTga(), u"pic.pcx"_s).Error.isEmpty());
    EXPECT_FALSE(DecodePicture(SmallPcx(), u"pic.wmf"_s).Error.isEmpty());
    EXPECT_FALSE(DecodePicture(QByteArray("\xFF\xD8\xFF garbage"), u"a.jpg"_s).Error.isEmpty());
    EXPECT_FALSE(DecodePicture(QByteArray("GIF89a"), u"a.gif"_s).Error.isEmpty());
}

TEST(PictureFile, PhotoIsTurnedAsItsOrientationSays)
{
    const QRgb r = qRgb(255, 0, 0), g = qRgb(0, 255, 0), b = qRgb(0, 0, 255),
               w = qRgb(255, 255, 255);
    // The corners shown: top left, top right, bottom left, bottom right.
    const struct
    {
        int orientation;
        QSize size;
        QRgb corners[4];
    } cases[] = {
        {1, {32, 16}, {r, g, b, w}}, {2, {32, 16}, {g, r, w, b}}, {3, {32, 16}, {w, b, g, r}},
        {4, {32, 16}, {b, w, r, g}}, {5, {16, 32}, {r, b, g, w}}, {6, {16, 32}, {b, r, w, g}},
        {7, {16, 32}, {w, g, b, r}}, {8, {16, 32}, {g, w, r, b}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.orientation);
        const QImage image = DecodePicture(OrientedJpeg(c.orientation), u"photo.jpg"_s).Image;
        ASSERT_EQ(image.size(), c.size);
        const int right = c.size.width() - 3, bottom = c.size.height() - 3;
        ExpectNear(image.pixel(2, 2), c.corners[0], 24);
        ExpectNear(image.pixel(right, 2), c.corners[1], 24);
        ExpectNear(image.pixel(2, bottom), c.corners[2], 24);
        ExpectNear(image.pixel(right, bottom), c.corners[3], 24);
    }
}

TEST(PictureFile, ReadingLaysTransparencyOnWhite)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"clear.gif"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(SmallGif(0));
    file.close();

    const TDecodedPicture picture = ReadPictureFile(path);
    ASSERT_FALSE(picture.Image.isNull()) << picture.Error.toStdString();
    EXPECT_FALSE(picture.Image.hasAlphaChannel());
    EXPECT_EQ(picture.Image.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(picture.Image.pixel(1, 0), qRgb(255, 0, 0));
    EXPECT_EQ(picture.Image.pixel(2, 1), qRgb(0, 0, 255));

    EXPECT_FALSE(ReadPictureFile(dir.filePath(u"missing.bmp"_s)).Error.isEmpty());
}

TEST(PictureFile, PackedBitmapIsBottomUpBgr)
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(10, 20, 30));
    image.setPixel(1, 0, qRgb(40, 50, 60));
    image.setPixel(0, 1, qRgb(70, 80, 90));
    image.setPixel(1, 1, qRgb(100, 110, 120));
    const std::unique_ptr<uchar[]> dib = MakePackedDib(image);
    ASSERT_TRUE(dib);
    const QByteArray bytes(reinterpret_cast<const char *>(dib.get()), PackedDibSize(2, 2));
    EXPECT_EQ(bytes.left(16).toHex(), "2800000002000000020000000100"
                                      "2000");
    EXPECT_EQ(bytes.mid(16, 4).toHex(), "00000000"); // uncompressed
    // The bottom row first, blue-green-red and an unused byte per pixel.
    EXPECT_EQ(bytes.mid(40).toHex(), "5a504600"
                                     "786e6400"
                                     "1e140a00"
                                     "3c322800");
    EXPECT_FALSE(MakePackedDib(QImage()));
}

TEST(PictureFile, JpegWrittenAtItsQuality)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"out.jpg"_s);
    ASSERT_TRUE(WriteJpegFile(Quarters(), 80, path));
    QImage back(path);
    ExpectQuarters(back, 24);

    EXPECT_LT(JpegSize(dir, 20), JpegSize(dir, 95));
    EXPECT_EQ(JpegSize(dir, 150), JpegSize(dir, 100));
    EXPECT_EQ(JpegSize(dir, -5), JpegSize(dir, 0));
}

TEST(PictureFile, JpegFailuresWriteNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"none.jpg"_s);
    EXPECT_FALSE(WriteJpegFile(QImage(), 80, path));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(WriteJpegFile(Quarters(), 80, dir.filePath(u"missing/folder.jpg"_s)));
    EXPECT_FALSE(WriteJpegFile(Quarters(), 80, QString()));
}
