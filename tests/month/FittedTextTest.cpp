#include "FittedText.h"

#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

namespace {

// Text wider than its room was cut instead of shrunk.
TEST(FittedText, AFontIsShrunkJustEnoughForTextToFitAndLeftAloneWhenItFits)
{
    QImage device(10, 10, QImage::Format_RGB32);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(20);
    const QString text = QStringLiteral("Wednesday");
    const int wide = QFontMetrics(font, &device).horizontalAdvance(text);
    for (const int width : {wide + 10, wide, wide - 1, wide / 2, wide / 5, 3, 0, -5}) {
        const QFont fitted = FontFittingWidth(font, text, width, &device);
        if (width >= wide) {
            EXPECT_EQ(fitted, font) << width;
            continue;
        }
        ASSERT_GE(fitted.pixelSize(), 1);
        EXPECT_LT(fitted.pixelSize(), font.pixelSize()) << width;
        const int fittedWide = QFontMetrics(fitted, &device).horizontalAdvance(text);
        if (fitted.pixelSize() > 1) {
            EXPECT_LE(fittedWide, width) << width;
            // Just small enough: a pixel larger would not fit.
            QFont larger = fitted;
            larger.setPixelSize(fitted.pixelSize() + 1);
            EXPECT_GT(QFontMetrics(larger, &device).horizontalAdvance(text), width) << width;
        }
        EXPECT_EQ(fitted.family(), font.family());
    }
}

} // namespace
