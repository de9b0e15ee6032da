#include "ImageSamples.h"
#include "LumImage.h"
#include "PdfRaster.h"
#include "PdfReport.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The picture object, 2 x 1 inches at one inch from the sheet's corner,
// printed alone on a Letter sheet into a PDF.
QByteArray PrintedPdf(const TLumPicture &picture, TBorderStyle border = bsNone,
                      TImageFit fit = ifStretch, int cropY = 50)
{
    TLumImage image;
    image.SetObjectBounds(96, 96, 192, 96);
    image.SetPicture(picture);
    image.SetBorderStyle(border);
    image.SetFit(fit);
    image.SetCropY(cropY);
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    TPdfReport report(QPageSize(QPageSize::Letter), QPageLayout::Portrait);
    EXPECT_TRUE(report.Write(
        pdf, [&image](TPdfReport &sheet) { image.PrintObject(sheet, 0, 0, image.Scale()); }));
    return pdf.data();
}

int ImagesIn(const QByteArray &pdf)
{
    return int(pdf.count("/Subtype /Image"));
}

QImage Rasterised(const QByteArray &pdf)
{
    QTemporaryDir folder;
    const QString fileName = folder.filePath(u"picture.pdf"_qs);
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(pdf);
    file.close();
    return RasterisedFirstPage(fileName, folder.path(), 96);
}

TEST(ImagePrint, MetafilePrintsAsVectorsBitmapAsBitmap)
{
    EXPECT_EQ(ImagesIn(PrintedPdf(MetafilePicture())), 0);
    EXPECT_EQ(ImagesIn(PrintedPdf(BitmapPicture(50, 40))), 1);
    EXPECT_EQ(ImagesIn(PrintedPdf(TLumPicture())), 0) << "no picture, nothing printed";
}

// Regression: an icon shown on the page was left off the paper.
TEST(ImagePrint, IconPrintsAsABitmap)
{
    EXPECT_EQ(ImagesIn(PrintedPdf(IconPicture())), 1);
}

TEST(ImagePrint, MetafileLandsInTheObjectsRectangle)
{
    const QImage page = Rasterised(PrintedPdf(MetafilePicture()));
    if (page.isNull())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    // The square spans 0.2 to 0.6 inches of the picture, which starts at 1
    // inch: pixels 115 to 154, give or take its outline.
    const QRect ink = InkBounds(page, page.rect());
    EXPECT_NEAR(ink.left(), 115, 2);
    EXPECT_NEAR(ink.top(), 115, 2);
    EXPECT_NEAR(ink.right(), 154, 2);
    EXPECT_NEAR(ink.bottom(), 154, 2);
}

TEST(ImagePrint, BitmapFillsTheRectangleAndBorderFramesIt)
{
    const QImage page = Rasterised(PrintedPdf(BitmapPicture(50, 40), bsSingle));
    if (page.isNull())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const QRect ink = InkBounds(page, page.rect());
    EXPECT_EQ(ink.topLeft(), QPoint(96, 96));
    EXPECT_NEAR(ink.right(), 287, 1);
    EXPECT_NEAR(ink.bottom(), 191, 1);
    EXPECT_EQ(page.pixel(96, 150), qRgb(0, 0, 0)) << "the frame";
    EXPECT_GT(QColor(page.pixel(130, 150)).red(), 250);
    EXPECT_GT(QColor(page.pixel(250, 150)).blue(), 250);
}

TEST(ImagePrint, FitShowsTheWholePictureInTheMiddle)
{
    const QImage page = Rasterised(PrintedPdf(BitmapPicture(40, 40), bsNone, ifFit));
    if (page.isNull())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    // 96 x 96 in the middle of the 192 x 96 frame.
    const QRect ink = InkBounds(page, page.rect());
    EXPECT_NEAR(ink.left(), 144, 1);
    EXPECT_NEAR(ink.right(), 239, 1);
    EXPECT_NEAR(ink.top(), 96, 1);
    EXPECT_NEAR(ink.bottom(), 191, 1);
    EXPECT_GT(QColor(page.pixel(97, 97)).green(), 250) << "the top row";
    EXPECT_EQ(page.pixel(97, 150), qRgb(255, 255, 255)) << "white beside it";
}

TEST(ImagePrint, FillCoversTheFrameCutWhereTheCropSays)
{
    for (const int cropY : {50, 0}) {
        SCOPED_TRACE(cropY);
        const QImage page = Rasterised(PrintedPdf(BitmapPicture(40, 40), bsNone, ifFill, cropY));
        if (page.isNull())
            GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
        const QRect ink = InkBounds(page, page.rect());
        EXPECT_NEAR(ink.left(), 96, 1);
        EXPECT_NEAR(ink.right(), 287, 1);
        EXPECT_NEAR(ink.top(), 96, 1);
        EXPECT_NEAR(ink.bottom(), 191, 1) << "nothing beyond the frame";
        EXPECT_GT(QColor(page.pixel(120, 150)).red(), 250);
        EXPECT_GT(QColor(page.pixel(260, 150)).blue(), 250);
        // The green top row, 4.8 pixels high, shows only when the top is kept.
        // The writer compresses the picture with loss: the row shows greenish.
        EXPECT_EQ(QColor(page.pixel(120, 97)).green() > 100, cropY == 0);
    }
}

TEST(ImagePrint, FillPrintsThePartShownAtThePicturesResolution)
{
    const QByteArray pdf = PrintedPdf(BitmapPicture(2000, 2000), bsNone, ifFill);
    EXPECT_TRUE(pdf.contains("/Width 2000")) << "not scaled down to the frame's 192 pixels";
    EXPECT_TRUE(pdf.contains("/Height 1000")) << "the half that shows";
}

} // namespace
