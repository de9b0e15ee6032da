#include "CalendarPagePaint.h"
#include "MainWindowTestSupport.h"
#include "Numbers.h"
#include "TestObject.h"
#include "ToolSpeedButton.h"

#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The main window with the test kind as the label tool's object.
class DesignToolsTest : public testing::Test
{
protected:
    DesignToolsTest() { RegisterTestObjectClass(); }

    TCalendarMain &Start()
    {
        TCalendarMain &window = run.StartActive();
        window.Parts().CalendarPage->SetObjectCreator(
            psLabel, {[](TCalendarPage &) { return MakeTestObject(0, 0, 0, 0, clBlue); }, {}});
        return window;
    }

    // A label dragged out with the tool row's label tool, at the zoom shown.
    static void DrawLabel(TCalendarMain &window, QPoint from, QPoint to)
    {
        window.Button(u"DrawLabelButton"_s)->click();
        QTest::mousePress(window.Parts().CalendarPanel, Qt::LeftButton, {}, from);
        QTest::mouseMove(window.Parts().CalendarPanel, to);
        QTest::mouseRelease(window.Parts().CalendarPanel, Qt::LeftButton, {}, to);
    }

    TMainWindowRun run;
};

} // namespace

TEST_F(DesignToolsTest, TheToolButtonsChooseThePanelState)
{
    TCalendarMain &window = Start();
    const QList<QPair<QToolButton *, TLPanelState>> tools{
        {window.Button(u"DrawLabelButton"_s), psLabel},
        {window.Button(u"DrawImageButton"_s), psImage},
        {window.Button(u"DrawRichText"_s), psRichLabel},
        {window.Button(u"DrawSuperText"_s), psSuperText},
        {window.Button(u"PSpeedButton1"_s), psFlatCalendar},
        {window.Button(u"Pointerbutton"_s), psPointing}};
    for (const auto &[button, state] : tools) {
        button->click();
        EXPECT_EQ(window.Parts().CalendarPanel->Tool(), state);
        EXPECT_EQ(window.Parts().CalendarPage->Pointing(), state == psPointing);
    }
}

TEST_F(DesignToolsTest, ACreatedObjectMarksTheDocumentChangedAndTheSelectionToolReturns)
{
    TCalendarMain &window = Start();
    ASSERT_FALSE(window.Session().Modified());
    DrawLabel(window, QPoint(100, 100), QPoint(300, 160));
    ASSERT_TRUE(window.Parts().CalendarPage->HasObjects());
    EXPECT_TRUE(window.Session().Modified());
    EXPECT_TRUE(window.Button(u"Savebutton"_s)->isVisible());
    EXPECT_TRUE(window.Button(u"Pointerbutton"_s)->isChecked());
    EXPECT_EQ(window.Parts().CalendarPanel->Tool(), psPointing);
}

TEST_F(DesignToolsTest, CancelInANewObjectsDialogTakesItAwayAndOkLeavesItSelected)
{
    // Regression: Cancel in the dialog that follows a new label, rich-text
    // label, picture or SuperText left an empty placeholder on the page (and
    // the document changed), and a new object was not selected.
    TCalendarMain &window = run.StartActive();
    QApplication::processEvents();
    const QImage before = window.Parts().CalendarPanel->grab().toImage();
    const struct
    {
        QToolButton *tool;
        QString dialog;
    } tools[] = {{window.Button(u"DrawLabelButton"_s), u"Text"_s},
                 {window.Button(u"DrawRichText"_s), u"Rich Text Editor"_s},
                 {window.Button(u"DrawImageButton"_s), u"Load Image File "_s},
                 {window.Button(u"DrawSuperText"_s), u"SuperText Properties"_s}};
    for (const auto &tool : tools) {
        QStringList opened;
        SetModalAnswerer([&opened](QDialog &dialog) {
            opened.append(dialog.windowTitle());
            return int(QDialog::Rejected);
        });
        tool.tool->click();
        QTest::mousePress(window.Parts().CalendarPanel, Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseMove(window.Parts().CalendarPanel, QPoint(300, 160));
        QTest::mouseRelease(window.Parts().CalendarPanel, Qt::LeftButton, {}, QPoint(300, 160));
        SetModalAnswerer({});
        QApplication::processEvents();
        const std::string name = tool.dialog.toStdString();
        EXPECT_EQ(opened, QStringList{tool.dialog});
        EXPECT_EQ(window.Parts().CalendarPage->Objects().Count(), 0) << name;
        EXPECT_FALSE(window.Session().Modified()) << name;
        EXPECT_FALSE(window.Command(u"mnuUndo"_s)->isEnabled()) << name;
        EXPECT_TRUE(window.Button(u"Pointerbutton"_s)->isChecked()) << name;
        EXPECT_EQ(window.Parts().CalendarPanel->Tool(), psPointing) << name;
        EXPECT_EQ(window.Parts().CalendarPanel->grab().toImage(), before) << name;
    }

    SetModalAnswerer([](QDialog &) { return int(QDialog::Accepted); });
    DrawLabel(window, QPoint(100, 100), QPoint(300, 160));
    SetModalAnswerer({});
    QApplication::processEvents();
    ASSERT_EQ(window.Parts().CalendarPage->Objects().Count(), 1);
    TLumGraphicControl *label = window.Parts().CalendarPage->Objects().At(0);
    EXPECT_EQ(window.Parts().CalendarPage->Objects().Selection(),
              QList<TLumGraphicControl *>{label});
    const auto *handle = window.Parts().CalendarPanel->findChild<QWidget *>(u"LumHandle"_s);
    ASSERT_NE(handle, nullptr);
    EXPECT_TRUE(handle->isVisible());
    EXPECT_TRUE(handle->geometry().contains(label->BoundsRect().ToQRect()));
    EXPECT_TRUE(window.Session().Modified());
    EXPECT_EQ(window.Command(u"mnuUndo"_s)->text(), u"Undo New Object"_s);
}

TEST_F(DesignToolsTest, ChangesOfObjectsMarkTheDocumentChanged)
{
    TCalendarMain &window = Start();
    DrawLabel(window, QPoint(100, 100), QPoint(300, 160));
    window.SetModified(false);
    window.Parts().CalendarPage->LockAll();
    EXPECT_TRUE(window.Session().Modified());
}

TEST_F(DesignToolsTest, ObjectsAreSavedWithTheDocumentAndComeBackAtTheZoomShown)
{
    TCalendarMain &window = Start();
    const float zoom = window.Parts().CalendarPanel->Zoom();
    DrawLabel(window, QPoint(100, 100), QPoint(300, 160));
    const TBounds shown = window.Parts().CalendarPage->Objects().At(0)->Bounds();
    const QString document = window.Session().FileName();
    window.mnuSaveClick();
    ASSERT_FALSE(window.Session().Modified());

    TCalendarPage reread;
    reread.ObjectClasses().Register(TTestObject::Class());
    ASSERT_FALSE(reread.LoadFromFile(document));
    ASSERT_EQ(reread.Objects().Count(), 1);
    // Stored at zoom 1.
    EXPECT_EQ(reread.Objects().At(0)->Width(), Round(shown.Width / double(zoom)));

    window.Parts().CalendarPage->DeleteAllObjects();
    window.OpenCalendarFile(document);
    ASSERT_EQ(window.Parts().CalendarPage->Objects().Count(), 1);
    EXPECT_EQ(window.Parts().CalendarPanel->Zoom(), zoom);
    const TBounds back = window.Parts().CalendarPage->Objects().At(0)->Bounds();
    EXPECT_NEAR(back.Left, shown.Left, 1);
    EXPECT_NEAR(back.Width, shown.Width, 1);
    EXPECT_FALSE(window.Session().Modified());
    // A new document starts without them.
    run.AnswerYes = false;
    SetModalAnswerer([](QDialog &) { return int(QDialog::Accepted); });
    window.New1Click();
    EXPECT_FALSE(window.Parts().CalendarPage->HasObjects());
}

TEST_F(DesignToolsTest, TheExportedBitmapShowsTheObjectsWithoutTheirSquares)
{
    TCalendarMain &window = Start();
    DrawLabel(window, QPoint(200, 200), QPoint(300, 260));
    window.Parts().CalendarPage->SelectAll();
    const QImage bitmap = window.Parts().CalendarPanel->RenderToBitmap();
    EXPECT_EQ(bitmap.pixel(250, 230), qRgb(0, 0, 255));
    // Where a selection square stands on the screen, the page shows.
    EXPECT_EQ(bitmap.pixel(198, 198),
              RenderPageImage(*window.Parts().CalendarPage).pixel(198, 198));
    EXPECT_EQ(window.Parts().CalendarPanel->grab().toImage().pixel(198, 198), qRgb(0, 0, 0));
}

TEST_F(DesignToolsTest, ARightClickBesideTheMenuADoubleClickOpenedOpensTheMenuAgain)
{
    // Regression: the first right-click after a double-click on an object was
    // ignored: it only closed the menu the double-click had opened.
    TCalendarMain &window = run.StartActive();
    SetModalAnswerer([](QDialog &) { return int(QDialog::Accepted); });
    DrawLabel(window, QPoint(100, 100), QPoint(300, 160));
    SetModalAnswerer({});
    auto *handle = window.Parts().CalendarPanel->findChild<QWidget *>(u"LumHandle"_s);
    ASSERT_TRUE(handle && handle->isVisible());
    const QPoint onLabel = handle->rect().center();

    int menus = 0;
    QPointer<QMenu> seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu || menu == seen)
            return;
        seen = menu;
        if (++menus == 1) {
            // The right button pressed beside the menu, on the label's top
            // left (the menu opened down and right of the double-click).
            const QPoint beside = menu->mapFromGlobal(handle->mapToGlobal(QPoint(8, 8)));
            ASSERT_FALSE(menu->rect().contains(beside));
            QTest::mousePress(menu, Qt::RightButton, {}, beside);
        } else {
            menu->close();
        }
    });
    watch.start(5);
    QTest::mouseDClick(handle, Qt::LeftButton, {}, onLabel);
    TMainWindowRun::WaitFor([&] { return menus == 2 && !QApplication::activePopupWidget(); });
    watch.stop();
    EXPECT_EQ(menus, 2);
}
