#include "ProgramStyle.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

int DarkPixels(const QImage &image)
{
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qAlpha(image.pixel(x, y)) > 128 && qGray(image.pixel(x, y)) < 128;
    return dark;
}

// The hint delay changes on the style in place, so widgets are not polished
// again for it.
TEST(ProgramStyleTest, HintDelayIsSetOnTheProgramStyleInPlace)
{
    SetHintDelay(1200);
    QStyle *style = QApplication::style();
    ASSERT_NE(qobject_cast<TProgramStyle *>(style), nullptr);
    EXPECT_EQ(style->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 1200);
    SetHintDelay(300);
    EXPECT_EQ(QApplication::style(), style);
    EXPECT_EQ(style->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 300);
    SetHintDelay(1200);
}

// The chevrons of tool bars and menu bars are drawn: right for a horizontal
// bar, down for a vertical one, at any size asked for.
TEST(ProgramStyleTest, ExtensionChevronsAreDrawnAtEverySize)
{
    const TProgramStyle style;
    for (const int size : {16, 32}) {
        const QImage right =
            style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(size).toImage();
        const QImage down =
            style.standardIcon(QStyle::SP_ToolBarVerticalExtensionButton).pixmap(size).toImage();
        ASSERT_EQ(right.size(), QSize(size, size));
        EXPECT_GT(DarkPixels(right), size / 2);
        EXPECT_GT(DarkPixels(down), size / 2);
        EXPECT_NE(right, down);
        // Turned a quarter, the right chevrons are the down ones.
        EXPECT_NEAR(DarkPixels(right), DarkPixels(down), size / 4);
    }
    EXPECT_FALSE(style.standardIcon(QStyle::SP_DialogOkButton).isNull());
}

} // namespace
