#include "CalendarPagePaint.h"
#include "MainWindowTestSupport.h"
#include "Numbers.h"
#include "TestObject.h"
#include "ToolSpeedButton.h"

#include <QImage>
#include <QTest>

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
        window.CalendarPanel->SetObjectCreator(
            psLabel, {[](TCalendarPage &) { return MakeTestObject(0, 0, 0, 0, clBlue); }, {}});
        return window;
    }

    // A label dragged out with the tool row's label tool, at the zoom shown.
    static void DrawLabel(TCalendarMain &window, QPoint from, QPoint to)
    {
        window.DrawLabelButton->click();
        QTest::mousePress(window.CalendarPanel, Qt::LeftButton, {}, from);
        QTest::mouseMove(window.CalendarPanel, to);
        QTest::mouseRelease(window.CalendarPanel, Qt::LeftButton, {}, to);
    }

    TMainWindowRun run;
};

} // namespace

TEST_F(DesignToolsTest, TheToolButtonsChooseThePanelState)
{
    TCalendarMain &window = Start();
    const QList<QPair<TToolSpeedButton *, TLPanelState>> tools{
        {window.DrawLabelButton, psLabel},      {window.DrawImageButton, psImage},
        {window.DrawRichText, psRichLabel},     {window.DrawSuperText, psSuperText},
        {window.PSpeedButton1, psFlatCalendar}, {window.Pointerbutton, psPointing}};
    for (const auto &[button, state] : tools) {
        button->click();
        EXPECT_EQ(window.CalendarPanel->PanelState(), state);
        EXPECT_EQ(window.CalendarPanel->Pointing(), state == psPointing);
    }
}

TEST_F(DesignToolsTest, ACreatedObjectMarksTheDocumentChangedAndTheSelectionToolReturns)
{
    TCalendarMain &window = Start();
    ASSERT_FALSE(window.Modified);
    DrawLabel(window, QPoint(100, 100), QPoint(300, 160));
    ASSERT_TRUE(window.CalendarPanel->HasObjects());
    EXPECT_TRUE(window.Modified);
    EXPECT_TRUE(window.Savebutton->isVisible());
    EXPECT_TRUE(window.Pointerbutton->isChecked());
    EXPECT_EQ(window.CalendarPanel->PanelState(), psPointing);
    // The SuperText tool opens the object's properties at once; the object
    // stays when they are cancelled, and the tool returns as well.
    QStringList opened;
    SetModalAnswerer([&opened](QDialog &dialog) {
        opened.append(dialog.windowTitle());
        return int(QDialog::Rejected);
    });
    window.DrawSuperText->click();
    QTest::mouseClick(window.CalendarPanel, Qt::LeftButton, {}, QPoint(400, 400));
    SetModalAnswerer({});
    EXPECT_EQ(opened, QStringList{u"SuperText Properties"_s});
    EXPECT_EQ(window.CalendarPanel->Objects().Count(), 2);
    EXPECT_TRUE(window.Pointerbutton->isChecked());
}

TEST_F(DesignToolsTest, ThePictureToolOpensTheBrowserAtOnce)
{
    TCalendarMain &window = Start();
    QStringList opened;
    SetModalAnswerer([&opened](QDialog &dialog) {
        opened.append(dialog.windowTitle());
        return int(QDialog::Rejected);
    });
    window.DrawImageButton->click();
    QTest::mousePress(window.CalendarPanel, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(window.CalendarPanel, QPoint(200, 180));
    QTest::mouseRelease(window.CalendarPanel, Qt::LeftButton, {}, QPoint(200, 180));
    SetModalAnswerer({});
    EXPECT_EQ(opened, QStringList{u"Load Image File "_s});
    ASSERT_EQ(window.CalendarPanel->Objects().Count(), 1);
    EXPECT_EQ(window.CalendarPanel->Objects().At(0)->ClassInfo().ClassName(), u"TLumImage"_s);
    EXPECT_TRUE(window.Pointerbutton->isChecked());
}

TEST_F(DesignToolsTest, ChangesOfObjectsMarkTheDocumentChanged)
{
    TCalendarMain &window = Start();
    DrawLabel(window, QPoint(100, 100), QPoint(300, 160));
    window.SetModified(false);
    window.CalendarPanel->LockAll();
    EXPECT_TRUE(window.Modified);
}

TEST_F(DesignToolsTest, ObjectsAreSavedWithTheDocumentAndComeBackAtTheZoomShown)
{
    TCalendarMain &window = Start();
    const float zoom = window.CalendarPanel->Scale();
    DrawLabel(window, QPoint(100, 100), QPoint(300, 160));
    const TBounds shown = window.CalendarPanel->Objects().At(0)->Bounds();
    const QString document = window.DocumentFileName;
    window.mnuSaveClick();
    ASSERT_FALSE(window.Modified);

    TCalendarPage reread;
    reread.ObjectClasses().Register(TTestObject::Class());
    ASSERT_FALSE(reread.LoadFromFile(document));
    ASSERT_EQ(reread.Objects().Count(), 1);
    // Stored at zoom 1.
    EXPECT_EQ(reread.Objects().At(0)->Width(), Round(shown.Width / double(zoom)));

    window.CalendarPanel->DeleteAllObjects();
    window.OpenCalendarFile(document);
    ASSERT_EQ(window.CalendarPanel->Objects().Count(), 1);
    EXPECT_EQ(window.CalendarPanel->Scale(), zoom);
    const TBounds back = window.CalendarPanel->Objects().At(0)->Bounds();
    EXPECT_NEAR(back.Left, shown.Left, 1);
    EXPECT_NEAR(back.Width, shown.Width, 1);
    EXPECT_FALSE(window.Modified);
    // A new document starts without them.
    run.AnswerYes = false;
    SetModalAnswerer([](QDialog &) { return int(QDialog::Accepted); });
    window.New1Click();
    EXPECT_FALSE(window.CalendarPanel->HasObjects());
}

TEST_F(DesignToolsTest, TheExportedBitmapShowsTheObjectsWithoutTheirSquares)
{
    TCalendarMain &window = Start();
    DrawLabel(window, QPoint(200, 200), QPoint(300, 260));
    window.CalendarPanel->SelectAll();
    const QImage bitmap = window.CalendarPanel->RenderToBitmap();
    EXPECT_EQ(bitmap.pixel(250, 230), qRgb(0, 0, 255));
    // Where a selection square stands on the screen, the page shows.
    EXPECT_EQ(bitmap.pixel(198, 198), RenderPageImage(*window.CalendarPanel).pixel(198, 198));
    EXPECT_EQ(window.CalendarPanel->grab().toImage().pixel(198, 198), qRgb(0, 0, 0));
}
