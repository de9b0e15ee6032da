#include "SuperTextBrushImageBrowser.h"

#include "LumSuperText.h"
#include "Messages.h"
#include "SuperTextPreviewPanel.h"
#include "SuperTextTextures.h"

#include <QApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QListView>
#include <QPushButton>
#include <QTreeView>

using namespace Qt::StringLiterals;

TSuperTextBrushImageBrowser::TSuperTextBrushImageBrowser(const TLumSuperText &preview,
                                                         const QString &lastPath, QWidget *parent,
                                                         std::function<void(int)> help)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_example(std::make_unique<TLumSuperText>())
{
    setObjectName(u"SuperTextBrushImageBrowser"_s);
    setWindowTitle(u"Load Texture Image"_s);
    setFixedSize(560, 400);

    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folders->setRootPath(QDir::rootPath());
    DirectoryListBox1 = new QTreeView(this);
    DirectoryListBox1->setObjectName(u"DirectoryListBox1"_s);
    DirectoryListBox1->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        DirectoryListBox1->hideColumn(column);
    DirectoryListBox1->header()->hide();
    DirectoryListBox1->setGeometry(16, 16, 256, 200);
    connect(DirectoryListBox1, &QTreeView::clicked, this,
            &TSuperTextBrushImageBrowser::FolderClicked);

    m_files = new QFileSystemModel(this);
    m_files->setFilter(QDir::Files);
    m_files->setNameFilters(QString::fromLatin1(TextureFileMask).split(u';'));
    m_files->setNameFilterDisables(false);
    FileListBox1 = new QListView(this);
    FileListBox1->setObjectName(u"FileListBox1"_s);
    FileListBox1->setModel(m_files);
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
    const QString path = QDir(folder).absolutePath();
    FileListBox1->setRootIndex(m_files->setRootPath(path));
    const QModelIndex index = m_folders->index(path);
    DirectoryListBox1->setCurrentIndex(index);
    DirectoryListBox1->scrollTo(index);
}

QString TSuperTextBrushImageBrowser::Folder() const
{
    return m_files->rootPath();
}

void TSuperTextBrushImageBrowser::FolderClicked(const QModelIndex &index)
{
    SetFolder(m_folders->filePath(index));
}

void TSuperTextBrushImageBrowser::SelectFile(const QString &fileName)
{
    const QModelIndex index = m_files->index(QDir(Folder()).filePath(fileName));
    if (index.isValid() && index == FileListBox1->currentIndex())
        FileChosen(index);
    else
        FileListBox1->setCurrentIndex(index);
}

void TSuperTextBrushImageBrowser::FileChosen(const QModelIndex &index)
{
    m_fileName = index.isValid() ? m_files->filePath(index) : QString();
    TTextureLoad load;
    if (!m_fileName.isEmpty()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        load = LoadTextureFile(m_fileName);
        QApplication::restoreOverrideCursor();
    }
    m_example->SetImage(load.Image);
    ExamplePanel->update();
    if (load.Tell)
        ShowWarning(u"Error loading file!"_s, u"Error"_s);
    FileListBox1->setFocus();
}
