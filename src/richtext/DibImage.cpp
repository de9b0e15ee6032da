#include "DibImage.h"

#include <algorithm>
#include <optional>

namespace {

constexpr qint64 maxSide = 16384;
constexpr qint64 maxCompressedPixels = qint64(4) * 1024 * 1024;

struct DibHeader
{
    quint32 size = 0;
    qint64 width = 0;
    qint64 height = 0; // negative for top-down rows
    int bits = 0;
    quint32 compression = 0;
    quint32 colorsUsed = 0;
    int entrySize = 4; // bytes per colour table entry

    qint64 Rows() const { return height < 0 ? -height : height; }
};

// The header's fields; none when it is too short for its own size.
std::optional<DibHeader> ReadHeader(const QByteArray &dib)
{
    if (dib.size() < 12)
        return {};
    DibHeader header;
    header.size = ReadLe32(dib, 0);
    if (header.size < 12 || header.size > quint32(dib.size()))
        return {};
    if (header.size == 12) {
        header.width = ReadLe16(dib, 4);
        header.height = ReadLe16(dib, 6);
        header.bits = ReadLe16(dib, 10);
        header.entrySize = 3;
        return header;
    }
    if (header.size < 40)
        return {};
    header.width = qint32(ReadLe32(dib, 4));
    header.height = qint32(ReadLe32(dib, 8));
    header.bits = ReadLe16(dib, 14);
    header.compression = ReadLe32(dib, 16);
    header.colorsUsed = ReadLe32(dib, 32);
    return header;
}

// Where the pixels start: after the header, the bit field masks and the
// colour table.
qint64 PixelOffset(const DibHeader &header)
{
    qint64 colors = 0;
    if (header.bits >= 1 && header.bits <= 8) {
        const qint64 full = qint64(1) << header.bits;
        colors = header.colorsUsed != 0 ? std::min<qint64>(header.colorsUsed, full) : full;
    } else if (header.colorsUsed != 0 && header.colorsUsed <= 256) {
        colors = header.colorsUsed;
    }
    const qint64 masks = (header.compression == 3 && header.size == 40) ? 12 : 0;
    return qint64(header.size) + masks + colors * header.entrySize;
}

// Whether the data can fill the image the header describes, so that a
// corrupt header never makes the decoder allocate more than that.
bool SizesFit(const DibHeader &header, qint64 pixelsAt, qint64 dataSize)
{
    const qint64 rows = header.Rows();
    if (header.width <= 0 || rows <= 0 || header.width > maxSide || rows > maxSide)
        return false;
    if (pixelsAt > dataSize)
        return false;
    if (header.compression == 0 || header.compression == 3) {
        const qint64 stride = ((header.width * header.bits + 31) / 32) * 4;
        return header.bits > 0 && stride * rows <= dataSize - pixelsAt;
    }
    return header.width * rows <= maxCompressedPixels;
}

// The DIB with a BMP file header in front, for Qt's BMP reader.
QByteArray BmpFile(const QByteArray &dib, qint64 pixelsAt)
{
    QByteArray file("BM");
    const quint32 fileSize = quint32(14 + dib.size());
    const quint32 offset = quint32(14 + pixelsAt);
    for (quint32 value : {fileSize, quint32(0), offset})
        for (int shift = 0; shift < 32; shift += 8)
            file.append(char((value >> shift) & 0xFF));
    file.append(dib);
    return file;
}

// A 32-bit DIB without bit fields keeps alpha in its fourth bytes, which
// Qt's reader drops: they are put back when any is set.
void RestoreAlpha(QImage &image, const QByteArray &dib, const DibHeader &header, qint64 pixelsAt)
{
    const qint64 rows = header.Rows();
    const qint64 stride = header.width * 4;
    bool anyAlpha = false;
    for (qint64 i = 0; i < stride * rows && !anyAlpha; i += 4)
        anyAlpha = dib[pixelsAt + i + 3] != 0;
    if (!anyAlpha)
        return;
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (qint64 row = 0; row < rows; ++row) {
        const qint64 y = header.height > 0 ? rows - 1 - row : row;
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(int(y)));
        for (qint64 x = 0; x < header.width; ++x) {
            const int alpha = uchar(dib[pixelsAt + row * stride + x * 4 + 3]);
            line[x] = qRgba(qRed(line[x]), qGreen(line[x]), qBlue(line[x]), alpha);
        }
    }
}

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

quint32 ReadLe32(const QByteArray &bytes, qsizetype at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | uchar(bytes[at + i]);
    return value;
}

quint16 ReadLe16(const QByteArray &bytes, qsizetype at)
{
    return quint16(uchar(bytes[at]) | (uchar(bytes[at + 1]) << 8));
}

QImage DecodeDib(const QByteArray &dib)
{
    const std::optional<DibHeader> header = ReadHeader(dib);
    if (!header)
        return {};
    const qint64 pixelsAt = PixelOffset(*header);
    if (!SizesFit(*header, pixelsAt, dib.size()))
        return {};
    QImage image;
    if (!image.loadFromData(BmpFile(dib, pixelsAt), "BMP"))
        return {};
    if (header->bits == 32 && header->compression == 0)
        RestoreAlpha(image, dib, *header, pixelsAt);
    return image;
}

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
    for (int y = 0; y < height; ++y) {
        const auto *line =
            reinterpret_cast<const uchar *>(rows.constData()) + qint64(y) * widthBytes;
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            out[x] = BitmapPixel(line, x, bits);
    }
    return image;
}
