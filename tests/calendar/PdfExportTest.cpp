#include "PdfExport.h"

#include "CalendarPage.h"
#include "PdfProbe.h"
#include "StoredPageValues.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(PdfExport, TitleIsTheDocumentsNameOrThePagesMonthAndYear)
{
    TCalendarPage page;
    ApplyMainPageValues(page);
    page.SetMainCalMonth(12);
    page.SetMainCalYear(1999);
    EXPECT_EQ(PdfTitle(page, u"/home/ann/Cal/Team.DWC"_s), u"Team"_s);
    EXPECT_EQ(PdfTitle(page, u"/home/ann/Cal/Team.2024.DWC"_s), u"Team.2024"_s);
    EXPECT_EQ(PdfTitle(page, {}), u"December 1999"_s);
    page.SetMonthName(12, u"Dezember"_s);
    EXPECT_EQ(PdfTitle(page, {}), u"Dezember 1999"_s);
}

// The PDF was titled "ReportPrinter Report" whatever the page.
TEST(PdfExport, ThePdfCarriesTheTitleWithTheProgramAsCreator)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    TCalendarPage page;
    ApplyMainPageValues(page);
    const QString pdf = folder.filePath(u"Team.PDF"_s);
    ASSERT_FALSE(SavePageAsPdf(page, pdf, u"Team \u00e9t\u00e9"_s));
    const QString title = PdfInfoField(pdf, u"Title"_s);
    if (title.isNull())
        GTEST_SKIP() << "pdfinfo is not available";
    EXPECT_EQ(title, u"Team \u00e9t\u00e9"_s);
    EXPECT_EQ(PdfInfoField(pdf, u"Creator"_s), u"Datewright"_s);
}

} // namespace
