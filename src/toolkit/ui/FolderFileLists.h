#pragma once

#include <QString>

#include <functional>

class QFileSystemModel;
class QListView;
class QModelIndex;
class QTreeView;
class QWidget;

// A folder tree and, beside it, the files of the folder chosen that match a
// mask ("*.BMP;*.ICO"), as the picture and texture browsers show them. The
// views and their models belong to the dialog they are made for; clicking a
// folder lists its files.
class TFolderFileLists
{
public:
    TFolderFileLists(QWidget &dialog, const QString &mask);
    TFolderFileLists(const TFolderFileLists &) = delete;
    TFolderFileLists &operator=(const TFolderFileLists &) = delete;

    QTreeView &FolderTree() const { return *m_tree; }
    QListView &FileList() const { return *m_list; }

    // The folder listed; the tree follows.
    void SetFolder(const QString &folder);
    QString Folder() const;
    // A file of the folder listed; invalid when the folder holds none of that name.
    QModelIndex FileIndex(const QString &fileName) const;
    // The file at index, with its folder.
    QString FilePath(const QModelIndex &index) const;

    // Told the folder listed each time it changes.
    std::function<void(const QString &folder)> FolderChanged;

private:
    QFileSystemModel *m_folders;
    QFileSystemModel *m_files;
    QTreeView *m_tree;
    QListView *m_list;
};
