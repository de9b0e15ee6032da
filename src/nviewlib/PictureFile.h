#pragma once

#include "DecodedPicture.h"

#include <QByteArrayView>
#include <QString>

// The largest picture file read, so a huge file is refused before it is
// read into memory.
inline constexpr qint64 MaxPictureFileBytes = qint64(256) * 1024 * 1024;

// Bytes of a picture file decoded by their content where it tells (BMP, DIB
// and RLE files start "BM", JPEG files FF D8, GIF files "GIF8", PNG files
// their 8-byte signature), else by the extension of fileName (".PCX",
// ".TGA").
TDecodedPicture DecodePicture(QByteArrayView bytes, const QString &fileName);

// The picture file read and decoded, with transparent parts laid on white:
// an opaque picture ready to become a bitmap.
TDecodedPicture ReadPictureFile(const QString &fileName);
