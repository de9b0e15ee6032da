#include "ReportTools.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <string>

namespace {

struct PenWidthCase
{
    int width;
    int dpi;
    int pixels;
};

void PrintTo(const PenWidthCase &c, std::ostream *os)
{
    *os << c.width << " at " << c.dpi << " dpi";
}

class PenWidths : public testing::TestWithParam<PenWidthCase>
{};

// A negative width is thousandths of an inch, rounded half to even and at
// least one pixel; other widths are device pixels, at least one.
TEST_P(PenWidths, BecomeDevicePixels)
{
    const PenWidthCase &c = GetParam();
    EXPECT_EQ(PenWidthPixels(c.width, c.dpi), c.pixels);
    EXPECT_EQ(ToQPen(TReportPen{clBlack, psSolid, pmCopy, c.width}, c.dpi).width(), c.pixels);
}

INSTANTIATE_TEST_SUITE_P(Widths, PenWidths,
                         testing::Values(PenWidthCase{-10, 300, 3}, PenWidthCase{-10, 600, 6},
                                         PenWidthCase{-1, 300, 1}, PenWidthCase{-15, 300, 4},
                                         PenWidthCase{-25, 300, 8}, PenWidthCase{-5, 600, 3},
                                         PenWidthCase{0, 300, 1}, PenWidthCase{4, 300, 4}),
                         [](const testing::TestParamInfo<PenWidthCase> &info) {
                             const PenWidthCase &c = info.param;
                             return (c.width < 0 ? "Minus" : "") +
                                    std::to_string(std::abs(c.width)) + "At" +
                                    std::to_string(c.dpi);
                         });

TEST(ReportTools, BrushesByStyleOrPattern)
{
    EXPECT_EQ(ToQBrush(TReportBrush{clYellow, bsSolid, {}}).color(), QColor(255, 255, 0));
    EXPECT_EQ(ToQBrush(TReportBrush{clYellow, bsClear, {}}).style(), Qt::NoBrush);
    EXPECT_EQ(ToQBrush(TReportBrush{clBlue, bsDiagCross, {}}).style(), Qt::DiagCrossPattern);

    QImage pattern(8, 8, QImage::Format_RGB32);
    pattern.fill(Qt::green);
    const QBrush patterned = ToQBrush(TReportBrush{clBlue, bsSolid, pattern});
    EXPECT_EQ(patterned.style(), Qt::TexturePattern);
    EXPECT_EQ(patterned.textureImage().pixel(3, 3), QColor(Qt::green).rgb());
}

TEST(ReportTools, FontsAtTheDeviceResolution)
{
    TReportFont font;
    font.Name = "Times New Roman";
    font.Size = 12;
    font.Bold = true;
    font.Underline = true;
    EXPECT_EQ(ToQFont(font, 300).pixelSize(), 50);
    EXPECT_EQ(ToQFont(font, 600).pixelSize(), 100);
    // 10.5 points at 96 dpi are 14 pixels; 0.01 points still one pixel.
    font.Size = 10.5;
    EXPECT_EQ(ToQFont(font, 96).pixelSize(), 14);
    font.Size = 0.01;
    EXPECT_EQ(ToQFont(font, 96).pixelSize(), 1);
    const QFont qfont = ToQFont(font, 300);
    EXPECT_EQ(qfont.family(), "Times New Roman");
    EXPECT_TRUE(qfont.bold());
    EXPECT_TRUE(qfont.underline());
    EXPECT_FALSE(qfont.italic());
    EXPECT_FALSE(qfont.strikeOut());
}

} // namespace
