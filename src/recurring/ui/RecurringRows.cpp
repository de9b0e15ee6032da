#include "RecurringRows.h"

#include "RecurringDescription.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int LineRole = Qt::UserRole;
constexpr int MarkSize = 16;

QFont RowFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    return font;
}

} // namespace

QImage CheckMarkPicture(bool inverted)
{
    QImage picture(MarkSize, MarkSize, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(inverted ? Qt::white : Qt::black, 2);
    painter.setPen(pen);
    QPainterPath mark;
    mark.moveTo(3, 8);
    mark.lineTo(6, 12);
    mark.lineTo(13, 3);
    painter.drawPath(mark);
    return picture;
}

TRecurringRowDelegate::TRecurringRowDelegate(bool checkMarks, QObject *parent)
    : QStyledItemDelegate(parent), m_checkMarks(checkMarks), m_mark(CheckMarkPicture(false)),
      m_invertedMark(CheckMarkPicture(true))
{}

void TRecurringRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                  const QModelIndex &index) const
{
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    const bool focused = option.state & QStyle::State_HasFocus;
    QColor ground = option.palette.color(QPalette::Base);
    QColor ink = Qt::black;
    int textLeft = option.rect.left();
    if (m_checkMarks) {
        if (focused) {
            ground = Qt::black;
            ink = Qt::white;
        }
        textLeft += MarkSize + CheckMarkGap;
    } else if (selected) {
        ground = option.palette.color(QPalette::Highlight);
        ink = option.palette.color(QPalette::HighlightedText);
    }
    painter->fillRect(option.rect, ground);
    if (m_checkMarks && selected)
        painter->drawImage(option.rect.topLeft(), focused ? m_invertedMark : m_mark);
    painter->setFont(RowFont());
    painter->setPen(ink);
    const QRect textRect(textLeft, option.rect.top(), option.rect.right() - textLeft + 1,
                         option.rect.height());
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize TRecurringRowDelegate::sizeHint(const QStyleOptionViewItem &option,
                                      const QModelIndex &index) const
{
    return {QStyledItemDelegate::sizeHint(option, index).width(), RecurringRowHeight};
}

TRecurringRowList::TRecurringRowList(bool checkMarks, QWidget *parent) : QListWidget(parent)
{
    setItemDelegate(new TRecurringRowDelegate(checkMarks, this));
    setFont(RowFont());
    setUniformItemSizes(true);
    setSelectionMode(checkMarks ? QAbstractItemView::MultiSelection
                                : QAbstractItemView::SingleSelection);
}

void TRecurringRowList::SetLines(const QStringList &lines)
{
    clear();
    for (const QString &line : lines)
        InsertLine(count(), line);
}

void TRecurringRowList::InsertLine(int row, const QString &line)
{
    auto *item = new QListWidgetItem(DescribeEntry(line));
    item->setData(LineRole, line);
    insertItem(row, item);
}

QString TRecurringRowList::Line(int row) const
{
    const QListWidgetItem *found = item(row);
    return found ? found->data(LineRole).toString() : QString();
}

QStringList TRecurringRowList::SelectedLines() const
{
    QStringList lines;
    for (int row = 0; row < count(); ++row) {
        if (item(row)->isSelected())
            lines.append(Line(row));
    }
    return lines;
}
