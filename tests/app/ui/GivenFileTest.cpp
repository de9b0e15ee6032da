#include "MRUFileList.h"
#include "MainWindowTestSupport.h"

#include <QDialog>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString saveQuestion = u"Save changes?"_s;

// A style sheet of twelve mini calendars with a green title, unlike the
// default style and the test documents.
QString WriteStyleSheet(const TMainWindowRun &run, const QString &name)
{
    TCalendarPage page;
    page.ResetStyle(QDate(2001, 7, 1));
    page.SetCalendarLayout(loMC12Month);
    page.SetTitleBGColor(0x00FF00);
    QString fileName = run.Path(name);
    EXPECT_FALSE(page.SaveStyleSheet(fileName).has_value());
    return fileName;
}

// A window given fileName before its first activation, as the program is
// when started to open a file.
TCalendarMain &StartWith(TMainWindowRun &run, const QString &fileName)
{
    run.Window = std::make_unique<TCalendarMain>(TMainWindowRun::WorkingPrinters());
    run.Window->OpenGivenFile(fileName);
    run.Window->FormActivate();
    EXPECT_TRUE(TMainWindowRun::WaitFor([&run] { return run.Window->PrinterChecked; }));
    return *run.Window;
}

void ExpectNewCalendarInTheSheetsStyle(const TCalendarMain &window)
{
    EXPECT_TRUE(window.Session().Untitled());
    EXPECT_TRUE(window.Session().Modified());
    EXPECT_TRUE(window.Parts().CalendarPanel->PageShown());
    EXPECT_EQ(window.Parts().CalendarPage->CalendarLayout(), loMC12Month);
    EXPECT_EQ(window.Parts().CalendarPage->TitleBGColor(), 0x00FF00);
    EXPECT_EQ(window.Parts().CalendarPage->MainCalMonth(), QDate::currentDate().month());
    EXPECT_EQ(window.Parts().CalendarPage->MainCalYear(), QDate::currentDate().year());
    EXPECT_FALSE(window.Parts().CalendarPage->HasCellContent());
    EXPECT_FALSE(window.Parts().CalendarPage->HasObjects());
}

TEST(GivenFileTest, ADocumentGivenAtTheStartIsOpenedInPlaceOfTheLastOne)
{
    TMainWindowRun run;
    const QString last = run.WriteDocument(u"Dec1999.DWC"_s);
    const QString given = run.WriteDocument(u"Given.dwc"_s, loWeek);
    run.WriteIni("[MRU]\r\nF0=" + last.toLocal8Bit() + "\r\n");
    TCalendarMain &window = StartWith(run, given);

    EXPECT_EQ(window.Session().FileName(), given);
    EXPECT_EQ(window.Parts().CalendarPage->CalendarLayout(), loWeek);
    EXPECT_TRUE(window.Parts().CalendarPanel->isVisible());
    EXPECT_FALSE(window.Session().Modified());
    EXPECT_EQ(window.windowTitle(), u"Datewright  [Given.dwc]    [60%]"_s);
    EXPECT_EQ(window.Parts().MRUFileList->Files(), (QStringList{given, last}));
    EXPECT_TRUE(run.Messages.isEmpty());
    EXPECT_TRUE(run.Questions.isEmpty());
}

TEST(GivenFileTest, AStyleSheetGivenAtTheStartBeginsANewCalendarInItsStyle)
{
    TMainWindowRun run;
    const QString last = run.WriteDocument(u"Dec1999.DWC"_s);
    run.WriteIni("[MRU]\r\nF0=" + last.toLocal8Bit() + "\r\n");
    TCalendarMain &window = StartWith(run, WriteStyleSheet(run, u"Year.DWS"_s));

    ExpectNewCalendarInTheSheetsStyle(window);
    EXPECT_TRUE(window.Parts().CalendarPanel->isVisible());
    EXPECT_EQ(window.Parts().MRUFileList->Files(), QStringList{last});
    EXPECT_TRUE(run.Messages.isEmpty());
    EXPECT_TRUE(run.Questions.isEmpty());
}

TEST(GivenFileTest, AStyleSheetGivenLaterAsksAboutChangesFirst)
{
    TMainWindowRun run;
    TCalendarMain &window = run.StartActive();
    const QString document = window.Session().FileName();
    const QString sheet = WriteStyleSheet(run, u"Year.dws"_s);
    window.SetModified(true);

    // Cancelled: the document stays as it was.
    run.AnswerCancel = true;
    window.OpenGivenFile(sheet);
    EXPECT_EQ(run.Questions.size(), 1);
    EXPECT_EQ(window.Session().FileName(), document);
    EXPECT_EQ(window.Parts().CalendarPage->CalendarLayout(), LOFullCalendarLS);

    // Not saved: the new calendar takes its place.
    run.AnswerCancel = false;
    window.OpenGivenFile(sheet);
    ASSERT_EQ(run.Questions.size(), 2);
    EXPECT_EQ(run.Questions.last(), (QPair<QString, QString>{saveQuestion, u"Save"_s}));
    ExpectNewCalendarInTheSheetsStyle(window);
    EXPECT_EQ(window.windowTitle(), u"Datewright    [60%]"_s);
    EXPECT_TRUE(run.Messages.isEmpty());

    // The new calendar is saved under a name asked for.
    run.SaveAsAnswer = run.Path(u"Year.DWC"_s);
    window.mnuSaveClick();
    EXPECT_EQ(window.Session().FileName(), run.SaveAsAnswer);
    TCalendarPage saved;
    EXPECT_FALSE(saved.LoadFromFile(run.SaveAsAnswer).has_value());
    EXPECT_EQ(saved.CalendarLayout(), loMC12Month);
}

TEST(GivenFileTest, FilesThatCannotBeOpenedAreToldAndChangeNothing)
{
    TMainWindowRun run;
    TCalendarMain &window = run.StartActive();
    const QString document = window.Session().FileName();
    const QString wrongKind = run.Path(u"notes.txt"_s);
    const QString badSheet = run.Path(u"Bad.DWS"_s);
    QFile bad(badSheet);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a style sheet");
    bad.close();
    const struct
    {
        QString fileName;
        QString message;
    } cases[] = {
        {wrongKind, u"Must be a Calendar file (*.DWC) or a Calendar Style Sheet (*.DWS)"_s},
        {badSheet, u"Unable to open "_s + badSheet +
                       u". Possibly \r\ncorrupted, possibly not a Calendar Style file"_s},
        {run.Path(u"Gone.DWS"_s),
         u"Unable to open "_s + run.Path(u"Gone.DWS"_s) +
             u". Possibly \r\ncorrupted, possibly not a Calendar Style file"_s},
    };
    for (const auto &given : cases) {
        run.Messages.clear();
        window.OpenGivenFile(given.fileName);
        EXPECT_EQ(run.Messages, QStringList{given.message}) << given.fileName.toStdString();
        EXPECT_EQ(window.Session().FileName(), document);
        EXPECT_TRUE(window.Parts().CalendarPanel->PageShown());
        EXPECT_EQ(window.Parts().CalendarPage->CalendarLayout(), LOFullCalendarLS);
        EXPECT_FALSE(window.Session().Modified());
    }
    EXPECT_TRUE(run.Questions.isEmpty());
}

// A file passed on while a dialog is open is opened once the dialog closes,
// never under it.
TEST(GivenFileTest, AFileGivenWhileADialogIsOpenWaitsForIt)
{
    TMainWindowRun run;
    TCalendarMain &window = run.StartActive();
    const QString document = window.Session().FileName();
    const QString given = run.WriteDocument(u"Given.DWC"_s, loWeek);
    QDialog dialog(&window);
    dialog.setModal(true);
    dialog.show();
    ASSERT_TRUE(TMainWindowRun::WaitFor([] { return QApplication::activeModalWidget(); }));

    window.OpenGivenFile(given);
    QTest::qWait(300);
    EXPECT_EQ(window.Session().FileName(), document);
    dialog.hide();
    EXPECT_TRUE(TMainWindowRun::WaitFor([&] { return window.Session().FileName() == given; }));
    EXPECT_EQ(window.Parts().CalendarPage->CalendarLayout(), loWeek);
}

} // namespace
