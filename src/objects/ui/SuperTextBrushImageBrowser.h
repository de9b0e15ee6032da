#pragma once

#include "DialogRow.h"
#include "FolderFileLists.h"

#include <QDialog>
#include <QImage>

#include <functional>
#include <memory>

class QListView;
class QModelIndex;
class QTreeView;
class TLumSuperText;

// "Load Texture Image": a folder list and a list of the texture files in the
// folder chosen, and an example of the special-effect text being edited that
// shows each file chosen as its texture.
class TSuperTextBrushImageBrowser : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpContext = 40012;

    // The example takes preview's look; the browser opens where
    // TextureBrowserStart says for lastPath, with that file chosen.
    TSuperTextBrushImageBrowser(const TLumSuperText &preview, const QString &lastPath,
                                QWidget *parent = nullptr, std::function<void(int)> help = {});
    ~TSuperTextBrushImageBrowser() override;

    // The folder listed; the folder list follows.
    void SetFolder(const QString &folder);
    QString Folder() const;
    // Chooses a file of the folder listed and loads it into the example.
    void SelectFile(const QString &fileName);

    // The file chosen, with its folder, and the texture read from it (null
    // when none could be read).
    const QString &FileName() const { return m_fileName; }
    const QImage &Texture() const;
    const TLumSuperText &Example() const { return *m_example; }

    QTreeView *DirectoryListBox1;
    QListView *FileListBox1;
    QWidget *ExamplePanel;
    TDialogRow Row;

private:
    void FileChosen(const QModelIndex &index);

    TFolderFileLists m_lists;
    std::unique_ptr<TLumSuperText> m_example;
    QString m_fileName;
};
