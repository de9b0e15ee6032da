#include "RecurringList.h"

#include "BuiltInHolidays.h"
#include "RecurringFormula.h"

#include <gtest/gtest.h>

TEST(RecurringList, KeepsLinesSortedWithLetterCaseIgnored)
{
    TRecurringList list({"delta", "Bravo", "alpha", "Charlie"});
    EXPECT_EQ(list.Lines(), QStringList({"alpha", "Bravo", "Charlie", "delta"}));
    EXPECT_EQ(list.Add(QStringLiteral("beta")), 1);
    EXPECT_EQ(list.Add(QStringLiteral("zulu")), 5);
    EXPECT_EQ(list.Add(QStringLiteral("")), 0);
    // Equal lines go after those already there.
    EXPECT_EQ(list.Add(QStringLiteral("BRAVO")), 4);
    EXPECT_EQ(list.Lines(),
              QStringList({"", "alpha", "beta", "Bravo", "BRAVO", "Charlie", "delta", "zulu"}));
    list.RemoveAt(0);
    list.RemoveAt(99);
    list.RemoveAt(-1);
    EXPECT_EQ(list.Count(), 7);
    EXPECT_EQ(list.At(0), QStringLiteral("alpha"));
    EXPECT_TRUE(list.ContainsIgnoringCase(QStringLiteral("CHARLIE")));
    EXPECT_FALSE(list.ContainsIgnoringCase(QStringLiteral("Charli")));
}

TEST(RecurringList, TheBuiltInHolidaysAreInSortOrder)
{
    const QStringList holidays = BuiltInHolidays();
    EXPECT_EQ(TRecurringList(holidays).Lines(), holidays);
}

TEST(RecurringList, BuiltInHolidaysAreTheTwentySixLines)
{
    const QStringList holidays = BuiltInHolidays();
    ASSERT_EQ(holidays.size(), 26);
    for (const QString &line : holidays) {
        const QString formula = line.mid(120);
        if (formula.startsWith(u'#'))
            EXPECT_EQ(line.size(), 120 + formula.size());
        else
            EXPECT_EQ(line.size(), 130);
    }
    EXPECT_EQ(holidays[0], MakeEntry(QStringLiteral("April Fools's Day"), QStringLiteral("@0401")));
    EXPECT_EQ(holidays[5], PadToWidth(QStringLiteral("Easter"), 120) + QStringLiteral("#EASTER"));
    EXPECT_EQ(holidays[5].size(), 127);
    EXPECT_EQ(holidays[8].size(), 131);
    EXPECT_EQ(holidays[18].size(), 131);
    EXPECT_EQ(holidays[21],
              MakeEntry(QStringLiteral("Thanksgiving Day"), QStringLiteral("$3 4 11")));
    EXPECT_EQ(holidays[25],
              MakeEntry(QStringLiteral("Washington's Birthday"), QStringLiteral("@0222")));
}
