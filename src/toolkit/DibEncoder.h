#pragma once

#include <QByteArray>
#include <QImage>

// How a bitmap written by WriteDib stores its pixels.
enum class TDibDepth {
    Rgb24, // blue, green, red
    Rgb32, // blue, green, red and an unused zero byte
    Argb32 // blue, green, red and alpha
};

// 24 bits for an opaque picture, 32 with alpha for one with an alpha channel.
TDibDepth DibDepthOf(const QImage &picture);

// Bytes of the bitmap WriteDib writes for a picture of width x height.
qint64 EncodedDibSize(int width, int height, TDibDepth depth);

// Writes picture as a device-independent bitmap into out, which holds
// EncodedDibSize bytes: a 40-byte info header marked 96 pixels per inch, no
// colour table, then the rows bottom-up, each padded to whole 32-bit words.
// False, with nothing written, for a null picture or when memory runs out.
bool WriteDib(const QImage &picture, TDibDepth depth, uchar *out);

// The bitmap WriteDib writes; empty when it writes none.
QByteArray EncodeDib(const QImage &picture, TDibDepth depth);
