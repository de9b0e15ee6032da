#include "CanvasReport.h"

#include "PrintSheet.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPicture>
#include <QScopeGuard>

#include <algorithm>
#include <utility>

namespace {

// Restores the painter's state, so every operation leaves it as it found it.
class PainterState
{
public:
    explicit PainterState(QPainter &painter) : m_painter(painter) { m_painter.save(); }
    ~PainterState() { m_painter.restore(); }
    PainterState(const PainterState &) = delete;
    PainterState &operator=(const PainterState &) = delete;

private:
    QPainter &m_painter;
};

// Puts back the pen, font and transformation a text changes.
class TextState
{
public:
    explicit TextState(QPainter &painter)
        : m_painter(painter), m_pen(painter.pen()), m_font(painter.font()),
          m_transform(painter.transform())
    {}
    ~TextState()
    {
        m_painter.setPen(m_pen);
        m_painter.setFont(m_font);
        if (m_painter.transform() != m_transform)
            m_painter.setTransform(m_transform);
    }
    TextState(const TextState &) = delete;
    TextState &operator=(const TextState &) = delete;

private:
    QPainter &m_painter;
    QPen m_pen;
    QFont m_font;
    QTransform m_transform;
};

TRect Normalized(TRect rect)
{
    if (rect.Right < rect.Left)
        std::swap(rect.Left, rect.Right);
    if (rect.Bottom < rect.Top)
        std::swap(rect.Top, rect.Bottom);
    return rect;
}

} // namespace

void TCanvasReport::BeginCanvas(QPainter &Canvas, const QMarginsF &Unprintable)
{
    ForgetCanvas();
    m_canvas = &Canvas;
    m_penPos = {};
    const QPaintDevice *device = Canvas.device();
    BeginSheets(device->logicalDpiX(), device->logicalDpiY(), Unprintable);
}

void TCanvasReport::EndCanvas()
{
    if (m_canvas)
        m_textBatch.Flush(*m_canvas);
    ForgetCanvas();
}

void TCanvasReport::ForgetCanvas()
{
    m_canvas = nullptr;
    m_textBatch.Clear();
    m_currentShapes = nullptr;
    m_shapes.clear();
}

bool TCanvasReport::DrawOn(QPaintDevice &Device, const QMarginsF &Unprintable,
                           const std::function<void()> &Draw)
{
    QPainter painter;
    if (!painter.begin(&Device))
        return false;
    BeginCanvas(painter, Unprintable);
    const auto endDrawing = qScopeGuard([&] {
        EndCanvas();
        painter.end();
    });
    if (Draw)
        Draw();
    return true;
}

QPainter *TCanvasReport::Canvas() const
{
    if (m_canvas)
        m_textBatch.Flush(*m_canvas);
    return m_canvas;
}

TShapedTexts &TCanvasReport::Shapes() const
{
    if (m_currentShapes && m_currentShapesFont == Font() && m_currentShapesDpi == YDpi())
        return *m_currentShapes;
    const QFont font = ToQFont(Font(), YDpi());
    std::unique_ptr<TShapedTexts> &shapes = m_shapes[font.key()];
    if (!shapes)
        shapes = std::make_unique<TShapedTexts>(font, m_canvas ? m_canvas->device() : nullptr);
    m_currentShapes = shapes.get();
    m_currentShapesFont = Font();
    m_currentShapesDpi = YDpi();
    return *shapes;
}

int TCanvasReport::LineHeight() const
{
    return Shapes().Metrics().height();
}

int TCanvasReport::TextWidth(const QString &Text) const
{
    return std::max(1, Shapes().Shape(Text).Width);
}

void TCanvasReport::PrintLeft(const QString &Text, double X)
{
    PrintAnchored(Text, X, TAnchor::Left);
}

void TCanvasReport::PrintCenter(const QString &Text, double X)
{
    PrintAnchored(Text, X, TAnchor::Center);
}

void TCanvasReport::PrintRight(const QString &Text, double X)
{
    PrintAnchored(Text, X, TAnchor::Right);
}

// The text is laid out from its anchor on the baseline, so a rotated text
// turns about the point where it is placed. Upright, undecorated text on a
// clear background joins the texts waiting to be drawn together.
void TCanvasReport::PrintAnchored(const QString &Text, double X, TAnchor Anchor)
{
    if (!m_canvas || Text.isEmpty())
        return;
    TShapedTexts &shapes = Shapes();
    const TShapedTexts::TShaped &shaped = shapes.Shape(Text);
    int left = 0;
    if (Anchor == TAnchor::Center)
        left = -shaped.Width / 2;
    else if (Anchor == TAnchor::Right)
        left = -shaped.Width;
    const QPoint anchor(XU2D(X), LineTop() + shapes.Metrics().ascent());
    const TReportFont &font = Font();
    if (font.Rotation != 0 || TextBKMode() == bkOpaque || font.Underline || font.StrikeOut) {
        DrawShapedText(shapes, shaped, anchor, left);
        return;
    }
    const QPointF origin(anchor.x() + left, anchor.y() - shaped.Ascent);
    for (const QGlyphRun &run : shaped.Runs)
        m_textBatch.Add(*m_canvas, run, origin, ToQColor(font.Color));
}

// Drawn at once, turned about its anchor, over its background; only the pen,
// font and transformation are put back, since on paper each saved and
// restored state is written out with the text.
void TCanvasReport::DrawShapedText(const TShapedTexts &shapes, const TShapedTexts::TShaped &shaped,
                                   QPoint anchor, int left)
{
    QPainter &canvas = *Canvas();
    const TextState state(canvas);
    if (Font().Rotation != 0) {
        canvas.translate(anchor);
        canvas.rotate(-Font().Rotation / 10.0);
        anchor = {};
    }
    const QFontMetrics &metrics = shapes.Metrics();
    if (TextBKMode() == bkOpaque)
        canvas.fillRect(
            QRect(anchor.x() + left, anchor.y() - metrics.ascent(), shaped.Width, metrics.height()),
            ToQColor(TextBKColor()));
    canvas.setFont(shapes.Font());
    canvas.setPen(ToQColor(Font().Color));
    for (const QGlyphRun &run : shaped.Runs)
        canvas.drawGlyphRun(QPointF(anchor.x() + left, anchor.y() - shaped.Ascent), run);
}

void TCanvasReport::ApplyPenAndBrush()
{
    m_canvas->setPen(ToQPen(Pen(), XDpi()));
    m_canvas->setBrush(ToQBrush(Brush()));
    if (Pen().Mode != pmCopy)
        m_canvas->setCompositionMode(ToCompositionMode(Pen().Mode));
}

void TCanvasReport::Rectangle(double X1, double Y1, double X2, double Y2)
{
    Rectangle(RectU2D(X1, Y1, X2, Y2));
}

// QPainter outlines a rectangle of width w over w + 1 pixels, so the
// rectangle drawn is one pixel smaller to cover [Left, Right).
void TCanvasReport::Rectangle(const TRect &Device)
{
    const TRect rect = Normalized(Device);
    if (!m_canvas || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    PainterState state(*Canvas());
    ApplyPenAndBrush();
    m_canvas->drawRect(QRect(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1));
}

void TCanvasReport::MoveTo(double X, double Y)
{
    m_penPos = {XU2D(X), YU2D(Y)};
}

void TCanvasReport::LineTo(double X, double Y)
{
    const QPoint to(XU2D(X), YU2D(Y));
    if (m_canvas && to != m_penPos) {
        PainterState state(*Canvas());
        ApplyPenAndBrush();
        m_canvas->drawLine(m_penPos, to);
    }
    m_penPos = to;
}

void TCanvasReport::StretchDraw(const TRect &Device, const QImage &Picture)
{
    const TRect rect = Normalized(Device);
    if (!m_canvas || Picture.isNull() || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    PainterState state(*Canvas());
    m_canvas->setRenderHint(QPainter::SmoothPixmapTransform);
    m_canvas->drawImage(rect.ToQRect(), Picture);
}

// Playing a recorded picture scales it from its own resolution to the
// device's; the rectangle is already in device pixels, so that scale is undone
// before the picture is played.
void TCanvasReport::StretchDraw(const TRect &Device, const QPicture &Picture)
{
    const TRect rect = Normalized(Device);
    const QRect frame = Picture.boundingRect();
    if (!m_canvas || frame.isEmpty() || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    const QPaintDevice *device = m_canvas->device();
    PainterState state(*Canvas());
    m_canvas->setClipRect(rect.ToQRect(), Qt::IntersectClip);
    m_canvas->translate(rect.Left, rect.Top);
    m_canvas->scale(double(rect.Width()) / frame.width(), double(rect.Height()) / frame.height());
    m_canvas->translate(-frame.left(), -frame.top());
    m_canvas->scale(double(Picture.logicalDpiX()) / device->logicalDpiX(),
                    double(Picture.logicalDpiY()) / device->logicalDpiY());
    m_canvas->drawPicture(0, 0, Picture);
}

void TCanvasReport::NewSheet()
{
    if (!m_canvas)
        return;
    if (auto *paged = dynamic_cast<QPagedPaintDevice *>(Canvas()->device()))
        paged->newPage();
}

void TCanvasReport::SetTrim(const TRect &Trim, int Bleed)
{
    m_trim = Trim;
    m_bleed = std::max(Bleed, 0);
}

TRect TCanvasReport::Bled(const TRect &Device) const
{
    if (m_bleed == 0)
        return Device;
    return BleedOut(Normalized(Device), m_trim, m_bleed, std::max(XDpi() / 72, 1));
}
