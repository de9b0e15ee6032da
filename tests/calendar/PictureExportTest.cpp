#include "PictureExport.h"

#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "StoredPageValues.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PictureExport, TheBitmapIsThePageInsideItsMarginsLessOnePixel)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    TCalendarPage page;
    ApplyMainPageValues(page);
    page.SetLeftMarginInch(0.5F);
    page.SetTopMarginInch(0.5F);
    page.SetRightMarginInch(0.5F);
    page.SetBottomMarginInch(0.5F);
    const QString file = folder.filePath("Dec1999.BMP");
    ASSERT_EQ(
        SaveCalendarToBitmap(page, 0.501F, PageBitmapAt(page, 0.501F), file, TPictureKind::Bitmap),
        std::nullopt);
    const QImage picture(file, "BMP");
    // Each margin is Trunc(96 x 0.5 x 0.501) = 24 pixels.
    const QSize size = page.SizeAt(0.501F);
    EXPECT_EQ(picture.size(), QSize(size.width() - 49, size.height() - 49));
}

TEST(PictureExport, AFailedWriteIsReported)
{
    TCalendarPage page;
    ApplyMainPageValues(page);
    EXPECT_EQ(SaveCalendarToBitmap(page, 1.0F, RenderToBitmap(page), "/no/such/folder/page.BMP",
                                   TPictureKind::Bitmap),
              "No such file or directory");
    // Margins that leave nothing to write.
    page.SetLeftMarginInch(6.0F);
    page.SetRightMarginInch(6.0F);
    QTemporaryDir folder;
    EXPECT_TRUE(SaveCalendarToBitmap(page, 1.0F, RenderToBitmap(page), folder.filePath("p.BMP"),
                                     TPictureKind::Bitmap)
                    .has_value());
}
