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

// The program copied into folder, so everything it writes beside itself
// stays there.
QString CopyProgram(const QTemporaryDir &folder)
{
    const QString program = folder.filePath(u"datewright"_s);
    EXPECT_TRUE(QFile::copy(QStringLiteral(DW_PROGRAM_FILE), program));
    return program;
}

QString WriteDocument(const QString &fileName, QDate month)
{
    TCalendarPage page;
    page.ResetStyle(month);
    EXPECT_FALSE(page.SaveToFile(fileName).has_value());
    return fileName;
}

// Runs program with arguments in workingFolder until it has painted its
// first page and closed; what it printed.
QByteArray RunUntilFirstPaint(const QString &program, const QStringList &arguments,
                              const QString &workingFolder)
{
    QTemporaryDir runtime;
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"DW_EXIT_AFTER_FIRST_PAINT"_s, u"1"_s);
    run.setProcessEnvironment(environment);
    run.setWorkingDirectory(workingFolder);
    run.start(program, arguments);
    EXPECT_TRUE(run.waitForFinished(60000)) << run.readAllStandardError().toStdString();
    EXPECT_EQ(run.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(run.exitCode(), 0);
    return run.readAllStandardOutput();
}

TEST(ProgramRunTest, StartsReopensTheLastDocumentPaintsItAndClosesCleanly)
{
    QTemporaryDir folder;
    const QString program = CopyProgram(folder);
    const QString document = WriteDocument(folder.filePath(u"Dec1999.DWC"_s), QDate(1999, 12, 1));
    TIniFile settings(folder.filePath(u"DW.ini"_s));
    settings.WriteString(u"MRU"_s, u"F0"_s, document);
    settings.WriteInteger(u"Zooming"_s, u"Main"_s, 80);
    ASSERT_FALSE(settings.UpdateFile().has_value());

    EXPECT_EQ(RunUntilFirstPaint(program, {}, folder.path()), "first-paint\n");

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
    const QString program = CopyProgram(folder);
    const QString last = WriteDocument(folder.filePath(u"Dec1999.DWC"_s), QDate(1999, 12, 1));
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"Letters"_s));
    const QString given =
        WriteDocument(folder.filePath(u"Letters/Jan 2000.DWC"_s), QDate(2000, 1, 1));
    TIniFile settings(folder.filePath(u"DW.ini"_s));
    settings.WriteString(u"MRU"_s, u"F0"_s, last);
    ASSERT_FALSE(settings.UpdateFile().has_value());

    EXPECT_EQ(RunUntilFirstPaint(program, {u"Jan 2000.DWC"_s}, folder.filePath(u"Letters"_s)),
              "first-paint\n");

    const TIniFile written(folder.filePath(u"DW.ini"_s));
    EXPECT_EQ(written.ReadString(u"MRU"_s, u"F0"_s, {}), given);
    EXPECT_EQ(written.ReadString(u"MRU"_s, u"F1"_s, {}), last);
}

} // namespace
