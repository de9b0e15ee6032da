#pragma once

#include <QPointF>
#include <QSizeF>
#include <QTransform>

// The mapping of a metafile's logical coordinates onto its frame: the window
// (origin and extent in logical units) is stretched over the viewport (in
// frame units), as the map mode allows. The viewport starts as the frame, so
// records that set only the window map it onto the whole frame.
class TWmfMapping
{
public:
    // origin: where window and viewport start; frameSize: both extents at the
    // start; unitsPerInch: frame units per inch for the metric map modes.
    TWmfMapping(QPointF origin, QSizeF frameSize, int unitsPerInch);

    void SetMapMode(int mode) { m_mode = mode; }
    void SetWindowOrg(QPointF origin) { m_windowOrg = origin; }
    void OffsetWindowOrg(QPointF delta) { m_windowOrg += delta; }
    void SetViewportOrg(QPointF origin) { m_viewportOrg = origin; }
    void OffsetViewportOrg(QPointF delta) { m_viewportOrg += delta; }
    // Extents with a zero component are ignored: they would map nothing.
    void SetWindowExt(QSizeF extent);
    void SetViewportExt(QSizeF extent);
    void ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom);
    void ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom);

    // Logical coordinates to frame coordinates.
    QTransform ToFrame() const;

private:
    QSizeF Scale() const;

    int m_mode;
    int m_unitsPerInch;
    QPointF m_windowOrg;
    QSizeF m_windowExt;
    QPointF m_viewportOrg;
    QSizeF m_viewportExt;
};
