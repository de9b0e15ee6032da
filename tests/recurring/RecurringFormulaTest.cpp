#include "RecurringFormula.h"

#include <gtest/gtest.h>

namespace {

QString Spaces(int count)
{
    return QString(count, u' ');
}

} // namespace

TEST(RecurringFormula, PadToWidthCutsAndPads)
{
    EXPECT_EQ(PadToWidth(QStringLiteral("Payday"), 10), QStringLiteral("Payday    "));
    EXPECT_EQ(PadToWidth(QStringLiteral("Payday"), 3), QStringLiteral("Pay"));
    EXPECT_EQ(PadToWidth(QString(), 2), QStringLiteral("  "));
    EXPECT_EQ(PadToWidth(QString(121, u'x'), 120), QString(120, u'x'));
}

TEST(RecurringFormula, MakesTheThreeEditableKinds)
{
    EXPECT_EQ(MakeDayOfMonthFormula(5, 0), QStringLiteral("@0005"));
    EXPECT_EQ(MakeDayOfMonthFormula(1, 4), QStringLiteral("@0401"));
    EXPECT_EQ(MakeDayOfMonthFormula(31, 12), QStringLiteral("@1231"));
    EXPECT_EQ(MakeSpecialFormula(5, 7, 0), QStringLiteral("$5 7 0 "));
    EXPECT_EQ(MakeSpecialFormula(1, 0, 5), QStringLiteral("$1 0 5 "));
    EXPECT_EQ(MakeSpecialFormula(3, 4, 11), QStringLiteral("$3 4 11"));
    EXPECT_EQ(MakeWeekdayFormula({false, true, true, true, true, true, false}),
              QStringLiteral("%23456"));
    EXPECT_EQ(MakeWeekdayFormula({true, false, false, false, false, false, true}),
              QStringLiteral("%17"));
    EXPECT_EQ(MakeWeekdayFormula({}), QStringLiteral("%"));
}

TEST(RecurringFormula, EntryIsNameIn120AndFormulaIn10)
{
    const QString entry = MakeEntry(QStringLiteral("Payday"), QStringLiteral("@0005"));
    EXPECT_EQ(entry.size(), 130);
    EXPECT_EQ(entry, QStringLiteral("Payday") + Spaces(114) + QStringLiteral("@0005") + Spaces(5));
    // A name of 121 characters loses its last one.
    const QString longName = QString(120, u'a') + u'b';
    EXPECT_EQ(MakeEntry(longName, QStringLiteral("@0101")).left(121), QString(120, u'a') + u'@');
    EXPECT_EQ(MakeEntry(QString(), QStringLiteral("$5 7 0 0123456789")).mid(120),
              QStringLiteral("$5 7 0 012"));
}

TEST(RecurringFormula, ReadsDayOfMonthFields)
{
    struct TCase
    {
        const char *Formula;
        bool Readable;
        int Day, Month;
    };
    const TCase cases[] = {
        {"@0401", true, 1, 4},   {"@0005     ", true, 5, 0}, {"@1225", true, 25, 12},
        {"@ 5 7", true, 7, 5},   {"@0500", true, 0, 5},      {"@9999", true, 99, 99},
        {"@-101", true, 1, -1},  {"@", false, 0, 0},         {"@04", false, 0, 0},
        {"@04x1", false, 0, 0},  {"@  01", false, 0, 0},     {"@0-", false, 0, 0},
        {"@1\t01", false, 0, 0}, {"@+1+1", true, 1, 1},      {"@--01", false, 0, 0},
    };
    for (const TCase &c : cases) {
        const std::optional<TDayOfMonth> read =
            ReadDayOfMonthFormula(QString::fromLatin1(c.Formula));
        ASSERT_EQ(read.has_value(), c.Readable) << c.Formula;
        if (read) {
            EXPECT_EQ(read->Day, c.Day) << c.Formula;
            EXPECT_EQ(read->Month, c.Month) << c.Formula;
        }
    }
}

TEST(RecurringFormula, ReadsSpecialFields)
{
    struct TCase
    {
        const char *Formula;
        bool Readable;
        int Occurrence, Weekday, Month;
    };
    const TCase cases[] = {
        {"$3 4 11", true, 3, 4, 11}, {"$5 7 0    ", true, 5, 7, 0}, {"$5 7 0", true, 5, 7, 0},
        {"$1 0 5", true, 1, 0, 5},   {"$9 9 99", true, 9, 9, 99},   {"$5 7", false, 0, 0, 0},
        {"$5 7   ", false, 0, 0, 0}, {"$a 1 2", false, 0, 0, 0},    {"$", false, 0, 0, 0},
    };
    for (const TCase &c : cases) {
        const std::optional<TSpecialFormula> read =
            ReadSpecialFormula(QString::fromLatin1(c.Formula));
        ASSERT_EQ(read.has_value(), c.Readable) << c.Formula;
        if (read) {
            EXPECT_EQ(read->Occurrence, c.Occurrence) << c.Formula;
            EXPECT_EQ(read->Weekday, c.Weekday) << c.Formula;
            EXPECT_EQ(read->Month, c.Month) << c.Formula;
        }
    }
}

TEST(RecurringFormula, RangesOfTheTables)
{
    EXPECT_TRUE(InRange(TDayOfMonth{31, 0}));
    EXPECT_TRUE(InRange(TDayOfMonth{1, 12}));
    EXPECT_FALSE(InRange(TDayOfMonth{0, 5}));
    EXPECT_FALSE(InRange(TDayOfMonth{32, 5}));
    EXPECT_FALSE(InRange(TDayOfMonth{1, 13}));
    EXPECT_FALSE(InRange(TDayOfMonth{1, -1}));
    EXPECT_TRUE(InRange(TSpecialFormula{5, 7, 12}));
    EXPECT_TRUE(InRange(TSpecialFormula{0, 0, 0}));
    EXPECT_FALSE(InRange(TSpecialFormula{6, 0, 0}));
    EXPECT_FALSE(InRange(TSpecialFormula{0, 8, 0}));
    EXPECT_FALSE(InRange(TSpecialFormula{0, 0, 13}));
    EXPECT_FALSE(InRange(TSpecialFormula{-1, 0, 0}));
}

TEST(RecurringFormula, ReadsAnchoredFormulas)
{
    const std::optional<TAnchoredFormula> victoria =
        ReadAnchoredFormula(QStringLiteral("&0524<1   "));
    ASSERT_TRUE(victoria);
    EXPECT_EQ(victoria->Month, 5);
    EXPECT_EQ(victoria->Day, 24);
    EXPECT_EQ(victoria->Rule, TAnchorRule::OnOrBefore);
    EXPECT_EQ(victoria->Weekday, 1);

    const std::optional<TAnchoredFormula> election = ReadAnchoredFormula(QStringLiteral("&1102>2"));
    ASSERT_TRUE(election);
    EXPECT_EQ(election->Rule, TAnchorRule::OnOrAfter);
    EXPECT_EQ(election->Weekday, 2);

    const std::optional<TAnchoredFormula> observed =
        ReadAnchoredFormula(QStringLiteral("&1225+21"));
    ASSERT_TRUE(observed);
    EXPECT_EQ(observed->Rule, TAnchorRule::Observed);
    EXPECT_EQ(observed->SaturdayShift, 2);
    EXPECT_EQ(observed->SundayShift, 1);

    for (const char *bad : {"&", "&0524", "&0524<", "&0524<7", "&1325<1", "&0500<1", "&0532<1",
                            "&0524=1", "&1225+2", "&1225+2x", "& 524<1", "&05a4<1"})
        EXPECT_FALSE(ReadAnchoredFormula(QString::fromLatin1(bad))) << bad;
}

TEST(RecurringFormula, Ordinals)
{
    const std::pair<int, const char *> cases[] = {
        {1, "1st"},   {2, "2nd"},   {3, "3rd"},   {4, "4th"},   {10, "10th"},  {11, "11th"},
        {12, "12th"}, {13, "13th"}, {19, "19th"}, {20, "20th"}, {21, "21st"},  {22, "22nd"},
        {23, "23rd"}, {30, "30th"}, {31, "31st"}, {0, "0th"},   {101, "101st"}};
    for (const auto &[number, text] : cases)
        EXPECT_EQ(Ordinal(number), QString::fromLatin1(text)) << number;
}

TEST(RecurringFormula, PartsOfALine)
{
    const QString payday = MakeEntry(QStringLiteral("  Payday  "), QStringLiteral("@0005"));
    EXPECT_EQ(NameField(payday), PadToWidth(QStringLiteral("  Payday"), 120));
    EXPECT_EQ(EntryName(payday), QStringLiteral("Payday"));
    EXPECT_EQ(FormulaField(payday), QStringLiteral("@0005     "));
    EXPECT_EQ(Marker(payday), u'@');

    // Only the space character is trimmed.
    EXPECT_EQ(EntryName(QStringLiteral("\tTab ")), QStringLiteral("\tTab"));
    EXPECT_EQ(EntryName(Spaces(120) + u'@'), QString());

    // Lines without a formula.
    EXPECT_EQ(Marker(QString()), u' ');
    EXPECT_EQ(Marker(Spaces(120)), u' ');
    EXPECT_EQ(Marker(QStringLiteral("short")), u' ');
    EXPECT_EQ(FormulaField(QStringLiteral("short")), QString());

    const QString goodFriday = PadToWidth(QStringLiteral("Good Friday"), 120) + "#GOODFRIDAY";
    EXPECT_EQ(goodFriday.size(), 131);
    EXPECT_EQ(EasterKeyword(goodFriday), QStringLiteral("#GOODFRIDAY"));
    EXPECT_EQ(EasterKeyword(Spaces(120) + QStringLiteral("#easter  ")), QStringLiteral("#EASTER"));
    // Only eleven characters are looked at.
    EXPECT_EQ(EasterKeyword(Spaces(120) + QStringLiteral("#GOODFRIDAYX")),
              QStringLiteral("#GOODFRIDAY"));
}
