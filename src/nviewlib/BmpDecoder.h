#pragma once

#include "DecodedPicture.h"

#include <QByteArrayView>

// A Windows bitmap file ("BM" header; also .DIB and .RLE files): 1, 4, 8, 16,
// 24 and 32 bits per pixel, uncompressed, with bit field masks, or RLE8/RLE4
// compressed; rows bottom-up or top-down.
TDecodedPicture DecodeBmp(QByteArrayView bytes);
