#pragma once

#include "DecodedPicture.h"

#include <QByteArrayView>

// A Truevision TGA file: colour-mapped (types 1, 9), true-colour (2, 10) and
// greyscale (3, 11), uncompressed or RLE; 8, 15, 16, 24 and 32 bits per
// pixel; rows bottom-up or top-down as the origin bits say.
TDecodedPicture DecodeTga(QByteArrayView bytes);
