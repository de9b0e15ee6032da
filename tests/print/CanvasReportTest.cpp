#include "TestSheet.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb red = 0xFF0000;

// At 100 dpi a tenth of an inch is ten pixels.
class CanvasLines : public testing::Test
{
protected:
    TestSheet sheet{100, {120, 120}};
    TCanvasReport &report = sheet.report;
};

TEST_F(CanvasLines, LineLeavesOutItsEndPoint)
{
    report.MoveTo(0.1, 0.5);
    report.LineTo(0.2, 0.5);
    report.MoveTo(0.7, 0.1);
    report.LineTo(0.7, 0.3);
    report.MoveTo(0.3, 0.7);
    report.LineTo(0.5, 0.9);
    EXPECT_EQ(sheet.Pixel(9, 50), white);
    EXPECT_EQ(sheet.Pixel(10, 50), black);
    EXPECT_EQ(sheet.Pixel(19, 50), black);
    EXPECT_EQ(sheet.Pixel(20, 50), white);
    EXPECT_EQ(sheet.Pixel(10, 49), white);
    EXPECT_EQ(sheet.Pixel(10, 51), white);
    EXPECT_EQ(sheet.Pixel(70, 10), black);
    EXPECT_EQ(sheet.Pixel(70, 29), black);
    EXPECT_EQ(sheet.Pixel(70, 30), white);
    EXPECT_EQ(sheet.Pixel(30, 70), black);
    EXPECT_EQ(sheet.Pixel(49, 89), black);
    EXPECT_EQ(sheet.Pixel(50, 90), white);
}

TEST_F(CanvasLines, LinesContinueFromTheLastEnd)
{
    report.MoveTo(0.1, 0.1);
    report.LineTo(0.5, 0.1);
    report.LineTo(0.5, 0.5);
    report.LineTo(0.5, 0.5);
    EXPECT_EQ(sheet.Pixel(49, 10), black);
    EXPECT_EQ(sheet.Pixel(50, 10), black) << "the second line starts at the first one's end";
    EXPECT_EQ(sheet.Pixel(50, 49), black);
    EXPECT_EQ(sheet.Pixel(50, 50), white) << "a line to the current point draws nothing";
}

TEST_F(CanvasLines, WidthInThousandthsOfAnInch)
{
    report.SetPen(clBlack, psSolid, -50); // five pixels at 100 dpi
    report.MoveTo(0.1, 0.5);
    report.LineTo(1.0, 0.5);
    const QRect ink = sheet.Ink();
    EXPECT_EQ(ink.height(), 5);
    EXPECT_EQ(ink.left(), 10);
    EXPECT_EQ(ink.right(), 99);
    EXPECT_TRUE(ink.contains(50, 50));
}

TEST_F(CanvasLines, RectangleCoversLeftToRightExclusive)
{
    report.SetBrush(clRed, bsSolid);
    report.Rectangle(0.1, 0.1, 0.3, 0.2);
    EXPECT_EQ(sheet.Pixel(10, 10), black);
    EXPECT_EQ(sheet.Pixel(29, 19), black);
    EXPECT_EQ(sheet.Pixel(30, 15), white);
    EXPECT_EQ(sheet.Pixel(20, 20), white);
    EXPECT_EQ(sheet.Pixel(9, 15), white);
    EXPECT_EQ(sheet.Pixel(20, 15), red);
    EXPECT_EQ(sheet.Pixel(28, 18), red);
}

TEST_F(CanvasLines, RectangleWithoutPenFillsOnePixelLess)
{
    report.SetPen(clBlack, psClear, 1);
    report.SetBrush(clRed, bsSolid);
    report.Rectangle(TRect{40, 40, 20, 30}); // given right to left, bottom to top
    EXPECT_EQ(sheet.Pixel(20, 30), red);
    EXPECT_EQ(sheet.Pixel(38, 38), red);
    EXPECT_EQ(sheet.Pixel(39, 35), white);
    EXPECT_EQ(sheet.Pixel(30, 39), white);
}

TEST_F(CanvasLines, PenModeNotInvertsAndRestores)
{
    report.SetPen(clRed, psSolid, 1, pmNot);
    report.SetBrush(clWhite, bsClear);
    report.Rectangle(0.1, 0.1, 0.5, 0.5);
    report.MoveTo(0.6, 0.6);
    report.LineTo(0.9, 0.6);
    EXPECT_EQ(sheet.Pixel(10, 30), black);
    EXPECT_EQ(sheet.Pixel(30, 30), white);
    EXPECT_EQ(sheet.Pixel(70, 60), black);

    TestSheet twice(100, {60, 60});
    twice.report.SetPen(clRed, psSolid, 1, pmNot);
    twice.report.SetBrush(clWhite, bsClear);
    twice.report.Rectangle(0.1, 0.1, 0.5, 0.5);
    twice.report.Rectangle(0.1, 0.1, 0.5, 0.5);
    EXPECT_TRUE(twice.Ink().isNull());
}

TEST_F(CanvasLines, PainterStateIsLeftAsFound)
{
    QPainter &canvas = *report.Canvas();
    canvas.setPen(Qt::green);
    report.SetPen(clRed, psDash, 3, pmXor);
    report.SetFont("Arial", 30);
    report.SetFontRotation(450);
    report.Rectangle(0.1, 0.1, 0.5, 0.5);
    report.PrintLeft("Text", 0.2);
    EXPECT_EQ(canvas.pen().color(), QColor(Qt::green));
    EXPECT_EQ(canvas.compositionMode(), QPainter::CompositionMode_SourceOver);
    EXPECT_TRUE(canvas.transform().isIdentity());
}

TEST(CanvasWithoutPainter, DrawsNothingAndStillMeasures)
{
    TCanvasReport report;
    report.Rectangle(0, 0, 1, 1);
    report.PrintLeft("Text", 0);
    report.StartNewPage();
    EXPECT_EQ(report.CurrentPage(), 2);
    EXPECT_GT(report.LineHeight(), 0);
    EXPECT_GT(report.TextWidth("Text"), 1);
}

} // namespace
