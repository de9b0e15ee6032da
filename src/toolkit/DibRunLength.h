#pragma once

#include "DibHeader.h"

#include <QImage>
#include <QList>

// Draws the run-length encoded rows (RLE8 or RLE4) in data into image, whose
// pixels the stream skips keep the palette's first colour: runs of one index,
// absolute runs, line ends, position deltas and the end-of-bitmap marker. An
// error text when the stream is cut short, draws outside the picture or
// names a colour beyond the palette.
QString ExpandRunLength(QByteArrayView data, const TDibHeader &header, const QList<QRgb> &palette,
                        QImage &image);
