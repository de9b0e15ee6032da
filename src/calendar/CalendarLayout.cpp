#include "CalendarLayout.h"

#include "CalendarDates.h"
#include "Numbers.h"

#include <algorithm>
#include <cmath>

namespace {

// Inches of paper: the short and the long side of Letter and A4.
constexpr double LetterShort = 8.5, LetterLong = 11.0;
constexpr double A4Short = 8.27, A4Long = 11.69;
// Extra margin that keeps the calendar clear of a border picture.
constexpr double BorderAllowance = 0.47;

// The geometry of the page: ppi, page size and the margins as sums formed in
// single precision, and the conversion of inches to pixels.
struct Geometry
{
    int ppi;
    int W, H;
    float L, T, R, B; // margins with the border allowance

    int In(float inches) const { return Trunc(double(ppi) * double(inches)); }
    // In(x + extra) with the sum rounded to single precision first.
    int InPlus(float inches, double extra) const { return In(float(double(inches) + extra)); }

    TRect StandardArea() const { return {In(L) + 2, In(T) + 2, W - In(R) - 2, H - In(B) - 2}; }
};

// A margin read from a damaged file could be anything: keep it to a range in
// which no pixel arithmetic can leave the int range.
float SaneMargin(float inches)
{
    if (std::isnan(inches))
        return 0.0f;
    return std::clamp(inches, -100.0f, 100.0f);
}

Geometry MakeGeometry(const TLayoutInput &input, TCalendarOrientation orientation)
{
    Geometry g{};
    g.ppi = input.Ppi > 0 ? std::min(input.Ppi, 10000) : 96;
    const bool a4 = input.PaperSize == 1;
    const int shortSide = Trunc(g.ppi * (a4 ? A4Short : LetterShort));
    const int longSide = Trunc(g.ppi * (a4 ? A4Long : LetterLong));
    g.W = orientation == coPortrait ? shortSide : longSide;
    g.H = orientation == coPortrait ? longSide : shortSide;
    const double extra = input.HasBorder ? BorderAllowance : 0.0;
    g.L = float(double(SaneMargin(input.LeftMarginInch)) + extra);
    g.T = float(double(SaneMargin(input.TopMarginInch)) + extra);
    g.R = float(double(SaneMargin(input.RightMarginInch)) + extra);
    g.B = float(double(SaneMargin(input.BottomMarginInch)) + extra);
    return g;
}

TRect BorderRectOf(const TLayoutInput &input, const Geometry &g)
{
    return {g.In(SaneMargin(input.LeftMarginInch)), g.In(SaneMargin(input.TopMarginInch)),
            g.W - g.In(SaneMargin(input.RightMarginInch)),
            g.H - g.In(SaneMargin(input.BottomMarginInch))};
}

void SetMiniMonths(TLayoutResult &result, const TLayoutInput &input, int firstIndex, int lastIndex,
                   int firstShift)
{
    for (int k = firstIndex; k <= lastIndex; ++k)
        result.MiniMonths[k - 1] =
            ShiftMonth(input.MainCalMonth, input.MainCalYear, firstShift + k - firstIndex);
}

// Two minis in the corners of the title band: the month before and after.
void LayoutMinisInTitle(TLayoutResult &result, const TLayoutInput &input, const Geometry &g)
{
    const TRect a = g.StandardArea();
    const int k8 = g.ppi / 8;
    const int s15 = Trunc(g.ppi * 1.5);
    result.MainRect = a;
    result.MiniCount = 2;
    result.MiniRects[0] = {a.Left + k8, a.Top + k8, a.Left + s15 - k8, a.Top + s15 - k8};
    result.MiniRects[1] = {a.Right - s15 + k8, a.Top + k8, a.Right - k8, a.Top + s15 - k8};
    result.MiniMonths[0] = ShiftMonth(input.MainCalMonth, input.MainCalYear, -1);
    result.MiniMonths[1] = ShiftMonth(input.MainCalMonth, input.MainCalYear, 1);
}

// Six minis before the month grid and six after it.
void LayoutSixBeforeSixAfter(TLayoutResult &result, const TLayoutInput &input, const Geometry &g,
                             bool landscape)
{
    const int l = g.In(g.L), t = g.In(g.T), r = g.In(g.R), b = g.In(g.B);
    if (landscape) {
        const int l13 = g.InPlus(g.L, 1.3), r13 = g.InPlus(g.R, 1.3);
        result.MainRect = {l13 + 4, t + 2, g.W - r13 - 4, g.H - b - 2};
        DivideGrid(result, {l + 2, t + 2, l13, g.H - b - 2}, 6, 1, 1, 6);
        DivideGrid(result, {g.W - r13 + 2, t + 2, g.W - r - 2, g.H - b - 2}, 6, 1, 7, 12);
    } else {
        const int t13 = g.InPlus(g.T, 1.3), b13 = g.InPlus(g.B, 1.3);
        result.MainRect = {l + 2, t13 + 2, g.W - r - 2, g.H - b13 - 2};
        DivideGrid(result, {l + 2, t + 2, g.W - r - 2, t13 - 2}, 1, 6, 1, 6);
        DivideGrid(result, {l + 2, g.H - b13 + 2, g.W - r - 2, g.H - b - 2}, 1, 6, 7, 12);
    }
    result.MiniCount = 12;
    SetMiniMonths(result, input, 1, 6, -6);
    SetMiniMonths(result, input, 7, 12, 1);
}

// Twelve minis of the months after the month grid.
void LayoutTwelveAfter(TLayoutResult &result, const TLayoutInput &input, const Geometry &g,
                       bool landscape)
{
    const int l = g.In(g.L), t = g.In(g.T), r = g.In(g.R), b = g.In(g.B);
    if (landscape) {
        result.MainRect = {l + 2, t + 2, g.W - g.InPlus(g.R, 2.9) + 8, g.H - b - 2};
        DivideGrid(result, {g.W - g.InPlus(g.R, 2.8) + 2, t + 2, g.W - r - 4, g.H - b - 2}, 6, 2, 1,
                   12);
    } else {
        result.MainRect = {l + 2, t + 2, g.W - r - 2, g.H - g.InPlus(g.B, 2.9) - 2};
        DivideGrid(result, {l + 2, g.H - g.InPlus(g.B, 2.8) + 2, g.W - r - 2, g.H - b - 4}, 2, 6, 1,
                   12);
    }
    result.MiniCount = 12;
    SetMiniMonths(result, input, 1, 12, 1);
}

// The pages of minis only: count, portrait grid and mini title size.
struct MiniPage
{
    int count, rows, columns, fontSize;
};
constexpr std::array<MiniPage, 5> MiniPages{{
    {6, 3, 2, 18},
    {12, 4, 3, 18},
    {24, 6, 4, 12},
    {48, 8, 6, 10},
    {60, 10, 6, 8},
}};

void LayoutMiniPage(TLayoutResult &result, const TLayoutInput &input, const Geometry &g,
                    const MiniPage &page, bool landscape)
{
    const int rows = landscape ? page.columns : page.rows;
    const int columns = landscape ? page.rows : page.columns;
    DivideGrid(result, g.StandardArea(), rows, columns, 1, page.count);
    result.MiniCount = page.count;
    SetMiniMonths(result, input, 1, page.count, 0);
    result.MiniFontSize = page.fontSize;
}

void SetFlags(TLayoutResult &result, bool monthGrid, bool minis, bool planner)
{
    result.ShowMonthGrid = monthGrid;
    result.ShowMinis = minis;
    result.ShowPlanner = planner;
}

} // namespace

TCalendarOrientation OrientationOfLayout(TCalendarLayout layout)
{
    const int value = int(layout);
    return value >= 1 && value <= 17 && value % 2 == 1 ? coLandscape : coPortrait;
}

int MiniSmallFontSize(int miniTitleSize)
{
    return Trunc(miniTitleSize * 0.8);
}

void DivideGrid(TLayoutResult &result, const TRect &area, int rows, int columns, int firstIndex,
                int lastIndex)
{
    if (rows < 1 || columns < 1)
        return;
    const int gapY = Trunc(area.Height() * 0.01);
    const int gapX = Trunc(area.Width() * 0.01);
    const int cellH = (area.Height() - gapY * (rows - 1)) / rows;
    const int cellW = (area.Width() - gapX * (columns - 1)) / columns;
    int k = firstIndex;
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j) {
            if (k < 1 || k > std::min(lastIndex, MaxMinis))
                return;
            const int left = j == columns - 1 ? area.Right - cellW : area.Left + j * (gapX + cellW);
            const int top = i == rows - 1 ? area.Bottom - cellH : area.Top + i * (gapY + cellH);
            result.MiniRects[k - 1] = {left, top, left + cellW, top + cellH};
            ++k;
        }
    }
}

void LayoutCalendar(const TLayoutInput &input, TLayoutResult &result)
{
    if (!InEnumRange(input.Layout, loDay15))
        return;
    result.Orientation = OrientationOfLayout(input.Layout);
    const Geometry g = MakeGeometry(input, result.Orientation);
    result.PageWidth = g.W;
    result.PageHeight = g.H;
    result.BorderRect = BorderRectOf(input, g);
    result.MiniFontSize = 0;

    const bool landscape = result.Orientation == coLandscape;
    switch (input.Layout) {
    case loFullCalendar:
    case LOFullCalendarLS:
        SetFlags(result, true, false, false);
        result.MainRect = g.StandardArea();
        break;
    case loFCMinisInTitle:
    case loFCMinisInTitleLS:
        SetFlags(result, true, true, false);
        LayoutMinisInTitle(result, input, g);
        result.MiniFontSize = 10;
        break;
    case loFC6Before6After:
    case loFC6Before6AfterLS:
        SetFlags(result, true, true, false);
        LayoutSixBeforeSixAfter(result, input, g, landscape);
        result.MiniFontSize = 10;
        break;
    case loFC12After:
    case loFC12AfterLS:
        SetFlags(result, true, true, false);
        LayoutTwelveAfter(result, input, g, landscape);
        result.MiniFontSize = 10;
        break;
    case loWeek:
    case lo2Week:
    case loDay10:
    case loDay15:
        SetFlags(result, false, false, true);
        result.MainRect = g.StandardArea();
        break;
    default:
        SetFlags(result, false, true, false);
        LayoutMiniPage(result, input, g, MiniPages[(input.Layout - lopMC6Month) / 2], landscape);
        break;
    }
}
