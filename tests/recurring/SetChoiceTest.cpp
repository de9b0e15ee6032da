#include "SetChoice.h"

#include <QLocale>
#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

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

TEST(SetChoice, EachPageIsNamedByItsPeriodAfterTheCover)
{
    const QLocale locale = QLocale::c();
    const struct
    {
        QDate start;
        int count;
        bool cover;
        TSetUnit unit;
        bool twoWeeks;
        QStringList names;
    } cases[] = {
        {{2027, 11, 15},
         3,
         false,
         TSetUnit::Month,
         false,
         {u"November 2027"_s, u"December 2027"_s, u"January 2028"_s}},
        {{2027, 1, 1},
         3,
         true,
         TSetUnit::Month,
         false,
         {u"Cover"_s, u"January 2027"_s, u"February 2027"_s}},
        {{2027, 1, 4},
         3,
         false,
         TSetUnit::Week,
         true,
         {u"4 Jan 2027"_s, u"18 Jan 2027"_s, u"1 Feb 2027"_s}},
        {{2027, 2, 27},
         3,
         false,
         TSetUnit::Day,
         false,
         {u"27 Feb 2027"_s, u"28 Feb 2027"_s, u"1 Mar 2027"_s}},
        // The last periods before the year 10000 end the names.
        {{9999, 11, 1},
         4,
         true,
         TSetUnit::Month,
         false,
         {u"Cover"_s, u"November 9999"_s, u"December 9999"_s}},
        {{2027, 1, 1}, 1, true, TSetUnit::Month, false, {u"Cover"_s}},
        {{2027, 1, 1}, 0, false, TSetUnit::Month, false, {}},
        {{}, 3, false, TSetUnit::Month, false, {}},
    };
    for (const auto &row : cases) {
        EXPECT_EQ(SetPageNames(row.start, row.count, row.cover, row.unit, row.twoWeeks, locale),
                  row.names)
            << row.start.toString(Qt::ISODate).toStdString() << " " << row.count;
    }
}

TEST(SetChoice, TheArrangedPicturesComeBeforeTheSourcesOrder)
{
    TSetChoice choice;
    EXPECT_TRUE(PicturesOfChoice(choice).Files.isEmpty());
    EXPECT_TRUE(PicturesOfChoice(choice).Error.isEmpty()) << "no pictures asked for";
    choice.Pictures = QStringLiteral("/no/such/folder");
    EXPECT_FALSE(PicturesOfChoice(choice).Error.isEmpty());
    // The order stands for the source, even one that has gone: a picture
    // missing is told when its page is drawn.
    choice.PictureOrder = {QStringLiteral("/b.jpg"), QStringLiteral("/a.jpg")};
    const TPagePicturesRead read = PicturesOfChoice(choice);
    EXPECT_TRUE(read.Error.isEmpty());
    EXPECT_EQ(read.Files, choice.PictureOrder);
}
