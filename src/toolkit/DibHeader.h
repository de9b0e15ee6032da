#pragma once

#include <QByteArrayView>
#include <QString>

// Compression values of a bitmap header.
enum : quint32 { dibRgb = 0, dibRle8 = 1, dibRle4 = 2, dibBitFields = 3 };

// How the colour table of a device-independent bitmap is given.
enum class TDibColors {
    Rgb,           // RGB quads (or triples with the core header)
    PaletteIndices // 16-bit indices into a logical palette, shown as grey levels
};

// The header of a device-independent bitmap and where the parts after it
// lie, counted from the header's first byte.
struct TDibHeader
{
    qint64 Size = 0; // 12 for the old core header, 40 and more otherwise
    qint64 Width = 0;
    qint64 Height = 0; // negative when rows run top-down
    int Bits = 0;
    quint32 Compression = dibRgb;
    qint64 MasksEnd = 0; // the end of the header and of the bit field masks
    qint64 TableEntries = 0;
    int EntrySize = 4; // bytes per colour table entry

    qint64 Rows() const { return Height < 0 ? -Height : Height; }
    bool TopDown() const { return Height < 0; }
    bool RunLength() const { return Compression == dibRle8 || Compression == dibRle4; }
    // Bytes of one uncompressed row, padded to whole 32-bit words.
    qint64 Stride() const { return (Width * Bits + 31) / 32 * 4; }
    qint64 TableEnd() const { return MasksEnd + TableEntries * EntrySize; }
    // The image row that the data's row-th row fills.
    int ImageRow(qint64 row) const { return int(TopDown() ? row : Rows() - 1 - row); }
};

// The fields of the header at the start of dib: the 12-byte core header or
// an info header of 40 bytes or more; 1, 4, 8, 16, 24 or 32 bits per pixel,
// uncompressed, as bit fields or run-length encoded. Whether the masks and the
// colour table after the header fit in dib is the decoder's to check. An
// error text when the header is cut short or describes a bitmap of another
// form.
QString ReadDibHeader(QByteArrayView dib, TDibColors colors, TDibHeader &header);

// Why a pixel's palette index cannot be drawn.
QString PaletteIndexFailure(int index, qsizetype paletteSize);
