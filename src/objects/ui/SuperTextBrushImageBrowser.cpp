#include "SuperTextBrushImageBrowser.h"

#include "LumSuperText.h"
#include "Messages.h"
#include "SuperTextPreviewPanel.h"
#include "SuperTextTextures.h"

#include <QApplication>
#include <QListView>
#include <QPushButton>
#include <QTreeView>

using namespace Qt::StringLiterals;

TSuperTextBrushImageBrowser::TSuperTextBrushImageBrowser(const TLumSuperText &preview,
                                                         const QString &lastPath, QWidget *parent,
                                                         std::function<void(int)> help)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_lists(*this, QString::fromLatin1(TextureFileMask)),
      m_example(std::make_unique<TLumSuperText>())
{
    setObjectName(u"SuperTextBrushImageBrowser"_s);
    setWindowTitle(tr("Load Texture Image"));
    setFixedSize(560, 400);

    DirectoryListBox1 = &m_lists.FolderTree();
    DirectoryListBox1->setGeometry(16, 16, 256, 200);
    FileListBox1 = &m_lists.FileList();
    FileListBox1->setGeometry(288, 16, 256, 200);
    connect(FileListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TSuperTextBrushImageBrowser::FileChosen);

    preview.CopyToPreview(*m_example);
    ExamplePanel = new TSuperTextPreviewPanel(*m_example, this);
    ExamplePanel->setObjectName(u"ExamplePanel"_s);
    ExamplePanel->setGeometry(16, 228, 528, 116);

    Row = AddDialogRow(*this, 16, 360, [help] {
        if (help)
            help(HelpContext);
    });

    const TTextureStart start = TextureBrowserStart(lastPath);
    SetFolder(start.Folder);
    if (!start.File.isEmpty())
        SelectFile(start.File);
    FileListBox1->setFocus();
}

TSuperTextBrushImageBrowser::~TSuperTextBrushImageBrowser() = default;

const QImage &TSuperTextBrushImageBrowser::Texture() const
{
    return m_example->Image();
}

void TSuperTextBrushImageBrowser::SetFolder(const QString &folder)
{
    m_lists.SetFolder(folder);
}

QString TSuperTextBrushImageBrowser::Folder() const
{
    return m_lists.Folder();
}

void TSuperTextBrushImageBrowser::SelectFile(const QString &fileName)
{
    const QModelIndex index = m_lists.FileIndex(fileName);
    if (index.isValid() && index == FileListBox1->currentIndex())
        FileChosen(index);
    else
        FileListBox1->setCurrentIndex(index);
}

void TSuperTextBrushImageBrowser::FileChosen(const QModelIndex &index)
{
    m_fileName = index.isValid() ? m_lists.FilePath(index) : QString();
    TTextureLoad load;
    if (!m_fileName.isEmpty()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        load = LoadTextureFile(m_fileName);
        QApplication::restoreOverrideCursor();
    }
    m_example->SetImage(load.Image);
    ExamplePanel->update();
    if (load.Tell)
        ShowWarning(tr("Error loading file!"), tr("Error"));
    FileListBox1->setFocus();
}
