#include "ImageSamples.h"

#include "LittleEndian.h"
#include "WmfWriter.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>

#include <gtest/gtest.h>

QImage SampleBitmap(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter painter(&image);
    painter.fillRect(0, 0, w / 2, h, Qt::red);
    painter.fillRect(0, 0, w, 1, Qt::green);
    return image;
}

// One image of an icon file: a 32-bit bitmap of twice the height (the
// colours bottom-up) followed by an empty mask.
QByteArray IconImage(const QImage &image)
{
    QByteArray bytes(40, '\0');
    auto *header = reinterpret_cast<uchar *>(bytes.data());
    PutLe32(header, 40);
    PutLe32(header + 4, quint32(image.width()));
    PutLe32(header + 8, quint32(image.height() * 2));
    PutLe16(header + 12, 1);
    PutLe16(header + 14, 32);
    for (int y = image.height() - 1; y >= 0; --y)
        bytes.append(reinterpret_cast<const char *>(image.constScanLine(y)), image.width() * 4);
    const int maskStride = (image.width() + 31) / 32 * 4;
    bytes.append(QByteArray(maskStride * image.height(), '\0'));
    return bytes;
}

QByteArray SampleIconFile()
{
    QList<QByteArray> images;
    for (const int side : {16, 32}) {
        QImage image(side, side, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.fillRect(2, 2, side - 4, side - 4, Qt::yellow);
        painter.end();
        images.append(IconImage(image));
    }
    QByteArray file(6 + 16 * images.size(), '\0');
    auto *directory = reinterpret_cast<uchar *>(file.data());
    PutLe16(directory + 2, 1);
    PutLe16(directory + 4, quint16(images.size()));
    for (qsizetype i = 0; i < images.size(); ++i) {
        uchar *entry = directory + 6 + 16 * i;
        entry[0] = entry[1] = uchar(i == 0 ? 16 : 32);
        PutLe16(entry + 4, 1);
        PutLe16(entry + 6, 32);
        PutLe32(entry + 8, quint32(images[i].size()));
        PutLe32(entry + 12, quint32(file.size()));
        file.append(images[i]);
        directory = reinterpret_cast<uchar *>(file.data());
    }
    return file;
}

QByteArray SampleMetafile()
{
    TWmfWriter wmf(QRect(0, 0, 2000, 1000), 1000);
    wmf.SetWindow(QRect(0, 0, 2000, 1000));
    const int pen = wmf.CreatePen(Qt::black, 20);
    const int brush = wmf.CreateSolidBrush(Qt::black);
    wmf.SelectObject(pen);
    wmf.SelectObject(brush);
    wmf.Rectangle(QRect(200, 200, 400, 400));
    return wmf.Placeable();
}

TLumPicture BitmapPicture(int w, int h)
{
    return TLumPicture::FromBitmap(SampleBitmap(w, h));
}

TLumPicture IconPicture()
{
    QString error;
    const auto picture = TLumPicture::FromIconFile(SampleIconFile(), error);
    EXPECT_TRUE(picture) << error.toStdString();
    return picture.value_or(TLumPicture());
}

TLumPicture MetafilePicture()
{
    QString error;
    const auto picture = TLumPicture::FromMetafileFile(SampleMetafile(), error);
    EXPECT_TRUE(picture) << error.toStdString();
    return picture.value_or(TLumPicture());
}

QString WriteSampleFile(const QString &folder, const QString &fileName, const QByteArray &bytes)
{
    const QString path = folder + u'/' + fileName;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}
