#pragma once

#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QTransform>

// Keeps the cost of playing a metafile in proportion to its records and to
// the area it is played into, whatever sizes and pen widths the records
// claim: shapes wholly off the device are skipped, pens are no wider than a
// picture can show, and once the drawing has covered the picture's area many
// times over, later shapes are refused.
class TWmfPaintGuard
{
public:
    // How often the shapes may cover the picture's area before more are
    // refused; an ordinary picture covers it a few times at most.
    static constexpr double MaxCoverings = 64;

    // device: the device pixels drawing can reach, null for a device without
    // bounds (a recording), where nothing is refused; target: the picture's
    // area on the device.
    TWmfPaintGuard(const QRectF &device, const QRectF &target);

    // The pen as drawn: no wider than a quarter of the picture's shorter
    // side on the device.
    QPen Tamed(const QPen &pen, const QTransform &toDevice) const;

    // Whether a shape of these logical bounds, drawn with pen, is drawn: it
    // reaches the device and what it costs (its area, and its outline's
    // length times the pen's width, weighted) fits in what is left of MaxCoverings
    // times the picture's area. What it costs is then counted.
    bool Admit(const QRectF &bounds, const QPen &pen, const QTransform &toDevice);
    // The same for a line, polyline or polygon, whose outline is measured.
    bool Admit(const QPainterPath &outline, const QPen &pen, const QTransform &toDevice);

private:
    bool Admit(const QRectF &bounds, double length, const QPen &pen, const QTransform &toDevice);

    QRectF m_device;
    double m_widest;
    double m_coverable;
    double m_covered = 0;
};
