#include "PictureFiles.h"

#include "NViewPictures.h"
#include "PictureFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

// The whole file, when it is a regular file of a size worth reading.
std::optional<QByteArray> ReadWholeFile(const QString &fileName, QString &error)
{
    QFile file(fileName);
    if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadOnly)) {
        error = QCoreApplication::translate("Pictures", "%1 cannot be opened").arg(fileName);
        return std::nullopt;
    }
    if (file.size() > MaxPictureFileBytes) {
        error = QCoreApplication::translate("Pictures", "%1 is too large to be a picture")
                    .arg(fileName);
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (bytes.size() != file.size()) {
        error = QCoreApplication::translate("Pictures", "%1 could not be read").arg(fileName);
        return std::nullopt;
    }
    return bytes;
}

QString UpperExtension(const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot + 1).toUpper();
}

// The kinds of the library's codes, and PNG pictures and JPEG pictures named
// ".JPEG", which it knows by their content.
bool ReadByLibrary(const QString &fileName)
{
    const TPictureFileCode code = ClassifyExtension(fileName);
    if (code != pfOther)
        return code != pfBmp;
    const QString extension = UpperExtension(fileName);
    return extension == u"PNG"_s || extension == u"JPEG"_s;
}

} // namespace

TPictureFileCode ClassifyExtension(const QString &FileName)
{
    static const QString codes[] = {u"JPG"_s, u"GIF"_s, u"JIF"_s, u"BMP"_s,
                                    u"DIB"_s, u"RLE"_s, u"TGA"_s, u"PCX"_s};
    const QString extension = UpperExtension(FileName);
    for (int i = 0; i < int(std::size(codes)); ++i) {
        if (extension == codes[i])
            return TPictureFileCode(i + 1);
    }
    return pfOther;
}

std::optional<TLumPicture> LoadPictureByExtension(const QString &FileName, QString &error)
{
    const QString extension = UpperExtension(FileName);
    if (extension != u"BMP"_s && extension != u"ICO"_s && extension != u"WMF"_s) {
        error = QCoreApplication::translate("Pictures", "%1 is not a bitmap, icon or metafile")
                    .arg(FileName);
        return std::nullopt;
    }
    const std::optional<QByteArray> bytes = ReadWholeFile(FileName, error);
    if (!bytes)
        return std::nullopt;
    if (extension == u"ICO"_s)
        return TLumPicture::FromIconFile(*bytes, error);
    if (extension == u"WMF"_s)
        return TLumPicture::FromMetafileFile(*bytes, error);
    const TDecodedPicture decoded = DecodePicture(*bytes, FileName);
    if (decoded.Image.isNull()) {
        error = decoded.Error;
        return std::nullopt;
    }
    return TLumPicture::FromBitmap(decoded.Image);
}

std::optional<TLumPicture> LoadPictureFile(const QString &FileName, QString &error)
{
    if (!ReadByLibrary(FileName))
        return LoadPictureByExtension(FileName, error);
    const QImage image = LoadWithLibrary(FileName);
    if (image.isNull()) {
        error = QCoreApplication::translate("Pictures", "the picture library could not read %1")
                    .arg(FileName);
        return std::nullopt;
    }
    return TLumPicture::FromBitmap(image);
}

TPreview LoadPreviewPicture(const QString &FileName)
{
    const QString extension = UpperExtension(FileName);
    const bool ownKind = extension == u"BMP"_s || extension == u"WMF"_s;
    QString error;
    std::optional<TLumPicture> picture = ownKind || extension == u"ICO"_s
                                             ? LoadPictureByExtension(FileName, error)
                                             : LoadPictureFile(FileName, error);
    if (!picture)
        return {{}, ownKind};
    if (picture->IsIcon()) {
        QImage bitmap(picture->Image().size(), QImage::Format_RGB32);
        bitmap.fill(Qt::white);
        QPainter painter(&bitmap);
        painter.drawImage(0, 0, picture->Image());
        painter.end();
        picture = TLumPicture::FromBitmap(bitmap);
    }
    return {*picture, false};
}
