// The print command on real printers: the private CUPS server the test run
// starts, with a cups-pdf printer, a raw file printer and one that cannot
// print near the sheet's edges.

#include "MainWindowTestSupport.h"
#include "PdfRaster.h"
#include "ReportPrinter.h"
#include "TestObject.h"

#include <QDirIterator>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString pdfPrinter = u"DW-PDF"_s;
const QString rawPrinter = u"DW-Raw"_s;
const QString marginsPrinter = u"DW-Margins"_s;

// Where the printers put what they print.
const QString output = QStringLiteral(DW_CUPS_OUTPUT);
const QString pdfFolder = output + u"/pdf"_s;
const QString rawFile = output + u"/raw.prn"_s;
const QString marginsFile = output + u"/margins.pdf"_s;

// Whether the server has no job left to do, waiting at most a minute.
bool QueuesEmpty()
{
    QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        QProcess lpstat;
        lpstat.start(u"lpstat"_s, {u"-o"_s});
        if (lpstat.waitForFinished(10000) && lpstat.exitCode() == 0 &&
            lpstat.readAllStandardOutput().trimmed().isEmpty())
            return true;
        QThread::msleep(50);
    }
    return false;
}

// The files cups-pdf wrote, newest first.
QStringList CupsPdfFiles()
{
    QDir folder(pdfFolder);
    QStringList files;
    for (const QFileInfo &file : folder.entryInfoList({u"*.pdf"_s}, QDir::Files, QDir::Time))
        files << file.absoluteFilePath();
    return files;
}

class PrintOnPrintersTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("CUPS_SERVER"));
        ASSERT_TRUE(QueuesEmpty());
        for (const QString &file : CupsPdfFiles())
            QFile::remove(file);
        QFile::remove(rawFile);
        QFile::remove(marginsFile);
    }
    void TearDown() override { SetModalAnswerer({}); }

    // The next set-up dialogs choose printer, Letter paper, orientation and
    // copies, and are confirmed; the set dialogs before them choose the set.
    void ChoosePrinter(const QString &name, int copies = 1,
                       QPageLayout::Orientation orientation = QPageLayout::Portrait,
                       std::function<void(TCalendarSetDialog &)> set = {})
    {
        SetModalAnswerer(PassingSetDialogs(
            [=](QDialog &dialog) {
                auto *setup = qobject_cast<QPrintDialog *>(&dialog);
                if (!setup)
                    return int(QDialog::Rejected);
                QPrinter &printer = *setup->printer();
                printer.setPrinterName(name);
                printer.setPageSize(QPageSize(QPageSize::Letter));
                printer.setPageOrientation(orientation);
                printer.setCopyCount(copies);
                return int(QDialog::Accepted);
            },
            std::move(set)));
    }

    // A portrait month page shown at full size, so that its pixels are those
    // of a sheet rasterised at 96 dots an inch.
    TCalendarMain &StartFullSizePortrait()
    {
        TCalendarMain &window = run.StartActive();
        window.Parts().CalendarPage->SetCalendarLayout(loFullCalendar);
        window.Parts().CalendarPanel->SetZoom(1.0f);
        window.Parts().CalendarPanel->repaint();
        return window;
    }

    TMainWindowRun run;
};

const QString completed = u"Print job completed and sent to printer!"_s;

TEST_F(PrintOnPrintersTest, TheServersPrintersAreSeenWithTheirMargins)
{
    const QStringList names = QPrinterInfo::availablePrinterNames();
    EXPECT_TRUE(names.contains(pdfPrinter)) << names.join(u' ').toStdString();
    EXPECT_TRUE(names.contains(rawPrinter));
    EXPECT_TRUE(names.contains(marginsPrinter));
    EXPECT_EQ(QPrinterInfo::defaultPrinterName(), pdfPrinter);

    TReportPrinter report;
    report.Device().SelectPrinter(marginsPrinter);
    report.Device().SetPaper(QPageSize(QPageSize::Letter));
    const struct
    {
        TOrientation orientation;
        QMarginsF expected;
    } cases[] = {
        {poPortrait, {0.28, 0.25, 0.259, 0.25}},
        // Turned a quarter to the left onto the upright sheet.
        {poLandScape, {0.25, 0.28, 0.25, 0.259}},
    };
    for (const auto &c : cases) {
        report.SetOrientation(c.orientation);
        EXPECT_NEAR(report.UnprintableLeft(), c.expected.left(), 1e-6) << c.orientation;
        EXPECT_NEAR(report.UnprintableTop(), c.expected.top(), 1e-6) << c.orientation;
        EXPECT_NEAR(report.UnprintableRight(), c.expected.right(), 1e-6) << c.orientation;
        EXPECT_NEAR(report.UnprintableBottom(), c.expected.bottom(), 1e-6) << c.orientation;
    }
    report.Device().SelectPrinter(pdfPrinter);
    EXPECT_EQ(report.UnprintableMargins(), QMarginsF());
    EXPECT_GT(report.Device().DeviceMaxCopies(), 99);
}

TEST_F(PrintOnPrintersTest, ThePrintedSheetHasTheGridTheCellTextAndTheObjectsWhereThePageHasThem)
{
    TCalendarMain &window = StartFullSizePortrait();
    TCalendarPage &page = *window.Parts().CalendarPage;
    const int cell = page.CellOfDay(15);
    TWPRtfStorage text;
    text.RtfText().Document().setPlainText(u"Dentist at ten"_s);
    page.SetCellText(cell, text);
    // An object in the title band, right of the title.
    const TRect object{620, 70, 720, 110};
    page.PlaceObject(
        MakeTestObject(object.Left, object.Top, object.Width(), object.Height(), clNavy), object);
    window.Parts().CalendarPanel->repaint();
    ChoosePrinter(pdfPrinter);
    window.mnuPrintCalendarClick();
    EXPECT_EQ(run.Messages, QStringList{completed});
    ASSERT_TRUE(QueuesEmpty());
    const QStringList files = CupsPdfFiles();
    ASSERT_EQ(files.size(), 1);
    // Regression: the job was "ReportPrinter Report" in the queue, which
    // cups-pdf names its file after; it is the document's name.
    EXPECT_TRUE(QFileInfo(files.first()).fileName().startsWith(u"Dec1999"_s))
        << files.first().toStdString();
    const QImage sheet = RasterisedFirstPage(files.first(), QFileInfo(files.first()).path());
    ASSERT_FALSE(sheet.isNull());
    ASSERT_EQ(sheet.size(), QSize(816, 1056)) << "Letter at 96 dots an inch";

    // The frame and the six lines between the seven columns, where the page
    // has them in its pixels, which are the sheet's at 96 dots an inch.
    const TRect &main = page.MainRect();
    const int columnWidth = (main.Right - 1 - main.Left) / 7;
    const int probeY = main.Bottom - 40;
    for (int line = 0; line <= 7; ++line) {
        const int x = line == 7 ? main.Right - 1 : main.Left + line * columnWidth;
        EXPECT_GT(InkIn(sheet, QRect(x - 2, probeY, 5, 6)), 0) << "line " << line;
        if (line < 7) {
            EXPECT_EQ(InkIn(sheet, QRect(x + columnWidth / 2, probeY, 6, 6)), 0)
                << "within column " << line;
        }
    }
    const int middleX = (main.Left + main.Right) / 2;
    EXPECT_GT(InkIn(sheet, QRect(middleX, main.Top - 2, 6, 5)), 0) << "top of the frame";
    EXPECT_GT(InkIn(sheet, QRect(middleX, main.Bottom - 3, 6, 5)), 0) << "bottom of the frame";
    EXPECT_EQ(InkIn(sheet, QRect(0, 0, main.Left - 3, sheet.height())), 0) << "left margin";

    // The cell's text where the screen shows it, the next cell's area empty.
    const TCalendarAttributes &geometry = page.MainAttributes();
    const TRect &free = geometry.CellGeometry[cell - 1].rFree;
    // Clear of the cell's lines, which lie a few pixels off on paper.
    const QRect textArea(free.Left - 3, free.Top - 4, free.Width() - 3, free.Height() - 4);
    const QRect ink = InkBounds(sheet, textArea);
    SCOPED_TRACE(testing::Message()
                 << "text area " << free.Left << ", " << free.Top << " to " << free.Right << ", "
                 << free.Bottom << "; ink " << ink.left() << ", " << ink.top() << " to "
                 << ink.right() << ", " << ink.bottom());
    ASSERT_FALSE(ink.isNull()) << "the cell's text is printed";
    EXPECT_NEAR(ink.left(), free.Left, 6) << "from the text area's left";
    EXPECT_NEAR(ink.top(), free.Top, 8) << "on its first line";
    EXPECT_LT(ink.height(), 20) << "on one line";
    const TRect &next = geometry.CellGeometry[cell].rFree;
    EXPECT_EQ(
        InkIn(sheet, QRect(next.Left + 4, next.Top + 6, next.Width() - 8, next.Height() - 12)), 0)
        << "the next day's text area stays empty";

    // The object fills its place and nothing around it.
    const QRect place(object.Left, object.Top, object.Width(), object.Height());
    EXPECT_EQ(InkIn(sheet, place.adjusted(1, 1, -1, -1)),
              (place.width() - 2) * (place.height() - 2));
    EXPECT_EQ(InkIn(sheet, QRect(place.left(), place.top() - 6, place.width(), 4)), 0);
    EXPECT_EQ(InkIn(sheet, QRect(place.left() - 6, place.top(), 4, place.height())), 0);
    EXPECT_EQ(InkIn(sheet, QRect(place.right() + 3, place.top(), 4, place.height())), 0);
    EXPECT_EQ(InkIn(sheet, QRect(place.left(), place.bottom() + 3, place.width(), 4)), 0);

    // What came out of the printer is what the PDF export writes.
    const QString exported = run.Path(u"exported.pdf"_s);
    SetFileNameAnswerer([&](QFileDialog &) { return exported; });
    window.mnuSaveAsPDFClick();
    const QImage exportedSheet = RasterisedFirstPage(exported, QFileInfo(exported).path());
    ASSERT_EQ(exportedSheet.size(), sheet.size());
    const QRect printedInk = InkBounds(sheet, sheet.rect());
    const QRect exportedInk = InkBounds(exportedSheet, exportedSheet.rect());
    EXPECT_NEAR(printedInk.left(), exportedInk.left(), 1);
    EXPECT_NEAR(printedInk.top(), exportedInk.top(), 1);
    EXPECT_NEAR(printedInk.right(), exportedInk.right(), 1);
    EXPECT_NEAR(printedInk.bottom(), exportedInk.bottom(), 1);
}

TEST_F(PrintOnPrintersTest, APrinterThatCannotReachTheLeftMarginAsksFirst)
{
    TCalendarMain &window = StartFullSizePortrait();
    TCalendarPage &page = *window.Parts().CalendarPage;
    page.SetLeftMarginInch(0.25f);
    page.SetTopMarginInch(0.25f);
    page.SetRightMarginInch(0.25f);
    page.SetBottomMarginInch(0.25f);
    ChoosePrinter(marginsPrinter);
    run.AnswerYes = false;
    window.mnuPrintCalendarClick();
    ASSERT_EQ(run.Questions.size(), 1);
    // 0.259 inch on the right counts as 0.25 and passes.
    EXPECT_EQ(run.Questions.first().first,
              u"Margin Warning:\r\rLeft Margin is possibly outside of Printer printable area"
              u"\r\rPrint anyways?"_s);
    EXPECT_EQ(run.Questions.first().second, u"Margin Warning"_s);
    EXPECT_FALSE(window.Session().Printed());
    EXPECT_TRUE(run.Messages.isEmpty());
    ASSERT_TRUE(QueuesEmpty());
    EXPECT_FALSE(QFile::exists(marginsFile)) << "No prints nothing";

    run.AnswerYes = true;
    window.mnuPrintCalendarClick();
    EXPECT_EQ(run.Messages, QStringList{completed});
    ASSERT_TRUE(QueuesEmpty());
    EXPECT_EQ(PdfPageCount(FileBytes(marginsFile)), 1);

    // Margins the printer reaches print without a question.
    page.SetLeftMarginInch(0.28f);
    run.Questions.clear();
    window.mnuPrintCalendarClick();
    EXPECT_TRUE(run.Questions.isEmpty());
}

TEST_F(PrintOnPrintersTest, ThePrinterMakesTheCopiesOfOneDrawnSheet)
{
    TCalendarMain &window = StartFullSizePortrait();
    ChoosePrinter(rawPrinter, 3);
    window.mnuPrintCalendarClick();
    EXPECT_EQ(window.Session().CopiesToPrint(), 1);
    EXPECT_EQ(window.ReportPrinter1().Copies(), 3);
    ASSERT_TRUE(QueuesEmpty());
    const QByteArray spooled = FileBytes(rawFile);
    ASSERT_TRUE(spooled.startsWith("%PDF"));
    EXPECT_EQ(PdfPageCount(spooled), 1) << "the page is drawn once";

    ChoosePrinter(pdfPrinter, 3);
    window.mnuPrintCalendarClick();
    ASSERT_TRUE(QueuesEmpty());
    const QStringList files = CupsPdfFiles();
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(PdfPageCount(FileBytes(files.first())), 3) << "three sheets come out";
}

TEST_F(PrintOnPrintersTest, ALandscapePagePrintsLandscapeAfterPortraitWasChosen)
{
    TCalendarMain &window = run.StartActive();
    ASSERT_EQ(window.Parts().CalendarPage->CalendarOrientation(), coLandscape);
    ChoosePrinter(rawPrinter, 1, QPageLayout::Portrait);
    window.mnuPrintCalendarClick();
    ASSERT_TRUE(QueuesEmpty());
    const QImage sheet = RasterisedFirstPage(rawFile, output);
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(sheet.size(), QSize(1056, 816)) << "11 by 8.5 inches";
    EXPECT_EQ(window.ReportPrinter1().Device().Printer().pageLayout().orientation(),
              QPageLayout::Landscape);
}

TEST_F(PrintOnPrintersTest, ASetPrintsAsOneJobOfItsPages)
{
    TCalendarMain &window = StartFullSizePortrait();
    ShipHolidaySet(u"United Kingdom"_s);
    window.SetModified(true);
    ChoosePrinter(pdfPrinter, 1, QPageLayout::Portrait, SetOf(4, u"United Kingdom"_s));
    window.mnuPrintCalendarClick();
    EXPECT_EQ(run.Messages, QStringList{completed});
    ASSERT_TRUE(QueuesEmpty());
    const QStringList files = CupsPdfFiles();
    ASSERT_EQ(files.size(), 1) << "one job";
    EXPECT_EQ(PdfPageCount(FileBytes(files.first())), 4);
    EXPECT_TRUE(window.Session().Modified());
    EXPECT_EQ(window.Parts().CalendarPage->MainCalMonth(), 12);

    // Cancelled after two pages: the print system still takes those two,
    // and the user is told so.
    QFile::remove(files.first());
    run.Messages.clear();
    TCancelAt cancel(window, 2);
    window.mnuPrintCalendarClick();
    EXPECT_EQ(
        run.Messages,
        QStringList{u"Printing was cancelled. The pages drawn before may still be printed."_s});
    EXPECT_FALSE(window.Session().Printed());
    ASSERT_TRUE(QueuesEmpty());
    const QStringList cancelled = CupsPdfFiles();
    ASSERT_LE(cancelled.size(), 1);
    if (!cancelled.isEmpty()) {
        EXPECT_EQ(PdfPageCount(FileBytes(cancelled.first())), 2);
    }
}

} // namespace
