#include "CalendarPage.h"
#include "HostileInput.h"
#include "RenderOptions.h"

#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// What one run of the real renderer gave.
struct TRun
{
    int Exit = -1;
    QByteArray Out;
    QString Errors;
};

QProcess *StartRenderer(QProcess &process, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"LC_ALL"_s, u"C"_s);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(DW_TEST_PROGRAM_DIR "/datewright-render"), arguments);
    return &process;
}

TRun Finished(QProcess &process)
{
    TRun run;
    if (!process.waitForFinished(120000))
        return run;
    run.Exit = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.Out = process.readAllStandardOutput();
    run.Errors = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

TRun Render(const QStringList &arguments)
{
    QProcess process;
    return Finished(*StartRenderer(process, arguments));
}

QJsonObject Info(const QStringList &arguments)
{
    const TRun run = Render(arguments + QStringList{u"--info"_s});
    EXPECT_EQ(run.Exit, 0) << run.Errors.toStdString();
    return QJsonDocument::fromJson(run.Out).object();
}

// The page titles of a PDF, as its text says them.
// The text of each page, parted by the form feeds pdftotext writes; empty
// without the tool.
QStringList PdfPages(const QString &pdf)
{
    const QString tool = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (tool.isEmpty())
        return {};
    QProcess process;
    process.start(tool, {pdf, u"-"_s});
    process.waitForFinished(60000);
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// The text's lines, all pages together.
QStringList PdfText(const QString &pdf)
{
    return PdfPages(pdf).join(u'\n').split(u'\n');
}

class RenderProcessTest : public testing::Test
{
protected:
    QString Path(const QString &name) const { return folder.filePath(name); }
    QTemporaryDir folder;
};

} // namespace

// Regression: the toolkit took "--style FILE" as its own option, so the style
// sheet was never read and a missing one still gave exit code 0. Every
// option of --help is tried here through the program itself.
TEST_F(RenderProcessTest, EveryDocumentedOptionWorksEndToEnd)
{
    ASSERT_EQ(Render({u"--paper"_s, u"a4"_s, u"--save"_s, Path(u"a4.DWS"_s)}).Exit, 0);
    const QJsonObject styled = Info({u"--style"_s, Path(u"a4.DWS"_s)});
    EXPECT_EQ(styled["style"].toObject()["PaperSize"].toInt(), 1);
    const TRun missing = Render({u"--style"_s, Path(u"none.DWS"_s), u"-o"_s, Path(u"x.png"_s)});
    EXPECT_EQ(missing.Exit, 1);
    EXPECT_TRUE(missing.Errors.contains(u"cannot read"_s)) << missing.Errors.toStdString();
    EXPECT_FALSE(QFile::exists(Path(u"x.png"_s)));

    EXPECT_EQ(Info({u"--layout"_s, u"loWeek"_s})["style"].toObject()["CalendarLayout"].toInt(),
              int(loWeek));
    EXPECT_EQ(Info({u"--layout"_s, u"3"_s})["style"].toObject()["CalendarLayout"].toInt(), 3);
    EXPECT_EQ(Info({u"--paper"_s, u"letter"_s})["style"].toObject()["PaperSize"].toInt(), 0);
    const QJsonObject margins = Info({u"--margins"_s, u"1,0.5,0.25,2"_s})["style"].toObject();
    EXPECT_DOUBLE_EQ(margins["LeftMarginInch"].toDouble(), 1);
    EXPECT_DOUBLE_EQ(margins["BottomMarginInch"].toDouble(), 2);
    EXPECT_EQ(Info({u"--border"_s, u"Classic"_s})["borderFile"].toString(), u"Classic"_s);
    EXPECT_EQ(Render({u"--border"_s, u"NoSuchBorder"_s, u"--info"_s}).Exit, 1);
    EXPECT_EQ(Info({u"--week-start"_s, u"monday"_s})["startOfWeek"].toInt(), 2);
    const QJsonObject date =
        Info({u"--month"_s, u"3"_s, u"--year"_s, u"2031"_s, u"--day"_s, u"9"_s});
    EXPECT_EQ(date["mainCalDay"].toInt(), 9);
    EXPECT_EQ(date["mainCalMonth"].toInt(), 3);
    EXPECT_EQ(date["mainCalYear"].toInt(), 2031);

    for (const QString &suffix : {u"png"_s, u"bmp"_s, u"jpg"_s, u"pdf"_s}) {
        const QString file = Path(u"page."_s + suffix);
        EXPECT_EQ(Render({u"--scale"_s, u"0.5"_s, u"-o"_s, file}).Exit, 0) << suffix.toStdString();
        EXPECT_GT(QFileInfo(file).size(), 0) << suffix.toStdString();
    }
    const QSize half = QImage(Path(u"page.png"_s)).size();
    ASSERT_EQ(Render({u"-o"_s, Path(u"full.png"_s)}).Exit, 0);
    EXPECT_NEAR(QImage(Path(u"full.png"_s)).width(), 2 * half.width(), 2);
    ASSERT_EQ(
        Render({u"--count"_s, u"2"_s, u"--scale"_s, u"0.2"_s, u"-o"_s, Path(u"n.png"_s)}).Exit, 0);
    EXPECT_TRUE(QFile::exists(Path(u"n-1.png"_s)) && QFile::exists(Path(u"n-2.png"_s)));
    const TRun geometry = Render({u"--geometry"_s});
    EXPECT_TRUE(QJsonDocument::fromJson(geometry.Out).object().contains(u"cells"_s));
    ASSERT_EQ(Render({u"--save"_s, Path(u"saved.DWC"_s)}).Exit, 0);
    EXPECT_EQ(Render({Path(u"saved.DWC"_s), u"--info"_s}).Exit, 0);
    const TRun help = Render({u"--help"_s});
    EXPECT_EQ(help.Exit, 0);
    EXPECT_TRUE(help.Out.startsWith("Usage: datewright-render"));
}

// Regression: with a day of 29 to 31, --count repeated February, and a day
// planner of 31 February was titled February 1 and never moved on.
TEST_F(RenderProcessTest, ConsecutivePagesMoveOnWhateverTheDay)
{
    const QString months = Path(u"months.pdf"_s);
    ASSERT_EQ(Render({u"--layout"_s, u"0"_s, u"--month"_s, u"1"_s, u"--year"_s, u"2024"_s,
                      u"--day"_s, u"31"_s, u"--count"_s, u"4"_s, u"-o"_s, months})
                  .Exit,
              0);
    const QStringList monthText = PdfText(months);
    if (monthText.isEmpty())
        GTEST_SKIP() << "pdftotext is not available";
    for (const QString &title :
         {u"January 2024"_s, u"February 2024"_s, u"March 2024"_s, u"April 2024"_s})
        EXPECT_EQ(monthText.count(title), 1) << title.toStdString();

    const QString days = Path(u"days.pdf"_s);
    ASSERT_EQ(Render({u"--layout"_s, u"loDay10"_s, u"--month"_s, u"2"_s, u"--year"_s, u"2024"_s,
                      u"--day"_s, u"28"_s, u"--count"_s, u"3"_s, u"-o"_s, days})
                  .Exit,
              0);
    const QStringList dayText = PdfText(days);
    for (const QString &title : {u"Wednesday, February 28, 2024"_s,
                                 u"Thursday, February 29, 2024"_s, u"Friday, March 1, 2024"_s})
        EXPECT_EQ(dayText.count(title), 1) << title.toStdString();

    // 31 February from the command line is refused in one line.
    const TRun impossible = Render({u"--month"_s, u"2"_s, u"--day"_s, u"31"_s, u"--year"_s,
                                    u"2024"_s, u"-o"_s, Path(u"no.png"_s)});
    EXPECT_EQ(impossible.Exit, 1);
    const QStringList said = impossible.Errors.split(u'\n').filter(u"datewright-render"_s);
    EXPECT_EQ(said, QStringList{u"datewright-render: there is no 31 February 2024"_s});
    // From a file it is read as the month's last day.
    QFile damaged(Path(u"31-february.DWC"_s));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    TCalendarPage page;
    StartHostilePage(page);
    page.SetCalendarLayout(loDay10);
    page.SetMainCalDay(31);
    page.SetMainCalMonth(2);
    damaged.write(DocumentBytes(page));
    damaged.close();
    EXPECT_EQ(Info({damaged.fileName()})["mainCalDay"].toInt(), 29);
}

// Regression: margins that leave no page gave a garbled PDF and exit code 0.
TEST_F(RenderProcessTest, MarginsThatLeaveNoPageAreRefusedForEveryOutput)
{
    for (const QString &suffix : {u"png"_s, u"bmp"_s, u"jpg"_s, u"pdf"_s}) {
        const QString file = Path(u"page."_s + suffix);
        const TRun run = Render({u"--margins"_s, u"5,5,5,5"_s, u"-o"_s, file});
        EXPECT_EQ(run.Exit, 1) << suffix.toStdString();
        EXPECT_TRUE(run.Errors.contains(u"margins leave no page"_s)) << run.Errors.toStdString();
        EXPECT_FALSE(QFile::exists(file));
    }
}

// Regression: a JPEG export wrote its bitmap through "$N$VIEW$.BMP" in the
// output folder, overwriting whatever a link of that name pointed to.
TEST_F(RenderProcessTest, JpegExportNeverWritesThroughAPlantedLink)
{
    QFile victim(Path(u"victim.txt"_s));
    ASSERT_TRUE(victim.open(QIODevice::WriteOnly));
    victim.write("precious");
    victim.close();
    ASSERT_TRUE(QFile::link(victim.fileName(), Path(u"$N$VIEW$.BMP"_s)));
    ASSERT_EQ(Render({u"--scale"_s, u"0.3"_s, u"-o"_s, Path(u"page.jpg"_s)}).Exit, 0);
    ASSERT_TRUE(victim.open(QIODevice::ReadOnly));
    EXPECT_EQ(victim.readAll(), "precious");
    EXPECT_TRUE(QFileInfo(Path(u"$N$VIEW$.BMP"_s)).isSymLink());
    EXPECT_FALSE(QImage(Path(u"page.jpg"_s)).isNull());
}

// Regression: two JPEG exports at once into one folder shared the fixed
// temporary name, so one picture could come out with the other's page.
TEST_F(RenderProcessTest, TwoJpegExportsAtOnceKeepTheirOwnPages)
{
    // Portrait and landscape pages: a crossed picture has the other's size.
    const QStringList portrait{u"--layout"_s, u"loFullCalendar"_s, u"--scale"_s, u"0.5"_s};
    const QStringList landscape{u"--layout"_s, u"LOFullCalendarLS"_s, u"--scale"_s, u"0.5"_s};
    ASSERT_EQ(Render(portrait + QStringList{u"-o"_s, Path(u"tall.png"_s)}).Exit, 0);
    ASSERT_EQ(Render(landscape + QStringList{u"-o"_s, Path(u"wide.png"_s)}).Exit, 0);
    const QSize tall = QImage(Path(u"tall.png"_s)).size();
    const QSize wide = QImage(Path(u"wide.png"_s)).size();
    ASSERT_NE(tall, wide);
    for (int round = 0; round < 4; ++round) {
        QProcess first;
        QProcess second;
        StartRenderer(first, portrait + QStringList{u"-o"_s, Path(u"tall.jpg"_s)});
        StartRenderer(second, landscape + QStringList{u"-o"_s, Path(u"wide.jpg"_s)});
        ASSERT_EQ(Finished(first).Exit, 0);
        ASSERT_EQ(Finished(second).Exit, 0);
        EXPECT_EQ(QImage(Path(u"tall.jpg"_s)).size(), tall) << round;
        EXPECT_EQ(QImage(Path(u"wide.jpg"_s)).size(), wide) << round;
    }
    EXPECT_FALSE(QFile::exists(Path(u"$N$VIEW$.BMP"_s)));
}

// Regression: a 350 KB document of ten run-length bitmaps made the renderer
// hold 674 MB; the pictures past the document's budget are now refused, drawn
// as empty frames and reported once.
TEST_F(RenderProcessTest, PicturesPastTheBudgetAreReportedOnce)
{
    QFile document(Path(u"bombs.DWC"_s));
    ASSERT_TRUE(document.open(QIODevice::WriteOnly));
    document.write(PictureBombDocument(10));
    document.close();
    const TRun run =
        Render({document.fileName(), u"--scale"_s, u"0.3"_s, u"-o"_s, Path(u"bombs.png"_s)});
    EXPECT_EQ(run.Exit, 0);
    EXPECT_EQ(run.Errors.count(u"too large to show"_s), 1) << run.Errors.toStdString();
    EXPECT_FALSE(QImage(Path(u"bombs.png"_s)).isNull());
}

TEST_F(RenderProcessTest, PagesAreFilledFromTheSourceGiven)
{
    const QString year = Path(u"year.pdf"_s);
    const TRun run = Render({u"--layout"_s, u"0"_s, u"--month"_s, u"11"_s, u"--year"_s, u"2023"_s,
                             u"--count"_s, u"3"_s, u"--fill"_s, u"holidays:UK"_s, u"-o"_s, year});
    ASSERT_EQ(run.Exit, 0) << run.Errors.toStdString();
    const QStringList pages = PdfPages(year);
    if (pages.isEmpty())
        GTEST_SKIP() << "pdftotext is not available";
    // The names may break across lines in a narrow cell: words are counted.
    const QString text = pages.join(u' ');
    EXPECT_EQ(text.count(u"Christmas"_s), 1);
    EXPECT_EQ(text.count(u"Boxing"_s), 1);
    EXPECT_EQ(text.count(u"Year"_s), 1); // New Year's Day; the titles show no "Year"
    // One page moves on from month to month: each keeps only its own days.
    ASSERT_EQ(pages.size(), 3);
    EXPECT_TRUE(pages[1].contains(u"Boxing"_s));
    EXPECT_TRUE(pages[2].contains(u"Year"_s));
    EXPECT_FALSE(pages[2].contains(u"Boxing"_s));

    // Without a fill the cells stay empty.
    const QString empty = Path(u"empty.pdf"_s);
    ASSERT_EQ(Render({u"--layout"_s, u"0"_s, u"--month"_s, u"11"_s, u"--year"_s, u"2023"_s,
                      u"--count"_s, u"3"_s, u"-o"_s, empty})
                  .Exit,
              0);
    EXPECT_EQ(PdfText(empty).join(u' ').count(u"Christmas"_s), 0);
}

// Every fault in the fill source is one line and exit code 1, before any
// file is written.
TEST_F(RenderProcessTest, AnUnusableFillSourceIsOneLine)
{
    QFile broken(Path(u"broken.ics"_s));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("BEGIN:VCALENDAR\r\n");
    broken.close();
    const QStringList sources{u"holidays:XX"_s, Path(u"missing.dax"_s), broken.fileName()};
    for (const QString &source : sources) {
        const QString out = Path(u"no.pdf"_s);
        const TRun run = Render({u"--fill"_s, source, u"-o"_s, out});
        EXPECT_EQ(run.Exit, 1) << source.toStdString();
        const QStringList said = run.Errors.split(u'\n').filter(u"datewright-render"_s);
        EXPECT_EQ(said.size(), 1) << run.Errors.toStdString();
        EXPECT_FALSE(QFile::exists(out)) << source.toStdString();
    }
    EXPECT_EQ(Render({u"--fill"_s}).Exit, 1);
    EXPECT_TRUE(QString::fromUtf8(Render({u"--help"_s}).Out).contains(u"--fill SOURCE"_s));
}
