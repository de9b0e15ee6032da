#include "DeviceBitmap.h"

namespace {

constexpr qint64 maxSide = 16384;

QRgb BitmapPixel(const uchar *line, int x, int bits)
{
    if (bits == 1) {
        const bool set = (line[x / 8] >> (7 - x % 8)) & 1;
        return set ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    }
    const uchar *pixel = line + qint64(x) * (bits / 8);
    return qRgb(pixel[2], pixel[1], pixel[0]);
}

} // namespace

QImage DecodeBitmap(const QByteArray &rows, int width, int height, int bits, int planes,
                    int widthBytes)
{
    if (planes != 1 || width <= 0 || height <= 0 || width > maxSide || height > maxSide)
        return {};
    if (bits != 1 && bits != 24 && bits != 32)
        return {};
    const qint64 minimumStride = (qint64(width) * bits + 7) / 8;
    if (widthBytes < minimumStride || qint64(widthBytes) * height > rows.size())
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (int y = 0; y < height; ++y) {
        const auto *line =
            reinterpret_cast<const uchar *>(rows.constData()) + qint64(y) * widthBytes;
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            out[x] = BitmapPixel(line, x, bits);
    }
    return image;
}
