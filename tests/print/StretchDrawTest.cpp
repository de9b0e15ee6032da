#include "TestSheet.h"

#include <QPicture>

#include <gtest/gtest.h>

namespace {

constexpr QRgb red = 0xFF0000;
constexpr QRgb green = 0x00FF00;
constexpr QRgb blue = 0x0000FF;
constexpr QRgb yellow = 0xFFFF00;

TEST(StretchDraw, BitmapFillsTheRectangle)
{
    QImage quarters(2, 2, QImage::Format_RGB32);
    quarters.setPixel(0, 0, red);
    quarters.setPixel(1, 0, green);
    quarters.setPixel(0, 1, blue);
    quarters.setPixel(1, 1, yellow);

    TestSheet sheet(300, {400, 300});
    sheet.report.StretchDraw(TRect{100, 100, 300, 200}, quarters);
    EXPECT_EQ(sheet.Pixel(101, 101), red);
    EXPECT_EQ(sheet.Pixel(298, 101), green);
    EXPECT_EQ(sheet.Pixel(101, 198), blue);
    EXPECT_EQ(sheet.Pixel(298, 198), yellow);
    EXPECT_EQ(sheet.Ink(), QRect(100, 100, 200, 100));
}

// A recorded picture of 100 x 40 pixels: blue top-left half, red bottom-right
// half, and a green square outside its frame.
QPicture RecordedPicture()
{
    QPicture picture;
    QPainter painter(&picture);
    painter.fillRect(0, 0, 50, 20, Qt::blue);
    painter.fillRect(50, 20, 50, 20, Qt::red);
    painter.fillRect(100, 0, 20, 20, Qt::green);
    painter.end();
    picture.setBoundingRect(QRect(0, 0, 100, 40));
    return picture;
}

// Regression: playing a picture on a 300 dpi device scaled it a further
// 300 / 96 times beyond the rectangle.
TEST(StretchDraw, RecordedPictureFillsTheRectangleAtAnyResolution)
{
    for (const int dpi : {96, 300, 600}) {
        SCOPED_TRACE(dpi);
        TestSheet sheet(dpi, {500, 300});
        sheet.report.StretchDraw(TRect{100, 100, 400, 220}, RecordedPicture());
        EXPECT_EQ(sheet.Pixel(100, 100), blue);
        EXPECT_EQ(sheet.Pixel(249, 159), blue);
        EXPECT_EQ(sheet.Pixel(250, 160), red);
        EXPECT_EQ(sheet.Pixel(399, 219), red);
        EXPECT_EQ(sheet.Pixel(260, 110), white);
        EXPECT_EQ(sheet.Ink(), QRect(100, 100, 300, 120)) << "nothing outside the frame";
    }
}

// The ink width of a line of text recorded in a 200 x 40 picture, played at
// its own size on a 96 dpi image or stretched three times on a 300 dpi one.
int RecordedTextWidth(int dpi, int stretch)
{
    QPicture picture;
    {
        QPainter painter(&picture);
        QFont font("Arial");
        font.setPixelSize(20);
        painter.setFont(font);
        painter.drawText(QPoint(5, 30), "Hello there");
    }
    picture.setBoundingRect(QRect(0, 0, 200, 40));
    TestSheet sheet(dpi, {800, 200});
    sheet.report.StretchDraw(TRect{0, 0, 200 * stretch, 40 * stretch}, picture);
    const QRect ink = sheet.Ink();
    EXPECT_LT(ink.bottom(), 40 * stretch);
    return ink.width();
}

TEST(StretchDraw, RecordedTextScalesWithTheRectangle)
{
    const int own = RecordedTextWidth(96, 1);
    const int stretched = RecordedTextWidth(300, 3);
    EXPECT_GT(own, 50);
    EXPECT_NEAR(stretched, 3 * own, own / 10);
}

TEST(StretchDraw, EmptyPicturesAndRectanglesDrawNothing)
{
    TestSheet sheet(300, {100, 100});
    QImage quarters(2, 2, QImage::Format_RGB32);
    quarters.fill(Qt::black);
    sheet.report.StretchDraw(TRect{10, 10, 10, 50}, quarters);
    sheet.report.StretchDraw(TRect{10, 10, 50, 50}, QImage());
    sheet.report.StretchDraw(TRect{10, 10, 50, 50}, QPicture());
    EXPECT_TRUE(sheet.Ink().isNull());
}

} // namespace
