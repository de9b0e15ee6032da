#include "CellAppend.h"

#include "CalendarPage.h"
#include "RecurringFormula.h"
#include "RtfDocument.h"
#include "RtfStorage.h"

#include <QDate>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

// The default editor font of these tests: Liberation Serif, 14 points, bold.
TWPCharAttr SerifBold(TWPRTFTextPaint &document, const TWPCharAttr &current)
{
    TWPCharAttr attr = current;
    attr.Font = FontIndexOfFace(document, QStringLiteral("Liberation Serif"));
    attr.Size = 14;
    attr.Style = wpsBold;
    return attr;
}

// The attributes of the first character of paragraph index.
TWPCharAttr ParagraphAttributes(const TWPRTFTextPaint &document, int index)
{
    QTextCursor cursor(document.Document().findBlockByNumber(index));
    cursor.movePosition(QTextCursor::NextCharacter);
    return CharAttrOf(document, cursor.charFormat());
}

QString FaceOf(const TWPRTFTextPaint &document, const TWPCharAttr &attr)
{
    return document.Fonts().value(attr.Font).Name;
}

QString CellText(const TCalendarPage &page, int day)
{
    const TWPRTFTextPaint *document = page.CellDocument(page.CellOfDay(day));
    return document ? document->Document().toPlainText() : QString();
}

} // namespace

TEST(CellAppend, AnEmptyDocumentTakesTheDefaultEditorFont)
{
    TWPRTFTextPaint document;
    AppendLines(document, {QStringLiteral("Payday")}, SerifBold);
    EXPECT_EQ(document.Document().toPlainText(), QStringLiteral("Payday\n"));
    EXPECT_EQ(document.Document().blockCount(), 2);
    const TWPCharAttr attr = ParagraphAttributes(document, 0);
    EXPECT_EQ(FaceOf(document, attr), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(attr.Size, 14);
    EXPECT_EQ(attr.Style, int(wpsBold));
}

TEST(CellAppend, TextAlreadyThereGetsANewParagraphInItsOwnAttributes)
{
    TWPRTFTextPaint document;
    TWPCharAttr italic;
    italic.Font = FontIndexOfFace(document, QStringLiteral("Liberation Mono"));
    italic.Size = 9;
    italic.Style = wpsItalic;
    QTextCursor cursor(&document.Document());
    InsertCharAttrText(document, cursor, QStringLiteral("Dentist"), italic);

    bool defaultAsked = false;
    AppendLines(document, {QStringLiteral("Payday")}, [&](TWPRTFTextPaint &, const TWPCharAttr &a) {
        defaultAsked = true;
        return a;
    });
    EXPECT_FALSE(defaultAsked);
    EXPECT_EQ(document.Document().toPlainText(), QStringLiteral("Dentist\nPayday\n"));
    const TWPCharAttr attr = ParagraphAttributes(document, 1);
    EXPECT_EQ(FaceOf(document, attr), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(attr.Size, 9);
    EXPECT_EQ(attr.Style, int(wpsItalic));
}

TEST(CellAppend, TwoLinesOnOneDayAreTwoParagraphsInOrder)
{
    TWPRTFTextPaint document;
    AppendLines(document, {QStringLiteral("First"), QStringLiteral("Second")}, SerifBold);
    // Each line ends in a new paragraph, which the next line starts after.
    EXPECT_EQ(document.Document().toPlainText(), QStringLiteral("First\n\nSecond\n"));
    EXPECT_EQ(ParagraphAttributes(document, 2).Size, 14);
    // The text survives the cell's persisted form.
    TWPRTFTextPaint copy;
    ASSERT_TRUE(copy.LoadData(document.SaveData()));
    EXPECT_EQ(copy.Document().toPlainText(), document.Document().toPlainText());
}

// Guards the one edit of a cell's lines: each line must take the attributes
// at the document's end as a line appended alone does, whatever the last run.
TEST(CellAppend, LinesAppendedTogetherAreLinesAppendedOneByOne)
{
    const QStringList texts{QStringLiteral("Payday"), QString(), QStringLiteral("Club")};
    for (const bool written : {false, true}) {
        TWPRTFTextPaint together;
        TWPRTFTextPaint oneByOne;
        for (TWPRTFTextPaint *document : {&together, &oneByOne}) {
            if (!written)
                continue;
            TWPCharAttr italic;
            italic.Font = FontIndexOfFace(*document, QStringLiteral("Liberation Mono"));
            italic.Style = wpsItalic;
            QTextCursor cursor(&document->Document());
            InsertCharAttrText(*document, cursor, QStringLiteral("Dentist "), italic);
            italic.Size = 16;
            italic.Color = 4;
            InsertCharAttrText(*document, cursor, QStringLiteral("9:00"), italic);
        }
        AppendLines(together, texts, SerifBold);
        for (const QString &text : texts)
            AppendLines(oneByOne, {text}, SerifBold);
        EXPECT_EQ(together.SaveData(), oneByOne.SaveData()) << "written before: " << written;
        EXPECT_EQ(together.Fonts().size(), oneByOne.Fonts().size());
    }
}

TEST(CellAppend, WithoutADefaultFontTheCurrentAttributesStay)
{
    TWPRTFTextPaint document;
    AppendLines(document, {QStringLiteral("Plain")}, {});
    EXPECT_EQ(document.Document().toPlainText(), QStringLiteral("Plain\n"));
}

TEST(CellAppend, PutsOnTheCellsOfTheDaysInOrder)
{
    TCalendarPage page;
    page.ResetStyle(QDate(2024, 11, 15));
    ASSERT_EQ(page.MainCalMonth(), 11);
    ASSERT_GT(page.CellOfDay(28), 0);
    const QList<TDayLine> lines{{28, QStringLiteral("Thanksgiving Day")},
                                {5, QStringLiteral("Payday")},
                                {28, QStringLiteral("Payday")}};
    EXPECT_EQ(AppendLinesToDays(page, lines, SerifBold), 3);
    EXPECT_EQ(CellText(page, 28), QStringLiteral("Thanksgiving Day\n\nPayday\n"));
    EXPECT_EQ(CellText(page, 5), QStringLiteral("Payday\n"));
    EXPECT_TRUE(page.CellDocument(page.CellOfDay(27))->IsEmpty());
    // The cell is written where it is and keeps no history to undo.
    EXPECT_FALSE(page.CellDocument(page.CellOfDay(28))->Document().isUndoAvailable());
    EXPECT_TRUE(page.CellDocument(page.CellOfDay(28))->Document().isUndoRedoEnabled());
    // A second fill appends again.
    EXPECT_EQ(AppendLinesToDays(page, {{5, QStringLiteral("Payday")}}, SerifBold), 1);
    EXPECT_EQ(CellText(page, 5), QStringLiteral("Payday\n\nPayday\n"));
}

// The first and the last day of a month, the first in the page's first cell.
TEST(CellAppend, TheFirstAndLastDaysOfAMonthAreFilled)
{
    TCalendarPage page;
    page.ResetStyle(QDate(2024, 12, 15));
    ASSERT_EQ(page.CellOfDay(1), 1); // December 2024 starts on a Sunday
    const QList<TDayLine> lines{{1, QStringLiteral("First")}, {31, QStringLiteral("Last")}};
    EXPECT_EQ(AppendLinesToDays(page, lines, SerifBold), 2);
    EXPECT_EQ(CellText(page, 1), QStringLiteral("First\n"));
    EXPECT_EQ(CellText(page, 31), QStringLiteral("Last\n"));
}

// Regression: day 0 found the first blank cell, putting a line from "@0500"
// on a cell that shows no day.
TEST(CellAppend, DaysNoCellShowsPutNothing)
{
    TCalendarPage page;
    page.ResetStyle(QDate(2024, 11, 15));
    ASSERT_GT(page.CellOfDay(0), 0);
    QList<TDayLine> lines;
    for (int day : {0, -1, 31, 32, 1000})
        lines.append({day, QStringLiteral("Nowhere")});
    EXPECT_EQ(AppendLinesToDays(page, lines, SerifBold), 0);
    EXPECT_FALSE(page.HasCellContent());
}

TEST(CellAppend, DayLinesOfAMonth)
{
    const QString weekend = MakeEntry(QStringLiteral("Weekend"), QStringLiteral("%17"));
    const QStringList lines{MakeEntry(QStringLiteral(" Payday "), QStringLiteral("@0005")),
                            MakeEntry(QStringLiteral("Broken"), QStringLiteral("@0500")), weekend,
                            QString()};
    const QList<TDayLine> expected{{5, QStringLiteral("Payday")}, {2, NameField(weekend)},
                                   {3, NameField(weekend)},       {9, NameField(weekend)},
                                   {10, NameField(weekend)},      {16, NameField(weekend)},
                                   {17, NameField(weekend)},      {23, NameField(weekend)},
                                   {24, NameField(weekend)},      {30, NameField(weekend)}};
    EXPECT_EQ(DayLines(lines, 11, 2024), expected);
}

// Regression: a fill put every line it was given into a cell, so 100,000
// lines of every day took a minute and two gigabytes; a cell now takes the
// first MaxFilledLines and one line that counts the rest.
TEST(CellAppend, ACellTakesAtMostItsShareOfFilledLines)
{
    QStringList lines;
    QList<TDayLine> dayLines;
    for (int i = 0; i < MaxFilledLines + 70; ++i) {
        // The 7th of every month.
        lines.append(MakeEntry(QStringLiteral("Line %1").arg(i), QStringLiteral("@0007")));
        dayLines.append({7, QStringLiteral("Line %1").arg(i)});
    }
    const TMonthFill seventh = MonthFill(lines, 11, 2024);
    ASSERT_EQ(seventh[7].Texts.size(), MaxFilledLines);
    EXPECT_EQ(seventh[7].Texts.first(), QStringLiteral("Line 0"));
    EXPECT_EQ(seventh[7].More, 70);
    EXPECT_EQ(seventh[7].Lines().last(), QStringLiteral("+ 70 more"));
    EXPECT_TRUE(seventh[8].IsEmpty());
    EXPECT_EQ(MonthFill(dayLines)[7].Lines(), seventh[7].Lines());

    TCalendarPage page;
    page.ResetStyle(QDate(2024, 11, 15));
    EXPECT_EQ(AppendLinesToDays(page, dayLines, SerifBold), MaxFilledLines + 70);
    const QStringList paragraphs = CellText(page, 7).split(QStringLiteral("\n\n"));
    ASSERT_EQ(paragraphs.size(), MaxFilledLines + 1);
    EXPECT_EQ(paragraphs.last(), QStringLiteral("+ 70 more\n"));
}
