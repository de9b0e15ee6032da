#include "CalendarPage.h"
#include "IniFile.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The program copied into a folder of its own, so everything it writes
// beside itself stays there.
TEST(ProgramRunTest, StartsReopensTheLastDocumentPaintsItAndClosesCleanly)
{
    QTemporaryDir folder;
    QTemporaryDir runtime;
    const QString program = folder.filePath(u"datewright"_s);
    ASSERT_TRUE(QFile::copy(QStringLiteral(DW_PROGRAM_FILE), program));

    TCalendarPage page;
    page.ResetStyle(QDate(1999, 12, 1));
    const QString document = folder.filePath(u"Dec1999.DWC"_s);
    ASSERT_FALSE(page.SaveToFile(document).has_value());
    TIniFile settings(folder.filePath(u"DW.ini"_s));
    settings.WriteString(u"MRU"_s, u"F0"_s, document);
    settings.WriteInteger(u"Zooming"_s, u"Main"_s, 80);
    ASSERT_FALSE(settings.UpdateFile().has_value());

    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"DW_EXIT_AFTER_FIRST_PAINT"_s, u"1"_s);
    run.setProcessEnvironment(environment);
    run.start(program, {});
    ASSERT_TRUE(run.waitForFinished(60000)) << run.readAllStandardError().toStdString();
    EXPECT_EQ(run.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(run.exitCode(), 0);
    EXPECT_EQ(run.readAllStandardOutput(), "first-paint\n");

    // Closing wrote the zoom, the placement and the recent files back.
    const TIniFile written(folder.filePath(u"DW.ini"_s));
    EXPECT_EQ(written.ReadInteger(u"Zooming"_s, u"Main"_s, 0), 80);
    EXPECT_TRUE(written.SectionExists(u"TCalendarMain_Placement"_s));
    EXPECT_EQ(written.ReadString(u"MRU"_s, u"F0"_s, {}), document);
}

// As a file manager starts it: the document named on the command line,
// relative to the folder it was started in, is opened in place of the last.
TEST(ProgramRunTest, StartedWithADocumentOpensItInPlaceOfTheLastOne)
{
    QTemporaryDir folder;
    QTemporaryDir runtime;
    const QString program = folder.filePath(u"datewright"_s);
    ASSERT_TRUE(QFile::copy(QStringLiteral(DW_PROGRAM_FILE), program));

    TCalendarPage page;
    page.ResetStyle(QDate(1999, 12, 1));
    const QString last = folder.filePath(u"Dec1999.DWC"_s);
    ASSERT_FALSE(page.SaveToFile(last).has_value());
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"Letters"_s));
    const QString given = folder.filePath(u"Letters/Jan 2000.DWC"_s);
    page.ResetStyle(QDate(2000, 1, 1));
    ASSERT_FALSE(page.SaveToFile(given).has_value());
    TIniFile settings(folder.filePath(u"DW.ini"_s));
    settings.WriteString(u"MRU"_s, u"F0"_s, last);
    ASSERT_FALSE(settings.UpdateFile().has_value());

    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"DW_EXIT_AFTER_FIRST_PAINT"_s, u"1"_s);
    run.setProcessEnvironment(environment);
    run.setWorkingDirectory(folder.filePath(u"Letters"_s));
    run.start(program, {u"Jan 2000.DWC"_s});
    ASSERT_TRUE(run.waitForFinished(60000)) << run.readAllStandardError().toStdString();
    EXPECT_EQ(run.exitCode(), 0);
    EXPECT_EQ(run.readAllStandardOutput(), "first-paint\n");

    const TIniFile written(folder.filePath(u"DW.ini"_s));
    EXPECT_EQ(written.ReadString(u"MRU"_s, u"F0"_s, {}), given);
    EXPECT_EQ(written.ReadString(u"MRU"_s, u"F1"_s, {}), last);
}

} // namespace
