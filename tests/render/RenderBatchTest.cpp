#include "PdfRaster.h"
#include "RenderCommand.h"
#include "RenderOptions.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct TBatchRun
{
    int Exit = -1;
    QByteArray Out;
    QStringList Said; // the renderer's lines on standard error
};

// Runs the renderer through the shell, which can limit the size of files it
// writes: a disk that fills up part way through.
TBatchRun RunShell(const QString &command, const QByteArray &input = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"LC_ALL"_s, u"C"_s);
    environment.insert(u"RENDER"_s, QStringLiteral(DW_TEST_PROGRAM_DIR "/datewright-render"));
    process.setProcessEnvironment(environment);
    process.start(u"/bin/sh"_s, {u"-c"_s, command});
    process.write(input);
    process.closeWriteChannel();
    TBatchRun run;
    if (!process.waitForFinished(300000))
        return run;
    run.Exit = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.Out = process.readAllStandardOutput();
    run.Said = QString::fromLocal8Bit(process.readAllStandardError())
                   .split(u'\n')
                   .filter(u"datewright-render:"_s);
    return run;
}

class RenderBatchTest : public testing::Test
{
protected:
    QString Path(const QString &name) const { return folder.filePath(name); }
    void WriteFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QStringList Files() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); }
    static bool WholePdf(const QString &fileName)
    {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QByteArray bytes = file.readAll();
        return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF");
    }
    QTemporaryDir folder;
};

TEST(RenderLanguage, SpeaksTheSystemsLanguageWithEnglishAsBefore)
{
    const struct
    {
        QString Lang, Unknown, Usage;
    } cases[] = {
        {u"C"_s, u"unknown option --bogus"_s, u"Usage: datewright-render"_s},
        {u"de_DE.UTF-8"_s, u"Unbekannte Option --bogus"_s, u"Aufruf: datewright-render"_s},
        {u"fr_FR.UTF-8"_s, u"option inconnue --bogus"_s, u"Utilisation\u00a0: datewright-render"_s},
        {u"it_IT.UTF-8"_s, u"opzione sconosciuta --bogus"_s, u"Uso: datewright-render"_s},
        {u"es_ES.UTF-8"_s, u"opci\u00f3n desconocida --bogus"_s, u"Uso: datewright-render"_s},
    };
    for (const auto &c : cases) {
        const QString system = u"LC_ALL= LANGUAGE= LANG=%1 "_s.arg(c.Lang);
        const TBatchRun failed = RunShell(system + u"\"$RENDER\" --bogus"_s);
        EXPECT_EQ(failed.Said, QStringList{u"datewright-render: "_s + c.Unknown});
        const TBatchRun help = RunShell(system + u"\"$RENDER\" --help"_s);
        EXPECT_TRUE(QString::fromUtf8(help.Out).startsWith(c.Usage)) << c.Lang.toStdString();
    }
}

} // namespace

TEST_F(RenderBatchTest, EveryFailureIsOneLineAndTheOtherJobsComplete)
{
    WriteFile(u"broken.DWC"_s, "not a calendar at all");
    WriteFile(u"a-file"_s, "in the way of a folder");
    WriteFile(u"jobs.txt"_s, "# a year and its faults\n"
                             "--month 1 --year 2027 -o one.pdf\n"
                             "\n"
                             "--month 2 --frobnicate 3 -o bad.pdf\n"
                             "broken.DWC -o broken.pdf\n"
                             "missing.DWC -o missing.pdf\n"
                             "--month 3 --year 2027 -o 'a-file/x.pdf'\n"
                             "--month 4 --year 2027 --count 12 -o 'big year.pdf'\n"
                             "--month 5 -o \"open.pdf\n"
                             "--month 6 --year 2027 --count 2 --scale 0.3 -o six.png\n"
                             "--month 7 --year 2027 --info\n"
                             "--month 8 --year 2027 --fill holidays:XX -o eight.pdf\n"
                             "--month 9 --year 2027 -o nine.pdf # the last\n");
    // One month's PDF fits under the limit; twelve months' do not.
    const TBatchRun run =
        RunShell(u"cd '%1' && trap '' XFSZ && ulimit -f 40 && "
                 "exec \"$RENDER\" --batch jobs.txt --jobs 2"_s.arg(folder.path()));
    EXPECT_EQ(run.Exit, 1);
    const QStringList expected = {
        u"datewright-render: line 4: unknown option --frobnicate"_s,
        u"datewright-render: line 5: cannot read broken.DWC"_s,
        u"datewright-render: line 6: cannot read missing.DWC"_s,
        u"datewright-render: line 7: cannot write a-file/x.pdf"_s,
        u"datewright-render: line 8: cannot write big year.pdf: File too large"_s,
        u"datewright-render: line 9: a double quote is not closed"_s,
        u"datewright-render: line 12: "_s,
        u"datewright-render: 7 of 11 jobs failed"_s,
    };
    ASSERT_EQ(run.Said.size(), expected.size()) << run.Said.join(u'\n').toStdString();
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(run.Said[i].startsWith(expected[i])) << run.Said[i].toStdString();
    EXPECT_TRUE(run.Out.startsWith("{\"borderFile\"")) << run.Out.constData();
    // Whole files for the jobs that succeeded, nothing at all for the others.
    const QStringList written = {u"a-file"_s,  u"broken.DWC"_s, u"jobs.txt"_s, u"nine.pdf"_s,
                                 u"one.pdf"_s, u"six-1.png"_s,  u"six-2.png"_s};
    EXPECT_EQ(Files(), written);
    EXPECT_TRUE(WholePdf(Path(u"one.pdf"_s)));
    EXPECT_TRUE(WholePdf(Path(u"nine.pdf"_s)));
    EXPECT_FALSE(QImage(Path(u"six-2.png"_s)).isNull());
}

TEST_F(RenderBatchTest, JobsComeFromStandardInputAndAllSucceeding)
{
    const QByteArray jobs = "--month 1 --year 2027 --count 3 -o a.pdf\n"
                            "--layout loDay10 --month 2 --year 2027 --count 5 -o 'day page.pdf'";
    const TBatchRun run =
        RunShell(u"cd '%1' && exec \"$RENDER\" --batch -"_s.arg(folder.path()), jobs);
    EXPECT_EQ(run.Exit, 0) << run.Said.join(u'\n').toStdString();
    EXPECT_TRUE(run.Said.isEmpty());
    QFile three(Path(u"a.pdf"_s));
    ASSERT_TRUE(three.open(QIODevice::ReadOnly));
    EXPECT_EQ(PdfPageCount(three.readAll()), 3);
    EXPECT_TRUE(WholePdf(Path(u"day page.pdf"_s)));
}

TEST_F(RenderBatchTest, TheBatchItselfMustBeReadableAndAlone)
{
    const struct
    {
        QString arguments;
        QString said;
    } cases[] = {
        {u"--batch nowhere.txt"_s, u"datewright-render: cannot read the batch nowhere.txt"_s},
        {u"--batch - --month 2"_s, u"datewright-render: --batch takes no options but --jobs"_s},
        {u"--batch - --jobs 0"_s, u"datewright-render: invalid value for --jobs"_s},
    };
    for (const auto &c : cases) {
        const TBatchRun run =
            RunShell(u"cd '%1' && exec \"$RENDER\" %2"_s.arg(folder.path(), c.arguments));
        EXPECT_EQ(run.Exit, 1) << c.arguments.toStdString();
        ASSERT_EQ(run.Said.size(), 1) << c.arguments.toStdString();
        EXPECT_TRUE(run.Said[0].startsWith(c.said)) << run.Said[0].toStdString();
    }
}

// Pages drawn on several threads are the pages drawn on one.
TEST_F(RenderBatchTest, PagesDrawnInParallelMatchPagesDrawnInTurn)
{
    TRenderOptions options;
    options.Month = 1;
    options.Year = 2027;
    options.Count = 5;
    options.Scale = 0.4f;
    options.Fill = u"holidays:US"_s;
    for (const int workers : {1, 3}) {
        options.Output = Path(u"w%1.png"_s.arg(workers));
        ASSERT_EQ(RunRenderJob(options, workers).Error, QString());
        options.Output = Path(u"w%1.pdf"_s.arg(workers));
        ASSERT_EQ(RunRenderJob(options, workers).Error, QString());
    }
    for (int page = 1; page <= 5; ++page) {
        const QImage one(Path(u"w1-%1.png"_s.arg(page)));
        ASSERT_FALSE(one.isNull());
        EXPECT_EQ(QImage(Path(u"w3-%1.png"_s.arg(page))), one) << page;
    }
    const QString inTurn = PdfText(Path(u"w1.pdf"_s));
    EXPECT_EQ(PdfText(Path(u"w3.pdf"_s)), inTurn);
    if (!inTurn.isNull()) {
        EXPECT_TRUE(inTurn.contains(u"Martin Luther King"_s)) << inTurn.toStdString();
    }
}

// Regression: the whole batch was read before its first job ran, so a batch
// without end ("yes x | datewright-render --batch -") held every line until
// memory ran out. Jobs now run as their lines come: the first one's answer
// comes while the batch is still open.
TEST_F(RenderBatchTest, JobsRunAsTheirLinesAreRead)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"LC_ALL"_s, u"C"_s);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(DW_TEST_PROGRAM_DIR "/datewright-render"),
                  {u"--batch"_s, u"-"_s, u"--jobs"_s, u"2"_s});
    ASSERT_TRUE(process.waitForStarted(10000));
    for (int line = 0; line < 20; ++line)
        process.write("--no-such-option 1\n");
    QByteArray said;
    QDeadlineTimer deadline(60000);
    while (!said.contains("line 1:") && !deadline.hasExpired() &&
           process.state() == QProcess::Running) {
        process.waitForReadyRead(200);
        said += process.readAllStandardError();
    }
    EXPECT_TRUE(said.contains("line 1: unknown option --no-such-option")) << said.constData();
    process.closeWriteChannel();
    ASSERT_TRUE(process.waitForFinished(60000));
    said += process.readAllStandardError();
    EXPECT_TRUE(said.contains("20 of 20 jobs failed")) << said.constData();
}
