#include "DecodedPicture.h"

#include <QCoreApplication>

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
        return PictureFailure(QCoreApplication::translate("Pictures", "picture size %1 x %2 is out of range").arg(width).arg(height));
    QImage image(int(width), int(height), format);
    if (image.isNull())
        return PictureFailure(QCoreApplication::translate("Pictures", "not enough memory for the picture"));
    return {image, QString()};
}

bool TPictureBudget::Take(qint64 width, qint64 height, qint64 maxPixels)
{
    if (!PictureSizeAcceptable(width, height, maxPixels) ||
        width * height > m_left / BytesPerPixel) {
        ++m_refused;
        return false;
    }
    m_left -= width * height * BytesPerPixel;
    return true;
}

void TPictureBudget::Return(qint64 width, qint64 height)
{
    if (PictureSizeAcceptable(width, height))
        m_left += width * height * BytesPerPixel;
}
