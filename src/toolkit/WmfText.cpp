#include "WmfText.h"

#include "WmfRecords.h"

#include <QFontMetricsF>

#include <cmath>

namespace {

// Glyphs are laid out at this pixel size and scaled to the wanted height, so
// that fractional logical heights keep their size exactly.
constexpr int referencePixels = 256;
constexpr double defaultEmHeight = 12;

// The character height in logical units: a positive font height is the cell
// height (ascent plus descent), a negative one the character height.
double EmHeight(const TWmfFont &font, const QFontMetricsF &metrics)
{
    if (font.Height < 0)
        return -font.Height;
    if (font.Height == 0 || metrics.height() <= 0)
        return defaultEmHeight;
    return font.Height * referencePixels / metrics.height();
}

double StartX(int align, double width)
{
    switch (align & WmfValue::AlignHorizontalMask) {
    case WmfValue::AlignRight:
        return -width;
    case WmfValue::AlignCenter:
        return -width / 2;
    default:
        return 0;
    }
}

double BaselineY(int align, const QFontMetricsF &metrics)
{
    switch (align & WmfValue::AlignVerticalMask) {
    case WmfValue::AlignBaseline:
        return 0;
    case WmfValue::AlignBottom:
        return -metrics.descent();
    default:
        return metrics.ascent();
    }
}

} // namespace

double DrawWmfText(QPainter &painter, const QTransform &toBase, const QTransform &base,
                   const TWmfTextRun &run, const TWmfTextStyle &style)
{
    const double sx = std::abs(toBase.m11());
    const double sy = std::abs(toBase.m22());
    painter.save();
    painter.setWorldTransform(toBase * base);
    if (run.ClipRect)
        painter.setClipRect(*run.ClipRect, Qt::IntersectClip);
    if (run.OpaqueRect)
        painter.fillRect(*run.OpaqueRect, style.Background);
    if (run.Text.isEmpty() || sx == 0 || sy == 0) {
        painter.restore();
        return 0;
    }

    QFont font = style.Font.Font;
    font.setPixelSize(referencePixels);
    const QFontMetricsF metrics(font, painter.device());
    const double scale = sy * EmHeight(style.Font, metrics) / referencePixels;

    std::vector<double> positions; // of each character in text units
    double width = 0;
    if (run.Advances.empty()) {
        width = metrics.horizontalAdvance(run.Text);
    } else {
        for (const double advance : run.Advances) {
            positions.push_back(width);
            width += advance * sx / scale;
        }
    }

    const QPointF at = toBase.map(run.Origin);
    QTransform textSpace = QTransform::fromTranslate(at.x(), at.y());
    textSpace.rotate(-style.Font.Escapement / 10.0);
    textSpace.scale(scale, scale);
    painter.setWorldTransform(textSpace * base);

    const double x = StartX(run.Align, width);
    const double baseline = BaselineY(run.Align, metrics);
    if (style.OpaqueBackground)
        painter.fillRect(QRectF(x, baseline - metrics.ascent(), width, metrics.height()),
                         style.Background);
    painter.setFont(font);
    painter.setPen(style.Color);
    if (positions.empty()) {
        painter.drawText(QPointF(x, baseline), run.Text);
    } else {
        for (qsizetype i = 0; i < run.Text.size() && size_t(i) < positions.size(); ++i)
            painter.drawText(QPointF(x + positions[size_t(i)], baseline), QString(run.Text[i]));
    }
    painter.restore();
    return width * scale / sx;
}
