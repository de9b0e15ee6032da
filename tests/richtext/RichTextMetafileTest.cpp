#include "RichTextPainter.h"
#include "RtfDocument.h"
#include "WmfWriter.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

// A metafile picture as RTF carries it: a plain metafile, red on its left
// half and blue on its right, shown 40 x 20 pixels (600 x 300 twips).
QByteArray RtfWithMetafile(const QByteArray &metafile)
{
    return "{\\rtf1\\ansi{\\pict\\wmetafile8\\picw1000\\pich500\\picwgoal600\\pichgoal300\r\n" +
           metafile.toHex() + "}}";
}

QByteArray HalvesMetafile()
{
    TWmfWriter writer(QRect(0, 0, 1000, 500), 1000);
    writer.SetWindow(QRect(0, 0, 1000, 500));
    writer.SelectObject(writer.CreatePen(Qt::black, 0, WmfValue::PenNull));
    writer.SelectObject(writer.CreateSolidBrush(Qt::red));
    writer.Rectangle(QRect(0, 0, 500, 500));
    writer.SelectObject(writer.CreateSolidBrush(Qt::blue));
    writer.Rectangle(QRect(500, 0, 500, 500));
    return writer.Plain();
}

QImage Painted(const TWPRTFTextPaint &document)
{
    QImage image(100, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintRichText(painter, document, QPointF(0, 0), 100, 40, 0, 100);
    return image;
}

TEST(RichTextMetafileTest, AMetafilePictureIsPlayedIntoItsRectangle)
{
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData(RtfWithMetafile(HalvesMetafile())));
    const QImage image = Painted(document);
    const TWPRichTextLayout layout(document, 100);
    const int y = int(layout.LineRect(0).bottom()) - 5;
    EXPECT_EQ(QColor(image.pixel(10, y)), QColor(Qt::red));
    EXPECT_EQ(QColor(image.pixel(30, y)), QColor(Qt::blue));
    EXPECT_EQ(image.pixel(45, y), qRgb(255, 255, 255));
}

TEST(RichTextMetafileTest, AMetafileThatCannotBeReadKeepsItsFrame)
{
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData(RtfWithMetafile(QByteArray("not a metafile"))));
    const QImage image = Painted(document);
    const TWPRichTextLayout layout(document, 100);
    const int y = int(layout.LineRect(0).bottom()) - 5;
    EXPECT_NE(image.pixel(0, y), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(20, y), qRgb(255, 255, 255));
}

} // namespace
