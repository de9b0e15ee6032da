#include "PageSummary.h"

#include "CalendarPage.h"
#include "StoredPageValues.h"

#include <gtest/gtest.h>

TEST(PageSummary, NamesPaperSizeAndLayout)
{
    TCalendarPage page;
    ApplyMainPageValues(page);
    EXPECT_EQ(
        PageSummary(page),
        QString::fromUtf8("Letter landscape, 1056 \u00d7 816 pixels, layout loFCMinisInTitleLS"));
    page.SetPaperSize(1);
    page.SetCalendarLayout(lopMC6Month);
    EXPECT_EQ(PageSummary(page),
              QString::fromUtf8("A4 portrait, 793 \u00d7 1122 pixels, layout lopMC6Month"));
}
