#pragma once

#include <QByteArrayView>
#include <QImage>

// How the colour table of a device-independent bitmap is given.
enum class TDibColors {
    Rgb,           // RGB quads (or triples with the small header)
    PaletteIndices // 16-bit indices into a logical palette, shown as grey levels
};

// The most pixels one bitmap may decode to, so that a header cannot make the
// decoder allocate without bound.
inline constexpr qint64 maxDibPixels = qint64(4096) * 4096;

// The image of a device-independent bitmap without file header: the header
// (12 bytes or 40 and more), bit field masks, colour table and pixel rows.
// Decodes 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed, as bit fields
// or run-length encoded (8 and 4 bits), into an opaque RGB image. Gives the null
// image when the header is corrupt, the rows promise more bytes than the data
// holds, or the picture is larger than maxDibPixels.
QImage DecodeDibImage(QByteArrayView dib, TDibColors colors = TDibColors::Rgb);
