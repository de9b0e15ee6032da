#include "PictureFile.h"

#include "BmpDecoder.h"
#include "PcxDecoder.h"
#include "TgaDecoder.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

TDecodedPicture DecodeWithReader(QByteArrayView bytes, const char *format)
{
    QByteArray data = QByteArray::fromRawData(bytes.data(), bytes.size());
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    // A camera's photo is turned upright as its orientation tag says.
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && !PictureSizeAcceptable(size.width(), size.height()))
        return PictureFailure(
            u"%1 size %2 x %3 is out of range"_s.arg(format).arg(size.width()).arg(size.height()));
    QImage image;
    if (!reader.read(&image))
        return PictureFailure(u"%1: %2"_s.arg(format, reader.errorString()));
    return {image, QString()};
}

// The picture with its transparent parts laid on white.
QImage Opaque(const QImage &picture)
{
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB32);
    QImage opaque(picture.size(), QImage::Format_RGB32);
    if (opaque.isNull())
        return opaque;
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, picture);
    return opaque;
}

} // namespace

TDecodedPicture DecodePicture(QByteArrayView bytes, const QString &fileName)
{
    if (bytes.startsWith("BM"))
        return DecodeBmp(bytes);
    if (bytes.startsWith("\xFF\xD8"))
        return DecodeWithReader(bytes, "jpeg");
    if (bytes.startsWith("GIF8"))
        return DecodeWithReader(bytes, "gif");
    if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return DecodeWithReader(bytes, "png");
    const QString extension = QFileInfo(fileName).suffix().toUpper();
    if (extension == u"PCX")
        return DecodePcx(bytes);
    if (extension == u"TGA")
        return DecodeTga(bytes);
    return PictureFailure(u"not a picture format this library reads"_s);
}

TDecodedPicture ReadPictureFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return PictureFailure(file.errorString());
    if (file.size() > MaxPictureFileBytes)
        return PictureFailure(u"picture file too large"_s);
    const QByteArray bytes = file.read(MaxPictureFileBytes);
    TDecodedPicture decoded = DecodePicture(bytes, fileName);
    if (decoded.Image.isNull())
        return decoded;
    decoded.Image = Opaque(decoded.Image);
    if (decoded.Image.isNull())
        return PictureFailure(u"not enough memory for the picture"_s);
    return decoded;
}
