#include "PictureFiles.h"

#include "BitmapFile.h"
#include "ImageSamples.h"
#include "Messages.h"
#include "ProgramFolder.h"

#include <QBuffer>
#include <QImageWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(ClassifyExtension, TextAfterTheLastDotUpperCased)
{
    const struct
    {
        const char *name;
        TPictureFileCode code;
    } cases[] = {
        {"photo.final.jpg", pfJpg},
        {"a.GIF", pfGif},
        {"b.Jif", pfJif},
        {"c.bmp", pfBmp},
        {"d.dib", pfDib},
        {"e.rle", pfRle},
        {"f.tga", pfTga},
        {"g.pcx", pfPcx},
        {"h.wmf", pfOther},
        {"i.ico", pfOther},
        {"j.jpeg", pfOther},
        {"noextension", pfOther},
        {"k.", pfOther},
        {"dir.jpg/file", pfOther},
        {"/x/photo.jpg.bak", pfOther},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ClassifyExtension(QString::fromLatin1(c.name)), c.code) << c.name;
}

QByteArray BitmapFile(const QImage &image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(WriteBitmapFile(image, buffer));
    return buffer.data();
}

TEST(LoadPictureFile, ReadsTheProgramsOwnKinds)
{
    QTemporaryDir folder;
    const struct
    {
        const char *name;
        QByteArray bytes;
        TLumPicture::TKind kind;
        int width;
    } cases[] = {
        {"a.BMP", BitmapFile(SampleBitmap(7, 5)), TLumPicture::TKind::Bitmap, 7},
        {"b.ico", SampleIconFile(), TLumPicture::TKind::Icon, 32},
        {"c.wmf", SampleMetafile(), TLumPicture::TKind::Metafile, 192},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QString error;
        const auto picture =
            LoadPictureFile(WriteSampleFile(folder.path(), c.name, c.bytes), error);
        ASSERT_TRUE(picture) << error.toStdString();
        EXPECT_EQ(picture->Kind(), c.kind);
        EXPECT_EQ(picture->Width(), c.width);
    }
}

TEST(LoadPictureFile, BadFilesFailWithAReason)
{
    QTemporaryDir folder;
    const QByteArray bitmap = BitmapFile(SampleBitmap(7, 5));
    const struct
    {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"empty.bmp", {}},
        {"truncated.bmp", bitmap.left(40)},
        {"text.bmp", "not a picture"},
        {"truncated.ico", SampleIconFile().left(30)},
        {"text.ico", "not an icon at all"},
        {"truncated.wmf", SampleMetafile().left(30)},
        {"other.emf", SampleMetafile()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QString error;
        EXPECT_FALSE(LoadPictureFile(WriteSampleFile(folder.path(), c.name, c.bytes), error));
        EXPECT_FALSE(error.isEmpty());
    }
    QString error;
    EXPECT_FALSE(LoadPictureFile(folder.path() + u"/missing.bmp"_qs, error));
    EXPECT_FALSE(LoadPictureFile(folder.path(), error)) << "a folder";
}

class LibraryPictures : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetProgramFolder(QString::fromUtf8(DW_TEST_PROGRAM_DIR));
        TMessageAnswerer answerer;
        answerer.Warning = [this](const QString &text, const QString &) { Warnings << text; };
        SetMessageAnswerer(answerer);
    }
    void TearDown() override
    {
        SetMessageAnswerer({});
        SetProgramFolder(QString());
    }

    QTemporaryDir Folder;
    QStringList Warnings;
};

TEST_F(LibraryPictures, JpegBecomesABitmap)
{
    QBuffer jpeg;
    jpeg.open(QIODevice::WriteOnly);
    QImageWriter(&jpeg, "jpeg").write(SampleBitmap(40, 30));
    QString error;
    const auto picture =
        LoadPictureFile(WriteSampleFile(Folder.path(), u"photo.final.jpg"_qs, jpeg.data()), error);
    ASSERT_TRUE(picture) << error.toStdString();
    EXPECT_TRUE(picture->IsBitmap());
    EXPECT_EQ(picture->Width(), 40);
    EXPECT_EQ(picture->Height(), 30);
    EXPECT_TRUE(Warnings.isEmpty());
}

TEST_F(LibraryPictures, PngAndJpegOfEveryNameBecomeBitmaps)
{
    // Regression: PNG pictures could not be read at all, nor JPEG pictures
    // named ".jpeg".
    const struct
    {
        const char *name, *format;
    } kinds[] = {{"plan.png", "png"}, {"Plan.PNG", "png"}, {"photo.jpeg", "jpeg"}};
    for (const auto &kind : kinds) {
        QBuffer encoded;
        encoded.open(QIODevice::WriteOnly);
        ASSERT_TRUE(QImageWriter(&encoded, kind.format).write(SampleBitmap(24, 18)));
        QString error;
        const auto picture = LoadPictureFile(
            WriteSampleFile(Folder.path(), QString::fromLatin1(kind.name), encoded.data()), error);
        ASSERT_TRUE(picture) << kind.name << ": " << error.toStdString();
        EXPECT_TRUE(picture->IsBitmap()) << kind.name;
        EXPECT_EQ(picture->Width(), 24) << kind.name;
        EXPECT_EQ(picture->Height(), 18) << kind.name;
    }
    // A transparent PNG lies on white, as the browser shows it.
    QImage clear(8, 8, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    ASSERT_TRUE(QImageWriter(&encoded, "png").write(clear));
    QString error;
    const auto picture =
        LoadPictureFile(WriteSampleFile(Folder.path(), u"clear.png"_qs, encoded.data()), error);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Image().pixel(3, 3), qRgb(255, 255, 255));
    EXPECT_TRUE(Warnings.isEmpty());
}

TEST_F(LibraryPictures, DamagedLibraryFormatFailsQuietly)
{
    QString error;
    EXPECT_FALSE(
        LoadPictureFile(WriteSampleFile(Folder.path(), u"bad.pcx"_qs, "\x0A\x05garbage"), error));
    EXPECT_TRUE(Warnings.isEmpty());
}

} // namespace
