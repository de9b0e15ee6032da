#include "PackedDib.h"

#include <new>

namespace {

constexpr int infoHeaderSize = 40;
constexpr quint32 pixelsPerMetreAt96Ppi = 3780;

void PutLe16(uchar *at, quint16 value)
{
    at[0] = uchar(value);
    at[1] = uchar(value >> 8);
}

void PutLe32(uchar *at, quint32 value)
{
    PutLe16(at, quint16(value));
    PutLe16(at + 2, quint16(value >> 16));
}

void PutHeader(uchar *dib, int width, int height)
{
    std::fill_n(dib, infoHeaderSize, uchar(0));
    PutLe32(dib, infoHeaderSize);
    PutLe32(dib + 4, quint32(width));
    PutLe32(dib + 8, quint32(height));
    PutLe16(dib + 12, 1);  // planes
    PutLe16(dib + 14, 32); // bits per pixel
    PutLe32(dib + 20, quint32(qint64(width) * height * 4));
    PutLe32(dib + 24, pixelsPerMetreAt96Ppi);
    PutLe32(dib + 28, pixelsPerMetreAt96Ppi);
}

} // namespace

qint64 PackedDibSize(int width, int height)
{
    return infoHeaderSize + qint64(width) * height * 4;
}

std::unique_ptr<uchar[]> MakePackedDib(const QImage &picture)
{
    if (picture.isNull())
        return nullptr;
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull())
        return nullptr;
    std::unique_ptr<uchar[]> dib(new (std::nothrow)
                                     uchar[PackedDibSize(rgb.width(), rgb.height())]);
    if (!dib)
        return nullptr;
    PutHeader(dib.get(), rgb.width(), rgb.height());
    uchar *row = dib.get() + infoHeaderSize;
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x, row += 4)
            PutLe32(row, line[x] & 0x00FFFFFF);
    }
    return dib;
}
