#include "FittedText.h"

#include "DrawingPrimitives.h"
#include "Ppi.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

double SmallestFittedSize(double size, double unitsPerPoint)
{
    constexpr double smallestPoints = 6;
    return std::min(size, std::max(size / 2, smallestPoints * unitsPerPoint));
}

void DrawFittedTextLine(QPainter &target, const TRect &rect, const QString &text, int alignment)
{
    const QFont fitted = FontFittingWidth(target.font(), text, rect.Width(), target.device());
    if (fitted == target.font())
        return DrawTextLine(target, rect, text, alignment);
    target.save();
    target.setFont(fitted);
    DrawTextLine(target, rect, text, alignment);
    target.restore();
}

QFont FontFittingWidth(const QFont &font, const QString &text, int width, QPaintDevice *device)
{
    const auto wideAt = [&](int pixels) {
        QFont sized = font;
        sized.setPixelSize(pixels);
        return QFontMetrics(sized, device).horizontalAdvance(text);
    };
    constexpr double pointsPerInch = 72;
    const int size = font.pixelSize();
    const int smallest =
        std::max(1, int(std::ceil(SmallestFittedSize(size, ScreenPpi() / pointsPerInch))));
    if (size <= smallest)
        return font;
    const int wide = wideAt(size);
    if (wide <= width)
        return font;
    // In proportion first, then a pixel at a time to the largest that fits.
    int fitted = std::clamp(int(double(size) * std::max(width, 0) / wide), smallest, size - 1);
    while (fitted + 1 < size && wideAt(fitted + 1) <= width)
        ++fitted;
    while (fitted > smallest && wideAt(fitted) > width)
        --fitted;
    QFont result = font;
    result.setPixelSize(fitted);
    return result;
}
