#include "SuperTextGradient.h"

#include "Numbers.h"

#include <QPainter>

namespace {

// Larger objects show no gradient rather than take unbounded memory.
constexpr qint64 MaxGradientPixels = qint64(4096) * 4096;

int Channel(TColor color, int shift)
{
    return int((color >> shift) & 0xFF);
}

} // namespace

double GradientBandEdge(int i, double length)
{
    return double(i) * length / double(GradientBands);
}

int GradientBandPixel(int i, int length)
{
    return Round(GradientBandEdge(i, double(length)));
}

TColor GradientBandColor(int i, TColor start, TColor end)
{
    const auto step = [i, start, end](int shift) {
        const int from = Channel(start, shift);
        const int delta = Channel(end, shift) - from;
        return TColor((from + Round(double(i) * double(delta) / 255.0)) & 0xFF) << shift;
    };
    return step(0) | step(8) | step(16);
}

TColor GradientStart(TFillDirection direction, TColor from, TColor to)
{
    return direction == gdUp || direction == gdLeft ? ResolveColor(to) : ResolveColor(from);
}

TColor GradientEnd(TFillDirection direction, TColor from, TColor to)
{
    return direction == gdUp || direction == gdLeft ? ResolveColor(from) : ResolveColor(to);
}

bool GradientAcross(TFillDirection direction)
{
    return direction == gdLeft || direction == gdRight;
}

QImage MakeGradientBitmap(QSize size, TFillDirection direction, TColor from, TColor to)
{
    if (size.isEmpty() || qint64(size.width()) * size.height() > MaxGradientPixels)
        return {};
    QImage bitmap(size, QImage::Format_RGB32);
    if (bitmap.isNull())
        return {};
    const TColor start = GradientStart(direction, from, to);
    const TColor end = GradientEnd(direction, from, to);
    const bool across = GradientAcross(direction);
    const int length = across ? size.width() : size.height();
    QPainter painter(&bitmap);
    for (int i = 0; i < GradientBands; ++i) {
        const int first = GradientBandPixel(i, length);
        const int last = GradientBandPixel(i + 1, length);
        if (last <= first)
            continue;
        const QRect band = across ? QRect(first, 0, last - first, size.height())
                                  : QRect(0, first, size.width(), last - first);
        painter.fillRect(band, ToQColor(GradientBandColor(i, start, end)));
    }
    return bitmap;
}
