#include "DibEncoder.h"

#include "DibDecoder.h"

#include <gtest/gtest.h>

namespace {

// Three pixels wide, so that 24-bit rows need padding; the top row half
// transparent.
QImage Sample()
{
    QImage image(3, 2, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(10, 20, 30, 128));
    image.setPixel(1, 0, qRgba(40, 50, 60, 128));
    image.setPixel(2, 0, qRgba(70, 80, 90, 128));
    image.setPixel(0, 1, qRgb(255, 0, 0));
    image.setPixel(1, 1, qRgb(0, 255, 0));
    image.setPixel(2, 1, qRgb(0, 0, 255));
    return image;
}

quint32 Le32At(const QByteArray &bytes, int at)
{
    return quint32(uchar(bytes[at])) | (quint32(uchar(bytes[at + 1])) << 8) |
           (quint32(uchar(bytes[at + 2])) << 16) | (quint32(uchar(bytes[at + 3])) << 24);
}

} // namespace

TEST(DibEncoder, EachDepthReadsBackThroughTheDecoder)
{
    struct TCase
    {
        TDibDepth Depth;
        int Bits;
        QByteArray BottomRowStart; // blue, green, red (and the fourth byte) of the first pixel
        bool Alpha;
    };
    const QList<TCase> cases = {
        {TDibDepth::Rgb24, 24, QByteArray::fromHex("0000ff00ff00ff0000000000"), false},
        {TDibDepth::Rgb32, 32, QByteArray::fromHex("0000ff00"), false},
        {TDibDepth::Argb32, 32, QByteArray::fromHex("0000ffff"), true},
    };
    const QImage picture = Sample();
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.Bits);
        const QByteArray dib = EncodeDib(picture, c.Depth);
        const qint64 stride = (3 * qint64(c.Bits) + 31) / 32 * 4;
        ASSERT_EQ(dib.size(), EncodedDibSize(3, 2, c.Depth));
        ASSERT_EQ(dib.size(), 40 + stride * 2);
        EXPECT_EQ(dib.left(14).toHex(), "2800000003000000020000000100"); // size, 3 x 2, 1 plane
        EXPECT_EQ(uchar(dib[14]), c.Bits);
        EXPECT_EQ(Le32At(dib, 16), 0u); // uncompressed
        EXPECT_EQ(Le32At(dib, 20), quint32(stride * 2));
        EXPECT_EQ(Le32At(dib, 24), 3780u); // 96 pixels per inch
        EXPECT_TRUE(dib.mid(40).startsWith(c.BottomRowStart));

        TDibOptions options;
        options.KeepAlpha = true;
        const TDecodedPicture back = DecodeDib(dib, options);
        ASSERT_FALSE(back.Image.isNull()) << back.Error.toStdString();
        EXPECT_EQ(back.Image.hasAlphaChannel(), c.Alpha);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x) {
                const QRgb expected = picture.pixel(x, y);
                EXPECT_EQ(back.Image.pixel(x, y), c.Alpha ? expected : (expected | 0xFF000000))
                    << x << "," << y;
            }
    }
}

TEST(DibEncoder, DepthFollowsThePicture)
{
    EXPECT_EQ(DibDepthOf(Sample()), TDibDepth::Argb32);
    EXPECT_EQ(DibDepthOf(QImage(2, 2, QImage::Format_RGB32)), TDibDepth::Rgb24);
    EXPECT_TRUE(EncodeDib(QImage(), TDibDepth::Rgb24).isEmpty());
    uchar untouched = 7;
    EXPECT_FALSE(WriteDib(QImage(), TDibDepth::Rgb32, &untouched));
    EXPECT_EQ(untouched, 7);
}
