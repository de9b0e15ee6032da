#include "PictureThumbnail.h"

#include "PictureFiles.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace {

QSize FittedSize(QSize size, int side)
{
    return size.scaled(side, side, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

QImage ReadScaled(const QString &file, int side)
{
    QImageReader reader(file);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid())
        return {};
    // The size before turning, which the reader scales to; turned, the
    // picture still fits the square.
    reader.setScaledSize(FittedSize(size, side));
    return reader.read();
}

// Whether Qt reads pictures named like file: a file of such a kind that Qt
// cannot read is damaged, and no other reader is asked.
bool QtReadsKindOf(const QString &file)
{
    return QImageReader::supportedImageFormats().contains(
        QFileInfo(file).suffix().toLower().toUtf8());
}

QImage DrawnDown(const QString &file, int side)
{
    if (!QFileInfo(file).isFile() || QtReadsKindOf(file))
        return {};
    QString error;
    const std::optional<TLumPicture> picture = LoadPictureFile(file, error);
    if (!picture || picture->Width() <= 0 || picture->Height() <= 0)
        return {};
    QImage image(FittedSize(QSize(picture->Width(), picture->Height()), side),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture->StretchDraw(painter, QRectF(image.rect()));
    return image;
}

} // namespace

QImage PictureThumbnail(const QString &file, int side)
{
    if (side < 1)
        return {};
    const QImage image = ReadScaled(file, side);
    return image.isNull() ? DrawnDown(file, side) : image;
}
