#include "PagePictures.h"

#include "RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A list longer than ten years of days is not a list of pages.
constexpr qint64 MaxListBytes = 4 * 1024 * 1024;
constexpr qsizetype MaxPictures = 3660;

// The digits of name from index on, without leading zeros; index moves past
// them.
QStringView DigitRun(QStringView name, qsizetype &index)
{
    while (index < name.size() && name[index] == u'0')
        ++index;
    const qsizetype start = index;
    while (index < name.size() && name[index].isDigit())
        ++index;
    return name.mid(start, index - start);
}

TPagePicturesRead Refused(const QString &error)
{
    return {{}, error};
}

TPagePicturesRead PicturesOfFolder(const QString &folder)
{
    QStringList names;
    const QDir dir(folder);
    for (const QFileInfo &file : dir.entryInfoList(QDir::Files | QDir::Readable)) {
        if (IsPictureFileName(file.fileName()))
            names.append(file.fileName());
    }
    if (names.isEmpty())
        return Refused(
            QCoreApplication::translate("PagePictures", "%1 holds no pictures").arg(folder));
    std::stable_sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int order = ComparePictureNames(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    names = names.mid(0, MaxPictures);
    for (QString &name : names)
        name = dir.filePath(name);
    return {names, {}};
}

TPagePicturesRead PicturesOfList(const QString &listFile)
{
    // A pipe or a device named by mistake is refused at once, not waited on.
    const TFileBytes file = ReadRegularFile(
        listFile, MaxListBytes, QCoreApplication::translate("PagePictures", "list of pictures"));
    if (!file.Error.isEmpty())
        return Refused(QCoreApplication::translate("PagePictures", "%1 cannot be read: %2")
                           .arg(listFile, file.Error));
    const QDir folder = QFileInfo(listFile).absoluteDir();
    QStringList files;
    for (const QString &line : QString::fromUtf8(file.Bytes).split(u'\n')) {
        const QString name = line.trimmed();
        if (name.isEmpty() || name.startsWith(u'#'))
            continue;
        if (files.size() == MaxPictures)
            break;
        files.append(folder.filePath(name));
    }
    if (files.isEmpty())
        return Refused(
            QCoreApplication::translate("PagePictures", "%1 names no pictures").arg(listFile));
    return {files, {}};
}

} // namespace

int ComparePictureNames(QStringView a, QStringView b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const QStringView x = DigitRun(a, i), y = DigitRun(b, j);
            if (x.size() != y.size())
                return x.size() < y.size() ? -1 : 1;
            if (const int order = x.compare(y); order != 0)
                return order;
            continue;
        }
        const char16_t x = a[i++].toCaseFolded().unicode(), y = b[j++].toCaseFolded().unicode();
        if (x != y)
            return x < y ? -1 : 1;
    }
    return (a.size() - i > 0) - (b.size() - j > 0);
}

const QStringList &PictureFileExtensions()
{
    static const QStringList extensions = {u"jpg"_s, u"jpeg"_s, u"jif"_s, u"gif"_s,
                                           u"png"_s, u"bmp"_s,  u"dib"_s, u"rle"_s,
                                           u"tga"_s, u"pcx"_s,  u"wmf"_s, u"ico"_s};
    return extensions;
}

bool IsPictureFileName(const QString &fileName)
{
    return PictureFileExtensions().contains(QFileInfo(fileName).suffix(), Qt::CaseInsensitive);
}

TPagePicturesRead ReadPagePictures(const QString &source)
{
    const QFileInfo info(source);
    if (source.isEmpty() || !info.exists())
        return Refused(
            QCoreApplication::translate("PagePictures", "%1 does not exist").arg(source));
    return info.isDir() ? PicturesOfFolder(source) : PicturesOfList(source);
}
