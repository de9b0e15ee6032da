#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// The folder SetProgramFolder put in place of the program's own; empty when
// there is none.
QString &ProgramFolderOverride()
{
    static QString folder;
    return folder;
}

QString WithTrailingSlash(QString folder)
{
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

// A path segment that names an entry of its own folder, so a relative path
// can neither climb out of the folder it is resolved in nor become absolute.
bool IsEntryName(const QString &segment)
{
    return !segment.isEmpty() && segment != u"." && segment != u"..";
}

// The name of dir's entry that equals name, letter case ignored; an exact
// match wins over the others. Empty when there is none.
QString EntryNoCase(const QDir &dir, const QString &name)
{
    if (dir.exists(name))
        return name;
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

} // namespace

QString ProgramFolder()
{
    const QString &replacement = ProgramFolderOverride();
    if (!replacement.isEmpty())
        return replacement;
    if (!QCoreApplication::instance())
        return WithTrailingSlash(QDir::currentPath());
    return WithTrailingSlash(QCoreApplication::applicationDirPath());
}

void SetProgramFolder(const QString &folder)
{
    ProgramFolderOverride() = folder.isEmpty() ? QString() : WithTrailingSlash(folder);
}

QString WritableFilePath(const QString &fileName)
{
    const QString programFolder = ProgramFolder();
    // An installed program folder belongs to the package: root may write
    // there, but must not.
    const bool installed =
        !FindFileNoCase(programFolder, QString::fromUtf16(InstalledMarkName)).isEmpty();
    if (!installed && QFileInfo(programFolder).isWritable())
        return programFolder + fileName;
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(userFolder);
    return userFolder + u'/' + fileName;
}

QString FindFileNoCase(const QString &folder, const QString &relativePath)
{
    QString path = folder;
    for (const QString &segment : relativePath.split(u'/')) {
        if (!IsEntryName(segment))
            return {};
        const QDir dir(path);
        const QString entry = EntryNoCase(dir, segment);
        if (entry.isEmpty())
            return {};
        path = dir.filePath(entry);
    }
    return path;
}
