#pragma once

#include <QImage>

#include <memory>

// A packed device-independent bitmap: a 40-byte BITMAPINFOHEADER, no colour
// table, then the rows bottom-up at 32 bits per pixel (blue, green, red,
// unused), the form the library hands its callers. Null for a null picture
// or when memory runs out.
std::unique_ptr<uchar[]> MakePackedDib(const QImage &picture);

// Bytes of a packed bitmap made by MakePackedDib for a picture of that size.
qint64 PackedDibSize(int width, int height);
