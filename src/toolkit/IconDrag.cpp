#include "IconDrag.h"

#include <QBuffer>
#include <QImageReader>
#include <QMimeData>

std::unique_ptr<QMimeData> IconMimeData(const QImage &icon)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    icon.save(&buffer, "PNG");
    auto data = std::make_unique<QMimeData>();
    data->setData(IconMimeType, bytes);
    return data;
}

bool HasIcon(const QMimeData *data)
{
    return data && data->hasFormat(IconMimeType);
}

QImage IconFromMimeData(const QMimeData *data)
{
    return HasIcon(data) ? IconFromBytes(data->data(IconMimeType)) : QImage();
}

QImage IconFromBytes(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "PNG");
    // The size comes from the header, before any pixel is allocated.
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || size.width() > MaxIconSide ||
        size.height() > MaxIconSide)
        return {};
    QImage icon;
    if (!reader.read(&icon) || icon.size() != size)
        return {};
    return icon;
}
