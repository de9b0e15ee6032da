#pragma once

#include <QByteArray>
#include <QImage>

// Little-endian integers at a byte offset the caller has checked.
quint32 ReadLe32(const QByteArray &bytes, qsizetype at);
quint16 ReadLe16(const QByteArray &bytes, qsizetype at);

// The image of a device-independent bitmap without its file header; the null
// image when the header is corrupt or promises more pixels than the data holds.
QImage DecodeDib(const QByteArray &dib);

// The raw rows of a device-dependent bitmap, top-down: 1, 24 and 32 bits per
// pixel in one plane are decoded, other forms give the null image.
QImage DecodeBitmap(const QByteArray &rows, int width, int height, int bits, int planes,
                    int widthBytes);
