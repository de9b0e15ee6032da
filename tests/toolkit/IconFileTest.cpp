#include "IconFile.h"

#include "IconDirectory.h"
#include "IconLibraryWriter.h"
#include "IconSamples.h"
#include "LittleEndian.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QColor ColourAt(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

// The colour in the middle of the index-th icon, or an invalid colour when
// there is no icon.
QColor MiddleOf(const TIconFile &file, int index)
{
    const QImage icon = file.Extract(index);
    if (icon.isNull())
        return {};
    EXPECT_EQ(icon.size(), QSize(IconSide, IconSide));
    return ColourAt(icon, IconSide / 2, IconSide / 2);
}

TEST(IconFile, AnIconFileHoldsOneIconShownByItsImageOfTheDisplaysSize)
{
    const TIconFile file(
        IcoFile({BitmapImage(SampleIcon(16, Qt::blue)), BitmapImage(SampleIcon(32, Qt::red)),
                 BitmapImage(SampleIcon(48, Qt::green))}));
    ASSERT_EQ(file.Count(), 1);
    EXPECT_EQ(file.Images(0).size(), 3);
    const QImage icon = file.Extract(0);
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(ColourAt(icon, 5, 5), QColor(Qt::red));
    EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0);
    EXPECT_TRUE(file.Extract(1).isNull());
    EXPECT_TRUE(file.Extract(-1).isNull());
}

TEST(IconFile, AnIconLibraryKeepsItsIconsInOrder)
{
    const QList<QColor> colours = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan};
    QList<QImage> icons;
    for (const QColor &colour : colours)
        icons.append(SampleIcon(32, colour));
    const QByteArray bytes = IclFile(icons);
    ASSERT_TRUE(bytes.startsWith("MZ"));
    const TIconFile file(bytes);
    ASSERT_EQ(file.Count(), int(colours.size()));
    for (int i = 0; i < colours.size(); ++i)
        EXPECT_EQ(MiddleOf(file, i), colours[i]) << i;
    EXPECT_EQ(file.Extract(0).pixelColor(0, 0).alpha(), 0);
}

TEST(IconFile, AnIconLibraryOfSeveralImagesAnIconIsShownByTheBestOfEach)
{
    const QList<TIconImages> icons = {
        {SampleIcon(16, Qt::blue), SampleIcon(32, Qt::red)},
        {SampleIcon(48, Qt::green), SampleIcon(16, Qt::blue)},
    };
    const TIconFile file(IconLibraryBytes(icons, QStringLiteral("two")));
    ASSERT_EQ(file.Count(), 2);
    EXPECT_EQ(MiddleOf(file, 0), QColor(Qt::red));
    // The larger image scaled down wins over the smaller one scaled up.
    EXPECT_EQ(MiddleOf(file, 1), QColor(Qt::green));
}

TEST(IconFile, ProgramFilesOfBothWidthsGiveTheirIconGroups)
{
    for (const bool plus : {false, true}) {
        const TIconFile file(
            PeFile({{BitmapImage(SampleIcon(32, Qt::red))},
                    {PngImage(SampleIcon(32, Qt::blue)), BitmapImage(SampleIcon(16, Qt::green))},
                    {BitmapImage(SampleIcon(24, Qt::yellow))}},
                   plus));
        ASSERT_EQ(file.Count(), 3) << plus;
        EXPECT_EQ(MiddleOf(file, 0), QColor(Qt::red));
        EXPECT_EQ(MiddleOf(file, 1), QColor(Qt::blue));
        EXPECT_EQ(MiddleOf(file, 2), QColor(Qt::yellow));
    }
}

TEST(IconFile, OldIconsTakeTheirTransparencyFromTheMask)
{
    QList<int> indices(8 * 8, 9); // bright red
    QList<bool> transparent(8 * 8, false);
    indices[0] = 12; // top-left pixel blue, and see-through
    transparent[0] = true;
    indices[8 * 7 + 7] = 12; // bottom-right blue and opaque
    const TIconFile file(IcoFile({FourBitImage(8, 8, indices, transparent)}));
    ASSERT_EQ(file.Count(), 1);
    ASSERT_EQ(file.Images(0).first().Bits, 4);
    const QImage image = DecodeIconImage(file.Images(0).first().Data);
    ASSERT_EQ(image.size(), QSize(8, 8));
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(image.pixelColor(7, 7), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(3, 3), QColor(Qt::red));
}

TEST(IconFile, ImagesArePreferredByFitThenDepth)
{
    const auto info = [](int side, int bits) { return TIconImageInfo{side, side, bits, {}}; };
    struct Case
    {
        QList<TIconImageInfo> Images;
        int Best;
    };
    const Case cases[] = {
        {{info(16, 32), info(32, 4), info(48, 32)}, 1},
        {{info(32, 4), info(32, 8), info(32, 32)}, 2},
        {{info(16, 32), info(64, 8), info(48, 4)}, 2},
        {{info(16, 32), info(24, 8)}, 1},
        {{info(32, 64), info(32, 8)}, 1},
        {{info(256, 32), info(48, 32), info(8, 32)}, 1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ImagesByPreference(c.Images).first(), c.Best);
}

TEST(IconFile, AnImageThatCannotBeReadGivesWayToTheNextBest)
{
    TSampleImage broken = BitmapImage(SampleIcon(32, Qt::red));
    broken.Data.truncate(60);
    const TIconFile file(IcoFile({broken, BitmapImage(SampleIcon(16, Qt::blue))}));
    EXPECT_EQ(MiddleOf(file, 0), QColor(Qt::blue));
}

TEST(IconFile, FilesOnDiskAreCountedAndExtracted)
{
    QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("lib.icl"));
    ASSERT_FALSE(SaveIconLibrary(name, {{SampleIcon(32, Qt::red)}, {SampleIcon(32, Qt::blue)}},
                                 QStringLiteral("lib")));
    EXPECT_EQ(CountIcons(name), 2);
    EXPECT_EQ(ExtractIcon(name, 1).pixelColor(9, 9), QColor(Qt::blue));
    EXPECT_EQ(CountIcons(folder.filePath(QStringLiteral("missing.icl"))), 0);
    EXPECT_TRUE(ExtractIcon(folder.filePath(QStringLiteral("missing.icl")), 0).isNull());
    EXPECT_TRUE(SaveIconLibrary(name, {}, QStringLiteral("lib")).has_value());
}

TEST(IconFile, WriterRefusesImagesNoIconCanHold)
{
    EXPECT_TRUE(IconLibraryBytes({{QImage()}}, QStringLiteral("x")).isEmpty());
    EXPECT_TRUE(IconLibraryBytes({{SampleIcon(257, Qt::red)}}, QStringLiteral("x")).isEmpty());
    EXPECT_TRUE(IconLibraryBytes({{}}, QStringLiteral("x")).isEmpty());
    EXPECT_FALSE(IconLibraryBytes({{SampleIcon(256, Qt::red)}}, QStringLiteral("x")).isEmpty());
}

// Readers trusting counts and offsets read past the end or looped; every
// damaged file must read as one without icons.
TEST(IconFile, DamagedFilesHaveNoIcons)
{
    const QByteArray pngSignature("\x89PNG\r\n\x1a\n");
    const QList<QByteArray> damaged = {
        QByteArray(),
        QByteArray("MZ"),
        QByteArray(6, '\0'),
        CountingIco(),
        FarShiftedIcl(),
        SelfPointingPe(),
        QByteArray(4096, '\xFF'),
        QByteArray("MZ") + QByteArray(0x3A, '\0') + QByteArray("\xFF\xFF\xFF\x7F", 4),
    };
    for (const QByteArray &bytes : damaged) {
        const TIconFile file(bytes);
        EXPECT_EQ(file.Count(), 0) << bytes.left(16).toHex().constData();
        EXPECT_TRUE(file.Extract(0).isNull());
    }
}

// Every prefix of a good file reads without fault, to fewer icons or none.
TEST(IconFile, CutFilesReadSafely)
{
    const QList<QByteArray> files = {
        IcoFile({BitmapImage(SampleIcon(16, Qt::red))}),
        IclFile({SampleIcon(16, Qt::red), SampleIcon(16, Qt::blue)}),
        PeFile({{BitmapImage(SampleIcon(16, Qt::red))}, {PngImage(SampleIcon(16, Qt::blue))}}),
    };
    for (const QByteArray &whole : files) {
        const int count = TIconFile(whole).Count();
        ASSERT_GT(count, 0);
        for (qsizetype size = 0; size < whole.size(); size += 7) {
            const TIconFile file(whole.left(size));
            EXPECT_LE(file.Count(), count);
            for (int i = 0; i < file.Count(); ++i)
                (void)file.Extract(i);
        }
    }
}

TEST(IconFile, OversizedImagesAreRefused)
{
    // A header claiming 4096 x 4096 pixels in a few bytes of data.
    TSampleImage huge = BitmapImage(SampleIcon(16, Qt::red));
    PutLe32(reinterpret_cast<uchar *>(huge.Data.data()) + 4, 4096);
    PutLe32(reinterpret_cast<uchar *>(huge.Data.data()) + 8, 8192);
    EXPECT_TRUE(DecodeIconImage(huge.Data).isNull());
    const TSampleImage png = PngImage(SampleIcon(300, Qt::red));
    EXPECT_TRUE(DecodeIconImage(png.Data).isNull());
    EXPECT_TRUE(TIconFile(IcoFile({huge, png})).Extract(0).isNull());
}

} // namespace
