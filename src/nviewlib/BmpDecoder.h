#pragma once

#include "DecodedPicture.h"

#include <QByteArrayView>

// A Windows bitmap file ("BM" header; also .DIB and .RLE files): the 14-byte
// file header, then a device-independent bitmap whose rows lie where the
// file header says.
TDecodedPicture DecodeBmp(QByteArrayView bytes);
