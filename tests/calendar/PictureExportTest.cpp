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
    page.SetScale(0.501F);
    const QString file = folder.filePath("Dec1999.BMP");
    ASSERT_EQ(
        SaveCalendarToBitmap(page, page.Scale(), RenderToBitmap(page), file, TPictureKind::Bitmap),
        std::nullopt);
    const QImage picture(file, "BMP");
    // Each margin is Trunc(96 x 0.5 x 0.501) = 24 pixels.
    EXPECT_EQ(picture.size(), QSize(page.Width() - 49, page.Height() - 49));
}

TEST(PictureExport, AFailedWriteIsReported)
{
    TCalendarPage page;
    ApplyMainPageValues(page);
    EXPECT_EQ(SaveCalendarToBitmap(page, page.Scale(), RenderToBitmap(page),
                                   "/no/such/folder/page.BMP", TPictureKind::Bitmap),
              "No such file or directory");
    // Margins that leave nothing to write.
    page.SetLeftMarginInch(6.0F);
    page.SetRightMarginInch(6.0F);
    QTemporaryDir folder;
    EXPECT_TRUE(SaveCalendarToBitmap(page, page.Scale(), RenderToBitmap(page),
                                     folder.filePath("p.BMP"), TPictureKind::Bitmap)
                    .has_value());
}
