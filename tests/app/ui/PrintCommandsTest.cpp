#include "MainWindowTestSupport.h"
#include "PdfRaster.h"
#include "PublishedProperties.h"
#include "ReportPrinter.h"
#include "TestObject.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The first page's size in points.
QSizeF MediaBox(const QByteArray &pdf)
{
    static const QRegularExpression box(u"/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"_s);
    const QRegularExpressionMatch match = box.match(QString::fromLatin1(pdf));
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble())
                            : QSizeF();
}

// A placed object of a kind derived from special-effect text.
class TSuperTextStandIn : public TTestObject
{
public:
    const TClassInfo &ClassInfo() const override
    {
        static const TClassInfo superText(u"TLumSuperText"_s, &TTestObject::Class());
        static const TClassInfo derived(u"TSuperTextStandIn"_s, &superText);
        return derived;
    }
};

// The print commands with the set-up dialog answered through the modal
// dialog seam: an accepted dialog sends the job into a PDF file.
class PrintCommandsTest : public testing::Test
{
protected:
    void SetUp() override { pdf = run.Path(u"printed.pdf"_s); }
    void TearDown() override { SetModalAnswerer({}); }

    // The next set-up dialogs end with result; when accepted they choose the
    // PDF file, copies and orientation.
    void AnswerSetup(int result, int copies = 1,
                     QPageLayout::Orientation orientation = QPageLayout::Portrait)
    {
        SetModalAnswerer(PassingSetDialogs([=, this](QDialog &dialog) {
            auto *setup = qobject_cast<QPrintDialog *>(&dialog);
            EXPECT_NE(setup, nullptr);
            ++setupsShown;
            if (!setup)
                return int(QDialog::Rejected);
            QPrinter &printer = *setup->printer();
            copiesShown = printer.copyCount();
            if (result == QDialog::Accepted) {
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(pdf);
                printer.setPageSize(QPageSize(QPageSize::Letter));
                printer.setPageOrientation(orientation);
                printer.setCopyCount(copies);
            }
            return result;
        }));
    }

    QByteArray Printed() const { return FileBytes(pdf); }
    // The first page of a PDF rasterised at 96 dots an inch.
    QImage Raster(const QString &file) const
    {
        return RasterisedFirstPage(file, QFileInfo(file).absolutePath());
    }

    TMainWindowRun run;
    QString pdf;
    int setupsShown = 0;
    int copiesShown = 0;
};

const QString completed = u"Print job completed and sent to printer!"_s;

TEST_F(PrintCommandsTest, CancelledSetUpPrintsNothingAndSaysNothing)
{
    TCalendarMain &window = run.StartActive();
    window.SetModified(true);
    AnswerSetup(QDialog::Rejected);
    window.mnuPrintCalendarClick();
    EXPECT_EQ(setupsShown, 1);
    EXPECT_FALSE(window.Session().Printed());
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(run.Messages.isEmpty());
    EXPECT_TRUE(window.Session().Modified());
}

TEST_F(PrintCommandsTest, PageAtSixtyPercentPrintsAtFullSizeAndShowsSixtyAgain)
{
    TCalendarMain &window = run.StartActive();
    ASSERT_EQ(window.Parts().CalendarPanel->Zoom(), 0.601f);
    AnswerSetup(QDialog::Accepted);
    window.mnuPrintCalendarClick();
    EXPECT_EQ(run.Messages, QStringList{completed});
    EXPECT_TRUE(window.Session().Printed());
    EXPECT_EQ(window.Parts().CalendarPanel->Zoom(), 0.601f);
    EXPECT_FALSE(window.Parts().CalendarPanel->PaintingHeld());
    EXPECT_EQ(PdfPageCount(Printed()), 1);

    // The printed sheet holds what the PDF export writes at full size.
    const QString exported = run.Path(u"exported.pdf"_s);
    SetFileNameAnswerer([&](QFileDialog &) { return exported; });
    window.mnuSaveAsPDFClick();
    const QImage printedSheet = Raster(pdf);
    if (printedSheet.isNull())
        GTEST_SKIP() << "pdftoppm is not available";
    const QImage exportedSheet = Raster(exported);
    ASSERT_EQ(printedSheet.size(), exportedSheet.size());
    const QRect printedInk = InkBounds(printedSheet, printedSheet.rect());
    const QRect exportedInk = InkBounds(exportedSheet, exportedSheet.rect());
    EXPECT_NEAR(printedInk.left(), exportedInk.left(), 1);
    EXPECT_NEAR(printedInk.top(), exportedInk.top(), 1);
    EXPECT_NEAR(printedInk.right(), exportedInk.right(), 1);
    EXPECT_NEAR(printedInk.bottom(), exportedInk.bottom(), 1);
    // Drawn at the zoom shown, the page would end 6.6 inches from the left.
    EXPECT_GT(printedInk.right(), 10 * 96);
}

TEST_F(PrintCommandsTest, TheJobIsNamedAfterTheDocumentAndTheSetUpButtonReadsOk)
{
    // Regression: a print job was named "ReportPrinter Report" in the queue,
    // and Print Setup's button read "Print" though setting up prints nothing.
    TCalendarMain &window = run.StartActive();
    AnswerSetup(QDialog::Accepted);
    window.mnuPrintCalendarClick();
    EXPECT_EQ(window.ReportPrinter1().Device().Printer().docName(), u"Dec1999"_s);
    EXPECT_EQ(window.ReportPrinter1().Title(), u"Dec1999"_s);

    QStringList accepting;
    SetModalAnswerer(PassingSetDialogs([&accepting](QDialog &dialog) {
        for (const QDialogButtonBox *row : dialog.findChildren<QDialogButtonBox *>()) {
            if (const QPushButton *ok = row->button(QDialogButtonBox::Ok))
                accepting.append(ok->text());
        }
        return int(QDialog::Rejected);
    }));
    window.mnuPrintSetupClick();
    EXPECT_EQ(accepting, QStringList{u"OK"_s});
    accepting.clear();
    window.mnuPrintCalendarClick();
    EXPECT_EQ(accepting, QStringList{u"&Print"_s}) << "printing still says Print";
}

TEST_F(PrintCommandsTest, ThePagesOrientationWinsOverTheDialogs)
{
    TCalendarMain &window = run.StartActive();
    const struct
    {
        TCalendarLayout layout;
        QPageLayout::Orientation chosen;
        QSizeF expected;
    } cases[] = {
        {LOFullCalendarLS, QPageLayout::Portrait, {792, 612}},
        {loFullCalendar, QPageLayout::Landscape, {612, 792}},
        {loFullCalendar, QPageLayout::Portrait, {612, 792}},
    };
    for (const auto &c : cases) {
        window.Parts().CalendarPage->SetCalendarLayout(c.layout);
        AnswerSetup(QDialog::Accepted, 1, c.chosen);
        window.mnuPrintCalendarClick();
        const QSizeF size = MediaBox(Printed());
        EXPECT_NEAR(size.width(), c.expected.width(), 1) << c.layout;
        EXPECT_NEAR(size.height(), c.expected.height(), 1) << c.layout;
    }
}

TEST_F(PrintCommandsTest, CopiesAreDrawnByTheProgramWhenThePrinterCannotMakeThem)
{
    TCalendarMain &window = run.StartActive();
    AnswerSetup(QDialog::Accepted, 3);
    window.mnuPrintCalendarClick();
    ASSERT_EQ(window.ReportPrinter1().Device().DeviceMaxCopies(), 1);
    EXPECT_EQ(window.Session().CopiesToPrint(), 3);
    EXPECT_EQ(window.ReportPrinter1().Copies(), 1) << "the printer is not asked for copies";
    EXPECT_EQ(PdfPageCount(Printed()), 3);
    EXPECT_EQ(run.Messages, QStringList{completed});
}

TEST_F(PrintCommandsTest, PrintingLeavesTheSaveButtonAsItWas)
{
    TCalendarMain &window = run.StartActive();
    for (const bool modified : {true, false}) {
        window.SetModified(modified);
        AnswerSetup(QDialog::Accepted);
        window.mnuPrintCalendarClick();
        EXPECT_TRUE(window.Session().Printed());
        EXPECT_EQ(window.Session().Modified(), modified);
        EXPECT_EQ(window.Button(u"Savebutton"_s)->isVisibleTo(window.Parts().Panel3), modified);
    }
}

TEST_F(PrintCommandsTest, SpecialEffectTextEndsWithTheLongMessage)
{
    TCalendarMain &window = run.StartActive();
    window.Parts().CalendarPage->PlaceObject(MakeTestObject(10, 10, 40, 20), {10, 10, 50, 30});
    AnswerSetup(QDialog::Accepted);
    window.mnuPrintCalendarClick();
    EXPECT_EQ(run.Messages, QStringList{completed}) << "another kind of object";
    run.Messages.clear();
    window.Parts().CalendarPage->PlaceObject(std::make_unique<TSuperTextStandIn>(),
                                             {60, 10, 100, 30});
    AnswerSetup(QDialog::Accepted);
    window.mnuPrintCalendarClick();
    EXPECT_EQ(run.Messages,
              QStringList{u"Print job completed and sent to printer!\r\rNote: this design "
                          u"contains complex shapes or text.\rPlease be patient while the "
                          u"printer produces its\routput..."_s});
}

TEST_F(PrintCommandsTest, TextStillInTheCellEditorIsPrinted)
{
    TCalendarMain &window = run.StartActive();
    TCalendarPage &page = *window.Parts().CalendarPage;
    const int cell = page.CellOfDay(15);
    ClickPage(*window.Parts().CalendarPanel, CellCentre(page, cell));
    TypeText(u"Dentist"_s);
    AnswerSetup(QDialog::Accepted, 1, QPageLayout::Landscape);
    window.mnuPrintCalendarClick();
    EXPECT_EQ(CellText(page, cell), u"Dentist"_s);
    const QImage sheet = Raster(pdf);
    if (sheet.isNull())
        GTEST_SKIP() << "pdftoppm is not available";
    // The cell's text area at full size: page pixels are the raster's.
    const TRect free = page.MainAttributes().CellGeometry[cell - 1].rFree;
    const double full = 1.0 / page.Zoom();
    const QRect area(int(free.Left * full) + 2, int(free.Top * full) + 2,
                     int(free.Width() * full) - 4, int(free.Height() * full) - 4);
    EXPECT_GT(InkIn(sheet, area), 20) << "the word is in its cell";
    const int next = page.CellOfDay(16);
    const TRect other = page.MainAttributes().CellGeometry[next - 1].rFree;
    const QRect empty(int(other.Left * full) + 2, int(other.Top * full) + 16,
                      int(other.Width() * full) - 4, int(other.Height() * full) - 20);
    EXPECT_EQ(InkIn(sheet, empty), 0) << "below the next cell's number nothing is printed";
}

TEST_F(PrintCommandsTest, SetUpChoicesStayForTheNextJob)
{
    TCalendarMain &window = run.StartActive();
    AnswerSetup(QDialog::Accepted, 2);
    window.mnuPrintSetupClick();
    EXPECT_TRUE(run.Messages.isEmpty());
    EXPECT_FALSE(QFile::exists(pdf)) << "set-up alone prints nothing";
    window.mnuPrintCalendarClick();
    EXPECT_EQ(copiesShown, 2);
    EXPECT_EQ(setupsShown, 2);
}

// A job whose output could not be begun used to end without a word.
TEST_F(PrintCommandsTest, AJobThatCannotStartIsTold)
{
    TCalendarMain &window = run.StartActive();
    pdf = run.Path(u"missing/folder/printed.pdf"_s);
    AnswerSetup(QDialog::Accepted);
    window.mnuPrintCalendarClick();
    EXPECT_FALSE(window.Session().Printed());
    EXPECT_EQ(run.Messages, QStringList{u"Unable to start the print job on "_s + pdf});
}

TEST_F(PrintCommandsTest, WithoutPrintersTheJobIsAborted)
{
    TCalendarMain &window = run.StartActive();
    SetModalAnswerer([](QDialog &) { return int(QDialog::Accepted); });
    if (window.ReportPrinter1().Device().HasPrinter())
        GTEST_SKIP() << "a printer is installed";
    window.mnuPrintCalendarClick();
    EXPECT_FALSE(window.Session().Printed());
    EXPECT_EQ(run.Messages, QStringList{u"No printers are defined, aborting print job."_s});
}

} // namespace
