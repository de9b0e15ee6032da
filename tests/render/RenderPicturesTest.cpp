#include "CalendarPage.h"
#include "LumImage.h"
#include "RenderCommand.h"
#include "StoredPageValues.h"
#include "StoredSet.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QImage Plain(Qt::GlobalColor colour)
{
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

// A month grid with a blue picture at (100, 100), 96 x 96, that changes from
// page to page, and a folder "photos" of a red and a green picture.
class RenderPictures : public ::testing::Test
{
protected:
    RenderPictures()
    {
        TCalendarPage page;
        ApplyMainPageValues(page);
        page.SetCalendarLayout(LOFullCalendarLS);
        page.SetLeftMarginInch(0);
        page.SetTopMarginInch(0);
        auto image = std::make_unique<TLumImage>();
        image->SetObjectBounds(100, 100, 96, 96);
        image->SetPicture(TLumPicture::FromBitmap(Plain(Qt::blue)));
        image->SetPicturePerPage(true);
        page.Objects().Insert(std::move(image));
        Document = Folder.filePath("photos.DWC");
        EXPECT_FALSE(page.SaveToFile(Document));
        QDir(Folder.path()).mkdir("photos");
        EXPECT_TRUE(Plain(Qt::green).save(Folder.filePath("photos/02.bmp"), "BMP"));
        EXPECT_TRUE(Plain(Qt::red).save(Folder.filePath("photos/01.bmp"), "BMP"));
    }

    QRgb Shown(int page) const
    {
        return QImage(Folder.filePath(QStringLiteral("page-%1.png").arg(page))).pixel(148, 148);
    }

    QTemporaryDir Folder;
    QString Document;
};

} // namespace

TEST_F(RenderPictures, EachPageTakesThePictureOfItsPlace)
{
    ASSERT_EQ(RunRenderCommand({Document, "--count", "3", "--pictures", Folder.filePath("photos"),
                                "-o", Folder.filePath("page.png")}),
              0);
    EXPECT_EQ(Shown(1), qRgb(255, 0, 0));
    EXPECT_EQ(Shown(2), qRgb(0, 255, 0));
    EXPECT_EQ(Shown(3), qRgb(0, 0, 255)) << "more pages than pictures: the design's";
}

TEST_F(RenderPictures, BadPicturesAreToldAndNothingIsLost)
{
    const QString out = Folder.filePath("page.png");
    // Nothing to take: refused before anything is written.
    EXPECT_NE(RunRenderCommand({Document, "--pictures", Folder.filePath("none"), "-o", out}), 0);
    EXPECT_NE(RunRenderCommand({"--pictures", Folder.filePath("photos"), "-o", out}), 0)
        << "no picture marked to take them";
    EXPECT_FALSE(QFile::exists(out));
    // An unreadable picture: the pages are written, its page with the
    // design's picture, and the run fails saying so.
    QFile broken(Folder.filePath("photos/01.bmp"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("BM broken");
    broken.close();
    EXPECT_NE(RunRenderCommand(
                  {Document, "--count", "2", "--pictures", Folder.filePath("photos"), "-o", out}),
              0);
    EXPECT_EQ(Shown(1), qRgb(0, 0, 255));
    EXPECT_EQ(Shown(2), qRgb(0, 255, 0));
}

TEST_F(RenderPictures, TheDocumentsSetGivesTheCoverAndThePictures)
{
    // The document keeps a set taking the pictures of "photos", and a cover
    // whose picture at (300, 100) takes the first of them.
    TCalendarPage page;
    ASSERT_FALSE(page.LoadFromFile(Document));
    TCalendarPage cover;
    ApplyMainPageValues(cover);
    cover.SetCalendarLayout(LOFullCalendarLS);
    cover.SetLeftMarginInch(0);
    cover.SetTopMarginInch(0);
    auto image = std::make_unique<TLumImage>();
    image->SetObjectBounds(300, 100, 96, 96);
    image->SetPicturePerPage(true);
    cover.Objects().Insert(std::move(image));
    SetCover(page, cover);
    TStoredSet set = *StoredSetOf(page);
    set.Choice.Pictures = Folder.filePath("photos");
    StoreSet(page, set);
    ASSERT_FALSE(page.SaveToFile(Document));

    ASSERT_EQ(RunRenderCommand({Document, "--count", "3", "-o", Folder.filePath("page.png")}), 0);
    const QImage first(Folder.filePath("page-1.png"));
    EXPECT_EQ(first.pixel(348, 148), qRgb(255, 0, 0)) << "the cover takes the first picture";
    EXPECT_EQ(first.pixel(148, 148), qRgb(255, 255, 255)) << "the cover has no month's picture";
    EXPECT_EQ(Shown(2), qRgb(0, 255, 0));
    EXPECT_EQ(Shown(3), qRgb(0, 0, 255)) << "past the pictures: the design's";

    // Pictures given on the command line take the place of the set's; without
    // --count the document's page alone is written.
    QDir(Folder.path()).mkdir("other");
    EXPECT_TRUE(Plain(Qt::yellow).save(Folder.filePath("other/1.bmp"), "BMP"));
    ASSERT_EQ(RunRenderCommand({Document, "--count", "2", "--pictures", Folder.filePath("other"),
                                "-o", Folder.filePath("page.png")}),
              0);
    EXPECT_EQ(QImage(Folder.filePath("page-1.png")).pixel(348, 148), qRgb(255, 255, 0));
    EXPECT_EQ(Shown(2), qRgb(0, 0, 255));
    ASSERT_EQ(RunRenderCommand({Document, "-o", Folder.filePath("alone.png")}), 0);
    EXPECT_EQ(QImage(Folder.filePath("alone.png")).pixel(148, 148), qRgb(0, 0, 255));
}

TEST_F(RenderPictures, TheSetsArrangedOrderGivesThePagesTheirPictures)
{
    TCalendarPage page;
    ASSERT_FALSE(page.LoadFromFile(Document));
    TStoredSet set;
    set.Choice.WholeSet = true;
    set.Choice.Pictures = Folder.filePath("photos");
    // The second photo first, then one that is gone, then the first.
    set.Choice.PictureOrder = {Folder.filePath("photos/02.bmp"), Folder.filePath("gone.bmp"),
                               Folder.filePath("photos/01.bmp")};
    StoreSet(page, set);
    ASSERT_FALSE(page.SaveToFile(Document));

    // The missing picture fails the run, which writes every page all the same.
    EXPECT_NE(RunRenderCommand({Document, "--count", "3", "-o", Folder.filePath("page.png")}), 0);
    EXPECT_EQ(Shown(1), qRgb(0, 255, 0));
    EXPECT_EQ(Shown(2), qRgb(0, 0, 255)) << "the missing picture's page: the design's";
    EXPECT_EQ(Shown(3), qRgb(255, 0, 0));

    // Pictures given on the command line take their own folder's order.
    ASSERT_EQ(RunRenderCommand({Document, "--count", "2", "--pictures", Folder.filePath("photos"),
                                "-o", Folder.filePath("page.png")}),
              0);
    EXPECT_EQ(Shown(1), qRgb(255, 0, 0));
    EXPECT_EQ(Shown(2), qRgb(0, 255, 0));
}
