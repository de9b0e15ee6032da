#pragma once

#include "WmfWriter.h"

#include <QByteArray>
#include <QColor>
#include <QPainterPath>
#include <QSizeF>

#include <map>
#include <utility>

// A border picture being drawn: paths in inches on a frame of the given size,
// written as a placeable metafile at 1000 units per inch with one window over
// the whole frame. Pens and brushes are made once per colour and width.
class TBorderCanvas
{
public:
    static constexpr int unitsPerInch = 1000;

    explicit TBorderCanvas(QSizeF inches);

    QSizeF Size() const { return m_size; }

    // Fills path (its subpaths together, holes where they overlap).
    void Fill(const QPainterPath &path, const QColor &color);
    // Fills path and draws its outline width inches wide.
    void FillAndOutline(const QPainterPath &path, const QColor &fill, const QColor &line,
                        double width);
    // Draws the lines of path width inches wide; closed subpaths are closed.
    void Stroke(const QPainterPath &path, const QColor &line, double width);

    QByteArray Placeable() const { return m_writer.Placeable(); }

private:
    void SelectPen(const QColor &color, double width);
    void SelectNoPen();
    void SelectBrush(const QColor &color);
    void SelectNoBrush();
    void Shapes(const QPainterPath &path);

    QSizeF m_size;
    TWmfWriter m_writer;
    int m_noPen = 0;
    int m_noBrush = 0;
    std::map<std::pair<QRgb, int>, int> m_pens;
    std::map<QRgb, int> m_brushes;
};
