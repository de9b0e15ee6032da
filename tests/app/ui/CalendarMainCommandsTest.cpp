#include "FloatingPalette.h"
#include "MRUFileList.h"
#include "MainWindowTestSupport.h"
#include "ToolSpeedButton.h"
#include "WPRichText.h"

#include <QButtonGroup>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolButton>
#include <QToolTip>
#include <QWheelEvent>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Caption and shortcut of each item, "-" for a separator.
QStringList MenuItems(const QMenu &menu)
{
    QStringList items;
    for (const QAction *action : menu.actions()) {
        if (action->isSeparator())
            items.append(u"-"_s);
        else if (action->shortcut().isEmpty())
            items.append(action->text());
        else
            items.append(action->text() + u" | "_s + action->shortcut().toString());
    }
    return items;
}

TEST(CalendarMainCommandsTest, MenusHoldEveryItemInOrderWithRecentFilesAppended)
{
    TMainWindowRun run;
    const QString document = run.WriteDocument(u"Dec1999.DWC"_s);
    run.WriteIni("[MRU]\r\nF0=" + document.toLocal8Bit() + "\r\n");
    TCalendarMain &window = run.Start();

    QStringList menus;
    for (const QAction *action : window.menuBar()->actions())
        menus.append(action->text());
    EXPECT_EQ(menus, (QStringList{u"&File"_s, u"&Edit"_s, u"&Online"_s, u"&Help"_s}));
    EXPECT_EQ(MenuItems(*window.Menu(u"FileMenu"_s)),
              (QStringList{u"&New "_s,
                           u"New from &Template..."_s,
                           u"&Open"_s,
                           u"-"_s,
                           u"&Save  | Ctrl+S"_s,
                           u"Save &As..."_s,
                           u"Save As Bitmap File"_s,
                           u"Save As JPG File"_s,
                           u"Save As PNG File"_s,
                           u"Save As PDF File"_s,
                           u"Save As PDF for Printing..."_s,
                           u"-"_s,
                           u"&Properties"_s,
                           u"User Defined Title"_s,
                           u"Edit Co&ver Page"_s,
                           u"&Cancel Changes"_s,
                           u"Clear &All Cell Contents"_s,
                           u"&Default Editor Font"_s,
                           u"-"_s,
                           u"Fill Calendar with Recurring Dates"_s,
                           u"Fill Calendar from iCalendar File..."_s,
                           u"Edit Recurring Dates"_s,
                           u"-"_s,
                           u"P&rint Calendar"_s,
                           u"Print Set&up"_s,
                           u"-"_s,
                           u"E&xit"_s,
                           u"-"_s,
                           u"&1 "_s + document}));
    EXPECT_EQ(MenuItems(*window.Menu(u"EditMenu"_s)),
              (QStringList{u"Undo | Ctrl+Z"_s,
                           u"Redo | "_s +
                               QKeySequence::keyBindings(QKeySequence::Redo).value(0).toString(),
                           u"-"_s, u"Cu&t | Ctrl+X"_s, u"&Copy | Ctrl+C"_s, u"&Paste | Ctrl+V"_s,
                           u"&Delete | Del"_s, u"-"_s, u"Select &All | Ctrl+A"_s}));
    EXPECT_EQ(MenuItems(*window.Menu(u"mnuOnLine"_s)),
              QStringList{u"Visit Our Internet Website"_s});
    EXPECT_EQ(MenuItems(*window.Menu(u"Help1"_s)),
              (QStringList{u"&Contents"_s, u"&About"_s, u"&Show Hints"_s, u"&Language"_s}));
    EXPECT_TRUE(window.Menu(u"mnuOnLine"_s)->menuAction()->isVisible());
    for (const char *name : {"N3", "N1", "N7", "N5", "N2", "mnuSave", "Exit1", "mnuShowHint"})
        EXPECT_NE(window.findChild<QAction *>(QString::fromLatin1(name)), nullptr) << name;
}

TEST(CalendarMainCommandsTest, ToolRowButtonsSitAtTheirPlacesWithTheirHints)
{
    TMainWindowRun run;
    TCalendarMain &window = run.Start();
    const struct
    {
        QToolButton *button;
        QRect bounds;
        QString hint;
    } buttons[] = {
        {window.Button(u"ZoomPlusButton"_s), {5, 4, 24, 22}, u"Zoom In"_s},
        {window.Button(u"ZoomMinusButton"_s), {32, 4, 24, 22}, u"Zoom Out"_s},
        {window.Button(u"PropertiesButton"_s),
         {77, 4, 24, 22},
         u"Set/change Properties for the calendar"_s},
        {window.Button(u"Printbutton"_s), {104, 4, 24, 22}, u"Print the calendar"_s},
        {window.Button(u"ShowHideIconTool"_s), {135, 4, 96, 22}, {}},
        {window.Button(u"Pointerbutton"_s), {239, 4, 22, 22}, u"Selection tool"_s},
        {window.Button(u"DrawLabelButton"_s), {261, 4, 22, 22}, u"Label tool"_s},
        {window.Button(u"DrawImageButton"_s), {283, 4, 22, 22}, u"Clip Art Tool"_s},
        {window.Button(u"DrawRichText"_s),
         {305, 4, 22, 22},
         u"Rich Text tool \nMixed fonts, colors and styles"_s},
        {window.Button(u"DrawSuperText"_s),
         {327, 4, 22, 22},
         u"SuperText tool \nSpecial Effects Text - fill with gradients or bitmaps"_s},
        {window.Button(u"PSpeedButton1"_s),
         {349, 4, 22, 22},
         u"Floating Calendar tool \nMini Calendar that you can place anywhere"_s},
        {window.Button(u"Savebutton"_s), {488, 4, 51, 22}, u"Save changes to the calendar"_s},
        {window.Button(u"CancelButton"_s), {541, 4, 51, 22}, u"Cancel all changes"_s},
    };
    for (const auto &b : buttons) {
        EXPECT_EQ(b.button->parentWidget(), window.Parts().Panel3);
        EXPECT_EQ(b.button->geometry(), b.bounds) << b.button->objectName().toStdString();
        EXPECT_EQ(b.button->toolTip(), b.hint) << b.button->objectName().toStdString();
    }
    EXPECT_EQ(window.Parts().Panel3->height(), 33);
    EXPECT_EQ(window.Parts().WPToolBar1->height(), 26);
    EXPECT_EQ(window.Button(u"Savebutton"_s)->text(), u"&Save"_s);
    EXPECT_TRUE(window.Button(u"Savebutton"_s)->font().bold());
    EXPECT_EQ(window.Button(u"Savebutton"_s)->palette().color(QPalette::ButtonText),
              QColor(0, 128, 0));
    EXPECT_EQ(window.Button(u"CancelButton"_s)->palette().color(QPalette::ButtonText),
              QColor(255, 0, 0));
    EXPECT_FALSE(window.Parts().MASTERWPRICHTEXT->isVisibleTo(window.Parts().Panel3));
    EXPECT_TRUE(window.Parts().MASTERWPRICHTEXT->WantTabs());
    EXPECT_FALSE(window.Parts().WPRichText1->WantTabs());
    EXPECT_EQ(window.Parts().CalendarPanel->parentWidget(),
              window.Parts().WPRichText1->parentWidget());
    EXPECT_FALSE(window.Parts().Panel2->isVisibleTo(window.Parts().ScrollBox2));
    for (const QAbstractButton *button : window.Parts().ToolButtons->buttons())
        EXPECT_FALSE(button->icon().isNull()) << button->objectName().toStdString();
}

TEST(CalendarMainCommandsTest, ToolButtonsFormOneExclusiveGroupSettingThePanelState)
{
    TMainWindowRun run;
    TCalendarMain &window = run.Start();
    EXPECT_TRUE(window.Button(u"Pointerbutton"_s)->isChecked());
    EXPECT_EQ(window.Parts().ToolButtons->buttons().size(), 6);

    window.Button(u"DrawSuperText"_s)->click();
    EXPECT_TRUE(window.Button(u"DrawSuperText"_s)->isChecked());
    EXPECT_FALSE(window.Button(u"Pointerbutton"_s)->isChecked());
    EXPECT_EQ(window.Parts().CalendarPanel->Tool(), psSuperText);

    window.Button(u"Pointerbutton"_s)->click();
    EXPECT_FALSE(window.Button(u"DrawSuperText"_s)->isChecked());
    EXPECT_EQ(window.Parts().CalendarPanel->Tool(), psPointing);
}

// The window follows the session it holds: a change made on the session
// alone shows on the tool row, and the page's own tool changes reach it.
TEST(CalendarMainCommandsTest, SessionChangesShowOnTheWindowAndThePageToolReachesTheSession)
{
    TMainWindowRun run;
    const QString document = run.WriteDocument(u"Dec1999.DWC"_s);
    TCalendarMain &window = run.Start();
    ASSERT_TRUE(window.OpenCalendarFile(document));
    EXPECT_FALSE(window.Button(u"Savebutton"_s)->isVisibleTo(&window));

    window.Session().SetModified(true);
    EXPECT_TRUE(window.Button(u"Savebutton"_s)->isVisibleTo(&window));
    EXPECT_TRUE(window.Button(u"CancelButton"_s)->isVisibleTo(&window));
    window.Session().SetModified(false);
    EXPECT_FALSE(window.Button(u"Savebutton"_s)->isVisibleTo(&window));

    window.Session().SetTool(psImage);
    EXPECT_TRUE(window.Button(u"DrawImageButton"_s)->isChecked());
    EXPECT_EQ(window.Parts().CalendarPanel->Tool(), psImage);
    window.Parts().CalendarPanel->SetTool(psRichLabel);
    EXPECT_EQ(window.Session().Tool(), psRichLabel);
    EXPECT_TRUE(window.Button(u"DrawRichText"_s)->isChecked());
    window.Button(u"DrawLabelButton"_s)->click();
    EXPECT_EQ(window.Session().Tool(), psLabel);
    EXPECT_EQ(window.Parts().CalendarPanel->Tool(), psLabel);
}

TEST(CalendarMainCommandsTest, LayoutWithoutDayCellsDisablesCellCommandsAndHidesPalette)
{
    TMainWindowRun run;
    const QString month = run.WriteDocument(u"Month.DWC"_s, loFullCalendar);
    const QString minis = run.WriteDocument(u"Minis.DWC"_s, loMC12Month);
    run.WriteIni("[MRU]\r\nF0=" + month.toLocal8Bit() + "\r\n");
    TCalendarMain &window = run.Start();
    ASSERT_TRUE(window.Parts().IconPalette->isVisible());
    EXPECT_TRUE(window.Command(u"mnuFillCalendarwithRecurringDates"_s)->isEnabled());
    EXPECT_TRUE(window.Button(u"ShowHideIconTool"_s)->isEnabled());

    window.OpenCalendarFile(minis);
    EXPECT_TRUE(run.Messages.isEmpty());
    EXPECT_TRUE(window.Parts().CalendarPanel->PageShown());
    for (const QAction *item :
         {window.Command(u"mnuFillCalendarwithRecurringDates"_s), window.Command(u"mnuUserTitle"_s),
          window.Command(u"mnuClearAllCellContents"_s)})
        EXPECT_FALSE(item->isEnabled()) << item->objectName().toStdString();
    EXPECT_FALSE(window.Button(u"ShowHideIconTool"_s)->isEnabled());
    EXPECT_FALSE(window.Parts().IconPalette->isVisible());
    EXPECT_FALSE(window.Preferences.IconToolVisible);
    // Commands of the page as such stay.
    EXPECT_TRUE(window.Command(u"mnuProperties"_s)->isEnabled());
    EXPECT_EQ(window.Parts().MRUFileList->Files(), (QStringList{minis, month}));
}

TEST(CalendarMainCommandsTest, IconToolButtonTogglesThePalette)
{
    TMainWindowRun run;
    const QString month = run.WriteDocument(u"Month.DWC"_s);
    run.WriteIni("[MRU]\r\nF0=" + month.toLocal8Bit() + "\r\n");
    TCalendarMain &window = run.Start();
    ASSERT_TRUE(window.Parts().IconPalette->isVisible());

    window.ShowHideIconToolClick();
    EXPECT_FALSE(window.Parts().IconPalette->isVisible());
    EXPECT_FALSE(window.Preferences.IconToolVisible);
    EXPECT_EQ(window.Button(u"ShowHideIconTool"_s)->text(), u"Show Icon Tool"_s);
    window.ShowHideIconToolClick();
    EXPECT_TRUE(window.Parts().IconPalette->isVisible());
    EXPECT_EQ(window.Button(u"ShowHideIconTool"_s)->text(), u"Hide Icon Tool"_s);
}

// Sends a key press where the keyboard goes now.
void PressKey(QWidget &window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
}

TEST(CalendarMainCommandsTest, PageKeysZoomAndEndTheCellEditFirst)
{
    TMainWindowRun run;
    TCalendarMain &window = run.StartActive();
    ASSERT_EQ(QApplication::activeWindow(), &window);

    // One step per key, whichever widget has the focus.
    window.Parts().CalendarPanel->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), window.Parts().CalendarPanel);
    PressKey(window, Qt::Key_PageDown);
    EXPECT_NEAR(window.Parts().CalendarPanel->Zoom(), 0.701f, 1e-6);
    EXPECT_TRUE(window.windowTitle().endsWith(u"[70%]"_s));
    PressKey(window, Qt::Key_PageUp);
    PressKey(window, Qt::Key_PageUp);
    EXPECT_NEAR(window.Parts().CalendarPanel->Zoom(), 0.501f, 1e-6);

    // With a cell open in the editor the key zooms too, storing the cell and
    // opening it again at the new zoom.
    const int index = window.Parts().CalendarPage->CellOfDay(3);
    ClickPage(*window.Parts().CalendarPanel, CellCentre(*window.Parts().CalendarPage, index));
    ASSERT_TRUE(window.Session().CellEditing());
    TypeText(u"Dentist"_s);
    PressKey(window, Qt::Key_PageDown);
    EXPECT_NEAR(window.Parts().CalendarPanel->Zoom(), 0.601f, 1e-6);
    EXPECT_EQ(CellText(*window.Parts().CalendarPage, index), u"Dentist"_s);
    EXPECT_TRUE(window.Session().CellEditing());
    EXPECT_EQ(window.Session().CurrentCell(), index);
}

// Ctrl with = or - left the zoom alone, unlike other Qt programs.
TEST(CalendarMainCommandsTest, CtrlPlusAndMinusStepThroughTheZoomStops)
{
    TMainWindowRun run;
    TCalendarMain &window = run.StartActive();
    window.Parts().CalendarPanel->setFocus();
    const struct
    {
        int key;
        Qt::KeyboardModifiers modifiers;
        float scale;
    } keys[] = {
        {Qt::Key_Equal, Qt::ControlModifier, 0.701f},
        {Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier, 0.801f},
        {Qt::Key_Minus, Qt::ControlModifier, 0.701f},
        {Qt::Key_Minus, Qt::NoModifier, 0.701f},
        {Qt::Key_Equal, Qt::ControlModifier | Qt::AltModifier, 0.701f},
        {Qt::Key_Minus, Qt::ControlModifier, 0.601f},
    };
    for (const auto &k : keys) {
        PressKey(window, k.key, k.modifiers);
        EXPECT_NEAR(window.Parts().CalendarPanel->Zoom(), k.scale, 1e-6) << k.key;
    }
    EXPECT_TRUE(window.windowTitle().endsWith(u"[60%]"_s));
}

// Turns the wheel over the middle of widget by delta (120 a notch) with
// modifiers held.
void TurnWheel(QWidget &widget, int delta, Qt::KeyboardModifiers modifiers)
{
    const QPointF centre = QRectF(widget.rect()).center();
    QWheelEvent wheel(centre, widget.mapToGlobal(centre), {}, QPoint(0, delta), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &wheel);
}

// Ctrl with the wheel left the zoom alone, unlike other Qt programs.
TEST(CalendarMainCommandsTest, CtrlWheelStepsThroughTheZoomStopsOverThePage)
{
    TMainWindowRun run;
    TCalendarMain &window = run.StartActive();
    ASSERT_NEAR(window.Parts().CalendarPanel->Zoom(), 0.601f, 1e-6);
    QWidget &page = *window.Parts().CalendarPanel;
    QWidget &around = *window.Parts().ScrollBox2->viewport();
    const struct
    {
        QWidget *over;
        int delta;
        Qt::KeyboardModifiers modifiers;
        float scale;
    } turns[] = {
        {&page, 120, Qt::ControlModifier, 0.701f},
        {&page, -120, Qt::ControlModifier, 0.601f},
        {&around, 120, Qt::ControlModifier, 0.701f},
        // Two notches at once are two steps.
        {&page, 240, Qt::ControlModifier, 0.901f},
        {&page, -240, Qt::ControlModifier, 0.701f},
        {&page, -240, Qt::ControlModifier, 0.501f},
        // No step below the lowest stop.
        {&page, -120, Qt::ControlModifier, 0.501f},
        // Half notches add up to a step.
        {&page, 60, Qt::ControlModifier, 0.501f},
        {&page, 60, Qt::ControlModifier, 0.601f},
        // Without Ctrl the wheel scrolls.
        {&page, 120, Qt::NoModifier, 0.601f},
        {&page, 120, Qt::ShiftModifier, 0.601f},
    };
    for (const auto &t : turns) {
        TurnWheel(*t.over, t.delta, t.modifiers);
        EXPECT_NEAR(window.Parts().CalendarPanel->Zoom(), t.scale, 1e-6) << t.delta;
    }
    EXPECT_TRUE(window.windowTitle().endsWith(u"[60%]"_s));
    // Not over the tool row.
    TurnWheel(*window.Parts().Panel3, 120, Qt::ControlModifier);
    EXPECT_NEAR(window.Parts().CalendarPanel->Zoom(), 0.601f, 1e-6);
}

// The page stuck to the window's top-left corner however much room there was.
TEST(CalendarMainCommandsTest, ThePageSitsCentredWhenTheWindowIsLargerThanThePage)
{
    TMainWindowRun run;
    TCalendarMain &window = run.StartActive("[Zooming]\r\nMain=30\r\n");
    window.resize(1200, 900);
    QApplication::processEvents();
    const QWidget &view = *window.Parts().ScrollBox2->viewport();
    const QRect page = window.Parts().CalendarPanel->geometry();
    ASSERT_LT(page.width() + 10, view.width());
    EXPECT_NEAR(page.left(), view.width() - 1 - page.right(), 1);
    EXPECT_NEAR(page.top(), view.height() - 1 - page.bottom(), 1);
    EXPECT_EQ(window.Parts().ScrollBox2->widget()->size(), view.size());

    // Larger than the window: a margin from the edges, all of it reachable.
    window.ZoomPlusButtonClick();
    window.ZoomPlusButtonClick();
    window.ZoomPlusButtonClick();
    window.resize(500, 400);
    QApplication::processEvents();
    EXPECT_EQ(window.Parts().CalendarPanel->pos(), QPoint(5, 5));
    EXPECT_EQ(window.Parts().ScrollBox2->widget()->size(),
              window.Parts().CalendarPanel->size() + QSize(10, 10));
}

TEST(CalendarMainCommandsTest, TabMovesBetweenCellsOnlyFromTheVisibleEditor)
{
    TMainWindowRun run;
    TCalendarMain &window = run.StartActive();
    QList<int> opened;
    window.Parts().CalendarPage->ClickedInCellEvent = [&opened](const TRect &, const TRect &,
                                                                int iCell, int, TWPRtfStorage &) {
        opened.append(iCell);
    };

    // Not from elsewhere: the key goes on as usual.
    window.Session().SetCurrentCell(10);
    PressKey(window, Qt::Key_Tab);
    EXPECT_TRUE(opened.isEmpty());

    window.Parts().WPRichText1->show();
    window.Parts().WPRichText1->setFocus();
    ASSERT_TRUE(window.Parts().WPRichText1->isAncestorOf(QApplication::focusWidget()) ||
                QApplication::focusWidget() == window.Parts().WPRichText1);
    PressKey(window, Qt::Key_Tab);
    PressKey(window, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(opened, (QList<int>{11, 9}));
    // The editor keeps the focus: the key was consumed.
    EXPECT_TRUE(window.Parts().WPRichText1->isAncestorOf(QApplication::focusWidget()) ||
                QApplication::focusWidget() == window.Parts().WPRichText1);

    opened.clear();
    window.Session().SetCurrentCell(42);
    PressKey(window, Qt::Key_Tab);
    window.Session().SetCurrentCell(1);
    PressKey(window, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(opened.isEmpty());
}

TEST(CalendarMainCommandsTest, HintsCanBeSwitchedOffEverywhere)
{
    TMainWindowRun run;
    TCalendarMain &window = run.StartActive();
    const auto hintShown = [&window] {
        QToolTip::hideText();
        TMainWindowRun::WaitFor([] { return !QToolTip::isVisible(); });
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5),
                        window.Button(u"Pointerbutton"_s)->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(window.Button(u"Pointerbutton"_s), &help);
        return QToolTip::isVisible();
    };
    EXPECT_TRUE(hintShown());

    window.mnuShowHintClick();
    EXPECT_FALSE(window.Command(u"mnuShowHint"_s)->isChecked());
    EXPECT_FALSE(window.Preferences.HintsOn);
    EXPECT_FALSE(TIniFile(SettingsFileName()).ReadBool(u"Hints"_s, u"On"_s, true));
    EXPECT_FALSE(hintShown());

    window.mnuShowHintClick();
    EXPECT_TRUE(window.Preferences.HintsOn);
    EXPECT_TRUE(hintShown());
    QToolTip::hideText();
}

TEST(CalendarMainCommandsTest, MovingOverTheToolRowRepairsALeftOverBusyCursor)
{
    TMainWindowRun run;
    TCalendarMain &window = run.Start();
    const auto moveOver = [](QWidget *widget) {
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    };
    window.ShowBusyCursor();
    moveOver(window.Parts().ScrollBox2);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    moveOver(window.Button(u"ZoomPlusButton"_s));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // The creation tools' drag cursor stays.
    window.Button(u"DrawLabelButton"_s)->click();
    window.ShowBusyCursor();
    window.ShowNormalCursor();
    moveOver(window.Parts().Panel3);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::DragCopyCursor);
    window.Button(u"Pointerbutton"_s)->click();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(CalendarMainCommandsTest, ClosingWithChangesAsksOnceAndSavesOnYes)
{
    for (const bool yes : {true, false}) {
        TMainWindowRun run;
        run.AnswerYes = yes;
        const QString document = run.WriteDocument(u"Dec1999.DWC"_s);
        run.WriteIni("[MRU]\r\nF0=" + document.toLocal8Bit() + "\r\n");
        TCalendarMain &window = run.Start();
        window.Parts().CalendarPage->SetUserTitle(u"Family"_s);
        window.SetModified(true);
        EXPECT_TRUE(window.Button(u"Savebutton"_s)->isVisibleTo(window.Parts().Panel3));
        EXPECT_TRUE(window.Button(u"CancelButton"_s)->isVisibleTo(window.Parts().Panel3));

        window.close();
        ASSERT_EQ(run.Questions.size(), 1);
        EXPECT_EQ(run.Questions[0], qMakePair(u"Save changes?"_s, u"Save"_s));
        TCalendarPage reread;
        ASSERT_FALSE(reread.LoadFromFile(document).has_value());
        EXPECT_EQ(reread.UserTitle(), yes ? u"Family"_s : QString());
    }
}

TEST(CalendarMainCommandsTest, NeverSavedDocumentGoesThroughSaveAsWithAProposedName)
{
    TMainWindowRun run;
    run.AnswerYes = true;
    TCalendarMain &window = run.Start();
    window.Parts().CalendarPage->ResetStyle(QDate(1999, 12, 1));
    window.Parts().CalendarPanel->ShowPage(true);
    window.SetModified(true);
    QString proposed;
    const QString target = run.Path(u"Saved.DWC"_s);
    SetFileNameAnswerer([&](QFileDialog &dialog) {
        proposed = dialog.selectedFiles().value(0);
        return target;
    });
    window.CheckSaveNeeded();
    EXPECT_TRUE(proposed.endsWith(u"/Dec1999.DWC"_s)) << proposed.toStdString();
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_EQ(window.Session().FileName(), target);
    EXPECT_FALSE(window.Session().Modified());
    EXPECT_EQ(window.Parts().MRUFileList->Files(), QStringList{target});
}

// Saving once left a page shown at 100 % at scale 1 instead of its zoom
// step, so that the next step down went to 90 % of 1 rather than to the
// 90 % step. The zoom now stays as it was.
TEST(CalendarMainCommandsTest, SavingAtFullZoomKeepsTheZoomStepAndTheCaption)
{
    TMainWindowRun run;
    const QString document = run.WriteDocument(u"Dec1999.DWC"_s);
    run.WriteIni("[Zooming]\r\nMain=100\r\n[MRU]\r\nF0=" + document.toLocal8Bit() + "\r\n");
    TCalendarMain &window = run.Start();
    window.SetModified(true);
    const float zoom = window.Parts().CalendarPanel->Zoom();
    EXPECT_TRUE(window.SaveCalendarFile(document));
    EXPECT_EQ(window.Parts().CalendarPanel->Zoom(), zoom);
    EXPECT_TRUE(window.windowTitle().endsWith(u"[100%]"_s));
    EXPECT_FALSE(window.Session().Modified());
    window.ZoomMinusButtonClick();
    EXPECT_NEAR(window.Parts().CalendarPanel->Zoom(), 0.901f, 1e-6);
}

TEST(CalendarMainCommandsTest, FailedSaveIsToldAndKeepsTheChanges)
{
    // Regression: a write that failed left the user believing the calendar was saved.
    TMainWindowRun run;
    const QString document = run.WriteDocument(u"Dec1999.DWC"_s);
    run.WriteIni("[MRU]\r\nF0=" + document.toLocal8Bit() + "\r\n");
    TCalendarMain &window = run.Start();
    window.SetModified(true);
    const QString unwritable = run.Path(u"no-such-folder/x.DWC"_s);
    EXPECT_FALSE(window.SaveCalendarFile(unwritable));
    ASSERT_EQ(run.Messages.size(), 1);
    EXPECT_TRUE(run.Messages[0].startsWith(u"Unable to save "_s));
    EXPECT_TRUE(window.Session().Modified());
    EXPECT_EQ(window.Session().FileName(), document);
    EXPECT_NEAR(window.Parts().CalendarPanel->Zoom(), 0.601f, 1e-6);

    // Nor does Save As take the name of a file it could not write.
    run.SaveAsAnswer = unwritable;
    window.mnuSaveAsClick();
    EXPECT_TRUE(window.Session().Modified());
    EXPECT_EQ(window.Parts().MRUFileList->Files(), QStringList{document});
}

TEST(CalendarMainCommandsTest, RecentFileClickAsksAboutUnsavedChangesFirst)
{
    // Regression: picking a recent file dropped unsaved changes without a word.
    TMainWindowRun run;
    run.AnswerYes = true;
    const QString first = run.WriteDocument(u"First.DWC"_s);
    const QString second = run.WriteDocument(u"Second.DWC"_s);
    run.WriteIni("[MRU]\r\nF0=" + first.toLocal8Bit() + "\r\nF1=" + second.toLocal8Bit() + "\r\n");
    TCalendarMain &window = run.Start();
    window.Parts().CalendarPage->SetUserTitle(u"Kept"_s);
    window.SetModified(true);

    window.Parts().MRUFileList->ClickItem(2);
    ASSERT_EQ(run.Questions.size(), 1);
    EXPECT_EQ(window.Session().FileName(), second);
    EXPECT_EQ(window.Parts().MRUFileList->Files(), (QStringList{second, first}));
    TCalendarPage reread;
    ASSERT_FALSE(reread.LoadFromFile(first).has_value());
    EXPECT_EQ(reread.UserTitle(), u"Kept"_s);
}

TEST(CalendarMainCommandsTest, VisitingTheWebsiteWithoutABrowserIsTold)
{
    // Regression: Online > Visit website did nothing visible when no
    // browser could be started.
    TMainWindowRun run;
    TCalendarMain &window = run.StartActive();
    QList<QUrl> asked;
    bool started = false;
    window.OpenWebAddress = [&](const QUrl &address) {
        asked.append(address);
        return started;
    };
    window.Command(u"VisitOurInternetW1"_s)->trigger();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked.first().scheme(), u"https"_s);
    ASSERT_EQ(run.Messages.size(), 1);
    EXPECT_TRUE(run.Messages.first().contains(asked.first().toString()));
    EXPECT_TRUE(run.Messages.first().contains(u"browser"_s));
    started = true;
    window.Command(u"VisitOurInternetW1"_s)->trigger();
    EXPECT_EQ(run.Messages.size(), 1) << "a browser shows it: nothing to tell";
}

TEST(CalendarMainCommandsTest, MissingFileIsToldAndLeavesTheCalendarOpen)
{
    TMainWindowRun run;
    const QString document = run.WriteDocument(u"Dec1999.DWC"_s);
    run.WriteIni("[MRU]\r\nF0=" + document.toLocal8Bit() + "\r\n");
    TCalendarMain &window = run.Start();
    window.SetModified(true);
    const QString gone = run.Path(u"Gone.DWC"_s);
    EXPECT_FALSE(window.OpenCalendarFile(gone));
    EXPECT_EQ(run.Messages, QStringList{u"File "_s + gone + u" no longer exists"_s});
    EXPECT_EQ(window.Session().FileName(), document);
    EXPECT_TRUE(window.Parts().CalendarPanel->PageShown());
    EXPECT_TRUE(window.Session().Modified());
    EXPECT_EQ(window.windowTitle(), u"Datewright  [Dec1999.DWC]    [60%]"_s);
}

} // namespace
