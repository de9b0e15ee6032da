#include "CalendarLayout.h"

#include "CalendarDates.h"

#include <gtest/gtest.h>

namespace {

TLayoutInput Input(TCalendarLayout layout, int paper = 0, float margin = 0.25f, bool border = false)
{
    TLayoutInput input;
    input.Layout = layout;
    input.PaperSize = paper;
    input.LeftMarginInch = input.TopMarginInch = margin;
    input.RightMarginInch = input.BottomMarginInch = margin;
    input.HasBorder = border;
    input.MainCalMonth = 12;
    input.MainCalYear = 1997;
    return input;
}

TLayoutResult Laid(const TLayoutInput &input)
{
    TLayoutResult result;
    LayoutCalendar(input, result);
    return result;
}

TRect StandardArea(const TLayoutResult &r, const TLayoutInput &input)
{
    const float extra = input.HasBorder ? 0.47f : 0.0f;
    const int margin = int(input.Ppi * double(float(input.LeftMarginInch + double(extra))));
    return {margin + 2, margin + 2, r.PageWidth - margin - 2, r.PageHeight - margin - 2};
}

bool Inside(const TRect &inner, const TRect &outer)
{
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom;
}

// How many months from the main month mini k shows.
int MonthOffset(int layout, int k)
{
    if (layout <= loFCMinisInTitleLS)
        return k == 1 ? -1 : 1;
    if (layout <= loFC6Before6AfterLS)
        return k <= 6 ? k - 7 : k - 6;
    if (layout <= loFC12AfterLS)
        return k;
    return k - 1;
}

bool Overlap(const TRect &a, const TRect &b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

} // namespace

TEST(CalendarLayout, PageSizesAt96Ppi)
{
    EXPECT_EQ(Laid(Input(loFullCalendar, 0)).PageWidth, 816);
    EXPECT_EQ(Laid(Input(loFullCalendar, 0)).PageHeight, 1056);
    EXPECT_EQ(Laid(Input(LOFullCalendarLS, 0)).PageWidth, 1056);
    EXPECT_EQ(Laid(Input(LOFullCalendarLS, 0)).PageHeight, 816);
    EXPECT_EQ(Laid(Input(loFullCalendar, 1)).PageWidth, 793);
    EXPECT_EQ(Laid(Input(loFullCalendar, 1)).PageHeight, 1122);
    EXPECT_EQ(Laid(Input(LOFullCalendarLS, 1)).PageWidth, 1122);
    EXPECT_EQ(Laid(Input(LOFullCalendarLS, 1)).PageHeight, 793);
}

TEST(CalendarLayout, PageSizesTruncateAt120Ppi)
{
    TLayoutInput input = Input(LOFullCalendarLS, 1);
    input.Ppi = 120;
    const TLayoutResult r = Laid(input);
    EXPECT_EQ(r.PageWidth, 1402); // 11.69 x 120 = 1402.8
    EXPECT_EQ(r.PageHeight, 992); // 8.27 x 120 = 992.4
    EXPECT_EQ(r.MainRect, (TRect{32, 32, 1402 - 32, 992 - 32}));
}

TEST(CalendarLayout, MinisInTheTitleOfTheLandscapeMainPage)
{
    const TLayoutResult r = Laid(Input(loFCMinisInTitleLS));
    EXPECT_EQ(r.Orientation, coLandscape);
    EXPECT_EQ(r.MainRect, (TRect{26, 26, 1030, 790}));
    EXPECT_EQ(r.MiniCount, 2);
    EXPECT_EQ(r.MiniRects[0], (TRect{38, 38, 158, 158}));
    EXPECT_EQ(r.MiniRects[1], (TRect{898, 38, 1018, 158}));
    EXPECT_EQ(r.MiniMonths[0], (TMonthYear{11, 1997}));
    EXPECT_EQ(r.MiniMonths[1], (TMonthYear{1, 1998}));
    EXPECT_EQ(r.MiniFontSize, 10);
    EXPECT_TRUE(r.ShowMonthGrid && r.ShowMinis && !r.ShowPlanner);
}

TEST(CalendarLayout, HalfInchMarginsOnLetterPortrait)
{
    const TLayoutResult r = Laid(Input(loFullCalendar, 0, 0.5f));
    EXPECT_EQ(r.MainRect, (TRect{50, 50, 766, 1006}));
    EXPECT_EQ(r.BorderRect, (TRect{48, 48, 768, 1008}));
}

TEST(CalendarLayout, ABorderWidensTheMarginsButNotTheBorderRect)
{
    const TLayoutResult r = Laid(Input(LOFullCalendarLS, 0, 0.25f, true));
    EXPECT_EQ(r.MainRect, (TRect{71, 71, 1056 - 71, 816 - 71}));
    EXPECT_EQ(r.BorderRect, (TRect{24, 24, 1056 - 24, 816 - 24}));
}

TEST(CalendarLayout, SixMinisOnLetterPortrait)
{
    const TLayoutResult r = Laid(Input(lopMC6Month));
    EXPECT_EQ(r.MiniCount, 6);
    EXPECT_EQ(r.MiniRects[0], (TRect{26, 26, 404, 354}));
    EXPECT_EQ(r.MiniRects[1], (TRect{412, 26, 790, 354}));
    EXPECT_EQ(r.MiniRects[5], (TRect{412, 702, 790, 1030}));
    EXPECT_EQ(r.MiniFontSize, 18);
    EXPECT_TRUE(!r.ShowMonthGrid && r.ShowMinis && !r.ShowPlanner);
}

TEST(CalendarLayout, SixBeforeForJanuaryShowsTheSecondHalfOfTheYearBefore)
{
    TLayoutInput input = Input(loFC6Before6After);
    input.MainCalMonth = 1;
    input.MainCalYear = 1998;
    const TLayoutResult r = Laid(input);
    ASSERT_EQ(r.MiniCount, 12);
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(r.MiniMonths[k - 1], (TMonthYear{6 + k, 1997})) << k;
    for (int k = 7; k <= 12; ++k)
        EXPECT_EQ(r.MiniMonths[k - 1], (TMonthYear{k - 5, 1998})) << k;
}

TEST(CalendarLayout, SixBeforeSixAfterStrips)
{
    const TLayoutResult portrait = Laid(Input(loFC6Before6After));
    // In(0.25 + 1.3) = 148: the grid starts below the strip of six minis.
    EXPECT_EQ(portrait.MainRect, (TRect{26, 150, 790, 1056 - 150}));
    EXPECT_EQ(portrait.MiniRects[0].Top, 26);
    EXPECT_EQ(portrait.MiniRects[5].Bottom, 146);
    EXPECT_EQ(portrait.MiniRects[6].Top, 1056 - 148 + 2);

    const TLayoutResult landscape = Laid(Input(loFC6Before6AfterLS));
    EXPECT_EQ(landscape.MainRect, (TRect{152, 26, 1056 - 152, 790}));
    EXPECT_EQ(landscape.MiniRects[5].Right, 148);
    EXPECT_EQ(landscape.MiniRects[6].Left, 1056 - 148 + 2);
}

TEST(CalendarLayout, TwelveAfterKeepsItsOwnConstants)
{
    const TLayoutResult landscape = Laid(Input(loFC12AfterLS));
    EXPECT_EQ(landscape.MainRect.Right, 1056 - 294);
    EXPECT_EQ(landscape.MiniRects[0].Left, 1056 - 290);
    EXPECT_EQ(landscape.MiniRects[11].Right, 1056 - 24 - 4);
    EXPECT_EQ(landscape.MiniMonths[0], (TMonthYear{1, 1998}));
    EXPECT_EQ(landscape.MiniMonths[11], (TMonthYear{12, 1998}));

    const TLayoutResult portrait = Laid(Input(loFC12After));
    EXPECT_EQ(portrait.MainRect.Bottom, 1056 - 302 - 2);
    EXPECT_EQ(portrait.MiniRects[0].Top, 1056 - 292 + 2);
    EXPECT_EQ(portrait.MiniRects[11].Bottom, 1056 - 24 - 4);
}

TEST(CalendarLayout, SixtyMinisFromDecember1997EndInNovember2002)
{
    const TLayoutResult r = Laid(Input(loMC60Month));
    EXPECT_EQ(r.MiniCount, 60);
    EXPECT_EQ(r.MiniMonths[0], (TMonthYear{12, 1997}));
    EXPECT_EQ(r.MiniMonths[59], (TMonthYear{11, 2002}));
    EXPECT_EQ(r.MiniFontSize, 8);
    EXPECT_EQ(MiniSmallFontSize(8), 6);
}

TEST(CalendarLayout, LayoutsWithoutMinisKeepTheLastMinis)
{
    TLayoutResult r;
    LayoutCalendar(Input(loMC24Month), r);
    const auto minis = r.MiniRects;
    LayoutCalendar(Input(loFullCalendar), r);
    EXPECT_EQ(r.MiniCount, 24);
    EXPECT_EQ(r.MiniRects, minis);
    EXPECT_FALSE(r.ShowMinis);
    EXPECT_EQ(r.MiniFontSize, 0);
}

TEST(CalendarLayout, MiniPagesKeepTheLastMainRect)
{
    TLayoutResult r;
    LayoutCalendar(Input(loFC12After), r);
    const TRect main = r.MainRect;
    LayoutCalendar(Input(loMC12Month), r);
    EXPECT_EQ(r.MainRect, main);
    EXPECT_FALSE(r.ShowMonthGrid);
}

TEST(CalendarLayout, MiniFontSizesPerLayout)
{
    EXPECT_EQ(MiniSmallFontSize(10), 8);
    EXPECT_EQ(MiniSmallFontSize(18), 14);
    EXPECT_EQ(MiniSmallFontSize(12), 9);
    EXPECT_EQ(Laid(Input(loMC24MonthLS)).MiniFontSize, 12);
    EXPECT_EQ(Laid(Input(loMC48Month)).MiniFontSize, 10);
    EXPECT_EQ(Laid(Input(loWeek)).MiniFontSize, 0);
}

TEST(CalendarLayout, DivideGridStopsAtTheLastIndex)
{
    TLayoutResult r;
    DivideGrid(r, {0, 0, 100, 100}, 2, 2, 59, 60);
    EXPECT_EQ(r.MiniRects[58], (TRect{0, 0, 49, 49}));
    EXPECT_EQ(r.MiniRects[59], (TRect{51, 0, 100, 49}));
    EXPECT_EQ(r.MiniRects[0], TRect{});
}

TEST(CalendarLayout, DamagedMarginsGiveRectanglesNotCrashes)
{
    const float damaged[] = {std::numeric_limits<float>::quiet_NaN(),
                             std::numeric_limits<float>::infinity(), -1e30f, 1e30f, 50.0f};
    for (float margin : damaged) {
        for (int layout = 0; layout < CalendarLayoutCount; ++layout) {
            const TLayoutResult r = Laid(Input(TCalendarLayout(layout), 0, margin, true));
            EXPECT_EQ(r.PageWidth, layout % 2 == 1 && layout < 18 ? 1056 : 816);
        }
    }
}

TEST(CalendarLayout, AValueOutsideTheLayoutsChangesNothing)
{
    TLayoutResult r;
    LayoutCalendar(Input(TCalendarLayout(22)), r);
    LayoutCalendar(Input(TCalendarLayout(-1)), r);
    EXPECT_EQ(r.PageWidth, 0);
}

// Every layout on both papers, with and without a border: the minis lie in
// the standard area and on the page, do not overlap each other or the grid,
// fill their grid to its right and bottom edges, and show consecutive months.
class EveryLayout : public testing::TestWithParam<std::tuple<int, int, bool>>
{};

TEST_P(EveryLayout, KeepsItsInvariants)
{
    const auto [layout, paper, border] = GetParam();
    const TLayoutInput input = Input(TCalendarLayout(layout), paper, 0.25f, border);
    const TLayoutResult r = Laid(input);
    const TRect page{0, 0, r.PageWidth, r.PageHeight};
    const TRect area = StandardArea(r, input);

    EXPECT_EQ(r.Orientation, OrientationOfLayout(TCalendarLayout(layout)));
    EXPECT_EQ(r.PageWidth > r.PageHeight, r.Orientation == coLandscape);
    EXPECT_EQ(r.ShowMonthGrid, layout <= loFC12AfterLS);
    EXPECT_EQ(r.ShowPlanner, layout >= loWeek);
    if (r.ShowMonthGrid || r.ShowPlanner) {
        EXPECT_TRUE(Inside(r.MainRect, area));
        EXPECT_GT(r.MainRect.Width(), 0);
        EXPECT_GT(r.MainRect.Height(), 0);
    }
    if (!r.ShowMinis)
        return;

    const bool miniPage = !r.ShowMonthGrid;
    int right = 0, bottom = 0;
    for (int k = 1; k <= r.MiniCount; ++k) {
        const TRect &mini = r.MiniRects[k - 1];
        EXPECT_TRUE(Inside(mini, area)) << "mini " << k;
        EXPECT_TRUE(Inside(mini, page)) << "mini " << k;
        EXPECT_GT(mini.Width(), 0) << "mini " << k;
        EXPECT_GT(mini.Height(), 0) << "mini " << k;
        for (int other = k + 1; other <= r.MiniCount; ++other)
            EXPECT_FALSE(Overlap(mini, r.MiniRects[other - 1])) << k << " and " << other;
        if (r.MiniCount == 12) {
            EXPECT_FALSE(Overlap(mini, r.MainRect)) << "mini " << k << " and the grid";
        }
        right = std::max(right, mini.Right);
        bottom = std::max(bottom, mini.Bottom);
    }
    if (miniPage) {
        EXPECT_EQ(right, area.Right);
        EXPECT_EQ(bottom, area.Bottom);
        EXPECT_EQ(r.MiniMonths[0], (TMonthYear{12, 1997}));
    }
    // Months run on from mini to mini; the grid's own month sits between the
    // minis before it and those after it.
    for (int k = 1; k <= r.MiniCount; ++k)
        EXPECT_EQ(r.MiniMonths[k - 1], ShiftMonth(12, 1997, MonthOffset(layout, k))) << k;
}

INSTANTIATE_TEST_SUITE_P(AllLayouts, EveryLayout,
                         testing::Combine(testing::Range(0, CalendarLayoutCount),
                                          testing::Values(0, 1), testing::Bool()));
