#include "PictureThumbnail.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(PictureThumbnail, IsSmallKeepsItsShapeAndColourOrIsNull)
{
    QTemporaryDir folder;
    const auto write = [&folder](const QString &name, QSize size, const char *format) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(QColor(200, 40, 40));
        const QString path = folder.filePath(name);
        EXPECT_TRUE(picture.save(path, format)) << name.toStdString();
        return path;
    };
    const struct
    {
        QString file;
        int side;
        QSize size;
    } cases[] = {
        {write(u"wide.jpg"_s, {2400, 1200}, "JPEG"), 96, {96, 48}},
        {write(u"tall.png"_s, {300, 600}, "PNG"), 96, {48, 96}},
        {write(u"small.bmp"_s, {40, 20}, "BMP"), 96, {96, 48}},
        // A picture one pixel thin still gives a pixel.
        {write(u"thin.bmp"_s, {1000, 1}, "BMP"), 50, {50, 1}},
    };
    for (const auto &row : cases) {
        const QImage thumbnail = PictureThumbnail(row.file, row.side);
        EXPECT_EQ(thumbnail.size(), row.size) << row.file.toStdString();
        const QColor middle = thumbnail.pixelColor(thumbnail.width() / 2, thumbnail.height() / 2);
        EXPECT_NEAR(middle.red(), 200, 8) << row.file.toStdString();
        EXPECT_NEAR(middle.green(), 40, 8) << row.file.toStdString();
    }

    QFile broken(folder.filePath(u"broken.bmp"_s));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("BM not a picture");
    broken.close();
    EXPECT_TRUE(PictureThumbnail(broken.fileName(), 96).isNull());
    EXPECT_TRUE(PictureThumbnail(folder.filePath(u"missing.png"_s), 96).isNull());
    EXPECT_TRUE(PictureThumbnail(cases[0].file, 0).isNull());
}
