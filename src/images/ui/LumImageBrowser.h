#pragma once

#include "FolderFileLists.h"
#include "ImagePrompt.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
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
    // The folder a picture was last taken from (see PictureStartFolder),
    // and the folder of a picture taken now.
    std::function<QString()> LastFolder;
    std::function<void(const QString &folder)> FolderUsed;
};

// "Load Image File ": a line for a typed folder or file, a folder tree, the
// picture files of the folder chosen (of every kind the program reads), a
// preview of the file selected, stretched to the preview's size when Stretch
// is checked, and the Stretch and AutoSize boxes. It opens in the folder a
// picture was last taken from, else in the user's Pictures folder.
class TLumImageBrowser : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpContext = 40003;
    static constexpr char FileMask[] =
        "*.BMP;*.DIB;*.JPG;*.JPEG;*.JIF;*.GIF;*.PNG;*.PCX;*.RLE;*.TGA;*.WMF;*.ICO";

    explicit TLumImageBrowser(const TImageBrowserHooks &hooks, QWidget *parent = nullptr);

    // The folder listed; the tree follows.
    void SetFolder(const QString &folder);
    QString Folder() const;
    // Selects a file of the folder listed and previews it.
    void SelectFile(const QString &fileName);
    // A folder or file typed in the path line: the folder is listed, the
    // file selected in its folder; anything else is told.
    void OpenTypedPath(const QString &path);

    QLineEdit &PathEdit() const { return *m_path; }
    QLabel &PreviewLabel() const { return *Image1; }
    QCheckBox &StretchBox() const { return *m_stretch; }
    QCheckBox &AutoSizeBox() const { return *m_autoSize; }
    QListView &FileList() const { return *FileListBox1; }
    const TLumPicture &Preview() const { return m_preview; }

    // What the dialog gives after it ended with OK.
    TImageChoice Choice() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildControls();
    void FileSelected(const QModelIndex &index);
    void ShowPreview();
    void StretchClicked(bool checked);
    void AutoSizeClicked(bool checked);

    TImageBrowserHooks m_hooks;
    TFolderFileLists m_lists;
    QLineEdit *m_path;
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
