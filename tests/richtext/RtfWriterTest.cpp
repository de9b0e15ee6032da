#include "RtfWriter.h"

#include "RtfDocument.h"

#include <QBuffer>
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

namespace {

// The header, font and colour tables and page of a document with the default
// font list, palette and page, written out by hand.
const QByteArray defaultPrologue =
    "{\\rtf1\\ansi\\deff0\\deftab720"
    "{\\fonttbl{\\f0\\swiss\\charset0 Arial;}}"
    "{\\colortbl"
    "\\red0\\green0\\blue0;"
    "\\red255\\green0\\blue0;"
    "\\red0\\green128\\blue0;"
    "\\red0\\green0\\blue255;"
    "\\red255\\green255\\blue0;"
    "\\red255\\green0\\blue255;"
    "\\red128\\green0\\blue128;"
    "\\red128\\green0\\blue0;"
    "\\red0\\green255\\blue0;"
    "\\red0\\green255\\blue255;"
    "\\red0\\green128\\blue128;"
    "\\red0\\green0\\blue128;"
    "\\red255\\green255\\blue255;"
    "\\red192\\green192\\blue192;"
    "\\red128\\green128\\blue128;"
    "}"
    "\\paperw12240\\paperh15840\\margl1880\\margr1880\\margt1440\\margb1440";

// A whole document of the default prologue: paragraphs is what comes after
// the group opened before the first paragraph.
QByteArray Expected(const QByteArray &paragraphs)
{
    return defaultPrologue + "{" + paragraphs + "}\r\n}";
}

// A run format as the engine's editor makes it: the engine's numbers plus
// Qt's own properties.
QTextCharFormat RunFormat(const TWPRTFTextPaint &document, int font, double points,
                          int colorByte = 0)
{
    QTextCharFormat format;
    format.setProperty(FontIndexProperty, font);
    format.setFontFamilies(QStringList{document.Fonts().value(font).Name});
    if (points > 0)
        format.setFontPointSize(points);
    format.setProperty(ColorByteProperty, colorByte);
    format.setForeground(ToQColor(document.Palette()[size_t(colorByte & 0x0F)]));
    return format;
}

QTextCharFormat Bold(QTextCharFormat format)
{
    format.setFontWeight(QFont::Bold);
    return format;
}

void SetAlignment(TWPRTFTextPaint &document, int block, Qt::Alignment alignment)
{
    QTextCursor cursor(document.Document().findBlockByNumber(block));
    QTextBlockFormat format = cursor.blockFormat();
    format.setAlignment(alignment);
    cursor.setBlockFormat(format);
}

// Accepts at most capacity bytes in all.
class LimitedDevice : public QIODevice
{
public:
    explicit LimitedDevice(qint64 capacity) : m_capacity(capacity) { open(WriteOnly); }
    QByteArray written;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        const qint64 accepted = std::min(size, m_capacity - qint64(written.size()));
        written.append(data, accepted);
        return accepted;
    }

private:
    qint64 m_capacity;
};

} // namespace

TEST(RtfWriter, BoldHelloIsWrittenByteForByte)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    cursor.insertText("Hello", Bold(RunFormat(document, 0, 10)));

    EXPECT_EQ(RtfBytes(document), Expected("\\plain\\f0\\fs20\\cf0\\b Hello"));
    EXPECT_EQ(document.SaveData(), RtfBytes(document));
    EXPECT_TRUE(RtfBytes(document).endsWith("{\\plain\\f0\\fs20\\cf0\\b Hello}\r\n}"));
}

TEST(RtfWriter, TwoParagraphsAreSeparatedByParLineFeedCarriageReturn)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    cursor.insertText("one", RunFormat(document, 0, 10));
    cursor.insertBlock();
    cursor.insertText("two", RunFormat(document, 0, 10));

    EXPECT_EQ(RtfBytes(document),
              Expected("\\plain\\f0\\fs20\\cf0 one\\par\n\r\\plain\\f0\\fs20\\cf0 two"));
}

TEST(RtfWriter, EmptyParagraphsWriteOnlyTheirEnd)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    cursor.insertText("a", RunFormat(document, 0, 10));
    cursor.insertBlock();
    cursor.insertBlock();
    cursor.insertText("b", RunFormat(document, 0, 10));
    cursor.insertBlock();

    EXPECT_EQ(RtfBytes(document), Expected("\\plain\\f0\\fs20\\cf0 a\\par\n\r\\par\n\r"
                                           "\\plain\\f0\\fs20\\cf0 b\\par\n\r"));
}

TEST(RtfWriter, FiftyTwoPointsAreFs104AndSizeZeroIsFs20)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    cursor.insertText("big", RunFormat(document, 0, 52));
    cursor.insertText("none", RunFormat(document, 0, 0));
    cursor.insertText("half", RunFormat(document, 0, 10.5));

    EXPECT_EQ(RtfBytes(document), Expected("\\plain\\f0\\fs104\\cf0 big\\plain\\f0\\fs20\\cf0 none"
                                           "\\plain\\f0\\fs21\\cf0 half"));
}

TEST(RtfWriter, BracesAndBackslashAreEscaped)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    cursor.insertText("a{b}\\c", RunFormat(document, 0, 10));

    EXPECT_EQ(RtfBytes(document), Expected("\\plain\\f0\\fs20\\cf0 a\\{b\\}\\\\c"));
}

// Guards against semicolons escaped everywhere: only a font name ends at one,
// so text and the information groups keep theirs as they are.
TEST(RtfWriter, SemicolonIsEscapedOnlyInFontNames)
{
    TWPRTFTextPaint document;
    document.SetFonts({{"Odd;Name", 0, 0x20}});
    document.Title = "a;b";
    QTextCursor cursor(&document.Document());
    cursor.insertText("x;y", RunFormat(document, 0, 10));

    const QByteArray bytes = RtfBytes(document);
    EXPECT_TRUE(bytes.startsWith("{\\rtf1\\ansi\\deff0\\deftab720"
                                 "{\\fonttbl{\\f0\\swiss\\charset0 Odd\\'3bName;}}"))
        << bytes.constData();
    EXPECT_NE(bytes.indexOf("{\\title a;b}"), -1) << bytes.constData();
    EXPECT_TRUE(bytes.endsWith("{\\plain\\f0\\fs20\\cf0 x;y}\r\n}")) << bytes.constData();
}

TEST(RtfWriter, EmptyDocumentSavesNothing)
{
    TWPRTFTextPaint document;
    EXPECT_TRUE(document.SaveData().isEmpty());
    // The form itself for one empty paragraph, as WriteRtf gives it.
    EXPECT_EQ(RtfBytes(document), Expected(""));

    QTextCursor cursor(&document.Document());
    cursor.insertBlock();
    EXPECT_EQ(document.SaveData(), Expected("\\par\n\r"));
}

TEST(RtfWriter, ColourByteAboveFifteenAddsTheBackground)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    cursor.insertText("red", RunFormat(document, 0, 8, 0x01));
    cursor.insertText("on", RunFormat(document, 0, 8, 0x2E));

    EXPECT_EQ(RtfBytes(document),
              Expected("\\plain\\f0\\fs16\\cf1 red\\plain\\f0\\fs16\\cf14\\cb2 on"));
}

TEST(RtfWriter, StyleWordsFollowTheFormsOrder)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    QTextCharFormat all = Bold(RunFormat(document, 0, 10));
    all.setFontUnderline(true);
    all.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    all.setFontItalic(true);
    all.setFontStrikeOut(true);
    all.setProperty(ShadowProperty, true);
    all.setProperty(HiddenProperty, true);
    all.setProperty(ProtectedProperty, true);
    all.setProperty(InsertPointProperty, 3);
    all.setProperty(AutoTextProperty, true);
    cursor.insertText("x", all);
    QTextCharFormat sub = RunFormat(document, 0, 10);
    sub.setFontUnderline(true);
    sub.setProperty(DoubleUnderlineProperty, true);
    sub.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    cursor.insertText("y", sub);

    EXPECT_EQ(RtfBytes(document),
              Expected("\\plain\\f0\\fs20\\cf0\\b\\ul\\super\\i\\strike\\shad\\v\\wprtf1"
                       "\\inspnt3\\inaut x"
                       "\\plain\\f0\\fs20\\cf0\\uldb\\sub y"));
}

TEST(RtfWriter, ParagraphEndingInHiddenTextIsPlainPar)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    QTextCharFormat hidden = RunFormat(document, 0, 10);
    hidden.setProperty(HiddenProperty, true);
    cursor.insertText("seen", RunFormat(document, 0, 10));
    cursor.insertText("unseen", hidden);
    cursor.insertBlock();
    cursor.insertText("next", RunFormat(document, 0, 10));

    EXPECT_EQ(RtfBytes(document), Expected("\\plain\\f0\\fs20\\cf0 seen\\plain\\f0\\fs20\\cf0\\v "
                                           "unseen\\plain\\par\n\r\\plain\\f0\\fs20\\cf0 next"));
}

TEST(RtfWriter, AlignmentIsWrittenOnlyWhenItChanges)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    const QStringList words = {"l", "c1", "c2", "r", "j", "l2"};
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        cursor.insertText(words[i], RunFormat(document, 0, 10));
    }
    SetAlignment(document, 1, Qt::AlignHCenter);
    SetAlignment(document, 2, Qt::AlignCenter);
    SetAlignment(document, 3, Qt::AlignRight);
    SetAlignment(document, 4, Qt::AlignJustify);
    SetAlignment(document, 5, Qt::AlignLeft);

    const QByteArray run = "\\plain\\f0\\fs20\\cf0 ";
    EXPECT_EQ(RtfBytes(document),
              Expected(run + "l\\par\n\r\\qc" + run + "c1\\par\n\r" + run + "c2\\par\n\r\\qr" +
                       run + "r\\par\n\r\\qj" + run + "j\\par\n\r\\ql" + run + "l2"));
}

TEST(RtfWriter, FirstParagraphCentredWritesQc)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    cursor.insertText("c", RunFormat(document, 0, 10));
    SetAlignment(document, 0, Qt::AlignHCenter);
    EXPECT_EQ(RtfBytes(document), Expected("\\qc\\plain\\f0\\fs20\\cf0 c"));
}

TEST(RtfWriter, PageBreakComesBeforeTheAlignment)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    cursor.insertText("a", RunFormat(document, 0, 10));
    QTextBlockFormat format;
    format.setProperty(PageBreakProperty, true);
    format.setAlignment(Qt::AlignRight);
    cursor.insertBlock(format);
    cursor.insertText("b", RunFormat(document, 0, 10));

    EXPECT_EQ(RtfBytes(document), Expected("\\plain\\f0\\fs20\\cf0 a\\par\n\r\\page\\qr"
                                           "\\plain\\f0\\fs20\\cf0 b"));
}

TEST(RtfWriter, TabsAndLineBreaksAreControlWords)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    cursor.insertText(QString("a\tb") + QChar(QChar::LineSeparator) + "c",
                      RunFormat(document, 0, 10));

    EXPECT_EQ(RtfBytes(document), Expected("\\plain\\f0\\fs20\\cf0 a\\tab b\\line c"));
}

TEST(RtfWriter, OtherCharactersAreWindows1252Hex)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    QString text = QString::fromUtf8("\xC3\xA4\xC3\xA9\xE2\x82\xAC\xE2\x80\x9C");
    text += QChar(0x7F);
    text += QChar(0x04);
    text += QChar(0x1F);
    text += QChar(0xFF);
    text += QChar(0x81); // undefined in the code page, kept as its own byte
    cursor.insertText(text, RunFormat(document, 0, 10));

    EXPECT_EQ(RtfBytes(document), Expected("\\plain\\f0\\fs20\\cf0 "
                                           "\\'e4\\'e9\\'80\\'93\\'7f\\'04\\'1f\\'ff\\'81"));
}

TEST(RtfWriter, CharactersZeroToThreeAreNotWritten)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    QString text = "a";
    for (char16_t c : {u'\0', u'\1', u'\2', u'\3'})
        text += QChar(c);
    text += "b";
    cursor.insertText(text, RunFormat(document, 0, 10));
    EXPECT_EQ(RtfBytes(document), Expected("\\plain\\f0\\fs20\\cf0 ab"));
}

// The mend: characters outside Windows-1252 are written as \uN? with N the
// UTF-16 code unit as a signed 16-bit number, so no text is lost.
TEST(RtfWriter, CharactersOutsideWindows1252AreUnicodeEscapes)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    cursor.insertText(QString::fromUtf8("\xCE\xB1\xE4\xB8\xAD\xEF\xBF\xBD\xF0\x9F\x98\x80") +
                          QChar(0x80),
                      RunFormat(document, 0, 10));

    EXPECT_EQ(RtfBytes(document), Expected("\\plain\\f0\\fs20\\cf0 "
                                           "\\u945?\\u20013?\\u-3?\\u-10179?\\u-8704?\\u128?"));
}

TEST(RtfWriter, FamilyWordComesFromTheHighNibble)
{
    TWPRTFTextPaint document;
    document.SetFonts({{"Nil", 0, 0x00},
                       {"Roman", 0, 0x12},
                       {"Swiss", 0, 0x22},
                       {"Modern", 0, 0x31},
                       {"Script", 0, 0x40},
                       {"Decor", 2, 0x50},
                       {"Tech", 0, 0x60}});
    QTextCursor cursor(&document.Document());
    cursor.insertText("x", RunFormat(document, 3, 12));

    const QByteArray bytes = RtfBytes(document);
    EXPECT_TRUE(bytes.startsWith("{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl"
                                 "{\\f0\\fnil\\charset0 Nil;}"
                                 "{\\f1\\fnil\\charset0 Roman;}"
                                 "{\\f2\\swiss\\charset0 Swiss;}"
                                 "{\\f3\\fmodern\\charset0 Modern;}"
                                 "{\\f4\\fscript\\charset0 Script;}"
                                 "{\\f5\\fdecor\\charset2 Decor;}"
                                 "{\\f6\\fnil\\charset0 Tech;}}{\\colortbl"))
        << bytes.constData();
    EXPECT_TRUE(bytes.endsWith("{\\plain\\f3\\fs24\\cf0 x}\r\n}"));
}

TEST(RtfWriter, ColourTableHoldsTheFirstFifteenPaletteEntries)
{
    TWPRTFTextPaint document;
    document.SetPaletteColor(2, 0x332211);
    document.SetPaletteColor(15, 0x123456);  // the 16th entry is never written
    document.SetPaletteColor(14, clBtnFace); // system colours are resolved
    QTextCursor cursor(&document.Document());
    cursor.insertText("x", RunFormat(document, 0, 10));

    const QByteArray bytes = RtfBytes(document);
    EXPECT_NE(bytes.indexOf("\\red255\\green0\\blue0;\\red17\\green34\\blue51;\\red0\\green0"
                            "\\blue255;"),
              -1);
    const QColor face = ToQColor(clBtnFace);
    EXPECT_NE(bytes.indexOf(QString("\\red%1\\green%2\\blue%3;}")
                                .arg(face.red())
                                .arg(face.green())
                                .arg(face.blue())
                                .toLatin1()),
              -1);
    EXPECT_EQ(bytes.count("\\red"), 15);
}

TEST(RtfWriter, PageAndInformationGroups)
{
    TWPRTFTextPaint document;
    document.SetPageSizeTwips(2880, 1440);
    document.Title = "Tea {time}";
    document.Subject = "Cells";
    document.Comment = QString::fromUtf8("gr\xC3\xBC\xC3\x9F");
    QTextCursor cursor(&document.Document());
    cursor.insertText("x", RunFormat(document, 0, 10));

    const QByteArray bytes = RtfBytes(document);
    EXPECT_NE(bytes.indexOf("\\paperw2880\\paperh1440\\margl0\\margr0\\margt0\\margb0"
                            "{\\title Tea \\{time\\}}{\\subject\tCells}{\\comment\tgr\\'fc\\'df}"
                            "{\\plain\\f0\\fs20\\cf0 x}\r\n}"),
              -1)
        << bytes.constData();
}

TEST(RtfWriter, EmptyTitleSubjectAndCommentAreLeftOut)
{
    TWPRTFTextPaint document;
    document.Subject = "s";
    QTextCursor cursor(&document.Document());
    cursor.insertText("x", RunFormat(document, 0, 10));
    const QByteArray bytes = RtfBytes(document);
    EXPECT_EQ(bytes.indexOf("\\title"), -1);
    EXPECT_EQ(bytes.indexOf("\\comment"), -1);
    EXPECT_NE(bytes.indexOf("\\margb1440{\\subject\ts}{\\plain"), -1);
}

TEST(RtfWriter, DibPictureGroup)
{
    TWPRTFTextPaint document;
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(0x10, 0x20, 0x30));
    image.setPixel(1, 0, qRgb(0x40, 0x50, 0x60));
    image.setPixel(0, 1, qRgb(0x70, 0x80, 0x90));
    image.setPixel(1, 1, qRgb(0xA0, 0xB0, 0xC0));
    QTextCursor cursor(&document.Document());
    cursor.insertText("ab", RunFormat(document, 0, 10));
    InsertPicture(cursor, TWPPicture::FromImage(image));
    cursor.insertText("cd", RunFormat(document, 0, 10));

    const QByteArray header = "28000000"
                              "02000000"
                              "02000000"
                              "0100"
                              "1800"
                              "00000000"
                              "10000000"
                              "c40e0000"
                              "c40e0000"
                              "00000000"
                              "00000000";
    // Bottom row first, blue green red, each row padded to 8 bytes.
    const QByteArray rows = "908070c0b0a00000"
                            "302010605040"
                            "0000";
    EXPECT_EQ(RtfBytes(document),
              Expected("\\plain\\f0\\fs20\\cf0 ab"
                       "{\\pict\\dibitmap0\\wbmbitspixel24\\wbmplanes1\\wbmwidthbytes6"
                       "\\picw2\\pich2\\picwgoal30\\pichgoal30\r\n" +
                       header + rows + "}\\plain\\f0\\fs20\\cf0 cd"));
}

TEST(RtfWriter, MetafileBitmapAndFilePictureGroups)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());

    TWPPicture metafile;
    metafile.Kind = TWPPictureKind::Metafile;
    metafile.Data = QByteArray::fromHex("0100090000");
    metafile.Width = 2540;
    metafile.Height = 1270;
    InsertPicture(cursor, metafile);

    TWPPicture bitmap;
    bitmap.Kind = TWPPictureKind::Bitmap;
    bitmap.Data = QByteArray::fromHex("ff00");
    bitmap.Width = 8;
    bitmap.Height = 1;
    bitmap.GoalWidth = 120;
    bitmap.GoalHeight = 15;
    bitmap.BitsPixel = 1;
    bitmap.Planes = 1;
    bitmap.WidthBytes = 2;
    InsertPicture(cursor, bitmap);

    TWPPicture file;
    file.Kind = TWPPictureKind::FileReference;
    file.FileName = "C:\\Pictures\\x.bmp";
    file.Width = 32;
    file.Height = 32;
    file.GoalWidth = 480;
    file.GoalHeight = 480;
    InsertPicture(cursor, file);
    file.Width = 0;
    file.Height = 0;
    InsertPicture(cursor, file);
    // Guards against a size written when only one side of it is known.
    file.Width = 32;
    InsertPicture(cursor, file);

    EXPECT_EQ(RtfBytes(document),
              Expected("{\\pict\\wmetafile8\\picw2540\\pich1270\r\n0100090000}"
                       "{\\pict\\wbitmap0\\wbmbitspixel1\\wbmplanes1\\wbmwidthbytes2"
                       "\\picw8\\pich1\\picwgoal120\\pichgoal15\r\nff00}"
                       "{\\*\\picfile\\picw32\\pich32\\picwgoal480\\pichgoal480 "
                       "\"C:\\\\Pictures\\\\x.bmp\"}"
                       "{\\*\\picfile\\picwgoal480\\pichgoal480 \"C:\\\\Pictures\\\\x.bmp\"}"
                       "{\\*\\picfile\\picwgoal480\\pichgoal480 \"C:\\\\Pictures\\\\x.bmp\"}"));
}

TEST(RtfWriter, PlainQtFormatsAreMappedToFontsAndPalette)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    QTextCharFormat format;
    format.setFontFamilies(QStringList{"Times New Roman"});
    format.setFontPointSize(12);
    format.setForeground(QColor(250, 5, 5)); // nearest palette colour: red
    format.setFontWeight(QFont::Bold);
    cursor.insertText("t", format);
    QTextCharFormat arial;
    arial.setFontFamilies(QStringList{"ARIAL"});
    arial.setBackground(QColor(0, 0, 128));
    cursor.insertText("a", arial);

    const QByteArray bytes = RtfBytes(document);
    EXPECT_NE(bytes.indexOf("{\\fonttbl{\\f0\\swiss\\charset0 Arial;}"
                            "{\\f1\\fnil\\charset0 Times New Roman;}}"),
              -1);
    EXPECT_TRUE(bytes.endsWith("{\\plain\\f1\\fs24\\cf1\\b t\\plain\\f0\\fs20\\cf0\\cb11 a}\r\n}"))
        << bytes.constData();
    // Writing does not change the document's own font list.
    EXPECT_EQ(document.Fonts().size(), 1);
}

TEST(RtfWriter, FamilyOverridesAStaleFontIndex)
{
    TWPRTFTextPaint document;
    document.SetFonts({{"Arial", 0, 0x20}, {"Courier New", 0, 0x30}});
    QTextCursor cursor(&document.Document());
    QTextCharFormat format = RunFormat(document, 0, 10);
    format.setFontFamilies(QStringList{"courier new"});
    cursor.insertText("c", format);
    EXPECT_TRUE(RtfBytes(document).endsWith("{\\plain\\f1\\fs20\\cf0 c}\r\n}"));
}

TEST(RtfWriter, AdjacentRunsWithTheSameWrittenAttributesShareOneHeader)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    QTextCharFormat first = RunFormat(document, 0, 10);
    QTextCharFormat second = first;
    second.setToolTip("differs only in what RTF does not keep");
    cursor.insertText("ab", first);
    cursor.insertText("cd", second);
    int fragments = 0;
    for (auto it = document.Document().begin().begin(); !it.atEnd(); ++it)
        ++fragments;
    ASSERT_EQ(fragments, 2);
    EXPECT_EQ(RtfBytes(document), Expected("\\plain\\f0\\fs20\\cf0 abcd"));
}

TEST(RtfWriter, WriteRtfWritesTheBytesToTheDevice)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    cursor.insertText("Hello", Bold(RunFormat(document, 0, 10)));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(WriteRtf(document, buffer));
    EXPECT_EQ(buffer.data(), RtfBytes(document));
}

TEST(RtfWriter, WriteRtfFailsWhenTheDeviceTakesFewerBytes)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    cursor.insertText("Hello", RunFormat(document, 0, 10));
    LimitedDevice device(100);
    EXPECT_FALSE(WriteRtf(document, device));
    EXPECT_EQ(device.written, RtfBytes(document).left(100));
}
