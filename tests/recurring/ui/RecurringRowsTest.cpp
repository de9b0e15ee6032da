#include "RecurringRows.h"

#include "RecurringFormula.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr int RowWidth = 240;

// One row painted by the delegate into a picture filled with grey first.
QImage PaintRow(bool checkMarks, QStyle::State state, const QString &text)
{
    QListWidget list;
    list.addItem(text);
    TRecurringRowDelegate delegate(checkMarks, nullptr);
    QImage row(RowWidth, RecurringRowHeight, QImage::Format_RGB32);
    row.fill(Qt::gray);
    QPainter painter(&row);
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, RowWidth, RecurringRowHeight);
    option.state = state;
    option.palette = list.palette();
    delegate.paint(&painter, option, list.model()->index(0, 0));
    return row;
}

// Whether any pixel of the columns [left, right) is of colour.
bool AnyIn(const QImage &image, int left, int right, QColor colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = left; x < right; ++x) {
            if (image.pixelColor(x, y) == colour)
                return true;
        }
    }
    return false;
}

// Whether any pixel of the columns [left, right) is not of colour: ink.
bool InkIn(const QImage &image, int left, int right, QColor ground)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = left; x < right; ++x) {
            if (image.pixelColor(x, y) != ground)
                return true;
        }
    }
    return false;
}

// Whether every pixel of the columns [left, right) is of colour.
bool AllIn(const QImage &image, int left, int right, QColor colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = left; x < right; ++x) {
            if (image.pixelColor(x, y) != colour)
                return false;
        }
    }
    return true;
}

// The first column holding a pixel other than the ground colour.
int FirstInk(const QImage &image, QColor ground)
{
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y) != ground)
                return x;
        }
    }
    return -1;
}

} // namespace

TEST(RecurringRows, CheckMarksAreDrawnOnATransparentGround)
{
    for (bool inverted : {false, true}) {
        const QImage mark = CheckMarkPicture(inverted);
        EXPECT_EQ(mark.size(), QSize(16, 16));
        EXPECT_EQ(mark.pixelColor(0, 0).alpha(), 0);
        EXPECT_EQ(mark.pixelColor(15, 15).alpha(), 0);
        const QColor ink = inverted ? Qt::white : Qt::black;
        EXPECT_TRUE(AnyIn(mark, 0, 16, ink));
    }
}

TEST(RecurringRows, TheFocusedRowIsWhiteOnBlackWithTheInvertedMark)
{
    const QImage row = PaintRow(true, QStyle::State_Selected | QStyle::State_HasFocus,
                                QStringLiteral("Christmas Day"));
    // Black ground beyond the text, the white mark in the first 16 columns,
    // nothing but ground in the 5-pixel gap.
    EXPECT_TRUE(AllIn(row, RowWidth - 20, RowWidth, Qt::black));
    EXPECT_TRUE(AnyIn(row, 0, 16, Qt::white));
    EXPECT_TRUE(AllIn(row, 16, 21, Qt::black));
    EXPECT_TRUE(InkIn(row, 21, 60, Qt::black));
}

TEST(RecurringRows, AChosenRowShowsTheMarkAndOthersNone)
{
    QListWidget list;
    const QColor window = list.palette().color(QPalette::Base);
    const QImage chosen = PaintRow(true, QStyle::State_Selected, QStringLiteral("Halloween"));
    EXPECT_TRUE(AllIn(chosen, RowWidth - 20, RowWidth, window));
    EXPECT_TRUE(AnyIn(chosen, 0, 16, Qt::black));
    EXPECT_TRUE(AllIn(chosen, 16, 21, window));
    const QImage other = PaintRow(true, QStyle::State_None, QStringLiteral("Halloween"));
    EXPECT_TRUE(AllIn(other, 0, 21, window));
    EXPECT_TRUE(InkIn(other, 21, 60, window));
    // An unchosen row with the focus is white on black without a mark.
    const QImage focused = PaintRow(true, QStyle::State_HasFocus, QStringLiteral("Halloween"));
    EXPECT_TRUE(AllIn(focused, 0, 21, Qt::black));
}

TEST(RecurringRows, WithoutMarksTheTextStartsAtTheLeftEdge)
{
    QListWidget list;
    const QColor highlight = list.palette().color(QPalette::Highlight);
    const QImage chosen = PaintRow(false, QStyle::State_Selected, QStringLiteral("Halloween"));
    EXPECT_TRUE(AllIn(chosen, RowWidth - 20, RowWidth, highlight));
    EXPECT_LT(FirstInk(chosen, highlight), 4);
}

TEST(RecurringRows, RowsAre16PixelsHigh)
{
    TRecurringRowList list(true, nullptr);
    list.SetLines({MakeEntry(QStringLiteral("Payday"), QStringLiteral("@0005"))});
    EXPECT_EQ(list.sizeHintForRow(0), 16);
    EXPECT_EQ(list.font().pixelSize(), 12);
}

TEST(RecurringRows, ListsShowDescriptionsAndKeepTheLines)
{
    const QStringList lines{MakeEntry(QStringLiteral("Payday"), QStringLiteral("@0005")),
                            MakeEntry(QStringLiteral("Weekend"), QStringLiteral("%17")), QString()};
    TRecurringRowList list(true, nullptr);
    list.SetLines(lines);
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("Payday (5th of Each Month)"));
    EXPECT_EQ(list.item(1)->text(), QStringLiteral("Weekend (Sun,Sat)"));
    EXPECT_EQ(list.Line(1), lines[1]);
    EXPECT_EQ(list.Line(5), QString());
    list.item(2)->setSelected(true);
    list.item(0)->setSelected(true);
    EXPECT_EQ(list.SelectedLines(), QStringList({lines[0], lines[2]}));
}

TEST(RecurringRows, AClickTogglesARow)
{
    TRecurringRowList list(true, nullptr);
    list.resize(300, 100);
    list.SetLines({MakeEntry(QStringLiteral("A"), QStringLiteral("@0001")),
                   MakeEntry(QStringLiteral("B"), QStringLiteral("@0002"))});
    list.show();
    const auto click = [&list](int row) {
        const QPoint at = list.visualItemRect(list.item(row)).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, list.viewport()->mapToGlobal(at),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, list.viewport()->mapToGlobal(at),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(list.viewport(), &press);
        QApplication::sendEvent(list.viewport(), &release);
    };
    click(0);
    click(1);
    EXPECT_TRUE(list.item(0)->isSelected());
    EXPECT_TRUE(list.item(1)->isSelected());
    click(0);
    EXPECT_FALSE(list.item(0)->isSelected());
    EXPECT_TRUE(list.item(1)->isSelected());
}
