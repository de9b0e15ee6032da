#include "RecurringResolve.h"

#include "BuiltInHolidays.h"
#include "RecurringFormula.h"

#include <QDate>

#include <gtest/gtest.h>

namespace {

QString Line(const QString &name, const QString &formula)
{
    return MakeEntry(name, formula);
}

QString Line(const char *formula)
{
    return MakeEntry(QStringLiteral("Entry"), QString::fromLatin1(formula));
}

// The built-in holiday of that name.
QString Holiday(const char *name)
{
    for (const QString &line : BuiltInHolidays()) {
        if (EntryName(line) == QLatin1String(name))
            return line;
    }
    ADD_FAILURE() << name;
    return {};
}

QStringList Names(const QStringList &lines)
{
    QStringList names;
    for (const QString &line : lines)
        names.append(EntryName(line));
    return names;
}

} // namespace

TEST(RecurringResolve, DaysOfTheEdgeCases)
{
    struct TCase
    {
        const char *Formula;
        int Month, Year;
        QList<int> Days;
    };
    const TCase cases[] = {
        {"$3 4 11", 11, 2023, {23}}, // Thanksgiving
        {"$3 4 11", 11, 2024, {28}},
        {"$3 4 11", 10, 2024, {}},
        {"$5 1 5", 5, 2024, {27}},   // Memorial Day
        {"$5 0 10", 10, 2024, {27}}, // Daylight saving time ends
        {"$4 2 0", 10, 2024, {29}},  // a 5th Tuesday
        {"$4 2 0", 11, 2024, {}},
        {"$5 7 0", 2, 2024, {29}}, // last day
        {"$5 7 0", 2, 2000, {29}},
        {"$5 7 0", 2, 2023, {28}},
        {"$5 7 0", 2, 1900, {28}},
        {"$5 7 0", 4, 2023, {30}},
        {"$1 7 0", 7, 2023, {2}}, // 2nd day
        {"$4 7 0", 2, 2023, {5}},
        {"$0 0 4", 4, 2024, {7}},
        {"$1 0 5", 5, 2024, {12}}, // Mother's Day
        {"@0005", 2, 2024, {5}},
        {"@0401", 4, 2024, {1}},
        {"@0401", 5, 2024, {}},
        {"@0231", 2, 2024, {}}, // a day the month does not have
        {"@0229", 2, 2023, {}},
        {"@0229", 2, 2024, {29}},
        {"@0031", 9, 2024, {}},
        {"@0031", 10, 2024, {31}},
        {"%17", 6, 2024, {1, 2, 8, 9, 15, 16, 22, 23, 29, 30}},
        {"%23456", 2, 2024, {1,  2,  5,  6,  7,  8,  9,  12, 13, 14, 15,
                             16, 19, 20, 21, 22, 23, 26, 27, 28, 29}},
        {"%0 8 9", 6, 2024, {}},
        {"%", 6, 2024, {}},
        {"&0524<1", 5, 2021, {24}}, // Victoria Day
        {"&0524<1", 5, 2023, {22}},
        {"&0524<1", 5, 2024, {20}},
        {"&0524<1", 5, 2025, {19}},
        {"&1122<3", 11, 2023, {22}}, // Day of Repentance and Prayer
        {"&1122<3", 11, 2024, {20}},
        {"&1102>2", 11, 2024, {5}}, // US election day
        {"&1102>2", 11, 2020, {3}},
        {"&1225+22", 12, 2021, {27}}, // Saturday
        {"&1225+22", 12, 2022, {27}}, // Sunday
        {"&1225+22", 12, 2023, {}},   // Monday
        {"&0701+01", 7, 2018, {2}},
        {"&0701+01", 7, 2023, {}}, // a Saturday moves by 0: no day
        {"&1231+21", 1, 2022, {}},
        {"&1231+21", 1, 2023, {2}}, // December 31, 2022 was a Saturday
        {"&1231+21", 12, 2022, {}},
        {"&0101<5", 12, 2021, {31}}, // Friday on or before January 1, 2022
        {"&0229+22", 3, 2020, {2}},  // February 29, 2020 was a Saturday
        {"&0229+22", 3, 2032, {2}},  // February 29, 2032 is a Sunday
        {"&0229+22", 3, 2028, {}},   // a Tuesday
        {"&0229+22", 3, 2023, {}},   // no February 29
    };
    for (const TCase &c : cases)
        EXPECT_EQ(ResolveDays(Line(c.Formula), c.Month, c.Year), c.Days)
            << c.Formula << " " << c.Month << "/" << c.Year;
}

TEST(RecurringResolve, EasterKeywords)
{
    EXPECT_EQ(ResolveDays(Holiday("Easter"), 3, 2024), QList<int>{31});
    EXPECT_EQ(ResolveDays(Holiday("Easter"), 4, 2025), QList<int>{20});
    EXPECT_EQ(ResolveDays(Holiday("Easter"), 4, 1981), QList<int>{19});
    EXPECT_EQ(ResolveDays(Holiday("Easter"), 4, 2018), QList<int>{1});
    EXPECT_EQ(ResolveDays(Holiday("Easter"), 3, 2018), QList<int>{});
    EXPECT_EQ(ResolveDays(Holiday("Good Friday"), 3, 2018), QList<int>{30});
    EXPECT_EQ(ResolveDays(Holiday("Palm Sunday"), 3, 2018), QList<int>{25});
    EXPECT_EQ(ResolveDays(Holiday("Palm Sunday"), 4, 2018), QList<int>{});
    const QString whitMonday = QString(120, u' ') + QStringLiteral("#EASTER+50");
    EXPECT_EQ(ResolveDays(whitMonday, 5, 2024), QList<int>{20});
    EXPECT_EQ(ResolveDays(QString(120, u' ') + QStringLiteral("#CHRISTMAS"), 12, 2024),
              QList<int>{});
}

// Regression: a day of 0 ("@0500") must not reach the page, where the blank
// cells hold day 0.
TEST(RecurringResolve, DayZeroAndOtherImpossibleDaysGiveNothing)
{
    for (int month = 1; month <= 12; ++month) {
        EXPECT_TRUE(ResolveDays(Line("@0500"), month, 2024).isEmpty());
        EXPECT_TRUE(ResolveDays(Line("@0000"), month, 2024).isEmpty());
        EXPECT_TRUE(ResolveDays(Line("@00-1"), month, 2024).isEmpty());
        EXPECT_TRUE(ResolveDays(Line("@0099"), month, 2024).isEmpty());
        EXPECT_TRUE(ResolveDays(Line("$9 1 0"), month, 2024).isEmpty());
        EXPECT_TRUE(ResolveDays(Line("$0 9 0"), month, 2024).isEmpty());
    }
    // Formulas that fall in every month find no day in a month that is none.
    for (int month : {0, 13}) {
        for (const char *formula : {"@0401", "%17", "$5 7 0", "$1 2 0"})
            EXPECT_TRUE(ResolveDays(Line(formula), month, 2024).isEmpty()) << formula << month;
    }
}

TEST(RecurringResolve, LinesWithoutAFormulaGiveNothing)
{
    for (const QString &line : {QString(), QStringLiteral("short"), QString(120, u'x'),
                                QString(120, u'x') + QStringLiteral("?0401")}) {
        EXPECT_TRUE(ResolveDays(line, 4, 2024).isEmpty());
        EXPECT_TRUE(CanFallInMonth(line, 4, 2024));
    }
}

TEST(RecurringResolve, EveryDayFoundHasTheWeekdayAsked)
{
    for (int year : {1900, 2000, 2023, 2024}) {
        for (int month = 1; month <= 12; ++month) {
            for (int weekday = 0; weekday < 7; ++weekday) {
                const QString name = QStringLiteral("Entry");
                const QList<int> last =
                    ResolveDays(Line(name, MakeSpecialFormula(5, weekday, 0)), month, year);
                ASSERT_EQ(last.size(), 1);
                const QDate date(year, month, last[0]);
                EXPECT_EQ(date.dayOfWeek() % 7, weekday);
                EXPECT_NE(date.addDays(7).month(), month);
                const QList<int> first =
                    ResolveDays(Line(name, MakeSpecialFormula(0, weekday, month)), month, year);
                ASSERT_EQ(first.size(), 1);
                EXPECT_LE(first[0], 7);
                EXPECT_EQ(QDate(year, month, first[0]).dayOfWeek() % 7, weekday);
            }
        }
    }
}

TEST(RecurringResolve, FillTextKeepsTheNameFieldForWeekdaysAndEaster)
{
    EXPECT_EQ(FillText(Line(QStringLiteral("  Payday "), QStringLiteral("@0005"))),
              QStringLiteral("Payday"));
    EXPECT_EQ(FillText(Line(QStringLiteral("Weekend"), QStringLiteral("%17"))),
              PadToWidth(QStringLiteral("Weekend"), 120));
    EXPECT_EQ(FillText(Holiday("Easter")), PadToWidth(QStringLiteral("Easter"), 120));
    EXPECT_EQ(FillText(Line(QStringLiteral(" Victoria Day"), QStringLiteral("&0524<1"))),
              QStringLiteral("Victoria Day"));
}

TEST(RecurringResolve, PreselectionOfMarchAndApril2018)
{
    const QStringList holidays = BuiltInHolidays();
    const QStringList march = PreselectForMonth(holidays, 3, 2018);
    EXPECT_EQ(Names(march), QStringList({"Good Friday", "Palm Sunday", "St. Patrick's Day"}));
    const QStringList april = PreselectForMonth(holidays, 4, 2018);
    EXPECT_EQ(Names(april),
              QStringList({"April Fools's Day", "Daylight Savings time begins", "Easter"}));
}

TEST(RecurringResolve, PreselectionKeepsWhatCanFallAndListsTheUnreadable)
{
    const QStringList lines = {
        Line("@0005"),  Line("@1105"),   Line("@0405"),   Line("$4 2 0"), Line("$0 1 11"),
        Line("$0 1 4"), Line("%17"),     QString(),       Line("@x"),     Line("$1 1"),
        Line("@1340"),  Line("&0524<1"), Line("&1122<3"), Line("&99"),    Line("?x"),
    };
    const QStringList kept = PreselectForMonth(lines, 11, 2024);
    EXPECT_EQ(kept, QStringList({Line("@0005"), Line("@1105"), Line("$4 2 0"), Line("$0 1 11"),
                                 Line("%17"), QString(), Line("@x"), Line("$1 1"), Line("&1122<3"),
                                 Line("&99"), Line("?x")}));
    EXPECT_TRUE(PreselectForMonth({}, 11, 2024).isEmpty());
}
