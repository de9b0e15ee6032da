#include "ZoomSteps.h"

#include "MainCaption.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

TEST(ZoomStepsTest, PercentagesBecomeScalesJustAboveTheTenths)
{
    const std::pair<int, float> cases[] = {
        {-5, 0.201f}, {0, 0.201f},  {20, 0.201f}, {29, 0.201f},  {30, 0.301f},
        {39, 0.301f}, {45, 0.401f}, {50, 0.501f}, {60, 0.601f},  {69, 0.601f},
        {70, 0.701f}, {85, 0.801f}, {99, 0.901f}, {100, 1.001f}, {2000, 1.001f},
    };
    for (const auto &[percent, scale] : cases)
        EXPECT_EQ(PercentToScale(percent), scale) << percent;
}

TEST(ZoomStepsTest, ScalesBecomePercentagesAndBackToTheSameTenth)
{
    const std::pair<float, int> cases[] = {
        {0.0f, 20},   {0.201f, 20},  {0.299f, 20}, {0.3f, 30},   {0.501f, 50},
        {0.599f, 50}, {0.6f, 60},    {0.601f, 60}, {0.901f, 90}, {0.999f, 90},
        {1.0f, 100},  {1.001f, 100}, {3.0f, 100},
    };
    for (const auto &[scale, percent] : cases)
        EXPECT_EQ(ScaleToPercent(scale), percent) << scale;
    for (int percent = 20; percent <= 100; percent += 10)
        EXPECT_EQ(ScaleToPercent(PercentToScale(percent)), percent);
}

std::vector<float> Walk(float scale, std::optional<float> (*step)(float))
{
    std::vector<float> stops;
    while (const std::optional<float> next = step(scale)) {
        scale = *next;
        stops.push_back(scale);
    }
    return stops;
}

TEST(ZoomStepsTest, StepsStopAtTheirLimits)
{
    const std::vector<float> up = Walk(0.601f, ZoomInStep);
    ASSERT_EQ(up.size(), 4u);
    EXPECT_NEAR(up[0], 0.701f, 1e-6);
    EXPECT_NEAR(up[1], 0.801f, 1e-6);
    EXPECT_NEAR(up[2], 0.901f, 1e-6);
    EXPECT_NEAR(up[3], 1.001f, 1e-6);

    const std::vector<float> down = Walk(0.601f, ZoomOutStep);
    ASSERT_EQ(down.size(), 1u);
    EXPECT_NEAR(down[0], 0.501f, 1e-6);

    // At 20 % zoom out does nothing and zoom in goes up in tenths.
    EXPECT_FALSE(ZoomOutStep(0.201f));
    EXPECT_EQ(Walk(0.201f, ZoomInStep).size(), 8u);
    // A scale left at exactly 1.0 by a save zooms out to 0.9.
    EXPECT_FALSE(ZoomInStep(1.0f));
    EXPECT_NEAR(*ZoomOutStep(1.0f), 0.9f, 1e-6);
}

TEST(ZoomStepsTest, CaptionShowsFileAndRoundedPercentage)
{
    EXPECT_EQ(MainCaption(QString(), 0.601f), u"Datewright    [60%]"_s);
    EXPECT_EQ(MainCaption(u"/home/ann/Dec1999.DWC"_s, 0.601f),
              u"Datewright  [Dec1999.DWC]    [60%]"_s);
    EXPECT_EQ(MainCaption(QString(), 1.001f), u"Datewright    [100%]"_s);
    EXPECT_EQ(MainCaption(QString(), 1.0f), u"Datewright    [100%]"_s);
    // Halves round to even.
    EXPECT_EQ(MainCaption(QString(), 0.625f), u"Datewright    [62%]"_s);
    EXPECT_EQ(MainCaption(QString(), 0.375f), u"Datewright    [38%]"_s);
}

} // namespace
