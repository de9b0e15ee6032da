#include "SuperTextTextures.h"

#include "BmpDecoder.h"
#include "IconFile.h"
#include "NViewPictures.h"
#include "PictureFile.h"
#include "ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

QString UpperExtension(const QString &fileName)
{
    return QFileInfo(fileName).suffix().toUpper();
}

QImage ReadBitmapFile(const QString &fileName)
{
    QFile file(fileName);
    if (!QFileInfo(fileName).isFile() || file.size() > MaxPictureFileBytes ||
        !file.open(QIODevice::ReadOnly))
        return {};
    return DecodeBmp(file.readAll()).Image;
}

QImage ReadIconFile(const QString &fileName)
{
    const QImage icon = TIconFile::Load(fileName).Extract(0);
    if (icon.isNull())
        return {};
    QImage bitmap(icon.size(), QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    QPainter painter(&bitmap);
    painter.drawImage(0, 0, icon);
    return bitmap;
}

} // namespace

TTextureStart TextureBrowserStart(const QString &lastPath)
{
    const QFileInfo last(lastPath);
    if (!lastPath.isEmpty() && last.isFile())
        return {last.absolutePath(), last.fileName()};
    const QString program = ProgramFolder();
    for (const QString &name : {u"bmbrush"_s, u"Textures"_s}) {
        const QString folder = FindFileNoCase(program, name);
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return {QDir(folder).absolutePath(), {}};
    }
    return {QDir(program).absolutePath(), {}};
}

TTextureLoad LoadTextureFile(const QString &fileName)
{
    const QString extension = UpperExtension(fileName);
    QImage image;
    if (extension == u"BMP"_s)
        image = ReadBitmapFile(fileName);
    else if (extension == u"ICO"_s)
        image = ReadIconFile(fileName);
    else
        image = LoadWithLibrary(fileName);
    if (!image.isNull())
        return {image, false};
    return {{}, extension == u"BMP"_s || extension == u"WMF"_s};
}
