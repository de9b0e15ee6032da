#include "BmpDecoder.h"

#include "LittleEndian.h"

#include <QList>

#include <bit>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype fileHeaderSize = 14;
constexpr qsizetype coreHeaderSize = 12;
constexpr qsizetype infoHeaderSize = 40;

// An RLE stream may leave pixels out (end of line, end of bitmap, deltas),
// so its length alone does not bound the picture: a picture with more
// pixels per byte of stream than this is refused.
constexpr qint64 maxPixelsPerRleByte = 1024;

enum : quint32 { biRgb = 0, biRle8 = 1, biRle4 = 2, biBitfields = 3 };

struct TBmpHeader
{
    qsizetype InfoSize = 0;
    qint64 Width = 0;
    qint64 Height = 0; // negative when rows run top-down
    int Bits = 0;
    quint32 Compression = biRgb;
    quint32 ColorsUsed = 0;
    qsizetype PixelsAt = 0;

    qint64 Rows() const { return Height < 0 ? -Height : Height; }
    bool Core() const { return InfoSize == coreHeaderSize; }
    bool Rle() const { return Compression == biRle8 || Compression == biRle4; }
    // The image row that the file's row-th row fills.
    int ImageRow(qint64 row) const { return int(Height < 0 ? row : Rows() - 1 - row); }
};

struct TChannelMasks
{
    quint32 Red = 0;
    quint32 Green = 0;
    quint32 Blue = 0;
};

// Everything the pixel rows need besides the rows themselves.
struct TBmpLayout
{
    TBmpHeader Header;
    QList<QRgb> Palette;
    TChannelMasks Masks;
};

bool KnownInfoSize(qsizetype size)
{
    return size == coreHeaderSize || size == infoHeaderSize || size == 52 || size == 56 ||
           size == 108 || size == 124;
}

QString ReadHeader(QByteArrayView bytes, TBmpHeader &header)
{
    if (bytes.size() < fileHeaderSize + coreHeaderSize || bytes[0] != 'B' || bytes[1] != 'M')
        return u"not a BMP file"_s;
    header.PixelsAt = Le32(bytes, 10);
    header.InfoSize = Le32(bytes, fileHeaderSize);
    if (!KnownInfoSize(header.InfoSize))
        return u"unsupported BMP header size %1"_s.arg(header.InfoSize);
    if (fileHeaderSize + header.InfoSize > bytes.size())
        return u"BMP header runs past the end of the file"_s;
    const qsizetype at = fileHeaderSize;
    if (header.Core()) {
        header.Width = Le16(bytes, at + 4);
        header.Height = Le16(bytes, at + 6);
        header.Bits = Le16(bytes, at + 10);
        return {};
    }
    header.Width = qint32(Le32(bytes, at + 4));
    header.Height = qint32(Le32(bytes, at + 8));
    header.Bits = Le16(bytes, at + 14);
    header.Compression = Le32(bytes, at + 16);
    header.ColorsUsed = Le32(bytes, at + 32);
    return {};
}

QString CheckFormat(const TBmpHeader &header)
{
    const int bits = header.Bits;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return u"unsupported BMP depth of %1 bits"_s.arg(bits);
    switch (header.Compression) {
    case biRgb:
        return {};
    case biRle8:
        return bits == 8 ? QString() : u"RLE8 needs 8 bits per pixel"_s;
    case biRle4:
        return bits == 4 ? QString() : u"RLE4 needs 4 bits per pixel"_s;
    case biBitfields:
        return bits == 16 || bits == 32 ? QString() : u"bit fields need 16 or 32 bits"_s;
    default:
        return u"unsupported BMP compression %1"_s.arg(header.Compression);
    }
}

TChannelMasks DefaultMasks(int bits)
{
    if (bits == 16)
        return {0x7C00, 0x03E0, 0x001F};
    return {0xFF0000, 0x00FF00, 0x0000FF};
}

// The masks and palette after the header; at is where they start.
QString ReadMasksAndPalette(QByteArrayView bytes, TBmpLayout &layout)
{
    const TBmpHeader &header = layout.Header;
    qsizetype at = fileHeaderSize + header.InfoSize;
    layout.Masks = DefaultMasks(header.Bits);
    if (header.Compression == biBitfields) {
        const qsizetype masksAt = header.InfoSize == infoHeaderSize ? at : fileHeaderSize + 40;
        if (masksAt + 12 > bytes.size())
            return u"BMP bit field masks run past the end of the file"_s;
        layout.Masks = {Le32(bytes, masksAt), Le32(bytes, masksAt + 4), Le32(bytes, masksAt + 8)};
        if (header.InfoSize == infoHeaderSize)
            at += 12;
    }
    if (header.Bits > 8)
        return {};
    const qint64 full = qint64(1) << header.Bits;
    const qint64 count = header.ColorsUsed == 0 ? full : std::min<qint64>(header.ColorsUsed, full);
    const int entrySize = header.Core() ? 3 : 4;
    if (at + count * entrySize > bytes.size())
        return u"BMP palette runs past the end of the file"_s;
    for (qint64 i = 0; i < count; ++i, at += entrySize)
        layout.Palette.append(qRgb(Le8(bytes, at + 2), Le8(bytes, at + 1), Le8(bytes, at)));
    return {};
}

QString CheckPixelData(const TBmpHeader &header, qsizetype available)
{
    if (!PictureSizeAcceptable(header.Width, header.Rows()))
        return u"BMP size %1 x %2 is out of range"_s.arg(header.Width).arg(header.Height);
    if (header.Rle()) {
        if (header.Width * header.Rows() > std::max<qint64>(available, 1) * maxPixelsPerRleByte)
            return u"BMP size is far beyond what its RLE data can hold"_s;
        return {};
    }
    const qint64 stride = (header.Width * header.Bits + 31) / 32 * 4;
    const qint64 lastRow = (header.Width * header.Bits + 7) / 8;
    if ((header.Rows() - 1) * stride + lastRow > available)
        return u"BMP pixel data runs past the end of the file"_s;
    return {};
}

quint8 Channel(quint32 pixel, quint32 mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const quint64 largest = mask >> shift;
    return quint8(quint64((pixel & mask) >> shift) * 255 / largest);
}

QRgb MaskedPixel(quint32 pixel, const TChannelMasks &masks)
{
    return qRgb(Channel(pixel, masks.Red), Channel(pixel, masks.Green), Channel(pixel, masks.Blue));
}

int PaletteIndex(QByteArrayView line, qint64 x, int bits)
{
    const qint64 bit = x * bits;
    const int byte = Le8(line, bit / 8);
    return (byte >> (8 - bits - bit % 8)) & ((1 << bits) - 1);
}

QString PaletteFailure(int index, const TBmpLayout &layout)
{
    return u"palette index %1 is beyond the %2-colour palette"_s.arg(index).arg(
        layout.Palette.size());
}

// One uncompressed row of the file into one row of the image.
QString DecodeRow(QByteArrayView line, const TBmpLayout &layout, QRgb *out)
{
    const int bits = layout.Header.Bits;
    for (qint64 x = 0; x < layout.Header.Width; ++x) {
        if (bits <= 8) {
            const int index = PaletteIndex(line, x, bits);
            if (index >= layout.Palette.size())
                return PaletteFailure(index, layout);
            out[x] = layout.Palette[index];
        } else if (bits == 24) {
            const qsizetype at = x * 3;
            out[x] = qRgb(Le8(line, at + 2), Le8(line, at + 1), Le8(line, at));
        } else {
            const quint32 pixel = bits == 16 ? Le16(line, x * 2) : Le32(line, x * 4);
            out[x] = MaskedPixel(pixel, layout.Masks);
        }
    }
    return {};
}

QString DecodeRows(QByteArrayView data, const TBmpLayout &layout, QImage &image)
{
    const TBmpHeader &header = layout.Header;
    const qint64 stride = (header.Width * header.Bits + 31) / 32 * 4;
    for (qint64 row = 0; row < header.Rows(); ++row) {
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(header.ImageRow(row)));
        if (QString error = DecodeRow(data.sliced(row * stride), layout, out); !error.isEmpty())
            return error;
    }
    return {};
}

// Expands an RLE8 or RLE4 stream into one palette index per pixel, in the
// file's row order. Pixels the stream skips keep index 0.
class TRleExpander
{
public:
    TRleExpander(QByteArrayView data, const TBmpHeader &header)
        : Data(data), Width(header.Width), Rows(header.Rows()),
          Nibbles(header.Compression == biRle4), Indices(Width * Rows, '\0')
    {}

    QString Expand()
    {
        while (At + 2 <= Data.size()) {
            const int count = Le8(Data, At);
            const int value = Le8(Data, At + 1);
            At += 2;
            QString error;
            if (count > 0)
                error = Run(count, value);
            else if (value == 0)
                NextLine();
            else if (value == 1)
                return {};
            else if (value == 2)
                error = Delta();
            else
                error = Absolute(value);
            if (!error.isEmpty())
                return error;
        }
        return Y >= Rows ? QString() : u"RLE data ends before the end of the picture"_s;
    }

    const QByteArray &Result() const { return Indices; }

private:
    QString CheckRoom(int count) const
    {
        if (Y >= Rows || X + count > Width)
            return u"RLE run past the end of the picture's row"_s;
        return {};
    }

    void Put(int index) { Indices[Y * Width + X++] = char(index); }

    QString Run(int count, int value)
    {
        if (QString error = CheckRoom(count); !error.isEmpty())
            return error;
        for (int i = 0; i < count; ++i)
            Put(Nibbles ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
        return {};
    }

    void NextLine()
    {
        X = 0;
        ++Y;
    }

    QString Delta()
    {
        if (At + 2 > Data.size())
            return u"RLE data ends inside a delta"_s;
        X += Le8(Data, At);
        Y += Le8(Data, At + 1);
        At += 2;
        if (X > Width || Y > Rows)
            return u"RLE delta moves past the picture"_s;
        return {};
    }

    QString Absolute(int count)
    {
        const qsizetype bytes = Nibbles ? (count + 1) / 2 : count;
        if (At + bytes > Data.size())
            return u"RLE data ends inside an absolute run"_s;
        if (QString error = CheckRoom(count); !error.isEmpty())
            return error;
        for (int i = 0; i < count; ++i) {
            const int byte = Le8(Data, At + (Nibbles ? i / 2 : i));
            Put(Nibbles ? (i % 2 == 0 ? byte >> 4 : byte & 0x0F) : byte);
        }
        At += bytes + bytes % 2; // runs are padded to whole 16-bit words
        return {};
    }

    QByteArrayView Data;
    qint64 Width;
    qint64 Rows;
    bool Nibbles;
    QByteArray Indices;
    qsizetype At = 0;
    qint64 X = 0;
    qint64 Y = 0;
};

QString DecodeRle(QByteArrayView data, const TBmpLayout &layout, QImage &image)
{
    const TBmpHeader &header = layout.Header;
    TRleExpander expander(data, header);
    if (QString error = expander.Expand(); !error.isEmpty())
        return error;
    const QByteArray &indices = expander.Result();
    for (qint64 row = 0; row < header.Rows(); ++row) {
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(header.ImageRow(row)));
        for (qint64 x = 0; x < header.Width; ++x) {
            const int index = quint8(indices[row * header.Width + x]);
            if (index >= layout.Palette.size())
                return PaletteFailure(index, layout);
            out[x] = layout.Palette[index];
        }
    }
    return {};
}

QString ReadLayout(QByteArrayView bytes, TBmpLayout &layout)
{
    TBmpHeader &header = layout.Header;
    if (QString error = ReadHeader(bytes, header); !error.isEmpty())
        return error;
    if (QString error = CheckFormat(header); !error.isEmpty())
        return error;
    if (QString error = ReadMasksAndPalette(bytes, layout); !error.isEmpty())
        return error;
    if (header.Bits <= 8 && layout.Palette.isEmpty())
        return u"BMP palette is empty"_s;
    if (header.PixelsAt < fileHeaderSize + header.InfoSize || header.PixelsAt > bytes.size())
        return u"BMP pixel data offset %1 is outside the file"_s.arg(header.PixelsAt);
    return CheckPixelData(header, bytes.size() - header.PixelsAt);
}

} // namespace

TDecodedPicture DecodeBmp(QByteArrayView bytes)
{
    TBmpLayout layout;
    if (QString error = ReadLayout(bytes, layout); !error.isEmpty())
        return PictureFailure(error);
    const TBmpHeader &header = layout.Header;
    TDecodedPicture picture = NewPicture(header.Width, header.Rows(), QImage::Format_RGB32);
    if (picture.Image.isNull())
        return picture;
    const QByteArrayView data = bytes.sliced(header.PixelsAt);
    const QString error = header.Rle() ? DecodeRle(data, layout, picture.Image)
                                       : DecodeRows(data, layout, picture.Image);
    if (!error.isEmpty())
        return PictureFailure(error);
    return picture;
}
