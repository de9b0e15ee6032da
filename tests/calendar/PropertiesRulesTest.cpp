#include "PropertiesRules.h"

#include "BorderList.h"
#include "LanguageNames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PropertiesRules, EveryLayoutHasOneListEntryAndOrientation)
{
    for (int value = 0; value < CalendarLayoutCount; ++value) {
        const auto layout = TCalendarLayout(value);
        const int entry = LayoutListIndex(layout);
        const int orientation = OrientationIndex(layout);
        ASSERT_GE(entry, 0);
        ASSERT_LT(entry, LayoutListCount);
        EXPECT_EQ(LayoutFromChoice(entry, orientation), layout)
            << CalendarLayoutName(layout).toStdString();
        EXPECT_EQ(IsPlannerLayout(layout), value >= loWeek);
    }
    EXPECT_EQ(LayoutFromChoice(6, 1), loMC24MonthLS);
    EXPECT_EQ(LayoutFromChoice(0, 0), loFullCalendar);
    EXPECT_EQ(LayoutFromChoice(8, 1), loMC60MonthLS);
    // The planners are portrait whatever the orientation says.
    EXPECT_EQ(LayoutFromChoice(9, 1), loWeek);
    EXPECT_EQ(LayoutFromChoice(10, 0), lo2Week);
    EXPECT_EQ(LayoutFromChoice(11, 1), loDay10);
    EXPECT_EQ(LayoutFromChoice(12, 1), loDay15);
    EXPECT_EQ(OrientationIndex(loDay15), 0);
    EXPECT_EQ(LayoutListIndex(loDay15), 12);
    // No selection never produces a value outside the enumeration.
    EXPECT_EQ(LayoutFromChoice(-1, -1), loFullCalendar);
    EXPECT_EQ(LayoutFromChoice(40, 1), loDay15);
}

TEST(PropertiesRules, MarginEntriesAreQuarterInches)
{
    for (int i = 0; i < MarginEntryCount; ++i) {
        EXPECT_FLOAT_EQ(MarginFromIndex(i), 0.25f * float(i + 1));
        EXPECT_EQ(MarginIndex(MarginFromIndex(i)), i);
    }
    const struct
    {
        float inches;
        int index;
    } cases[] = {{0.0f, 0}, {0.3f, 0}, {0.49f, 0}, {0.5f, 1}, {0.74f, 1}, {0.8f, 2},
                 {1.0f, 3}, {1.3f, 4}, {1.5f, 5},  {7.0f, 5}, {-1.0f, 0}};
    for (const auto &c : cases)
        EXPECT_EQ(MarginIndex(c.inches), c.index) << c.inches;
    EXPECT_EQ(InchMarginItems().first(), QStringLiteral("¼ Inch"));
    EXPECT_EQ(InchMarginItems().size(), MarginEntryCount);
    EXPECT_EQ(MillimetreMarginItems(),
              QStringList({"6 mm", "13 mm", "19 mm", "25 mm", "32 mm", "38 mm"}));
}

TEST(PropertiesRules, EnablingFollowsTheLayoutKind)
{
    const struct
    {
        TCalendarLayout layout;
        int kind;
        TEnabledControls expected;
    } cases[] = {
        {loFullCalendar, 0, {true, true, true, true, false, false}},
        {loFCMinisInTitleLS, 0, {true, true, true, true, true, false}},
        {loFC12AfterLS, 0, {true, true, true, true, true, false}},
        {lopMC6Month, 1, {true, true, false, false, true, false}},
        {loMC60MonthLS, 1, {true, true, false, false, true, false}},
        {loWeek, 2, {false, false, false, true, false, false}},
        {lo2Week, 3, {false, false, false, true, false, false}},
        {loDay10, 4, {false, false, false, true, false, true}},
        {loDay15, 5, {false, false, false, true, false, true}},
    };
    for (const auto &c : cases) {
        const TEnabledControls got = EnabledControls(c.layout, c.kind);
        SCOPED_TRACE(CalendarLayoutName(c.layout).toStdString());
        EXPECT_EQ(got.Orientation, c.expected.Orientation);
        EXPECT_EQ(got.WeekStart, c.expected.WeekStart);
        EXPECT_EQ(got.MonthGrid, c.expected.MonthGrid);
        EXPECT_EQ(got.Headers, c.expected.Headers);
        EXPECT_EQ(got.Minis, c.expected.Minis);
        EXPECT_EQ(got.StartingTime, c.expected.StartingTime);
    }
    EXPECT_EQ(SelectDateCaption(loMC60MonthLS), QStringLiteral("Select Month & Year"));
    EXPECT_EQ(SelectDateCaption(loWeek), QStringLiteral("Select Starting Date"));
}

TEST(PropertiesRules, DateAndTimeTexts)
{
    EXPECT_EQ(DateLabelText(QDate(1998, 2, 14), false), QStringLiteral("February 1998"));
    EXPECT_EQ(DateLabelText(QDate(1998, 2, 14), true),
              QStringLiteral("Saturday, 14 February 1998"));
    EXPECT_EQ(ParseTimeText(ShortTimeText(QTime(8, 0))), QTime(8, 0));
    EXPECT_EQ(ParseTimeText(QStringLiteral("13:05")), QTime(13, 5));
    EXPECT_EQ(ParseTimeText(QStringLiteral(" 8:30 PM ")), QTime(20, 30));
    EXPECT_FALSE(ParseTimeText(QStringLiteral("teatime")).isValid());
    EXPECT_FALSE(ParseTimeText(QStringLiteral("25:00")).isValid());
    EXPECT_FALSE(ParseTimeText(QString()).isValid());
}

TEST(PropertiesRules, ZoomStepsStopAtTheirLimits)
{
    EXPECT_EQ(ZoomText(0.301f), QStringLiteral("30%"));
    EXPECT_EQ(ZoomText(1.0f), QStringLiteral("100%"));
    EXPECT_EQ(ZoomText(ZoomedIn(0.301f)), QStringLiteral("40%"));
    EXPECT_FLOAT_EQ(ZoomedIn(1.001f), 1.001f);
    EXPECT_FLOAT_EQ(ZoomedOut(0.201f), float(0.201 - 0.1));
    EXPECT_FLOAT_EQ(ZoomedOut(0.2f), 0.2f);
    EXPECT_FLOAT_EQ(ZoomedOut(0.101f), 0.101f);
}

TEST(PropertiesRules, StyleSheetNamesAndHelpTopics)
{
    EXPECT_TRUE(IsStyleSheetName(QStringLiteral("/tmp/MyStyle.DWS")));
    EXPECT_TRUE(IsStyleSheetName(QStringLiteral("/tmp/my.style.dws")));
    EXPECT_FALSE(IsStyleSheetName(QStringLiteral("/tmp/MyStyle.txt")));
    EXPECT_FALSE(IsStyleSheetName(QStringLiteral("/tmp/MyStyle")));
    EXPECT_FALSE(IsStyleSheetName(QStringLiteral("/tmp/x.DWS/MyStyle")));
    EXPECT_FALSE(IsStyleSheetName(QStringLiteral("/tmp/MyStyle.DWSX")));
    for (int page = 0; page < 9; ++page)
        EXPECT_EQ(HelpContextOfPage(page), 2100 + page);
    EXPECT_EQ(HelpContextOfPage(9), 3109);
}

TEST(PropertiesRules, MemoLinesIgnoreAFinalLineBreak)
{
    EXPECT_EQ(MemoLines(QStringLiteral("a\nb\n")), QStringList({"a", "b"}));
    EXPECT_EQ(MemoLines(QStringLiteral("a\n\nb")), QStringList({"a", "", "b"}));
    EXPECT_TRUE(MemoLines(QString()).isEmpty());
    EXPECT_EQ(MemoLines(QStringLiteral("Freitag ")), QStringList({"Freitag "}));
}

TEST(PropertiesRules, OnlyFrameChangesMoveObjects)
{
    TPageFrame before;
    before.Margins[0] = 0.3f;
    before.BorderName = QStringLiteral("Holly");
    TPageFrame after = before;
    EXPECT_FALSE(FrameMovesObjects(before, after));
    after.BorderName = QStringLiteral("Stars"); // one border for another
    EXPECT_FALSE(FrameMovesObjects(before, after));
    after.BorderName.clear();
    EXPECT_TRUE(FrameMovesObjects(before, after));
    after = before;
    after.Margins[3] = 0.5f;
    EXPECT_TRUE(FrameMovesObjects(before, after));
    after = before;
    after.PaperSize = 1;
    EXPECT_TRUE(FrameMovesObjects(before, after));
    after = before;
    after.Orientation = coLandscape;
    EXPECT_TRUE(FrameMovesObjects(before, after));
    after = before;
    after.Layout = loWeek;
    EXPECT_TRUE(FrameMovesObjects(before, after));
}

TEST(PropertiesRules, LanguageTablesKeepTheirSpelling)
{
    const auto &tables = LanguageTables();
    ASSERT_EQ(tables.size(), 5u);
    EXPECT_EQ(tables[1].Caption, QStringLiteral("Deutsch"));
    EXPECT_EQ(tables[1].Days[5], QStringLiteral("Freitag "));
    EXPECT_EQ(tables[1].Months[2], QStringLiteral("März"));
    EXPECT_EQ(tables[2].Caption, QStringLiteral("Français"));
    EXPECT_EQ(tables[2].Months[7], QStringLiteral("Août"));
    EXPECT_EQ(tables[3].Days[6], QStringLiteral("Sábado"));
    EXPECT_EQ(tables[4].Caption, QStringLiteral("L'italiano"));
    EXPECT_EQ(tables[4].Days[1], QStringLiteral("Lunedì"));
    for (const TLanguageNames &table : tables) {
        for (const QString &name : table.Months)
            EXPECT_FALSE(name.isEmpty());
        for (const QString &name : table.Days)
            EXPECT_FALSE(name.isEmpty());
    }
}

TEST(BorderList, EntriesAreSortedWithNoBorderFirst)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    EXPECT_FALSE(BorderListEntries(folder.path() + "/").has_value());

    ASSERT_TRUE(QDir(folder.path()).mkpath("borders"));
    for (const char *name : {"stars.wls", "Holly.WLS", "holly.wls", "Apple.wpo", "Zebra.wls",
                             "My.Frame.wls", "readme.txt"}) {
        QFile file(folder.filePath(QStringLiteral("borders/") + name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const std::optional<QStringList> entries = BorderListEntries(folder.path() + "/");
    ASSERT_TRUE(entries.has_value());
    EXPECT_EQ(entries->size(), 5);
    EXPECT_EQ(entries->at(0), QStringLiteral(" [No Special Border]"));
    EXPECT_EQ(entries->at(1).toLower(), QStringLiteral("holly"));
    EXPECT_EQ(entries->mid(2), QStringList({"My.Frame", "stars", "Zebra"}));
    EXPECT_EQ(BorderListIndex(*entries, QStringLiteral("ZEBRA")), 4);
    EXPECT_EQ(BorderListIndex(*entries, QStringLiteral("Gone")), 0);
    EXPECT_EQ(BorderListIndex(*entries, QString()), 0);
}
