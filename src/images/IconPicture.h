#pragma once

#include "DecodedPicture.h"

#include <QByteArray>

// The image an icon file shows best: the largest of its images, the one
// with the deepest colours among those of that size. The directory is
// checked against the file's length before any image is decoded, so a
// damaged file fails with a clear error and never allocates beyond it.
TDecodedPicture DecodeIconFile(const QByteArray &bytes);
