#include "TemplateDialog.h"

#include "Templates.h"

#include <QDialogButtonBox>
#include <QIcon>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// A card of the thumbnail's size: the picture centred on the dialog's
// background, or blank while it is not drawn yet.
QPixmap Card(const QImage &thumbnail = {})
{
    QPixmap card(TTemplateDialog::ThumbnailSide, TTemplateDialog::ThumbnailSide);
    card.fill(Qt::transparent);
    if (thumbnail.isNull())
        return card;
    QPainter painter(&card);
    const QRect page((card.width() - thumbnail.width()) / 2,
                     (card.height() - thumbnail.height()) / 2, thumbnail.width(),
                     thumbnail.height());
    painter.fillRect(page.translated(2, 2), QColor(0, 0, 0, 60));
    painter.drawImage(page.topLeft(), thumbnail);
    painter.setPen(QColor(0, 0, 0, 90));
    painter.drawRect(page.adjusted(0, 0, -1, -1));
    return card;
}

} // namespace

TTemplateDialog::TTemplateDialog(const QString &programFolder, QWidget *parent) : QDialog(parent)
{
    setObjectName(u"TemplateDialog"_s);
    setWindowTitle(tr("New from Template"));
    Templates = new QListWidget(this);
    Templates->setObjectName(u"Templates"_s);
    Templates->setViewMode(QListView::IconMode);
    Templates->setMovement(QListView::Static);
    Templates->setResizeMode(QListView::Adjust);
    Templates->setWrapping(true);
    Templates->setWordWrap(true);
    Templates->setUniformItemSizes(true);
    Templates->setIconSize({ThumbnailSide, ThumbnailSide});
    Templates->setGridSize({ThumbnailSide + 40, ThumbnailSide + 48});
    Templates->setSpacing(6);
    Templates->setMinimumSize(4 * (ThumbnailSide + 40) + 30, 2 * (ThumbnailSide + 48) + 20);
    for (const QString &name : TemplateNames(programFolder)) {
        auto *item = new QListWidgetItem(QIcon(Card()), TemplateTitle(name), Templates);
        item->setToolTip(TemplateTitle(name));
        m_pending << int(m_files.size());
        m_files << TemplateFile(programFolder, name);
    }
    auto *buttons = new QDialogButtonBox(this);
    OkButton = buttons->addButton(QDialogButtonBox::Ok);
    OkButton->setObjectName(u"OkButton"_s);
    CancelButton = buttons->addButton(QDialogButtonBox::Cancel);
    CancelButton->setObjectName(u"CancelButton"_s);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Templates);
    layout->addWidget(buttons);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(Templates, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(Templates, &QListWidget::itemSelectionChanged, this,
            &TTemplateDialog::SelectionChanged);
    if (Templates->count() > 0)
        Templates->setCurrentRow(0);
    SelectionChanged();
    // One thumbnail a turn of the event loop, so the dialog answers at once.
    connect(&m_drawing, &QTimer::timeout, this, &TTemplateDialog::DrawNextThumbnail);
    m_drawing.start(0);
}

QString TTemplateDialog::ChosenFile() const
{
    const int row = Templates->currentRow();
    if (row < 0 || row >= m_files.size() || !Templates->item(row)->isSelected())
        return {};
    return m_files[row];
}

void TTemplateDialog::DrawNextThumbnail()
{
    if (m_pending.isEmpty()) {
        m_drawing.stop();
        return;
    }
    const int row = m_pending.takeFirst();
    const QImage thumbnail = TemplateThumbnail(m_files[row], ThumbnailSide - 4);
    Templates->item(row)->setIcon(QIcon(Card(thumbnail)));
}

void TTemplateDialog::SelectionChanged()
{
    OkButton->setEnabled(!ChosenFile().isEmpty());
}
