#include "ZoomSteps.h"

#include <algorithm>
#include <array>

namespace {

constexpr double zoomStep = 0.1;
constexpr double highestZoomInFrom = 0.95;
constexpr double lowestZoomOutFrom = 0.6;

} // namespace

float PercentToScale(int percent)
{
    // Indexed by the tens of the percentage, from 20 to 100.
    static constexpr std::array<float, 9> scales = {0.201f, 0.301f, 0.401f, 0.501f, 0.601f,
                                                    0.701f, 0.801f, 0.901f, 1.001f};
    const int tens = std::clamp(percent, 20, 100) / 10;
    return scales[size_t(tens - 2)];
}

int ScaleToPercent(float scale)
{
    // The thresholds compare in double, like the scale's own arithmetic.
    const double value = scale;
    for (int tenth = 3; tenth <= 10; ++tenth) {
        if (value < tenth / 10.0)
            return (tenth - 1) * 10;
    }
    return 100;
}

std::optional<float> ZoomInStep(float scale)
{
    if (double(scale) > highestZoomInFrom)
        return std::nullopt;
    return float(double(scale) + zoomStep);
}

std::optional<float> ZoomOutStep(float scale)
{
    if (double(scale) <= lowestZoomOutFrom)
        return std::nullopt;
    return float(double(scale) - zoomStep);
}
