#include "IconLibraries.h"

#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString bonusFolder = u"BonusIcons"_s;

} // namespace

const QList<TIconLibraryItem> &IconLibraryItems()
{
    static const QList<TIconLibraryItem> items = {
        {QStringLiteral(QT_TRANSLATE_NOOP("TFloatingPalette", "Activities")), u"activity.icl"_s},
        {QStringLiteral(QT_TRANSLATE_NOOP("TFloatingPalette", "Events")), u"events.icl"_s},
        {QStringLiteral(QT_TRANSLATE_NOOP("TFloatingPalette", "Holidays")), u"holiday.icl"_s},
        {QStringLiteral(QT_TRANSLATE_NOOP("TFloatingPalette", "Miscellaneous #1")), u"misc1.icl"_s},
        {QStringLiteral(QT_TRANSLATE_NOOP("TFloatingPalette", "Miscellaneous #2")), u"misc2.icl"_s},
    };
    return items;
}

QString IconLibraryPath(const QString &fileName)
{
    const QString found = FindFileNoCase(ProgramFolder(), fileName);
    return found.isEmpty() ? ProgramFolder() + fileName : found;
}

QString ExistingFileNoCase(const QString &fileName)
{
    const QFileInfo file(fileName);
    if (file.exists())
        return fileName;
    const QString found = FindFileNoCase(file.path(), file.fileName());
    return found.isEmpty() ? fileName : found;
}

QStringList BonusSetCaptions(const QString &programFolder)
{
    const QString folder = FindFileNoCase(programFolder, bonusFolder);
    if (folder.isEmpty())
        return {};
    QStringList captions;
    const QFileInfoList files =
        QDir(folder).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &file : files)
        if (file.suffix().compare(u"icl"_s, Qt::CaseInsensitive) == 0)
            captions.append(file.completeBaseName());
    return captions;
}

QString BonusSetPath(const QString &programFolder, const QString &caption)
{
    const QString name = bonusFolder + u'/' + caption + u".icl"_s;
    const QString found = FindFileNoCase(programFolder, name);
    return found.isEmpty() ? QDir(programFolder).filePath(name) : found;
}

QString LibraryCheckKey(const QString &fileName)
{
    const QString name = QFileInfo(fileName).completeBaseName().toUpper();
    for (const TIconLibraryItem &item : IconLibraryItems())
        if (QFileInfo(item.FileName).completeBaseName().toUpper() == name)
            return item.Caption.toUpper();
    return name;
}
