#pragma once

#include "DecodedPicture.h"
#include "DibHeader.h"

#include <QByteArrayView>

#include <optional>

// The most pixels a bitmap inside a document or metafile may decode to, so
// that a header cannot make the decoder allocate without bound.
inline constexpr qint64 maxDibPixels = qint64(4096) * 4096;

struct TDibOptions
{
    TDibColors Colors = TDibColors::Rgb;
    // Where the rows start, counted from the header's first byte, when a file
    // header names it; otherwise they follow the colour table.
    std::optional<qint64> PixelsAt;
    // Keep the fourth bytes of uncompressed 32-bit rows as alpha when any of
    // them is set; otherwise every pixel is opaque.
    bool KeepAlpha = false;
    // At most MaxPicturePixels.
    qint64 MaxPixels = maxDibPixels;
};

// The image of a device-independent bitmap without file header: the header,
// bit field masks, colour table and rows (see ReadDibHeader for the forms
// read). Rows may leave out the last row's padding. Fails with a clear error
// when a part runs past the end of the data, the picture is larger than
// MaxPixels or than its run-length data can hold, a pixel names a colour
// beyond the colour table, or the run-length data is damaged.
TDecodedPicture DecodeDib(QByteArrayView dib, const TDibOptions &options = {});
