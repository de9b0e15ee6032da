#pragma once

#include "LumPicture.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// Pictures the picture-object tests share.

// A w x h bitmap: red left half, blue right half, a green top row.
QImage SampleBitmap(int w, int h);
// An icon file holding a 16 x 16 and a 32 x 32 image of a yellow square
// with a transparent border.
QByteArray SampleIconFile();
// A placeable metafile of 2 x 1 inches (1000 units an inch) holding a
// filled black square from (200, 200) to (600, 600).
QByteArray SampleMetafile();

TLumPicture BitmapPicture(int w, int h);
TLumPicture IconPicture();
TLumPicture MetafilePicture();

// Writes bytes to fileName in folder; the full path.
QString WriteSampleFile(const QString &folder, const QString &fileName, const QByteArray &bytes);
