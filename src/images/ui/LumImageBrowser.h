#pragma once

#include "FolderFileLists.h"
#include "ImagePrompt.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QListView;
class QModelIndex;
class QScrollArea;
class QTreeView;

// What the picture browser needs from the program around it; each may be
// left empty.
struct TImageBrowserHooks
{
    // Centres the browser over the main window.
    std::function<void(QWidget &dialog)> CenterForm;
    // Opens the help file at a topic number.
    std::function<void(int context)> ShowHelpContext;
};

// "Load Image File ": a folder tree, the picture files of the folder chosen,
// a preview of the file selected and the Stretch and AutoSize boxes. It
// opens in the current folder.
class TLumImageBrowser : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpContext = 40003;
    static constexpr char FileMask[] = "*.BMP;*.DIB;*.JPG;*.JIF;*.PCX;*.RLE;*.TGA;*.WMF;*.ICO";

    explicit TLumImageBrowser(const TImageBrowserHooks &hooks, QWidget *parent = nullptr);

    // The folder listed; the tree follows.
    void SetFolder(const QString &folder);
    QString Folder() const;
    // Selects a file of the folder listed and previews it.
    void SelectFile(const QString &fileName);

    QCheckBox &StretchBox() const { return *m_stretch; }
    QCheckBox &AutoSizeBox() const { return *m_autoSize; }
    QListView &FileList() const { return *FileListBox1; }
    const TLumPicture &Preview() const { return m_preview; }

    // What the dialog gives after it ended with OK.
    TImageChoice Choice() const;

private:
    void BuildControls();
    void FileSelected(const QModelIndex &index);
    void ShowPreview();
    void StretchClicked(bool checked);
    void AutoSizeClicked(bool checked);

    TImageBrowserHooks m_hooks;
    TFolderFileLists m_lists;
    QTreeView *DirectoryListBox1;
    QListView *FileListBox1;
    QScrollArea *m_scrollBox;
    QLabel *Image1;
    QCheckBox *m_stretch;
    QCheckBox *m_autoSize;
    QString m_fileName;
    TLumPicture m_preview;
    bool m_told = false;
};

// Makes the picture objects open this browser (see SetImagePrompt).
void InstallImageBrowser(const TImageBrowserHooks &hooks);
