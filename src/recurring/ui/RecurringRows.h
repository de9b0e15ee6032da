#pragma once

#include <QImage>
#include <QListWidget>
#include <QStringList>
#include <QStyledItemDelegate>

// The rows of the recurring-date lists: each line shown as its description
// in Arial of 12 pixels, 16 pixels high.

// The 16 x 16 check mark of a chosen row: black on a transparent ground, or
// white for the row with the focus, which is painted white on black.
QImage CheckMarkPicture(bool inverted);

// Draws a row. With check marks (the lists that choose several rows) the
// row with the focus is white on black and every other row black on the
// window colour, a chosen row shows the check mark at its left and the text
// starts 5 pixels after the mark's width. Without them (the editor's list)
// the text starts at the row's left edge and the chosen row is highlighted.
class TRecurringRowDelegate : public QStyledItemDelegate
{
public:
    TRecurringRowDelegate(bool checkMarks, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    bool m_checkMarks;
    QImage m_mark;
    QImage m_invertedMark;
};

inline constexpr int RecurringRowHeight = 16;
inline constexpr int CheckMarkGap = 5;

// A list of recurring-date lines. With check marks a click toggles a row and
// several rows may be chosen; without, one row is chosen at a time.
class TRecurringRowList : public QListWidget
{
public:
    TRecurringRowList(bool checkMarks, QWidget *parent);

    void SetLines(const QStringList &lines);
    void InsertLine(int row, const QString &line);
    QString Line(int row) const;
    // The chosen lines, in the list's order.
    QStringList SelectedLines() const;
    bool HasSelection() const { return !selectedItems().isEmpty(); }
};
