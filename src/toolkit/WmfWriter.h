#pragma once

#include "WmfRecords.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>

#include <initializer_list>
#include <vector>

// A font for TWmfWriter::CreateFont.
struct TWmfFontSpec
{
    QString Face = QStringLiteral("Arial");
    int Height = -12; // logical units; negative for the character height
    int Weight = 400;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    int Escapement = 0; // tenths of a degree, counter-clockwise
};

// Builds a Windows metafile from drawing calls. Coordinates are logical units
// (clamped to the 16-bit range of the format); rectangles are written with
// their right and bottom edges at x + width and y + height; a polygon or
// polyline keeps at most its first 32767 points. Objects go to the
// lowest free slot of the object table, whose index the create calls return.
class TWmfWriter
{
public:
    // bounds: the placeable header's bounding box; unitsPerInch: its scale.
    TWmfWriter(const QRect &bounds, int unitsPerInch);

    void SetWindow(const QRect &window); // origin and extent
    void SetViewport(const QRect &viewport);
    void SetMapMode(int mode);
    void SetBkMode(int mode);
    void SetBkColor(const QColor &color);
    void SetTextColor(const QColor &color);
    void SetTextAlign(int align);
    void SetPolyFillMode(int mode);
    void SaveDC();
    void RestoreDC(int which = -1);
    void IntersectClipRect(const QRect &rect);
    void ExcludeClipRect(const QRect &rect);

    int CreatePen(const QColor &color, int width, int style = WmfValue::PenSolid);
    int CreateSolidBrush(const QColor &color);
    int CreateHatchBrush(const QColor &color, int hatch);
    int CreateNullBrush();
    int CreateFont(const TWmfFontSpec &font);
    void SelectObject(int index);
    void DeleteObject(int index);

    void MoveTo(QPoint point);
    void LineTo(QPoint point);
    void Rectangle(const QRect &rect);
    void RoundRect(const QRect &rect, QSize corner);
    void Ellipse(const QRect &rect);
    void Arc(const QRect &box, QPoint start, QPoint end);
    void Pie(const QRect &box, QPoint start, QPoint end);
    void Chord(const QRect &box, QPoint start, QPoint end);
    void Polygon(const QPolygon &points);
    void Polyline(const QPolygon &points);
    void PolyPolygon(const QList<QPolygon> &polygons);
    void TextOut(QPoint at, const QString &text);
    void ExtTextOut(QPoint at, const QString &text, const std::vector<int> &advances = {});
    // The image as a 24-bit bitmap stretched over dest.
    void StretchDib(const QRect &dest, const QImage &image);

    // Any record: its function and parameter words as they stand.
    void Record(quint16 function, const std::vector<quint16> &params);

    // The metafile with the 22-byte placeable header, and without it.
    QByteArray Placeable() const;
    QByteArray Plain() const;

private:
    int AddObject(quint16 function, const std::vector<quint16> &params);
    void Shape(quint16 function, const QRect &box, std::initializer_list<QPoint> points);
    void Points(quint16 function, const QPolygon &points);

    QRect m_bounds;
    int m_unitsPerInch;
    QByteArray m_records;
    quint32 m_largestRecord = 3;
    std::vector<bool> m_slots; // used slots of the object table
};
