#include "PrintSheet.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

TEST(PrintSheet, TheSheetIsThePageWithItsBleedAndTheMarksRoom)
{
    const struct
    {
        TPrintSheet sheet;
        double margin;
    } cases[] = {
        {{3.0, true}, 9.0},   {{3.0, false}, 3.0},
        {{0.0, true}, 6.0},   {{25.0, false}, 10.0}, // the bleed is capped
        {{-2.0, false}, 0.0},
    };
    for (const auto &c : cases) {
        EXPECT_DOUBLE_EQ(SheetMarginMm(c.sheet), c.margin) << c.sheet.BleedMm;
        EXPECT_EQ(SheetSizeMm({210, 297}, c.sheet), QSizeF(210 + 2 * c.margin, 297 + 2 * c.margin));
    }
}

TEST(PrintSheet, OnlyTheSidesReachingTheTrimGoIntoTheBleed)
{
    const TRect trim{100, 100, 1100, 1500};
    const struct
    {
        const char *what;
        TRect device, bled;
    } cases[] = {
        {"inside", {200, 200, 500, 500}, {200, 200, 500, 500}},
        {"top left corner", {100, 100, 500, 500}, {64, 64, 500, 500}},
        {"within tolerance of the right", {600, 300, 1096, 400}, {600, 300, 1136, 400}},
        {"just beyond tolerance", {600, 300, 1095, 400}, {600, 300, 1095, 400}},
        {"within tolerance of the left", {104, 300, 400, 400}, {64, 300, 400, 400}},
        {"just beyond it", {105, 300, 400, 400}, {105, 300, 400, 400}},
        {"the whole page", {100, 100, 1100, 1500}, {64, 64, 1136, 1536}},
        {"already past the bleed", {0, 200, 300, 1600}, {0, 200, 300, 1600}},
        {"bottom", {300, 1000, 400, 1500}, {300, 1000, 400, 1536}},
    };
    for (const auto &c : cases) {
        const TRect bled = BleedOut(c.device, trim, 36, 4);
        EXPECT_EQ(bled.Left, c.bled.Left) << c.what;
        EXPECT_EQ(bled.Top, c.bled.Top) << c.what;
        EXPECT_EQ(bled.Right, c.bled.Right) << c.what;
        EXPECT_EQ(bled.Bottom, c.bled.Bottom) << c.what;
    }
}

// Ink at (x, y) or a pixel next to it: a hairline lands on either side of
// its exact position.
bool Inked(const QImage &image, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (image.pixelColor(x + dx, y + dy).lightness() < 128)
                return true;
        }
    }
    return false;
}

TEST(PrintSheet, CropMarksStartAtTheBleedAndRunOutward)
{
    // 300 dpi: marks 5 mm (59 px) long, a 3 mm (35 px) bleed.
    QImage image(1000, 1000, QImage::Format_RGB32);
    image.fill(Qt::white);
    const TRect trim{200, 200, 800, 800};
    {
        QPainter painter(&image);
        painter.setClipRect(0, 0, 10, 10);
        DrawCropMarks(painter, trim, 35, 300);
        EXPECT_TRUE(painter.hasClipping()) << "the painter is left as found";
    }
    for (const int x : {200, 800}) {
        for (const int y : {200, 800}) {
            const int out = x == 200 ? -1 : 1;
            const int down = y == 200 ? -1 : 1;
            EXPECT_TRUE(Inked(image, x + out * 40, y)) << x << ',' << y;
            EXPECT_TRUE(Inked(image, x + out * 90, y)) << x << ',' << y;
            EXPECT_FALSE(Inked(image, x + out * 30, y)) << "inside the bleed " << x << ',' << y;
            EXPECT_FALSE(Inked(image, x + out * 100, y)) << "past the mark " << x << ',' << y;
            EXPECT_TRUE(Inked(image, x, y + down * 60)) << x << ',' << y;
        }
    }
    EXPECT_FALSE(Inked(image, 500, 200)) << "no line along the trim";
    EXPECT_FALSE(Inked(image, 200, 500));
}

// A quarter point whatever the resolution and the pen the painter had: at
// 1200 dpi the hairline is 4 pixels thick, in black.
TEST(PrintSheet, CropMarksAreBlackQuarterPointHairlines)
{
    QImage image(2000, 2000, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setPen(QPen(Qt::red, 40));
        DrawCropMarks(painter, TRect{500, 500, 1500, 1500}, 142, 1200);
    }
    int thickness = 0;
    for (int y = 480; y < 520; ++y) {
        const QColor pixel = image.pixelColor(300, y);
        if (pixel.lightness() < 128) {
            ++thickness;
            EXPECT_EQ(pixel, QColor(Qt::black)) << y;
        }
    }
    EXPECT_GE(thickness, 3);
    EXPECT_LE(thickness, 5);
}

} // namespace
