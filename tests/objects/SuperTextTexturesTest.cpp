#include "SuperTextTextures.h"

#include "BitmapFile.h"
#include "IconLibraryWriter.h"
#include "LittleEndian.h"
#include "ProgramFolder.h"
#include "TextureDesigns.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

void WriteFile(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// An icon file of one 16 x 16 image, red inside a transparent edge.
QByteArray IconFileBytes()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    const QByteArray data = IconImageData(image);
    QByteArray file(6, '\0');
    auto *header = reinterpret_cast<uchar *>(file.data());
    PutLe16(header + 2, 1);
    PutLe16(header + 4, 1);
    file += IconEntryHead(image);
    QByteArray sizes(8, '\0');
    PutLe32(reinterpret_cast<uchar *>(sizes.data()), quint32(data.size()));
    PutLe32(reinterpret_cast<uchar *>(sizes.data()) + 4, quint32(6 + 16));
    return file + sizes + data;
}

class ProgramFolderAt
{
public:
    explicit ProgramFolderAt(const QString &folder) { SetProgramFolder(folder); }
    ~ProgramFolderAt() { SetProgramFolder({}); }
};

} // namespace

TEST(SuperTextTextures, BrowserStartsAtTheLastFileThenBmbrushThenTextures)
{
    QTemporaryDir program;
    const ProgramFolderAt at(program.path());
    const QDir folder(program.path());
    const QString root = folder.absolutePath();

    EXPECT_EQ(TextureBrowserStart({}).Folder, root);
    ASSERT_TRUE(folder.mkdir(u"TEXTURES"_s));
    EXPECT_EQ(TextureBrowserStart({}).Folder, folder.filePath(u"TEXTURES"_s));
    ASSERT_TRUE(folder.mkdir(u"BmBrush"_s));
    EXPECT_EQ(TextureBrowserStart({}).Folder, folder.filePath(u"BmBrush"_s));

    const QString last = folder.filePath(u"TEXTURES/Wood.bmp"_s);
    EXPECT_EQ(TextureBrowserStart(last).Folder, folder.filePath(u"BmBrush"_s))
        << "a missing last file is passed over";
    WriteFile(last, "x");
    const TTextureStart start = TextureBrowserStart(last);
    EXPECT_EQ(start.Folder, folder.filePath(u"TEXTURES"_s));
    EXPECT_EQ(start.File, u"Wood.bmp"_s);
    EXPECT_TRUE(TextureBrowserStart({}).File.isEmpty());
}

TEST(SuperTextTextures, LoadsByExtensionAndTellsOnlyForBitmapsAndMetafiles)
{
    // Other kinds are read by the picture library beside the program.
    const ProgramFolderAt at(QStringLiteral(DW_TEST_PROGRAM_DIR));
    QTemporaryDir folder;
    const QDir dir(folder.path());
    QImage bitmap(5, 3, QImage::Format_RGB32);
    bitmap.fill(qRgb(10, 200, 30));
    ASSERT_EQ(SaveAsBitmapFile(bitmap, dir.filePath(u"green.BMP"_s)), std::nullopt);
    ASSERT_EQ(SaveAsBitmapFile(bitmap, dir.filePath(u"green.dib"_s)), std::nullopt);
    WriteFile(dir.filePath(u"sign.ico"_s), IconFileBytes());
    for (const QString &name : {u"broken.bmp"_s, u"broken.wmf"_s, u"broken.ico"_s, u"broken.pcx"_s})
        WriteFile(dir.filePath(name), "not a picture");
    WriteFile(dir.filePath(u"empty.bmp"_s), {});

    const struct
    {
        QString file;
        QSize size;
        bool tell;
    } cases[] = {
        {u"green.BMP"_s, {5, 3}, false},  {u"green.dib"_s, {5, 3}, false},
        {u"sign.ico"_s, {32, 32}, false}, {u"broken.bmp"_s, {0, 0}, true},
        {u"empty.bmp"_s, {0, 0}, true},   {u"missing.BMP"_s, {0, 0}, true},
        {u"broken.wmf"_s, {0, 0}, true},  {u"broken.ico"_s, {0, 0}, false},
        {u"broken.pcx"_s, {0, 0}, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        const TTextureLoad load = LoadTextureFile(dir.filePath(c.file));
        EXPECT_EQ(load.Image.size(), c.size);
        EXPECT_EQ(load.Tell, c.tell);
    }
    const QImage green = LoadTextureFile(dir.filePath(u"green.BMP"_s)).Image;
    EXPECT_EQ(green.pixel(4, 2), qRgb(10, 200, 30));
    // The icon lies on white where it is transparent.
    const QImage icon = LoadTextureFile(dir.filePath(u"sign.ico"_s)).Image;
    EXPECT_EQ(icon.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(icon.pixel(16, 16), qRgb(255, 0, 0));
}

TEST(TextureDesigns, EachTileIsWrittenAndReadsBackAsItsOwnPicture)
{
    QTemporaryDir folder;
    const QString textures = QDir(folder.path()).filePath(u"Textures"_s);
    ASSERT_EQ(WriteTextureFiles(textures, {}), QString());
    const std::vector<TTextureDesign> designs = TextureDesigns();
    EXPECT_GE(designs.size(), 6u);
    EXPECT_EQ(QDir(textures).entryList(QDir::Files).size(), qsizetype(designs.size()));
    QSet<QByteArray> looks;
    for (const TTextureDesign &design : designs) {
        SCOPED_TRACE(design.Name.toStdString());
        const TTextureLoad load = LoadTextureFile(QDir(textures).filePath(TextureFileName(design)));
        ASSERT_FALSE(load.Image.isNull());
        EXPECT_EQ(load.Image.size(), QSize(TextureSide, TextureSide));
        const QImage drawn = design.Draw().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(load.Image.convertToFormat(QImage::Format_RGB32), drawn);
        // A tile of one colour would show the letters flat.
        QSet<QRgb> colours;
        for (int y = 0; y < TextureSide; ++y)
            for (int x = 0; x < TextureSide; ++x)
                colours.insert(drawn.pixel(x, y));
        EXPECT_GE(colours.size(), 2);
        looks.insert(
            QByteArray(reinterpret_cast<const char *>(drawn.constBits()), drawn.sizeInBytes()));
    }
    EXPECT_EQ(looks.size(), qsizetype(designs.size())) << "two designs draw the same tile";
}

TEST(TextureDesigns, UnknownNamesAndUnwritableFoldersFailWithASentence)
{
    QTemporaryDir folder, elsewhere;
    EXPECT_EQ(WriteTextureFiles(folder.path(), {u"Velvet"_s}),
              u"There is no texture named Velvet."_s);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    const QString blocked = QDir(elsewhere.path()).filePath(u"file"_s);
    WriteFile(blocked, "x");
    EXPECT_FALSE(WriteTextureFiles(blocked + u"/Textures"_s, {}).isEmpty());
    ASSERT_EQ(WriteTextureFiles(folder.path(), {u"Wood"_s}), QString());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), (QStringList{u"Wood.bmp"_s}));
}

TEST(TextureDesigns, TheBuildShipsThemInTheProgramFolder)
{
    const QDir textures(QStringLiteral(DW_TEST_PROGRAM_DIR "/Textures"));
    for (const TTextureDesign &design : TextureDesigns()) {
        SCOPED_TRACE(design.Name.toStdString());
        EXPECT_EQ(LoadTextureFile(textures.filePath(TextureFileName(design))).Image.size(),
                  QSize(TextureSide, TextureSide));
    }
}
