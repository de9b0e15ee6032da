#include "FontDesc.h"

#include "Numbers.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

constexpr int pointsPerInch = 72;
constexpr int defaultPpi = 96;

// A resolution that can divide: nonsense values fall back to the default.
int UsablePpi(int ppi)
{
    return ppi > 0 ? ppi : defaultPpi;
}

// number * numerator / denominator (denominator > 0) rounded to the nearest
// integer with halves away from zero, as the toolkit scales font sizes;
// computed in 64 bits and saturated so no input can overflow.
int ScaleRounded(qint64 number, qint64 numerator, qint64 denominator)
{
    const qint64 product = number * numerator;
    const qint64 magnitude = (std::abs(product) + denominator / 2) / denominator;
    const qint64 result = product < 0 ? -magnitude : magnitude;
    return int(std::clamp<qint64>(result, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

} // namespace

int TFontDesc::PointsFromHeight(int height, int ppi)
{
    return ScaleRounded(std::abs(qint64(height)), pointsPerInch, UsablePpi(ppi));
}

int TFontDesc::Height(int ppi) const
{
    return ScaleRounded(-qint64(Size), UsablePpi(ppi), pointsPerInch);
}

bool TFontDesc::SameLook(const TFontDesc &other) const
{
    return Name == other.Name && Style == other.Style && Color == other.Color;
}

QFont TFontDesc::ToQFont(int targetPpi, double zoom) const
{
    QFont font(Name);
    const double pixels = Size * zoom * UsablePpi(targetPpi) / pointsPerInch;
    font.setPixelSize(std::max(1, Round(pixels)));
    font.setBold(Style.testFlag(TFontStyle::fsBold));
    font.setItalic(Style.testFlag(TFontStyle::fsItalic));
    font.setUnderline(Style.testFlag(TFontStyle::fsUnderline));
    font.setStrikeOut(Style.testFlag(TFontStyle::fsStrikeOut));
    return font;
}
