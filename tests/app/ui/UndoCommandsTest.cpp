#include "DesignMenu.h"
#include "DesignSurface.h"
#include "LumHandleWidget.h"
#include "MainWindowTestSupport.h"
#include "TestObject.h"
#include "ToolSpeedButton.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class UndoCommandsTest : public testing::Test
{
protected:
    UndoCommandsTest() { RegisterTestObjectClass(); }

    TCalendarMain &Start()
    {
        TCalendarMain &window = run.StartActive();
        window.Parts().CalendarPage->SetObjectCreator(
            psLabel, {[](TCalendarPage &) { return MakeTestObject(0, 0, 0, 0, clBlue); }, {}});
        return window;
    }

    // Text typed into a cell and stored by a click on another cell.
    static void TypeIntoCell(TCalendarMain &window, int cell, const QString &text)
    {
        ClickPage(*window.Parts().CalendarPanel, CellCentre(*window.Parts().CalendarPage, cell));
        TypeText(text);
        window.DoSaveRichtext();
    }

    // Processes events until the history holds count steps.
    static bool WaitForSteps(const TCalendarMain &window, int count)
    {
        return TMainWindowRun::WaitFor([&] { return window.History().Count() == count; });
    }

    static void SendMouse(QWidget &widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
                          Qt::MouseButtons held)
    {
        QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(&widget, &event);
        QApplication::processEvents();
    }

    // A slow drag of the handle by 60 x 40 pixels, in 20 moves.
    static void DragHandle(TCalendarPanel32 &view)
    {
        qint64 now = 100000;
        view.Page().SetClock([&now] { return now; });
        QWidget &handle = view.DesignSurface().HandleWidget();
        SendMouse(handle, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton, Qt::LeftButton);
        now += 1000;
        for (int step = 1; step <= 20; ++step) {
            SendMouse(handle, QEvent::MouseMove, QPoint(10 + 3 * step, 10 + 2 * step), Qt::NoButton,
                      Qt::LeftButton);
        }
        SendMouse(handle, QEvent::MouseButtonRelease, QPoint(70, 50), Qt::LeftButton, Qt::NoButton);
        view.Page().SetClock({});
    }

    TMainWindowRun run;
};

} // namespace

TEST_F(UndoCommandsTest, UndoingBackToTheSavedDocumentMakesItUnchanged)
{
    TCalendarMain &window = Start();
    EXPECT_FALSE(window.Command(u"mnuUndo"_s)->isEnabled());
    TypeIntoCell(window, 10, u"Swim"_s);
    ASSERT_TRUE(WaitForSteps(window, 1));
    EXPECT_TRUE(window.Session().Modified());
    EXPECT_TRUE(window.Button(u"Savebutton"_s)->isVisible());
    EXPECT_EQ(window.Command(u"mnuUndo"_s)->text(), u"Undo Cell Text"_s);
    EXPECT_TRUE(window.Button(u"UndoButton"_s)->isEnabled());
    EXPECT_EQ(window.Button(u"UndoButton"_s)->toolTip(), u"Undo Cell Text (Ctrl+Z)"_s);

    window.Command(u"mnuUndo"_s)->trigger();
    EXPECT_EQ(CellText(*window.Parts().CalendarPage, 10), QString());
    EXPECT_FALSE(window.Session().Modified());
    EXPECT_FALSE(window.Button(u"Savebutton"_s)->isVisible());
    EXPECT_FALSE(window.Button(u"CancelButton"_s)->isVisible());
    EXPECT_EQ(window.Command(u"mnuRedo"_s)->text(), u"Redo Cell Text"_s);

    window.Command(u"mnuRedo"_s)->trigger();
    EXPECT_EQ(CellText(*window.Parts().CalendarPage, 10), u"Swim"_s);
    EXPECT_TRUE(window.Session().Modified());

    // Saved, the document is unchanged there; undoing past it changes it.
    window.mnuSaveClick();
    EXPECT_FALSE(window.Session().Modified());
    window.Command(u"mnuUndo"_s)->trigger();
    EXPECT_TRUE(window.Session().Modified());
    window.Command(u"mnuRedo"_s)->trigger();
    EXPECT_FALSE(window.Session().Modified());
}

TEST_F(UndoCommandsTest, ANewChangeAfterAnUndoDropsTheRedoList)
{
    TCalendarMain &window = Start();
    TypeIntoCell(window, 10, u"One"_s);
    ASSERT_TRUE(WaitForSteps(window, 1));
    TypeIntoCell(window, 11, u"Two"_s);
    ASSERT_TRUE(WaitForSteps(window, 2));
    window.Command(u"mnuUndo"_s)->trigger();
    EXPECT_TRUE(window.Command(u"mnuRedo"_s)->isEnabled());
    EXPECT_EQ(CellText(*window.Parts().CalendarPage, 10), u"One"_s);
    EXPECT_EQ(CellText(*window.Parts().CalendarPage, 11), QString());
    window.mnuClearAllCellContentsClick();
    ASSERT_TRUE(TMainWindowRun::WaitFor([&] { return !window.History().CanRedo(); }));
    EXPECT_EQ(window.History().Count(), 2);
    EXPECT_FALSE(window.Command(u"mnuRedo"_s)->isEnabled());
    EXPECT_EQ(window.Command(u"mnuUndo"_s)->text(), u"Undo Clear All"_s);
    window.Command(u"mnuUndo"_s)->trigger();
    EXPECT_EQ(CellText(*window.Parts().CalendarPage, 10), u"One"_s);
    EXPECT_EQ(CellText(*window.Parts().CalendarPage, 11), QString());
}

TEST_F(UndoCommandsTest, ADragOfAnObjectIsOneStep)
{
    TCalendarMain &window = Start();
    TCalendarPanel32 &view = *window.Parts().CalendarPanel;
    TCalendarPage &page = view.Page();
    window.Button(u"DrawLabelButton"_s)->click();
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(&view, QPoint(300, 160));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(300, 160));
    ASSERT_TRUE(WaitForSteps(window, 1));
    EXPECT_EQ(window.Command(u"mnuUndo"_s)->text(), u"Undo New Object"_s);
    const TBounds placed = page.Objects().At(0)->Bounds();

    page.Handle().Clear();
    page.Handle().Add(page.Objects().At(0));
    DragHandle(view);
    ASSERT_TRUE(WaitForSteps(window, 2));
    EXPECT_NE(page.Objects().At(0)->Bounds().Left, placed.Left);
    EXPECT_EQ(window.Command(u"mnuUndo"_s)->text(), u"Undo Object Change"_s);

    window.Command(u"mnuUndo"_s)->trigger();
    EXPECT_EQ(page.Objects().At(0)->Bounds().Left, placed.Left);
    EXPECT_EQ(page.Objects().At(0)->Bounds().Top, placed.Top);
    window.Command(u"mnuUndo"_s)->trigger();
    EXPECT_FALSE(page.HasObjects());
    EXPECT_FALSE(window.Session().Modified());
}

TEST_F(UndoCommandsTest, UndoingADragKeepsTheOtherObjectAndTheSelectionWithItsHandle)
{
    TCalendarMain &window = Start();
    TCalendarPanel32 &view = *window.Parts().CalendarPanel;
    TCalendarPage &page = view.Page();
    for (const auto &[from, to] : {std::pair{QPoint(60, 60), QPoint(160, 120)},
                                   std::pair{QPoint(300, 200), QPoint(420, 260)}}) {
        window.Button(u"DrawLabelButton"_s)->click();
        QTest::mousePress(&view, Qt::LeftButton, {}, from);
        QTest::mouseMove(&view, to);
        QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
        ASSERT_TRUE(WaitForSteps(window, page.Objects().Count())) << page.Objects().Count();
    }
    ASSERT_EQ(page.Objects().Count(), 2);
    TLumGraphicControl *other = page.Objects().At(0);
    TLumGraphicControl *dragged = page.Objects().At(1);
    const quint64 id = page.Objects().IdOf(dragged);
    const TBounds placed = dragged->Bounds();
    page.Handle().Clear();
    page.Handle().Add(dragged);
    DragHandle(view);
    ASSERT_TRUE(WaitForSteps(window, 3));
    ASSERT_NE(page.Objects().At(1)->Bounds(), placed);

    window.Command(u"mnuUndo"_s)->trigger();
    EXPECT_EQ(page.Objects().At(0), other);
    TLumGraphicControl *back = page.Objects().At(1);
    EXPECT_EQ(page.Objects().IdOf(back), id);
    EXPECT_EQ(back->Bounds(), placed);
    EXPECT_EQ(page.Objects().Selection(), QList<TLumGraphicControl *>{back});
    // The handle widget the user grabs sits around the object where it is now.
    QApplication::processEvents();
    const QWidget &handle = view.DesignSurface().HandleWidget();
    EXPECT_TRUE(handle.isVisible());
    EXPECT_TRUE(handle.geometry().contains(back->BoundsRect().ToQRect()));
    window.Command(u"mnuRedo"_s)->trigger();
    EXPECT_EQ(page.Objects().At(0), other);
    EXPECT_EQ(page.Objects().Selection(), QList<TLumGraphicControl *>{page.Objects().At(1)});
}

TEST_F(UndoCommandsTest, ThePagesMenuAndTheKeysUndoAndRedo)
{
    TCalendarMain &window = Start();
    TypeIntoCell(window, 12, u"Fair"_s);
    ASSERT_TRUE(WaitForSteps(window, 1));
    const TDesignMenu menu = window.Parts().CalendarPage->PanelMenu();
    ASSERT_GE(menu.size(), 3);
    EXPECT_EQ(menu[0].Caption, u"Undo Cell Text"_s);
    EXPECT_TRUE(menu[0].Enabled);
    EXPECT_EQ(menu[1].Caption, u"Redo"_s);
    EXPECT_FALSE(menu[1].Enabled);
    menu[0].Command();
    EXPECT_EQ(CellText(*window.Parts().CalendarPage, 12), QString());

    window.setFocus();
    QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(CellText(*window.Parts().CalendarPage, 12), u"Fair"_s);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(CellText(*window.Parts().CalendarPage, 12), QString());
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(CellText(*window.Parts().CalendarPage, 12), u"Fair"_s);
}

TEST_F(UndoCommandsTest, OpeningADocumentStartsANewHistory)
{
    TCalendarMain &window = Start();
    TypeIntoCell(window, 10, u"Swim"_s);
    ASSERT_TRUE(WaitForSteps(window, 1));
    run.AnswerYes = false;
    window.OpenCalendarFile(window.Session().FileName());
    EXPECT_EQ(window.History().Count(), 0);
    EXPECT_FALSE(window.Command(u"mnuUndo"_s)->isEnabled());
}
