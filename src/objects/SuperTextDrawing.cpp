// How special-effect text lays itself out, paints and prints.

#include "CanvasReport.h"
#include "LumBasePanel.h"
#include "LumSuperText.h"
#include "Numbers.h"
#include "Ppi.h"
#include "ReportTools.h"
#include "SuperTextGradient.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int MaxFontPoints = 1000;
// Where a printed caption's baseline lies below its top, in font heights.
constexpr double PrintedBaseline = 0.88;
// How far the printed surface reaches beyond the object's left and top
// edges, and the printed gradient beyond its right and bottom, in inches.
constexpr double PrintedFillMargin = 0.03;
constexpr double PrintedGradientMargin = 0.25;
constexpr double HundredthsPerInch = 100.0;

QPen OutlinePen(TColor color, TPenStyle style, int width, int dpi)
{
    QPen pen = ToQPen(TReportPen{color, style, pmCopy, width}, dpi);
    pen.setJoinStyle(Qt::RoundJoin);
    // A one-pixel outline needs no stroker: drawn as thin lines it looks
    // the same, much faster.
    pen.setCosmetic(pen.width() == 1);
    return pen;
}

int DrawingPoints(int size, float scale)
{
    const int points = scale != 1.0f ? Trunc(double(scale) * double(size)) : size;
    return std::clamp(points, 1, MaxFontPoints);
}

} // namespace

QFont TLumSuperText::DrawingFont() const
{
    return DrawingFont(Scale());
}

QFont TLumSuperText::DrawingFont(float zoom) const
{
    TFontDesc font = m_look.Font;
    font.Size = DrawingPoints(m_look.Font.Size, zoom);
    return font.ToQFont(ScreenPpi());
}

TSuperTextLayout TLumSuperText::MakeLayout(int &width, int &height, float zoom) const
{
    TSuperTextLayout layout;
    const double scale = zoom;
    layout.Offset =
        zoom != 1.0f ? QPoint(Trunc(scale * m_shadowOffset.x()), Trunc(scale * m_shadowOffset.y()))
                     : m_shadowOffset;
    const QFont font = DrawingFont(zoom);
    layout.FontSize = DrawingPoints(m_look.Font.Size, zoom);
    const QFontMetrics metrics(font);
    layout.TextHeight = metrics.height();
    layout.TextWidth = metrics.horizontalAdvance(m_look.Caption + QLatin1Char(' '));
    const int dx = layout.Offset.x();
    const int dy = layout.Offset.y();
    layout.TextOrigin = QPoint(dx < 0 ? -dx : 0, dy < 0 ? -dy : 0);
    if (width <= 5)
        width = layout.TextWidth;
    const int needed = layout.TextHeight + std::abs(dy);
    if (m_look.Transparent && m_look.BorderStyle == bsNone && 1.2 * needed < height)
        height = Trunc(1.2 * needed);
    if (height < needed)
        height = needed;
    const QPoint origin = layout.TextOrigin;
    layout.TextRect = {origin.x() + 5, origin.y(), width, origin.y() + layout.TextHeight};
    layout.ShadowRect = {layout.TextRect.Left + dx, layout.TextRect.Top + dy,
                         layout.TextRect.Right + dx, layout.TextRect.Bottom + dy};
    layout.TextPosition = QPoint(layout.TextRect.Left, layout.TextRect.Top);
    layout.ShadowPosition = QPoint(layout.TextRect.Left + dx, layout.ShadowRect.Top);
    return layout;
}

QString TLumSuperText::FittedCaption(const QFont &font, int width) const
{
    const QFontMetrics metrics(font);
    const auto fits = [&](qsizetype length) {
        return metrics.horizontalAdvance(m_look.Caption.left(length)) <= width;
    };
    if (fits(m_look.Caption.size()))
        return m_look.Caption;
    // Widths grow with the length: the longest start that fits, found by
    // halving, is what cutting one character at a time would leave.
    qsizetype low = 0;
    qsizetype high = m_look.Caption.size() - 1;
    if (!fits(low))
        return {};
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (fits(middle))
            low = middle;
        else
            high = middle - 1;
    }
    QString fitted = m_look.Caption.left(low);
    if (!fitted.isEmpty() && fitted.back().isHighSurrogate())
        fitted.chop(1);
    return fitted;
}

void TLumSuperText::DrawPlaceholder(QPainter &canvas, const TObjectFrame &frame) const
{
    const int right = frame.Width() - 1;
    const int bottom = frame.Height() - 1;
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    canvas.setBrush(Qt::NoBrush);
    canvas.drawRect(0, 0, right, bottom);
    canvas.drawLine(0, 0, right, bottom);
    canvas.drawLine(0, bottom, right, 0);
}

void TLumSuperText::PaintSurface(QPainter &canvas, const TObjectFrame &frame) const
{
    const QRect area(0, 0, frame.Width(), frame.Height());
    switch (m_look.SurfaceType) {
    case stNormal:
        canvas.fillRect(area, ToQColor(m_look.Font.Color));
        break;
    case stBrushImage: {
        if (m_image.isNull())
            break;
        QImage tile = m_image;
        if (frame.Scale != 1.0f) {
            const QSize size(Trunc(double(frame.Scale) * m_image.width()),
                             Trunc(double(frame.Scale) * m_image.height()));
            if (size.isEmpty())
                break;
            tile = m_image.scaled(size);
        }
        canvas.fillRect(area, QBrush(tile));
        break;
    }
    case stGradientFill: {
        // The gradient kept is as large as the object shown; drawn at
        // another zoom it is made as large as the frame.
        const QImage gradient = area.size() == QSize(Width(), Height())
                                    ? m_gradient
                                    : MakeGradientBitmap(area.size(), m_look.FillDirection,
                                                         m_look.GradientFrom, m_look.GradientTo);
        if (!gradient.isNull())
            canvas.drawImage(0, 0, gradient);
        break;
    }
    case stBrushTransparent:
        break;
    }
}

void TLumSuperText::DrawSuperText(QPainter &Canvas, const TObjectFrame &Frame) const
{
    const TSuperTextLayout layout = PaintLayout(Frame);
    const QRect area(0, 0, Frame.Width(), Frame.Height());
    Canvas.save();
    if (!m_look.Transparent)
        Canvas.fillRect(area, ToQColor(m_look.BackColor));
    if (m_look.BorderStyle == bsSingle) {
        Canvas.setPen(QPen(Qt::black, 1, Qt::SolidLine));
        Canvas.setBrush(Qt::NoBrush);
        Canvas.drawRect(0, 0, Frame.Width() - 1, Frame.Height() - 1);
    }
    const QFont font = DrawingFont(Frame.Scale);
    const int start = std::max(layout.TextRect.Left, layout.ShadowRect.Left);
    const QString caption = FittedCaption(font, Frame.Width() - start);
    if (caption.isEmpty()) {
        DrawPlaceholder(Canvas, Frame);
        Canvas.restore();
        return;
    }
    // Shadow, surface and outline come from the one caption path, through
    // its kept masks.
    const TShapeMask &glyphs = m_masks.Fill(font, caption);
    if (m_look.ShadowDepth >= 1 && m_look.ShadowDirection != sdNone)
        PaintThroughMask(Canvas, glyphs, layout.ShadowPosition, [this, area](QPainter &layer) {
            layer.fillRect(area, ToQColor(m_look.ShadowColor));
        });
    if (m_look.SurfaceType != stBrushTransparent)
        PaintThroughMask(Canvas, glyphs, layout.TextPosition,
                         [this, &Frame](QPainter &layer) { PaintSurface(layer, Frame); });
    if (m_look.OutlineStyle != psClear && m_look.OutlineWidth >= 1) {
        const QPen pen =
            OutlinePen(m_look.OutlineColor, m_look.OutlineStyle, m_look.OutlineWidth, 0);
        PaintThroughMask(
            Canvas, m_masks.Stroke(font, caption, pen), layout.TextPosition,
            [this, area](QPainter &layer) { layer.fillRect(area, ToQColor(m_look.OutlineColor)); });
    }
    Canvas.restore();
}

void TLumSuperText::PaintFrame(QPainter &Target, const TObjectFrame &Frame) const
{
    if (m_painting)
        return;
    m_painting = true;
    m_picture.Paint(Target, QSize(Frame.Width(), Frame.Height()), Frame.Scale, m_revision,
                    [this, &Frame](QPainter &canvas) { DrawSuperText(canvas, Frame); });
    m_painting = false;
}

void TLumSuperText::PrintSurface(TCanvasReport &report, const QPainterPath &text,
                                 const QRectF &area) const
{
    QPainter &canvas = *report.Canvas();
    canvas.save();
    canvas.setClipPath(text, Qt::IntersectClip);
    const TRect device = report.RectU2D(area.left(), area.top(), area.right(), area.bottom());
    switch (m_look.SurfaceType) {
    case stNormal:
        canvas.fillRect(device.ToQRect(), ToQColor(m_look.Font.Color));
        break;
    case stBrushImage:
        if (!m_image.isNull()) {
            // Tiles of the texture's size on the screen, from the area's corner.
            QBrush brush(m_image);
            const double ppi = ScreenPpi();
            brush.setTransform(QTransform::fromTranslate(device.Left, device.Top)
                                   .scale(report.XDpi() / ppi, report.YDpi() / ppi));
            canvas.fillRect(device.ToQRect(), brush);
        }
        break;
    case stGradientFill: {
        const TColor start =
            GradientStart(m_look.FillDirection, m_look.GradientFrom, m_look.GradientTo);
        const TColor end =
            GradientEnd(m_look.FillDirection, m_look.GradientFrom, m_look.GradientTo);
        const bool across = GradientAcross(m_look.FillDirection);
        const double width = area.width() + PrintedGradientMargin;
        const double height = area.height() + PrintedGradientMargin;
        for (int i = 0; i < GradientBands; ++i) {
            const TRect band =
                across ? report.RectU2D(area.left() + GradientBandEdge(i, width), area.top(),
                                        area.left() + GradientBandEdge(i + 1, width),
                                        area.top() + height)
                       : report.RectU2D(area.left(), area.top() + GradientBandEdge(i, height),
                                        area.left() + width,
                                        area.top() + GradientBandEdge(i + 1, height));
            canvas.fillRect(band.ToQRect(), ToQColor(GradientBandColor(i, start, end)));
        }
        break;
    }
    case stBrushTransparent:
        break;
    }
    canvas.restore();
}

void TLumSuperText::PrintObject(TCanvasReport &Report, double OffsetX, double OffsetY,
                                float Scale) const
{
    const TObjectFrame frame = FrameAt(Scale);
    const int width = frame.Width();
    const int height = frame.Height();
    if (!Report.HasCanvas() || width <= 0 || height <= 0)
        return;
    // Page pixels at the zoom to inches on paper.
    const double pixels = double(ScreenPpi()) * (frame.Scale * 10 == 0 ? 1.0 : double(frame.Scale));
    const auto inchX = [&](double x) { return OffsetX + (frame.Bounds.Left + x) / pixels; };
    const auto inchY = [&](double y) { return OffsetY + (frame.Bounds.Top + y) / pixels; };
    const TSuperTextLayout layout = PaintLayout(frame);
    const TRect bounds = Report.RectU2D(inchX(0), inchY(0), inchX(width), inchY(height));
    if (!m_look.Transparent || m_look.BorderStyle == bsSingle) {
        Report.SetPen(clBlack, m_look.BorderStyle == bsSingle ? psSolid : psClear, 1);
        Report.SetBrush(m_look.BackColor, m_look.Transparent ? bsClear : bsSolid);
        Report.Rectangle(bounds);
    }
    const int start = std::max(layout.TextRect.Left, layout.ShadowRect.Left);
    const QString caption = FittedCaption(DrawingFont(frame.Scale), width - start);
    if (caption.isEmpty())
        return;
    TReportFont font;
    font.Name = m_look.Font.Name;
    font.Size = DrawingPoints(m_look.Font.Size, 1.0f);
    font.Bold = m_look.Font.Style.testFlag(TFontStyle::fsBold);
    font.Italic = m_look.Font.Style.testFlag(TFontStyle::fsItalic);
    font.Underline = m_look.Font.Style.testFlag(TFontStyle::fsUnderline);
    const QFont printed = ToQFont(font, Report.YDpi());
    const double lineHeight = QFontMetrics(printed).height() / double(Report.YDpi());
    const auto captionAt = [&](QPoint position) {
        QPainterPath path;
        path.addText(Report.XU2D(inchX(position.x())),
                     Report.YU2D(inchY(position.y()) + PrintedBaseline * lineHeight), printed,
                     caption);
        return path;
    };
    QPainter &canvas = *Report.Canvas();
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing);
    if (m_look.ShadowDepth >= 1 && m_look.ShadowDirection != sdNone)
        canvas.fillPath(captionAt(layout.ShadowPosition), ToQColor(m_look.ShadowColor));
    const QPainterPath text = captionAt(layout.TextPosition);
    const QRectF area(QPointF(inchX(0) - PrintedFillMargin, inchY(0) - PrintedFillMargin),
                      QPointF(inchX(width), inchY(height)));
    PrintSurface(Report, text, area);
    if (m_look.OutlineStyle != psClear && m_look.OutlineWidth >= 1) {
        const int thousandths = Round(m_look.OutlineWidth * 1000.0 / HundredthsPerInch);
        canvas.strokePath(text, OutlinePen(m_look.OutlineColor, m_look.OutlineStyle, -thousandths,
                                           Report.XDpi()));
    }
    canvas.restore();
}
