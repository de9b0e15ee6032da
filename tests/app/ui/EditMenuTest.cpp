#include "MainWindowTestSupport.h"
#include "TestObject.h"

#include <QClipboard>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The main window with two objects of the test kind on its page.
class EditMenuTest : public testing::Test
{
protected:
    EditMenuTest() { RegisterTestObjectClass(); }

    TCalendarMain &Start()
    {
        TCalendarMain &window = run.StartActive();
        TCalendarPage &page = *window.Parts().CalendarPage;
        for (const QRect &at : {QRect(40, 40, 60, 40), QRect(160, 40, 60, 40)})
            page.PlaceObject(MakeTestObject(0, 0, 0, 0),
                             {at.left(), at.top(), at.left() + at.width(), at.top() + at.height()});
        QApplication::processEvents();
        return window;
    }

    // A key as the user presses it in the window.
    static void Press(TCalendarMain &window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        QTest::keyClick(target, key, modifiers);
        QApplication::processEvents();
    }

    TMainWindowRun run;
};

} // namespace

TEST_F(EditMenuTest, TheKeysActOnThePlacedObjectsOfThePage)
{
    TCalendarMain &window = Start();
    TCalendarPage &page = *window.Parts().CalendarPage;
    QTest::mouseClick(window.Parts().CalendarPanel, Qt::LeftButton, {}, QPoint(60, 60));
    ASSERT_EQ(page.Objects().Selection().size(), 1);

    Press(window, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QFileInfo::exists(page.ClipboardFileName()));
    Press(window, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(page.Objects().Count(), 3);
    Press(window, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(page.Objects().Selection().size(), 3);
    Press(window, Qt::Key_Delete);
    EXPECT_EQ(page.Objects().Count(), 0);
    QApplication::processEvents();
    // Undo names the change it takes back.
    EXPECT_TRUE(window.Command(u"mnuUndo"_s)->text().startsWith(u"Undo "_s))
        << window.Command(u"mnuUndo"_s)->text().toStdString();
    EXPECT_TRUE(window.Command(u"mnuUndo"_s)->isEnabled());
    window.Command(u"mnuUndo"_s)->trigger();
    EXPECT_EQ(page.Objects().Count(), 3);

    // Cut from the menu takes the selection away onto the clipboard.
    QTest::mouseClick(window.Parts().CalendarPanel, Qt::LeftButton, {}, QPoint(180, 60));
    window.Menu(u"EditMenu"_s)->popup(window.mapToGlobal(QPoint(0, 0)));
    EXPECT_TRUE(window.Command(u"mnuCut"_s)->isEnabled());
    window.Menu(u"EditMenu"_s)->hide();
    window.Command(u"mnuCut"_s)->trigger();
    EXPECT_EQ(page.Objects().Count(), 2);
    EXPECT_TRUE(window.Session().Modified());
}

TEST_F(EditMenuTest, TheCommandsActOnTheTextOfTheCellBeingEdited)
{
    TCalendarMain &window = Start();
    TCalendarPage &page = *window.Parts().CalendarPage;
    const int cell = page.CellOfDay(7);
    ClickPage(*window.Parts().CalendarPanel, CellCentre(page, cell));
    ASSERT_TRUE(window.Session().CellEditing());
    TypeText(u"Picnic"_s);
    window.Command(u"mnuSelectAll"_s)->trigger();
    window.Menu(u"EditMenu"_s)->popup(window.mapToGlobal(QPoint(0, 0)));
    EXPECT_TRUE(window.Command(u"mnuCopy"_s)->isEnabled());
    EXPECT_TRUE(window.Command(u"mnuDelete"_s)->isEnabled());
    window.Menu(u"EditMenu"_s)->hide();
    window.Command(u"mnuCopy"_s)->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"Picnic"_s);
    window.Command(u"mnuDelete"_s)->trigger();
    EXPECT_TRUE(window.Parts().WPRichText1->IsEmpty());
    window.Command(u"mnuPaste"_s)->trigger();
    window.Command(u"mnuPaste"_s)->trigger();
    EXPECT_EQ(window.Parts().WPRichText1->RtfText().Document().toPlainText(), u"PicnicPicnic"_s);
    // The page's objects were left alone throughout.
    EXPECT_EQ(page.Objects().Count(), 2);
    EXPECT_TRUE(page.Objects().Selection().isEmpty());
    window.DoSaveRichtext();
    EXPECT_EQ(CellText(page, cell), u"PicnicPicnic"_s);
}
