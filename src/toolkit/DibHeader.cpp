#include "DibHeader.h"

#include "LittleEndian.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 coreHeaderSize = 12;
constexpr qint64 infoHeaderSize = 40;
constexpr qint64 masksSize = 12;

QString HeaderCutShort()
{
    return u"bitmap header runs past the end of the data"_s;
}

QString ReadFields(QByteArrayView dib, TDibHeader &header)
{
    if (dib.size() < 4)
        return HeaderCutShort();
    header.Size = Le32(dib, 0);
    if (header.Size != coreHeaderSize && header.Size < infoHeaderSize)
        return u"unsupported bitmap header size %1"_s.arg(header.Size);
    if (header.Size > dib.size())
        return HeaderCutShort();
    if (header.Size == coreHeaderSize) {
        header.Width = Le16(dib, 4);
        header.Height = Le16(dib, 6);
        header.Bits = Le16(dib, 10);
        return {};
    }
    header.Width = qint32(Le32(dib, 4));
    header.Height = qint32(Le32(dib, 8));
    header.Bits = Le16(dib, 14);
    header.Compression = Le32(dib, 16);
    header.TableEntries = Le32(dib, 32);
    return {};
}

QString CheckFormat(const TDibHeader &header)
{
    const int bits = header.Bits;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return u"unsupported bitmap depth of %1 bits"_s.arg(bits);
    switch (header.Compression) {
    case dibRgb:
        return {};
    case dibRle8:
        return bits == 8 ? QString() : u"RLE8 needs 8 bits per pixel"_s;
    case dibRle4:
        return bits == 4 ? QString() : u"RLE4 needs 4 bits per pixel"_s;
    case dibBitFields:
        return bits == 16 || bits == 32 ? QString() : u"bit fields need 16 or 32 bits per pixel"_s;
    default:
        return u"unsupported bitmap compression %1"_s.arg(header.Compression);
    }
}

// The bit field masks start at byte 40: after the info header, inside the
// longer ones. The colour table follows the header and the masks.
QString PlaceMasksAndTable(TDibHeader &header, TDibColors colors)
{
    header.MasksEnd = header.Size;
    if (header.Compression == dibBitFields)
        header.MasksEnd = std::max(header.Size, infoHeaderSize + masksSize);
    if (colors == TDibColors::PaletteIndices)
        header.EntrySize = 2;
    else if (header.Size == coreHeaderSize)
        header.EntrySize = 3;
    if (header.Bits > 8)
        return {};
    const qint64 full = qint64(1) << header.Bits;
    if (header.TableEntries == 0)
        header.TableEntries = full;
    if (header.TableEntries > full)
        return u"colour table of %1 entries is too large for %2 bits per pixel"_s
            .arg(header.TableEntries)
            .arg(header.Bits);
    return {};
}

} // namespace

QString ReadDibHeader(QByteArrayView dib, TDibColors colors, TDibHeader &header)
{
    header = TDibHeader();
    if (QString error = ReadFields(dib, header); !error.isEmpty())
        return error;
    if (QString error = CheckFormat(header); !error.isEmpty())
        return error;
    return PlaceMasksAndTable(header, colors);
}

QString PaletteIndexFailure(int index, qsizetype paletteSize)
{
    return u"palette index %1 is beyond the %2-colour palette"_s.arg(index).arg(paletteSize);
}
