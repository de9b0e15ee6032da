#pragma once

#include <QImage>
#include <QString>

// A small picture of file, at most side pixels wide and high, its shape
// kept; null when the file cannot be read. Pictures Qt reads are decoded at
// the small size (a JPEG file is never held at full size); the kinds only
// the program reads are drawn down from the picture read.
QImage PictureThumbnail(const QString &file, int side);
