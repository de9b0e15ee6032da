#include "PictureOrderList.h"

#include "PictureThumbnail.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPainter>
#include <QShortcut>

using namespace Qt::StringLiterals;

const QString TPictureOrderList::DraggedPictureType = u"application/x-datewright-picture-row"_s;

namespace {

// Where an item keeps its file and whether its thumbnail was read.
constexpr int FileRole = Qt::UserRole + 1;
constexpr int ReadRole = Qt::UserRole + 2;
// Thumbnails read in one turn of the event loop.
constexpr int ThumbnailsPerTurn = 2;

// The square a thumbnail is drawn centred in, so that every picture takes
// the same room in the grid.
QIcon FramedIcon(const QImage &thumbnail)
{
    const int side = TPictureOrderList::ThumbnailSide;
    QPixmap framed(side, side);
    framed.fill(QColor(224, 224, 224));
    if (!thumbnail.isNull()) {
        QPainter painter(&framed);
        painter.drawImage((side - thumbnail.width()) / 2, (side - thumbnail.height()) / 2,
                          thumbnail);
    }
    return QIcon(framed);
}

} // namespace

TPictureOrderList::TPictureOrderList(QWidget *parent)
    : QListWidget(parent), m_unread(FramedIcon({}))
{
    setViewMode(QListView::IconMode);
    // The pictures keep their places in the grid; a drop reorders them.
    setMovement(QListView::Static);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setIconSize(QSize(ThumbnailSide, ThumbnailSide));
    setGridSize(QSize(ThumbnailSide + 36, ThumbnailSide + 48));
    setUniformItemSizes(true);
    setWordWrap(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    viewport()->setAcceptDrops(true);
    setDefaultDropAction(Qt::MoveAction);
    // Where a picture lands is marked by a bar of its own (DropMarkRect).
    setDropIndicatorShown(false);
    m_reader.setInterval(0);
    connect(&m_reader, &QTimer::timeout, this, &TPictureOrderList::ReadSomeThumbnails);
    connect(model(), &QAbstractItemModel::rowsMoved, this, &TPictureOrderList::OrderChanged);
    connect(model(), &QAbstractItemModel::rowsInserted, this, &TPictureOrderList::OrderChanged);
    connect(model(), &QAbstractItemModel::rowsRemoved, this, &TPictureOrderList::OrderChanged);
    const auto shortcut = [this](QKeyCombination keys, auto action) {
        auto *key = new QShortcut(QKeySequence(keys), this, nullptr, nullptr, Qt::WidgetShortcut);
        connect(key, &QShortcut::activated, this, action);
    };
    shortcut(Qt::CTRL | Qt::Key_Left, [this] { MoveCurrent(-1); });
    shortcut(Qt::CTRL | Qt::Key_Right, [this] { MoveCurrent(1); });
    shortcut(QKeyCombination(Qt::Key_Delete), [this] { RemoveCurrent(); });
}

QListWidgetItem *TPictureOrderList::NewItem(const QString &file) const
{
    auto *item = new QListWidgetItem(m_unread, QFileInfo(file).fileName());
    item->setData(FileRole, file);
    item->setData(ReadRole, false);
    item->setToolTip(file);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled);
    return item;
}

void TPictureOrderList::SetPictures(const QStringList &files)
{
    m_filling = true;
    clear();
    for (const QString &file : files)
        addItem(NewItem(file));
    m_filling = false;
    OrderChanged();
}

QStringList TPictureOrderList::Pictures() const
{
    QStringList files;
    for (int row = 0; row < count(); ++row)
        files.append(item(row)->data(FileRole).toString());
    return files;
}

void TPictureOrderList::InsertPictures(const QStringList &files)
{
    if (files.isEmpty())
        return;
    const int first = currentRow() < 0 ? count() : currentRow() + 1;
    for (int index = 0; index < files.size(); ++index)
        insertItem(first + index, NewItem(files[index]));
    setCurrentRow(first);
}

void TPictureOrderList::RemoveCurrent()
{
    const int row = currentRow();
    if (row < 0)
        return;
    delete takeItem(row);
    if (count() > 0)
        setCurrentRow(std::min(row, count() - 1));
}

void TPictureOrderList::MoveCurrent(int step)
{
    const int row = currentRow();
    const int target = row + step;
    if (row < 0 || step == 0 || target < 0 || target >= count())
        return;
    // Moving the row keeps its item, thumbnail and all.
    model()->moveRow(QModelIndex(), row, QModelIndex(), step > 0 ? target + 1 : target);
    setCurrentRow(target);
}

void TPictureOrderList::SetPageNames(const QStringList &names)
{
    m_pageNames = names;
    UpdateNames();
}

int TPictureOrderList::PendingThumbnails() const
{
    int pending = 0;
    for (int row = 0; row < count(); ++row)
        pending += item(row)->data(ReadRole).toBool() ? 0 : 1;
    return pending;
}

QStringList TPictureOrderList::mimeTypes() const
{
    return {DraggedPictureType};
}

QMimeData *TPictureOrderList::mimeData(const QList<QListWidgetItem *> &items) const
{
    if (items.isEmpty())
        return nullptr;
    auto *data = new QMimeData;
    data->setData(DraggedPictureType, QByteArray::number(row(items.first())));
    return data;
}

void TPictureOrderList::startDrag(Qt::DropActions)
{
    QListWidgetItem *picture = currentItem();
    if (!picture)
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(mimeData({picture}));
    drag->setPixmap(picture->icon().pixmap(ThumbnailSide / 2));
    // The drop has moved the picture already; nothing is removed here.
    drag->exec(Qt::MoveAction);
}

void TPictureOrderList::dragEnterEvent(QDragEnterEvent *event)
{
    QListWidget::dragEnterEvent(event);
    TakeDraggedPicture(*event);
}

void TPictureOrderList::dragMoveEvent(QDragMoveEvent *event)
{
    // The view scrolls on while a picture is held near its edge.
    QListWidget::dragMoveEvent(event);
    TakeDraggedPicture(*event);
}

void TPictureOrderList::TakeDraggedPicture(QDragMoveEvent &event)
{
    const bool picture = event.mimeData()->hasFormat(DraggedPictureType);
    if (picture)
        event.acceptProposedAction();
    else
        event.ignore();
    ShowDropMark(picture ? DropRow(event.position().toPoint()) : -1);
}

void TPictureOrderList::dragLeaveEvent(QDragLeaveEvent *event)
{
    QListWidget::dragLeaveEvent(event);
    ShowDropMark(-1);
}

void TPictureOrderList::ShowDropMark(int row)
{
    if (row == m_dropMark)
        return;
    m_dropMark = row;
    viewport()->update();
}

QRect TPictureOrderList::DropMarkRect() const
{
    if (m_dropMark < 0 || count() == 0)
        return {};
    const bool after = m_dropMark >= count();
    const QRect place = visualItemRect(item(after ? count() - 1 : m_dropMark));
    const int x = after ? place.right() + 1 : place.left() - 1;
    return QRect(x - DropMarkWidth / 2, place.top(), DropMarkWidth, place.height());
}

void TPictureOrderList::paintEvent(QPaintEvent *event)
{
    QListWidget::paintEvent(event);
    const QRect mark = DropMarkRect();
    if (mark.isEmpty())
        return;
    QPainter painter(viewport());
    painter.fillRect(mark, palette().color(QPalette::Highlight));
}

void TPictureOrderList::dropEvent(QDropEvent *event)
{
    stopAutoScroll();
    setState(NoState);
    ShowDropMark(-1);
    bool read = false;
    const int from = event->mimeData()->data(DraggedPictureType).toInt(&read);
    if (!read || from < 0 || from >= count()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    const int to = DropRow(event->position().toPoint());
    if (to == from || to == from + 1)
        return;
    model()->moveRow(QModelIndex(), from, QModelIndex(), to);
    setCurrentRow(to > from ? to - 1 : to);
}

int TPictureOrderList::DropRow(QPoint point) const
{
    const QListWidgetItem *target = itemAt(point);
    if (!target)
        return count();
    const QRect place = visualItemRect(target);
    return row(target) + (point.x() > place.center().x() ? 1 : 0);
}

void TPictureOrderList::ReadSomeThumbnails()
{
    int read = 0;
    for (; m_nextUnread < count() && read < ThumbnailsPerTurn; ++m_nextUnread) {
        QListWidgetItem *picture = item(m_nextUnread);
        if (picture->data(ReadRole).toBool())
            continue;
        picture->setIcon(
            FramedIcon(PictureThumbnail(picture->data(FileRole).toString(), ThumbnailSide)));
        picture->setData(ReadRole, true);
        ++read;
    }
    if (read == 0)
        m_reader.stop();
}

void TPictureOrderList::UpdateNames()
{
    for (int row = 0; row < count(); ++row) {
        QListWidgetItem *picture = item(row);
        const QString page = row < m_pageNames.size() ? m_pageNames[row] : tr("Not printed");
        picture->setText(page + u'\n' + QFileInfo(picture->data(FileRole).toString()).fileName());
    }
}

void TPictureOrderList::OrderChanged()
{
    if (m_filling)
        return;
    m_nextUnread = 0;
    UpdateNames();
    if (PendingThumbnails() > 0)
        m_reader.start();
    emit PicturesChanged();
}
