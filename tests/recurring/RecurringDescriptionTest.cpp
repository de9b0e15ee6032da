#include "RecurringDescription.h"

#include "RecurringFormula.h"

#include <gtest/gtest.h>

namespace {

QString Line(const char *name, const char *formula)
{
    return MakeEntry(QString::fromLatin1(name), QString::fromLatin1(formula));
}

} // namespace

TEST(RecurringDescription, Formulas)
{
    const std::pair<const char *, const char *> cases[] = {
        {"@0401", "1st of April"},
        {"@0015", "15th of Each Month"},
        {"@0005     ", "5th of Each Month"},
        {"@1211", "11th of December"},
        {"@0112", "12th of January"},
        {"@0213", "13th of February"},
        {"@0323", "23rd of March"},
        {"@0831", "31st of August"},
        {"$2 6 5", "3rd Sat of May"},
        {"$5 0 10", "Last Sun of October"},
        {"$5 7 0", "Last Day Each Month"},
        {"$1 7 5", "2nd Day May"},
        {"$1 0 5", "2nd Sun of May"},
        {"$3 4 11", "4th Thu of November"},
        {"$4 2 0", "5th Tue of Each Month"},
        {"%23456", "Mon,Tue,Wed,Thu,Fri"},
        {"%71", "Sun,Sat"},
        {"%1 1 9 0", "Sun"},
        {"%", ""},
        {"&0524<1", "Mon on or before 24th of May"},
        {"&1102>2", "Tue on or after 2nd of November"},
        {"&1225+22", "25th of December on Sat +2, Sun +2"},
        {"&0701+01", "1st of July on Sun +1"},
        {"&0701+00", "1st of July"},
        // Unreadable or outside the tables: no description.
        {"@04x1", ""},
        {"@1340", ""},
        {"@0500", ""},
        {"@0032", ""},
        {"$6 0 1", ""},
        {"$0 8 1", ""},
        {"$0 0 13", ""},
        {"$-1 0 1", ""},
        {"$5 7", ""},
        {"&0230<9", ""},
        {"#EASTER", ""},
        {"", ""},
        {"x", ""},
    };
    for (const auto &[formula, text] : cases)
        EXPECT_EQ(DescribeFormula(QString::fromLatin1(formula)), QString::fromLatin1(text))
            << formula;
}

TEST(RecurringDescription, Entries)
{
    EXPECT_EQ(DescribeEntry(Line("Payday", "@0005")), QStringLiteral("Payday (5th of Each Month)"));
    EXPECT_EQ(DescribeEntry(Line("Armed Forces Day", "$2 6 5")),
              QStringLiteral("Armed Forces Day (3rd Sat of May)"));
    EXPECT_EQ(DescribeEntry(Line("   Padded   ", "%23456")),
              QStringLiteral("Padded (Mon,Tue,Wed,Thu,Fri)"));
    // A name of spaces only shows as an empty name.
    EXPECT_EQ(DescribeEntry(Line("     ", "@0401")), QStringLiteral(" (1st of April)"));
    // An unreadable field leaves the name and empty brackets.
    EXPECT_EQ(DescribeEntry(Line("Broken", "$a b c")), QStringLiteral("Broken ()"));
    EXPECT_EQ(DescribeEntry(Line("Victoria Day", "&0524<1")),
              QStringLiteral("Victoria Day (Mon on or before 24th of May)"));
}

TEST(RecurringDescription, OtherLinesShowTheirNameField)
{
    const QString easter = PadToWidth(QStringLiteral("Easter"), 120) + QStringLiteral("#EASTER");
    EXPECT_EQ(DescribeEntry(easter), PadToWidth(QStringLiteral("Easter"), 120));
    EXPECT_EQ(DescribeEntry(QStringLiteral("no formula")), QStringLiteral("no formula"));
    EXPECT_EQ(DescribeEntry(QString()), QString());
    EXPECT_EQ(DescribeEntry(PadToWidth(QStringLiteral("Odd"), 120) + QStringLiteral("!x")),
              PadToWidth(QStringLiteral("Odd"), 120));
}

TEST(RecurringDescription, HandEditedLinesNeverReadOutsideTheTables)
{
    // Short lines, non-numbers, out-of-range fields and binary bytes.
    const QString lines[] = {
        QString(120, u' ') + u'@',
        QString(120, u' ') + u'$',
        QString(120, u' ') + QStringLiteral("$99 99 99"),
        QString(120, u' ') + QStringLiteral("@-1-1"),
        QString(120, u' ') + QStringLiteral("%\x01\x02\xff"),
        QString(120, QChar(0)) + QStringLiteral("@\0\0\0\0"),
        QString(120, u' ') + QStringLiteral("&9999+99"),
        QString(500, QChar(0xff)),
    };
    for (const QString &line : lines) {
        const QString text = DescribeEntry(line);
        EXPECT_LE(text.size(), 130);
    }
}

TEST(RecurringDescription, NamesOfWeekdaysAndMonths)
{
    EXPECT_EQ(ShortWeekdayName(0), QStringLiteral("Sun"));
    EXPECT_EQ(ShortWeekdayName(6), QStringLiteral("Sat"));
    EXPECT_EQ(ShortWeekdayName(7), QString());
    EXPECT_EQ(ShortWeekdayName(-1), QString());
    EXPECT_EQ(MonthOrEachMonth(0), QStringLiteral("Each Month"));
    EXPECT_EQ(MonthOrEachMonth(12), QStringLiteral("December"));
    EXPECT_EQ(MonthOrEachMonth(13), QString());
}
