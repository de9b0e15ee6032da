#include "FolderFileLists.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QListView>
#include <QTreeView>

using namespace Qt::StringLiterals;

TFolderFileLists::TFolderFileLists(QWidget &dialog, const QString &mask)
    : m_folders(new QFileSystemModel(&dialog)), m_files(new QFileSystemModel(&dialog)),
      m_tree(new QTreeView(&dialog)), m_list(new QListView(&dialog))
{
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folders->setRootPath(QDir::rootPath());
    m_tree->setObjectName(u"DirectoryListBox1"_s);
    m_tree->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->header()->hide();
    QObject::connect(m_tree, &QTreeView::clicked, &dialog,
                     [this](const QModelIndex &index) { SetFolder(m_folders->filePath(index)); });

    m_files->setFilter(QDir::Files);
    m_files->setNameFilters(mask.split(u';'));
    m_files->setNameFilterDisables(false);
    m_list->setObjectName(u"FileListBox1"_s);
    m_list->setModel(m_files);
}

void TFolderFileLists::SetFolder(const QString &folder)
{
    const QString path = QDir(folder).absolutePath();
    m_list->setRootIndex(m_files->setRootPath(path));
    const QModelIndex index = m_folders->index(path);
    m_tree->setCurrentIndex(index);
    m_tree->scrollTo(index);
    if (FolderChanged)
        FolderChanged(path);
}

QString TFolderFileLists::Folder() const
{
    return m_files->rootPath();
}

QModelIndex TFolderFileLists::FileIndex(const QString &fileName) const
{
    return m_files->index(QDir(Folder()).filePath(fileName));
}

QString TFolderFileLists::FilePath(const QModelIndex &index) const
{
    return m_files->filePath(index);
}
