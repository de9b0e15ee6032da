#include "BorderCanvas.h"

#include "Numbers.h"

#include <QTransform>

namespace {

QRect FrameUnits(QSizeF inches)
{
    return QRect(0, 0, Round(inches.width() * TBorderCanvas::unitsPerInch),
                 Round(inches.height() * TBorderCanvas::unitsPerInch));
}

QPolygon ToUnits(const QPolygonF &points)
{
    QPolygon units;
    units.reserve(points.size());
    for (const QPointF &point : points)
        units.append(QPoint(Round(point.x()), Round(point.y())));
    return units;
}

} // namespace

TBorderCanvas::TBorderCanvas(QSizeF inches)
    : m_size(inches), m_writer(FrameUnits(inches), unitsPerInch)
{
    m_writer.SetWindow(FrameUnits(inches));
    m_writer.SetBkMode(WmfValue::BkTransparent);
    m_writer.SetPolyFillMode(WmfValue::FillAlternate);
    m_noPen = m_writer.CreatePen(Qt::black, 0, WmfValue::PenNull);
    m_noBrush = m_writer.CreateNullBrush();
}

void TBorderCanvas::SelectPen(const QColor &color, double width)
{
    const std::pair key(color.rgb(), Round(width * unitsPerInch));
    auto found = m_pens.find(key);
    if (found == m_pens.end())
        found = m_pens.emplace(key, m_writer.CreatePen(color, key.second)).first;
    m_writer.SelectObject(found->second);
}

void TBorderCanvas::SelectNoPen()
{
    m_writer.SelectObject(m_noPen);
}

void TBorderCanvas::SelectBrush(const QColor &color)
{
    auto found = m_brushes.find(color.rgb());
    if (found == m_brushes.end())
        found = m_brushes.emplace(color.rgb(), m_writer.CreateSolidBrush(color)).first;
    m_writer.SelectObject(found->second);
}

void TBorderCanvas::SelectNoBrush()
{
    m_writer.SelectObject(m_noBrush);
}

void TBorderCanvas::Shapes(const QPainterPath &path)
{
    const QTransform toUnits = QTransform::fromScale(unitsPerInch, unitsPerInch);
    QList<QPolygon> polygons;
    for (const QPolygonF &points : path.toSubpathPolygons(toUnits))
        polygons.append(ToUnits(points));
    if (polygons.size() == 1)
        m_writer.Polygon(polygons.front());
    else if (!polygons.isEmpty())
        m_writer.PolyPolygon(polygons);
}

void TBorderCanvas::Fill(const QPainterPath &path, const QColor &color)
{
    SelectNoPen();
    SelectBrush(color);
    Shapes(path);
}

void TBorderCanvas::FillAndOutline(const QPainterPath &path, const QColor &fill, const QColor &line,
                                   double width)
{
    SelectPen(line, width);
    SelectBrush(fill);
    Shapes(path);
}

void TBorderCanvas::Stroke(const QPainterPath &path, const QColor &line, double width)
{
    SelectPen(line, width);
    SelectNoBrush();
    const QTransform toUnits = QTransform::fromScale(unitsPerInch, unitsPerInch);
    for (const QPolygonF &points : path.toSubpathPolygons(toUnits)) {
        const bool closed = points.size() > 2 && points.isClosed();
        if (closed)
            m_writer.Polygon(ToUnits(points));
        else
            m_writer.Polyline(ToUnits(points));
    }
}
