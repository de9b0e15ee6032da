#include "RichTextPainter.h"

#include "CharAttributes.h"
#include "RtfDocument.h"

#include <QPainter>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Three paragraphs in two faces, sizes and styles; long enough to wrap in a
// narrow cell.
void FillSample(TWPRTFTextPaint &document)
{
    const int times = document.FontIndex(u"Times New Roman"_s);
    QTextCursor cursor(&document.Document());
    InsertCharAttrText(document, cursor, u"Meeting with the garden club "_s, {0, 10, 0, 0});
    InsertCharAttrText(document, cursor, u"at the town hall"_s, {times, 12, wpsBold, 1});
    InsertParagraph(cursor);
    InsertCharAttrText(document, cursor, u"Bring seeds and a spade"_s, {0, 9, wpsItalic, 3});
    InsertParagraph(cursor);
    InsertCharAttrText(document, cursor, u"Dinner at eight"_s, {times, 14, wpsUnderline, 0});
}

QImage WhiteImage(int width, int height, int dpi = 96)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

// The smallest rectangle holding every pixel that is not white.
QRect InkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

QStringList LineTexts(const TWPRichTextLayout &layout)
{
    QStringList texts;
    for (int line = 0; line < layout.LineCount(); ++line)
        texts << layout.LineText(line);
    return texts;
}

class RichTextPainterTest : public testing::Test
{
protected:
    void SetUp() override { FillSample(document); }

    TWPRTFTextPaint document;
};

TEST_F(RichTextPainterTest, WrapsAtTheUnzoomedWidth)
{
    const TWPRichTextLayout layout(document, 140);
    ASSERT_GT(layout.LineCount(), 3);
    EXPECT_TRUE(layout.LineText(0).startsWith(u"Meeting with"_s));
    EXPECT_EQ(LineTexts(layout).join(QString()).toStdString(),
              "Meeting with the garden club at the town hall"
              "Bring seeds and a spadeDinner at eight");
    for (int line = 1; line < layout.LineCount(); ++line)
        EXPECT_GE(layout.LineRect(line).top(), layout.LineRect(line - 1).bottom() - 0.01) << line;
    EXPECT_DOUBLE_EQ(UnzoomedWidth(84, 60), 140);
    EXPECT_DOUBLE_EQ(UnzoomedWidth(875, 625), 140);
    EXPECT_DOUBLE_EQ(UnzoomedWidth(140, 0), 140);
    EXPECT_DOUBLE_EQ(UnzoomedWidth(140, -5), 140);
}

// The same cell painted on screen at two zooms and on a 600-dpi page: the
// ink scales with the zoom alone, so the lines break in the same places and
// fonts are not sized for the target device.
TEST_F(RichTextPainterTest, PaintScalesWithZoomOnly)
{
    const struct
    {
        int zoom, dpi;
    } cases[] = {{100, 96}, {60, 96}, {625, 600}};
    QRectF reference;
    int referenceLines = 0;
    for (const auto &c : cases) {
        const double scale = c.zoom / 100.0;
        QImage image = WhiteImage(int(200 * scale), int(300 * scale), c.dpi);
        QPainter painter(&image);
        const int lines =
            PaintRichText(painter, document, QPointF(0, 0), 140 * scale, 300 * scale, 0, c.zoom);
        painter.end();
        const QRect ink = InkBounds(image);
        ASSERT_TRUE(ink.isValid()) << c.zoom;
        const QRectF unzoomed(ink.left() / scale, ink.top() / scale, ink.width() / scale,
                              ink.height() / scale);
        if (c.zoom == 100) {
            reference = unzoomed;
            referenceLines = lines;
            continue;
        }
        EXPECT_EQ(lines, referenceLines) << c.zoom;
        EXPECT_NEAR(unzoomed.right(), reference.right(), 3) << c.zoom;
        EXPECT_NEAR(unzoomed.bottom(), reference.bottom(), 3) << c.zoom;
        EXPECT_LE(unzoomed.right(), 141) << c.zoom;
    }
}

TEST_F(RichTextPainterTest, PaintsOnlyTheLinesThatFit)
{
    const TWPRichTextLayout layout(document, 140);
    const int count = layout.LineCount();
    const double twoLines = layout.LineRect(1).bottom();
    const struct
    {
        double height;
        int firstLine, painted;
    } cases[] = {
        {0, 0, 0},
        {layout.LineRect(0).height() - 0.5, 0, 0},
        {layout.LineRect(0).height(), 0, 1},
        {twoLines, 0, 2},
        {layout.LineRect(2).bottom() - 0.5, 0, 2},
        {10000, 0, count},
        {10000, 2, count - 2},
        {10000, count - 1, 1},
        {10000, count, 0},
        {10000, -1, 0},
    };
    for (const auto &c : cases) {
        QImage image = WhiteImage(140, 400);
        QPainter painter(&image);
        EXPECT_EQ(layout.Paint(painter, QPointF(0, 0), c.height, c.firstLine, 100), c.painted)
            << c.height << " " << c.firstLine;
        painter.end();
        const QRect ink = InkBounds(image);
        if (c.painted == 0) {
            EXPECT_FALSE(ink.isValid()) << c.height << " " << c.firstLine;
            continue;
        }
        const double top = layout.LineRect(c.firstLine).top();
        const double bottom = layout.LineRect(c.firstLine + c.painted - 1).bottom();
        EXPECT_LE(ink.bottom(), bottom - top) << c.height << " " << c.firstLine;
    }
}

TEST_F(RichTextPainterTest, LaterFirstLineMovesToTheTop)
{
    const TWPRichTextLayout layout(document, 140);
    const QRectF second = layout.LineRect(1);
    QImage image = WhiteImage(140, 100);
    QPainter painter(&image);
    painter.translate(0, 10);
    EXPECT_EQ(layout.Paint(painter, QPointF(0, 5), second.height(), 1, 100), 1);
    EXPECT_EQ(painter.transform(), QTransform::fromTranslate(0, 10));
    EXPECT_FALSE(painter.hasClipping());
    painter.end();
    const QRect ink = InkBounds(image);
    ASSERT_TRUE(ink.isValid());
    EXPECT_GE(ink.top(), 15);
    EXPECT_LT(ink.bottom(), 15 + second.height());
}

TEST_F(RichTextPainterTest, NothingToPaintIntoAnEmptyRectangle)
{
    QImage image = WhiteImage(50, 50);
    QPainter painter(&image);
    EXPECT_EQ(PaintRichText(painter, document, QPointF(0, 0), 0, 50, 0, 100), 0);
    EXPECT_EQ(PaintRichText(painter, document, QPointF(0, 0), 50, -1, 0, 100), 0);
    EXPECT_EQ(PaintRichText(painter, TWPRTFTextPaint(), QPointF(0, 0), 50, 50, 0, 100), 1);
}

TEST_F(RichTextPainterTest, CachedLayoutFollowsItsDocument)
{
    auto other = std::make_unique<TWPRTFTextPaint>(document);
    const TWPRichTextLayout layout(document, 140);
    const TWPRichTextLayout otherLayout(*other, 140);
    EXPECT_TRUE(layout.IsLayoutOf(document, 140));
    EXPECT_FALSE(layout.IsLayoutOf(document, 141));
    EXPECT_FALSE(layout.IsLayoutOf(*other, 140));

    other.reset();
    EXPECT_FALSE(otherLayout.IsLayoutOf(document, 140));

    QTextCursor(&document.Document()).insertText(u"x"_s);
    EXPECT_FALSE(layout.IsLayoutOf(document, 140));
}

TEST(RichTextPainterPictureTest, PaintsImagesAndFramesMetafiles)
{
    TWPRTFTextPaint document;
    QImage red(20, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    TWPPicture metafile;
    metafile.Kind = TWPPictureKind::Metafile;
    metafile.GoalWidth = 30 * 15;
    metafile.GoalHeight = 20 * 15;
    QTextCursor cursor(&document.Document());
    InsertPicture(cursor, TWPPicture::FromImage(red));
    InsertPicture(cursor, metafile);

    QImage image = WhiteImage(100, 40);
    QPainter painter(&image);
    EXPECT_EQ(PaintRichText(painter, document, QPointF(0, 0), 100, 40, 0, 100), 1);
    painter.end();

    // The red image from 0 to 20, the frame from 20 to 50, both 20 high.
    const TWPRichTextLayout layout(document, 100);
    const int y = int(layout.LineRect(0).bottom()) - 5;
    EXPECT_EQ(image.pixel(10, y), qRgb(255, 0, 0));
    EXPECT_NE(image.pixel(20, y), qRgb(255, 255, 255));
    EXPECT_NE(image.pixel(50, y), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(35, y), qRgb(255, 255, 255));
}

} // namespace

TEST(DocumentWatch, SameContentComparesTextFormatsAndDefaultFont)
{
    TWPRTFTextPaint one, other;
    QTextCursor(&one.Document()).insertText("Dentist at ten");
    QTextCursor(&other.Document()).insertText("Dentist at ten");
    EXPECT_TRUE(SameContent(one.Document(), other.Document()));
    const std::unique_ptr<QTextDocument> copy(one.Document().clone());
    EXPECT_TRUE(SameContent(one.Document(), *copy));

    QTextCursor bold(&other.Document());
    bold.setPosition(0);
    bold.setPosition(7, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    bold.mergeCharFormat(format);
    EXPECT_FALSE(SameContent(one.Document(), other.Document()));

    copy->setDefaultFont(QFont("Liberation Serif", 20));
    EXPECT_FALSE(SameContent(one.Document(), *copy));
    TWPRTFTextPaint twoLines;
    QTextCursor(&twoLines.Document()).insertText("Dentist\nat ten");
    EXPECT_FALSE(SameContent(one.Document(), twoLines.Document()));
}
