#include "StartFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool IsFolder(const QString &folder)
{
    return !folder.isEmpty() && QFileInfo(folder).isDir();
}

} // namespace

QString StartFolder(const QString &documentFileName, const QString &lastFolder)
{
    if (!documentFileName.isEmpty()) {
        const QString documentFolder = FolderOf(documentFileName);
        if (IsFolder(documentFolder))
            return documentFolder;
    }
    if (IsFolder(lastFolder))
        return QDir(lastFolder).absolutePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return IsFolder(documents) ? documents : QDir::homePath();
}

QString PictureStartFolder(const QString &lastPictureFolder)
{
    if (IsFolder(lastPictureFolder))
        return QDir(lastPictureFolder).absolutePath();
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return IsFolder(pictures) ? pictures : QDir::homePath();
}

QString FolderOf(const QString &fileName)
{
    return QFileInfo(fileName).absolutePath();
}

void TFileFolder::Note(const QString &fileName)
{
    if (fileName.isEmpty())
        return;
    m_chosen = FolderOf(fileName);
    m_start = m_chosen;
}
