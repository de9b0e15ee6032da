#pragma once

#include <QByteArray>
#include <QImage>

// The picture with a colour table in place of its pixels' colours when it
// has at most 256 of them (the same pixels, a quarter of the bytes to
// compress); else the picture as it is.
QImage WithPaletteIfFewColours(const QImage &picture);

// The picture encoded as a PNG file, with a palette where it has at most 256
// colours; empty when it could not be encoded.
QByteArray EncodePng(const QImage &picture);
