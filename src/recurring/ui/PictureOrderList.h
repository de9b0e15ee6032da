#pragma once

#include <QListWidget>
#include <QStringList>
#include <QTimer>

// The pictures of a set's pages as thumbnails in page order, each with the
// page it falls on beneath it. The user orders them by dragging, or with
// Ctrl+Left and Ctrl+Right, and removes them with Delete. Thumbnails are
// read a few at a time while the event loop runs, so a folder of many large
// photos neither freezes the dialog nor keeps more than the small pictures.
class TPictureOrderList : public QListWidget
{
    Q_OBJECT

public:
    // The thumbnails' size in pixels.
    static constexpr int ThumbnailSide = 96;

    explicit TPictureOrderList(QWidget *parent = nullptr);

    // Shows files in this order; their thumbnails follow.
    void SetPictures(const QStringList &files);
    QStringList Pictures() const;
    // Puts files after the current picture (at the end when there is none)
    // and makes the first of them current.
    void InsertPictures(const QStringList &files);
    // Leaves the current picture out.
    void RemoveCurrent();
    // Moves the current picture step places, earlier when negative.
    void MoveCurrent(int step);
    // What the pages show, in page order: the picture at a position takes
    // the name at the same position; pictures past them are on no page.
    void SetPageNames(const QStringList &names);
    // The pictures whose thumbnails are not read yet.
    int PendingThumbnails() const;

    // The bar between two thumbnails that shows where a dragged picture
    // lands; empty while none is dragged over the list.
    QRect DropMarkRect() const;
    static constexpr int DropMarkWidth = 4;

    // A dragged picture is carried as its row under this type, which only
    // this list takes: a drop moves it, never copies or removes it.
    static const QString DraggedPictureType;

signals:
    // The pictures or their order changed.
    void PicturesChanged();

protected:
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QList<QListWidgetItem *> &items) const override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Accepts a drag that carries a picture of this list and marks where it
    // would land; refuses others.
    void TakeDraggedPicture(QDragMoveEvent &event);
    // Marks the place before row (-1 for none).
    void ShowDropMark(int row);
    // Where a picture dropped at point goes: before the picture under it,
    // or after it when dropped on its right half; at the end elsewhere.
    int DropRow(QPoint point) const;
    QListWidgetItem *NewItem(const QString &file) const;
    void ReadSomeThumbnails();
    void UpdateNames();
    void OrderChanged();

    QStringList m_pageNames;
    QTimer m_reader;
    // Where the reader looks for the next thumbnail to read: the rows before
    // it are read.
    int m_nextUnread = 0;
    // The row a dragged picture would land before; -1 for none.
    int m_dropMark = -1;
    // The frame shown, one for all, until a thumbnail is read.
    QIcon m_unread;
    // Set while the list is filled anew, which tells of the change once.
    bool m_filling = false;
};
