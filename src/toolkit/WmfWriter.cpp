#include "WmfWriter.h"

#include "DibEncoder.h"
#include "Windows1252.h"

#include <algorithm>

namespace {

constexpr quint32 placeableKey = 0x9AC6CDD7;
constexpr quint32 sourceCopy = 0x00CC0020;
constexpr qsizetype maxPoints = 32767; // a point count is a signed 16-bit number

quint16 Coordinate(int value)
{
    return quint16(qint16(std::clamp(value, -32768, 32767)));
}

void AppendWord(QByteArray &out, quint32 value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void AppendLong(QByteArray &out, quint32 value)
{
    AppendWord(out, value & 0xFFFF);
    AppendWord(out, value >> 16);
}

quint32 ColorRef(const QColor &color)
{
    return quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
}

void AppendColor(std::vector<quint16> &params, const QColor &color)
{
    const quint32 value = ColorRef(color);
    params.push_back(quint16(value & 0xFFFF));
    params.push_back(quint16(value >> 16));
}

// bytes as words, padded with a zero byte to an even length.
void AppendBytes(std::vector<quint16> &params, QByteArray bytes, qsizetype padTo = 0)
{
    bytes.resize(std::max<qsizetype>((bytes.size() + 1) / 2 * 2, padTo), '\0');
    for (qsizetype i = 0; i < bytes.size(); i += 2)
        params.push_back(quint16(uchar(bytes[i]) | (uchar(bytes[i + 1]) << 8)));
}

void AppendRect(std::vector<quint16> &params, const QRect &rect)
{
    params.insert(params.end(),
                  {Coordinate(rect.y() + rect.height()), Coordinate(rect.x() + rect.width()),
                   Coordinate(rect.y()), Coordinate(rect.x())});
}

} // namespace

TWmfWriter::TWmfWriter(const QRect &bounds, int unitsPerInch)
    : m_bounds(bounds), m_unitsPerInch(unitsPerInch)
{}

void TWmfWriter::Record(quint16 function, const std::vector<quint16> &params)
{
    const quint32 words = quint32(3 + params.size());
    m_largestRecord = std::max(m_largestRecord, words);
    AppendLong(m_records, words);
    AppendWord(m_records, function);
    for (const quint16 param : params)
        AppendWord(m_records, param);
}

void TWmfWriter::SetWindow(const QRect &window)
{
    Record(WmfFunction::SetWindowOrg, {Coordinate(window.y()), Coordinate(window.x())});
    Record(WmfFunction::SetWindowExt, {Coordinate(window.height()), Coordinate(window.width())});
}

void TWmfWriter::SetViewport(const QRect &viewport)
{
    Record(WmfFunction::SetViewportOrg, {Coordinate(viewport.y()), Coordinate(viewport.x())});
    Record(WmfFunction::SetViewportExt,
           {Coordinate(viewport.height()), Coordinate(viewport.width())});
}

void TWmfWriter::SetMapMode(int mode)
{
    Record(WmfFunction::SetMapMode, {quint16(mode)});
}

void TWmfWriter::SetBkMode(int mode)
{
    Record(WmfFunction::SetBkMode, {quint16(mode)});
}

void TWmfWriter::SetBkColor(const QColor &color)
{
    std::vector<quint16> params;
    AppendColor(params, color);
    Record(WmfFunction::SetBkColor, params);
}

void TWmfWriter::SetTextColor(const QColor &color)
{
    std::vector<quint16> params;
    AppendColor(params, color);
    Record(WmfFunction::SetTextColor, params);
}

void TWmfWriter::SetTextAlign(int align)
{
    Record(WmfFunction::SetTextAlign, {quint16(align)});
}

void TWmfWriter::SetPolyFillMode(int mode)
{
    Record(WmfFunction::SetPolyFillMode, {quint16(mode)});
}

void TWmfWriter::SaveDC()
{
    Record(WmfFunction::SaveDC, {});
}

void TWmfWriter::RestoreDC(int which)
{
    Record(WmfFunction::RestoreDC, {Coordinate(which)});
}

void TWmfWriter::IntersectClipRect(const QRect &rect)
{
    std::vector<quint16> params;
    AppendRect(params, rect);
    Record(WmfFunction::IntersectClipRect, params);
}

void TWmfWriter::ExcludeClipRect(const QRect &rect)
{
    std::vector<quint16> params;
    AppendRect(params, rect);
    Record(WmfFunction::ExcludeClipRect, params);
}

int TWmfWriter::AddObject(quint16 function, const std::vector<quint16> &params)
{
    Record(function, params);
    const auto free = std::find(m_slots.begin(), m_slots.end(), false);
    if (free != m_slots.end()) {
        *free = true;
        return int(free - m_slots.begin());
    }
    m_slots.push_back(true);
    return int(m_slots.size()) - 1;
}

int TWmfWriter::CreatePen(const QColor &color, int width, int style)
{
    std::vector<quint16> params{quint16(style), Coordinate(width), 0};
    AppendColor(params, color);
    return AddObject(WmfFunction::CreatePenIndirect, params);
}

int TWmfWriter::CreateSolidBrush(const QColor &color)
{
    std::vector<quint16> params{WmfValue::BrushSolid};
    AppendColor(params, color);
    params.push_back(0);
    return AddObject(WmfFunction::CreateBrushIndirect, params);
}

int TWmfWriter::CreateHatchBrush(const QColor &color, int hatch)
{
    std::vector<quint16> params{WmfValue::BrushHatched};
    AppendColor(params, color);
    params.push_back(quint16(hatch));
    return AddObject(WmfFunction::CreateBrushIndirect, params);
}

int TWmfWriter::CreateNullBrush()
{
    return AddObject(WmfFunction::CreateBrushIndirect, {WmfValue::BrushNull, 0, 0, 0});
}

int TWmfWriter::CreateFont(const TWmfFontSpec &font)
{
    std::vector<quint16> params{Coordinate(font.Height),
                                0,
                                Coordinate(font.Escapement),
                                Coordinate(font.Escapement),
                                Coordinate(font.Weight),
                                quint16((font.Italic ? 1 : 0) | (font.Underline ? 0x100 : 0)),
                                quint16(font.StrikeOut ? 1 : 0),
                                0,
                                0};
    AppendBytes(params, ToWindows1252(font.Face).left(WmfValue::FaceNameBytes - 1),
                WmfValue::FaceNameBytes);
    return AddObject(WmfFunction::CreateFontIndirect, params);
}

void TWmfWriter::SelectObject(int index)
{
    Record(WmfFunction::SelectObject, {quint16(index)});
}

void TWmfWriter::DeleteObject(int index)
{
    Record(WmfFunction::DeleteObject, {quint16(index)});
    if (index >= 0 && size_t(index) < m_slots.size())
        m_slots[size_t(index)] = false;
}

void TWmfWriter::MoveTo(QPoint point)
{
    Record(WmfFunction::MoveTo, {Coordinate(point.y()), Coordinate(point.x())});
}

void TWmfWriter::LineTo(QPoint point)
{
    Record(WmfFunction::LineTo, {Coordinate(point.y()), Coordinate(point.x())});
}

void TWmfWriter::Shape(quint16 function, const QRect &box, std::initializer_list<QPoint> points)
{
    std::vector<quint16> params;
    for (const QPoint &point : points)
        params.insert(params.begin(), {Coordinate(point.y()), Coordinate(point.x())});
    AppendRect(params, box);
    Record(function, params);
}

void TWmfWriter::Rectangle(const QRect &rect)
{
    Shape(WmfFunction::Rectangle, rect, {});
}

void TWmfWriter::RoundRect(const QRect &rect, QSize corner)
{
    std::vector<quint16> params{Coordinate(corner.height()), Coordinate(corner.width())};
    AppendRect(params, rect);
    Record(WmfFunction::RoundRect, params);
}

void TWmfWriter::Ellipse(const QRect &rect)
{
    Shape(WmfFunction::Ellipse, rect, {});
}

void TWmfWriter::Arc(const QRect &box, QPoint start, QPoint end)
{
    Shape(WmfFunction::Arc, box, {start, end});
}

void TWmfWriter::Pie(const QRect &box, QPoint start, QPoint end)
{
    Shape(WmfFunction::Pie, box, {start, end});
}

void TWmfWriter::Chord(const QRect &box, QPoint start, QPoint end)
{
    Shape(WmfFunction::Chord, box, {start, end});
}

void TWmfWriter::Points(quint16 function, const QPolygon &points)
{
    const qsizetype count = std::min<qsizetype>(points.size(), maxPoints);
    std::vector<quint16> params{quint16(count)};
    for (qsizetype i = 0; i < count; ++i)
        params.insert(params.end(), {Coordinate(points[i].x()), Coordinate(points[i].y())});
    Record(function, params);
}

void TWmfWriter::Polygon(const QPolygon &points)
{
    Points(WmfFunction::Polygon, points);
}

void TWmfWriter::Polyline(const QPolygon &points)
{
    Points(WmfFunction::Polyline, points);
}

void TWmfWriter::PolyPolygon(const QList<QPolygon> &polygons)
{
    std::vector<quint16> params{quint16(polygons.size())};
    for (const QPolygon &polygon : polygons)
        params.push_back(quint16(polygon.size()));
    for (const QPolygon &polygon : polygons)
        for (const QPoint &point : polygon)
            params.insert(params.end(), {Coordinate(point.x()), Coordinate(point.y())});
    Record(WmfFunction::PolyPolygon, params);
}

void TWmfWriter::TextOut(QPoint at, const QString &text)
{
    const QByteArray bytes = ToWindows1252(text);
    std::vector<quint16> params{quint16(bytes.size())};
    AppendBytes(params, bytes);
    params.insert(params.end(), {Coordinate(at.y()), Coordinate(at.x())});
    Record(WmfFunction::TextOut, params);
}

void TWmfWriter::ExtTextOut(QPoint at, const QString &text, const std::vector<int> &advances)
{
    const QByteArray bytes = ToWindows1252(text);
    std::vector<quint16> params{Coordinate(at.y()), Coordinate(at.x()), quint16(bytes.size()), 0};
    AppendBytes(params, bytes);
    for (const int advance : advances)
        params.push_back(Coordinate(advance));
    Record(WmfFunction::ExtTextOut, params);
}

void TWmfWriter::StretchDib(const QRect &dest, const QImage &image)
{
    std::vector<quint16> params{quint16(sourceCopy & 0xFFFF),
                                quint16(sourceCopy >> 16),
                                0,
                                Coordinate(image.height()),
                                Coordinate(image.width()),
                                0,
                                0,
                                Coordinate(dest.height()),
                                Coordinate(dest.width()),
                                Coordinate(dest.y()),
                                Coordinate(dest.x())};
    AppendBytes(params, EncodeDib(image, TDibDepth::Rgb24));
    Record(WmfFunction::StretchDib, params);
}

QByteArray TWmfWriter::Plain() const
{
    constexpr quint32 eofWords = 3;
    const quint32 words = quint32(9 + m_records.size() / 2 + eofWords);
    QByteArray out;
    AppendWord(out, 1);      // in memory
    AppendWord(out, 9);      // header words
    AppendWord(out, 0x0300); // version
    AppendLong(out, words);
    AppendWord(out, quint32(m_slots.size()));
    AppendLong(out, m_largestRecord);
    AppendWord(out, 0);
    out.append(m_records);
    AppendLong(out, eofWords);
    AppendWord(out, WmfFunction::Eof);
    return out;
}

QByteArray TWmfWriter::Placeable() const
{
    QByteArray header;
    AppendLong(header, placeableKey);
    AppendWord(header, 0);
    for (const int value : {m_bounds.x(), m_bounds.y(), m_bounds.x() + m_bounds.width(),
                            m_bounds.y() + m_bounds.height()})
        AppendWord(header, Coordinate(value));
    AppendWord(header, quint32(m_unitsPerInch));
    AppendLong(header, 0);
    quint16 checksum = 0;
    for (qsizetype i = 0; i < header.size(); i += 2)
        checksum ^= quint16(uchar(header[i]) | (uchar(header[i + 1]) << 8));
    AppendWord(header, checksum);
    return header + Plain();
}
