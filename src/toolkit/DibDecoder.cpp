#include "DibDecoder.h"

#include "DibRunLength.h"
#include "LittleEndian.h"

#include <QCoreApplication>
#include <QList>

#include <algorithm>
#include <array>
#include <bit>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 masksAt = 40;

// A run-length stream may leave pixels out (line ends, deltas, the end of
// the bitmap), so its length alone does not bound the picture: a picture
// with more pixels per byte of stream than this is refused.
constexpr qint64 maxPixelsPerRleByte = 1024;

// Red, green, blue and alpha masks of 16- and 32-bit pixels; pixels are
// opaque without an alpha mask.
using TChannelMasks = std::array<quint32, 4>;

// Everything the rows need besides the rows themselves.
struct TDibLayout
{
    TDibHeader Header;
    QList<QRgb> Palette;
    TChannelMasks Masks{};
    qint64 PixelsAt = 0;
};

TChannelMasks DefaultMasks(int bits)
{
    if (bits == 16)
        return {0x7C00, 0x03E0, 0x001F, 0};
    return {0xFF0000, 0x00FF00, 0x0000FF, 0};
}

QString ReadMasks(QByteArrayView dib, TDibLayout &layout)
{
    const TDibHeader &header = layout.Header;
    layout.Masks = DefaultMasks(header.Bits);
    if (header.Compression != dibBitFields)
        return {};
    if (header.MasksEnd > dib.size())
        return QCoreApplication::translate("Pictures",
                                           "bitmap bit field masks run past the end of the data");
    for (qint64 i = 0; i < 3; ++i)
        layout.Masks[size_t(i)] = Le32(dib, masksAt + 4 * i);
    return {};
}

QRgb TableColour(QByteArrayView dib, qint64 at, TDibColors colors)
{
    if (colors == TDibColors::PaletteIndices) {
        const int level = Le16(dib, at) & 0xFF;
        return qRgb(level, level, level);
    }
    return qRgb(Le8(dib, at + 2), Le8(dib, at + 1), Le8(dib, at));
}

// The palette of 1-, 4- and 8-bit pixels. Deeper pixels may carry a table
// for display devices, which is only stepped over to find the rows.
QString ReadPalette(QByteArrayView dib, const TDibOptions &options, TDibLayout &layout)
{
    const TDibHeader &header = layout.Header;
    if (header.Bits > 8 && options.PixelsAt)
        return {};
    if (header.TableEnd() > dib.size())
        return QCoreApplication::translate("Pictures",
                                           "bitmap palette runs past the end of the data");
    if (header.Bits > 8)
        return {};
    for (qint64 i = 0; i < header.TableEntries; ++i)
        layout.Palette.append(
            TableColour(dib, header.MasksEnd + i * header.EntrySize, options.Colors));
    return {};
}

QString PlacePixels(qint64 dibSize, const TDibOptions &options, TDibLayout &layout)
{
    layout.PixelsAt = options.PixelsAt.value_or(layout.Header.TableEnd());
    if (layout.PixelsAt < layout.Header.Size || layout.PixelsAt > dibSize)
        return QCoreApplication::translate("Pictures",
                                           "bitmap pixel data offset is outside the data");
    return {};
}

QString CheckPixelData(const TDibHeader &header, qint64 available, qint64 maxPixels)
{
    if (!PictureSizeAcceptable(header.Width, header.Rows(), maxPixels))
        return QCoreApplication::translate("Pictures", "bitmap size %1 x %2 is out of range")
            .arg(header.Width)
            .arg(header.Height);
    if (header.RunLength()) {
        if (header.Width * header.Rows() > std::max<qint64>(available, 1) * maxPixelsPerRleByte)
            return QCoreApplication::translate(
                "Pictures", "bitmap size is far beyond what its RLE data can hold");
        return {};
    }
    const qint64 lastRow = (header.Width * header.Bits + 7) / 8;
    if ((header.Rows() - 1) * header.Stride() + lastRow > available)
        return QCoreApplication::translate("Pictures",
                                           "bitmap pixel data runs past the end of the data");
    return {};
}

QString ReadLayout(QByteArrayView dib, const TDibOptions &options, TDibLayout &layout)
{
    TDibHeader &header = layout.Header;
    if (QString error = ReadDibHeader(dib, options.Colors, header); !error.isEmpty())
        return error;
    if (QString error = ReadMasks(dib, layout); !error.isEmpty())
        return error;
    if (QString error = ReadPalette(dib, options, layout); !error.isEmpty())
        return error;
    if (QString error = PlacePixels(dib.size(), options, layout); !error.isEmpty())
        return error;
    return CheckPixelData(header, dib.size() - layout.PixelsAt, options.MaxPixels);
}

// Whether any pixel of uncompressed 32-bit rows sets its fourth byte.
bool AnyAlpha(QByteArrayView rows, const TDibHeader &header)
{
    for (qint64 row = 0; row < header.Rows(); ++row)
        for (qint64 x = 0; x < header.Width; ++x)
            if (Le8(rows, row * header.Stride() + x * 4 + 3) != 0)
                return true;
    return false;
}

// One channel of a masked pixel scaled to 0..255.
int Channel(quint32 pixel, quint32 mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const quint64 largest = mask >> shift;
    return int(quint64((pixel & mask) >> shift) * 255 / largest);
}

QRgb MaskedPixel(quint32 pixel, const TChannelMasks &masks)
{
    const int alpha = masks[3] == 0 ? 255 : Channel(pixel, masks[3]);
    return qRgba(Channel(pixel, masks[0]), Channel(pixel, masks[1]), Channel(pixel, masks[2]),
                 alpha);
}

int PaletteIndex(QByteArrayView line, qint64 x, int bits)
{
    const qint64 bit = x * bits;
    const int byte = Le8(line, bit / 8);
    return (byte >> (8 - bits - bit % 8)) & ((1 << bits) - 1);
}

// Whether 32-bit pixels hold blue, green, red and alpha bytes in the order
// of QRgb on a little-endian machine, so that rows need no per-channel work.
bool ByteChannels(const TDibLayout &layout)
{
    const TChannelMasks &masks = layout.Masks;
    return layout.Header.Bits == 32 && masks[0] == 0xFF0000 && masks[1] == 0x00FF00 &&
           masks[2] == 0x0000FF && (masks[3] == 0 || masks[3] == 0xFF000000);
}

// A row of such pixels: as they are, made opaque without an alpha mask. The
// program's own pictures are kept this way, so every photo passes here.
void DecodeByteChannels(QByteArrayView line, const TDibLayout &layout, QRgb *out)
{
    const quint32 opaque = layout.Masks[3] == 0 ? 0xFF000000 : 0;
    for (qint64 x = 0; x < layout.Header.Width; ++x)
        out[x] = Le32(line, x * 4) | opaque;
}

// One uncompressed row of the data into one row of the image.
QString DecodeRow(QByteArrayView line, const TDibLayout &layout, QRgb *out)
{
    const int bits = layout.Header.Bits;
    if (ByteChannels(layout)) {
        DecodeByteChannels(line, layout, out);
        return {};
    }
    for (qint64 x = 0; x < layout.Header.Width; ++x) {
        if (bits <= 8) {
            const int index = PaletteIndex(line, x, bits);
            if (index >= layout.Palette.size())
                return PaletteIndexFailure(index, layout.Palette.size());
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

QString DecodeRows(QByteArrayView rows, const TDibLayout &layout, QImage &image)
{
    const TDibHeader &header = layout.Header;
    for (qint64 row = 0; row < header.Rows(); ++row) {
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(header.ImageRow(row)));
        const QByteArrayView line = rows.sliced(row * header.Stride());
        if (QString error = DecodeRow(line, layout, out); !error.isEmpty())
            return error;
    }
    return {};
}

} // namespace

TDecodedPicture DecodeDib(QByteArrayView dib, const TDibOptions &options)
{
    TDibLayout layout;
    if (QString error = ReadLayout(dib, options, layout); !error.isEmpty())
        return PictureFailure(error);
    const TDibHeader &header = layout.Header;
    const QByteArrayView rows = dib.sliced(layout.PixelsAt);
    if (options.KeepAlpha && header.Bits == 32 && header.Compression == dibRgb &&
        AnyAlpha(rows, header))
        layout.Masks[3] = 0xFF000000;
    TDecodedPicture picture =
        NewPicture(header.Width, header.Rows(),
                   layout.Masks[3] == 0 ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    if (picture.Image.isNull())
        return picture;
    const QString error = header.RunLength()
                              ? ExpandRunLength(rows, header, layout.Palette, picture.Image)
                              : DecodeRows(rows, layout, picture.Image);
    if (!error.isEmpty())
        return PictureFailure(error);
    return picture;
}
