#include "BmpDecoder.h"

#include "DibDecoder.h"
#include "PictureSamples.h"

#include <gtest/gtest.h>

// The bitmap inside the file is read by the toolkit's bitmap decoder, tested
// with it; these tests cover the file header around it.

namespace {

const QRgb red = qRgb(255, 0, 0);
const QRgb green = qRgb(0, 255, 0);
const QRgb blue = qRgb(0, 0, 255);

QByteArray TwoPixelBmp()
{
    TBmpSpec spec{2, 1, 8, 0, 40, {red, green, blue}, 0, {}, BmpRows({{2, 1}}, 8)};
    return BmpFile(spec);
}

void ExpectFailure(QByteArrayView bytes, const char *why)
{
    const TDecodedPicture picture = DecodeBmp(bytes);
    EXPECT_TRUE(picture.Image.isNull()) << why;
    EXPECT_TRUE(picture.Error.contains(QLatin1StringView(why)))
        << picture.Error.toStdString() << " / expected: " << why;
}

} // namespace

TEST(BmpDecoder, RowsWhereTheFileHeaderSays)
{
    const TDecodedPicture plain = DecodeBmp(TwoPixelBmp());
    ASSERT_FALSE(plain.Image.isNull()) << plain.Error.toStdString();
    EXPECT_EQ(plain.Image.pixel(0, 0), blue);
    EXPECT_EQ(plain.Image.pixel(1, 0), green);

    // Bytes between the colour table and the rows are stepped over.
    QByteArray gap = TwoPixelBmp();
    const qsizetype rowsAt = 14 + 40 + 3 * 4;
    gap.insert(rowsAt, QByteArray(6, '\x01'));
    gap[10] = char(rowsAt + 6);
    const TDecodedPicture shifted = DecodeBmp(gap);
    ASSERT_FALSE(shifted.Image.isNull()) << shifted.Error.toStdString();
    EXPECT_EQ(shifted.Image.pixel(0, 0), blue);
    EXPECT_EQ(shifted.Image.pixel(1, 0), green);
}

TEST(BmpDecoder, PictureFilesMayBeLargerThanDocumentBitmaps)
{
    // An empty run-length picture of 4097 x 4097: beyond what a bitmap in a
    // document may hold, within what a picture file may.
    QByteArray stream = QByteArray::fromHex("0001") + QByteArray(17000, '\0');
    TBmpSpec spec{4097, 4097, 8, 1, 40, {red}, 0, {}, stream};
    const TDecodedPicture picture = DecodeBmp(BmpFile(spec));
    ASSERT_FALSE(picture.Image.isNull()) << picture.Error.toStdString();
    EXPECT_EQ(picture.Image.pixel(4096, 4096), red);
    EXPECT_FALSE(DecodeDib(BmpFile(spec).mid(14)).Error.isEmpty());
}

TEST(BmpDecoder, BadFilesFailClearly)
{
    ExpectFailure("GIF89a", "not a BMP file");
    ExpectFailure(TwoPixelBmp().left(13), "not a BMP file");
    ExpectFailure(TwoPixelBmp().left(40), "header runs past the end");

    QByteArray farOffset = TwoPixelBmp();
    farOffset[10] = char(0xFF);
    farOffset[11] = char(0xFF);
    ExpectFailure(farOffset, "offset");
    QByteArray insideTheHeader = TwoPixelBmp();
    insideTheHeader[10] = 20;
    ExpectFailure(insideTheHeader, "offset");
}

TEST(BmpDecoder, EveryTruncationFailsWithoutCrashing)
{
    const QByteArray sample = TwoPixelBmp();
    // The last row's padding may be missing.
    for (qsizetype size = 0; size < sample.size() - 2; ++size) {
        const TDecodedPicture picture = DecodeBmp(QByteArrayView(sample).first(size));
        EXPECT_TRUE(picture.Image.isNull()) << size;
        EXPECT_FALSE(picture.Error.isEmpty()) << size;
    }
}
