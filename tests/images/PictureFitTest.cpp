#include "PictureFit.h"

#include <gtest/gtest.h>

namespace {

TEST(PictureFit, PlacesThePictureAsTheFitSays)
{
    const QRectF frame(10, 20, 100, 50);
    const struct
    {
        const char *what;
        QSizeF picture;
        TImageFit fit;
        int cropX, cropY;
        QRectF source, target, whole;
    } cases[] = {
        {"stretch", {40, 40}, ifStretch, 0, 0, {0, 0, 40, 40}, frame, frame},
        {"fit, wide frame",
         {40, 40},
         ifFit,
         50,
         50,
         {0, 0, 40, 40},
         {35, 20, 50, 50},
         {35, 20, 50, 50}},
        {"fit, tall picture ignores the crop",
         {40, 10},
         ifFit,
         0,
         100,
         {0, 0, 40, 10},
         {10, 32.5, 100, 25},
         {10, 32.5, 100, 25}},
        {"fill, centred", {40, 40}, ifFill, 50, 50, {0, 10, 40, 20}, frame, {10, -5, 100, 100}},
        {"fill, top edge", {40, 40}, ifFill, 50, 0, {0, 0, 40, 20}, frame, {10, 20, 100, 100}},
        {"fill, bottom edge",
         {40, 40},
         ifFill,
         0,
         100,
         {0, 20, 40, 20},
         frame,
         {10, -30, 100, 100}},
        {"fill, crop outside clamped",
         {40, 40},
         ifFill,
         -5,
         250,
         {0, 20, 40, 20},
         frame,
         {10, -30, 100, 100}},
        {"fill, wide picture, left edge",
         {400, 50},
         ifFill,
         0,
         50,
         {0, 0, 100, 50},
         frame,
         {10, 20, 400, 50}},
        {"fill, wide picture, right edge",
         {400, 50},
         ifFill,
         100,
         50,
         {300, 0, 100, 50},
         frame,
         {-290, 20, 400, 50}},
        {"fill, larger wide picture, right edge",
         {800, 100},
         ifFill,
         100,
         50,
         {600, 0, 200, 100},
         frame,
         {-290, 20, 400, 50}},
        {"fill, same shape", {200, 100}, ifFill, 0, 0, {0, 0, 200, 100}, frame, frame},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const TFittedPicture placed = FitPicture(c.picture, frame, c.fit, c.cropX, c.cropY);
        EXPECT_EQ(placed.Source, c.source);
        EXPECT_EQ(placed.Target, c.target);
        EXPECT_EQ(placed.Whole, c.whole);
    }
}

TEST(PictureFit, NothingPlacedWithoutPictureOrFrame)
{
    EXPECT_TRUE(FitPicture({0, 10}, {0, 0, 10, 10}, ifFill, 50, 50).Target.isEmpty());
    EXPECT_TRUE(FitPicture({10, 10}, {0, 0, 0, 10}, ifFit, 50, 50).Target.isEmpty());
    EXPECT_TRUE(FitPicture({10, 10}, {0, 0, 10, -3}, ifStretch, 50, 50).Target.isEmpty());
}

} // namespace

TEST(PictureFit, ADragMovesTheCropByItsShareOfTheOverflow)
{
    // A 40 x 20 picture fills a 100 x 100 frame at 200 x 100: 100 pixels of
    // overflow across, none down; 20 x 40 the other way round.
    const struct
    {
        const char *what;
        QSizeF picture;
        QPoint crop;
        QPointF moved;
        QPoint expected;
    } cases[] = {
        {"right by a fifth", {40, 20}, {50, 50}, {20, 0}, {30, 50}},
        {"left, down does nothing", {40, 20}, {50, 50}, {-30, 40}, {80, 50}},
        {"the whole overflow", {40, 20}, {100, 0}, {100, 0}, {0, 0}},
        {"beyond the left edge", {40, 20}, {50, 50}, {400, 0}, {0, 50}},
        {"beyond the right edge", {40, 20}, {50, 50}, {-51, 0}, {100, 50}},
        {"half a share rounds to even", {40, 20}, {50, 50}, {0.5, 0}, {50, 50}},
        {"a share and a half rounds to even", {40, 20}, {50, 50}, {-1.5, 0}, {52, 50}},
        {"tall picture up", {20, 40}, {50, 50}, {7, -25}, {50, 75}},
        {"no overflow keeps the crop", {40, 40}, {10, 90}, {30, 30}, {10, 90}},
        {"empty picture keeps the crop", {0, 0}, {10, 90}, {30, 30}, {10, 90}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(DraggedCrop(c.picture, {100, 100}, c.crop, c.moved), c.expected);
    }
}

TEST(PictureFit, OnlyAPictureLargerThanItsFrameOverflows)
{
    EXPECT_TRUE(FillOverflows({40, 20}, {100, 100}));
    EXPECT_TRUE(FillOverflows({20, 40}, {100, 100}));
    EXPECT_TRUE(FillOverflows({101, 100}, {100, 100}));
    EXPECT_FALSE(FillOverflows({40, 40}, {100, 100}));
    EXPECT_FALSE(FillOverflows({1000, 1002}, {100, 100}));
    EXPECT_FALSE(FillOverflows({}, {100, 100}));
    EXPECT_FALSE(FillOverflows({40, 20}, {}));
}
