#include "DibHeader.h"

#include "LittleEndian.h"

#include <QCoreApplication>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 coreHeaderSize = 12;
constexpr qint64 infoHeaderSize = 40;
constexpr qint64 masksSize = 12;

QString HeaderCutShort()
{
    return QCoreApplication::translate("Pictures", "bitmap header runs past the end of the data");
}

QString ReadFields(QByteArrayView dib, TDibHeader &header)
{
    if (dib.size() < 4)
        return HeaderCutShort();
    header.Size = Le32(dib, 0);
    if (header.Size != coreHeaderSize && header.Size < infoHeaderSize)
        return QCoreApplication::translate("Pictures", "unsupported bitmap header size %1").arg(header.Size);
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
        return QCoreApplication::translate("Pictures", "unsupported bitmap depth of %1 bits").arg(bits);
    switch (header.Compression) {
    case dibRgb:
        return {};
    case dibRle8:
        return bits == 8 ? QString() : QCoreApplication::translate("Pictures", "RLE8 needs 8 bits per pixel");
    case dibRle4:
        return bits == 4 ? QString() : QCoreApplication::translate("Pictures", "RLE4 needs 4 bits per pixel");
    case dibBitFields:
        return bits == 16 || bits == 32 ? QString() : QCoreApplication::translate("Pictures", "bit fields need 16 or 32 bits per pixel");
    default:
        return QCoreApplication::translate("Pictures", "unsupported bitmap compression %1").arg(header.Compression);
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
        return QCoreApplication::translate("Pictures", "colour table of %1 entries is too large for %2 bits per pixel")
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
    return QCoreApplication::translate("Pictures", "palette index %1 is beyond the %2-colour palette").arg(index).arg(paletteSize);
}
