#include "FuzzSupport.h"
#include "WmfPicture.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>

#include <cstdint>

// Any bytes read as a metafile and, when they read, played onto a small
// image: neither may crash, hang or run away with memory.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EnsureGuiApplication();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    const std::optional<TWmfPicture> picture = TWmfPicture::Read(bytes, error);
    if (!picture)
        return 0;
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture->Play(painter, QRectF(4, 4, 56, 40));
    return 0;
}
