#include "DibEncoder.h"

#include "LittleEndian.h"

#include <algorithm>

namespace {

constexpr int infoHeaderSize = 40;
constexpr quint32 pixelsPerMetreAt96Ppi = 3780;

int BitsOf(TDibDepth depth)
{
    return depth == TDibDepth::Rgb24 ? 24 : 32;
}

qint64 StrideOf(int width, TDibDepth depth)
{
    return (qint64(width) * BitsOf(depth) + 31) / 32 * 4;
}

void PutHeader(uchar *dib, int width, int height, TDibDepth depth)
{
    std::fill_n(dib, infoHeaderSize, uchar(0));
    PutLe32(dib, infoHeaderSize);
    PutLe32(dib + 4, quint32(width));
    PutLe32(dib + 8, quint32(height));
    PutLe16(dib + 12, 1); // planes
    PutLe16(dib + 14, quint16(BitsOf(depth)));
    PutLe32(dib + 20, quint32(StrideOf(width, depth) * height));
    PutLe32(dib + 24, pixelsPerMetreAt96Ppi);
    PutLe32(dib + 28, pixelsPerMetreAt96Ppi);
}

void PutRow(const QRgb *line, int width, TDibDepth depth, uchar *out)
{
    for (int x = 0; x < width; ++x) {
        *out++ = uchar(qBlue(line[x]));
        *out++ = uchar(qGreen(line[x]));
        *out++ = uchar(qRed(line[x]));
        if (depth != TDibDepth::Rgb24)
            *out++ = depth == TDibDepth::Argb32 ? uchar(qAlpha(line[x])) : 0;
    }
}

} // namespace

TDibDepth DibDepthOf(const QImage &picture)
{
    return picture.hasAlphaChannel() ? TDibDepth::Argb32 : TDibDepth::Rgb24;
}

qint64 EncodedDibSize(int width, int height, TDibDepth depth)
{
    return infoHeaderSize + StrideOf(width, depth) * height;
}

bool WriteDib(const QImage &picture, TDibDepth depth, uchar *out)
{
    const QImage source = picture.convertToFormat(
        depth == TDibDepth::Argb32 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (source.isNull())
        return false;
    const int width = source.width();
    const qint64 stride = StrideOf(width, depth);
    PutHeader(out, width, source.height(), depth);
    uchar *row = out + infoHeaderSize;
    for (int y = source.height() - 1; y >= 0; --y, row += stride) {
        std::fill_n(row, stride, uchar(0));
        PutRow(reinterpret_cast<const QRgb *>(source.constScanLine(y)), width, depth, row);
    }
    return true;
}

QByteArray EncodeDib(const QImage &picture, TDibDepth depth)
{
    if (picture.isNull())
        return {};
    QByteArray dib(EncodedDibSize(picture.width(), picture.height(), depth), Qt::Uninitialized);
    if (!WriteDib(picture, depth, reinterpret_cast<uchar *>(dib.data())))
        return {};
    return dib;
}
