#include "HostileInput.h"
#include "RichTextPainter.h"
#include "RtfDocument.h"

#include <QTextBlock>
#include <QTextCursor>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TWPRTFTextPaint Read(const QByteArray &rtf)
{
    TWPRTFTextPaint document;
    EXPECT_TRUE(document.LoadData(rtf));
    return document;
}

// The lines of layout that show in height, as texts and rectangles.
std::vector<std::pair<QString, QRectF>> ShownLines(const TWPRichTextLayout &layout, double height)
{
    std::vector<std::pair<QString, QRectF>> lines;
    for (int line = 0; line < layout.LinesThatFit(0, height); ++line)
        lines.emplace_back(layout.LineText(line), layout.LineRect(line));
    return lines;
}

// A cell as the page shows it, in layout units.
constexpr double CellWidth = 140;
constexpr double CellHeight = 100;

} // namespace

// Regression: one unbreakable word or a swarm of tiny runs was laid out whole
// to show the few lines a cell holds, which took seconds to minutes.
TEST(BoundedLayoutTest, PathologicalCellsLayOutOnlyWhatShows)
{
    const struct
    {
        const char *name;
        QByteArray whole;
        QByteArray start; // the same text cut well below the cell's size
    } cases[] = {
        {"long word", LongWordRtf(240'000), LongWordRtf(1500)},
        {"tiny runs", TinyRunsRtf(100'000), TinyRunsRtf(1500)},
        {"word before tall picture", WordBeforeTallPictureRtf(3000, 1'000'000), LongWordRtf(1500)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const TWPRTFTextPaint whole = Read(c.whole);
        const TWPRichTextLayout bounded(whole, CellWidth, CellHeight);
        EXPECT_LE(bounded.LineCount(), 20);
        EXPECT_FALSE(bounded.HasContentOf(whole)); // cut, so never shared
        // The lines that show are the first lines of the text, broken where
        // the text breaks them.
        const TWPRichTextLayout reference(Read(c.start), CellWidth);
        const auto shown = ShownLines(bounded, CellHeight);
        auto expected = ShownLines(reference, CellHeight);
        ASSERT_FALSE(shown.empty());
        ASSERT_LE(shown.size(), expected.size());
        expected.resize(shown.size());
        EXPECT_EQ(shown, expected);
    }
}

TEST(BoundedLayoutTest, ShownLinesOfOrdinaryTextAreThoseOfTheWholeLayout)
{
    // Justified, left and centred paragraphs, long enough to run out of the cell.
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    const Qt::Alignment alignments[] = {Qt::AlignJustify, Qt::AlignLeft, Qt::AlignHCenter};
    for (const Qt::Alignment alignment : alignments) {
        QTextBlockFormat block;
        block.setAlignment(alignment);
        cursor.insertBlock(block);
        for (int word = 0; word < 40; ++word)
            cursor.insertText(u"garden "_s + QString(word % 5 + 1, u'x') + u' ');
    }
    const TWPRichTextLayout whole(document, CellWidth);
    ASSERT_GT(whole.LineCount(), 12);
    for (const double height : {10.0, 40.0, 100.0, 1000.0}) {
        const TWPRichTextLayout bounded(document, CellWidth, height);
        EXPECT_EQ(ShownLines(bounded, height), ShownLines(whole, height)) << height;
        // From a later line on, as the editor paints the rest of a cell.
        const TWPRichTextLayout later(document, CellWidth, height, 5);
        ASSERT_GT(later.LineCount(), 5);
        EXPECT_EQ(later.LinesThatFit(5, height), whole.LinesThatFit(5, height)) << height;
        EXPECT_EQ(later.LineText(5), whole.LineText(5));
    }
    // Text that fits whole is laid out whole and can be shared.
    const TWPRichTextLayout roomy(document, CellWidth, 100'000);
    EXPECT_EQ(roomy.LineCount(), whole.LineCount());
    EXPECT_TRUE(roomy.HasContentOf(document));
}

TEST(BoundedLayoutTest, CopyingTheStartOfADocumentKeepsFormatsAndNeverSplitsAPair)
{
    TWPRTFTextPaint source;
    QTextCursor cursor(&source.Document());
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(u"ab"_s);
    cursor.insertText(u"cd"_s, bold);
    cursor.insertBlock();
    cursor.insertText(u"e\U0001F600f"_s);
    const struct
    {
        qsizetype characters;
        QString text;
    } cases[] = {
        {0, u""_s},
        {3, u"abc"_s},
        {4, u"abcd"_s},
        {5, u"abcd\n"_s},
        {7, u"abcd\ne"_s},
        {8, u"abcd\ne\U0001F600"_s},
        {100, u"abcd\ne\U0001F600f"_s},
    };
    for (const auto &c : cases) {
        QTextDocument copy;
        CopyDocument(source.Document(), copy, c.characters);
        EXPECT_EQ(copy.toPlainText(), c.text) << c.characters;
        if (c.characters >= 3) {
            EXPECT_EQ(copy.begin().begin().fragment().text(), u"ab"_s);
        }
    }
    QTextDocument copy;
    CopyDocument(source.Document(), copy, 3);
    QTextCursor atBold(&copy);
    atBold.setPosition(3);
    EXPECT_EQ(atBold.charFormat().fontWeight(), QFont::Bold);
}
