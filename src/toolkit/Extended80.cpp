#include "Extended80.h"

#include <bit>
#include <cstdint>

namespace {

constexpr int ExtendedBias = 16383;
constexpr int DoubleBias = 1023;
constexpr int ExtendedMaxExponent = 0x7FFF;
constexpr int DoubleMaxExponent = 0x7FF;
constexpr int DoubleFractionBits = 52;
constexpr std::uint64_t IntegerBit = std::uint64_t(1) << 63;
constexpr std::uint64_t FractionMask = (std::uint64_t(1) << DoubleFractionBits) - 1;
constexpr std::uint64_t QuietBit = std::uint64_t(1) << (DoubleFractionBits - 1);

// mantissa / 2^shift rounded to nearest, ties to even (shift >= 1).
std::uint64_t ShiftRounded(std::uint64_t mantissa, int shift)
{
    if (shift > 64)
        return 0;
    if (shift == 64)
        return mantissa > IntegerBit ? 1 : 0;
    const std::uint64_t quotient = mantissa >> shift;
    const std::uint64_t remainder = mantissa & ((std::uint64_t(1) << shift) - 1);
    const std::uint64_t half = std::uint64_t(1) << (shift - 1);
    const bool up = remainder > half || (remainder == half && (quotient & 1) != 0);
    return quotient + (up ? 1 : 0);
}

double FromBits(std::uint64_t sign, std::uint64_t exponent, std::uint64_t fraction)
{
    return std::bit_cast<double>(sign << 63 | exponent << DoubleFractionBits | fraction);
}

// A finite, non-zero extended number: mantissa * 2^(exponent - bias - 63).
double FiniteToDouble(std::uint64_t sign, int exponent, std::uint64_t mantissa)
{
    const int leadingZeros = std::countl_zero(mantissa);
    mantissa <<= leadingZeros;
    // A zero exponent field means the same scale as 1 (denormals).
    int power = (exponent == 0 ? 1 : exponent) - ExtendedBias - leadingZeros;
    if (power > DoubleBias)
        return FromBits(sign, DoubleMaxExponent, 0);
    if (power >= 1 - DoubleBias) {
        std::uint64_t kept = ShiftRounded(mantissa, 63 - DoubleFractionBits);
        if (kept >> (DoubleFractionBits + 1) != 0) {
            kept >>= 1;
            ++power;
        }
        if (power > DoubleBias)
            return FromBits(sign, DoubleMaxExponent, 0);
        const int biased = power + DoubleBias;
        return FromBits(sign, std::uint64_t(biased), kept & FractionMask);
    }
    // Subnormal: a fraction that rounds up to 2^52 is exactly the smallest
    // normal number, which the same bit pattern encodes.
    const int shift = 63 - DoubleFractionBits + (1 - DoubleBias - power);
    return FromBits(sign, 0, ShiftRounded(mantissa, shift));
}

} // namespace

TExtended80 DoubleToExtended(double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const std::uint64_t sign = bits >> 63;
    const int exponent = int((bits >> DoubleFractionBits) & DoubleMaxExponent);
    const std::uint64_t fraction = bits & FractionMask;

    int extendedExponent = 0;
    std::uint64_t mantissa = 0;
    if (exponent == DoubleMaxExponent) {
        extendedExponent = ExtendedMaxExponent;
        mantissa = IntegerBit | fraction << 11;
    } else if (exponent != 0) {
        extendedExponent = exponent - DoubleBias + ExtendedBias;
        mantissa = IntegerBit | fraction << 11;
    } else if (fraction != 0) {
        const int top = 63 - std::countl_zero(fraction);
        mantissa = fraction << (63 - top);
        extendedExponent = top - (DoubleBias + DoubleFractionBits - 1) + ExtendedBias;
    }

    TExtended80 bytes{};
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<unsigned char>(mantissa >> (8 * i));
    bytes[8] = static_cast<unsigned char>(extendedExponent);
    bytes[9] = static_cast<unsigned char>(sign << 7 | unsigned(extendedExponent >> 8));
    return bytes;
}

double ExtendedToDouble(const TExtended80 &bytes)
{
    std::uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = mantissa << 8 | bytes[i];
    const std::uint64_t sign = bytes[9] >> 7;
    const int exponent = (bytes[9] & 0x7F) << 8 | bytes[8];

    if (exponent == ExtendedMaxExponent) {
        const std::uint64_t payload = (mantissa << 1) >> 12;
        if (mantissa << 1 == 0)
            return FromBits(sign, DoubleMaxExponent, 0);
        return FromBits(sign, DoubleMaxExponent, QuietBit | payload);
    }
    if (mantissa == 0)
        return FromBits(sign, 0, 0);
    return FiniteToDouble(sign, exponent, mantissa);
}
