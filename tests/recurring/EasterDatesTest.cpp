#include "EasterDates.h"

#include <gtest/gtest.h>

namespace {

// Easter Sunday by the anonymous Gregorian algorithm, a second way of
// computing the date to hold the program's arithmetic against.
QDate GregorianEaster(int year)
{
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(year, month, day);
}

} // namespace

TEST(EasterDates, KnownYears)
{
    EXPECT_EQ(EasterSunday(2024), QDate(2024, 3, 31));
    EXPECT_EQ(EasterSunday(2025), QDate(2025, 4, 20));
    EXPECT_EQ(EasterSunday(1981), QDate(1981, 4, 19));
    EXPECT_EQ(EasterSunday(2018), QDate(2018, 4, 1));
    // The arithmetic is applied unchanged outside 1900 to 2099.
    EXPECT_EQ(EasterSunday(2100), QDate(2100, 3, 27));
    EXPECT_EQ(GoodFriday(2018), QDate(2018, 3, 30));
    EXPECT_EQ(PalmSunday(2018), QDate(2018, 3, 25));
    EXPECT_EQ(GoodFriday(2024), QDate(2024, 3, 29));
    EXPECT_EQ(PalmSunday(2025), QDate(2025, 4, 13));
}

TEST(EasterDates, AgreesWithTheGregorianRuleFrom1900To2099)
{
    for (int year = 1900; year <= 2099; ++year) {
        const QDate easter = EasterSunday(year);
        EXPECT_EQ(easter, GregorianEaster(year)) << year;
        EXPECT_EQ(easter.dayOfWeek(), Qt::Sunday) << year;
        EXPECT_EQ(GoodFriday(year), easter.addDays(-2)) << year;
        EXPECT_EQ(PalmSunday(year), easter.addDays(-7)) << year;
    }
}

TEST(EasterDates, EveryYearGivesADateInMarchOrApril)
{
    for (int year = 1; year <= 9999; ++year) {
        const QDate easter = EasterSunday(year);
        ASSERT_TRUE(easter.isValid()) << year;
        ASSERT_TRUE(easter.month() == 3 || easter.month() == 4) << year;
        // Outside 1900 to 2099 the date need not be a Sunday; Good Friday
        // and Palm Sunday are still the last Friday and Sunday before it.
        const QDate friday = GoodFriday(year);
        ASSERT_EQ(friday.dayOfWeek(), Qt::Friday) << year;
        ASSERT_LT(friday, easter);
        ASSERT_GE(friday, easter.addDays(-7));
        ASSERT_EQ(PalmSunday(year).dayOfWeek(), Qt::Sunday) << year;
    }
}

TEST(EasterDates, Keywords)
{
    const std::pair<const char *, QDate> cases[] = {
        {"#EASTER", QDate(2024, 3, 31)},      {"#GOODFRIDAY", QDate(2024, 3, 29)},
        {"#PALMSUNDAY", QDate(2024, 3, 24)},  {"#EASTER+1", QDate(2024, 4, 1)},
        {"#EASTER+39", QDate(2024, 5, 9)},    {"#EASTER+49", QDate(2024, 5, 19)},
        {"#EASTER+50", QDate(2024, 5, 20)},   {"#EASTER+60", QDate(2024, 5, 30)},
        {"#EASTER-3", QDate(2024, 3, 28)},    {"#EASTER-46", QDate(2024, 2, 14)},
        {"#EASTER+999", QDate(2026, 12, 25)}, {"#EASTER+0", QDate(2024, 3, 31)},
    };
    for (const auto &[keyword, date] : cases) {
        EXPECT_TRUE(IsEasterKeyword(QString::fromLatin1(keyword))) << keyword;
        EXPECT_EQ(EasterFeast(QString::fromLatin1(keyword), 2024), date) << keyword;
    }
    for (const char *other : {"#", "#EASTE", "#EASTER+", "#EASTER-", "#EASTER+1000", "#EASTER*1",
                              "#EASTER+1A", "#EASTERX", "#WHITMONDAY", "", "EASTER"}) {
        EXPECT_FALSE(IsEasterKeyword(QString::fromLatin1(other))) << other;
        EXPECT_FALSE(EasterFeast(QString::fromLatin1(other), 2024).isValid()) << other;
    }
}
