// The pages' pictures as thumbnails the user orders in the set dialog: by
// dragging, by keys and by buttons; the order is the pages' and is kept
// with the document.

#include "CalendarPage.h"
#include "CalendarSet.h"
#include "CalendarSetDialog.h"
#include "DialogTestSupport.h"
#include "LumImage.h"
#include "PictureOrderList.h"
#include "StoredPageValues.h"
#include "StoredSet.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDateEdit>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QList<std::pair<QString, QColor>> Photos = {{u"1.bmp"_s, Qt::red},
                                                  {u"2.bmp"_s, Qt::green},
                                                  {u"3.bmp"_s, Qt::blue},
                                                  {u"10.bmp"_s, Qt::yellow}};

// January 2027 with a picture that takes the pages' pictures, as read from
// a file.
void MakeDocument(TCalendarPage &page)
{
    ApplyMainPageValues(page);
    page.SetMainCalDay(1);
    page.SetMainCalYear(2027);
    page.SetMainCalMonth(1);
    QImage bitmap(8, 8, QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    auto image = std::make_unique<TLumImage>();
    image->SetObjectBounds(10, 40, 60, 50);
    image->SetPicture(TLumPicture::FromBitmap(bitmap));
    image->SetPicturePerPage(true);
    image->FinishLoad();
    page.Objects().Insert(std::move(image));
}

QByteArray Bytes(const TCalendarPage &page)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    page.SaveToDevice(buffer);
    return buffer.data();
}

// The pictures' file names in the list's order.
QStringList Names(const TPictureOrderList &list)
{
    QStringList names;
    for (const QString &file : list.Pictures())
        names.append(QFileInfo(file).fileName());
    return names;
}

QColor PageColour(const TCalendarPage &page)
{
    for (const TLumGraphicControl *object : page.Objects().Objects()) {
        const auto *image = dynamic_cast<const TLumImage *>(object);
        if (image && image->PicturePerPage())
            return image->Picture().Image().pixelColor(4, 4);
    }
    return {};
}

// The colour in the middle of row's thumbnail.
QColor ThumbnailColour(const TPictureOrderList &list, int row)
{
    const int side = TPictureOrderList::ThumbnailSide;
    return list.item(row)->icon().pixmap(side, side).toImage().pixelColor(side / 2, side / 2);
}

// Drops what data carries on point of list's viewport, as a drag that
// enters, moves and drops there; whether the drop was taken.
bool Drop(TPictureOrderList &list, const QMimeData &data, QPoint point)
{
    QWidget *viewport = list.viewport();
    QDragEnterEvent enter(point, Qt::MoveAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(point, Qt::MoveAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &move);
    if (!move.isAccepted())
        return false;
    QDropEvent drop(point, Qt::MoveAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &drop);
    return drop.isAccepted();
}

// Drags row's picture onto the left or the right part of target's.
bool Drag(TPictureOrderList &list, int row, int target, bool right)
{
    const std::unique_ptr<QMimeData> data(list.model()->mimeData({list.model()->index(row, 0)}));
    const QRect onto = list.visualItemRect(list.item(target));
    const int x = right ? onto.right() - onto.width() / 4 : onto.left() + onto.width() / 4;
    return Drop(list, *data, QPoint(x, onto.center().y()));
}

class PictureOrderDialog : public ::testing::Test
{
protected:
    PictureOrderDialog()
    {
        MakeDocument(Page);
        QDir(Run.Folder()).mkdir(u"photos"_s);
        for (const auto &[name, colour] : Photos) {
            QImage picture(300, 200, QImage::Format_RGB32);
            picture.fill(colour);
            EXPECT_TRUE(picture.save(Photo(name), "BMP"));
        }
    }

    QString Photo(const QString &name) const { return Run.Path(u"photos/"_s + name); }

    // The dialog with a set of three months from the photos folder, its
    // thumbnails read.
    void ChooseFolder(TCalendarSetDialog &dialog)
    {
        dialog.PageSet->setChecked(true);
        dialog.PageCount->setValue(3);
        Run.FileAnswer = Run.Path(u"photos"_s);
        dialog.PicturesButton->click();
        while (dialog.PictureList->PendingThumbnails() > 0)
            QCoreApplication::processEvents();
    }

    TDialogRun Run;
    TCalendarPage Page;
};

} // namespace

TEST_F(PictureOrderDialog, ThePicturesShowInNameOrderWithTheirPagesUnderThem)
{
    TCalendarSetDialog dialog(Page, QStringLiteral(DW_PROGRAM_DIR), u"Print"_s);
    TPictureOrderList &list = *dialog.PictureList;
    EXPECT_FALSE(list.isEnabled()) << "the page alone takes no pictures";
    // The folder's label gives its shortcut to the folder's field.
    const QList<QLabel *> labels = dialog.findChildren<QLabel *>();
    const auto label = std::find_if(labels.begin(), labels.end(), [](const QLabel *label) {
        return label->text() == u"P&ictures, one a page, from"_s;
    });
    ASSERT_NE(label, labels.end());
    EXPECT_EQ((*label)->buddy(), dialog.PicturesFolder);
    dialog.PageSet->setChecked(true);
    dialog.PageCount->setValue(3);
    Run.FileAnswer = Run.Path(u"photos"_s);
    dialog.PicturesButton->click();
    ASSERT_EQ(Names(list), QStringList({u"1.bmp"_s, u"2.bmp"_s, u"3.bmp"_s, u"10.bmp"_s}));
    EXPECT_EQ(list.PendingThumbnails(), 4) << "read later, not while the folder is opened";
    QCoreApplication::processEvents();
    EXPECT_GT(list.PendingThumbnails(), 0) << "a few at a time";
    while (list.PendingThumbnails() > 0)
        QCoreApplication::processEvents();
    for (int row = 0; row < Photos.size(); ++row)
        EXPECT_EQ(ThumbnailColour(list, row), Photos[row].second) << row;
    const QSize icon = list.item(0)->icon().availableSizes().value(0);
    EXPECT_LE(std::max(icon.width(), icon.height()), TPictureOrderList::ThumbnailSide);

    const QStringList pages = {u"January 2027\n1.bmp"_s, u"February 2027\n2.bmp"_s,
                               u"March 2027\n3.bmp"_s, u"Not printed\n10.bmp"_s};
    for (int row = 0; row < pages.size(); ++row)
        EXPECT_EQ(list.item(row)->text(), pages[row]);
    // The cover is a page of its own: it takes the first picture.
    dialog.SetCoverAvailable(true);
    dialog.CoverPage->setChecked(true);
    EXPECT_EQ(list.item(0)->text(), u"Cover\n1.bmp"_s);
    EXPECT_EQ(list.item(3)->text(), u"March 2027\n10.bmp"_s);
    dialog.StartDate->setDate(QDate(2027, 6, 1));
    EXPECT_EQ(list.item(1)->text(), u"June 2027\n2.bmp"_s);
    EXPECT_TRUE(dialog.Choice().PictureOrder.isEmpty()) << "the folder's own order is not kept";

    // A missing picture shows as an empty frame, and still takes its page.
    list.setCurrentRow(0);
    list.InsertPictures({Run.Path(u"gone.jpg"_s)});
    while (list.PendingThumbnails() > 0)
        QCoreApplication::processEvents();
    EXPECT_EQ(ThumbnailColour(list, 1), QColor(224, 224, 224));
    EXPECT_EQ(dialog.Choice().PictureOrder.value(1), Run.Path(u"gone.jpg"_s));
}

TEST_F(PictureOrderDialog, TheUsersOrderIsThePagesOrderAndIsKept)
{
    TCalendarSetDialog dialog(Page, QStringLiteral(DW_PROGRAM_DIR), u"Print"_s);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    ChooseFolder(dialog);
    TPictureOrderList &list = *dialog.PictureList;

    // Held over the right half of the second picture: the bar stands between
    // it and the third, until the drag leaves.
    const std::unique_ptr<QMimeData> held(list.model()->mimeData({list.model()->index(3, 0)}));
    const QRect second = list.visualItemRect(list.item(1)),
                third = list.visualItemRect(list.item(2));
    const QPoint over(second.right() - second.width() / 4, second.center().y());
    QDragEnterEvent enter(over, Qt::MoveAction, held.get(), Qt::LeftButton, {});
    QApplication::sendEvent(list.viewport(), &enter);
    const QRect mark = list.DropMarkRect();
    ASSERT_FALSE(mark.isEmpty());
    EXPECT_GE(mark.center().x(), second.right() - TPictureOrderList::DropMarkWidth);
    EXPECT_LE(mark.center().x(), third.left() + TPictureOrderList::DropMarkWidth);
    const QColor highlight = list.palette().color(QPalette::Highlight);
    EXPECT_EQ(list.viewport()->grab().toImage().pixelColor(mark.center()), highlight);
    QDragLeaveEvent leave;
    QApplication::sendEvent(list.viewport(), &leave);
    EXPECT_TRUE(list.DropMarkRect().isEmpty());
    EXPECT_NE(list.viewport()->grab().toImage().pixelColor(mark.center()), highlight);

    ASSERT_TRUE(Drag(list, 3, 0, false));
    EXPECT_TRUE(list.DropMarkRect().isEmpty()) << "no bar after the drop";
    EXPECT_EQ(Names(list), QStringList({u"10.bmp"_s, u"1.bmp"_s, u"2.bmp"_s, u"3.bmp"_s}))
        << "dropped before the first";
    EXPECT_EQ(list.currentRow(), 0) << "the picture dropped is current";
    EXPECT_EQ(list.item(0)->text(), u"January 2027\n10.bmp"_s) << "the pages follow the order";
    EXPECT_EQ(ThumbnailColour(list, 0), QColor(Qt::yellow)) << "the thumbnail moves with it";
    ASSERT_TRUE(Drag(list, 0, 2, true));
    EXPECT_EQ(Names(list), QStringList({u"1.bmp"_s, u"2.bmp"_s, u"10.bmp"_s, u"3.bmp"_s}))
        << "dropped after the third";
    ASSERT_TRUE(Drag(list, 2, 2, false));
    ASSERT_TRUE(Drag(list, 2, 1, true));
    EXPECT_EQ(Names(list), QStringList({u"1.bmp"_s, u"2.bmp"_s, u"10.bmp"_s, u"3.bmp"_s}))
        << "dropped beside itself: no change";
    ASSERT_TRUE(Drag(list, 2, 0, false));
    // Dropped past the pictures: the last. Other data, or a row that is not
    // there, is refused.
    const std::unique_ptr<QMimeData> first(list.model()->mimeData({list.model()->index(0, 0)}));
    ASSERT_TRUE(
        Drop(list, *first, QPoint(list.viewport()->width() - 2, list.viewport()->height() - 2)));
    EXPECT_EQ(Names(list), QStringList({u"1.bmp"_s, u"2.bmp"_s, u"3.bmp"_s, u"10.bmp"_s}));
    QMimeData text, gone;
    text.setText(u"1"_s);
    gone.setData(TPictureOrderList::DraggedPictureType, "4");
    EXPECT_FALSE(Drop(list, text, QPoint(10, 10)));
    EXPECT_FALSE(Drop(list, gone, QPoint(10, 10)));
    Drag(list, 3, 0, false);
    ASSERT_EQ(Names(list), QStringList({u"10.bmp"_s, u"1.bmp"_s, u"2.bmp"_s, u"3.bmp"_s}));

    // Keys and buttons: each step as the list then stands.
    const struct
    {
        int current;
        std::function<void()> act;
        QStringList names;
    } steps[] = {
        {0,
         [&] { QTest::keyClick(&list, Qt::Key_Right, Qt::ControlModifier); },
         {u"1.bmp"_s, u"10.bmp"_s, u"2.bmp"_s, u"3.bmp"_s}},
        {1,
         [&] { QTest::keyClick(&list, Qt::Key_Right, Qt::ControlModifier); },
         {u"1.bmp"_s, u"2.bmp"_s, u"10.bmp"_s, u"3.bmp"_s}},
        // Nothing goes past either end.
        {3,
         [&] { dialog.LaterButton->click(); },
         {u"1.bmp"_s, u"2.bmp"_s, u"10.bmp"_s, u"3.bmp"_s}},
        {0,
         [&] { QTest::keyClick(&list, Qt::Key_Left, Qt::ControlModifier); },
         {u"1.bmp"_s, u"2.bmp"_s, u"10.bmp"_s, u"3.bmp"_s}},
        {3,
         [&] { dialog.EarlierButton->click(); },
         {u"1.bmp"_s, u"2.bmp"_s, u"3.bmp"_s, u"10.bmp"_s}},
        {0, [&] { QTest::keyClick(&list, Qt::Key_Delete); }, {u"2.bmp"_s, u"3.bmp"_s, u"10.bmp"_s}},
        {1, [&] { dialog.RemovePictureButton->click(); }, {u"2.bmp"_s, u"10.bmp"_s}},
        {0,
         [&] {
             Run.FileAnswer = Photo(u"3.bmp"_s) + u'\n' + Photo(u"1.bmp"_s);
             dialog.AddPicturesButton->click();
         },
         {u"2.bmp"_s, u"3.bmp"_s, u"1.bmp"_s, u"10.bmp"_s}},
    };
    for (const auto &step : steps) {
        list.setCurrentRow(step.current);
        list.setFocus();
        step.act();
        EXPECT_EQ(Names(list), step.names) << Names(list).join(u' ').toStdString();
    }
    EXPECT_EQ(list.currentRow(), 1) << "the first picture added is current";
    const TSetChoice choice = dialog.Choice();
    EXPECT_EQ(choice.PictureOrder, list.Pictures());
    dialog.OkButton->click();
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));

    // Kept with the document, reopened, shown and printed in that order.
    TStoredSet set;
    set.Choice = choice;
    StoreSet(Page, set);
    TCalendarPage reopened;
    QByteArray bytes = Bytes(Page);
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    ASSERT_FALSE(reopened.LoadFromDevice(file));
    const std::optional<TStoredSet> kept = StoredSetOf(reopened);
    ASSERT_TRUE(kept);
    TCalendarSetDialog again(reopened, QStringLiteral(DW_PROGRAM_DIR), u"Print"_s);
    again.SetChoice(kept->Choice);
    EXPECT_EQ(again.PictureList->Pictures(), choice.PictureOrder);
    EXPECT_EQ(again.Choice().PictureOrder, choice.PictureOrder);

    TCalendarSet pages(reopened, kept->Choice.Start, PeriodsOf(kept->Choice), {});
    pages.SetPagePictures(PicturesOfChoice(kept->Choice).Files);
    const QColor shown[] = {Qt::green, Qt::blue, Qt::red};
    for (int index = 0; index < 3; ++index)
        EXPECT_EQ(PageColour(*pages.Page(index)), shown[index]) << index;
}

TEST_F(PictureOrderDialog, ASetWithEveryPictureRemovedIsRefused)
{
    TCalendarSetDialog dialog(Page, QStringLiteral(DW_PROGRAM_DIR), u"Save"_s);
    ChooseFolder(dialog);
    dialog.PictureList->setCurrentRow(0);
    for (int left = 4; left > 0; --left) {
        ASSERT_EQ(dialog.PictureList->count(), left);
        dialog.RemovePictureButton->click();
    }
    dialog.OkButton->click();
    EXPECT_EQ(dialog.result(), int(QDialog::Rejected));
    ASSERT_EQ(Run.Messages.size(), 1);
    EXPECT_TRUE(Run.Messages[0].startsWith(u"No pictures are left"_s));
    // Cleared, the design's picture goes on every page.
    dialog.PicturesFolder->setText({});
    dialog.ShowPictureSource();
    dialog.OkButton->click();
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
    EXPECT_TRUE(dialog.Choice().PictureOrder.isEmpty());
}
