#include "WPRichText.h"

#include "Messages.h"
#include "RtfStorage.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCoreApplication>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The editor's default font, its face looked up in the loaded document.
struct TDefaultFont
{
    QString Face;
    int Size, Style, Color;
};

// Appends text to storage as a paragraph of its own, the way names are put
// into day cells: an empty cell takes defaultFont, a cell with text the
// attributes at its end.
void AppendLine(TWPRichText &editor, TWPRtfStorage &storage, const QString &text,
                const TDefaultFont &defaultFont)
{
    editor.Assign(storage.RtfText());
    TWPCharAttr attr = editor.CurrentAttributes();
    editor.CaretToEnd();
    if (editor.IsEmpty()) {
        editor.SetCurrentAttributes({editor.FontIndexOf(defaultFont.Face), defaultFont.Size,
                                     defaultFont.Style, defaultFont.Color});
        attr = editor.CurrentAttributes();
    } else {
        editor.NewParagraph();
    }
    editor.InsertText(text, attr);
    editor.NewParagraph();
    storage.SetRtfText(editor.RtfText());
}

// The paragraphs' texts joined by "|".
std::string Paragraphs(const TWPRTFTextPaint &document)
{
    QStringList texts;
    for (QTextBlock block = document.Document().begin(); block.isValid(); block = block.next())
        texts << block.text();
    return texts.join(u'|').toStdString();
}

TWPCharAttr AttrOfParagraph(const TWPRTFTextPaint &document, int paragraph)
{
    const QTextBlock block = document.Document().findBlockByNumber(paragraph);
    return CharAttrOf(document, block.begin().fragment().charFormat());
}

std::string EditorLines(TWPRichText &editor)
{
    QTextDocument &document = editor.RtfText().Document();
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        document.documentLayout()->blockBoundingRect(block);
        for (int index = 0; index < block.layout()->lineCount(); ++index) {
            const QTextLine line = block.layout()->lineAt(index);
            lines << block.text().mid(line.textStart(), line.textLength());
        }
    }
    return lines.join(u'|').toStdString();
}

int PageTwips(int pixels)
{
    return int(std::nearbyint(pixels * 1440.0 / 96));
}

TEST(WPRichTextTest, AppendsLinesToEmptyAndFilledCells)
{
    TWPRichText editor;
    TWPRtfStorage storage;
    const TDefaultFont defaultFont{u"Times New Roman"_s, 14, wpsBold, 4};

    AppendLine(editor, storage, u"New Year"_s, defaultFont);
    EXPECT_EQ(Paragraphs(storage.RtfText()), "New Year|");
    const TWPCharAttr first = AttrOfParagraph(storage.RtfText(), 0);
    EXPECT_EQ(storage.RtfText().Fonts().value(first.Font).Name, u"Times New Roman"_s);
    EXPECT_EQ(first, (TWPCharAttr{first.Font, 14, wpsBold, 4}));

    AppendLine(editor, storage, u"Holiday"_s, {u"Arial"_s, 8, 0, 0});
    EXPECT_EQ(Paragraphs(storage.RtfText()), "New Year||Holiday|");
    EXPECT_EQ(AttrOfParagraph(storage.RtfText(), 2), first);
}

TEST(WPRichTextTest, AppendTakesTheAttributesAtTheEndOfTheText)
{
    TWPRtfStorage storage;
    TWPRTFTextPaint &cell = storage.RtfText();
    const TWPCharAttr first{0, 10, 0, 0};
    const TWPCharAttr last{cell.FontIndex(u"Courier New"_s), 11, wpsItalic | wpsUnderline, 2};
    QTextCursor cursor(&cell.Document());
    InsertCharAttrText(cell, cursor, u"Dentist "_s, first);
    InsertCharAttrText(cell, cursor, u"9:30"_s, last);

    TWPRichText editor;
    AppendLine(editor, storage, u"Call Anna"_s, {u"Arial"_s, 20, wpsBold, 1});
    EXPECT_EQ(Paragraphs(storage.RtfText()), "Dentist 9:30|Call Anna|");
    EXPECT_EQ(AttrOfParagraph(storage.RtfText(), 1), last);
    EXPECT_EQ(storage.RtfText().Fonts().value(last.Font).Name, u"Courier New"_s);
}

TEST(WPRichTextTest, LayoutWidthIsThePageWidthUnzoomed)
{
    const struct
    {
        int pixels, zoom;
        double width;
    } cases[] = {
        {140, 100, 140}, {84, 60, 140},  {141, 100, 141},  {173, 73, 173 * 100.0 / 73},
        {140, 0, 140},   {140, -3, 140}, {1250, 625, 200}, {0, 100, 0},
    };
    TWPRichText editor;
    for (const auto &c : cases) {
        editor.SetPageSizeTwips(PageTwips(c.pixels), PageTwips(50));
        editor.SetZooming(c.zoom);
        EXPECT_DOUBLE_EQ(editor.LayoutWidth(), c.width) << c.pixels << " " << c.zoom;
    }
}

TEST(WPRichTextTest, EditorBreaksLinesLikeThePaintedCell)
{
    TWPRtfStorage storage;
    TWPRTFTextPaint &cell = storage.RtfText();
    QTextCursor cursor(&cell.Document());
    InsertCharAttrText(cell, cursor, u"Annual general meeting of the allotment society"_s,
                       {0, 10, 0, 0});
    InsertParagraph(cursor);
    InsertCharAttrText(cell, cursor, u"Remember the minutes and the cake tins"_s,
                       {cell.FontIndex(u"Times New Roman"_s), 13, wpsBold, 0});

    for (const int zoom : {60, 100, 150}) {
        const int width = 90 * zoom / 100;
        TWPRichText editor;
        editor.SetPageSizeTwips(PageTwips(width), PageTwips(width));
        editor.SetZooming(zoom);
        editor.Assign(cell);
        const TWPRichTextLayout painted(cell, UnzoomedWidth(width, zoom));
        QStringList paintedLines;
        for (int line = 0; line < painted.LineCount(); ++line)
            paintedLines << painted.LineText(line);
        EXPECT_GT(paintedLines.size(), 4);
        EXPECT_EQ(EditorLines(editor), paintedLines.join(u'|').toStdString()) << zoom;
    }
}

// Regression: assigning a document brought its own page size and margins,
// so the editor wrapped at a letter page instead of the cell.
TEST(WPRichTextTest, AssignKeepsTheEditorsPage)
{
    TWPRichText editor;
    editor.SetPageSizeTwips(PageTwips(120), PageTwips(60));
    TWPRTFTextPaint letter;
    QTextCursor(&letter.Document()).insertText(u"text"_s);
    editor.Assign(letter);
    EXPECT_DOUBLE_EQ(editor.LayoutWidth(), 120);
    EXPECT_EQ(editor.RtfText().MarginLeft, 0);
    EXPECT_EQ(editor.RtfText().Document().documentMargin(), 0);
    EXPECT_EQ(Paragraphs(editor.RtfText()), "text");
}

TEST(WPRichTextTest, BackgroundPictureMustBeABitmap)
{
    QStringList messages;
    TMessageAnswerer answerer;
    answerer.Information = [&messages](const QString &text) { messages << text; };
    SetMessageAnswerer(answerer);
    TWPRichText editor;
    TWPPicture metafile;
    metafile.Kind = TWPPictureKind::Metafile;
    EXPECT_FALSE(editor.SetBackgroundPicture(metafile));
    QImage bitmap(4, 4, QImage::Format_RGB32);
    bitmap.fill(Qt::blue);
    EXPECT_TRUE(editor.SetBackgroundPicture(TWPPicture::FromImage(bitmap)));
    SetMessageAnswerer({});
    EXPECT_EQ(messages.join(u'|').toStdString(), "Please use Bitmap.");
}

TEST(WPRichTextTest, InsertedBitmapIsAPictureAndAChange)
{
    TWPRichText editor;
    editor.InsertText(u"Icon: "_s, {});
    int changes = 0;
    editor.OnChange = [&changes] { ++changes; };
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::green);
    editor.InsertBitmap(icon);
    EXPECT_GE(changes, 1);

    const QTextBlock block = editor.RtfText().Document().begin();
    QTextCharFormat last;
    for (auto it = block.begin(); !it.atEnd(); ++it)
        last = it.fragment().charFormat();
    ASSERT_TRUE(last.isImageFormat());
    const TWPPicture picture = PictureOf(editor.RtfText().Document(), last.toImageFormat());
    EXPECT_EQ(picture.Kind, TWPPictureKind::Dib);
    EXPECT_EQ(picture.Image.size(), QSize(32, 32));
    EXPECT_FALSE(editor.IsEmpty());
}

TEST(WPRichTextTest, KeyPressHandlerCanSwallowOrReplaceKeys)
{
    TWPRichText editor;
    editor.OnKeyPress = [](QChar &key) {
        if (key == QChar(1))
            key = QChar();
        else if (key == u'a')
            key = u'b';
    };
    QWidget *view = editor.focusProxy();
    ASSERT_NE(view, nullptr);
    QKeyEvent ctrlA(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, QString(QChar(1)));
    QKeyEvent a(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, u"a"_s);
    QCoreApplication::sendEvent(view, &ctrlA);
    EXPECT_TRUE(editor.IsEmpty());
    QCoreApplication::sendEvent(view, &a);
    EXPECT_EQ(Paragraphs(editor.RtfText()), "b");
}

TEST(WPRichTextTest, CopyAndPasteKeepFormats)
{
    TWPRichText editor;
    const TWPCharAttr bold{editor.FontIndexOf(u"Times New Roman"_s), 16, wpsBold, 1};
    editor.InsertText(u"Hello"_s, bold);
    editor.SelectAll();
    editor.Copy();
    editor.CaretToEnd();
    editor.Paste();
    EXPECT_EQ(Paragraphs(editor.RtfText()), "HelloHello");
    editor.CaretToEnd();
    EXPECT_EQ(editor.CurrentAttributes(), bold);
}

TEST(WPRichTextTest, SettingAttributesWithASelectionChangesOnlyTheGivenParts)
{
    TWPRichText editor;
    const int times = editor.FontIndexOf(u"Times New Roman"_s);
    editor.InsertText(u"ab"_s, {0, 10, wpsItalic, 2});
    editor.InsertText(u"cd"_s, {times, 12, 0, 3});
    editor.SelectAll();
    editor.ApplyAttributes({.Style = wpsBold}, TWPCharAttrPart::Bold);
    EXPECT_EQ(AttrOfParagraph(editor.RtfText(), 0), (TWPCharAttr{0, 10, wpsItalic | wpsBold, 2}));
    editor.CaretToEnd();
    EXPECT_EQ(editor.CurrentAttributes(), (TWPCharAttr{times, 12, wpsBold, 3}));

    editor.SetAlignment(TWPAlignment::Center);
    EXPECT_EQ(editor.Alignment(), TWPAlignment::Center);
}

} // namespace

TEST(WPRichTextTest, AClickBelowTheTextSendsTypingToItsEnd)
{
    // Regression: a click on the page below the last line took the keyboard
    // from the text, and what was typed next went nowhere.
    TWPRichText editor;
    editor.SetPageSizeTwips(PageTwips(240), PageTwips(160));
    editor.resize(240, 160);
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    editor.setFocus();
    QTest::keyClicks(editor.focusProxy(), u"Hi"_s);
    editor.SetCaretPosition(0);
    auto *view = editor.findChild<QGraphicsView *>();
    ASSERT_NE(view, nullptr);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(120, 130));
    QTest::keyClicks(QApplication::focusWidget(), u"!"_s);
    EXPECT_EQ(Paragraphs(editor.RtfText()), "Hi!");
}
