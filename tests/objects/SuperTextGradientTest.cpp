#include "SuperTextGradient.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor Blue = 0xFF0000;
constexpr TColor Yellow = 0x00FFFF;
constexpr QRgb BlueRgb = 0x0000FF;
constexpr QRgb YellowRgb = 0xFFFF00;

QRgb At(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

} // namespace

TEST(SuperTextGradient, EachDirectionStartsWhereItSays)
{
    struct Case
    {
        TFillDirection Direction;
        QRgb TopLeft;
        QRgb Last; // the bottom row for rows, the right column for columns
    };
    for (const Case &c : {Case{gdUp, YellowRgb, BlueRgb}, Case{gdDown, BlueRgb, YellowRgb},
                          Case{gdLeft, YellowRgb, BlueRgb}, Case{gdRight, BlueRgb, YellowRgb}}) {
        const QImage bitmap = MakeGradientBitmap(QSize(300, 300), c.Direction, Blue, Yellow);
        ASSERT_FALSE(bitmap.isNull());
        EXPECT_EQ(At(bitmap, 0, 0), c.TopLeft) << c.Direction;
        if (GradientAcross(c.Direction)) {
            EXPECT_EQ(At(bitmap, 299, 150), c.Last) << c.Direction;
            EXPECT_EQ(At(bitmap, 0, 299), c.TopLeft) << "columns run the full height";
        } else {
            EXPECT_EQ(At(bitmap, 150, 299), c.Last) << c.Direction;
            EXPECT_EQ(At(bitmap, 299, 0), c.TopLeft) << "rows run the full width";
        }
    }
}

TEST(SuperTextGradient, BandsAreZeroOrOnePixelOver100AndFourOver1024)
{
    struct Case
    {
        int Length;
        int Narrowest;
        int Widest;
    };
    for (const Case &c : {Case{100, 0, 1}, Case{1024, 4, 4}, Case{256, 1, 1}}) {
        int total = 0;
        for (int i = 0; i < GradientBands; ++i) {
            const int width = GradientBandPixel(i + 1, c.Length) - GradientBandPixel(i, c.Length);
            EXPECT_GE(width, c.Narrowest) << c.Length << " band " << i;
            EXPECT_LE(width, c.Widest) << c.Length << " band " << i;
            total += width;
        }
        EXPECT_EQ(total, c.Length);
    }
}

TEST(SuperTextGradient, BandEdgesRoundHalfToEven)
{
    // Over 2 pixels band 64 starts at 0.5 and band 192 at 1.5.
    EXPECT_EQ(GradientBandPixel(64, 2), 0);
    EXPECT_EQ(GradientBandPixel(192, 2), 2);
    EXPECT_EQ(GradientBandPixel(256, 2), 2);
}

TEST(SuperTextGradient, BandColoursStepEvenlyAndEndExactly)
{
    struct Case
    {
        TColor Start;
        TColor End;
    };
    for (const Case &c : {Case{Blue, Yellow}, Case{Yellow, Blue}, Case{0x010203, 0xFEFDFC},
                          Case{0x808080, 0x7F7F81}, Case{clBlack, clWhite}}) {
        EXPECT_EQ(GradientBandColor(0, c.Start, c.End), c.Start);
        EXPECT_EQ(GradientBandColor(255, c.Start, c.End), c.End);
    }
    // Blue to yellow: red and green climb by one a band, blue falls by one.
    EXPECT_EQ(GradientBandColor(100, Blue, Yellow), TColor(0x9B6464));
    // 1 * 128 / 255 is just over a half.
    EXPECT_EQ(GradientBandColor(128, clBlack, 0x000001), TColor(0x000001));
    EXPECT_EQ(GradientBandColor(127, clBlack, 0x000001), TColor(0x000000));
}

TEST(SuperTextGradient, LastPixelOf1024IsTheEndColour)
{
    const QImage bitmap = MakeGradientBitmap(QSize(1024, 3), gdRight, 0x123456, 0xABCDEF);
    EXPECT_EQ(At(bitmap, 1023, 1), QRgb(0xEFCDAB));
    EXPECT_EQ(At(bitmap, 1020, 1), QRgb(0xEFCDAB));
    EXPECT_EQ(At(bitmap, 0, 1), QRgb(0x563412));
}

TEST(SuperTextGradient, SystemColoursAreResolved)
{
    const QImage bitmap = MakeGradientBitmap(QSize(256, 1), gdRight, clWindow, clWindowText);
    EXPECT_EQ(At(bitmap, 0, 0), QRgb(0xFFFFFF));
    EXPECT_EQ(At(bitmap, 255, 0), QRgb(0x000000));
}

TEST(SuperTextGradient, EmptyOrHugeSizesGiveNoBitmap)
{
    EXPECT_TRUE(MakeGradientBitmap(QSize(0, 10), gdRight, Blue, Yellow).isNull());
    EXPECT_TRUE(MakeGradientBitmap(QSize(10, -1), gdRight, Blue, Yellow).isNull());
    EXPECT_TRUE(MakeGradientBitmap(QSize(100000, 100000), gdUp, Blue, Yellow).isNull());
}
