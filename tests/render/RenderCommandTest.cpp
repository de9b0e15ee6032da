#include "RenderCommand.h"

#include "CalendarPage.h"
#include "ProgramFolder.h"
#include "RenderOptions.h"
#include "StoredPageValues.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <sys/stat.h>

TEST(RenderCommand, WritesThePageInsideItsMargins)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath("page.png");
    ASSERT_EQ(RunRenderCommand({"--margins", "0.5,0.5,0.5,0.5", "-o", file}), 0);
    const QImage picture(file);
    // Letter landscape, 48 pixels cut from every side, one pixel less.
    EXPECT_EQ(picture.size(), QSize(1056 - 96 - 1, 816 - 96 - 1));
}

// Pictures for print could only be had by working out a zoom.
TEST(RenderCommand, PicturesAreDrawnAtTheResolutionAsked)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    SetProgramFolder(QStringLiteral(DW_TEST_PROGRAM_DIR));
    const struct
    {
        const char *name;
        const char *format;
        int dpi;
    } cases[] = {{"page.png", "PNG", 300}, {"page.bmp", "BMP", 150}, {"page.jpg", "JPG", 150}};
    for (const auto &c : cases) {
        const QString file = folder.filePath(c.name);
        ASSERT_EQ(RunRenderCommand({"--margins", "0.5,0.5,0.5,0.5", "--dpi", QString::number(c.dpi),
                                    "-o", file}),
                  0)
            << c.name;
        // Letter across at the resolution, half an inch cut from every side.
        const QImage picture(file, c.format);
        EXPECT_EQ(picture.size(), QSize(11 * c.dpi - c.dpi - 1, 17 * c.dpi / 2 - c.dpi - 1))
            << c.name;
    }
    SetProgramFolder(QString());
    EXPECT_EQ(std::lrint(QImage(folder.filePath("page.png")).dotsPerMeterX() * 0.0254), 300);

    EXPECT_NE(RunRenderCommand({"--dpi", "300", "-o", folder.filePath("page.pdf")}), 0);
    EXPECT_NE(RunRenderCommand({"--dpi", "300", "--geometry"}), 0);
    EXPECT_FALSE(QFile::exists(folder.filePath("page.pdf")));
}

TEST(RenderCommand, SeveralPagesAreNumbered)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_EQ(RunRenderCommand({"--layout", "lopMC6Month", "--scale", "0.25", "--count", "2", "-o",
                                folder.filePath("page.bmp")}),
              0);
    EXPECT_FALSE(QImage(folder.filePath("page-1.bmp")).isNull());
    EXPECT_FALSE(QImage(folder.filePath("page-2.bmp")).isNull());
}

TEST(RenderCommand, UnusableRequestsFailWithExitCode)
{
    EXPECT_NE(RunRenderCommand({"--nonsense"}), 0);
    EXPECT_NE(RunRenderCommand({"-o", "page.gif"}), 0);
    EXPECT_NE(RunRenderCommand({"-o", "/no/such/folder/page.png"}), 0);
    EXPECT_EQ(RunRenderCommand({"--help"}), 0);
}

TEST(RenderCommand, PdfHoldsOnePagePerMonth)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath("year.pdf");
    ASSERT_EQ(RunRenderCommand({"--count", "3", "-o", file}), 0);
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                  bytes.count("/Type /Page "),
              3);
}

TEST(RenderCommand, SavedDocumentsAndStyleSheetsReadBack)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString document = folder.filePath("plan.DWC");
    const QString style = folder.filePath("look.DWS");
    ASSERT_EQ(
        RunRenderCommand({"--layout", "loWeek", "--month", "3", "--day", "9", "--save", document}),
        0);
    ASSERT_EQ(RunRenderCommand({"--paper", "a4", "--save", style}), 0);
    const QString again = folder.filePath("again.DWC");
    ASSERT_EQ(RunRenderCommand({document, "--save", again}), 0);
    QFile first(document), second(again);
    ASSERT_TRUE(first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly));
    EXPECT_EQ(first.readAll(), second.readAll());
    EXPECT_EQ(RunRenderCommand({document, "--style", style, "-o", folder.filePath("p.png")}), 0);

    EXPECT_NE(RunRenderCommand({style + ".missing"}), 0);
    EXPECT_NE(RunRenderCommand({style}), 0); // a style sheet is no document
    EXPECT_NE(RunRenderCommand({"--save", folder.filePath("page.txt")}), 0);
}

TEST(RenderCommand, JpegGoesThroughThePictureLibrary)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    SetProgramFolder(QStringLiteral(DW_TEST_PROGRAM_DIR));
    const QString file = folder.filePath("page.jpg");
    // At zoom 0.501 each half-inch margin is Trunc(96 * 0.5 * 0.501) = 24 pixels.
    ASSERT_EQ(RunRenderCommand({"--margins", "0.5,0.5,0.5,0.5", "--scale", "0.501", "-o", file}),
              0);
    SetProgramFolder(QString());
    TCalendarPage page;
    ApplyMainPageValues(page);
    const QImage picture(file, "JPG");
    ASSERT_FALSE(picture.isNull());
    const QSize size = page.SizeAt(0.501F);
    EXPECT_EQ(picture.size(), QSize(size.width() - 49, size.height() - 49));
    EXPECT_FALSE(QFile::exists(folder.filePath("$N$VIEW$.BMP")));
}

TEST(RenderCommand, JpegWithoutThePictureLibraryFailsAndWritesNothing)
{
    // The renderer copied into a folder of its own, without the library.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString renderer = folder.filePath("datewright-render");
    ASSERT_TRUE(QFile::copy(QStringLiteral(DW_TEST_PROGRAM_DIR "/datewright-render"), renderer));
    const QString file = folder.filePath("page.jpg");
    QProcess process;
    process.start(renderer, {"-o", file});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_NE(process.exitCode(), 0);
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
    EXPECT_EQ(errors.count("NViewLib.dll, was not found"), 1) << qPrintable(errors);
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_FALSE(QFile::exists(folder.filePath("$N$VIEW$.BMP")));
}

// A page filled from an iCalendar file is saved filled and described cell by
// cell, so a script can check it without reading a picture.
TEST(RenderCommand, FilledPagesAreSavedAndDescribed)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString ics = folder.filePath("mine.ics");
    {
        QFile file(ics);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"
                   "BEGIN:VEVENT\r\nUID:a\r\nSUMMARY:Party\r\nDTSTART;VALUE=DATE:20261222\r\n"
                   "END:VEVENT\r\nBEGIN:VEVENT\r\nUID:b\r\nSUMMARY:Club meeting\r\n"
                   "DTSTART:20261203T180000\r\nRRULE:FREQ=MONTHLY;BYDAY=1TH\r\nEND:VEVENT\r\n"
                   "BEGIN:VEVENT\r\nUID:c\r\nSUMMARY:Choir\r\nDTSTART:20261203T080000\r\n"
                   "END:VEVENT\r\nEND:VCALENDAR\r\n");
    }
    const QString saved = folder.filePath("filled.dwc");
    QProcess render;
    render.start(QStringLiteral(DW_TEST_PROGRAM_DIR "/datewright-render"),
                 {"--month", "12", "--year", "2026", "--fill", ics, "--save", saved, "--info"});
    ASSERT_TRUE(render.waitForFinished(60000));
    ASSERT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
    const QByteArray info = render.readAllStandardOutput();
    // December 2026 starts on a Tuesday: the 3rd is in cell 5, the 22nd in 24.
    // Each filled line is a paragraph and leaves an empty one after it.
    EXPECT_TRUE(info.contains(R"("cells":[{"day":3,"index":5,"text":"8:00 AM Choir\n\n6:00 PM )"
                              R"(Club meeting"},{"day":22,"index":24,"text":"Party"}])"))
        << info.toStdString();
    TCalendarPage page;
    ASSERT_FALSE(page.LoadFromFile(saved));
    EXPECT_FALSE(page.CellDocument(5)->IsEmpty());
    EXPECT_FALSE(page.CellDocument(24)->IsEmpty());
    EXPECT_TRUE(page.CellDocument(25)->IsEmpty());
}

// Regression: a bitmap or JPEG that could not be written said only "cannot
// write page.bmp", where a PNG or PDF said why.
TEST(RenderCommand, EveryOutputThatCannotBeWrittenSaysWhy)
{
    SetProgramFolder(QStringLiteral(DW_TEST_PROGRAM_DIR));
    for (const char *name : {"page.png", "page.bmp", "page.jpg", "page.pdf"}) {
        TRenderOptions options;
        options.Scale = 0.2f;
        options.Output = QStringLiteral("/no/such/folder/") + QString::fromLatin1(name);
        EXPECT_EQ(RunRenderJob(options, 1).Error,
                  QStringLiteral("cannot write %1: No such file or directory").arg(options.Output))
            << name;
    }
    SetProgramFolder(QString());
}

// Regression: an output named by a link to a device or pipe replaced the
// device or pipe with a plain file (as root, "-o" through a link to
// /dev/full replaced /dev/full).
TEST(RenderCommand, AnOutputThatIsNoFileIsRefusedAndLeftAsItIs)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString pipe = folder.filePath("pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    SetProgramFolder(QStringLiteral(DW_TEST_PROGRAM_DIR));
    for (const char *name : {"page.png", "page.bmp", "page.jpg", "page.pdf"}) {
        const QString link = folder.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(QFile::link(pipe, link));
        TRenderOptions options;
        options.Scale = 0.2f;
        options.Output = link;
        EXPECT_EQ(RunRenderJob(options, 1).Error,
                  QStringLiteral("cannot write %1: it is not a file but a folder, a device or a "
                                 "pipe")
                      .arg(link))
            << name;
        EXPECT_TRUE(QFileInfo(link).isSymLink()) << name;
    }
    SetProgramFolder(QString());
    EXPECT_FALSE(QFileInfo(pipe).isFile());
}

// Regression: a device or a pipe named as the document was read until memory
// ran out, or for ever.
TEST(RenderCommand, ADocumentThatIsNoFileIsRefusedAtOnce)
{
    TRenderOptions options;
    options.Document = QStringLiteral("/dev/zero");
    options.Info = true;
    const TJobResult result = RunRenderJob(options, 1);
    EXPECT_TRUE(result.Error.contains(QStringLiteral("it is not a file")))
        << result.Error.toStdString();
    EXPECT_TRUE(result.Output.isEmpty());
}
