#include "LumPicture.h"

#include "ImageSamples.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

using TKind = TLumPicture::TKind;

TEST(LumPicture, KindsAndSizes)
{
    EXPECT_EQ(BitmapPicture(50, 40).Kind(), TKind::Bitmap);
    EXPECT_EQ(BitmapPicture(50, 40).Width(), 50);
    EXPECT_EQ(BitmapPicture(50, 40).Height(), 40);
    const TLumPicture icon = IconPicture();
    EXPECT_EQ(icon.Kind(), TKind::Icon);
    EXPECT_EQ(icon.Width(), 32) << "the largest image is shown";
    const TLumPicture metafile = MetafilePicture();
    EXPECT_EQ(metafile.Kind(), TKind::Metafile);
    EXPECT_EQ(metafile.Width(), 192) << "2 inches at 96 pixels an inch";
    EXPECT_EQ(metafile.Height(), 96);
    EXPECT_TRUE(TLumPicture().IsEmpty());
    EXPECT_EQ(TLumPicture::FromBitmap(QImage()).Kind(), TKind::Empty);
}

TEST(LumPicture, StoredFormStartsWithTheClassName)
{
    const QByteArray bitmap = BitmapPicture(4, 3).StoredData();
    EXPECT_TRUE(bitmap.startsWith("\x07TBitmap"));
    EXPECT_EQ(bitmap.mid(12, 2), "BM") << "a 4-byte length, then the bitmap file";
    EXPECT_EQ(quint8(bitmap[8]) + 12, bitmap.size());
    EXPECT_EQ(IconPicture().StoredData(), "\x05TIcon" + SampleIconFile());
    EXPECT_EQ(MetafilePicture().StoredData(), "\x09TMetafile" + SampleMetafile());
    EXPECT_TRUE(TLumPicture().StoredData().isEmpty());
}

TEST(LumPicture, StoredPicturesReadBackIdentical)
{
    for (const TLumPicture &picture : {BitmapPicture(50, 40), IconPicture(), MetafilePicture()}) {
        const QByteArray stored = picture.StoredData();
        const TLumPicture read = TLumPicture::FromStoredData(stored);
        EXPECT_EQ(read.Kind(), picture.Kind());
        EXPECT_EQ(read.Image(), picture.Image());
        EXPECT_EQ(read.Width(), picture.Width());
        EXPECT_EQ(read.StoredData(), stored);
    }
}

TEST(LumPicture, UnreadableDataIsKeptAsItWas)
{
    const QByteArray bitmap = BitmapPicture(8, 8).StoredData();
    const struct
    {
        const char *what;
        QByteArray data;
    } cases[] = {
        {"class name past the end", QByteArray("\x20TBit")},
        {"unknown class", QByteArray("\x0ATJPEGImage\xFF\xD8\xFF")},
        {"bitmap length past the end", bitmap.left(bitmap.size() - 1)},
        {"bitmap without its length", QByteArray("\x07TBitmap\x01")},
        {"damaged icon", QByteArray("\x05TIcon\0\0\1\0\xFF\xFF", 12)},
        {"damaged metafile", QByteArray("\x09TMetafile\xD7\xCD\xC6\x9A")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const TLumPicture read = TLumPicture::FromStoredData(c.data);
        EXPECT_EQ(read.Kind(), TKind::Unreadable);
        EXPECT_FALSE(read.Error().isEmpty());
        EXPECT_FALSE(read.CanDraw());
        EXPECT_EQ(read.Width(), 0);
        EXPECT_EQ(read.StoredData(), c.data);
    }
}

TEST(LumPicture, EveryTruncationOfStoredDataReadsWithoutCrash)
{
    for (const TLumPicture &picture : {BitmapPicture(9, 7), IconPicture(), MetafilePicture()}) {
        const QByteArray stored = picture.StoredData();
        for (qsizetype size = 0; size < stored.size(); ++size) {
            const TLumPicture read = TLumPicture::FromStoredData(stored.left(size));
            EXPECT_EQ(read.StoredData(), stored.left(size));
        }
    }
}

TEST(LumPicture, IconClaimingMoreThanItHoldsIsRefused)
{
    const QByteArray icon = SampleIconFile();
    const qsizetype firstImage = 6 + 2 * 16;
    const struct
    {
        const char *what;
        qsizetype at;
        char value;
    } cases[] = {
        {"200 images in the directory", 4, char(200)},
        {"an image past the end", 6 + 12 + 1, char(0x7F)},
        {"a bitmap wider than its bytes", firstImage + 6, char(0x7F)},
        {"a bitmap higher than its bytes", firstImage + 10, char(0x7F)},
        {"a bitmap of 64 bits a pixel", firstImage + 14, char(64)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray damaged = icon;
        damaged[c.at] = c.value;
        QString error;
        EXPECT_FALSE(TLumPicture::FromIconFile(damaged, error));
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(LumPicture, MetafileStretchesAsVectors)
{
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    MetafilePicture().StretchDraw(painter, QRectF(0, 0, 400, 200));
    painter.end();
    EXPECT_EQ(image.pixel(80, 80), qRgb(0, 0, 0)) << "inside the square";
    EXPECT_EQ(image.pixel(20, 20), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(300, 100), qRgb(255, 255, 255));
}

} // namespace
