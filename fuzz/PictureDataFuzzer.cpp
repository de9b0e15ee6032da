#include "FuzzSupport.h"
#include "LumPicture.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>

#include <cstdint>

// Any bytes read as a picture object's stored picture, drawn onto a small
// image when they read, and written back: none of it may crash, hang or run
// away with memory, and what was read is written back unchanged.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EnsureGuiApplication();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const TLumPicture picture = TLumPicture::FromStoredData(bytes);
    if (picture.CanDraw()) {
        QImage image(48, 32, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        picture.StretchDraw(painter, QRectF(2, 2, 44, 28));
    }
    if (!picture.CanDraw() && picture.StoredData() != bytes)
        __builtin_trap();
    return 0;
}
