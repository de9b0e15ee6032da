#include "ReportPrinter.h"

#include "Messages.h"
#include "PdfRaster.h"

#include <QFile>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

QByteArray ReadFile(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ReportPrinterPdf : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        report.Device().SelectPdfFile(fileName);
    }

    QTemporaryDir folder;
    QString fileName = folder.filePath("job.pdf");
    TReportPrinter report;
};

TEST_F(ReportPrinterPdf, TwoPagesInOneDocument)
{
    QStringList seen;
    report.OnBeforePrint = [&](TReportPrinter &r) {
        seen << "before";
        EXPECT_FALSE(r.Printing());
    };
    report.OnPrint = [&](TReportPrinter &r) {
        seen << r.StatusText();
        EXPECT_TRUE(r.Printing());
        EXPECT_EQ(r.XDpi(), r.Device().Printer().resolution());
        EXPECT_EQ(r.UnprintableLeft(), 0.0);
        EXPECT_EQ(r.UnprintableTop(), 0.0);
        EXPECT_EQ(r.XU2D(1.0), r.XDpi());
        r.SetLineTop(1.0);
        r.PrintLeft("First", 1.0);
        r.StartNewPage();
        seen << r.StatusText();
        r.Rectangle(1.0, 1.0, 2.0, 2.0);
    };
    EXPECT_TRUE(report.RunPrintJob());
    EXPECT_FALSE(report.Printing());
    EXPECT_EQ(seen, QStringList({"before", "Printing page 1", "Printing page 2"}));
    const QByteArray pdf = ReadFile(fileName);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(PdfPageCount(pdf), 2);
}

TEST_F(ReportPrinterPdf, FailureInOnPrintStillEndsTheDocument)
{
    report.OnPrint = [](TReportPrinter &r) {
        r.PrintLeft("Before the failure", 1.0);
        throw std::runtime_error("drawing failed");
    };
    EXPECT_THROW(report.RunPrintJob(), std::runtime_error);
    EXPECT_FALSE(report.Printing());
    const QByteArray pdf = ReadFile(fileName);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF")) << "the document was ended";
    EXPECT_EQ(PdfPageCount(pdf), 1);

    report.OnPrint = [](TReportPrinter &r) { r.PrintLeft("Again", 1.0); };
    EXPECT_TRUE(report.RunPrintJob()) << "the next job runs";
}

// The page's orientation must win over a choice made in the set-up dialog,
// even when the report's own value did not change.
TEST_F(ReportPrinterPdf, OrientationGoesIntoTheDeviceEveryTime)
{
    QPrinter &printer = report.Device().Printer();
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
    report.SetOrientation(poLandScape);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    printer.setPageOrientation(QPageLayout::Portrait);
    report.SetOrientation(poLandScape);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    report.SetOrientation(poDefault);
    EXPECT_EQ(report.Orientation(), poDefault);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);

    report.OnPrint = [](TReportPrinter &r) { r.SetOrientation(poPortrait); };
    report.RunPrintJob();
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape)
        << "not changed within a job";
}

TEST_F(ReportPrinterPdf, CopiesWithinWhatTheDriverMakes)
{
    TRPDevice &device = report.Device();
    EXPECT_EQ(device.DeviceCopies(), 1);
    ASSERT_EQ(device.DeviceMaxCopies(), 1) << "a PDF file makes no copies by itself";
    report.SetCopies(3);
    EXPECT_EQ(report.Copies(), 3);
    EXPECT_EQ(device.DeviceCopies(), 1);
    device.SetDeviceCopies(0);
    EXPECT_EQ(device.DeviceCopies(), 1);
}

TEST(ReportPrinter, PdfSheetIsPrintableToItsEdges)
{
    TReportPrinter report;
    report.Device().SelectPdfFile(QStringLiteral("unused.pdf"));
    report.Device().SetPaper(QPageSize(QPageSize::Letter));
    report.SetOrientation(poLandScape);
    EXPECT_EQ(report.UnprintableMargins(), QMarginsF());
}

TEST(ReportPrinter, WithoutPrintersNothingIsPrinted)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has a printer";
    QStringList messages;
    TMessageAnswerer answerer;
    answerer.Information = [&](const QString &text) { messages << text; };
    SetMessageAnswerer(answerer);
    TReportPrinter report;
    bool printed = false;
    report.OnBeforePrint = [&](TReportPrinter &) { printed = true; };
    report.OnPrint = [&](TReportPrinter &) { printed = true; };
    EXPECT_FALSE(report.RunPrintJob());
    SetMessageAnswerer({});
    EXPECT_FALSE(printed);
    EXPECT_EQ(messages, QStringList({"No printers are defined, aborting print job."}));
}

TEST(ReportPrinter, StartsOnTheSystemPrinter)
{
    TReportPrinter report;
    EXPECT_GE(report.Device().DeviceMaxCopies(), 1);
    EXPECT_FALSE(report.Device().IsPdf());
}

} // namespace
