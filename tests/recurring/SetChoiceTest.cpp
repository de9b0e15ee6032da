#include "SetChoice.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

TEST(SetChoice, ThePreferredHolidaysAreTheLocalesCountrysOrTheFirst)
{
    const QList<THolidaySet> sets{{QStringLiteral("United States"), {}},
                                  {QStringLiteral("Germany"), QStringLiteral("Germany.dax")},
                                  {QStringLiteral("United Kingdom"), QStringLiteral("UK.dax")}};
    const struct
    {
        const char *locale;
        const char *expected;
    } cases[] = {
        {"en_GB", "United Kingdom"},
        {"de_DE", "Germany"},
        {"de_AT", "United States"},
        {"C", "United States"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(PreferredHolidaySet(sets, QLocale(QString::fromLatin1(c.locale))),
                  QString::fromLatin1(c.expected))
            << c.locale;
    }
    EXPECT_EQ(PreferredHolidaySet({}, QLocale::c()), QString());
}

TEST(SetChoice, OnlyTheUnfilledPageIsThePageAlone)
{
    TSetChoice choice;
    EXPECT_TRUE(IsPageAlone(choice));
    choice.Fill = TFillKind::ICalendar;
    EXPECT_FALSE(IsPageAlone(choice)) << "one page, filled";
    choice.Fill = TFillKind::None;
    choice.WholeSet = true;
    choice.Count = 1;
    EXPECT_FALSE(IsPageAlone(choice)) << "a set of one from another start";
}

TEST(SetChoice, AYearOfPages)
{
    EXPECT_EQ(PagesInYear(TSetUnit::Month, false), 12);
    EXPECT_EQ(PagesInYear(TSetUnit::Week, false), 52);
    EXPECT_EQ(PagesInYear(TSetUnit::Week, true), 26);
    EXPECT_EQ(PagesInYear(TSetUnit::Day, false), 365);
}

} // namespace
