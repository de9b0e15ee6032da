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
