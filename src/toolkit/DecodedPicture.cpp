#include "DecodedPicture.h"

using namespace Qt::StringLiterals;

TDecodedPicture PictureFailure(const QString &why)
{
    return {QImage(), why};
}

bool PictureSizeAcceptable(qint64 width, qint64 height, qint64 maxPixels)
{
    return width > 0 && height > 0 && width <= maxPixels / height;
}

TDecodedPicture NewPicture(qint64 width, qint64 height, QImage::Format format)
{
    if (!PictureSizeAcceptable(width, height))
        return PictureFailure(u"picture size %1 x %2 is out of range"_s.arg(width).arg(height));
    QImage image(int(width), int(height), format);
    if (image.isNull())
        return PictureFailure(u"not enough memory for the picture"_s);
    return {image, QString()};
}
