#pragma once

#include "DecodedPicture.h"

#include <QByteArrayView>

// A PCX file, RLE-compressed or not: monochrome, 16 colours (four 1-bit
// planes or one 4-bit plane, header palette), 256 colours (palette at the end
// of the file) and 24-bit colour in three 8-bit planes.
TDecodedPicture DecodePcx(QByteArrayView bytes);
