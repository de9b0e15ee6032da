#include "Numbers.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(NumbersTest, TruncatesTowardZeroAndRoundsHalfToEvenWithinTheIntRange)
{
    constexpr int intMax = std::numeric_limits<int>::max();
    constexpr int intMin = std::numeric_limits<int>::min();
    constexpr double infinity = std::numeric_limits<double>::infinity();
    const struct
    {
        double value;
        int truncated, rounded;
    } cases[] = {
        {0.5, 0, 0},
        {1.5, 1, 2},
        {2.5, 2, 2},
        {2.7, 2, 3},
        {-0.5, 0, 0},
        {-1.5, -1, -2},
        {-2.5, -2, -2},
        {-2.7, -2, -3},
        {std::nan(""), 0, 0},
        {infinity, intMax, intMax},
        {-infinity, intMin, intMin},
        {1e20, intMax, intMax},
        {-1e20, intMin, intMin},
        {intMax + 0.6, intMax, intMax},
        {intMin - 0.6, intMin, intMin},
        {intMax - 0.4, intMax - 1, intMax},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(Trunc(c.value), c.truncated) << c.value;
        EXPECT_EQ(Round(c.value), c.rounded) << c.value;
    }
}

} // namespace
