#pragma once

#include <QByteArray>
#include <QImage>

// The raw rows of a device-dependent bitmap, top-down: 1, 24 and 32 bits per
// pixel in one plane are decoded, other forms give the null image, as do
// rows that promise more bytes than the data holds.
QImage DecodeBitmap(const QByteArray &rows, int width, int height, int bits, int planes,
                    int widthBytes);
