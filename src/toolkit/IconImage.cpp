#include "IconImage.h"

#include "DibDecoder.h"
#include "DibHeader.h"
#include "LittleEndian.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <climits>
#include <tuple>

namespace {

constexpr char pngSignature[] = "\x89PNG\r\n\x1a\n";
constexpr qsizetype pngSignatureSize = 8;
constexpr qint64 coreHeaderSize = 12;
// The most run-length data a bitmap of the largest icon size needs.
constexpr qint64 maxRunLengthBytes = qint64(4) * MaxIconImageSide * MaxIconImageSide;
// Where a PNG picture's header chunk gives its width and height.
constexpr qsizetype pngSizeAt = 16;

bool IsPng(QByteArrayView data)
{
    return data.startsWith(QByteArrayView(pngSignature, pngSignatureSize));
}

quint32 Be32(QByteArrayView data, qsizetype at)
{
    return quint32(Le8(data, at)) << 24 | quint32(Le8(data, at + 1)) << 16 |
           quint32(Le8(data, at + 2)) << 8 | quint32(Le8(data, at + 3));
}

int DirectoryBits(quint16 bitCount, quint8 colorCount)
{
    if (bitCount != 0)
        return bitCount;
    if (colorCount == 0)
        return 8;
    int bits = 1;
    while (bits < 8 && (1 << bits) < colorCount)
        ++bits;
    return bits;
}

// How well an image suits: smaller keys first.
std::tuple<int, qint64, int> PreferenceKey(const TIconImageInfo &image, QSize size, int displayBits)
{
    const qint64 area = qint64(image.Width) * image.Height;
    int fit = 2; // smaller than wanted: the larger the better
    qint64 areaKey = -area;
    if (image.Width == size.width() && image.Height == size.height()) {
        fit = 0;
        areaKey = 0;
    } else if (image.Width >= size.width() && image.Height >= size.height()) {
        fit = 1; // larger than wanted: the smaller the better
        areaKey = area;
    }
    const int bitsKey = image.Bits <= displayBits ? -image.Bits : image.Bits;
    return {fit, areaKey, bitsKey};
}

QImage DecodePng(QByteArrayView data)
{
    QByteArray bytes = QByteArray::fromRawData(data.data(), data.size());
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "PNG");
    // The size comes from the header, before any pixel is allocated.
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || size.width() > MaxIconImageSide ||
        size.height() > MaxIconImageSide)
        return {};
    QImage image;
    if (!reader.read(&image) || image.size() != size)
        return {};
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The 1-bit mask after the colour rows makes the pixels it sets transparent.
// A mask cut short leaves the picture opaque.
QImage ApplyMask(const QImage &colours, QByteArrayView data, const TDibHeader &header)
{
    const qint64 rows = colours.height();
    const qint64 width = colours.width();
    const qint64 maskAt = header.TableEnd() + rows * header.Stride();
    const qint64 maskStride = (width + 31) / 32 * 4;
    if (header.RunLength() || maskAt + rows * maskStride > data.size())
        return colours;
    QImage image = colours.convertToFormat(QImage::Format_ARGB32);
    for (qint64 row = 0; row < rows; ++row) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(int(rows - 1 - row)));
        const qint64 at = maskAt + row * maskStride;
        for (qint64 x = 0; x < width; ++x)
            if ((Le8(data, at + x / 8) >> (7 - x % 8)) & 1)
                line[x] = qRgba(0, 0, 0, 0);
    }
    return image;
}

QImage DecodeBitmap(QByteArrayView data)
{
    TDibHeader header;
    if (!ReadDibHeader(data, TDibColors::Rgb, header).isEmpty() || header.Height <= 0)
        return {};
    // The header's height counts the colour rows and the mask's.
    const qint64 rows = header.Height / 2;
    if (header.Width <= 0 || header.Width > MaxIconImageSide || rows <= 0 ||
        rows > MaxIconImageSide)
        return {};
    // Only the header, colour table and colour rows are copied: the data
    // may run on to the end of a large file.
    const qint64 colourEnd =
        header.RunLength() ? maxRunLengthBytes : header.TableEnd() + rows * header.Stride();
    QByteArray colourPart = data.first(std::min<qint64>(data.size(), colourEnd)).toByteArray();
    auto *bytes = reinterpret_cast<uchar *>(colourPart.data());
    if (header.Size == coreHeaderSize)
        PutLe16(bytes + 6, quint16(rows));
    else
        PutLe32(bytes + 8, quint32(rows));
    TDibOptions options;
    options.KeepAlpha = true;
    options.MaxPixels = qint64(MaxIconImageSide) * MaxIconImageSide;
    const TDecodedPicture picture = DecodeDib(colourPart, options);
    if (picture.Image.isNull())
        return {};
    // Colour rows with alpha of their own carry their transparency.
    if (picture.Image.hasAlphaChannel())
        return picture.Image;
    return ApplyMask(picture.Image, data, header);
}

} // namespace

TIconImageInfo DescribeIconImage(QByteArrayView data, quint8 width, quint8 height, quint16 bitCount,
                                 quint8 colorCount)
{
    TIconImageInfo info;
    info.Data = data;
    info.Width = width == 0 ? MaxIconImageSide : width;
    info.Height = height == 0 ? MaxIconImageSide : height;
    info.Bits = DirectoryBits(bitCount, colorCount);
    TDibHeader header;
    if (IsPng(data)) {
        info.Bits = DisplayBits;
        if (data.size() >= pngSizeAt + 8) {
            info.Width = int(std::min<quint32>(Be32(data, pngSizeAt), INT_MAX));
            info.Height = int(std::min<quint32>(Be32(data, pngSizeAt + 4), INT_MAX));
        }
    } else if (ReadDibHeader(data, TDibColors::Rgb, header).isEmpty()) {
        info.Bits = header.Bits;
        info.Width = int(std::clamp<qint64>(header.Width, 0, INT_MAX));
        info.Height = int(std::clamp<qint64>(header.Height / 2, 0, INT_MAX));
    }
    return info;
}

QList<int> ImagesByPreference(const QList<TIconImageInfo> &images, QSize size, int displayBits)
{
    QList<int> order;
    for (int i = 0; i < images.size(); ++i)
        order.append(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return PreferenceKey(images[a], size, displayBits) <
               PreferenceKey(images[b], size, displayBits);
    });
    return order;
}

QImage DecodeIconImage(QByteArrayView data)
{
    return IsPng(data) ? DecodePng(data) : DecodeBitmap(data);
}
