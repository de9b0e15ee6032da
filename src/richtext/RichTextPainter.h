#pragma once

#include "DocumentWatch.h"

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTextDocument>

#include <limits>
#include <memory>
#include <vector>

class QObject;
class QPainter;
class TWPRTFTextPaint;

// What a paint is recorded into. Bitmaps get antialiased text and smoothly
// scaled pictures; metafiles are replayed later onto devices of their own
// resolution, so they record plain outlines without those hints.
enum class TWPPaintTarget { Bitmap, Metafile };

// The zoom in percent a zoom setting stands for: 0 or less means 100.
int EffectiveZoom(int zoomPercent);
// The layout width of a width shown at zoomPercent.
double UnzoomedWidth(double width, int zoomPercent);
// Twips (1/1440 inch) as whole pixels at ppi, rounded.
int TwipsToPixels(int twips, int ppi);

// Makes documents lay out the same whatever they are later painted on: at
// the screen's pixels per inch of 100 % zoom (one layout unit per screen
// pixel), with design metrics, no document margin, and embedded pictures
// drawn from their images (a picture without one as an empty frame).
class TWPLayoutDevice
{
public:
    explicit TWPLayoutDevice(int ppi);
    ~TWPLayoutDevice();
    TWPLayoutDevice(const TWPLayoutDevice &) = delete;
    TWPLayoutDevice &operator=(const TWPLayoutDevice &) = delete;

    // Sets document up to lay out on this device; document must not outlive it.
    void Attach(QTextDocument &document);

private:
    QImage m_device;
    std::unique_ptr<QObject> m_pictureHandler;
};

// A document laid out with word wrap at a width in layout units, kept for
// painting it again and again while neither the document nor the width
// changes. Given the height of the view it is painted into, only the lines
// that can show there (from firstLine on) and a few more are laid out, so the
// cost follows the view, whatever the document holds.
class TWPRichTextLayout
{
public:
    static constexpr double Unbounded = std::numeric_limits<double>::infinity();

    TWPRichTextLayout(const TWPRTFTextPaint &document, double width,
                      double visibleHeight = Unbounded, int firstLine = 0);
    ~TWPRichTextLayout();
    TWPRichTextLayout(const TWPRichTextLayout &) = delete;
    TWPRichTextLayout &operator=(const TWPRichTextLayout &) = delete;

    // True while this is the layout of document, unchanged, at width.
    bool IsLayoutOf(const TWPRTFTextPaint &document, double width) const;
    // True when document holds what this layout was made from.
    bool HasContentOf(const TWPRTFTextPaint &document) const;

    double Width() const { return m_width; }
    // The height of the view the layout was made for.
    double VisibleHeight() const { return m_visibleHeight; }
    int LineCount() const { return int(m_lines.size()); }
    // The line's rectangle in layout units from the top left of the document.
    QRectF LineRect(int line) const;
    QString LineText(int line) const;
    // How many lines from firstLine on fit fully into height layout units.
    int LinesThatFit(int firstLine, double height) const;

    // Paints the lines from firstLine on that fit fully into height pixels,
    // scaled by zoomPercent, with the top left of firstLine at topLeft.
    // Returns the number of lines painted.
    int Paint(QPainter &painter, const QPointF &topLeft, double height, int firstLine,
              int zoomPercent, TWPPaintTarget target = TWPPaintTarget::Bitmap) const;

private:
    struct TLine
    {
        QRectF Rect;
        QString Text;
    };

    TWPLayoutDevice m_device;
    std::unique_ptr<QTextDocument> m_document;
    // Whether m_document holds all of the source, so other cells holding the
    // same can share the layout.
    bool m_whole = false;
    TDocumentWatch m_source;
    double m_width = 0;
    double m_visibleHeight = Unbounded;
    std::vector<TLine> m_lines;
};

// Lays document out with word wrap at width pixels shown at zoomPercent and
// paints it into the rectangle of width x height pixels at topLeft, from line
// firstLine on, as many lines as fit fully. Returns the number of lines
// painted. Line breaks depend only on width / zoom, never on the painter's
// device.
int PaintRichText(QPainter &painter, const TWPRTFTextPaint &document, const QPointF &topLeft,
                  double width, double height, int firstLine, int zoomPercent,
                  TWPPaintTarget target = TWPPaintTarget::Bitmap);
