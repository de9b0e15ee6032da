#include "PcxDecoder.h"

#include "LittleEndian.h"

#include <QList>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype headerSize = 128;
constexpr qsizetype endPaletteSize = 1 + 256 * 3; // a 0x0C marker, then 256 RGB entries
constexpr int endPaletteMarker = 0x0C;
// An RLE pair (count byte, value) yields at most 63 bytes.
constexpr qint64 maxBytesPerRleByte = 32;

struct TPcxHeader
{
    bool Rle = false;
    int Bits = 0;
    int Planes = 0;
    qint64 Width = 0;
    qint64 Height = 0;
    qint64 BytesPerLine = 0;

    qint64 ScanlineBytes() const { return BytesPerLine * Planes; }
};

bool SupportedLayout(int bits, int planes)
{
    return (bits == 1 && planes >= 1 && planes <= 4) || (bits == 4 && planes == 1) ||
           (bits == 8 && (planes == 1 || planes == 3));
}

QString ReadHeader(QByteArrayView bytes, TPcxHeader &header)
{
    if (bytes.size() < headerSize || Le8(bytes, 0) != 0x0A)
        return u"not a PCX file"_s;
    const int encoding = Le8(bytes, 2);
    if (encoding > 1)
        return u"unsupported PCX encoding %1"_s.arg(encoding);
    header.Rle = encoding == 1;
    header.Bits = Le8(bytes, 3);
    header.Planes = Le8(bytes, 65);
    if (!SupportedLayout(header.Bits, header.Planes))
        return u"unsupported PCX layout of %1 bits in %2 planes"_s.arg(header.Bits)
            .arg(header.Planes);
    header.Width = qint64(Le16(bytes, 8)) - Le16(bytes, 4) + 1;
    header.Height = qint64(Le16(bytes, 10)) - Le16(bytes, 6) + 1;
    if (!PictureSizeAcceptable(header.Width, header.Height))
        return u"PCX size %1 x %2 is out of range"_s.arg(header.Width).arg(header.Height);
    header.BytesPerLine = Le16(bytes, 66);
    if (header.BytesPerLine < (header.Width * header.Bits + 7) / 8)
        return u"PCX line of %1 bytes is too short for its width"_s.arg(header.BytesPerLine);
    return {};
}

bool HasEndPalette(QByteArrayView bytes, const TPcxHeader &header)
{
    return header.Bits == 8 && header.Planes == 1 && bytes.size() >= headerSize + endPaletteSize &&
           Le8(bytes, bytes.size() - endPaletteSize) == endPaletteMarker;
}

QRgb RgbAt(QByteArrayView bytes, qsizetype at)
{
    return qRgb(Le8(bytes, at), Le8(bytes, at + 1), Le8(bytes, at + 2));
}

QList<QRgb> ReadPalette(QByteArrayView bytes, const TPcxHeader &header)
{
    QList<QRgb> palette;
    if (header.Bits == 1 && header.Planes == 1)
        return {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    if (header.Bits * header.Planes == 8) {
        const bool atEnd = HasEndPalette(bytes, header);
        const qsizetype start = bytes.size() - endPaletteSize + 1;
        for (qsizetype i = 0; i < 256; ++i)
            palette.append(atEnd ? RgbAt(bytes, start + i * 3) : qRgb(int(i), int(i), int(i)));
        return palette;
    }
    for (qsizetype i = 0; i < 16; ++i)
        palette.append(RgbAt(bytes, 16 + i * 3));
    return palette;
}

// The scanlines, every plane of every row, decompressed.
QString ReadScanlines(QByteArrayView data, const TPcxHeader &header, QByteArray &lines)
{
    const qint64 total = header.ScanlineBytes() * header.Height;
    if (!header.Rle) {
        if (total > data.size())
            return u"PCX data ends before the end of the picture"_s;
        lines = data.first(total).toByteArray();
        return {};
    }
    if (total > std::max<qint64>(data.size(), 1) * maxBytesPerRleByte)
        return u"PCX size is far beyond what its RLE data can hold"_s;
    lines.resize(total);
    qsizetype at = 0;
    qint64 filled = 0;
    while (filled < total) {
        if (at >= data.size())
            return u"PCX data ends before the end of the picture"_s;
        int count = 1;
        int value = Le8(data, at++);
        if ((value & 0xC0) == 0xC0) {
            if (at >= data.size())
                return u"PCX data ends inside a run"_s;
            count = value & 0x3F;
            value = Le8(data, at++);
        }
        if (filled + count > total)
            return u"PCX run past the end of the picture"_s;
        std::fill_n(lines.begin() + filled, count, char(value));
        filled += count;
    }
    return {};
}

int PlaneBit(QByteArrayView plane, qint64 x)
{
    return (Le8(plane, x / 8) >> (7 - x % 8)) & 1;
}

QRgb PixelAt(QByteArrayView line, const TPcxHeader &header, const QList<QRgb> &palette, qint64 x)
{
    const qint64 stride = header.BytesPerLine;
    if (header.Bits == 8 && header.Planes == 3)
        return qRgb(Le8(line, x), Le8(line, stride + x), Le8(line, 2 * stride + x));
    if (header.Bits == 8)
        return palette[Le8(line, x)];
    if (header.Bits == 4)
        return palette[(Le8(line, x / 2) >> (x % 2 == 0 ? 4 : 0)) & 0x0F];
    int index = 0;
    for (int plane = 0; plane < header.Planes; ++plane)
        index |= PlaneBit(line.sliced(plane * stride), x) << plane;
    return palette[index];
}

} // namespace

TDecodedPicture DecodePcx(QByteArrayView bytes)
{
    TPcxHeader header;
    if (QString error = ReadHeader(bytes, header); !error.isEmpty())
        return PictureFailure(error);
    const qsizetype dataEnd =
        HasEndPalette(bytes, header) ? bytes.size() - endPaletteSize : bytes.size();
    QByteArray lines;
    if (QString error =
            ReadScanlines(bytes.sliced(headerSize, dataEnd - headerSize), header, lines);
        !error.isEmpty())
        return PictureFailure(error);
    const QList<QRgb> palette = ReadPalette(bytes, header);
    TDecodedPicture picture = NewPicture(header.Width, header.Height, QImage::Format_RGB32);
    if (picture.Image.isNull())
        return picture;
    const QByteArrayView all(lines);
    for (qint64 y = 0; y < header.Height; ++y) {
        const QByteArrayView line = all.sliced(y * header.ScanlineBytes());
        auto *out = reinterpret_cast<QRgb *>(picture.Image.scanLine(int(y)));
        for (qint64 x = 0; x < header.Width; ++x)
            out[x] = PixelAt(line, header, palette, x);
    }
    return picture;
}
