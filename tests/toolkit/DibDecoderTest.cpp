#include "DibDecoder.h"

#include "PictureSamples.h"

#include <gtest/gtest.h>

namespace {

constexpr int width = 5;
constexpr int height = 3;

const QRgb red = qRgb(255, 0, 0);
const QRgb green = qRgb(0, 255, 0);
const QRgb blue = qRgb(0, 0, 255);
const QRgb white = qRgb(255, 255, 255);

// The bitmap a BMP file holds after its 14-byte file header: the colour
// table right after the header, the rows right after the table.
QByteArray Dib(const TBmpSpec &spec)
{
    return BmpFile(spec).mid(14);
}

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

QByteArray PalettedDib(int bits, bool topDown = false, int infoSize = 40)
{
    const int colours = 1 << bits;
    TBmpSpec spec;
    spec.Width = width;
    spec.Height = topDown ? -height : height;
    spec.Bits = bits;
    spec.InfoSize = infoSize;
    spec.Palette = TestPalette(colours);
    spec.Pixels = BmpRows(IndexRows(colours), bits, topDown);
    return Dib(spec);
}

TBmpSpec Rle8Spec(const char *hex, qint32 w = 4, qint32 h = 2)
{
    return {w, h, 8, 1, 40, TestPalette(4), 0, {}, QByteArray::fromHex(hex)};
}

// A 4 x 3 picture in RLE8 (rows bottom-up): a run, an absolute run with its
// padding byte, end-of-line, a delta skipping pixels, end-of-bitmap.
QByteArray Rle8Sample()
{
    return Dib(Rle8Spec("0402"        // bottom row: 2 2 2 2
                        "0000"        // end of line
                        "00030103020" // absolute: 1 3 2, padded
                        "0"
                        "0101"   // then one 1
                        "0000"   // end of line
                        "000202" // delta right 2
                        "00"     // same row
                        "0203"   // 3 3 at x 2..3
                        "0001",  // end of bitmap
                        4, 3));
}

void ExpectRows(const TDecodedPicture &picture, const QList<QList<QRgb>> &rows)
{
    ASSERT_FALSE(picture.Image.isNull()) << picture.Error.toStdString();
    ASSERT_EQ(picture.Image.height(), rows.size());
    for (int y = 0; y < rows.size(); ++y) {
        ASSERT_EQ(picture.Image.width(), rows[y].size());
        for (int x = 0; x < rows[y].size(); ++x)
            EXPECT_EQ(picture.Image.pixel(x, y), rows[y][x]) << x << "," << y;
    }
}

QList<QList<QRgb>> Colours(const QList<QList<int>> &indices, const QList<QRgb> &palette)
{
    QList<QList<QRgb>> rows;
    for (const QList<int> &line : indices) {
        rows.append(QList<QRgb>());
        for (int index : line)
            rows.back().append(palette[index]);
    }
    return rows;
}

void ExpectFailure(QByteArrayView dib, const char *why, const TDibOptions &options = {})
{
    const TDecodedPicture picture = DecodeDib(dib, options);
    EXPECT_TRUE(picture.Image.isNull()) << why;
    EXPECT_TRUE(picture.Error.contains(QLatin1StringView(why)))
        << picture.Error.toStdString() << " / expected: " << why;
}

} // namespace

TEST(DibDecoder, PalettedDepthsRowOrdersAndHeaders)
{
    for (int bits : {1, 4, 8}) {
        SCOPED_TRACE(bits);
        const QList<QRgb> palette = TestPalette(1 << bits);
        QList<QList<QRgb>> expected(height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                expected[y].append(palette[IndexAt(x, y, 1 << bits)]);
        ExpectRows(DecodeDib(PalettedDib(bits)), expected);
        ExpectRows(DecodeDib(PalettedDib(bits, true)), expected);
        ExpectRows(DecodeDib(PalettedDib(bits, false, 12)), expected);
    }
    // A table shorter than the depth allows; the rows follow it at once.
    TBmpSpec shortTable{2, 1, 8, 0, 40, {red, green, blue}, 0, {}, BmpRows({{2, 1}}, 8)};
    ExpectRows(DecodeDib(Dib(shortTable)), {{blue, green}});
}

TEST(DibDecoder, TrueColourDepthsAndMasks)
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
        {24, 0, {}, rgb, red, white},
        {32, 0, {}, rgb, red, white},
        {16, 0, {}, {{0x7C00, 0, 0}, {0, 0, 0x001F}}, red, blue},
        {16, 3, {0xF800, 0x07E0, 0x001F}, {{0x07E0, 0, 0}, {0, 0, 0xF800}}, green, red},
        {32,
         3,
         {0xFF, 0xFF00, 0xFF0000},
         {{0x0000FF, 0, 0}, {0, 0, 0x102030}},
         red,
         qRgb(0x30, 0x20, 0x10)},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.Bits);
        TBmpSpec spec{3, 2, c.Bits, c.Compression, 40, {}, 0, c.Masks, BmpRows(c.Values, c.Bits)};
        const TDecodedPicture picture = DecodeDib(Dib(spec));
        ASSERT_FALSE(picture.Image.isNull()) << picture.Error.toStdString();
        EXPECT_EQ(picture.Image.pixel(0, 0), c.TopLeft);
        EXPECT_EQ(picture.Image.pixel(2, 1), c.BottomRight);
        EXPECT_EQ(picture.Image.pixel(1, 1), qRgb(0, 0, 0));
        EXPECT_FALSE(picture.Image.hasAlphaChannel());
    }
    TBmpSpec core{1, 1, 24, 0, 12, {}, 0, {}, BmpRows({{0x00FF00}}, 24)};
    ExpectRows(DecodeDib(Dib(core)), {{green}});
}

TEST(DibDecoder, Rle8RunsAbsoluteDeltaAndEndOfBitmap)
{
    ExpectRows(DecodeDib(Rle8Sample()),
               Colours({{0, 0, 3, 3}, {1, 3, 2, 1}, {2, 2, 2, 2}}, TestPalette(4)));
}

// Regression: RLE8 rows whose runs fill the row out to its 32-bit padding,
// as common tools write them, were refused.
TEST(DibDecoder, Rle8RunsMayFillTheRowsPadding)
{
    // 5 pixels wide, so 8 to a padded row.
    ExpectRows(DecodeDib(Dib(Rle8Spec("0802"                 // bottom row: 2 x 8
                                      "0000"                 // end of line
                                      "00070102030102030100" // absolute: 1 2 3 1 2 3 1
                                      "0001",                // end of bitmap
                                      5, 2))),
               Colours({{1, 2, 3, 1, 2}, {2, 2, 2, 2, 2}}, TestPalette(4)));
    ExpectRows(DecodeDib(Dib(Rle8Spec("00020800" "0001", 5, 1))), // delta to the padding's end
               Colours({{0, 0, 0, 0, 0}}, TestPalette(4)));
    // Past the padding is still past the row.
    ExpectFailure(Dib(Rle8Spec("0902", 5, 1)), "run past the end of the picture's row");
    ExpectFailure(Dib(Rle8Spec("00020900", 5, 1)), "delta moves past the picture");
}

TEST(DibDecoder, Rle4NibblesAndTopDown)
{
    // Top row: a run of 5 alternating 1 and 2; second: absolute 3 4 5 (two
    // bytes, padded to even already), then a run of 2 nines.
    TBmpSpec spec{5,
                  -2,
                  4,
                  2,
                  40,
                  TestPalette(16),
                  0,
                  {},
                  QByteArray::fromHex("0512"
                                      "0000"
                                      "00033450"
                                      "0299"
                                      "0001")};
    ExpectRows(DecodeDib(Dib(spec)), Colours({{1, 2, 1, 2, 1}, {3, 4, 5, 9, 9}}, TestPalette(16)));
}

TEST(DibDecoder, PaletteIndicesBecomeGreyLevels)
{
    // Two 16-bit palette indices in place of the colour table; rows follow.
    QByteArray dib = Dib({2, 1, 1, 0, 40, {}, 2, {}, BmpRows({{0, 1}}, 1)});
    dib.insert(40, QByteArray::fromHex("0000c800"));
    TDibOptions options;
    options.Colors = TDibColors::PaletteIndices;
    ExpectRows(DecodeDib(dib, options), {{qRgb(0, 0, 0), qRgb(200, 200, 200)}});
}

TEST(DibDecoder, AlphaKeptOnlyWhenAskedForAndSet)
{
    TDibOptions keep;
    keep.KeepAlpha = true;
    const QByteArray withAlpha = Dib({2, 1, 32, 0, 40, {}, 0, {}, BmpRows({{0x80FF0000, 0}}, 32)});
    const TDecodedPicture kept = DecodeDib(withAlpha, keep);
    ASSERT_FALSE(kept.Image.isNull()) << kept.Error.toStdString();
    EXPECT_EQ(kept.Image.pixel(0, 0), qRgba(255, 0, 0, 0x80));
    EXPECT_EQ(qAlpha(kept.Image.pixel(1, 0)), 0);

    ExpectRows(DecodeDib(withAlpha), {{red, qRgb(0, 0, 0)}});
    // Fourth bytes all zero: an opaque picture written by a program that
    // leaves them unused.
    const QByteArray unused = Dib({1, 1, 32, 0, 40, {}, 0, {}, BmpRows({{0x00FF00}}, 32)});
    const TDecodedPicture opaque = DecodeDib(unused, keep);
    EXPECT_FALSE(opaque.Image.hasAlphaChannel());
    ExpectRows(opaque, {{green}});
}

TEST(DibDecoder, RowsWhereTheCallerSays)
{
    // A file header names where the rows start: here after a gap.
    TBmpSpec spec{1,
                  1,
                  24,
                  0,
                  40,
                  {},
                  0,
                  {},
                  QByteArray::fromHex("ffffff00" // the gap
                                      "0000ff00")};
    TDibOptions options;
    options.PixelsAt = 44;
    ExpectRows(DecodeDib(Dib(spec), options), {{red}});
    options.PixelsAt = 39;
    ExpectFailure(Dib(spec), "offset is outside", options);
    options.PixelsAt = 49;
    ExpectFailure(Dib(spec), "offset is outside", options);

    // Without it a 24-bit bitmap's table for display devices is stepped over.
    TBmpSpec table{1, 1, 24, 0, 40, {white}, 0, {}, BmpRows({{0x0000FF}}, 24)};
    ExpectRows(DecodeDib(Dib(table)), {{blue}});
}

TEST(DibDecoder, SizeLimitIsTheCallers)
{
    TDibOptions options;
    options.MaxPixels = 100;
    TBmpSpec fits{10, 10, 24, 0, 40, {}, 0, {}, QByteArray(320, '\0')};
    EXPECT_FALSE(DecodeDib(Dib(fits), options).Image.isNull());
    TBmpSpec larger{11, 10, 24, 0, 40, {}, 0, {}, QByteArray(360, '\0')};
    ExpectFailure(Dib(larger), "size 11 x 10 is out of range", options);
    EXPECT_FALSE(DecodeDib(Dib(larger)).Image.isNull());
}

TEST(DibDecoder, BadInputFailsClearly)
{
    ExpectFailure("", "header runs past the end");
    ExpectFailure(PalettedDib(8).left(30), "header runs past the end");
    QByteArray oddHeader = PalettedDib(8);
    oddHeader[0] = 30;
    ExpectFailure(oddHeader, "unsupported bitmap header size 30");
    QByteArray longHeader = Dib({1, 1, 24, 0, 40, {}, 0, {}, QByteArray(4, '\0')});
    longHeader[0] = char(100);
    ExpectFailure(longHeader, "header runs past the end");

    const auto pixels = [](qint32 w, qint32 h, int bits, quint32 compression = 0) {
        return Dib({w, h, bits, compression, 40, {}, 0, {}, QByteArray(64, '\0')});
    };
    ExpectFailure(pixels(100000, 100000, 24), "out of range");
    ExpectFailure(pixels(0, 3, 24), "out of range");
    ExpectFailure(pixels(3, 0, 24), "out of range");
    ExpectFailure(pixels(2, 2, 2), "unsupported bitmap depth of 2 bits");
    ExpectFailure(pixels(1, 1, 24, 4), "unsupported bitmap compression 4");
    ExpectFailure(pixels(1, 1, 24, 3), "bit fields need 16 or 32 bits");
    ExpectFailure(Dib({4, 2, 4, 1, 40, TestPalette(16), 0, {}, QByteArray::fromHex("0001")}),
                  "RLE8 needs 8 bits");
    ExpectFailure(pixels(1, 1, 16, 3).left(44), "bit field masks run past the end");

    const QByteArray paletted = PalettedDib(8);
    ExpectFailure(paletted.left(paletted.size() - 4), "pixel data runs past the end");
    ExpectFailure(paletted.left(40 + 100), "palette runs past the end");
    ExpectFailure(Dib({1, 1, 8, 0, 40, {}, 300, {}, QByteArray(1300, '\0')}),
                  "colour table of 300 entries is too large for 8 bits");
    TBmpSpec shortPalette{5, 3, 8, 0, 40, TestPalette(4), 0, {}, BmpRows(IndexRows(9), 8)};
    ExpectFailure(Dib(shortPalette), "palette index 4 is beyond the 4-colour palette");
}

TEST(DibDecoder, BadRleFailsClearly)
{
    const auto rle8 = [](const char *hex, qint32 w = 4, qint32 h = 2) {
        return Dib(Rle8Spec(hex, w, h));
    };
    ExpectFailure(rle8("0501"), "run past the end of the picture's row");
    // Runs beyond the last row or the row's end are refused, never written.
    ExpectFailure(rle8("04010000040100000101"), "run past the end");
    ExpectFailure(rle8("00050102030100"), "run past the end");
    ExpectFailure(rle8("0401"), "ends before the end of the picture");
    ExpectFailure(rle8("00020900"), "delta moves past the picture");
    ExpectFailure(rle8("000201"), "ends inside a delta");
    ExpectFailure(rle8("000401"), "ends inside an absolute run");
    ExpectFailure(rle8("0407000004010001"), "palette index 7 is beyond the 4-colour palette");
    ExpectFailure(rle8("0001", 4000, 4000), "far beyond what its RLE data can hold");
}

TEST(DibDecoder, EveryTruncationFailsWithoutCrashing)
{
    for (const QByteArray &sample : {PalettedDib(4), PalettedDib(8, true), Rle8Sample()}) {
        // The last row's padding (and the RLE end-of-bitmap) may be missing.
        for (qsizetype size = 0; size <= sample.size() - 4; ++size) {
            const TDecodedPicture picture = DecodeDib(QByteArrayView(sample).first(size));
            EXPECT_TRUE(picture.Image.isNull()) << size;
            EXPECT_FALSE(picture.Error.isEmpty()) << size;
        }
        EXPECT_FALSE(DecodeDib(sample).Image.isNull());
    }
}
