#include "WmfPaintGuard.h"

#include <algorithm>
#include <cmath>

namespace {

// A pixel of a wide outline costs many times a pixel of a fill: the stroke
// is made into a path of its own, joins and overlaps included, and filled.
constexpr double StrokeWeight = 16;

// How many device pixels one logical unit spans, on average over both axes.
double UnitsToDevice(const QTransform &toDevice)
{
    return std::sqrt(std::abs(toDevice.determinant()));
}

} // namespace

TWmfPaintGuard::TWmfPaintGuard(const QRectF &device, const QRectF &target)
    : m_device(device),
      m_widest(std::max(std::min(std::abs(target.width()), std::abs(target.height())) / 4, 1.0)),
      m_coverable(MaxCoverings * std::max(std::abs(target.width() * target.height()), 1.0))
{}

QPen TWmfPaintGuard::Tamed(const QPen &pen, const QTransform &toDevice) const
{
    const double scale = UnitsToDevice(toDevice);
    if (pen.isCosmetic() || !(scale > 0) || pen.widthF() * scale <= m_widest)
        return pen;
    QPen tamed = pen;
    tamed.setWidthF(m_widest / scale);
    return tamed;
}

bool TWmfPaintGuard::Admit(const QRectF &bounds, const QPen &pen, const QTransform &toDevice)
{
    // Of an outline far larger than the device, only what crosses it costs.
    const QRectF onDevice = toDevice.mapRect(bounds.normalized()).intersected(m_device);
    return Admit(bounds, 2 * (onDevice.width() + onDevice.height()), pen, toDevice);
}

bool TWmfPaintGuard::Admit(const QPainterPath &outline, const QPen &pen, const QTransform &toDevice)
{
    return Admit(outline.boundingRect(), toDevice.map(outline).length(), pen, toDevice);
}

bool TWmfPaintGuard::Admit(const QRectF &bounds, double length, const QPen &pen,
                           const QTransform &toDevice)
{
    if (m_device.isNull())
        return true;
    const bool stroked = pen.style() != Qt::NoPen;
    const double width = stroked ? Tamed(pen, toDevice).widthF() * UnitsToDevice(toDevice) + 1 : 0;
    const QRectF reach = toDevice.mapRect(bounds.normalized())
                             .adjusted(-width - 1, -width - 1, width + 1, width + 1)
                             .intersected(m_device);
    if (reach.isEmpty())
        return false;
    const double cost =
        reach.width() * reach.height() + (stroked ? StrokeWeight * length * width : 0);
    if (!(cost <= m_coverable - m_covered))
        return false;
    m_covered += cost;
    return true;
}
