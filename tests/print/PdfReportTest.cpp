#include "PdfReport.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The text on one page of a PDF file, as the poppler tools extract it.
QString PageText(const QString &fileName, int page)
{
    QProcess extract;
    extract.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                   QString::number(page), fileName, QStringLiteral("-")});
    extract.waitForFinished();
    return QString::fromUtf8(extract.readAllStandardOutput()).simplified();
}

// Texts waiting to be drawn together go on the sheet they were printed on:
// a new sheet draws them first.
TEST(PdfReport, TextsStayOnTheirSheet)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("sheets.pdf"));
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    TPdfReport report(QPageSize(QPageSize::A4), QPageLayout::Portrait);
    const bool written = report.Write(file, [](TPdfReport &sheets) {
        sheets.SetFont(QStringLiteral("Arial"), 14);
        sheets.SetLineTop(1);
        sheets.PrintLeft(QStringLiteral("First"), 1);
        sheets.PrintLeft(QStringLiteral("sheet"), 3);
        sheets.StartNewPage();
        sheets.SetLineTop(1);
        sheets.PrintLeft(QStringLiteral("Second"), 1);
    });
    file.close();
    ASSERT_TRUE(written);
    EXPECT_EQ(PageText(fileName, 1), QStringLiteral("First sheet"));
    EXPECT_EQ(PageText(fileName, 2), QStringLiteral("Second"));
}

// The whole sheet is printable and measured at a printer's resolution.
TEST(PdfReport, SheetIsPrintableToItsEdgesAtPrinterResolution)
{
    QBuffer output;
    ASSERT_TRUE(output.open(QIODevice::WriteOnly));
    TPdfReport report(QPageSize(QPageSize::Letter), QPageLayout::Landscape);
    int xDpi = 0;
    double unprintable = -1;
    ASSERT_TRUE(report.Write(output, [&](TPdfReport &sheet) {
        xDpi = sheet.XDpi();
        unprintable = sheet.UnprintableLeft() + sheet.UnprintableTop();
        sheet.SetLineTop(10.5); // below the sheet: clipped, not an error
        sheet.PrintLeft(QStringLiteral("off"), 0);
    }));
    EXPECT_EQ(xDpi, 1200);
    EXPECT_EQ(unprintable, 0);
    EXPECT_TRUE(output.data().startsWith("%PDF"));
}

} // namespace
