#pragma once

#include <cmath>
#include <limits>

// Conversions of real values to whole pixels and counts.
//
// Trunc truncates toward zero, Round rounds half to even. Both saturate at the
// int range and turn NaN into 0, so a value read from a damaged file or typed
// by a user can never make the conversion undefined.

inline int SaturateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    if (value <= lowest)
        return std::numeric_limits<int>::min();
    if (value >= highest)
        return std::numeric_limits<int>::max();
    return static_cast<int>(value);
}

inline int Trunc(double value)
{
    return SaturateToInt(std::trunc(value));
}

inline int Round(double value)
{
    return SaturateToInt(std::nearbyint(value));
}
