#include "FittedText.h"

#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

namespace {

int WidthAt(const QFont &font, int pixels, const QString &text, QPaintDevice *device)
{
    QFont sized = font;
    sized.setPixelSize(pixels);
    return QFontMetrics(sized, device).horizontalAdvance(text);
}

// Text wider than its room was cut instead of shrunk.
TEST(FittedText, AFontIsShrunkJustEnoughForTextToFitAndLeftAloneWhenItFits)
{
    QImage device(10, 10, QImage::Format_RGB32);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(20);
    const QString text = QStringLiteral("Wednesday");
    const int wide = WidthAt(font, 20, text, &device);
    // Down to 10 pixels, half the size; narrower rooms are tested below.
    for (const int width :
         {wide + 10, wide, wide - 1, wide * 3 / 4, WidthAt(font, 11, text, &device)}) {
        const QFont fitted = FontFittingWidth(font, text, width, &device);
        EXPECT_EQ(fitted.family(), font.family());
        if (width >= wide) {
            EXPECT_EQ(fitted, font) << width;
            continue;
        }
        EXPECT_LT(fitted.pixelSize(), font.pixelSize()) << width;
        EXPECT_LE(WidthAt(font, fitted.pixelSize(), text, &device), width) << width;
        // Just small enough: a pixel larger would not fit.
        EXPECT_GT(WidthAt(font, fitted.pixelSize() + 1, text, &device), width) << width;
    }
}

TEST(FittedText, TheSmallestSizeIsHalfTheFontsButNeverBelowSixPoints)
{
    const struct
    {
        double size, unitsPerPoint, smallest;
    } cases[] = {
        {26, 1, 13},     {12, 1, 6},          {10, 1, 6},         {6, 1, 6},         {4, 1, 4},
        {13.5, 1, 6.75}, {32, 96.0 / 72, 16}, {12, 96.0 / 72, 8}, {7, 96.0 / 72, 7},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(SmallestFittedSize(c.size, c.unitsPerPoint), c.smallest)
            << c.size << " " << c.unitsPerPoint;
}

// Regression: a long title was shrunk to a pixel's height rather than cut.
TEST(FittedText, AFontIsShrunkNoFurtherThanItsSmallestSize)
{
    QImage device(10, 10, QImage::Format_RGB32);
    QFont font(QStringLiteral("DejaVu Sans"));
    const QString text = QStringLiteral("Wednesday");
    // Pixels at 96 pixels an inch: 6 points are 8 pixels.
    const struct
    {
        int size, smallest;
    } cases[] = {{20, 10}, {12, 8}, {9, 8}, {8, 8}, {7, 7}};
    for (const auto &c : cases) {
        font.setPixelSize(c.size);
        for (const int width : {WidthAt(font, c.smallest, text, &device) - 1, 3, 0, -5}) {
            const QFont fitted = FontFittingWidth(font, text, width, &device);
            EXPECT_EQ(fitted.pixelSize(), c.smallest) << c.size << " in " << width;
        }
    }
}

} // namespace
