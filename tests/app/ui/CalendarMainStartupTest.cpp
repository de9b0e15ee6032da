#include "MRUFileList.h"
#include "MainWindowTestSupport.h"

#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString noPrinters =
    u"There are no installed printers.\r\nUnable to perform printer related operations"_s;
const QString noDefaultPrinter =
    u"There is no default printer selected.\r\nUnable to perform printer related operations"_s;

// A new calendar of the current month, untitled and unchanged, with the
// commands of a page that has day cells.
void ExpectANewCalendarOfThisMonth(const TCalendarMain &window)
{
    EXPECT_TRUE(window.Parts().CalendarPanel->PageShown());
    EXPECT_TRUE(window.Parts().CalendarPanel->isVisible());
    EXPECT_TRUE(window.Session().Untitled());
    EXPECT_FALSE(window.Session().Modified());
    EXPECT_FALSE(window.Parts().CalendarPage->HasCellContent());
    EXPECT_FALSE(window.Parts().CalendarPage->HasObjects());
    EXPECT_EQ(window.Parts().CalendarPage->MainCalMonth(), QDate::currentDate().month());
    EXPECT_EQ(window.Parts().CalendarPage->MainCalYear(), QDate::currentDate().year());
    EXPECT_EQ(window.windowTitle(), u"Datewright    [60%]"_s);
    for (const QAction *item :
         {window.Command(u"New1"_s), window.Command(u"Open1"_s), window.Command(u"mnuSave"_s),
          window.Command(u"mnuSaveAs"_s), window.Command(u"mnuSaveAsBitmap"_s),
          window.Command(u"mnuSaveAsJPG"_s), window.Command(u"mnuSaveAsPNG"_s),
          window.Command(u"mnuProperties"_s), window.Command(u"mnuUserTitle"_s),
          window.Command(u"mnuClearAllCellContents"_s),
          window.Command(u"mnuFillCalendarwithRecurringDates"_s),
          window.Command(u"mnuPrintCalendar"_s), window.Command(u"mnuPrintSetup"_s),
          window.Command(u"mnuSelectAll"_s)})
        EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
    // Nothing to go back to.
    for (const QAction *item : {window.Command(u"mnuCancelChanges"_s), window.Command(u"mnuUndo"_s),
                                window.Command(u"mnuRedo"_s)})
        EXPECT_FALSE(item->isEnabled()) << item->objectName().toStdString();
    for (const QToolButton *button :
         {window.Button(u"ZoomPlusButton"_s), window.Button(u"ZoomMinusButton"_s),
          window.Button(u"PropertiesButton"_s), window.Button(u"ShowHideIconTool"_s)})
        EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    EXPECT_FALSE(window.Button(u"Savebutton"_s)->isVisibleTo(window.Parts().Panel3));
    EXPECT_FALSE(window.Button(u"CancelButton"_s)->isVisibleTo(window.Parts().Panel3));
}

TEST(CalendarMainStartupTest, AFirstStartShowsANewCalendarOfThisMonthAndStoresPlacementOnClose)
{
    // A first start showed an empty grey window, where no first click worked.
    TMainWindowRun run;
    ASSERT_FALSE(QFile::exists(SettingsFileName()));
    TCalendarMain &window = run.Start();

    EXPECT_TRUE(run.Messages.isEmpty());
    EXPECT_FALSE(window.Starting);
    EXPECT_EQ(window.Parts().CalendarPanel->Zoom(), 0.601f);
    EXPECT_FALSE(window.Parts().CalendarPanel->PaintingHeld());
    ExpectANewCalendarOfThisMonth(window);
    EXPECT_TRUE(window.PrinterAvailable);
    EXPECT_TRUE(window.Preferences.HintsOn);
    EXPECT_TRUE(window.Command(u"mnuShowHint"_s)->isChecked());
    // The page has day cells: the icon palette is wanted.
    EXPECT_TRUE(window.Parts().IconPalette->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // The first click already works: it opens a day cell for typing.
    TMainWindowRun::Activate(window);
    window.Parts().IconPalette->hide();
    window.Parts().CalendarPanel->repaint();
    ClickPage(*window.Parts().CalendarPanel, CellCentre(*window.Parts().CalendarPage, 10));
    EXPECT_TRUE(window.Session().CellEditing());
    EXPECT_EQ(window.Session().CurrentCell(), 10);

    window.close();
    const TIniFile ini(SettingsFileName());
    EXPECT_TRUE(ini.SectionExists(u"TCalendarMain_Placement"_s));
    EXPECT_EQ(ini.ReadInteger(u"Zooming"_s, u"Main"_s, 0), 60);
    EXPECT_EQ(ini.ReadInteger(u"Zooming"_s, u"Prop"_s, 0), 30);
    EXPECT_EQ(ini.ReadString(u"Default Font"_s, u"Name"_s, {}), u"Arial"_s);
    EXPECT_TRUE(ini.ReadBool(u"Hints"_s, u"On"_s, false));
    EXPECT_TRUE(run.Questions.isEmpty());
}

// A first start opened the window at the form's small design size.
TEST(CalendarMainStartupTest, AFirstStartOpensTheWindowToShowTheWholePageWhereTheScreenAllows)
{
    TMainWindowRun run;
    TCalendarMain &window = run.Start();
    const QRect available = window.screen()->availableGeometry();
    // The page at 100 % with its margins, and what the window has besides.
    const QSize page =
        (QSizeF(window.Parts().CalendarPanel->size()) / 0.601).toSize() + QSize(10, 10);
    const QSize chrome = window.size() - window.Parts().ScrollBox2->viewport()->size();
    // The window's frame, as well, within the screen.
    const QSize frame = window.frameGeometry().size() - window.size();
    const QSize wanted = (page + chrome).boundedTo(available.size() - frame);
    EXPECT_NEAR(window.width(), wanted.width(), 2);
    EXPECT_NEAR(window.height(), wanted.height(), 2);
    EXPECT_GT(window.width(), 635);

    // The page at 60 % sits in the middle of the room it leaves.
    const QRect shown = window.Parts().CalendarPanel->geometry();
    const QSize view = window.Parts().ScrollBox2->viewport()->size();
    if (shown.width() + 10 <= view.width())
        EXPECT_NEAR(shown.left(), view.width() - 1 - shown.right(), 1);
    else
        EXPECT_EQ(shown.left(), 5);
}

TEST(CalendarMainStartupTest, FirstRecentFileIsReopenedAndShown)
{
    TMainWindowRun run;
    const QString document = run.WriteDocument(u"Dec1999.DWC"_s);
    const QString other = run.WriteDocument(u"Other.DWC"_s);
    run.WriteIni("[MRU]\r\nF0=" + document.toLocal8Bit() + "\r\nF1=" + other.toLocal8Bit() +
                 "\r\n");
    TCalendarMain &window = run.Start();

    EXPECT_TRUE(run.Messages.isEmpty());
    EXPECT_EQ(window.Session().FileName(), document);
    EXPECT_TRUE(window.Parts().CalendarPanel->PageShown());
    EXPECT_TRUE(window.Parts().CalendarPanel->isVisible());
    EXPECT_EQ(window.Parts().CalendarPage->MainCalMonth(), 12);
    EXPECT_EQ(window.Parts().CalendarPage->MainCalYear(), 1999);
    // Read at 100 %, shown at the zoom of the settings.
    EXPECT_EQ(window.Parts().CalendarPanel->Zoom(), 0.601f);
    EXPECT_EQ(window.windowTitle(), u"Datewright  [Dec1999.DWC]    [60%]"_s);
    EXPECT_FALSE(window.Session().Modified());
    EXPECT_TRUE(window.Command(u"mnuSave"_s)->isEnabled());
    EXPECT_TRUE(window.Command(u"mnuPrintCalendar"_s)->isEnabled());
    EXPECT_TRUE(window.Button(u"ZoomPlusButton"_s)->isEnabled());
    EXPECT_EQ(window.Parts().MRUFileList->Files(), (QStringList{document, other}));
    // A month layout has day cells: the palette is wanted and shown.
    EXPECT_TRUE(window.Parts().IconPalette->isVisible());
    EXPECT_EQ(window.Button(u"ShowHideIconTool"_s)->text(), u"Hide Icon Tool"_s);

    // The page is painted once start-up is over, and that is told once: the
    // printer is asked then, and later paints tell nothing more.
    EXPECT_TRUE(window.PrinterChecked);
    int painted = 0;
    QObject::connect(&window, &TCalendarMain::FirstPagePainted, [&painted] { ++painted; });
    window.Parts().CalendarPanel->repaint();
    QApplication::processEvents();
    EXPECT_EQ(painted, 0);
}

TEST(CalendarMainStartupTest, MissingOrEmptyRecentListShowsANewCalendarSilently)
{
    for (const QByteArray &mru : {QByteArray(), QByteArray("[MRU]\r\nF0=gone.DWC\r\n")}) {
        TMainWindowRun run;
        const QString gone = run.Path(u"gone.DWC"_s);
        if (!mru.isEmpty())
            run.WriteIni("[MRU]\r\nF0=" + gone.toLocal8Bit() + "\r\n");
        TCalendarMain &window = run.Start();

        EXPECT_TRUE(run.Messages.isEmpty()) << run.Messages.join(u'|').toStdString();
        ExpectANewCalendarOfThisMonth(window);
        // The entry stays listed until a later open rewrites the list.
        EXPECT_EQ(window.Parts().MRUFileList->Files().size(), mru.isEmpty() ? 0 : 1);
    }
}

TEST(CalendarMainStartupTest, UnreadableRecentFileIsReportedAndANewCalendarShown)
{
    TMainWindowRun run;
    const QString broken = run.Path(u"Broken.DWC"_s);
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is not a calendar");
    file.close();
    run.WriteIni("[MRU]\r\nF0=" + broken.toLocal8Bit() + "\r\n");
    TCalendarMain &window = run.Start();

    EXPECT_EQ(run.Messages, QStringList{u"Unable to open "_s + broken +
                                        u". Possibly \rcorrupted, possibly not a Calendar file"_s});
    ExpectANewCalendarOfThisMonth(window);
    EXPECT_EQ(window.Parts().CalendarPanel->Zoom(), 0.601f);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// A window started with the stored zoom percent and a document, so the zoom
// commands are usable.
TCalendarMain &StartAtZoom(TMainWindowRun &run, const QByteArray &percent)
{
    const QString document = run.WriteDocument(u"Dec1999.DWC"_s);
    run.WriteIni("[Zooming]\r\nMain=" + percent + "\r\n[MRU]\r\nF0=" + document.toLocal8Bit() +
                 "\r\n");
    return run.Start();
}

TEST(CalendarMainStartupTest, StoredZoomOf100StopsZoomingIn)
{
    TMainWindowRun run;
    TCalendarMain &window = StartAtZoom(run, "100");
    EXPECT_EQ(window.Parts().CalendarPanel->Zoom(), 1.001f);
    EXPECT_TRUE(window.windowTitle().endsWith(u"    [100%]"_s));
    window.ZoomPlusButtonClick();
    EXPECT_EQ(window.Parts().CalendarPanel->Zoom(), 1.001f);
    window.ZoomMinusButtonClick();
    EXPECT_NEAR(window.Parts().CalendarPanel->Zoom(), 0.901f, 1e-6);
    EXPECT_TRUE(window.windowTitle().endsWith(u"    [90%]"_s));
    EXPECT_FALSE(window.ZoomBusy);
    window.close();
    EXPECT_EQ(TIniFile(SettingsFileName()).ReadInteger(u"Zooming"_s, u"Main"_s, 0), 90);
}

TEST(CalendarMainStartupTest, StoredZoomOf20StopsZoomingOut)
{
    TMainWindowRun run;
    TCalendarMain &window = StartAtZoom(run, "20");
    EXPECT_EQ(window.Parts().CalendarPanel->Zoom(), 0.201f);
    EXPECT_TRUE(window.windowTitle().endsWith(u"    [20%]"_s));
    window.ZoomMinusButtonClick();
    EXPECT_EQ(window.Parts().CalendarPanel->Zoom(), 0.201f);
    window.ZoomPlusButtonClick();
    EXPECT_NEAR(window.Parts().CalendarPanel->Zoom(), 0.301f, 1e-6);
    EXPECT_TRUE(window.windowTitle().endsWith(u"    [30%]"_s));
    window.close();
    EXPECT_EQ(TIniFile(SettingsFileName()).ReadInteger(u"Zooming"_s, u"Main"_s, 0), 30);
}

TEST(CalendarMainStartupTest, ZoomStepsDoNotNest)
{
    TMainWindowRun run;
    TCalendarMain &window = StartAtZoom(run, "60");
    window.ZoomBusy = true;
    window.ZoomPlusButtonClick();
    window.ZoomMinusButtonClick();
    EXPECT_EQ(window.Parts().CalendarPanel->Zoom(), 0.601f);
    EXPECT_TRUE(window.ZoomBusy);
}

// The print system is asked only once the reopened page has been painted;
// until then printing stays off.
TEST(CalendarMainStartupTest, PrinterIsAskedAfterTheFirstPaint)
{
    TMainWindowRun run;
    const QString document = run.WriteDocument(u"Dec1999.DWC"_s);
    run.WriteIni("[MRU]\r\nF0=" + document.toLocal8Bit() + "\r\n");
    int asked = 0;
    TPrinterQuery printers{[&asked] { return ++asked > 0; }, [] { return u"Office"_s; }};
    TCalendarMain window(std::move(printers));
    int painted = 0;
    QObject::connect(&window, &TCalendarMain::FirstPagePainted, [&] {
        ++painted;
        EXPECT_EQ(asked, 0);
        EXPECT_FALSE(window.Button(u"Printbutton"_s)->isEnabled());
    });
    window.FormActivate();
    EXPECT_EQ(asked, 0);
    EXPECT_FALSE(window.Command(u"mnuPrintCalendar"_s)->isEnabled());
    EXPECT_TRUE(TMainWindowRun::WaitFor([&window] { return window.PrinterChecked; }));
    EXPECT_EQ(painted, 1);
    EXPECT_GE(asked, 1);
    EXPECT_TRUE(window.Button(u"Printbutton"_s)->isEnabled());
}

TEST(CalendarMainStartupTest, PrinterCheckTellsOnceAndKeepsPrintingDisabled)
{
    struct Case
    {
        TPrinterQuery printers;
        QString message;
    };
    const Case cases[] = {
        {{[] { return false; }, [] { return u"Office"_s; }}, noPrinters},
        {{[] { return true; }, [] { return QString(); }}, noDefaultPrinter},
    };
    for (const Case &c : cases) {
        TMainWindowRun run;
        const QString document = run.WriteDocument(u"Dec1999.DWC"_s);
        run.WriteIni("[MRU]\r\nF0=" + document.toLocal8Bit() + "\r\n");
        TCalendarMain &window = run.Start(c.printers);

        EXPECT_EQ(run.Messages, QStringList{c.message});
        EXPECT_FALSE(window.PrinterAvailable);
        EXPECT_FALSE(window.Command(u"mnuPrintCalendar"_s)->isEnabled());
        EXPECT_FALSE(window.Button(u"Printbutton"_s)->isEnabled());
        // Set-up, saving and the exports follow only the page.
        EXPECT_TRUE(window.Command(u"mnuPrintSetup"_s)->isEnabled());
        EXPECT_TRUE(window.Command(u"mnuSaveAs"_s)->isEnabled());
        EXPECT_TRUE(window.Command(u"mnuSaveAsBitmap"_s)->isEnabled());
        EXPECT_TRUE(window.Command(u"mnuSaveAsJPG"_s)->isEnabled());
        window.SetModified(true);
        window.SetModified(false);
        EXPECT_FALSE(window.Command(u"mnuPrintCalendar"_s)->isEnabled());
        EXPECT_EQ(run.Messages.size(), 1);
    }
}

// Two stacked "no printers" boxes: the check ran again while its own box was
// still open, when the latest-check timer fired under it.
TEST(CalendarMainStartupTest, PrinterMessageIsShownOnceWhileItsBoxStaysOpen)
{
    TMainWindowRun run;
    const QString document = run.WriteDocument(u"Dec1999.DWC"_s);
    run.WriteIni("[MRU]\r\nF0=" + document.toLocal8Bit() + "\r\n");
    TMessageAnswerer answerer;
    answerer.Information = [&run](const QString &text) {
        run.Messages.append(text);
        // The box stays open, its event loop running, past the moment the
        // printer must have been asked at the latest.
        QTest::qWait(2500);
    };
    SetMessageAnswerer(answerer);
    run.Start({[] { return false; }, [] { return u"Office"_s; }});
    QTest::qWait(100);
    EXPECT_EQ(run.Messages.size(), 1);
    EXPECT_TRUE(run.Messages.value(0) == noPrinters);
}

} // namespace
