#pragma once

#include "BaseReport.h"
#include "ShapedTexts.h"
#include "TextBatch.h"

#include <QPoint>

#include <functional>
#include <memory>
#include <unordered_map>

class QPaintDevice;
class QPainter;
class QPicture;

// A report drawing on a painter. The painter's device gives the resolution;
// its origin is the top-left corner of the sheet's printable area. Outside
// BeginCanvas / EndCanvas drawing does nothing, and measures use the last
// resolution. Lines and outlines follow the raster rules of the page's own
// bitmaps: a line covers its start point and leaves out its end point, an
// outline covers [Left, Right) x [Top, Bottom).
class TCanvasReport : public TBaseReport
{
public:
    TCanvasReport() = default;

    // Draws on Canvas (not owned) until EndCanvas. Unprintable holds the
    // sheet's unprintable margins in inches.
    void BeginCanvas(QPainter &Canvas, const QMarginsF &Unprintable = {});
    void EndCanvas();
    bool HasCanvas() const { return m_canvas != nullptr; }
    // The painter, with everything printed so far on it: upright texts wait
    // to be drawn together until the painter is taken. Take it afresh for
    // each drawing; a painter kept from before a text draws under that text.
    QPainter *Canvas() const;

    int LineHeight() const override;
    // The printed width of Text in the current font in device pixels, at
    // least 1.
    int TextWidth(const QString &Text) const;

    // Text on the current line (its baseline at the line's top plus the
    // font's ascent) with its left edge, centre or right edge at X.
    void PrintLeft(const QString &Text, double X);
    void PrintCenter(const QString &Text, double X);
    void PrintRight(const QString &Text, double X);

    // An outline with the pen, filled with the brush.
    void Rectangle(double X1, double Y1, double X2, double Y2);
    void Rectangle(const TRect &Device);
    void MoveTo(double X, double Y);
    void LineTo(double X, double Y);

    // A picture stretched over a rectangle in device pixels. A recorded
    // picture's frame is its bounding rectangle (set it with
    // QPicture::setBoundingRect to keep margins the recording left empty);
    // what it draws outside its frame is clipped.
    void StretchDraw(const TRect &Device, const QImage &Picture);
    void StretchDraw(const TRect &Device, const QPicture &Picture);

    // On a sheet for a print service: the trimmed page in device pixels and
    // the bleed around it. Without one, Bled changes nothing.
    void SetTrim(const TRect &Trim, int Bleed);
    // A picture's or a border's rectangle drawn on into the bleed on every
    // side that reaches the trim's edge (within a point).
    TRect Bled(const TRect &Device) const;

protected:
    void NewSheet() override;
    // Draws on device between BeginCanvas and EndCanvas, the painter ended
    // also when draw throws (the exception then goes on to the caller).
    // False when painting on device could not begin.
    bool DrawOn(QPaintDevice &Device, const QMarginsF &Unprintable,
                const std::function<void()> &Draw);

private:
    enum class TAnchor { Left, Center, Right };

    // The current font's texts on the current device, kept for every font
    // used since the canvas began.
    TShapedTexts &Shapes() const;
    void PrintAnchored(const QString &Text, double X, TAnchor Anchor);
    void DrawShapedText(const TShapedTexts &shapes, const TShapedTexts::TShaped &shaped,
                        QPoint anchor, int left);
    void ForgetCanvas();
    void ApplyPenAndBrush();

    QPainter *m_canvas = nullptr;
    QPoint m_penPos;
    TRect m_trim;
    int m_bleed = 0;
    mutable TTextBatch m_textBatch;
    mutable std::unordered_map<QString, std::unique_ptr<TShapedTexts>> m_shapes;
    mutable TShapedTexts *m_currentShapes = nullptr;
    mutable TReportFont m_currentShapesFont;
    mutable int m_currentShapesDpi = 0;
};
