#include "LumImageBrowser.h"

#include "Messages.h"
#include "ModalDialog.h"
#include "PictureFiles.h"
#include "StartFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <QWhatsThis>

using namespace Qt::StringLiterals;

namespace {

// The picture at its own size on white, as the preview shows it.
QPixmap PreviewPixmap(const TLumPicture &picture)
{
    if (!picture.CanDraw() || picture.Width() <= 0 || picture.Height() <= 0)
        return {};
    QImage image(picture.Width(), picture.Height(), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.StretchDraw(painter, QRectF(image.rect()));
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace

TLumImageBrowser::TLumImageBrowser(const TImageBrowserHooks &hooks, QWidget *parent)
    : QDialog(parent), m_hooks(hooks), m_lists(*this, QString::fromLatin1(FileMask))
{
    setWindowTitle(tr("Load Image File "));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    BuildControls();
    setFixedSize(592, 300);
    SetFolder(PictureStartFolder(m_hooks.LastFolder ? m_hooks.LastFolder() : QString()));
    FileListBox1->setFocus();
    if (m_hooks.CenterForm)
        m_hooks.CenterForm(*this);
}

void TLumImageBrowser::BuildControls()
{
    m_path = new QLineEdit(this);
    m_path->setObjectName(u"PathEdit"_s);
    m_path->setToolTip(tr("Type a folder or a picture file and press Enter"));
    m_path->installEventFilter(this);
    m_lists.FolderChanged = [this](const QString &folder) {
        m_path->setText(QDir::toNativeSeparators(folder));
    };
    DirectoryListBox1 = &m_lists.FolderTree();
    FileListBox1 = &m_lists.FileList();
    connect(FileListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TLumImageBrowser::FileSelected);

    Image1 = new QLabel(this);
    Image1->setObjectName(u"Image1"_s);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scrollBox = new QScrollArea(this);
    m_scrollBox->setWidget(Image1);
    m_scrollBox->setWidgetResizable(true);

    auto *options = new QGroupBox(tr(" Options "), this);
    m_stretch = new QCheckBox(tr("Stretch"), options);
    m_stretch->setToolTip(tr("Stretch image to max display size"));
    m_autoSize = new QCheckBox(tr("AutoSize"), options);
    m_autoSize->setToolTip(tr("AutoSize TImage"));
    auto *optionRow = new QHBoxLayout(options);
    optionRow->addWidget(m_stretch);
    optionRow->addWidget(m_autoSize);
    connect(m_stretch, &QCheckBox::clicked, this, &TLumImageBrowser::StretchClicked);
    connect(m_autoSize, &QCheckBox::clicked, this, &TLumImageBrowser::AutoSizeClicked);

    auto *ok = new QPushButton(tr("Ok"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *help = new QPushButton(tr("Help"), this);
    connect(help, &QPushButton::clicked, this, [this] {
        if (m_hooks.ShowHelpContext)
            m_hooks.ShowHelpContext(HelpContext);
    });
    auto *contextHelp = new QToolButton(this);
    contextHelp->setText(u"?"_s);
    connect(contextHelp, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });

    auto *lists = new QHBoxLayout;
    lists->addWidget(DirectoryListBox1, 3);
    lists->addWidget(FileListBox1, 3);
    auto *previewColumn = new QVBoxLayout;
    previewColumn->addWidget(m_scrollBox, 1);
    previewColumn->addWidget(options);
    lists->addLayout(previewColumn, 4);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QWidget *button : {static_cast<QWidget *>(ok), static_cast<QWidget *>(cancel),
                            static_cast<QWidget *>(help), static_cast<QWidget *>(contextHelp)})
        buttons->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_path);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
}

void TLumImageBrowser::SetFolder(const QString &folder)
{
    m_lists.SetFolder(folder);
}

QString TLumImageBrowser::Folder() const
{
    return m_lists.Folder();
}

void TLumImageBrowser::SelectFile(const QString &fileName)
{
    const QModelIndex index = m_lists.FileIndex(fileName);
    FileListBox1->setCurrentIndex(index);
    // A file the list does not hold clears the preview.
    if (!index.isValid())
        FileSelected(QModelIndex());
}

void TLumImageBrowser::OpenTypedPath(const QString &path)
{
    const QFileInfo typed(
        QDir(Folder()).absoluteFilePath(QDir::fromNativeSeparators(path.trimmed())));
    if (typed.isDir()) {
        SetFolder(typed.absoluteFilePath());
    } else if (typed.isFile()) {
        SetFolder(typed.absolutePath());
        SelectFile(typed.fileName());
    } else {
        ShowInformation(tr("%1 is neither a folder nor a file.").arg(path));
    }
}

bool TLumImageBrowser::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in the path line opens the path instead of closing the dialog.
    if (watched == m_path && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OpenTypedPath(m_path->text());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TLumImageBrowser::FileSelected(const QModelIndex &index)
{
    if (!index.isValid()) {
        m_fileName.clear();
        m_preview = {};
        ShowPreview();
        return;
    }
    m_fileName = m_lists.FilePath(index);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TPreview preview = LoadPreviewPicture(m_fileName);
    QApplication::restoreOverrideCursor();
    m_preview = preview.Picture;
    m_told = preview.Tell;
    ShowPreview();
    if (preview.Tell)
        ShowWarning(tr("Error loading file!"), tr("Error"));
}

void TLumImageBrowser::ShowPreview()
{
    // Stretched, the picture fills the preview whatever its size.
    const QPixmap picture = PreviewPixmap(m_preview);
    const bool stretch = m_stretch->isChecked() && !picture.isNull();
    Image1->setPixmap(stretch ? picture.scaled(m_scrollBox->viewport()->size(),
                                               Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              : picture);
    m_scrollBox->setWidgetResizable(!m_autoSize->isChecked());
    if (m_autoSize->isChecked())
        Image1->adjustSize();
}

void TLumImageBrowser::StretchClicked(bool checked)
{
    if (checked)
        m_autoSize->setChecked(false);
    ShowPreview();
}

void TLumImageBrowser::AutoSizeClicked(bool checked)
{
    if (checked)
        m_stretch->setChecked(false);
    ShowPreview();
}

TImageChoice TLumImageBrowser::Choice() const
{
    return {m_fileName, m_preview, m_stretch->isChecked(), m_autoSize->isChecked(), m_told};
}

void InstallImageBrowser(const TImageBrowserHooks &hooks)
{
    SetImagePrompt([hooks](bool stretch, bool autoSize) -> std::optional<TImageChoice> {
        TLumImageBrowser browser(hooks, QApplication::activeWindow());
        browser.StretchBox().setChecked(stretch);
        browser.AutoSizeBox().setChecked(autoSize);
        if (ExecModal(browser) != QDialog::Accepted)
            return std::nullopt;
        if (hooks.FolderUsed && !browser.Choice().FileName.isEmpty())
            hooks.FolderUsed(browser.Folder());
        return browser.Choice();
    });
}
