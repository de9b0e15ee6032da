#include "RtfDocument.h"

#include "DocumentProbe.h"
#include "RtfReader.h"
#include "RtfStorage.h"
#include "RtfWriter.h"

#include <QBuffer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <ostream>

static void PrintTo(const QByteArray &bytes, std::ostream *out)
{
    *out << '"' << bytes.toStdString() << '"';
}

namespace {

// A run format as the engine's editor makes it.
QTextCharFormat RunFormat(TWPRTFTextPaint &document, const QString &face, double points,
                          int colorByte)
{
    QTextCharFormat format;
    const int font = document.FontIndex(face);
    format.setProperty(FontIndexProperty, font);
    format.setFontFamilies(QStringList{document.Fonts()[font].Name});
    format.setFontPointSize(points);
    format.setProperty(ColorByteProperty, colorByte);
    format.setForeground(ToQColor(document.Palette()[size_t(colorByte & 0x0F)]));
    return format;
}

QImage TestImage()
{
    QImage image(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            image.setPixel(x, y, qRgb(x * 60, y * 100, 30));
    return image;
}

// Fonts, sizes, colours, styles, alignments, tabs, line breaks, accented
// characters and an embedded bitmap, as the editor builds them.
TWPRTFTextPaint MixedDocument()
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    QTextCharFormat title = RunFormat(document, "Arial", 18, 0x03);
    title.setFontWeight(QFont::Bold);
    cursor.insertText(QString::fromUtf8("Geburtstag M\xC3\xBCller"), title);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);

    QTextBlockFormat left;
    left.setAlignment(Qt::AlignLeft);
    cursor.insertBlock(left);
    QTextCharFormat body = RunFormat(document, "Times New Roman", 10, 0x00);
    cursor.insertText("09:00\tTea", body);
    QTextCharFormat italic = RunFormat(document, "Courier New", 8.5, 0x21);
    italic.setFontItalic(true);
    italic.setFontUnderline(true);
    cursor.insertText(QString(QChar(QChar::LineSeparator)) +
                          QString::fromUtf8("caf\xC3\xA9 & cr\xC3\xA8me"),
                      italic);
    InsertPicture(cursor, TWPPicture::FromImage(TestImage()));
    QTextCharFormat strike = RunFormat(document, "Arial", 52, 0x0E);
    strike.setFontStrikeOut(true);
    strike.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    cursor.insertText(QString::fromUtf8("\xE2\x82\xAC"
                                        "5 {a}\\b"),
                      strike);

    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    cursor.insertBlock(right);
    cursor.insertText(QString::fromUtf8("Gr\xC3\xBC\xC3\x9F"
                                        "e \xCE\xB1"),
                      body);
    cursor.insertBlock();
    return document;
}

} // namespace

TEST(RtfDocument, Defaults)
{
    TWPRTFTextPaint document;
    EXPECT_TRUE(document.IsEmpty());
    EXPECT_EQ(document.Fonts(), (QList<TWPFont>{{"Arial", 0, 0x20}}));
    EXPECT_EQ(document.Palette(), TWPRTFTextPaint::DefaultPalette());
    const std::array<TColor, 16> expected = {
        clBlack, clRed,  clGreen, clBlue, clYellow, clFuchsia, clPurple, clMaroon,
        clLime,  clAqua, clTeal,  clNavy, clWhite,  clSilver,  clGray,   clWhite};
    EXPECT_EQ(TWPRTFTextPaint::DefaultPalette(), expected);
    EXPECT_EQ(document.PageWidth, 12240);
    EXPECT_EQ(document.PageHeight, 15840);
    EXPECT_EQ(document.MarginLeft, 1880);
    EXPECT_EQ(document.MarginRight, 1880);
    EXPECT_EQ(document.MarginTop, 1440);
    EXPECT_EQ(document.MarginBottom, 1440);
    EXPECT_TRUE(document.Title.isEmpty());
    EXPECT_TRUE(document.Subject.isEmpty());
    EXPECT_TRUE(document.Comment.isEmpty());
}

TEST(RtfDocument, IsEmptyMeansOneParagraphWithoutCharacters)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    cursor.insertText(" ");
    EXPECT_FALSE(document.IsEmpty());
    cursor.deletePreviousChar();
    EXPECT_TRUE(document.IsEmpty());
    cursor.insertBlock();
    EXPECT_FALSE(document.IsEmpty());
    cursor.deletePreviousChar();
    EXPECT_TRUE(document.IsEmpty());
    InsertPicture(cursor, TWPPicture::FromImage(TestImage()));
    EXPECT_FALSE(document.IsEmpty());

    // An empty paragraph with a format of its own is still empty.
    TWPRTFTextPaint formatted;
    QTextCursor other(&formatted.Document());
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    other.setBlockFormat(centred);
    EXPECT_TRUE(formatted.IsEmpty());
    EXPECT_TRUE(formatted.SaveData().isEmpty());
}

TEST(RtfDocument, AssignCopiesEverythingDeeply)
{
    TWPRTFTextPaint source = MixedDocument();
    source.SetPaletteColor(5, 0x102030);
    source.SetPageSizeTwips(2000, 1000);
    source.Title = "t";
    source.Subject = "s";
    source.Comment = "c";

    TWPRTFTextPaint target;
    QTextDocument *shown = &target.Document();
    target.Assign(source);
    EXPECT_EQ(&target.Document(), shown); // an editor showing it keeps showing it
    EXPECT_EQ(Paragraphs(target), Paragraphs(source));
    EXPECT_EQ(target.Fonts(), source.Fonts());
    EXPECT_EQ(target.Palette(), source.Palette());
    EXPECT_EQ(target.PageWidth, 2000);
    EXPECT_EQ(target.MarginLeft, 0);
    EXPECT_EQ(target.Title, "t");
    EXPECT_EQ(target.Subject, "s");
    EXPECT_EQ(target.Comment, "c");
    EXPECT_EQ(target.SaveData(), source.SaveData());
    EXPECT_EQ(target.Document().findBlockByNumber(0).blockFormat().alignment(), Qt::AlignHCenter);

    const QList<QTextImageFormat> pictures = Pictures(target);
    ASSERT_EQ(pictures.size(), 1);
    EXPECT_EQ(PictureOf(target.Document(), pictures[0]).Image, TestImage());

    // Changing or clearing the source leaves the copy alone.
    QTextCursor cursor(&source.Document());
    cursor.insertText("more");
    source.Clear();
    EXPECT_EQ(PictureOf(target.Document(), Pictures(target)[0]).Image, TestImage());
    EXPECT_EQ(Paragraphs(target).size(), 4);
}

TEST(RtfDocument, AssignFromAnEmptyDocumentClears)
{
    TWPRTFTextPaint document = MixedDocument();
    const TWPRTFTextPaint blank;
    document.Assign(blank);
    EXPECT_TRUE(document.IsEmpty());
    EXPECT_EQ(document.Fonts(), blank.Fonts());
    EXPECT_EQ(document.Document().findBlockByNumber(0).blockFormat().alignment(),
              blank.Document().findBlockByNumber(0).blockFormat().alignment());
}

// A cell never written in holds no text document until one is asked for;
// copying it, assigning it over a written cell or changing its palette acts as
// on an empty document, and an editor showing the written cell keeps its
// document object.
TEST(RtfDocument, ADocumentNeverWrittenInActsAsAnEmptyOne)
{
    const TWPRTFTextPaint blank;
    const TWPRTFTextPaint copy(blank);
    EXPECT_TRUE(copy.IsEmpty());
    EXPECT_TRUE(copy.SaveData().isEmpty());

    TWPRTFTextPaint written = MixedDocument();
    written.Document().setDocumentMargin(0);
    const QTextDocument *shown = &written.Document();
    written.Assign(TWPRTFTextPaint());
    EXPECT_TRUE(written.IsEmpty());
    EXPECT_EQ(&written.Document(), shown);
    EXPECT_EQ(written.Document().documentMargin(), QTextDocument().documentMargin());

    TWPRTFTextPaint recoloured;
    recoloured.SetPaletteColor(1, clRed);
    EXPECT_EQ(recoloured.Palette()[1], clRed);
    EXPECT_TRUE(recoloured.IsEmpty());
    EXPECT_EQ(&recoloured.Document(), &recoloured.Document());
}

TEST(RtfDocument, CopyConstructionAndAssignmentOperator)
{
    const TWPRTFTextPaint source = MixedDocument();
    TWPRTFTextPaint copy(source);
    EXPECT_NE(&copy.Document(), &source.Document());
    EXPECT_EQ(copy.SaveData(), source.SaveData());
    TWPRTFTextPaint assigned;
    assigned = source;
    EXPECT_EQ(assigned.SaveData(), source.SaveData());
    const QByteArray before = assigned.SaveData();
    const TWPRTFTextPaint &alias = assigned;
    assigned = alias;
    assigned.Assign(assigned);
    EXPECT_EQ(assigned.SaveData(), before);
}

TEST(RtfDocument, StorageAssignsItsDocument)
{
    TWPRtfStorage cell;
    TWPRtfStorage other;
    EXPECT_TRUE(cell.IsEmpty());
    cell.SetRtfText(MixedDocument());
    EXPECT_FALSE(cell.IsEmpty());
    other.Assign(cell);
    EXPECT_EQ(other.RtfText().SaveData(), cell.RtfText().SaveData());
    const TWPRtfStorage blank;
    cell.Assign(blank);
    EXPECT_TRUE(cell.IsEmpty());
    EXPECT_FALSE(other.IsEmpty());
}

TEST(RtfDocument, ClearRestoresTheDefaults)
{
    TWPRTFTextPaint document = MixedDocument();
    document.SetFonts({{"Courier", 0, 0x30}});
    document.SetPaletteColor(0, clWhite);
    document.SetPageSizeTwips(1, 2);
    document.Title = "x";
    const QUrl picture(Pictures(document)[0].name());
    document.Clear();
    EXPECT_TRUE(document.IsEmpty());
    EXPECT_EQ(document.Fonts(), TWPRTFTextPaint().Fonts());
    EXPECT_EQ(document.Palette(), TWPRTFTextPaint::DefaultPalette());
    EXPECT_EQ(document.PageWidth, 12240);
    EXPECT_EQ(document.MarginBottom, 1440);
    EXPECT_TRUE(document.Title.isEmpty());
    EXPECT_FALSE(document.Document().resource(QTextDocument::ImageResource, picture).isValid());
}

TEST(RtfDocument, FontIndexFindsFacesWithoutRegardToCase)
{
    TWPRTFTextPaint document;
    EXPECT_EQ(document.FontIndex("arial"), 0);
    EXPECT_EQ(document.FontIndex("Times New Roman"), 1);
    EXPECT_EQ(document.FontIndex("TIMES NEW ROMAN"), 1);
    const QString longName = "A face name much longer than thirty-one characters";
    EXPECT_EQ(document.FontIndex(longName), 2);
    EXPECT_EQ(document.Fonts()[2].Name, longName.left(31));
    EXPECT_EQ(document.FontIndex(longName.left(31) + "different tail"), 2);
    EXPECT_EQ(document.Fonts().size(), 3);
    EXPECT_EQ(document.Fonts()[1], (TWPFont{"Times New Roman", 0, 0}));
}

TEST(RtfDocument, SetFontsWithAnEmptyListKeepsTheDefault)
{
    TWPRTFTextPaint document;
    document.SetFonts({});
    EXPECT_EQ(document.Fonts(), (QList<TWPFont>{{"Arial", 0, 0x20}}));
    document.SetFonts({{"Symbol", 2, 0x50}});
    EXPECT_EQ(document.Fonts(), (QList<TWPFont>{{"Symbol", 2, 0x50}}));
}

TEST(RtfDocument, SetPaletteColorRecoloursItsRuns)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    cursor.insertText("a", RunFormat(document, "Arial", 10, 0x01));
    cursor.insertText("b", RunFormat(document, "Arial", 10, 0x12));
    document.SetPaletteColor(1, 0x336699);
    EXPECT_EQ(document.Palette()[1], TColor(0x336699));
    QTextCursor probe(&document.Document());
    probe.setPosition(1);
    EXPECT_EQ(probe.charFormat().foreground().color(), QColor(0x99, 0x66, 0x33));
    probe.setPosition(2);
    EXPECT_EQ(probe.charFormat().foreground().color(), QColor(0, 128, 0));
    EXPECT_EQ(probe.charFormat().background().color(), QColor(0x99, 0x66, 0x33));
    document.SetPaletteColor(-1, clWhite);
    document.SetPaletteColor(16, clWhite);
    EXPECT_EQ(document.Palette()[15], clWhite);
}

TEST(RtfDocument, SetPageSizeTwipsZeroesTheMargins)
{
    TWPRTFTextPaint document;
    document.SetPageSizeTwips(3000, 1500);
    EXPECT_EQ(document.PageWidth, 3000);
    EXPECT_EQ(document.PageHeight, 1500);
    EXPECT_EQ(document.MarginLeft, 0);
    EXPECT_EQ(document.MarginRight, 0);
    EXPECT_EQ(document.MarginTop, 0);
    EXPECT_EQ(document.MarginBottom, 0);
}

TEST(RtfDocument, FromImageBuildsATwentyFourBitDib)
{
    const TWPPicture picture = TWPPicture::FromImage(TestImage());
    EXPECT_EQ(picture.Kind, TWPPictureKind::Dib);
    EXPECT_EQ(picture.Width, 4);
    EXPECT_EQ(picture.Height, 3);
    EXPECT_EQ(picture.GoalWidth, 60);
    EXPECT_EQ(picture.GoalHeight, 45);
    EXPECT_EQ(picture.BitsPixel, 24);
    EXPECT_EQ(picture.Planes, 1);
    EXPECT_EQ(picture.WidthBytes, 12);
    ASSERT_EQ(picture.Data.size(), 40 + 12 * 3);
    EXPECT_EQ(picture.Data.left(4), QByteArray("\x28\0\0\0", 4));
    // The first row stored is the bottom one: blue, green, red.
    EXPECT_EQ(uchar(picture.Data[40]), 30);
    EXPECT_EQ(uchar(picture.Data[41]), 200);
    EXPECT_EQ(uchar(picture.Data[42]), 0);
    EXPECT_EQ(picture.Image, TestImage());

    // The DIB is what a BMP file holds after its 14-byte header.
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(TestImage().save(&buffer, "BMP"));
    EXPECT_EQ(picture.Data.mid(40), bmp.mid(54));
}

TEST(RtfDocument, FromImageKeepsAlphaInThirtyTwoBits)
{
    QImage image(3, 1, QImage::Format_ARGB32);
    image.fill(qRgba(1, 2, 3, 4));
    const TWPPicture picture = TWPPicture::FromImage(image);
    EXPECT_EQ(picture.BitsPixel, 32);
    EXPECT_EQ(picture.WidthBytes, 12);
    ASSERT_EQ(picture.Data.size(), 40 + 12);
    EXPECT_EQ(picture.Data.mid(40, 4), QByteArray("\x03\x02\x01\x04"));
    EXPECT_TRUE(TWPPicture::FromImage(QImage()).Data.isEmpty());

    // Odd widths pad their rows to four bytes.
    const TWPPicture odd = TWPPicture::FromImage(QImage(5, 2, QImage::Format_RGB888));
    EXPECT_EQ(odd.WidthBytes, 15);
    EXPECT_EQ(odd.Data.size(), 40 + 16 * 2);
}

TEST(RtfDocument, InsertPictureAndPictureOf)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    TWPPicture picture = TWPPicture::FromImage(TestImage());
    picture.GoalWidth = 150;
    picture.GoalHeight = 90;
    InsertPicture(cursor, picture);
    InsertPicture(cursor, TWPPicture::FromImage(TestImage()));
    const QList<QTextImageFormat> pictures = Pictures(document);
    ASSERT_EQ(pictures.size(), 2);
    EXPECT_NE(pictures[0].name(), pictures[1].name());
    EXPECT_DOUBLE_EQ(pictures[0].width(), 10.0); // display size in pixels at 96 ppi
    EXPECT_DOUBLE_EQ(pictures[0].height(), 6.0);
    const TWPPicture read = PictureOf(document.Document(), pictures[0]);
    EXPECT_EQ(read.Kind, picture.Kind);
    EXPECT_EQ(read.Data, picture.Data);
    EXPECT_EQ(read.Image, picture.Image);
    EXPECT_EQ(read.Width, 4);
    EXPECT_EQ(read.Height, 3);
    EXPECT_EQ(read.GoalWidth, 150);
    EXPECT_EQ(read.GoalHeight, 90);
    EXPECT_EQ(read.BitsPixel, 24);
    EXPECT_EQ(read.Planes, 1);
    EXPECT_EQ(read.WidthBytes, 12);
}

TEST(RtfDocument, ForeignImagesAreWrittenAsDibs)
{
    TWPRTFTextPaint document;
    document.Document().addResource(QTextDocument::ImageResource, QUrl("pasted:1"), TestImage());
    QTextCursor cursor(&document.Document());
    QTextImageFormat format;
    format.setName("pasted:1");
    cursor.insertImage(format);
    const TWPPicture picture = PictureOf(document.Document(), format);
    EXPECT_EQ(picture.Kind, TWPPictureKind::Dib);
    EXPECT_EQ(picture.Data, TWPPicture::FromImage(TestImage()).Data);
    EXPECT_NE(document.SaveData().indexOf("{\\pict\\dibitmap0\\wbmbitspixel24"), -1);
}

// The round trip the persisted form exists for: written, read and written
// again, a document gives the same bytes and the same content.
TEST(RtfDocument, WriteReadWriteGivesTheSameBytes)
{
    const TWPRTFTextPaint document = MixedDocument();
    const QByteArray first = document.SaveData();
    ASSERT_FALSE(first.isEmpty());

    TWPRTFTextPaint read;
    QString error;
    ASSERT_TRUE(read.LoadData(first, &error)) << error.toStdString();
    EXPECT_EQ(read.SaveData(), first);
    EXPECT_EQ(Paragraphs(read), Paragraphs(document));
    EXPECT_EQ(read.Fonts(), document.Fonts());

    // Attributes survive, run by run.
    QTextCursor probe(&read.Document());
    probe.setPosition(1);
    EXPECT_EQ(probe.charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(probe.charFormat().fontPointSize(), 18.0);
    EXPECT_EQ(probe.charFormat().foreground().color(), QColor(0, 0, 255));
    const QString text = read.Document().toPlainText();
    probe.setPosition(int(text.indexOf("caf")) + 1);
    EXPECT_TRUE(probe.charFormat().fontItalic());
    EXPECT_TRUE(probe.charFormat().fontUnderline());
    EXPECT_EQ(probe.charFormat().fontPointSize(), 8.5);
    EXPECT_EQ(probe.charFormat().fontFamilies().toStringList(), QStringList{"Courier New"});
    EXPECT_EQ(probe.charFormat().intProperty(ColorByteProperty), 0x21);
    probe.setPosition(int(text.indexOf("5 {a}")) + 1);
    EXPECT_TRUE(probe.charFormat().fontStrikeOut());
    EXPECT_EQ(probe.charFormat().fontPointSize(), 52.0);
    EXPECT_EQ(probe.charFormat().verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(read.Document().findBlockByNumber(0).blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(read.Document().findBlockByNumber(2).blockFormat().alignment(), Qt::AlignRight);

    const QList<QTextImageFormat> pictures = Pictures(read);
    ASSERT_EQ(pictures.size(), 1);
    EXPECT_EQ(PictureOf(read.Document(), pictures[0]).Image, TestImage());

    // And through a copy, as cells and the editor exchange documents.
    TWPRTFTextPaint copy;
    copy.Assign(read);
    EXPECT_EQ(copy.SaveData(), first);
}

TEST(RtfDocument, WriteRtfAndReadRtfThroughDevices)
{
    const TWPRTFTextPaint document = MixedDocument();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(WriteRtf(document, buffer));
    TWPRTFTextPaint read;
    ASSERT_TRUE(ReadRtf(buffer.data(), read));
    EXPECT_EQ(RtfBytes(read), buffer.data());
}

TEST(RtfDocument, LoadDataOfNothingIsTheEmptyDocument)
{
    TWPRTFTextPaint document = MixedDocument();
    EXPECT_TRUE(document.LoadData(QByteArray()));
    EXPECT_TRUE(document.IsEmpty());
    EXPECT_TRUE(document.SaveData().isEmpty());
}
