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

// On a sheet with a bleed the frame grows outward: what shows inside the
// frame must not move, and the growth shows the picture's overflow where
// there is enough of it.
TEST(PictureFit, ABledPictureKeepsWhatTheFrameShowsAndFillsTheBleed)
{
    const QRectF frame(10, 20, 100, 50);
    const QRectF bled(0, 10, 110, 60); // grown left and up by 10, right by 0
    const struct
    {
        const char *what;
        QSizeF picture;
        TImageFit fit;
        QRectF target, source;
    } cases[] = {
        // 100 x 100 in the frame overflows up but not left: fitted to the
        // bleed's frame, 110 x 110.
        {"fill, overflow only vertical", {40, 40}, ifFill, bled, {0, 9.0909, 40, 21.8182}},
        // 200 x 50 overflows left but not up: 240 x 60 over the bleed's frame.
        {"fill, overflow only horizontal", {80, 20}, ifFill, bled, {21.6667, 0, 36.6667, 20}},
        {"stretch stretches over the bleed", {40, 40}, ifStretch, bled, {0, 0, 40, 40}},
        {"fit stays in its frame", {40, 40}, ifFit, {35, 20, 50, 50}, {0, 0, 40, 40}},
    };
    for (const auto &c : cases) {
        const TFittedPicture placed = BledPicture(c.picture, frame, bled, c.fit, 50, 50);
        EXPECT_EQ(placed.Target, c.target) << c.what;
        EXPECT_NEAR(placed.Source.left(), c.source.left(), 1e-3) << c.what;
        EXPECT_NEAR(placed.Source.top(), c.source.top(), 1e-3) << c.what;
        EXPECT_NEAR(placed.Source.width(), c.source.width(), 1e-3) << c.what;
        EXPECT_NEAR(placed.Source.height(), c.source.height(), 1e-3) << c.what;
    }
}

TEST(PictureFit, AFillWithOverflowEnoughShowsTheOverflowUnmoved)
{
    const QRectF frame(10, 20, 100, 50);
    const QRectF bled(5, 15, 105, 55);
    const TFittedPicture plain = FitPicture({40, 40}, frame, ifFill, 50, 50);
    const TFittedPicture placed =
        BledPicture({40, 40}, frame, QRectF(10, 15, 100, 55), ifFill, 50, 50);
    // Same scale and place: the frame's part of the picture is the same.
    EXPECT_EQ(placed.Whole, plain.Whole);
    EXPECT_EQ(placed.Target, QRectF(10, 15, 100, 55));
    EXPECT_EQ(BledPicture({40, 40}, frame, frame, ifFill, 50, 50).Target, plain.Target);
    EXPECT_NE(BledPicture({40, 40}, frame, bled, ifFill, 50, 50).Whole, plain.Whole)
        << "no overflow on the left: fitted to the bleed";
}
