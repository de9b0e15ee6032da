#include "CalendarPagePaint.h"
#include "CalendarPanel32.h"
#include "DesignSurface.h"
#include "LumHandleWidget.h"
#include "PopupMenus.h"
#include "ProgramFolder.h"
#include "TestObject.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The page on the screen with the test kind as its label tool, a clock the
// test moves, and menus answered by the item captioned MenuChoice.
class PageDesign : public ::testing::Test
{
protected:
    PageDesign()
    {
        SetProgramFolder(Folder.path());
        Page.ObjectClasses().Register(TTestObject::Class());
        Page.SetClock([this] { return Now; });
        Page.SetObjectCreator(psLabel, {[](TCalendarPage &) { return MakeTestObject(0, 0, 0, 0); },
                                        [this](TLumGraphicControl &) {
                                            ++AfterPlaced;
                                            return true;
                                        }});
        Page.LabelChangedEvent = [this] { ++Changes; };
        Page.DroppedObjectEvent = [this](const TRect &r) { Dropped.append(r); };
        SetMenuAnswerer([this](const TDesignMenu &menu, QPoint) {
            Menus.append(menu);
            for (int i = 0; i < menu.size(); ++i) {
                if (menu[i].Caption == MenuChoice)
                    return i;
            }
            return -1;
        });
        View.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&View));
    }
    ~PageDesign() override
    {
        SetMenuAnswerer({});
        SetProgramFolder(QString());
    }

    TTestObject &Place(int left, int top, int width, int height)
    {
        return static_cast<TTestObject &>(
            Page.Objects().Insert(MakeTestObject(left, top, width, height)));
    }
    TLumHandleWidget &Handle() { return View.DesignSurface().HandleWidget(); }
    // A point of the page in the handle's coordinates.
    QPoint OnHandle(QPoint page) { return Handle().mapFrom(&View, page); }

    QTemporaryDir Folder;
    TCalendarPanel32 View;
    TCalendarPage &Page = View.Page();
    qint64 Now = 100000;
    int Changes = 0;
    int AfterPlaced = 0;
    QList<TRect> Dropped;
    QList<TDesignMenu> Menus;
    QString MenuChoice;
};

// What a paint of region draws, in a black picture of the widget's size.
QImage Rendered(QWidget &widget, const QRegion &region)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    widget.render(&image, region.boundingRect().topLeft(), region, {});
    return image;
}

} // namespace

TEST_F(PageDesign, AClickWithACreationToolMakesAFiftyByFifteenObjectThere)
{
    View.SetTool(psLabel);
    QTest::mouseClick(&View, Qt::LeftButton, {}, QPoint(100, 200));
    ASSERT_EQ(Page.Objects().Count(), 1);
    EXPECT_EQ(Page.Objects().At(0)->Bounds(), (TBounds{100, 200, 50, 15}));
    EXPECT_EQ(Page.Objects().At(0)->Name(), "Special1");
    EXPECT_EQ(View.Tool(), psPointing);
    EXPECT_EQ(Dropped, (QList<TRect>{{100, 200, 100, 200}}));
    EXPECT_EQ(AfterPlaced, 1);
    EXPECT_EQ(Changes, 1);
}

TEST_F(PageDesign, ACreationDragEitherWayRoundMakesTheSameObject)
{
    for (const auto &[from, to] : {std::pair{QPoint(200, 250), QPoint(300, 300)},
                                   std::pair{QPoint(300, 300), QPoint(200, 250)}}) {
        View.SetTool(psLabel);
        QTest::mousePress(&View, Qt::LeftButton, {}, from);
        QTest::mouseMove(&View, to);
        QTest::mouseRelease(&View, Qt::LeftButton, {}, to);
    }
    ASSERT_EQ(Page.Objects().Count(), 2);
    EXPECT_EQ(Page.Objects().At(0)->Bounds(), (TBounds{200, 250, 100, 50}));
    EXPECT_EQ(Page.Objects().At(1)->Bounds(), (TBounds{200, 250, 100, 50}));
}

TEST_F(PageDesign, AClickSelectsAndAQuickClickOnTheHandleMovesNothing)
{
    TTestObject &a = Place(100, 100, 60, 40);
    QTest::mouseClick(&View, Qt::LeftButton, {}, QPoint(120, 120));
    EXPECT_TRUE(Page.Objects().IsSelected(&a));
    EXPECT_TRUE(Handle().isVisible());
    EXPECT_EQ(Handle().geometry(), QRect(98, 98, 65, 45));
    EXPECT_TRUE(Handle().hasFocus());
    // The handle now lies over the object: the next press is the handle's.
    QTest::mousePress(&Handle(), Qt::LeftButton, {}, OnHandle(QPoint(120, 120)));
    Now += 100;
    QTest::mouseMove(&Handle(), OnHandle(QPoint(123, 122)));
    QTest::mouseRelease(&Handle(), Qt::LeftButton, {}, OnHandle(QPoint(123, 122)));
    EXPECT_EQ(a.Bounds(), (TBounds{100, 100, 60, 40}));
}

TEST_F(PageDesign, DraggingTheHandleMovesTheObject)
{
    TTestObject &a = Place(100, 100, 60, 40);
    Page.Handle().Add(&a);
    QTest::mousePress(&Handle(), Qt::LeftButton, {}, OnHandle(QPoint(120, 120)));
    Now += 200;
    QTest::mouseMove(&Handle(), OnHandle(QPoint(150, 140)));
    EXPECT_TRUE(Page.Handle().Outline());
    QTest::mouseRelease(&Handle(), Qt::LeftButton, {}, OnHandle(QPoint(150, 140)));
    EXPECT_EQ(a.Bounds(), (TBounds{130, 120, 60, 40}));
    // The handle follows once the move is over.
    QTest::qWait(1);
    EXPECT_EQ(Handle().geometry(), QRect(128, 118, 66, 46));
}

TEST_F(PageDesign, ShiftRightGrowsTheObjectOnlyWhenTheKeyIsReleased)
{
    TTestObject &a = Place(100, 100, 60, 40);
    Page.Handle().Add(&a);
    QTest::keyPress(&Handle(), Qt::Key_Right, Qt::ShiftModifier);
    // Held down, the key repeats as releases and presses.
    QKeyEvent repeatedRelease(QEvent::KeyRelease, Qt::Key_Right, Qt::ShiftModifier, QString(),
                              true);
    QApplication::sendEvent(&Handle(), &repeatedRelease);
    QKeyEvent repeatedPress(QEvent::KeyPress, Qt::Key_Right, Qt::ShiftModifier, QString(), true);
    QApplication::sendEvent(&Handle(), &repeatedPress);
    EXPECT_EQ(a.Width(), 60);
    QTest::keyRelease(&Handle(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(a.Bounds(), (TBounds{100, 100, 62, 40}));
    // Without Shift the arrow moves it.
    QTest::keyClick(&Handle(), Qt::Key_Down);
    EXPECT_EQ(a.Bounds(), (TBounds{100, 101, 62, 40}));
}

TEST_F(PageDesign, TheContextMenuOpensOnEmptyAreaAndSelectsAll)
{
    TTestObject &a = Place(100, 100, 60, 40);
    TTestObject &b = Place(300, 100, 60, 40);
    MenuChoice = "Select All";
    QTest::mouseClick(&View, Qt::RightButton, {}, QPoint(600, 900));
    ASSERT_EQ(Menus.size(), 1);
    EXPECT_TRUE(FindMenuItem(Menus[0], "Lock All")->Enabled);
    EXPECT_FALSE(FindMenuItem(Menus[0], "Paste")->Enabled);
    EXPECT_EQ(Page.Objects().Selection(), (QList<TLumGraphicControl *>{&a, &b}));
    EXPECT_EQ(Handle().geometry(), QRect(98, 98, 265, 45));
}

TEST_F(PageDesign, PastingTwiceWithinASecondPastesOnce)
{
    TTestObject &a = Place(100, 100, 60, 40);
    Page.Handle().Add(&a);
    QTest::keyClick(&Handle(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&Handle(), Qt::Key_V, Qt::ControlModifier);
    Now += 500;
    QTest::keyClick(&Handle(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Page.Objects().Count(), 2);
    Now += 3000;
    QTest::keyClick(&Handle(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(Page.Objects().Count(), 3);
    EXPECT_EQ(Page.Objects().At(2)->Bounds(), (TBounds{115, 115, 60, 40}));
    QTest::keyClick(&Handle(), Qt::Key_Delete);
    EXPECT_FALSE(Page.Objects().Contains(&a));
    EXPECT_FALSE(Handle().isVisible());
}

TEST_F(PageDesign, MarkingTheOnlySelectedObjectUnselectableHidesTheHandle)
{
    TTestObject &a = Place(100, 100, 60, 40);
    Page.Handle().Add(&a);
    MenuChoice = "Unselectable";
    QTest::mouseClick(&Handle(), Qt::RightButton, {}, OnHandle(QPoint(120, 120)));
    ASSERT_EQ(Menus.size(), 1);
    EXPECT_TRUE(FindMenuItem(Menus[0], "Clone"));
    EXPECT_TRUE(a.Unselectable());
    EXPECT_FALSE(Handle().isVisible());
}

TEST_F(PageDesign, ADoubleClickOnTheSelectionOpensTheEditor)
{
    TTestObject &a = Place(100, 100, 60, 40);
    int edits = 0;
    a.OnEdit = [&edits] { ++edits; };
    QTest::mouseClick(&View, Qt::LeftButton, {}, QPoint(120, 120));
    QTest::mouseDClick(&Handle(), Qt::LeftButton, {}, OnHandle(QPoint(120, 120)));
    EXPECT_EQ(edits, 1);
    // Without an editor the object's menu opens.
    a.OnEdit = nullptr;
    QTest::mouseDClick(&Handle(), Qt::LeftButton, {}, OnHandle(QPoint(120, 120)));
    ASSERT_EQ(Menus.size(), 1);
    EXPECT_EQ(a.Bounds(), (TBounds{100, 100, 60, 40}));
}

TEST_F(PageDesign, APaintOfPartOfThePageTakesThePageFromItsLastPicture)
{
    TTestObject &a = Place(100, 100, 60, 40);
    Page.Handle().Add(&a);
    const QImage whole = Rendered(View, QRegion(View.rect()));
    EXPECT_EQ(whole.pixel(130, 120), qRgb(255, 0, 0));
    // Selection squares: the top-left corner of the bounds grown by 2.
    EXPECT_EQ(whole.pixel(98, 98), qRgb(0, 0, 0));
    a.SetLeft(380);
    const QImage part = Rendered(View, QRegion(90, 90, 360, 60));
    const QImage page = RenderPageImage(Page);
    EXPECT_EQ(part.pixel(130, 120), page.pixel(130, 120));
    EXPECT_EQ(part.pixel(400, 120), qRgb(255, 0, 0));
    EXPECT_EQ(part.pixel(378, 98), qRgb(0, 0, 0));
    // Outside the region nothing was drawn.
    EXPECT_EQ(part.pixel(10, 10), qRgb(0, 0, 0));
    EXPECT_EQ(part.pixel(460, 120), qRgb(0, 0, 0));
}

TEST_F(PageDesign, ZoomingRescalesTheObjectsAndRefitsTheHandle)
{
    TTestObject &a = Place(100, 100, 60, 40);
    Page.Handle().Add(&a);
    View.SetZoom(0.5f);
    EXPECT_EQ(a.Bounds(), (TBounds{50, 50, 30, 20}));
    QTest::qWait(1);
    EXPECT_EQ(Handle().geometry(), QRect(48, 48, 36, 26));
    EXPECT_EQ(Changes, 0);
}
