#include "RtfReader.h"

#include "DocumentProbe.h"
#include "RtfDocument.h"
#include "RtfWriter.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <ostream>

// Failures show the bytes as text.
static void PrintTo(const QByteArray &bytes, std::ostream *out)
{
    *out << '"' << bytes.toStdString() << '"';
}

static void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

const QByteArray defaultPrologue =
    "{\\rtf1\\ansi\\deff0\\deftab720"
    "{\\fonttbl{\\f0\\swiss\\charset0 Arial;}}"
    "{\\colortbl"
    "\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green128\\blue0;"
    "\\red0\\green0\\blue255;\\red255\\green255\\blue0;\\red255\\green0\\blue255;"
    "\\red128\\green0\\blue128;\\red128\\green0\\blue0;\\red0\\green255\\blue0;"
    "\\red0\\green255\\blue255;\\red0\\green128\\blue128;\\red0\\green0\\blue128;"
    "\\red255\\green255\\blue255;\\red192\\green192\\blue192;\\red128\\green128\\blue128;}"
    "\\paperw12240\\paperh15840\\margl1880\\margr1880\\margt1440\\margb1440";

QByteArray Own(const QByteArray &paragraphs)
{
    return defaultPrologue + "{" + paragraphs + "}\r\n}";
}

QTextBlock Block(const TWPRTFTextPaint &document, int number)
{
    return document.Document().findBlockByNumber(number);
}

// The character format at the first occurrence of text.
QTextCharFormat FormatOf(const TWPRTFTextPaint &document, const QString &text)
{
    const QString plain = document.Document().toPlainText();
    const qsizetype at = plain.indexOf(text);
    EXPECT_GE(at, 0) << text.toStdString();
    QTextCursor cursor(const_cast<QTextDocument *>(&document.Document()));
    cursor.setPosition(int(at) + 1);
    return cursor.charFormat();
}

// A byte string literal with its NUL bytes.
template <size_t N> QByteArray Bytes(const char (&literal)[N])
{
    return QByteArray(literal, qsizetype(N - 1));
}

QByteArray Hex(const QByteArray &bytes)
{
    return bytes.toHex();
}

// A document with everything the form can carry, written by the writer.
QByteArray RichSample()
{
    TWPRTFTextPaint document;
    document.SetFonts({{"Arial", 0, 0x20}, {"Times New Roman", 0, 0x10}});
    document.Title = "Sample";
    QTextCursor cursor(&document.Document());
    QTextCharFormat format;
    format.setProperty(FontIndexProperty, 1);
    format.setFontFamilies(QStringList{"Times New Roman"});
    format.setFontPointSize(14);
    format.setProperty(ColorByteProperty, 0x31);
    format.setFontWeight(QFont::Bold);
    cursor.insertText(QString::fromUtf8("Caf\xC3\xA9 {x}\t\\"), format);
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(qRgba(10, 20, 30, 128));
    InsertPicture(cursor, TWPPicture::FromImage(image));
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.insertBlock(centred);
    format.setFontItalic(true);
    format.setProperty(HiddenProperty, true);
    cursor.insertText(QString::fromUtf8("\xCE\xB1") + QChar(QChar::LineSeparator) + "z", format);
    return RtfBytes(document);
}

} // namespace

TEST(RtfReader, ReadsTheBoldHelloDocument)
{
    TWPRTFTextPaint document;
    QString error;
    ASSERT_TRUE(document.LoadData(Own("\\plain\\f0\\fs20\\cf0\\b Hello"), &error))
        << error.toStdString();
    EXPECT_EQ(Paragraphs(document), QStringList{"Hello"});
    const QTextCharFormat format = FormatOf(document, "Hello");
    EXPECT_EQ(format.intProperty(FontIndexProperty), 0);
    EXPECT_EQ(format.fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_EQ(format.fontPointSize(), 10.0);
    EXPECT_EQ(format.fontWeight(), QFont::Bold);
    EXPECT_FALSE(format.fontItalic());
    EXPECT_EQ(format.intProperty(ColorByteProperty), 0);
    EXPECT_EQ(format.foreground().color(), QColor(Qt::black));
    EXPECT_EQ(Block(document, 0).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignLeft);
    EXPECT_EQ(document.Fonts(), (QList<TWPFont>{{"Arial", 0, 0x20}}));
    EXPECT_EQ(document.Palette(), TWPRTFTextPaint::DefaultPalette());
    EXPECT_EQ(document.PageWidth, 12240);
    EXPECT_EQ(document.MarginLeft, 1880);
    EXPECT_EQ(document.SaveData(), Own("\\plain\\f0\\fs20\\cf0\\b Hello"));
}

TEST(RtfReader, ParagraphsAndTheirAlignment)
{
    const QByteArray run = "\\plain\\f0\\fs20\\cf0 ";
    const QByteArray rtf =
        Own(run + "l\\par\n\r\\qc" + run + "c1\\par\n\r" + run + "c2\\par\n\r\\qr" + run +
            "r\\par\n\r\\qj" + run + "j\\par\n\r\\ql" + run + "l2\\par\n\r\\qc");
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData(rtf));
    EXPECT_EQ(Paragraphs(document), (QStringList{"l", "c1", "c2", "r", "j", "l2", ""}));
    const Qt::Alignment expected[] = {Qt::AlignLeft,   Qt::AlignHCenter, Qt::AlignHCenter,
                                      Qt::AlignRight,  Qt::AlignJustify, Qt::AlignLeft,
                                      Qt::AlignHCenter};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(Block(document, i).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                  expected[i])
            << i;
    EXPECT_EQ(document.SaveData(), rtf);
}

TEST(RtfReader, PardResetsTheAlignmentAndGroupsScopeIt)
{
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData("{\\rtf1 \\qr a\\par b\\par\\pard c\\par{\\qc d}\\par e}"));
    EXPECT_EQ(Paragraphs(document), (QStringList{"a", "b", "c", "d", "e"}));
    const Qt::Alignment expected[] = {Qt::AlignRight, Qt::AlignRight, Qt::AlignLeft, Qt::AlignLeft,
                                      Qt::AlignLeft};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Block(document, i).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                  expected[i])
            << i;
}

TEST(RtfReader, LastParagraphKeepsTheAlignmentOfItsGroup)
{
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData(Own("\\qc\\plain\\f0\\fs20\\cf0 mid")));
    EXPECT_EQ(Block(document, 0).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
}

TEST(RtfReader, EscapedCharactersAndHex)
{
    TWPRTFTextPaint document;
    ASSERT_TRUE(
        document.LoadData(Own("\\plain\\f0\\fs20\\cf0 a\\{b\\}\\\\c \\'E4\\'e4\\'80\\'81")));
    EXPECT_EQ(Paragraphs(document),
              QStringList{QString::fromUtf8("a{b}\\c \xC3\xA4\xC3\xA4\xE2\x82\xAC") + QChar(0x81)});
}

TEST(RtfReader, TabsLineBreaksAndQuotes)
{
    TWPRTFTextPaint document;
    ASSERT_TRUE(
        document.LoadData("{\\rtf1 a\\tab b\\line c\\ldblquote q\\rdblquote\\lquote\\rquote}"));
    EXPECT_EQ(Paragraphs(document), QStringList{QString("a\tb") + QChar(QChar::LineSeparator) +
                                                QString::fromUtf8("c\xE2\x80\x9Cq\xE2\x80\x9D"
                                                                  "\xE2\x80\x98\xE2\x80\x99")});
    EXPECT_EQ(document.Document().blockCount(), 1);
}

TEST(RtfReader, UnicodeEscapesAndTheirSkipCount)
{
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData("{\\rtf1 \\uc1\\u8364?a\\u8364\\'80b{\\uc2\\u945 xyc}"
                                  "\\u-3?\\u-10179?\\u-8704?\\uc0\\u946 d}"));
    EXPECT_EQ(Paragraphs(document),
              QStringList{QString::fromUtf8("\xE2\x82\xAC"
                                            "a\xE2\x82\xAC"
                                            "b\xCE\xB1"
                                            "c\xEF\xBF\xBD\xF0\x9F\x98\x80\xCE\xB2"
                                            "d")});
}

TEST(RtfReader, UnicodeMendRoundTrips)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    const QString text = QString::fromUtf8("\xCE\xB1\xE4\xB8\xAD\xF0\x9F\x98\x80 ok \xC3\xA9");
    cursor.insertText(text);
    const QByteArray bytes = document.SaveData();
    TWPRTFTextPaint read;
    ASSERT_TRUE(read.LoadData(bytes));
    EXPECT_EQ(read.Document().toPlainText(), text);
    EXPECT_EQ(read.SaveData(), bytes);
}

TEST(RtfReader, RunAttributes)
{
    const QByteArray rtf = Own("\\plain\\f0\\fs104\\cf1\\b\\ul\\super\\i\\strike\\shad\\v\\wprtf1"
                               "\\inspnt3\\inaut big"
                               "\\plain\\f0\\fs16\\cf14\\cb2\\uldb\\sub small");
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData(rtf));
    const QTextCharFormat big = FormatOf(document, "big");
    EXPECT_EQ(big.fontPointSize(), 52.0);
    EXPECT_EQ(big.intProperty(ColorByteProperty), 1);
    EXPECT_EQ(big.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(big.fontWeight(), QFont::Bold);
    EXPECT_TRUE(big.fontUnderline());
    EXPECT_FALSE(big.boolProperty(DoubleUnderlineProperty));
    EXPECT_EQ(big.verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_TRUE(big.fontItalic());
    EXPECT_TRUE(big.fontStrikeOut());
    EXPECT_TRUE(big.boolProperty(ShadowProperty));
    EXPECT_TRUE(big.boolProperty(HiddenProperty));
    EXPECT_TRUE(big.boolProperty(ProtectedProperty));
    EXPECT_EQ(big.intProperty(InsertPointProperty), 3);
    EXPECT_TRUE(big.boolProperty(AutoTextProperty));

    const QTextCharFormat small = FormatOf(document, "small");
    EXPECT_EQ(small.fontPointSize(), 8.0);
    EXPECT_EQ(small.intProperty(ColorByteProperty), 0x2E);
    EXPECT_EQ(small.foreground().color(), QColor(128, 128, 128));
    EXPECT_EQ(small.background().color(), QColor(0, 128, 0));
    EXPECT_EQ(small.fontWeight(), QFont::Normal);
    EXPECT_TRUE(small.fontUnderline());
    EXPECT_TRUE(small.boolProperty(DoubleUnderlineProperty));
    EXPECT_EQ(small.verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_FALSE(small.hasProperty(InsertPointProperty));
    EXPECT_FALSE(small.boolProperty(HiddenProperty));

    EXPECT_EQ(document.SaveData(), rtf);
}

TEST(RtfReader, ZeroParametersTurnStylesOff)
{
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData("{\\rtf1\\b\\i\\ul\\strike\\v\\super A\\b0\\i0\\ul0\\strike0"
                                  "\\v0\\nosupersub B\\ul\\uldb C\\ulnone D}"));
    const QTextCharFormat a = FormatOf(document, "A");
    EXPECT_EQ(a.fontWeight(), QFont::Bold);
    EXPECT_TRUE(a.fontItalic() && a.fontUnderline() && a.fontStrikeOut());
    EXPECT_TRUE(a.boolProperty(HiddenProperty));
    EXPECT_EQ(a.verticalAlignment(), QTextCharFormat::AlignSuperScript);
    const QTextCharFormat b = FormatOf(document, "B");
    EXPECT_EQ(b.fontWeight(), QFont::Normal);
    EXPECT_FALSE(b.fontItalic() || b.fontUnderline() || b.fontStrikeOut());
    EXPECT_FALSE(b.boolProperty(HiddenProperty));
    EXPECT_EQ(b.verticalAlignment(), QTextCharFormat::AlignNormal);
    EXPECT_TRUE(FormatOf(document, "C").boolProperty(DoubleUnderlineProperty));
    EXPECT_FALSE(FormatOf(document, "D").fontUnderline());
    EXPECT_FALSE(FormatOf(document, "D").boolProperty(DoubleUnderlineProperty));
    // Without \fs, RTF's default size of 12 points.
    EXPECT_EQ(a.fontPointSize(), 12.0);
}

TEST(RtfReader, HiddenParagraphEndReadsBack)
{
    const QByteArray rtf = Own("\\plain\\f0\\fs20\\cf0 seen\\plain\\f0\\fs20\\cf0\\v unseen"
                               "\\plain\\par\n\r\\plain\\f0\\fs20\\cf0 next");
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData(rtf));
    EXPECT_EQ(Paragraphs(document), (QStringList{"seenunseen", "next"}));
    EXPECT_TRUE(FormatOf(document, "unseen").boolProperty(HiddenProperty));
    EXPECT_EQ(document.SaveData(), rtf);
}

TEST(RtfReader, PageBreaks)
{
    const QByteArray rtf =
        Own("\\plain\\f0\\fs20\\cf0 a\\par\n\r\\page\\qr\\plain\\f0\\fs20\\cf0 b");
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData(rtf));
    EXPECT_EQ(Paragraphs(document), (QStringList{"a", "b"}));
    EXPECT_FALSE(Block(document, 0).blockFormat().boolProperty(PageBreakProperty));
    EXPECT_TRUE(Block(document, 1).blockFormat().boolProperty(PageBreakProperty));
    EXPECT_EQ(document.SaveData(), rtf);

    // Inside a paragraph \page ends it.
    ASSERT_TRUE(document.LoadData("{\\rtf1 x\\page y}"));
    EXPECT_EQ(Paragraphs(document), (QStringList{"x", "y"}));
    EXPECT_TRUE(Block(document, 1).blockFormat().boolProperty(PageBreakProperty));
}

TEST(RtfReader, FontTable)
{
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData(
        "{\\rtf1\\ansi\\deff5{\\fonttbl{\\f5\\froman\\fcharset0\\fprq2{\\*\\panose 0102}Times New "
        "Roman;}{\\f9\\swiss\\charset2 Sym\\'e9bol;}\\f12\\fmodern Courier New;{\\f13\\fdecor "
        "Unclosed}}"
        "a\\f9 b\\f12 c\\f13 d\\f77 e\\plain f}"));
    EXPECT_EQ(document.Fonts(), (QList<TWPFont>{{"Times New Roman", 0, 0x12},
                                                {QString::fromUtf8("Sym\xC3\xA9"
                                                                   "bol"),
                                                 2, 0x20},
                                                {"Courier New", 0, 0x30},
                                                {"Unclosed", 0, 0x50}}));
    EXPECT_EQ(FormatOf(document, "a").intProperty(FontIndexProperty), 0);
    EXPECT_EQ(FormatOf(document, "b").intProperty(FontIndexProperty), 1);
    EXPECT_EQ(FormatOf(document, "c").intProperty(FontIndexProperty), 2);
    EXPECT_EQ(FormatOf(document, "c").fontFamilies().toStringList(), QStringList{"Courier New"});
    EXPECT_EQ(FormatOf(document, "d").intProperty(FontIndexProperty), 3);
    // Unknown numbers and \plain give the default font.
    EXPECT_EQ(FormatOf(document, "e").intProperty(FontIndexProperty), 0);
    EXPECT_EQ(FormatOf(document, "f").intProperty(FontIndexProperty), 0);
}

TEST(RtfReader, WithoutAFontTableTheDefaultFontListStays)
{
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData("{\\rtf1 \\f3 x}"));
    EXPECT_EQ(document.Fonts(), (QList<TWPFont>{{"Arial", 0, 0x20}}));
    EXPECT_EQ(FormatOf(document, "x").intProperty(FontIndexProperty), 0);
}

TEST(RtfReader, ColourTableWithAutomaticFirstEntry)
{
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData("{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;\\red1\\green2"
                                  "\\blue3;\\red99999\\green-5\\blue7;}"
                                  "\\cf1 r\\cf2 s\\cf0 t\\cf3 u\\cf99 v}"));
    EXPECT_EQ(document.Palette()[0], clBlack);
    EXPECT_EQ(document.Palette()[1], TColor(0x0000FF));
    EXPECT_EQ(document.Palette()[2], TColor(0x030201));
    EXPECT_EQ(document.Palette()[3], TColor(0x0700FF));
    // Entries the table does not give keep the default palette.
    EXPECT_EQ(document.Palette()[4], TWPRTFTextPaint::DefaultPalette()[4]);
    EXPECT_EQ(FormatOf(document, "r").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(FormatOf(document, "s").intProperty(ColorByteProperty), 2);
    EXPECT_EQ(FormatOf(document, "s").foreground().color(), QColor(1, 2, 3));
    EXPECT_EQ(FormatOf(document, "t").foreground().color(), QColor(0, 0, 0));
    EXPECT_EQ(FormatOf(document, "u").intProperty(ColorByteProperty), 3);
    EXPECT_EQ(FormatOf(document, "v").intProperty(ColorByteProperty), 0);
}

TEST(RtfReader, ColourNumbersPastSixteenTakeTheNearestPaletteColour)
{
    QByteArray table = "{\\colortbl";
    for (int i = 0; i < 16; ++i)
        table += i == 4 ? "\\red255\\green255\\blue0;" : "\\red0\\green0\\blue0;";
    table += "\\red250\\green250\\blue5;}"; // number 16: near yellow, entry 4
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData("{\\rtf1" + table + "\\cf16 y}"));
    EXPECT_EQ(document.Palette()[4], clYellow);
    EXPECT_EQ(FormatOf(document, "y").intProperty(ColorByteProperty), 4);
    EXPECT_EQ(FormatOf(document, "y").foreground().color(), QColor(255, 255, 0));
}

TEST(RtfReader, PageTitleSubjectAndComment)
{
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData(
        "{\\rtf1\\paperw2880\\paperh1440\\margl1\\margr2\\margt3\\margb4"
        "{\\title Tea \\{time\\}}{\\subject\tCells}{\\comment\tgr\\'fc\\'df}{\\plain x}\r\n}"));
    EXPECT_EQ(document.PageWidth, 2880);
    EXPECT_EQ(document.PageHeight, 1440);
    EXPECT_EQ(document.MarginLeft, 1);
    EXPECT_EQ(document.MarginRight, 2);
    EXPECT_EQ(document.MarginTop, 3);
    EXPECT_EQ(document.MarginBottom, 4);
    EXPECT_EQ(document.Title, "Tea {time}");
    EXPECT_EQ(document.Subject, "Cells");
    EXPECT_EQ(document.Comment, QString::fromUtf8("gr\xC3\xBC\xC3\x9F"));
    EXPECT_EQ(Paragraphs(document), QStringList{"x"});
}

TEST(RtfReader, InfoGroup)
{
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData("{\\rtf1{\\info{\\title T}{\\subject S}{\\author A}"
                                  "{\\doccomm C}{\\creatim\\yr2024}{\\operator O}\\version2 "
                                  "stray}body}"));
    EXPECT_EQ(document.Title, "T");
    EXPECT_EQ(document.Subject, "S");
    EXPECT_EQ(document.Comment, "C");
    EXPECT_EQ(Paragraphs(document), QStringList{"body"});
}

TEST(RtfReader, SkippedDestinations)
{
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData(
        "{\\rtf1{\\stylesheet{\\s1 Heading;}}{\\header head}{\\footerl foot}"
        "{\\*\\unknown {nested} text}{\\*\\generator Writer;}a{\\footnote note}b"
        "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}c{\\*\\bkmkstart m}"
        "{\\nonshppict{\\pict\\wmetafile8 0102}}d}"));
    EXPECT_EQ(Paragraphs(document), QStringList{"ablinkcd"});
    EXPECT_TRUE(Pictures(document).isEmpty());
}

TEST(RtfReader, BinaryDataIsSkippedAsBytes)
{
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData("{\\rtf1 a{\\*\\blob\\bin3 }}{}b}"));
    EXPECT_EQ(Paragraphs(document), QStringList{"ab"});
    // A count past the end stops at the end.
    EXPECT_FALSE(document.LoadData("{\\rtf1 a{\\*\\blob\\bin999999999 }}"));
    EXPECT_EQ(Paragraphs(document), QStringList{"a"});
    EXPECT_TRUE(document.LoadData("{\\rtf1 a\\bin-5 b}"));
    EXPECT_EQ(Paragraphs(document), QStringList{"ab"});
}

TEST(RtfReader, ControlSymbols)
{
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData("{\\rtf1 a\\~b\\-c\\_d\\|e\\:f\\\ng}"));
    EXPECT_EQ(Paragraphs(document), (QStringList{QString::fromUtf8("a\xC2\xA0"
                                                                   "bc\xE2\x80\x91"
                                                                   "def"),
                                                 "g"}));
}

TEST(RtfReader, RawControlCharactersAreNotText)
{
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData(Bytes("{\\rtf1 a\r\nb\0c\x01\td\\'00\\'0a\\'0de\\'04}")));
    EXPECT_EQ(Paragraphs(document), QStringList{QString("abc\td") + "e" + QChar(4)});
    EXPECT_EQ(document.Document().blockCount(), 1);
}

TEST(RtfReader, MissingHeaderIsAnError)
{
    TWPRTFTextPaint document;
    QString error;
    EXPECT_FALSE(document.LoadData("Hello", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(document.IsEmpty());
    error.clear();
    EXPECT_FALSE(document.LoadData("{\\rt", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(document.LoadData("{\\pict}", &error));
    // Leading white space is allowed; no input at all is the empty document.
    EXPECT_TRUE(document.LoadData("\r\n {\\rtf1 ok}", &error));
    EXPECT_EQ(Paragraphs(document), QStringList{"ok"});
    EXPECT_TRUE(document.LoadData(QByteArray(), &error));
    EXPECT_TRUE(document.IsEmpty());
}

TEST(RtfReader, LoadingReplacesThePreviousDocument)
{
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData("{\\rtf1{\\fonttbl{\\f0 Courier;}}{\\title T}"
                                  "\\paperw5{\\colortbl\\red1\\green1\\blue1;}old\\par old}"));
    ASSERT_TRUE(document.LoadData("{\\rtf1 new}"));
    EXPECT_EQ(Paragraphs(document), QStringList{"new"});
    EXPECT_EQ(document.Fonts(), (QList<TWPFont>{{"Arial", 0, 0x20}}));
    EXPECT_EQ(document.Palette(), TWPRTFTextPaint::DefaultPalette());
    EXPECT_EQ(document.PageWidth, 12240);
    EXPECT_TRUE(document.Title.isEmpty());
}

TEST(RtfReader, TruncatedInputKeepsTheTextReadSoFarAndFails)
{
    TWPRTFTextPaint document;
    QString error;
    EXPECT_FALSE(document.LoadData("{\\rtf1 {\\plain\\b Hel", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(Paragraphs(document), QStringList{"Hel"});
    EXPECT_EQ(FormatOf(document, "Hel").fontWeight(), QFont::Bold);
}

TEST(RtfReader, BytesAfterTheLastBraceAreIgnored)
{
    TWPRTFTextPaint document;
    EXPECT_TRUE(document.LoadData(Bytes("{\\rtf1 a}b}}{\\par}\0\0")));
    EXPECT_EQ(Paragraphs(document), QStringList{"a"});
}

TEST(RtfReader, NestingDepthIsBounded)
{
    TWPRTFTextPaint document;
    QString error;
    const QByteArray fits = "{\\rtf1 " + QByteArray(RtfMaxGroupDepth - 1, '{') + "x" +
                            QByteArray(RtfMaxGroupDepth - 1, '}') + "}";
    EXPECT_TRUE(document.LoadData(fits, &error)) << error.toStdString();
    EXPECT_EQ(Paragraphs(document), QStringList{"x"});

    const QByteArray deep = "{\\rtf1 a" + QByteArray(RtfMaxGroupDepth, '{') + "x" +
                            QByteArray(RtfMaxGroupDepth, '}') + "}";
    EXPECT_FALSE(document.LoadData(deep, &error));
    EXPECT_TRUE(error.contains("nested")) << error.toStdString();
    EXPECT_EQ(Paragraphs(document), QStringList{"a"});

    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(document.LoadData("{\\rtf1 " + QByteArray(1000000, '{')));
    EXPECT_TRUE(document.LoadData("{\\rtf1 " + QByteArray(1000000, '}')));
    EXPECT_TRUE(document.IsEmpty());
    EXPECT_LT(timer.elapsed(), 20000);
}

TEST(RtfReader, HugeNumbersAreClamped)
{
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData("{\\rtf1\\paperw99999999999999999999\\paperh-99999999999999999999"
                                  "\\margl2147483647\\margr-2147483648\\fs99999999999999 a\\fs-5 b"
                                  "\\f99999999999999999 c\\cf99999999999999 d\\u99999999999999999 e"
                                  "\\inspnt99999999999999 f\\uc99999999999 \\u65 ghij}"));
    EXPECT_EQ(document.PageWidth, std::numeric_limits<int>::max());
    EXPECT_EQ(document.PageHeight, std::numeric_limits<int>::min());
    EXPECT_EQ(document.MarginLeft, std::numeric_limits<int>::max());
    EXPECT_EQ(document.MarginRight, std::numeric_limits<int>::min());
    EXPECT_EQ(FormatOf(document, "a").fontPointSize(), 1638.0);
    EXPECT_FALSE(FormatOf(document, "b").hasProperty(QTextFormat::FontPointSize));
    EXPECT_EQ(FormatOf(document, "c").intProperty(FontIndexProperty), 0);
    EXPECT_EQ(FormatOf(document, "d").intProperty(ColorByteProperty), 0);
    EXPECT_EQ(FormatOf(document, "f").intProperty(InsertPointProperty),
              std::numeric_limits<int>::max());
    // \uc is bounded: 16 characters at most are skipped.
    EXPECT_TRUE(document.Document().toPlainText().startsWith("abcd"));
    (void)document.SaveData();
}

TEST(RtfReader, OddHexDigits)
{
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData("{\\rtf1 a\\'4 b\\'zzc\\'e}"));
    EXPECT_EQ(Paragraphs(document), QStringList{QString("a") + QChar(4) + " bzzc" + QChar(0x0e)});
    EXPECT_FALSE(document.LoadData("{\\rtf1 a\\'"));
    EXPECT_FALSE(document.LoadData("{\\rtf1 a\\"));
    EXPECT_FALSE(document.LoadData("{\\rtf1 a\\'f"));
}

TEST(RtfReader, OwnFormKeepsItsLastEmptyParagraph)
{
    const QByteArray rtf = Own("\\plain\\f0\\fs20\\cf0 Name\\par\n\r");
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData(rtf));
    EXPECT_EQ(Paragraphs(document), (QStringList{"Name", ""}));
    EXPECT_EQ(document.SaveData(), rtf);
}

// Rich text as a word processor writes it: code page, style sheet, theme and
// revision tables, \pard\plain, runs in groups, a \par at the end.
TEST(RtfReader, ReadsAWordProcessorDocument)
{
    const QByteArray rtf =
        "{\\rtf1\\adeflang1025\\ansi\\ansicpg1252\\uc1\\adeff0\\deff0\\stshfdbch0\\stshfloch31506"
        "\\deflang1033\\deflangfe1033\\themelang1033{\\fonttbl{\\f0\\fbidi \\froman\\fcharset0"
        "\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}{\\f1\\fbidi \\fswiss\\fcharset0"
        "\\fprq2{\\*\\panose 020b0604020202020204}Arial;}\r\n"
        "{\\f39\\fbidi \\fswiss\\fcharset0\\fprq2{\\*\\panose 020f0502020204030204}Calibri;}}\r\n"
        "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green255\\blue255;"
        "\\red0\\green255\\blue0;\\red255\\green0\\blue255;\\red255\\green0\\blue0;"
        "\\red255\\green255\\blue0;\\red255\\green255\\blue255;\\red0\\green0\\blue128;"
        "\\red0\\green128\\blue128;\\red0\\green128\\blue0;\\red128\\green0\\blue128;"
        "\\red128\\green0\\blue0;\\red128\\green128\\blue0;\\red128\\green128\\blue128;"
        "\\red192\\green192\\blue192;\\red31\\green56\\blue100;}\r\n"
        "{\\*\\defchp \\f31506\\fs22 }{\\*\\defpap \\ql \\li0\\ri0\\sa160\\sl259\\slmult1 }"
        "\\noqfpromote \r\n"
        "{\\stylesheet{\\ql \\li0\\ri0\\sa160\\sl259\\slmult1\\widctlpar\\rtlch\\fcs1 \\af0"
        "\\afs22\\alang1025 \\ltrch\\fcs0 \\f39\\fs22\\lang1033 \\snext0 \\sqformat \\spriority0 "
        "Normal;}{\\*\\cs10 \\additive \\ssemihidden Default Paragraph Font;}}\r\n"
        "{\\*\\rsidtbl \\rsid1193517}{\\mmathPr\\mmathFont34\\mbrkBin0}\r\n"
        "{\\info{\\title Meeting notes}{\\author Jane Doe}{\\operator Jane Doe}"
        "{\\creatim\\yr2024\\mo3\\dy5\\hr9\\min12}{\\version2}{\\edmins1}{\\nofpages1}}\r\n"
        "{\\*\\xmlnstbl {\\xmlns1 http://schemas.microsoft.com/office/word/2003/wordml}}"
        "\\paperw11906\\paperh16838\\margl1440\\margr1440\\margt1440\\margb1440\\gutter0"
        "\\ltrsect \r\n\\widowctrl\\ftnbj\\aenddoc\\trackmoves0\\trackformatting1\\viewkind1"
        "\\viewscale100 {\\*\\wgrffmtfilter 2450}\\nofeaturethrottle1\\ltrpar \\sectd \\ltrsect"
        "\\linex0\\endnhere\\sectlinegrid360 {\\*\\pnseclvl1\\pnucrm\\pnstart1\\pnindent720"
        "\\pnhang {\\pntxta .}}\r\n"
        "\\pard\\plain \\ltrpar\\qc \\li0\\ri0\\sa160\\sl259\\slmult1\\widctlpar\\rtlch\\fcs1 "
        "\\af0\\afs22\\alang1025 \\ltrch\\fcs0 \\f39\\fs22\\lang1033\\langfe1033 {\\rtlch\\fcs1 "
        "\\ab\\af0 \\ltrch\\fcs0 \\b\\fs28\\cf6\\insrsid1193517 Caf\\'e9 \\u8364\\'805}"
        "{\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\insrsid1193517 \r\n\\par }\\pard \\ltrpar\\ql "
        "\\li0\\ri0\\sa160\\sl259\\slmult1\\widctlpar {\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\i\\f1"
        "\\insrsid1193517 Bring \\ldblquote snacks\\rdblquote  }{\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 "
        "\\ul\\cf17\\insrsid1193517 please}{\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\insrsid1193517 "
        "\r\n\\par }{\\*\\themedata 504b030414000600080000002100e9de0fbfff0000001c020000}\r\n"
        "{\\*\\datastore 0105000002000000180000004d73786d6c322e534158584d4c}}\r\n";
    TWPRTFTextPaint document;
    QString error;
    ASSERT_TRUE(document.LoadData(rtf, &error)) << error.toStdString();
    EXPECT_EQ(Paragraphs(document),
              (QStringList{QString::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC"
                                             "5"),
                           QString::fromUtf8("Bring \xE2\x80\x9Csnacks\xE2\x80\x9D please")}));
    EXPECT_EQ(document.Title, "Meeting notes");
    EXPECT_EQ(document.PageWidth, 11906);
    EXPECT_EQ(document.PageHeight, 16838);
    EXPECT_EQ(document.MarginLeft, 1440);
    EXPECT_EQ(
        document.Fonts(),
        (QList<TWPFont>{{"Times New Roman", 0, 0x12}, {"Arial", 0, 0x22}, {"Calibri", 0, 0x22}}));
    EXPECT_EQ(Block(document, 0).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_EQ(Block(document, 1).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignLeft);

    const QTextCharFormat cafe = FormatOf(document, "Caf");
    EXPECT_EQ(cafe.fontWeight(), QFont::Bold);
    EXPECT_EQ(cafe.fontPointSize(), 14.0);
    EXPECT_EQ(cafe.intProperty(FontIndexProperty), 2);
    EXPECT_EQ(cafe.foreground().color(), QColor(255, 0, 0));
    const QTextCharFormat bring = FormatOf(document, "Bring");
    EXPECT_TRUE(bring.fontItalic());
    EXPECT_EQ(bring.fontWeight(), QFont::Normal);
    EXPECT_EQ(bring.intProperty(FontIndexProperty), 1);
    EXPECT_EQ(bring.fontPointSize(), 11.0);
    const QTextCharFormat please = FormatOf(document, "please");
    EXPECT_TRUE(please.fontUnderline());
    EXPECT_FALSE(please.fontItalic());
    EXPECT_EQ(please.intProperty(FontIndexProperty), 2);
    EXPECT_EQ(please.foreground().color(), QColor(0, 0, 128)); // nearest to 31,56,100

    // Written in the engine's form it reads back the same.
    const QByteArray own = document.SaveData();
    TWPRTFTextPaint again;
    ASSERT_TRUE(again.LoadData(own));
    EXPECT_EQ(Paragraphs(again), Paragraphs(document));
    EXPECT_EQ(again.SaveData(), own);
}

TEST(RtfReader, ReadsAWordPadDocument)
{
    const QByteArray rtf =
        Bytes("{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{\\f0\\fnil"
              "\\fcharset0 Calibri;}{\\f1\\fnil\\fcharset2 Symbol;}}\r\n"
              "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green77\\blue187;}\r\n"
              "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
              "\\pard\\sa200\\sl276\\slmult1\\cf1\\b\\f0\\fs22\\lang9 Red bold\\cf0\\b0\\par\r\n"
              "\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}"
              "\\fi-360\\li720\\sa200\\sl276\\slmult1 Item \\u945?\\par\r\n"
              "\\pard\\sa200\\sl276\\slmult1\\qr\\cf2\\i Right\\par\r\n"
              "}\r\n\0");
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData(rtf));
    EXPECT_EQ(Paragraphs(document),
              (QStringList{"Red bold", QString::fromUtf8("\xC2\xB7\tItem \xCE\xB1"), "Right"}));
    EXPECT_EQ(FormatOf(document, "Red").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(FormatOf(document, "Red").fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatOf(document, "Item").fontWeight(), QFont::Normal);
    EXPECT_EQ(FormatOf(document, "Right").foreground().color(), QColor(0, 77, 187));
    EXPECT_TRUE(FormatOf(document, "Right").fontItalic());
    EXPECT_EQ(Block(document, 2).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    EXPECT_EQ(Block(document, 1).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignLeft);
}

TEST(RtfReader, DibPictureIsDecoded)
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(qRgb(1, 2, 3));
    image.setPixel(2, 1, qRgb(200, 100, 50));
    const TWPPicture source = TWPPicture::FromImage(image);
    const QByteArray rtf =
        Own("\\plain\\f0\\fs20\\cf0 a{\\pict\\dibitmap0\\wbmbitspixel24\\wbmplanes1"
            "\\wbmwidthbytes9\\picw3\\pich2\\picwgoal45\\pichgoal30\r\n" +
            Hex(source.Data) + "}\\plain\\f0\\fs20\\cf0 b");
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData(rtf));
    const QList<QTextImageFormat> pictures = Pictures(document);
    ASSERT_EQ(pictures.size(), 1);
    const TWPPicture picture = PictureOf(document.Document(), pictures[0]);
    EXPECT_EQ(picture.Kind, TWPPictureKind::Dib);
    EXPECT_EQ(picture.Data, source.Data);
    EXPECT_EQ(picture.Width, 3);
    EXPECT_EQ(picture.Height, 2);
    EXPECT_EQ(picture.GoalWidth, 45);
    EXPECT_EQ(picture.GoalHeight, 30);
    EXPECT_EQ(picture.BitsPixel, 24);
    ASSERT_EQ(picture.Image.size(), QSize(3, 2));
    EXPECT_EQ(picture.Image.pixel(0, 0), qRgb(1, 2, 3));
    EXPECT_EQ(picture.Image.pixel(2, 1), qRgb(200, 100, 50));
    EXPECT_EQ(Paragraphs(document), QStringList{QString("a") + QChar(0xFFFC) + "b"});
    EXPECT_EQ(document.SaveData(), rtf);
}

TEST(RtfReader, ThirtyTwoBitDibKeepsItsAlpha)
{
    QImage image(2, 2, QImage::Format_ARGB32);
    image.fill(qRgba(10, 20, 30, 0));
    image.setPixel(1, 0, qRgba(40, 50, 60, 255));
    const TWPPicture source = TWPPicture::FromImage(image);
    ASSERT_EQ(source.BitsPixel, 32);
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData("{\\rtf1{\\pict\\dibitmap0 " + Hex(source.Data) + "}}"));
    const QList<QTextImageFormat> pictures = Pictures(document);
    ASSERT_EQ(pictures.size(), 1);
    const QImage read = PictureOf(document.Document(), pictures[0]).Image;
    ASSERT_EQ(read.size(), QSize(2, 2));
    EXPECT_EQ(read.pixel(1, 0), qRgba(40, 50, 60, 255));
    EXPECT_EQ(qAlpha(read.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(read.pixel(0, 1)), 0);
}

TEST(RtfReader, CorruptDibsGiveNoImage)
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QByteArray dib = TWPPicture::FromImage(image).Data;
    QByteArray huge = dib;
    huge[4] = '\xff';
    huge[5] = '\xff';
    huge[6] = '\x00'; // 65535 pixels wide
    QByteArray rle = dib;
    rle[16] = 1; // run-length compressed
    rle[4] = '\0';
    rle[5] = '\x40'; // 16384 x 16384
    rle[8] = '\0';
    rle[9] = '\x40';
    rle[14] = 8;
    for (const QByteArray &data : {dib.left(50), huge, rle, QByteArray("\x28\0\0\0", 4)}) {
        TWPRTFTextPaint document;
        ASSERT_TRUE(document.LoadData("{\\rtf1{\\pict\\dibitmap0 " + Hex(data) + "}}"));
        const QList<QTextImageFormat> pictures = Pictures(document);
        ASSERT_EQ(pictures.size(), 1);
        const TWPPicture picture = PictureOf(document.Document(), pictures[0]);
        EXPECT_TRUE(picture.Image.isNull());
        EXPECT_EQ(picture.Data, data);
    }
}

// A DIB with the 12-byte core header took its depth from bytes past the header.
TEST(RtfReader, CoreHeaderDibGivesItsOwnDepth)
{
    const QByteArray dib = QByteArray::fromHex("0c000000"
                                               "01000100"
                                               "01001800" // one plane, 24 bits
                                               "00ff0000");
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData("{\\rtf1{\\pict\\dibitmap0 " + Hex(dib) + "}}"));
    const QList<QTextImageFormat> pictures = Pictures(document);
    ASSERT_EQ(pictures.size(), 1);
    const TWPPicture picture = PictureOf(document.Document(), pictures[0]);
    EXPECT_EQ(picture.BitsPixel, 24);
    ASSERT_EQ(picture.Image.size(), QSize(1, 1));
    EXPECT_EQ(picture.Image.pixel(0, 0), qRgb(0, 255, 0));
}

TEST(RtfReader, MetafileKeepsItsData)
{
    const QByteArray rtf = Own("{\\pict\\wmetafile8\\picw2540\\pich1270\r\n0100090000}");
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData(rtf));
    const QList<QTextImageFormat> pictures = Pictures(document);
    ASSERT_EQ(pictures.size(), 1);
    const TWPPicture picture = PictureOf(document.Document(), pictures[0]);
    EXPECT_EQ(picture.Kind, TWPPictureKind::Metafile);
    EXPECT_EQ(picture.Data, QByteArray::fromHex("0100090000"));
    EXPECT_TRUE(picture.Image.isNull());
    EXPECT_EQ(picture.Width, 2540);
    EXPECT_EQ(picture.Height, 1270);
    EXPECT_DOUBLE_EQ(pictures[0].width(), 96.0);
    EXPECT_EQ(document.SaveData(), rtf);
}

TEST(RtfReader, DeviceDependentBitmapAndFileReference)
{
    const QByteArray rtf =
        Own("{\\pict\\wbitmap0\\wbmbitspixel1\\wbmplanes1\\wbmwidthbytes2\\picw8\\pich1"
            "\\picwgoal120\\pichgoal15\r\nf000}"
            "{\\*\\picfile\\picw32\\pich32\\picwgoal480\\pichgoal480 \"C:\\\\Pictures\\\\x.bmp\"}");
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData(rtf));
    const QList<QTextImageFormat> pictures = Pictures(document);
    ASSERT_EQ(pictures.size(), 2);
    const TWPPicture bitmap = PictureOf(document.Document(), pictures[0]);
    EXPECT_EQ(bitmap.Kind, TWPPictureKind::Bitmap);
    EXPECT_EQ(bitmap.WidthBytes, 2);
    ASSERT_EQ(bitmap.Image.size(), QSize(8, 1));
    EXPECT_EQ(bitmap.Image.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(bitmap.Image.pixel(4, 0), qRgb(0, 0, 0));
    const TWPPicture file = PictureOf(document.Document(), pictures[1]);
    EXPECT_EQ(file.Kind, TWPPictureKind::FileReference);
    EXPECT_EQ(file.FileName, "C:\\Pictures\\x.bmp");
    EXPECT_EQ(file.GoalWidth, 480);
    EXPECT_EQ(file.Width, 32);
    EXPECT_EQ(document.SaveData(), rtf);
}

TEST(RtfReader, PngPictureBecomesADib)
{
    QImage image(5, 3, QImage::Format_RGB32);
    image.fill(qRgb(9, 8, 7));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&buffer, "PNG"));
    TWPRTFTextPaint document;
    ASSERT_TRUE(document.LoadData("{\\rtf1{\\*\\shppict{\\pict{\\*\\picprop\\shplid1025}"
                                  "\\picscalex50\\picscaley100\\picw132\\pich79\\picwgoal750"
                                  "\\pichgoal450\\pngblip\r\n" +
                                  Hex(png) + "}}{\\nonshppict{\\pict\\wmetafile8 00}}}"));
    const QList<QTextImageFormat> pictures = Pictures(document);
    ASSERT_EQ(pictures.size(), 1);
    const TWPPicture picture = PictureOf(document.Document(), pictures[0]);
    EXPECT_EQ(picture.Kind, TWPPictureKind::Dib);
    EXPECT_EQ(picture.Image.size(), QSize(5, 3));
    EXPECT_EQ(picture.Image.pixel(4, 2), qRgb(9, 8, 7));
    EXPECT_EQ(picture.GoalWidth, 375);
    EXPECT_EQ(picture.GoalHeight, 450);
    EXPECT_EQ(picture.Data, TWPPicture::FromImage(image).Data);
}

TEST(RtfReader, OddPictureDataIsHarmless)
{
    TWPRTFTextPaint document;
    // An odd number of hex digits, non-hex letters, an empty picture, an
    // unsupported kind and binary picture data.
    ASSERT_TRUE(document.LoadData("{\\rtf1{\\pict\\wmetafile8 0g1 2z3}{\\pict\\dibitmap0}"
                                  "{\\pict\\emfblip 0102}{\\pict\\wmetafile8\\bin2 ab}"
                                  "{\\pict\\jpegblip 0102}x}"));
    const QList<QTextImageFormat> pictures = Pictures(document);
    ASSERT_EQ(pictures.size(), 2);
    EXPECT_EQ(PictureOf(document.Document(), pictures[0]).Data, QByteArray::fromHex("0123"));
    EXPECT_EQ(PictureOf(document.Document(), pictures[1]).Data, QByteArray("ab"));
    EXPECT_TRUE(document.Document().toPlainText().endsWith("x"));
}

TEST(RtfReader, EveryTruncationIsReadSafely)
{
    const QByteArray rtf = RichSample();
    TWPRTFTextPaint document;
    for (qsizetype length = 0; length < rtf.size(); ++length) {
        QString error;
        const bool ok = document.LoadData(rtf.left(length), &error);
        EXPECT_EQ(ok, length == 0) << length;
        if (length > 0) {
            EXPECT_FALSE(error.isEmpty()) << length;
        }
        (void)document.SaveData();
        (void)TWPRTFTextPaint(document).IsEmpty();
    }
    ASSERT_TRUE(document.LoadData(rtf));
    EXPECT_EQ(document.SaveData(), rtf);
}

TEST(RtfReader, APictureInTheOutermostGroupReadsNoMissingGroup)
{
    // Closing the outermost group inserted its picture after the group state
    // was gone, reading past the end of the group stack.
    for (const QByteArray &rtf :
         {QByteArray("{\\rtf1\\picfile \"x\"}"), QByteArray("{\\rtf1\\pict\\dibitmap0 0a0b}")}) {
        TWPRTFTextPaint document;
        document.LoadData(rtf);
        EXPECT_LE(document.Document().blockCount(), 2);
    }
}

TEST(RtfReader, CorruptedInputIsReadSafely)
{
    const QByteArray rtf = RichSample();
    QRandomGenerator random(1234);
    const QByteArray special = "{}\\';0123456789abcdef-* \r\n";
    TWPRTFTextPaint document;
    for (int round = 0; round < 1500; ++round) {
        QByteArray bytes = rtf;
        const int changes = 1 + int(random.bounded(8));
        for (int i = 0; i < changes; ++i) {
            const qsizetype at = random.bounded(int(bytes.size()));
            switch (random.bounded(3)) {
            case 0:
                bytes[at] = special[random.bounded(int(special.size()))];
                break;
            case 1:
                bytes[at] = char(random.bounded(256));
                break;
            default:
                bytes.remove(at, 1 + random.bounded(4));
                break;
            }
            if (bytes.isEmpty())
                break;
        }
        (void)document.LoadData(bytes);
        const QByteArray written = document.SaveData();
        // Whatever was read is written in the engine's form, which reads back.
        if (!written.isEmpty()) {
            TWPRTFTextPaint again;
            EXPECT_TRUE(again.LoadData(written)) << round;
            EXPECT_EQ(again.SaveData(), written) << round;
        }
    }
}
