#include "IconListBox.h"

#include "IconDrag.h"

#include <QDrag>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <optional>

namespace {

// An item keeps its icon once extracted (null when it cannot be read), and
// frees it with itself.
class TIconItem : public QListWidgetItem
{
public:
    static constexpr int Type = QListWidgetItem::UserType + 1;
    TIconItem(const QString &text, QListWidget *list) : QListWidgetItem(text, list, Type) {}
    std::optional<QImage> Icon;
};

// Draws each item as its icon centred on a cleared rectangle, the
// selected item on the selection colour.
class TIconItemDelegate : public QStyledItemDelegate
{
public:
    explicit TIconItemDelegate(TIconListBox &list) : QStyledItemDelegate(&list), m_list(list) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        painter->save();
        const bool selected = option.state & QStyle::State_Selected;
        painter->fillRect(option.rect,
                          option.palette.brush(selected ? QPalette::Highlight : QPalette::Base));
        const QImage icon = m_list.IconAt(index.row());
        if (!icon.isNull())
            painter->drawImage(option.rect.x() + (option.rect.width() - icon.width()) / 2,
                               option.rect.y() + (option.rect.height() - icon.height()) / 2, icon);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return {TIconListBox::ColumnWidth(), TIconListBox::ItemHeight()};
    }

private:
    TIconListBox &m_list;
};

} // namespace

TIconListBox::TIconListBox(QWidget *parent) : QListWidget(parent)
{
    setItemDelegate(new TIconItemDelegate(*this));
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setGridSize({ColumnWidth(), ItemHeight()});
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(ItemHeight());
    setFont(arial);
    Relayout();
}

void TIconListBox::SetFileName(const QString &fileName)
{
    if (fileName == m_fileName)
        return;
    m_fileName = fileName;
    Reload();
    emit FileChanged();
}

void TIconListBox::SetAutoDisable(bool value)
{
    m_autoDisable = value;
    UpdateEnabled();
}

void TIconListBox::SetEnableCaching(bool value)
{
    if (value == m_enableCaching)
        return;
    m_enableCaching = value;
    if (!value)
        Reload();
}

void TIconListBox::SetXIcons(int value)
{
    if (value < 1)
        return;
    m_xIcons = value;
    Relayout();
}

void TIconListBox::SetYIcons(int value)
{
    if (value < 1)
        return;
    m_yIcons = value;
    Relayout();
}

void TIconListBox::Relayout()
{
    const int boxWidth = ColumnWidth() * m_xIcons + 2;
    // A box narrower than its columns shows a scroll bar below them.
    const int boxHeight = width() < boxWidth ? ItemHeight() * m_yIcons +
                                                   horizontalScrollBar()->sizeHint().height() + 1
                                             : ItemHeight() * m_yIcons + 3;
    resize(boxWidth, boxHeight);
}

void TIconListBox::UpdateEnabled()
{
    setEnabled(!m_autoDisable || QFileInfo(m_fileName).isFile());
}

QImage TIconListBox::IconAt(int index)
{
    QListWidgetItem *listed = item(index);
    if (!listed || listed->type() != TIconItem::Type)
        return {};
    auto *iconItem = static_cast<TIconItem *>(listed);
    if (!iconItem->Icon)
        iconItem->Icon = m_file.Extract(index);
    return *iconItem->Icon;
}

void TIconListBox::Reload()
{
    clear();
    m_file = TIconFile();
    m_numberOfIcons = -1;
    UpdateEnabled();
    if (!QFileInfo(m_fileName).isFile())
        return;
    if (!m_enableCaching)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([this] {
        if (!m_enableCaching)
            QGuiApplication::restoreOverrideCursor();
    });
    m_file = TIconFile::Load(m_fileName);
    m_numberOfIcons = m_file.Count();
    for (int i = 0; i < m_numberOfIcons; ++i) {
        auto *listed = new TIconItem(QString::number(i), this);
        listed->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
        if (!m_enableCaching)
            IconAt(i);
    }
    if (m_numberOfIcons > 0)
        setCurrentRow(0);
}

std::unique_ptr<QMimeData> TIconListBox::DragData()
{
    const QImage icon = IconAt(currentRow());
    return icon.isNull() ? nullptr : IconMimeData(icon);
}

void TIconListBox::startDrag(Qt::DropActions)
{
    std::unique_ptr<QMimeData> data = DragData();
    if (!data)
        return;
    const QImage icon = IconAt(currentRow());
    auto *drag = new QDrag(this);
    drag->setMimeData(data.release());
    drag->setPixmap(QPixmap::fromImage(icon));
    drag->setHotSpot({icon.width() / 2, icon.height() / 2});
    drag->exec(Qt::CopyAction);
}
