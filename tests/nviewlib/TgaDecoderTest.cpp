#include "TgaDecoder.h"

#include "PictureSamples.h"

#include <gtest/gtest.h>

namespace {

const QList<QList<QRgb>> &Colours()
{
    static const QList<QList<QRgb>> rows = {
        {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)},
        {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(0x10, 0x20, 0x30)}};
    return rows;
}

QByteArray Pixel(QRgb colour, int depth)
{
    QByteArray bytes;
    if (depth == 16) {
        AppendLe16(bytes, quint32((qRed(colour) >> 3) << 10 | (qGreen(colour) >> 3) << 5 |
                                  qBlue(colour) >> 3));
        return bytes;
    }
    bytes.append(char(qBlue(colour)));
    bytes.append(char(qGreen(colour)));
    bytes.append(char(qRed(colour)));
    if (depth == 32)
        bytes.append(char(qAlpha(colour)));
    return bytes;
}

// The rows stored bottom-up (the TGA default) unless topDown.
QByteArray Stored(const QList<QList<QRgb>> &rows, int depth, bool topDown = false)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < rows.size(); ++i)
        for (QRgb colour : rows[topDown ? i : rows.size() - 1 - i])
            bytes += Pixel(colour, depth);
    return bytes;
}

TTgaSpec TrueColour(int depth, bool rle = false)
{
    TTgaSpec spec;
    spec.ImageType = rle ? 10 : 2;
    spec.Width = 3;
    spec.Height = 2;
    spec.Depth = depth;
    const QByteArray raw = Stored(Colours(), depth);
    spec.Pixels = rle ? TgaRle(raw, (depth + 7) / 8) : raw;
    return spec;
}

// 4 x 1 through a colour map whose first entry is index 10.
TTgaSpec Mapped(bool rle = false)
{
    TTgaSpec spec;
    spec.ImageType = rle ? 9 : 1;
    spec.Width = 4;
    spec.Height = 1;
    spec.Depth = 8;
    spec.MapType = 1;
    spec.MapFirst = 10;
    spec.Map = {qRgb(1, 2, 3), qRgb(40, 50, 60), qRgb(200, 100, 0)};
    const QByteArray raw = QByteArray::fromHex("0C0C0A0B");
    spec.Pixels = rle ? TgaRle(raw, 1) : raw;
    return spec;
}

QImage Decoded(const TTgaSpec &spec)
{
    const TDecodedPicture picture = DecodeTga(TgaFile(spec));
    EXPECT_FALSE(picture.Image.isNull()) << picture.Error.toStdString();
    return picture.Image;
}

void ExpectColours(const QImage &image, int depth)
{
    ASSERT_EQ(image.size(), QSize(3, 2));
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            const QRgb expected = Colours()[y][x];
            const int tolerance = depth == 16 ? 8 : 0;
            EXPECT_NEAR(qRed(image.pixel(x, y)), qRed(expected), tolerance) << x << "," << y;
            EXPECT_NEAR(qGreen(image.pixel(x, y)), qGreen(expected), tolerance);
            EXPECT_NEAR(qBlue(image.pixel(x, y)), qBlue(expected), tolerance);
        }
    }
}

void ExpectFailure(QByteArrayView bytes, const char *why)
{
    const TDecodedPicture picture = DecodeTga(bytes);
    EXPECT_TRUE(picture.Image.isNull()) << why;
    EXPECT_TRUE(picture.Error.contains(QLatin1StringView(why)))
        << picture.Error.toStdString() << " / expected: " << why;
}

} // namespace

TEST(TgaDecoder, TrueColourDepthsUncompressedAndRle)
{
    for (int depth : {16, 24, 32}) {
        for (bool rle : {false, true}) {
            SCOPED_TRACE(testing::Message() << depth << (rle ? " rle" : ""));
            ExpectColours(Decoded(TrueColour(depth, rle)), depth);
        }
    }
}

TEST(TgaDecoder, OriginBitsChooseRowAndColumnOrder)
{
    TTgaSpec topDown = TrueColour(24);
    topDown.Descriptor = 0x20;
    topDown.Pixels = Stored(Colours(), 24, true);
    ExpectColours(Decoded(topDown), 24);

    TTgaSpec mirrored = TrueColour(24);
    mirrored.Descriptor = 0x10;
    const QImage image = Decoded(mirrored);
    EXPECT_EQ(image.pixel(2, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(0, 1), qRgb(0x10, 0x20, 0x30));
}

TEST(TgaDecoder, AlphaKeptOnlyWhenTheFileCarriesIt)
{
    TTgaSpec spec = TrueColour(32);
    spec.Descriptor = 8;
    QList<QList<QRgb>> rows = Colours();
    rows[0][0] = qRgba(255, 0, 0, 0);
    rows[0][1] = qRgba(0, 255, 0, 255);
    spec.Pixels = Stored(rows, 32);
    const QImage alpha = Decoded(spec);
    EXPECT_TRUE(alpha.hasAlphaChannel());
    EXPECT_EQ(qAlpha(alpha.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(alpha.pixel(1, 0)), 255);

    for (QList<QRgb> &row : rows)
        for (QRgb &colour : row)
            colour &= 0x00FFFFFF;
    spec.Pixels = Stored(rows, 32);
    const QImage opaque = Decoded(spec);
    EXPECT_FALSE(opaque.hasAlphaChannel());
    EXPECT_EQ(opaque.pixel(1, 0), qRgb(0, 255, 0));
}

TEST(TgaDecoder, ColourMappedAndGreyscale)
{
    for (bool rle : {false, true}) {
        const QImage image = Decoded(Mapped(rle));
        ASSERT_EQ(image.size(), QSize(4, 1));
        EXPECT_EQ(image.pixel(0, 0), qRgb(200, 100, 0));
        EXPECT_EQ(image.pixel(1, 0), qRgb(200, 100, 0));
        EXPECT_EQ(image.pixel(2, 0), qRgb(1, 2, 3));
        EXPECT_EQ(image.pixel(3, 0), qRgb(40, 50, 60));

        TTgaSpec grey{rle ? 11 : 3, 2, 1, 8, 0, "id", 0, 0, 24, {}, QByteArray::fromHex("40FF")};
        if (rle)
            grey.Pixels = TgaRle(grey.Pixels, 1);
        const QImage greyImage = Decoded(grey);
        EXPECT_EQ(greyImage.pixel(0, 0), qRgb(0x40, 0x40, 0x40));
        EXPECT_EQ(greyImage.pixel(1, 0), qRgb(255, 255, 255));
    }
}

TEST(TgaDecoder, ColourMapOfATrueColourPictureIsSkipped)
{
    TTgaSpec spec = TrueColour(24);
    spec.MapType = 1;
    spec.Map = {qRgb(9, 9, 9), qRgb(8, 8, 8)};
    ExpectColours(Decoded(spec), 24);
}

TEST(TgaDecoder, BadInputFailsClearly)
{
    ExpectFailure("short", "shorter than its header");
    TTgaSpec unknownType = TrueColour(24);
    unknownType.ImageType = 5;
    ExpectFailure(TgaFile(unknownType), "unsupported TGA image type 5");
    TTgaSpec oddDepth = TrueColour(24);
    oddDepth.Depth = 12;
    ExpectFailure(TgaFile(oddDepth), "unsupported TGA depth");

    TTgaSpec noMap = Mapped();
    noMap.MapType = 0;
    noMap.Map.clear();
    ExpectFailure(TgaFile(noMap), "without a usable colour map");
    TTgaSpec beyond = Mapped();
    beyond.Pixels = QByteArray::fromHex("0A0B0C0D");
    ExpectFailure(TgaFile(beyond), "colour index beyond the 3-entry colour map");
    TTgaSpec below = Mapped();
    below.Pixels = QByteArray::fromHex("0A0B0C09");
    ExpectFailure(TgaFile(below), "colour index beyond");
    ExpectFailure(TgaFile(Mapped()).left(18 + 4), "colour map runs past the end");

    ExpectFailure(TgaFile(TrueColour(24)).chopped(1), "beyond what its data can hold");
    TTgaSpec overrun = TrueColour(24, true);
    overrun.Pixels = QByteArray::fromHex("87") + Pixel(qRgb(1, 2, 3), 24);
    ExpectFailure(TgaFile(overrun), "packet runs past the end of the picture");
    TTgaSpec shortRle = TrueColour(24, true);
    shortRle.Pixels = QByteArray::fromHex("84") + Pixel(qRgb(1, 2, 3), 24);
    ExpectFailure(TgaFile(shortRle), "ends before the end of the picture");

    TTgaSpec huge = TrueColour(24, true);
    huge.Width = 65535;
    huge.Height = 60000;
    ExpectFailure(TgaFile(huge), "out of range");
    huge.Height = 900;
    ExpectFailure(TgaFile(huge), "beyond what its data can hold");
    QByteArray longId = TgaFile(TrueColour(24)).left(18);
    longId[0] = char(200);
    ExpectFailure(longId, "identification runs past the end");
}

TEST(TgaDecoder, EveryTruncationFailsWithoutCrashing)
{
    for (const QByteArray &sample :
         {TgaFile(TrueColour(24, true)), TgaFile(Mapped(true)), TgaFile(TrueColour(32))}) {
        for (qsizetype size = 0; size < sample.size(); ++size)
            EXPECT_FALSE(DecodeTga(QByteArrayView(sample).first(size)).Error.isEmpty()) << size;
    }
}
