#include "MainWindowTestSupport.h"
#include "RecoveryFile.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextCursor>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList CopiesIn(const QString &folder)
{
    return QDir(folder).entryList({u"*.dwrec"_s}, QDir::Files);
}

void WriteFile(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void SetWritten(const QString &fileName, const QDateTime &time)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

// A copy of the page with "Swim" in cell 10, for the document given.
TRecoveryCopy SwimCopy(const QString &document)
{
    TCalendarPage page;
    page.ResetStyle(QDate(1999, 12, 1));
    TWPRtfStorage cell;
    QTextCursor(&cell.RtfText().Document()).insertText(u"Swim"_s);
    page.SetCellText(10, cell);
    return {document, CapturePage(page)};
}

class RecoveryTest : public testing::Test
{
protected:
    TCalendarMain &Start()
    {
        TCalendarMain &window = run.StartActive();
        window.SetRecoveryFolder(folder.path());
        return window;
    }
    QString InFolder(const QString &name) const { return folder.filePath(name); }

    TMainWindowRun run;
    QTemporaryDir folder;
};

// The helper program's run: its output lines.
QStringList RunHelper(const QStringList &arguments, QProcess &process)
{
    process.start(QStringLiteral(DW_RECOVERY_HELPER), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return QString::fromLocal8Bit(process.readAllStandardOutput()).split(u'\n');
}

} // namespace

TEST_F(RecoveryTest, EditsOfAKilledProcessAreOfferedAndRecovered)
{
    QTemporaryDir program;
    const QString document = run.WriteDocument(u"Dec1999.DWC"_s);
    SetWritten(document, QDateTime::currentDateTime().addSecs(-60));

    QProcess editing;
    editing.start(QStringLiteral(DW_RECOVERY_HELPER),
                  {u"edit"_s, program.path(), folder.path(), document});
    ASSERT_TRUE(editing.waitForStarted(10000));
    QByteArray said;
    QDeadlineTimer deadline(30000);
    while (!said.contains("written") && !deadline.hasExpired() &&
           editing.state() == QProcess::Running) {
        editing.waitForReadyRead(500);
        said += editing.readAllStandardOutput();
    }
    ASSERT_TRUE(said.contains("written")) << said.constData();
    // While it runs, its copy is its own.
    EXPECT_TRUE(OrphanedCopies(folder.path()).isEmpty());
    editing.kill();
    ASSERT_TRUE(editing.waitForFinished(10000));
    ASSERT_EQ(CopiesIn(folder.path()).size(), 1);

    QProcess restarted;
    const QStringList lines =
        RunHelper({u"start"_s, program.path(), folder.path(), u"yes"_s}, restarted);
    ASSERT_EQ(restarted.exitCode(), 0);
    EXPECT_TRUE(lines.first().startsWith(u"asked=Recover: "_s)) << lines.join(u'\n').toStdString();
    EXPECT_TRUE(lines.contains(u"document="_s + document));
    EXPECT_TRUE(lines.contains(u"modified=1"_s));
    EXPECT_TRUE(lines.contains(u"cell10=Swim"_s));
    EXPECT_TRUE(lines.contains(u"objects=1"_s));
    EXPECT_TRUE(lines.contains(u"undo=Undo Recovery"_s));
    // The copy taken back is gone, and the second run closed without a crash.
    EXPECT_TRUE(CopiesIn(folder.path()).isEmpty());
}

TEST_F(RecoveryTest, NoDeletesTheCopyAndKeepsThePage)
{
    TCalendarMain &window = Start();
    WriteFile(InFolder(u"1-1.dwrec"_s), RecoveryBytes(SwimCopy(QString())));
    run.AnswerYes = false;
    window.OfferRecovery();
    ASSERT_EQ(run.Questions.size(), 1);
    EXPECT_EQ(run.Questions[0].second, u"Recover"_s);
    EXPECT_TRUE(run.Questions[0].first.contains(u"never saved"_s));
    EXPECT_TRUE(CopiesIn(folder.path()).isEmpty());
    EXPECT_EQ(CellText(*window.Parts().CalendarPage, 10), QString());
    EXPECT_FALSE(window.Session().Modified());
}

TEST_F(RecoveryTest, YesOpensANeverSavedCopyAsAChangedDocument)
{
    TCalendarMain &window = Start();
    WriteFile(InFolder(u"1-1.dwrec"_s), RecoveryBytes(SwimCopy(QString())));
    run.AnswerYes = true;
    window.OfferRecovery();
    EXPECT_EQ(CellText(*window.Parts().CalendarPage, 10), u"Swim"_s);
    EXPECT_TRUE(window.Session().Untitled());
    EXPECT_TRUE(window.Session().Modified());
    EXPECT_TRUE(window.Parts().CalendarPanel->PageShown());
}

TEST_F(RecoveryTest, ADamagedCopyIsReportedAndSetAside)
{
    TCalendarMain &window = Start();
    const QByteArray whole = RecoveryBytes(SwimCopy(QString()));
    WriteFile(InFolder(u"2-2.dwrec"_s), whole.left(whole.size() / 2));
    window.OfferRecovery();
    EXPECT_TRUE(run.Questions.isEmpty());
    ASSERT_EQ(run.Messages.size(), 1);
    EXPECT_TRUE(run.Messages[0].contains(u"damaged"_s));
    EXPECT_TRUE(CopiesIn(folder.path()).isEmpty());
    EXPECT_TRUE(QFileInfo::exists(InFolder(u"2-2.dwrec.damaged"_s)));
    EXPECT_TRUE(window.isVisible());
}

TEST_F(RecoveryTest, ACopyOlderThanItsDocumentIsDroppedWithoutAsking)
{
    TCalendarMain &window = Start();
    const QString copy = InFolder(u"3-3.dwrec"_s);
    WriteFile(copy, RecoveryBytes(SwimCopy(window.Session().FileName())));
    SetWritten(copy, QDateTime::currentDateTime().addSecs(-3600));
    window.OfferRecovery();
    EXPECT_TRUE(run.Questions.isEmpty());
    EXPECT_TRUE(CopiesIn(folder.path()).isEmpty());
}

TEST_F(RecoveryTest, ARunningCopysFileIsNeverTaken)
{
    TCalendarMain &window = Start();
    {
        TRecoveryWriter other(folder.path());
        other.Write(SwimCopy(QString()));
        other.WaitForDone();
        ASSERT_EQ(CopiesIn(folder.path()).size(), 1);
        window.OfferRecovery();
        EXPECT_TRUE(run.Questions.isEmpty());
        EXPECT_EQ(CopiesIn(folder.path()).size(), 1);
    }
    // It removes its copy when it goes.
    EXPECT_TRUE(CopiesIn(folder.path()).isEmpty());
}

TEST_F(RecoveryTest, TheCopyIsWrittenAfterAChangeAndGoesOnSaveAndClose)
{
    TCalendarMain &window = Start();
    window.SetRecoveryInterval(10);
    window.mnuClearAllCellContentsClick();
    window.Parts().CalendarPage->SetUserTitle(u"Title"_s);
    window.SetModified(true);
    ASSERT_TRUE(TMainWindowRun::WaitFor([&] { return CopiesIn(folder.path()).size() == 1; }));
    window.mnuSaveClick();
    EXPECT_TRUE(CopiesIn(folder.path()).isEmpty());

    window.Parts().CalendarPage->SetUserTitle(u"Other"_s);
    window.SetModified(true);
    ASSERT_TRUE(TMainWindowRun::WaitFor([&] { return CopiesIn(folder.path()).size() == 1; }));
    run.AnswerYes = false;
    window.close();
    EXPECT_TRUE(CopiesIn(folder.path()).isEmpty());
}

// Regression: text typed into a cell was in no recovery copy until the editor
// closed (no copy was even written, the change not having reached the page),
// so a crash lost it.
TEST_F(RecoveryTest, TextTypedIntoAnOpenCellIsInTheCopy)
{
    TCalendarMain &window = Start();
    window.SetRecoveryInterval(10);
    const int cell = window.Parts().CalendarPage->CellOfDay(15);
    ClickPage(*window.Parts().CalendarPanel, CellCentre(*window.Parts().CalendarPage, cell));
    ASSERT_TRUE(window.Session().CellEditing());
    TypeText(u"Swim"_s);
    const auto copiedCell = [&]() -> QString {
        QFile file(window.RecoveryFileName());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const std::optional<TRecoveryCopy> copy = ReadRecoveryBytes(file.readAll());
        TWPRTFTextPaint text;
        if (copy)
            text.LoadData(copy->Page.Cells[size_t(cell - 1)]);
        return text.Document().toPlainText();
    };
    EXPECT_TRUE(TMainWindowRun::WaitFor([&] { return copiedCell() == u"Swim"_s; }))
        << copiedCell().toStdString();
    EXPECT_TRUE(window.Session().CellEditing());
}

// Regression: the lock of a copy of the program killed before it had written
// its first recovery copy stayed in the folder for ever.
TEST_F(RecoveryTest, ALockLeftWithoutItsCopyGoesAtTheNextStart)
{
    TCalendarMain &window = Start();
    // A lock as a process that has ended left it.
    QProcess ended;
    ended.start(u"/bin/sh"_s, {u"-c"_s, u"echo $$"_s});
    ASSERT_TRUE(ended.waitForFinished(10000));
    const QByteArray deadProcess = ended.readAllStandardOutput().trimmed();
    QByteArray lockText;
    {
        QLockFile probe(InFolder(u"probe.lock"_s));
        ASSERT_TRUE(probe.tryLock(0));
        QFile held(InFolder(u"probe.lock"_s));
        ASSERT_TRUE(held.open(QIODevice::ReadOnly));
        lockText = held.readAll();
    }
    lockText = deadProcess + lockText.mid(lockText.indexOf('\n'));
    WriteFile(InFolder(u"1-1.dwrec.lock"_s), lockText);
    // The lock of a copy still running stays.
    QLockFile running(InFolder(u"2-2.dwrec.lock"_s));
    ASSERT_TRUE(running.tryLock(0));
    window.OfferRecovery();
    EXPECT_FALSE(QFile::exists(InFolder(u"1-1.dwrec.lock"_s)));
    EXPECT_TRUE(QFile::exists(InFolder(u"2-2.dwrec.lock"_s)));
    EXPECT_TRUE(run.Questions.isEmpty());
}
