#include "TgaDecoder.h"

#include "LittleEndian.h"

#include <QList>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype headerSize = 18;
// An RLE packet of n + 1 bytes yields at most 128 pixels.
constexpr qint64 maxPixelsPerRleByte = 128;

enum TTgaKind { tkMapped = 1, tkTrueColour = 2, tkGrey = 3 };

struct TTgaHeader
{
    int IdLength = 0;
    int MapType = 0;
    int ImageType = 0;
    int MapFirst = 0;
    int MapLength = 0;
    int MapEntryBits = 0;
    qint64 Width = 0;
    qint64 Height = 0;
    int Depth = 0;
    int Descriptor = 0;

    TTgaKind Kind() const { return TTgaKind(ImageType & 7); }
    bool Rle() const { return ImageType >= 9; }
    int PixelBytes() const { return (Depth + 7) / 8; }
    bool TopDown() const { return (Descriptor & 0x20) != 0; }
    bool RightToLeft() const { return (Descriptor & 0x10) != 0; }
    bool HasAlpha() const { return Depth == 32 && (Descriptor & 0x0F) != 0; }
};

bool ColourDepth(int bits)
{
    return bits == 15 || bits == 16 || bits == 24 || bits == 32;
}

QString CheckHeader(const TTgaHeader &header)
{
    const int type = header.ImageType;
    if (type != 1 && type != 2 && type != 3 && type != 9 && type != 10 && type != 11)
        return u"unsupported TGA image type %1"_s.arg(type);
    if (header.MapType > 1)
        return u"unsupported TGA colour map type %1"_s.arg(header.MapType);
    if (header.Kind() == tkMapped) {
        if (header.MapType != 1 || !ColourDepth(header.MapEntryBits))
            return u"TGA colour-mapped picture without a usable colour map"_s;
        if (header.Depth != 8 && header.Depth != 16)
            return u"unsupported TGA index depth of %1 bits"_s.arg(header.Depth);
    } else if (header.Kind() == tkTrueColour ? !ColourDepth(header.Depth) : header.Depth != 8) {
        return u"unsupported TGA depth of %1 bits"_s.arg(header.Depth);
    }
    if (!PictureSizeAcceptable(header.Width, header.Height))
        return u"TGA size %1 x %2 is out of range"_s.arg(header.Width).arg(header.Height);
    return {};
}

QString ReadHeader(QByteArrayView bytes, TTgaHeader &header)
{
    if (bytes.size() < headerSize)
        return u"TGA file shorter than its header"_s;
    header.IdLength = Le8(bytes, 0);
    header.MapType = Le8(bytes, 1);
    header.ImageType = Le8(bytes, 2);
    header.MapFirst = Le16(bytes, 3);
    header.MapLength = Le16(bytes, 5);
    header.MapEntryBits = Le8(bytes, 7);
    header.Width = Le16(bytes, 12);
    header.Height = Le16(bytes, 14);
    header.Depth = Le8(bytes, 16);
    header.Descriptor = Le8(bytes, 17);
    return CheckHeader(header);
}

// A colour of 15 to 32 bits: BGR 5-5-5 in 16 bits, else B, G, R (and A)
// bytes. Alpha is kept only when asked for.
QRgb ColourAt(QByteArrayView bytes, qsizetype at, int bits, bool alpha)
{
    if (bits <= 16) {
        const int value = Le16(bytes, at);
        const auto expand = [](int five) { return (five << 3) | (five >> 2); };
        return qRgb(expand((value >> 10) & 31), expand((value >> 5) & 31), expand(value & 31));
    }
    const int a = bits == 32 && alpha ? Le8(bytes, at + 3) : 255;
    return qRgba(Le8(bytes, at + 2), Le8(bytes, at + 1), Le8(bytes, at), a);
}

QString ReadColourMap(QByteArrayView bytes, const TTgaHeader &header, qsizetype &at,
                      QList<QRgb> &map)
{
    if (header.MapType == 0)
        return {};
    const int entryBytes = (header.MapEntryBits + 7) / 8;
    if (at + qint64(header.MapLength) * entryBytes > bytes.size())
        return u"TGA colour map runs past the end of the file"_s;
    for (int i = 0; i < header.MapLength; ++i, at += entryBytes) {
        if (header.Kind() == tkMapped)
            map.append(ColourAt(bytes, at, header.MapEntryBits, false));
    }
    return {};
}

// The image data one pixel at a time, through RLE packets when compressed.
class TTgaPixels
{
public:
    TTgaPixels(QByteArrayView data, const TTgaHeader &header)
        : Data(data), PixelBytes(header.PixelBytes()), Rle(header.Rle())
    {}

    // Where the next pixel's bytes start; -1 when the data ends early.
    qsizetype Next()
    {
        if (!Rle)
            return Take();
        if (Left == 0) {
            if (At >= Data.size())
                return -1;
            const int packet = Le8(Data, At++);
            Left = (packet & 0x7F) + 1;
            Repeat = (packet & 0x80) != 0;
            if (Repeat)
                RepeatAt = Take();
        }
        --Left;
        return Repeat ? RepeatAt : Take();
    }

    // Whether the last packet asked for more pixels than the picture holds.
    bool Overrun() const { return Left > 0; }

private:
    qsizetype Take()
    {
        if (At + PixelBytes > Data.size())
            return -1;
        const qsizetype at = At;
        At += PixelBytes;
        return at;
    }

    QByteArrayView Data;
    int PixelBytes;
    bool Rle;
    qsizetype At = 0;
    int Left = 0;
    bool Repeat = false;
    qsizetype RepeatAt = -1;
};

class TTgaDecoder
{
public:
    TTgaDecoder(QByteArrayView data, const TTgaHeader &header, const QList<QRgb> &map)
        : Data(data), Header(header), Map(map), Pixels(data, header)
    {}

    QString Decode(QImage &image)
    {
        for (qint64 row = 0; row < Header.Height; ++row) {
            const int y = int(Header.TopDown() ? row : Header.Height - 1 - row);
            auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (qint64 column = 0; column < Header.Width; ++column) {
                const qint64 x = Header.RightToLeft() ? Header.Width - 1 - column : column;
                if (QString error = NextPixel(out[x]); !error.isEmpty())
                    return error;
            }
        }
        return Pixels.Overrun() ? u"TGA RLE packet runs past the end of the picture"_s : QString();
    }

private:
    QString NextPixel(QRgb &pixel)
    {
        const qsizetype at = Pixels.Next();
        if (at < 0)
            return u"TGA data ends before the end of the picture"_s;
        switch (Header.Kind()) {
        case tkMapped: {
            const qint64 entry =
                (Header.Depth == 8 ? Le8(Data, at) : Le16(Data, at)) - qint64(Header.MapFirst);
            if (entry < 0 || entry >= Map.size())
                return u"TGA colour index beyond the %1-entry colour map"_s.arg(Map.size());
            pixel = Map[entry];
            return {};
        }
        case tkGrey:
            pixel = qRgb(Le8(Data, at), Le8(Data, at), Le8(Data, at));
            return {};
        default:
            pixel = ColourAt(Data, at, Header.Depth, Header.HasAlpha());
            return {};
        }
    }

    QByteArrayView Data;
    const TTgaHeader &Header;
    const QList<QRgb> &Map;
    TTgaPixels Pixels;
};

QString CheckDataSize(const TTgaHeader &header, qsizetype available)
{
    const qint64 pixels = header.Width * header.Height;
    if (header.Rle() ? pixels > std::max<qint64>(available, 1) * maxPixelsPerRleByte
                     : pixels * header.PixelBytes() > available)
        return u"TGA size is beyond what its data can hold"_s;
    return {};
}

// Files that say they carry alpha but leave it all zero mean an opaque
// picture.
void DropEmptyAlpha(QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0)
                return;
        }
    }
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] |= 0xFF000000;
    }
    image.reinterpretAsFormat(QImage::Format_RGB32);
}

} // namespace

TDecodedPicture DecodeTga(QByteArrayView bytes)
{
    TTgaHeader header;
    if (QString error = ReadHeader(bytes, header); !error.isEmpty())
        return PictureFailure(error);
    qsizetype at = headerSize + header.IdLength;
    QList<QRgb> map;
    if (at > bytes.size())
        return PictureFailure(u"TGA identification runs past the end of the file"_s);
    if (QString error = ReadColourMap(bytes, header, at, map); !error.isEmpty())
        return PictureFailure(error);
    if (QString error = CheckDataSize(header, bytes.size() - at); !error.isEmpty())
        return PictureFailure(error);
    const auto format = header.HasAlpha() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    TDecodedPicture picture = NewPicture(header.Width, header.Height, format);
    if (picture.Image.isNull())
        return picture;
    TTgaDecoder decoder(bytes.sliced(at), header, map);
    if (QString error = decoder.Decode(picture.Image); !error.isEmpty())
        return PictureFailure(error);
    if (header.HasAlpha())
        DropEmptyAlpha(picture.Image);
    return picture;
}
