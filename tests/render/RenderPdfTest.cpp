#include "CalendarPage.h"
#include "PdfRaster.h"
#include "RenderCommand.h"
#include "StoredPageValues.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A month grid on Letter landscape saved as a document, with the title band
// in the colour given.
QString SavedMonthGrid(const QString &folder, TColor titleColor)
{
    TCalendarPage page;
    ApplyMainPageValues(page);
    page.SetCalendarLayout(LOFullCalendarLS);
    page.SetTitleBGColor(titleColor);
    const QString file = folder + QStringLiteral("/grid.DWC");
    EXPECT_FALSE(page.SaveToFile(file));
    return file;
}

} // namespace

TEST(RenderPdf, TheGridAndTitleBandLandWhereThePageLaysThemOut)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString pdf = folder.filePath("grid.pdf");
    ASSERT_EQ(RunRenderCommand({SavedMonthGrid(folder.path(), clYellow), "-o", pdf}), 0);
    const QImage sheet = RasterisedFirstPage(pdf, folder.path());
    if (sheet.isNull())
        GTEST_SKIP() << "pdftoppm is not available";
    ASSERT_EQ(sheet.size(), QSize(1056, 816)); // Letter landscape at 96 dpi
    EXPECT_EQ(PdfInfoField(pdf, QStringLiteral("Title")), QStringLiteral("grid"));

    TCalendarPage page; // the same page, laid out for its geometry
    ApplyMainPageValues(page);
    page.SetCalendarLayout(LOFullCalendarLS);
    const TRect main = page.MainRect();
    const int middle = (main.Top + main.Bottom) / 2;
    // The outline at the grid's left and right edges, nothing in the margin.
    EXPECT_GT(InkIn(sheet, QRect(main.Left - 2, middle, 5, 1)), 0);
    EXPECT_GT(InkIn(sheet, QRect(main.Right - 3, middle, 5, 1)), 0);
    EXPECT_EQ(InkIn(sheet, QRect(0, 0, main.Left - 4, sheet.height())), 0);
    // The yellow title band just inside the grid's top left corner.
    const QColor band = sheet.pixelColor(main.Left + 6, main.Top + 6);
    EXPECT_GT(band.red(), 240);
    EXPECT_GT(band.green(), 240);
    EXPECT_LT(band.blue(), 30);
}

TEST(RenderPdf, AWhiteTitleBandLeavesThePaperBare)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString pdf = folder.filePath("white.pdf");
    ASSERT_EQ(RunRenderCommand({SavedMonthGrid(folder.path(), clWhite), "-o", pdf}), 0);
    const QImage sheet = RasterisedFirstPage(pdf, folder.path());
    if (sheet.isNull())
        GTEST_SKIP() << "pdftoppm is not available";
    TCalendarPage page;
    ApplyMainPageValues(page);
    page.SetCalendarLayout(LOFullCalendarLS);
    const TRect main = page.MainRect();
    EXPECT_EQ(sheet.pixelColor(main.Left + 6, main.Top + 6), QColor(Qt::white));
}
