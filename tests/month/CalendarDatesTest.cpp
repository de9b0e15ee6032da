#include "CalendarDates.h"

#include <gtest/gtest.h>

TEST(CalendarDates, LeapYearsFollowTheGregorianRule)
{
    EXPECT_EQ(DaysInMonth(2, 2000), 29);
    EXPECT_EQ(DaysInMonth(2, 1900), 28);
    EXPECT_EQ(DaysInMonth(2, 1996), 29);
    EXPECT_EQ(DaysInMonth(2, 1997), 28);
    EXPECT_EQ(DaysInMonth(4, 1997), 30);
    EXPECT_EQ(DaysInMonth(12, 1997), 31);
    EXPECT_EQ(DaysInMonth(0, 1997), 0);
    EXPECT_EQ(DaysInMonth(13, 1997), 0);
}

TEST(CalendarDates, WeekdaysCountFromSunday)
{
    EXPECT_EQ(DayOfWeek(1, 12, 1997), 2); // a Monday
    EXPECT_EQ(DayOfWeek(1, 1, 2000), 7);  // a Saturday
    EXPECT_EQ(DayOfWeek(1, 1, 1970), 5);  // a Thursday
    EXPECT_EQ(DayOfWeek(1, 1, 1), 2);     // a Monday, proleptic Gregorian
    EXPECT_EQ(DayOfWeek(31, 12, 9999), 6);
}

TEST(CalendarDates, December1997WithSundayFirst)
{
    EXPECT_EQ(DayInCell(1, 12, 1997, 1), 0);
    EXPECT_EQ(DayInCell(2, 12, 1997, 1), 1);
    EXPECT_EQ(DayInCell(32, 12, 1997, 1), 31);
    for (int cell = 33; cell <= 42; ++cell)
        EXPECT_EQ(DayInCell(cell, 12, 1997, 1), 0) << cell;
}

TEST(CalendarDates, December1997WithMondayFirst)
{
    EXPECT_EQ(FirstColumn(12, 1997, 2), 1);
    EXPECT_EQ(DayInCell(1, 12, 1997, 2), 1);
    EXPECT_EQ(DayInCell(31, 12, 1997, 2), 31);
    EXPECT_EQ(DayInCell(32, 12, 1997, 2), 0);
    // Any start other than 1 means Monday first.
    EXPECT_EQ(DayInCell(1, 12, 1997, 7), 1);
}

TEST(CalendarDates, SundayIsTheLastColumnWithMondayFirst)
{
    // 1 June 1997 was a Sunday.
    EXPECT_EQ(FirstColumn(6, 1997, 1), 1);
    EXPECT_EQ(FirstColumn(6, 1997, 2), 7);
    EXPECT_EQ(DayInCell(7, 6, 1997, 2), 1);
}

TEST(CalendarDates, ThirtyOneDaysFromSaturdayUseTheSixthRow)
{
    // March 1997 began on a Saturday.
    ASSERT_EQ(FirstColumn(3, 1997, 1), 7);
    EXPECT_EQ(DayInCell(7, 3, 1997, 1), 1);
    EXPECT_EQ(DayInCell(36, 3, 1997, 1), 30);
    EXPECT_EQ(DayInCell(37, 3, 1997, 1), 31);
    EXPECT_EQ(DayInCell(38, 3, 1997, 1), 0);
}

TEST(CalendarDates, FebruaryCellsFollowLeapYears)
{
    // 1 February 2000 was a Tuesday, 1 February 1900 a Thursday.
    EXPECT_EQ(DayInCell(3 + 28, 2, 2000, 1), 29);
    EXPECT_EQ(DayInCell(3 + 29, 2, 2000, 1), 0);
    EXPECT_EQ(DayInCell(5 + 27, 2, 1900, 1), 28);
    EXPECT_EQ(DayInCell(5 + 28, 2, 1900, 1), 0);
}

TEST(CalendarDates, CellIndicesOutsideTheGridShowNothing)
{
    EXPECT_EQ(DayInCell(0, 12, 1997, 1), 0);
    EXPECT_EQ(DayInCell(43, 12, 1997, 1), 0);
    EXPECT_EQ(DayInCell(-100, 12, 1997, 1), 0);
    EXPECT_EQ(DayInCell(10, 0, 1997, 1), 0);
    EXPECT_EQ(DayInCell(10, 13, 1997, 1), 0);
}

TEST(CalendarDates, ShiftMonthCrossesYears)
{
    struct Case
    {
        int month, year, n;
        TMonthYear expected;
    };
    const Case cases[] = {
        {12, 1997, 1, {1, 1998}},   {12, 1997, -1, {11, 1997}}, {1, 1998, -1, {12, 1997}},
        {1, 1998, -6, {7, 1997}},   {12, 1997, 59, {11, 2002}}, {6, 2000, 0, {6, 2000}},
        {1, 2000, -25, {12, 1997}}, {3, 1, -3, {12, 0}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ShiftMonth(c.month, c.year, c.n), c.expected)
            << c.month << "/" << c.year << " " << c.n;
}
