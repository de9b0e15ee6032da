#include "WeekNumbers.h"

#include "CalendarDates.h"

#include <QFile>
#include <QTextStream>

#include <gtest/gtest.h>

// Every row of every month of 1900 to 2100, both rules, both week starts,
// against the table Python's calendar wrote at build time.
TEST(WeekNumbers, EveryGridRowOf1900To2100MatchesPython)
{
    QFile file(QStringLiteral(DW_WEEK_TABLE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << DW_WEEK_TABLE;
    QTextStream in(&file);
    int lines = 0;
    int mismatches = 0;
    while (!in.atEnd()) {
        const QStringList fields = in.readLine().split(u' ');
        ASSERT_EQ(fields.size(), 10);
        const TWeekNumbers rule = fields[0] == u"iso" ? wnIso : wnUs;
        const int startOfWeek = fields[1] == u"sunday" ? 1 : 2;
        const int year = fields[2].toInt();
        const int month = fields[3].toInt();
        for (int row = 0; row < 6; ++row) {
            const int expected = fields[4 + row].toInt();
            const int got = GridRowWeekNumber(rule, month, year, startOfWeek, row);
            if (got != expected && ++mismatches <= 10)
                ADD_FAILURE() << fields.join(u' ').toStdString() << " row " << row << ": " << got;
        }
        ++lines;
    }
    EXPECT_EQ(lines, 2 * 2 * 201 * 12);
    EXPECT_EQ(mismatches, 0);
}

// Year boundaries: the 53rd weeks and the weeks 1 that start in December.
TEST(WeekNumbers, YearBoundaries)
{
    struct Case
    {
        QDate day;
        int iso;
        int us;
    };
    const Case cases[] = {
        {{2020, 12, 31}, 53, 1}, // Thursday: its Sunday week holds 1 January 2021
        {{2021, 1, 3}, 53, 2},   // Sunday: still ISO week 53 of 2020
        {{2024, 12, 30}, 1, 1},  // Monday: ISO week 1 of 2025 starts in December
        {{2024, 12, 28}, 52, 52}, {{2022, 1, 1}, 52, 1}, // Saturday: ISO 52 of 2021, a US week 1 of
                                                         // one day
        {{2022, 1, 2}, 52, 2},    {{2000, 12, 30}, 52, 53}, // a leap year from a Saturday has a US
                                                            // week 53
        {{2000, 12, 31}, 52, 1},  {{2026, 12, 31}, 53, 1},  {{2027, 1, 1}, 53, 1},
        {{1900, 1, 1}, 1, 1},     {{2100, 12, 31}, 52, 1},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(WeekNumber(wnIso, c.day), c.iso) << c.day.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(WeekNumber(wnUs, c.day), c.us) << c.day.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(WeekNumber(wnNone, c.day), 0);
    }
    EXPECT_EQ(WeekNumber(wnIso, QDate()), 0);
    EXPECT_EQ(WeekNumberOfDays(wnUs, QDate()), 0) << "no days, no week";
}

// Seven days across a week boundary take the week holding most of them.
TEST(WeekNumbers, SevenDaysTakeTheMajorityWeek)
{
    // Sunday 27 Dec 2020 to Saturday 2 Jan 2021: ISO week 53 holds Monday on.
    EXPECT_EQ(WeekNumberOfDays(wnIso, {2020, 12, 27}), 53);
    // Monday 28 Dec 2020 to Sunday 3 Jan 2021: Monday to Saturday are the
    // US week of 1 January, Sunday starts week 2.
    EXPECT_EQ(WeekNumberOfDays(wnUs, {2020, 12, 28}), 1);
    // Wednesday to Tuesday: four days in the first week, three in the next.
    EXPECT_EQ(WeekNumberOfDays(wnIso, {2025, 1, 1}), 1);
    EXPECT_EQ(WeekNumberOfDays(wnIso, {2025, 1, 3}), 2);
}
