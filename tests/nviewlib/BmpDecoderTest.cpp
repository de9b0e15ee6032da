#include "BmpDecoder.h"

#include "PictureSamples.h"

#include <gtest/gtest.h>

namespace {

constexpr int width = 5;
constexpr int height = 3;

QList<QRgb> TestPalette(int count)
{
    QList<QRgb> palette;
    for (int i = 0; i < count; ++i)
        palette.append(qRgb((i * 16) % 256, 255 - i, (i * 37) % 256));
    return palette;
}

int IndexAt(int x, int y, int colours)
{
    return (x + 2 * y) % colours;
}

QList<QList<quint32>> IndexRows(int colours)
{
    QList<QList<quint32>> rows(height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            rows[y].append(quint32(IndexAt(x, y, colours)));
    return rows;
}

QByteArray PalettedBmp(int bits, bool topDown = false, int infoSize = 40)
{
    const int colours = 1 << bits;
    TBmpSpec spec;
    spec.Width = width;
    spec.Height = topDown ? -height : height;
    spec.Bits = bits;
    spec.InfoSize = infoSize;
    spec.Palette = TestPalette(colours);
    spec.Pixels = BmpRows(IndexRows(colours), bits, topDown);
    return BmpFile(spec);
}

void ExpectPaletteProbes(const TDecodedPicture &picture, int colours)
{
    ASSERT_FALSE(picture.Image.isNull()) << picture.Error.toStdString();
    ASSERT_EQ(picture.Image.size(), QSize(width, height));
    const QList<QRgb> palette = TestPalette(colours);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            EXPECT_EQ(picture.Image.pixel(x, y), palette[IndexAt(x, y, colours)]) << x << "," << y;
}

void ExpectFailure(QByteArrayView bytes, const char *why)
{
    const TDecodedPicture picture = DecodeBmp(bytes);
    EXPECT_TRUE(picture.Image.isNull()) << why;
    EXPECT_TRUE(picture.Error.contains(QLatin1StringView(why)))
        << picture.Error.toStdString() << " / expected: " << why;
}

// A 4 x 3 picture in RLE8 (rows bottom-up): a run, an absolute run with its
// padding byte, end-of-line, a delta skipping pixels, end-of-bitmap.
QByteArray Rle8Sample()
{
    TBmpSpec spec;
    spec.Width = 4;
    spec.Height = 3;
    spec.Bits = 8;
    spec.Compression = 1;
    spec.Palette = TestPalette(4);
    spec.Pixels = QByteArray::fromHex("0402"        // bottom row: 2 2 2 2
                                      "0000"        // end of line
                                      "00030103020" // absolute: 1 3 2, padded
                                      "0"
                                      "0101"   // then one 1
                                      "0000"   // end of line
                                      "000202" // delta right 2
                                      "00"     // same row
                                      "0203"   // 3 3 at x 2..3
                                      "0001"); // end of bitmap
    return BmpFile(spec);
}

} // namespace

TEST(BmpDecoder, PalettedDepthsAndRowOrders)
{
    for (int bits : {1, 4, 8}) {
        SCOPED_TRACE(bits);
        ExpectPaletteProbes(DecodeBmp(PalettedBmp(bits)), 1 << bits);
        ExpectPaletteProbes(DecodeBmp(PalettedBmp(bits, true)), 1 << bits);
        ExpectPaletteProbes(DecodeBmp(PalettedBmp(bits, false, 12)), 1 << bits);
    }
}

TEST(BmpDecoder, TrueColourDepthsAndMasks)
{
    const QList<QList<quint32>> rgb = {{0xFF0000, 0x00FF00, 0x0000FF}, {0x102030, 0, 0xFFFFFF}};
    struct TCase
    {
        int Bits;
        quint32 Compression;
        QList<quint32> Masks;
        QList<QList<quint32>> Values;
        QRgb TopLeft;
        QRgb BottomRight;
    };
    const QList<TCase> cases = {
        {24, 0, {}, rgb, qRgb(255, 0, 0), qRgb(255, 255, 255)},
        {32, 0, {}, rgb, qRgb(255, 0, 0), qRgb(255, 255, 255)},
        {16, 0, {}, {{0x7C00, 0, 0}, {0, 0, 0x001F}}, qRgb(255, 0, 0), qRgb(0, 0, 255)},
        {16,
         3,
         {0xF800, 0x07E0, 0x001F},
         {{0x07E0, 0, 0}, {0, 0, 0xF800}},
         qRgb(0, 255, 0),
         qRgb(255, 0, 0)},
        {32,
         3,
         {0xFF, 0xFF00, 0xFF0000},
         {{0x0000FF, 0, 0}, {0, 0, 0x102030}},
         qRgb(255, 0, 0),
         qRgb(0x30, 0x20, 0x10)},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.Bits);
        TBmpSpec spec{3, 2, c.Bits, c.Compression, 40, {}, 0, c.Masks, BmpRows(c.Values, c.Bits)};
        const TDecodedPicture picture = DecodeBmp(BmpFile(spec));
        ASSERT_FALSE(picture.Image.isNull()) << picture.Error.toStdString();
        EXPECT_EQ(picture.Image.pixel(0, 0), c.TopLeft);
        EXPECT_EQ(picture.Image.pixel(2, 1), c.BottomRight);
        EXPECT_EQ(picture.Image.pixel(1, 1), qRgb(0, 0, 0));
    }
}

TEST(BmpDecoder, Rle8RunsAbsoluteDeltaAndEndOfBitmap)
{
    const TDecodedPicture picture = DecodeBmp(Rle8Sample());
    ASSERT_FALSE(picture.Image.isNull()) << picture.Error.toStdString();
    const QList<QRgb> p = TestPalette(4);
    const QList<QList<int>> expected = {{0, 0, 3, 3}, {1, 3, 2, 1}, {2, 2, 2, 2}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(picture.Image.pixel(x, y), p[expected[y][x]]) << x << "," << y;
}

TEST(BmpDecoder, Rle4NibblesAndTopDown)
{
    TBmpSpec spec;
    spec.Width = 5;
    spec.Height = -2;
    spec.Bits = 4;
    spec.Compression = 2;
    spec.Palette = TestPalette(16);
    // Top row: a run of 5 alternating 1 and 2; second: absolute 3 4 5 (two
    // bytes, padded to even already), then a run of 2 nines.
    spec.Pixels = QByteArray::fromHex("0512"
                                      "0000"
                                      "00033450"
                                      "0299"
                                      "0001");
    const TDecodedPicture picture = DecodeBmp(BmpFile(spec));
    ASSERT_FALSE(picture.Image.isNull()) << picture.Error.toStdString();
    const QList<QRgb> p = TestPalette(16);
    const QList<QList<int>> expected = {{1, 2, 1, 2, 1}, {3, 4, 5, 9, 9}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(picture.Image.pixel(x, y), p[expected[y][x]]) << x << "," << y;
}

TEST(BmpDecoder, BadInputFailsClearly)
{
    ExpectFailure("GIF89a", "not a BMP file");
    ExpectFailure(PalettedBmp(8).left(40), "header runs past the end");

    QByteArray oddHeader = PalettedBmp(8);
    oddHeader[14] = 30;
    ExpectFailure(oddHeader, "unsupported BMP header size");

    TBmpSpec huge{100000, 100000, 24, 0, 40, {}, 0, {}, QByteArray(64, '\0')};
    ExpectFailure(BmpFile(huge), "out of range");
    TBmpSpec empty{0, 3, 24, 0, 40, {}, 0, {}, QByteArray(64, '\0')};
    ExpectFailure(BmpFile(empty), "out of range");
    TBmpSpec oddDepth{2, 2, 2, 0, 40, {}, 0, {}, QByteArray(64, '\0')};
    ExpectFailure(BmpFile(oddDepth), "unsupported BMP depth");

    const QByteArray paletted = PalettedBmp(8);
    ExpectFailure(paletted.left(paletted.size() - 4), "pixel data runs past the end");
    ExpectFailure(paletted.left(14 + 40 + 100), "palette runs past the end");

    TBmpSpec shortPalette{5, 3, 8, 0, 40, TestPalette(4), 0, {}, BmpRows(IndexRows(9), 8)};
    ExpectFailure(BmpFile(shortPalette), "palette index 4 is beyond the 4-colour palette");

    QByteArray farOffset = PalettedBmp(8);
    farOffset[10] = char(0xFF);
    farOffset[11] = char(0xFF);
    ExpectFailure(farOffset, "offset");
}

TEST(BmpDecoder, BadRleFailsClearly)
{
    const auto rle8 = [](const char *hex, qint32 w = 4, qint32 h = 2) {
        TBmpSpec spec{w, h, 8, 1, 40, TestPalette(4), 0, {}, QByteArray::fromHex(hex)};
        return BmpFile(spec);
    };
    ExpectFailure(rle8("0501"), "run past the end of the picture's row");
    ExpectFailure(rle8("04010000040100000101"), "run past the end");
    ExpectFailure(rle8("0401"), "ends before the end of the picture");
    ExpectFailure(rle8("00020900"), "delta moves past the picture");
    ExpectFailure(rle8("000401"), "ends inside an absolute run");
    ExpectFailure(rle8("0407000004010001"), "palette index 7 is beyond the 4-colour palette");
    ExpectFailure(rle8("0001", 4000, 4000), "far beyond what its RLE data can hold");

    TBmpSpec mismatch{4, 2, 4, 1, 40, TestPalette(16), 0, {}, QByteArray::fromHex("0001")};
    ExpectFailure(BmpFile(mismatch), "RLE8 needs 8 bits");
}

TEST(BmpDecoder, EveryTruncationFailsWithoutCrashing)
{
    for (const QByteArray &sample : {PalettedBmp(4), PalettedBmp(8, true), Rle8Sample()}) {
        // The last row's padding (and the RLE end-of-bitmap) may be missing.
        for (qsizetype size = 0; size <= sample.size() - 4; ++size) {
            const TDecodedPicture picture = DecodeBmp(QByteArrayView(sample).first(size));
            EXPECT_TRUE(picture.Image.isNull()) << size;
            EXPECT_FALSE(picture.Error.isEmpty()) << size;
        }
    }
}
