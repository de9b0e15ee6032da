#include "NViewPictures.h"

#include "BitmapFile.h"
#include "NViewTestSupport.h"
#include "PictureSamples.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

using namespace Qt::StringLiterals;

namespace {

constexpr char temporaryBitmap[] = "$N$VIEW$.BMP";

// A picture of four flat quarters: red, green / blue, white.
QImage Quarters(int size = 64)
{
    QImage image(size, size, QImage::Format_RGB32);
    const int half = size / 2;
    image.fill(Qt::white);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (y < half || x < half)
                image.setPixel(x, y, y < half ? (x < half ? 0xFFFF0000 : 0xFF00FF00) : 0xFF0000FF);
        }
    }
    return image;
}

// Fine detail, so that JPEG quality shows in the file size.
QImage Noise()
{
    QImage image(64, 64, QImage::Format_RGB32);
    quint32 seed = 7;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            seed = seed * 1103515245 + 12345;
            image.setPixel(x, y, seed >> 8);
        }
    }
    return image;
}

bool Near(QRgb actual, QRgb expected, int tolerance = 24)
{
    return std::abs(qRed(actual) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(actual) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

class NViewPicturesTest : public NViewLibTestBase
{
protected:
    QString Path(const QString &name) const { return Temp.filePath(name); }

    QString WriteFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return Path(name);
    }

    bool TemporaryBitmapLeft() const
    {
        return QFile::exists(Path(QLatin1StringView(temporaryBitmap)));
    }
};

} // namespace

TEST_F(NViewPicturesTest, LibraryReadsEveryFormatItIsGiven)
{
    const QList<QRgb> colours = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    TBmpSpec rle{4,
                 1,
                 8,
                 1,
                 40,
                 colours,
                 0,
                 {},
                 QByteArray::fromHex("0203"
                                     "0201"
                                     "0001")};
    TPcxSpec pcx{8,
                 3,
                 2,
                 1,
                 2,
                 true,
                 {},
                 {},
                 QByteArray::fromHex("00FF"
                                     "0000"
                                     "FF00")};
    TTgaSpec tga;
    tga.ImageType = 10;
    tga.Width = 2;
    tga.Height = 1;
    tga.Pixels = TgaRle(QByteArray::fromHex("0000FF"
                                            "FF0000"),
                        3);
    QImage jpegSource = Quarters();
    ASSERT_TRUE(QImageWriter(Path(u"photo.final.jpg"_s), "jpeg").write(jpegSource));

    struct TCase
    {
        QString File;
        QPoint Probe;
        QRgb Colour;
        QSize Size;
    };
    const QList<TCase> cases = {
        {WriteFile(u"strip.rle"_s, BmpFile(rle)), {0, 0}, qRgb(0, 0, 255), {4, 1}},
        {WriteFile(u"strip.DIB"_s, BmpFile(rle)), {3, 0}, qRgb(255, 0, 0), {4, 1}},
        {WriteFile(u"two.pcx"_s, PcxFile(pcx)), {0, 0}, qRgb(0, 0, 255), {2, 1}},
        {WriteFile(u"two.tga"_s, TgaFile(tga)), {0, 0}, qRgb(255, 0, 0), {2, 1}},
        {WriteFile(u"three.gif"_s, GifFile(3, 1, colours, {3, 2, 1})),
         {1, 0},
         qRgb(0, 255, 0),
         {3, 1}},
        {Path(u"photo.final.jpg"_s), {48, 16}, qRgb(0, 255, 0), {64, 64}},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.File.toStdString());
        const QImage picture = LoadWithLibrary(Built, c.File);
        ASSERT_EQ(picture.size(), c.Size);
        EXPECT_TRUE(Near(picture.pixel(c.Probe), c.Colour)) << std::hex << picture.pixel(c.Probe);
    }
    EXPECT_TRUE(Warnings.isEmpty());
}

TEST_F(NViewPicturesTest, UnreadableFilesGiveNoPictureAndNoMessage)
{
    EXPECT_TRUE(LoadWithLibrary(Built, Path(u"missing.jpg"_s)).isNull());
    EXPECT_TRUE(LoadWithLibrary(Built, WriteFile(u"text.pcx"_s, "not a picture")).isNull());
    EXPECT_TRUE(LoadWithLibrary(Built, WriteFile(u"cut.jpg"_s, "\xFF\xD8\xFF\xE0")).isNull());
    EXPECT_TRUE(Warnings.isEmpty());
}

TEST_F(NViewPicturesTest, MissingLibraryLoadsNothingWithOneMessage)
{
    EXPECT_TRUE(LoadWithLibrary(Missing, WriteFile(u"x.gif"_s, GifFile(1, 1, {0}, {0}))).isNull());
    EXPECT_EQ(Warnings.size(), 1);
    EXPECT_TRUE(OnlyMissingLibraryWarnings());
}

TEST_F(NViewPicturesTest, SavesJpegAtQualityEighty)
{
    const QString jpeg = Path(u"Dec1999.JPG"_s);
    ASSERT_EQ(SaveAsJPEG(Built, Quarters(), 80, jpeg), std::nullopt);
    const QImage back(jpeg);
    ASSERT_EQ(back.size(), QSize(64, 64));
    EXPECT_TRUE(Near(back.pixel(8, 8), qRgb(255, 0, 0)));
    EXPECT_TRUE(Near(back.pixel(56, 8), qRgb(0, 255, 0)));
    EXPECT_TRUE(Near(back.pixel(8, 56), qRgb(0, 0, 255)));
    EXPECT_TRUE(Near(back.pixel(56, 56), qRgb(255, 255, 255)));
    EXPECT_FALSE(TemporaryBitmapLeft());
    EXPECT_TRUE(Warnings.isEmpty());
}

TEST_F(NViewPicturesTest, QualityShowsInTheFileSize)
{
    ASSERT_EQ(SaveAsJPEG(Built, Noise(), 20, Path(u"low.jpg"_s)), std::nullopt);
    ASSERT_EQ(SaveAsJPEG(Built, Noise(), 95, Path(u"high.jpg"_s)), std::nullopt);
    EXPECT_LT(QFileInfo(Path(u"low.jpg"_s)).size(), QFileInfo(Path(u"high.jpg"_s)).size());
}

TEST_F(NViewPicturesTest, FileNameInAnyScriptAndTheProgramLibrary)
{
    const QString jpeg = Path(u"Kalender März €.jpg"_s);
    ASSERT_EQ(SaveAsJPEG(Quarters(), 80, jpeg), std::nullopt);
    EXPECT_EQ(LoadWithLibrary(jpeg).size(), QSize(64, 64));
    EXPECT_FALSE(TemporaryBitmapLeft());
}

// The temporary bitmap used to stay behind when the library was missing or
// could not read it, and a failure could pass for success.
TEST_F(NViewPicturesTest, FailuresWriteNothingAndLeaveNoTemporaryFile)
{
    EXPECT_TRUE(SaveAsJPEG(Missing, Quarters(), 80, Path(u"none.jpg"_s)).has_value());
    EXPECT_EQ(Warnings.size(), 1);
    EXPECT_TRUE(OnlyMissingLibraryWarnings());
    EXPECT_FALSE(QFile::exists(Path(u"none.jpg"_s)));
    EXPECT_FALSE(TemporaryBitmapLeft());

    EXPECT_TRUE(SaveAsJPEG(Missing, Quarters(), 80, QString()).has_value());
    EXPECT_TRUE(SaveAsJPEG(Built, QImage(), 80, Path(u"empty.jpg"_s)).has_value());
    EXPECT_FALSE(QFile::exists(Path(u"empty.jpg"_s)));
    EXPECT_FALSE(TemporaryBitmapLeft());
    EXPECT_TRUE(SaveAsJPEG(Built, Quarters(), 80, Path(u"no/such/folder.jpg"_s)).has_value());
    EXPECT_EQ(Warnings.size(), 1);
    EXPECT_EQ(QDir(Temp.path()).entryList(QDir::Files), QStringList());
}

TEST_F(NViewPicturesTest, BitmapFileRoundTripAndFailure)
{
    const QString bmp = Path(u"page.bmp"_s);
    ASSERT_EQ(SaveAsBitmapFile(Quarters(), bmp), std::nullopt);
    const QImage back(bmp);
    ASSERT_EQ(back.size(), QSize(64, 64));
    EXPECT_EQ(back.pixel(40, 10), qRgb(0, 255, 0));
    EXPECT_EQ(back.pixel(10, 40), qRgb(0, 0, 255));

    EXPECT_TRUE(SaveAsBitmapFile(QImage(), bmp).has_value());
    EXPECT_EQ(QImage(bmp).size(), QSize(64, 64));
    EXPECT_TRUE(SaveAsBitmapFile(Quarters(), Path(u"no/such/folder.bmp"_s)).has_value());
}
