#include "WmfMapping.h"

#include "WmfRecords.h"

#include <cmath>

namespace {

constexpr int defaultUnitsPerInch = 96;

// Logical units per inch of the fixed map modes (low metric to twips).
double MetricUnitsPerInch(int mode)
{
    switch (mode) {
    case WmfValue::MapLoMetric:
        return 254.0;
    case WmfValue::MapHiMetric:
        return 2540.0;
    case WmfValue::MapLoEnglish:
        return 100.0;
    case WmfValue::MapHiEnglish:
        return 1000.0;
    case WmfValue::MapTwips:
        return 1440.0;
    default:
        return 0.0;
    }
}

bool Usable(QSizeF extent)
{
    return extent.width() != 0 && extent.height() != 0 && std::isfinite(extent.width()) &&
           std::isfinite(extent.height());
}

QSizeF Scaled(QSizeF extent, int xNum, int xDenom, int yNum, int yDenom)
{
    if (xDenom == 0 || yDenom == 0)
        return extent;
    return {extent.width() * xNum / xDenom, extent.height() * yNum / yDenom};
}

} // namespace

TWmfMapping::TWmfMapping(QPointF origin, QSizeF frameSize, int unitsPerInch)
    : m_mode(WmfValue::MapAnisotropic),
      m_unitsPerInch(unitsPerInch > 0 ? unitsPerInch : defaultUnitsPerInch), m_windowOrg(origin),
      m_windowExt(Usable(frameSize) ? frameSize : QSizeF(1, 1)), m_viewportOrg(origin),
      m_viewportExt(m_windowExt)
{}

void TWmfMapping::SetWindowExt(QSizeF extent)
{
    if (Usable(extent))
        m_windowExt = extent;
}

void TWmfMapping::SetViewportExt(QSizeF extent)
{
    if (Usable(extent))
        m_viewportExt = extent;
}

void TWmfMapping::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom)
{
    SetWindowExt(Scaled(m_windowExt, xNum, xDenom, yNum, yDenom));
}

void TWmfMapping::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom)
{
    SetViewportExt(Scaled(m_viewportExt, xNum, xDenom, yNum, yDenom));
}

QSizeF TWmfMapping::Scale() const
{
    if (m_mode == WmfValue::MapText)
        return {1, 1};
    if (const double perInch = MetricUnitsPerInch(m_mode); perInch > 0)
        return {m_unitsPerInch / perInch, -m_unitsPerInch / perInch};
    const double sx = m_viewportExt.width() / m_windowExt.width();
    const double sy = m_viewportExt.height() / m_windowExt.height();
    if (m_mode != WmfValue::MapIsotropic)
        return {sx, sy};
    const double both = std::min(std::abs(sx), std::abs(sy));
    return {std::copysign(both, sx), std::copysign(both, sy)};
}

QTransform TWmfMapping::ToFrame() const
{
    const QSizeF scale = Scale();
    return QTransform::fromTranslate(-m_windowOrg.x(), -m_windowOrg.y()) *
           QTransform::fromScale(scale.width(), scale.height()) *
           QTransform::fromTranslate(m_viewportOrg.x(), m_viewportOrg.y());
}
