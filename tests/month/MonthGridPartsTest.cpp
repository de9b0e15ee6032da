#include "MonthGridParts.h"

#include "CalendarAttributes.h"
#include "PlannerLabels.h"

#include <gtest/gtest.h>

namespace {

TCalendarAttributes Named(int year, int month, int day)
{
    TCalendarAttributes attributes;
    attributes.Year = year;
    attributes.Month = month;
    attributes.Day = day;
    attributes.HeadersStyle = dsWhole;
    attributes.DayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    attributes.MonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return attributes;
}

struct FirstDateCase
{
    const char *name;
    int year, month, day;
    QDate first;
};

} // namespace

// Guards against a planner starting on the wrong day when its own day is not
// a date: the 1st of the month, or the 1st of January 2000 when the month is
// none either.
TEST(MonthGridParts, PlannersStartOnTheirDayOrTheFirstThatIsADate)
{
    const FirstDateCase cases[] = {
        {"set day", 2024, 2, 14, QDate(2024, 2, 14)},
        {"day never set", 2024, 2, 0, QDate(2024, 2, 1)},
        {"day past the month", 2023, 2, 30, QDate(2023, 2, 1)},
        {"no month", 2024, 0, 5, QDate(2000, 1, 1)},
        {"no year", 0, 3, 5, QDate(2000, 1, 1)},
    };
    for (const FirstDateCase &c : cases) {
        SCOPED_TRACE(c.name);
        const TCalendarAttributes attributes = Named(c.year, c.month, c.day);

        const TPlannerRows week = WeekPlannerRows(attributes, QString());
        ASSERT_EQ(week.RowLabels.size(), 8);
        EXPECT_EQ(week.RowLabels.first(), attributes.DayNames[size_t(SundayFirstIndex(c.first))]);
        EXPECT_EQ(week.DateLabels.first(), WeekPlannerDateLabel(c.first, attributes.MonthNames));
        EXPECT_EQ(week.Title, WeekPlannerTitle(c.first, c.first.addDays(6), attributes.MonthNames));

        const TPlannerRows day = DayPlannerRows(attributes, QString());
        EXPECT_EQ(day.Title, DayPlannerTitle(c.first, attributes.DayNames, attributes.MonthNames));
    }
}
