#include "IconFile.h"

#include <QFile>
#include <QPainter>

namespace {

QImage FitTo(const QImage &image, QSize size)
{
    if (image.size() == size)
        return image;
    const QImage scaled = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage fitted(size, QImage::Format_ARGB32_Premultiplied);
    fitted.fill(Qt::transparent);
    QPainter painter(&fitted);
    painter.drawImage((size.width() - scaled.width()) / 2, (size.height() - scaled.height()) / 2,
                      scaled);
    painter.end();
    return fitted.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

TIconFile::TIconFile(QByteArray bytes)
    : m_bytes(std::move(bytes)), m_directory(ReadIconDirectory(m_bytes))
{}

TIconFile TIconFile::Load(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return {};
    return TIconFile(file.read(MaxFileSize));
}

QList<TIconImageInfo> TIconFile::Images(int index) const
{
    return GroupImages(m_bytes, m_directory, index);
}

QImage TIconFile::Extract(int index, QSize size) const
{
    if (size.isEmpty())
        return {};
    const QList<TIconImageInfo> images = Images(index);
    for (int choice : ImagesByPreference(images, size)) {
        const QImage image = DecodeIconImage(images[choice].Data);
        if (!image.isNull())
            return FitTo(image, size);
    }
    return {};
}

int CountIcons(const QString &fileName)
{
    return TIconFile::Load(fileName).Count();
}

QImage ExtractIcon(const QString &fileName, int index)
{
    return TIconFile::Load(fileName).Extract(index);
}
