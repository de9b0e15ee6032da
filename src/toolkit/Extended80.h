#pragma once

#include <array>

// The 80-bit extended-precision number of the x87 unit: 64-bit mantissa with
// an explicit integer bit, 15-bit exponent biased by 16383, sign; stored
// little-endian in 10 bytes. Converted by bit manipulation so the result does
// not depend on what long double is on the machine.
using TExtended80 = std::array<unsigned char, 10>;

// Exact: every double is an extended number.
TExtended80 DoubleToExtended(double value);

// Rounded to nearest, ties to even; beyond the double range the result is an
// infinity, below it zero. NaNs stay NaNs; unnormals and pseudo-denormals are
// read by their value.
double ExtendedToDouble(const TExtended80 &bytes);
