#include "IconDrag.h"

#include <QBuffer>
#include <QMimeData>

#include <gtest/gtest.h>

namespace {

QByteArray Png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

TEST(IconDrag, AnIconTravelsWithItsPixels)
{
    QImage icon(32, 24, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    icon.setPixelColor(3, 5, Qt::red);
    const std::unique_ptr<QMimeData> data = IconMimeData(icon);
    ASSERT_TRUE(HasIcon(data.get()));
    const QImage back = IconFromMimeData(data.get());
    ASSERT_EQ(back.size(), QSize(32, 24));
    EXPECT_EQ(back.pixelColor(3, 5), QColor(Qt::red));
    EXPECT_EQ(back.pixelColor(0, 0).alpha(), 0);
}

TEST(IconDrag, OtherDataAndBrokenOrLargePicturesAreNoIcons)
{
    QMimeData text;
    text.setText(QStringLiteral("icon"));
    EXPECT_FALSE(HasIcon(&text));
    EXPECT_FALSE(HasIcon(nullptr));
    EXPECT_TRUE(IconFromMimeData(&text).isNull());
    EXPECT_TRUE(IconFromMimeData(nullptr).isNull());

    const QByteArray whole = Png(QImage(16, 16, QImage::Format_RGB32));
    EXPECT_FALSE(IconFromBytes(whole).isNull());
    EXPECT_TRUE(IconFromBytes(whole.left(whole.size() / 2)).isNull());
    EXPECT_TRUE(IconFromBytes(QByteArray("GIF89a")).isNull());
    EXPECT_TRUE(IconFromBytes({}).isNull());

    // The size in the header decides before any pixel is read.
    EXPECT_FALSE(IconFromBytes(Png(QImage(MaxIconSide, 1, QImage::Format_RGB32))).isNull());
    EXPECT_TRUE(IconFromBytes(Png(QImage(MaxIconSide + 1, 1, QImage::Format_RGB32))).isNull());
    EXPECT_TRUE(IconFromBytes(Png(QImage(1, MaxIconSide + 1, QImage::Format_RGB32))).isNull());
}

} // namespace
