#pragma once

#include <optional>

// The page view's zoom: settings keep it as a percentage, the view as a scale.
// The scales of the percentages lie 0.001 above the tenths (0.201 ... 1.001),
// so a scale converted to a percentage and back gives the same tenth.

// < 30 -> 0.201, 30-39 -> 0.301, ..., 90-99 -> 0.901, >= 100 -> 1.001.
float PercentToScale(int percent);
// < 0.3 -> 20, < 0.4 -> 30, ..., < 1.0 -> 90, otherwise 100.
int ScaleToPercent(float scale);

// The scale one zoom-in step leads to, or nothing at a scale above 0.95.
std::optional<float> ZoomInStep(float scale);
// The scale one zoom-out step leads to, or nothing at a scale of 0.6 or less.
std::optional<float> ZoomOutStep(float scale);
