#include "FontDesc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr int intMax = std::numeric_limits<int>::max();
constexpr int intMin = std::numeric_limits<int>::min();

TEST(FontDescTest, PointsFromHeightRoundsHalvesAwayFromZero)
{
    const struct
    {
        int height, ppi, points;
    } cases[] = {
        {-35, 96, 26},  {-21, 96, 16},   {-13, 96, 10},
        {-11, 96, 8},   {-64, 96, 48},   {-6, 96, 5}, // 4.5 points
        {-25, 120, 15}, {35, 96, 26},    {0, 96, 0},
        {-35, 0, 26},   {-35, -120, 26}, {intMin, 1, intMax},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TFontDesc::PointsFromHeight(c.height, c.ppi), c.points)
            << c.height << " " << c.ppi;
}

TEST(FontDescTest, HeightRoundTripsThroughPoints)
{
    TFontDesc font;
    for (int ppi : {72, 96, 120, 144, 300, 600}) {
        for (font.Size = 1; font.Size <= 200; ++font.Size)
            ASSERT_EQ(TFontDesc::PointsFromHeight(font.Height(ppi), ppi), font.Size) << ppi;
    }
    font.Size = 10;
    EXPECT_EQ(font.Height(), -13);
    font.Size = intMax;
    EXPECT_EQ(font.Height(), intMin);
}

TEST(FontDescTest, SameLookIgnoresOnlySize)
{
    const TFontDesc base{u"Arial"_s, 10, TFontStyle::fsBold, clRed};
    const auto sameLookAfter = [&base](auto change) {
        TFontDesc other = base;
        change(other);
        return base.SameLook(other);
    };
    EXPECT_TRUE(sameLookAfter([](TFontDesc &font) { font.Size = 24; }));
    EXPECT_FALSE(sameLookAfter([](TFontDesc &font) { font.Name = u"arial"_s; }));
    EXPECT_FALSE(sameLookAfter([](TFontDesc &font) { font.Style |= TFontStyle::fsItalic; }));
    EXPECT_FALSE(sameLookAfter([](TFontDesc &font) { font.Color = clBlue; }));
}

TEST(FontDescTest, ToQFontCarriesFaceAndStyle)
{
    const QFont font =
        TFontDesc{u"Arial"_s, 12, TFontStyle::fsBold | TFontStyle::fsUnderline, clBlack}.ToQFont();
    EXPECT_EQ(font.family(), u"Arial"_s);
    EXPECT_EQ(font.pixelSize(), 16);
    EXPECT_TRUE(font.bold() && font.underline());
    EXPECT_FALSE(font.italic() || font.strikeOut());

    const QFont other =
        TFontDesc{u"Arial"_s, 12, TFontStyle::fsItalic | TFontStyle::fsStrikeOut, clBlack}
            .ToQFont();
    EXPECT_TRUE(other.italic() && other.strikeOut());
    EXPECT_FALSE(other.bold() || other.underline());
}

TEST(FontDescTest, ToQFontScalesByPpiAndZoomToAtLeastOnePixel)
{
    const struct
    {
        int size, ppi;
        double zoom;
        int pixels;
    } cases[] = {
        {12, 300, 0.5, 25}, {10, 96, 2.0, 27},         {3, 60, 1.0, 2} /* 2.5 to even */,
        {12, 0, 1.0, 16},   {1, 96, 0.01, 1},          {0, 96, 1.0, 1},
        {-12, 96, 1.0, 1},  {12, 96, std::nan(""), 1},
    };
    for (const auto &c : cases) {
        TFontDesc desc;
        desc.Size = c.size;
        EXPECT_EQ(desc.ToQFont(c.ppi, c.zoom).pixelSize(), c.pixels) << c.size << " " << c.zoom;
    }
}

} // namespace
