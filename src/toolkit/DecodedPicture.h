#pragma once

#include <QImage>
#include <QString>

// What a picture reader gives: the picture, or why there is none.
struct TDecodedPicture
{
    QImage Image;  // null when the bytes could not be read
    QString Error; // why, when Image is null
};

// The most pixels a picture may have, whatever its header claims: bounds the
// memory a reader allocates.
inline constexpr qint64 MaxPicturePixels = qint64(64) * 1024 * 1024;

TDecodedPicture PictureFailure(const QString &why);

// Whether a picture of width x height is one the readers accept: both sides
// positive and the area within maxPixels.
bool PictureSizeAcceptable(qint64 width, qint64 height, qint64 maxPixels = MaxPicturePixels);

// A fresh image of that size, or a failure when memory runs out.
TDecodedPicture NewPicture(qint64 width, qint64 height, QImage::Format format);
