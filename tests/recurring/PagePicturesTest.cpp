#include "PagePictures.h"

#include "CalendarPage.h"
#include "CalendarSet.h"
#include "LumImage.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <thread>

namespace {

// A 4 x 4 bitmap file of one colour in folder; its path.
QString WriteBitmap(const QTemporaryDir &folder, const QString &name, Qt::GlobalColor colour)
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(colour);
    const QString path = folder.filePath(name);
    EXPECT_TRUE(picture.save(path, "BMP"));
    return path;
}

QString WriteText(const QTemporaryDir &folder, const QString &name, const QByteArray &text)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return path;
}

QColor ColourOf(const TLumImage &image)
{
    return image.Picture().Image().isNull() ? QColor()
                                            : QColor(image.Picture().Image().pixel(0, 0));
}

TLumPicture Plain(Qt::GlobalColor colour)
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(colour);
    return TLumPicture::FromBitmap(picture);
}

// A month page with a yellow picture that changes from page to page and a
// cyan one that does not.
class PagePictures : public ::testing::Test
{
protected:
    PagePictures()
    {
        auto own = std::make_unique<TLumImage>();
        own->SetPicture(Plain(Qt::yellow));
        own->SetPicturePerPage(true);
        Document.Objects().Insert(std::move(own));
        auto fixed = std::make_unique<TLumImage>();
        fixed->SetPicture(Plain(Qt::cyan));
        Document.Objects().Insert(std::move(fixed));
    }

    // The colours of the two pictures of page.
    static std::pair<QColor, QColor> Colours(const TCalendarPage &page)
    {
        const auto *own = dynamic_cast<const TLumImage *>(page.Objects().At(0));
        const auto *fixed = dynamic_cast<const TLumImage *>(page.Objects().At(1));
        EXPECT_TRUE(own && fixed);
        return own && fixed ? std::pair(ColourOf(*own), ColourOf(*fixed))
                            : std::pair<QColor, QColor>();
    }

    QTemporaryDir Folder;
    TCalendarPage Document;
};

TEST_F(PagePictures, AFolderGivesItsPicturesInNameOrder)
{
    WriteBitmap(Folder, "b10.bmp", Qt::blue);
    WriteBitmap(Folder, "b2.bmp", Qt::green);
    WriteBitmap(Folder, "a.BMP", Qt::red);
    WriteBitmap(Folder, "c02.bmp", Qt::red);
    WriteBitmap(Folder, "C1.bmp", Qt::red);
    WriteText(Folder, "notes.txt", "not a picture");
    QDir(Folder.path()).mkdir("sub.jpg");
    const TPagePicturesRead read = ReadPagePictures(Folder.path());
    EXPECT_TRUE(read.Error.isEmpty());
    QStringList names;
    for (const QString &file : read.Files)
        names.append(QFileInfo(file).fileName());
    EXPECT_EQ(names, QStringList({"a.BMP", "b2.bmp", "b10.bmp", "C1.bmp", "c02.bmp"}));
}

TEST(PictureNames, NumbersGoByTheirValueAndLettersIgnoreCase)
{
    const struct
    {
        const char *a, *b;
        int order;
    } cases[] = {
        {"img2", "img10", -1}, {"img009", "img10", -1}, {"img007", "img7", 0}, {"a12x", "a13", -1},
        {"e3a", "e2b", 1},     {"ab", "abc", -1},       {"abc", "ab", 1},      {"Ab", "aB", 0},
        {"b1", "A2", 1},       {"a00", "a0", 0},        {"7", "x", -1},        {"", "", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << " " << c.b);
        const int order = ComparePictureNames(QString::fromLatin1(c.a), QString::fromLatin1(c.b));
        EXPECT_EQ((order > 0) - (order < 0), c.order);
        const int back = ComparePictureNames(QString::fromLatin1(c.b), QString::fromLatin1(c.a));
        EXPECT_EQ((back > 0) - (back < 0), -c.order);
    }
}

TEST_F(PagePictures, AListNamesThemRelativeToItself)
{
    QDir(Folder.path()).mkdir("photos");
    const QString list =
        WriteText(Folder, "list.txt", "# the months\n\nphotos/june.jpg\r\n  /abs/may.png  \n");
    const TPagePicturesRead read = ReadPagePictures(list);
    EXPECT_TRUE(read.Error.isEmpty());
    EXPECT_EQ(read.Files, QStringList({Folder.filePath("photos/june.jpg"), "/abs/may.png"}));
}

TEST_F(PagePictures, NothingToTakeIsAnError)
{
    const QString empty = Folder.filePath("empty");
    QDir(Folder.path()).mkdir("empty");
    WriteText(Folder, "empty/readme.txt", "no pictures here");
    const QString comments = WriteText(Folder, "comments.txt", "# nothing\n\n");
    // A pipe nobody writes to is refused, not waited on; so is a list
    // longer than any list of pages.
    const QString pipe = Folder.filePath("pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString huge = WriteText(Folder, "huge.txt", QByteArray(5 * 1024 * 1024, 'a'));
    for (const QString &source :
         {Folder.filePath("missing"), empty, comments, QString(), pipe, huge}) {
        SCOPED_TRACE(source.toStdString());
        const TPagePicturesRead read = ReadPagePictures(source);
        EXPECT_TRUE(read.Files.isEmpty());
        EXPECT_FALSE(read.Error.isEmpty());
    }
}

TEST_F(PagePictures, EachPageShowsItsOwnThenTheDesignsPicture)
{
    const QStringList pictures = {WriteBitmap(Folder, "1.bmp", Qt::red),
                                  WriteBitmap(Folder, "2.bmp", Qt::green)};
    TCalendarSet set(Document, {}, 4, {});
    EXPECT_TRUE(set.HasPicturePerPage());
    set.SetPagePictures(pictures);
    const QColor red(Qt::red), green(Qt::green), yellow(Qt::yellow), cyan(Qt::cyan);
    const QColor expected[] = {red, green, yellow, yellow};
    for (int index = 0; index < 4; ++index)
        EXPECT_EQ(Colours(*set.Page(index)), std::pair(expected[index], cyan)) << index;
    // One page moved from page to page, back and forth, as PDF and print do.
    const std::unique_ptr<TCalendarPage> page = set.Page(0);
    for (const int index : {1, 3, 0, 2, 1}) {
        set.MovePage(*page, index);
        EXPECT_EQ(Colours(*page), std::pair(expected[index], cyan)) << index;
    }
    EXPECT_TRUE(set.UnreadPictures().isEmpty());
    // The document's own page is left as it was.
    EXPECT_EQ(Colours(Document), std::pair(yellow, cyan));
}

TEST_F(PagePictures, AnUnreadablePictureLeavesTheDesignsAndIsTold)
{
    const QStringList pictures = {Folder.filePath("missing.bmp"),
                                  WriteText(Folder, "broken.bmp", "BM not really"),
                                  WriteBitmap(Folder, "3.bmp", Qt::red)};
    TCalendarSet set(Document, {}, 3, {});
    set.SetPagePictures(pictures);
    std::vector<std::pair<QColor, QColor>> colours(3);
    std::vector<std::thread> threads;
    for (int index = 0; index < 3; ++index)
        threads.emplace_back([&, index] { colours[size_t(index)] = Colours(*set.Page(index)); });
    for (std::thread &thread : threads)
        thread.join();
    EXPECT_EQ(colours[0].first, QColor(Qt::yellow));
    EXPECT_EQ(colours[1].first, QColor(Qt::yellow));
    EXPECT_EQ(colours[2].first, QColor(Qt::red));
    const QStringList unread = set.UnreadPictures();
    ASSERT_EQ(unread.size(), 2);
    EXPECT_TRUE(unread.join('\n').contains("missing.bmp"));
    EXPECT_TRUE(unread.join('\n').contains("broken.bmp"));
}

TEST_F(PagePictures, WithoutAMarkedPictureNothingChanges)
{
    dynamic_cast<TLumImage *>(Document.Objects().At(0))->SetPicturePerPage(false);
    TCalendarSet set(Document, {}, 2, {});
    EXPECT_FALSE(set.HasPicturePerPage());
    set.SetPagePictures({WriteBitmap(Folder, "1.bmp", Qt::red)});
    EXPECT_EQ(Colours(*set.Page(0)), std::pair(QColor(Qt::yellow), QColor(Qt::cyan)));
}

} // namespace
