#include "PcxDecoder.h"

#include "PictureSamples.h"

#include <gtest/gtest.h>

namespace {

QList<QRgb> EndPalette()
{
    QList<QRgb> palette;
    for (int i = 0; i < 256; ++i)
        palette.append(qRgb(i, 255 - i, (i * 7) % 256));
    return palette;
}

QList<QRgb> SixteenColours()
{
    QList<QRgb> palette;
    for (int i = 0; i < 16; ++i)
        palette.append(qRgb(i * 16, 128, 255 - i * 16));
    return palette;
}

// 5 x 2, 256 colours: a run of 5, then values at and above 0xC0 that the
// encoding must escape; lines padded to 6 bytes.
TPcxSpec EightBitSpec()
{
    TPcxSpec spec;
    spec.Width = 5;
    spec.Height = 2;
    spec.BytesPerLine = 6;
    spec.EndPalette = EndPalette();
    spec.Scanlines = QByteArray::fromHex("070707070700"
                                         "C1FF0102C000");
    return spec;
}

// 3 x 2 in 24-bit colour: red, green and blue planes per row.
TPcxSpec TrueColourSpec()
{
    TPcxSpec spec;
    spec.Planes = 3;
    spec.Width = 3;
    spec.Height = 2;
    spec.BytesPerLine = 4;
    spec.Scanlines = QByteArray::fromHex("FF000000"
                                         "00FF0000"
                                         "0000FF00"
                                         "10203000"
                                         "40506000"
                                         "70809000");
    return spec;
}

// 9 x 1 in four 1-bit planes: pixel x has colour index x (pixel 8: 15).
TPcxSpec EgaSpec()
{
    TPcxSpec spec;
    spec.Bits = 1;
    spec.Planes = 4;
    spec.Width = 9;
    spec.Height = 1;
    spec.BytesPerLine = 2;
    spec.HeaderPalette = SixteenColours();
    // Bit p of index x lies in plane p, pixel 0 in the top bit.
    spec.Scanlines = QByteArray::fromHex("5580"
                                         "3380"
                                         "0F80"
                                         "0080");
    return spec;
}

void ExpectFailure(QByteArrayView bytes, const char *why)
{
    const TDecodedPicture picture = DecodePcx(bytes);
    EXPECT_TRUE(picture.Image.isNull()) << why;
    EXPECT_TRUE(picture.Error.contains(QLatin1StringView(why)))
        << picture.Error.toStdString() << " / expected: " << why;
}

QImage Decoded(const TPcxSpec &spec)
{
    const TDecodedPicture picture = DecodePcx(PcxFile(spec));
    EXPECT_FALSE(picture.Image.isNull()) << picture.Error.toStdString();
    return picture.Image;
}

} // namespace

TEST(PcxDecoder, EightBitWithEndPaletteCompressedOrNot)
{
    for (bool rle : {true, false}) {
        TPcxSpec spec = EightBitSpec();
        spec.Rle = rle;
        const QImage image = Decoded(spec);
        ASSERT_EQ(image.size(), QSize(5, 2));
        const QList<QRgb> palette = EndPalette();
        EXPECT_EQ(image.pixel(4, 0), palette[7]);
        EXPECT_EQ(image.pixel(0, 1), palette[0xC1]);
        EXPECT_EQ(image.pixel(1, 1), palette[0xFF]);
        EXPECT_EQ(image.pixel(3, 1), palette[2]);
        EXPECT_EQ(image.pixel(4, 1), palette[0xC0]);
    }
}

TEST(PcxDecoder, EightBitWithoutPaletteIsGrey)
{
    TPcxSpec spec = EightBitSpec();
    spec.EndPalette.clear();
    const QImage image = Decoded(spec);
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(2, 0), qRgb(7, 7, 7));
}

TEST(PcxDecoder, TrueColourPlanes)
{
    const QImage image = Decoded(TrueColourSpec());
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(2, 0), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(0, 1), qRgb(0x10, 0x40, 0x70));
    EXPECT_EQ(image.pixel(2, 1), qRgb(0x30, 0x60, 0x90));
}

TEST(PcxDecoder, SixteenColoursPlanarPackedAndMonochrome)
{
    const QList<QRgb> colours = SixteenColours();
    const QImage ega = Decoded(EgaSpec());
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(ega.pixel(x, 0), colours[x]) << x;
    EXPECT_EQ(ega.pixel(8, 0), colours[15]);

    TPcxSpec packed{4, 1, 3, 1, 2, true, colours, {}, QByteArray::fromHex("A5F0")};
    const QImage nibbles = Decoded(packed);
    EXPECT_EQ(nibbles.pixel(0, 0), colours[10]);
    EXPECT_EQ(nibbles.pixel(1, 0), colours[5]);
    EXPECT_EQ(nibbles.pixel(2, 0), colours[15]);

    TPcxSpec mono{1, 1, 10, 1, 2, true, {}, {}, QByteArray::fromHex("A040")};
    const QImage bits = Decoded(mono);
    EXPECT_EQ(bits.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(bits.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(bits.pixel(9, 0), qRgb(255, 255, 255));
}

TEST(PcxDecoder, BadInputFailsClearly)
{
    ExpectFailure("BM", "not a PCX file");
    ExpectFailure(PcxFile(EightBitSpec()).left(100), "not a PCX file");

    TPcxSpec cga{2, 1, 4, 1, 2, true, {}, {}, QByteArray(2, '\0')};
    ExpectFailure(PcxFile(cga), "unsupported PCX layout");

    QByteArray backwards = PcxFile(EightBitSpec());
    backwards[8] = 0; // right edge left of the left edge
    backwards[9] = 0;
    backwards[4] = 5;
    ExpectFailure(backwards, "out of range");

    TPcxSpec shortLines = EightBitSpec();
    shortLines.BytesPerLine = 4;
    ExpectFailure(PcxFile(shortLines), "too short for its width");

    TPcxSpec raw = EightBitSpec();
    raw.Rle = false;
    raw.EndPalette.clear();
    ExpectFailure(PcxFile(raw).chopped(1), "ends before the end of the picture");

    const QByteArray header = PcxFile(TrueColourSpec()).left(128);
    ExpectFailure(header + QByteArray::fromHex("FF07"), "run past the end of the picture");
    ExpectFailure(header + QByteArray::fromHex("C5"), "ends inside a run");

    QByteArray huge = PcxFile(EightBitSpec());
    huge[8] = char(0xFF);
    huge[9] = char(0x1F);
    huge[10] = char(0xFF);
    huge[11] = char(0x1F);
    huge[66] = char(0x00);
    huge[67] = char(0x20);
    ExpectFailure(huge, "far beyond what its RLE data can hold");
}

TEST(PcxDecoder, EveryTruncationFailsWithoutCrashing)
{
    TPcxSpec noPalette = EightBitSpec();
    noPalette.EndPalette.clear();
    for (const QByteArray &sample : {PcxFile(noPalette), PcxFile(TrueColourSpec())}) {
        for (qsizetype size = 0; size < sample.size(); ++size)
            EXPECT_FALSE(DecodePcx(QByteArrayView(sample).first(size)).Error.isEmpty()) << size;
    }
}
