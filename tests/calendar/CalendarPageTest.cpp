#include "Numbers.h"
#include "PageProbe.h"
#include "StoredPageValues.h"
#include "TestObject.h"

#include <QTextDocument>

#include <gtest/gtest.h>

#include <limits>

namespace {

TWPRtfStorage Document(const QString &text)
{
    TWPRtfStorage storage;
    storage.RtfText().Document().setPlainText(text);
    return storage;
}

QString TextOf(const TWPRtfStorage &storage)
{
    return storage.RtfText().Document().toPlainText();
}

// Gives cell index a rectangle as the drawing would record it.
void PlaceCell(TCalendarPage &page, int index, TRect total, TRect free)
{
    TCellGeometry &cell = page.MainAttributes().CellGeometry[index - 1];
    cell.rTotal = total;
    cell.rFree = free;
}

struct CellEvent
{
    int calls = 0;
    int cell = 0;
    int day = 0;
    TRect total;
    TRect free;
};

void Listen(TCalendarPage &page, CellEvent &event)
{
    page.ClickedInCellEvent = [&event](const TRect &rTotal, const TRect &rFree, int iCell, int iDay,
                                       TWPRtfStorage &) {
        ++event.calls;
        event.cell = iCell;
        event.day = iDay;
        event.total = rTotal;
        event.free = rFree;
    };
}

} // namespace

TEST(CalendarPage, CreationDefaults)
{
    const TCalendarPage page;
    EXPECT_EQ(page.CalendarOrientation(), coPortrait);
    EXPECT_EQ(page.CalendarLayout(), loFullCalendar);
    EXPECT_EQ(page.CalendarLineLayout(), llFull);
    EXPECT_EQ(page.MiniCalendarLineLayout(), mllFull);
    EXPECT_EQ(page.TitleFont(),
              (TFontDesc{"Times New Roman", 26, TFontStyle::fsBold, clWindowText}));
    EXPECT_EQ(page.HeadersFont().Size, 16);
    EXPECT_EQ(page.CellFont().Size, 16);
    EXPECT_EQ(page.MiniTitleFont(),
              (TFontDesc{"Times New Roman", 6, TFontStyle::fsBold, clWindowText}));
    EXPECT_EQ(page.MiniHeadersFont(), (TFontDesc{"Times New Roman", 8, {}, clWhite}));
    EXPECT_EQ(page.MiniCellFont().Size, 6);
    EXPECT_EQ(page.LeftMarginInch(), 0.25f);
    EXPECT_EQ(page.MiniCellBorder(), cbNone);
    EXPECT_EQ(page.MiniHeadersBorder(), cbBottom);
    EXPECT_EQ(page.MainCalDay(), 0);
    EXPECT_EQ(page.MainCalMonth(), 1);
    EXPECT_EQ(page.MainCalYear(), 1997);
    EXPECT_EQ(page.HeadersStyle(), dsThreeChars);
    EXPECT_EQ(page.NumberPosition(), cnpUpperRight);
    EXPECT_EQ(page.PaperSize(), 0);
    EXPECT_EQ(page.PlannerStartTime(), QTime(8, 0));
    EXPECT_TRUE(page.Pointing());
    EXPECT_EQ(page.Zoom(), 1.0f);
    EXPECT_EQ(page.Width(), 816);
    EXPECT_EQ(page.Height(), 1056);
    EXPECT_EQ(page.GetMonthName(1), "January");
    EXPECT_EQ(page.GetDayName(1), "Sunday");
    EXPECT_EQ(page.GetDayName(7), "Saturday");
    EXPECT_FALSE(page.HasCellContent());
}

TEST(CalendarPage, MainPageValues)
{
    TCalendarPage page;
    ApplyMainPageValues(page);
    EXPECT_EQ(page.CalendarLayout(), loFCMinisInTitleLS);
    EXPECT_EQ(page.CalendarOrientation(), coLandscape);
    EXPECT_EQ(page.TitleFont(), (TFontDesc{"Times New Roman", 26, TFontStyle::fsBold, clBlack}));
    EXPECT_EQ(page.HeadersFont().Size, 16);
    EXPECT_EQ(page.MiniTitleFont(),
              (TFontDesc{"Times New Roman", 10, TFontStyle::fsBold, clWindowText}));
    EXPECT_EQ(page.MiniHeadersFont(), (TFontDesc{"Times New Roman", 8, {}, clWhite}));
    EXPECT_EQ(page.MiniCellBorder(), cbAll);
    EXPECT_EQ(page.MiniHeadersBGColor(), clBlack);
    EXPECT_EQ(page.MainCalMonth(), 12);
    EXPECT_EQ(page.HeadersStyle(), dsWhole);
    EXPECT_EQ(page.MainRect(), (TRect{26, 26, 1030, 790}));

    TCalendarPage example;
    ApplyExamplePageValues(example);
    EXPECT_EQ(example.TitleFont().Size, 48);
    EXPECT_TRUE(example.SameStyle(page)); // font sizes are not compared
}

TEST(CalendarPage, SettersActOnlyOnChange)
{
    PageProbe page;
    page.ResetCounts();
    page.SetTitleBGColor(clWhite);
    page.SetMainCalMonth(1);
    page.SetTitleFont(page.TitleFont());
    page.SetLeftMarginInch(0.25f);
    page.SetUserTitle(QString());
    EXPECT_EQ(page.repaints, 0);
    EXPECT_EQ(page.relayouts, 0);

    page.SetTitleBGColor(clRed);
    page.SetStartOfWeek(2);
    page.SetHeadersStyle(dsWhole);
    page.SetUserTitle("Family");
    EXPECT_EQ(page.repaints, 4);
    EXPECT_EQ(page.relayouts, 0);

    page.ResetCounts();
    page.SetLeftMarginInch(0.5f);
    page.SetMainCalMonth(6);
    page.SetPaperSize(1);
    page.SetPlannerStartTime(QTime(9, 0));
    EXPECT_EQ(page.relayouts, 4);
    EXPECT_EQ(page.MainRect().Left, 50);
    EXPECT_EQ(page.PageWidth(), 793);
}

TEST(CalendarPage, ImpossibleValuesAreIgnored)
{
    PageProbe page;
    page.ResetCounts();
    page.SetCalendarLayout(TCalendarLayout(22));
    page.SetCalendarLayout(TCalendarLayout(-1));
    page.SetCalendarOrientation(TCalendarOrientation(2));
    page.SetCalendarLineLayout(TCalendarLineLayout(9));
    page.SetCellBorder(TCalBorderStyle(5));
    page.SetHeadersStyle(TCalHeadersStyle(-3));
    page.SetMainCalMonth(0);
    page.SetMainCalMonth(13);
    page.SetMainCalYear(0);
    page.SetMainCalYear(10000);
    page.SetMainCalDay(32);
    page.SetMainCalDay(-1);
    page.SetPaperSize(2);
    page.SetPlannerStartTime(QTime());
    page.SetLeftMarginInch(std::numeric_limits<float>::quiet_NaN());
    page.SetTopMarginInch(std::numeric_limits<float>::infinity());
    EXPECT_EQ(page.repaints + page.relayouts, 0);
    EXPECT_EQ(page.CalendarLayout(), loFullCalendar);
    EXPECT_EQ(page.MainCalMonth(), 1);
    EXPECT_EQ(page.LeftMarginInch(), 0.25f);
}

TEST(CalendarPage, OrientationFollowsTheLayout)
{
    TCalendarPage page;
    page.SetCalendarOrientation(coLandscape);
    EXPECT_EQ(page.CalendarOrientation(), coPortrait);
    page.SetCalendarLayout(loMC12MonthLS);
    EXPECT_EQ(page.CalendarOrientation(), coLandscape);
    page.SetCalendarLayout(loDay15);
    EXPECT_EQ(page.CalendarOrientation(), coPortrait);
}

TEST(CalendarPage, LineLayoutsSetTheBorders)
{
    TCalendarPage page;
    page.SetCalendarLineLayout(llCellsOnly);
    EXPECT_EQ(page.CalendarBorder(), cbNone);
    EXPECT_EQ(page.HeadersBorder(), cbNone);
    EXPECT_EQ(page.CellBorder(), cbAll);
    page.SetCalendarLineLayout(llHeadersAndCells);
    EXPECT_EQ(page.HeadersBorder(), cbAll);
    page.SetMiniCalendarLineLayout(mllBoxed);
    EXPECT_EQ(page.MiniCalBorder(), cbAll);
    EXPECT_EQ(page.MiniCellBorder(), cbNone);
    EXPECT_EQ(page.MiniHeadersBorder(), cbTopBottom);
    page.SetMiniCalendarLineLayout(mllMinimal);
    EXPECT_EQ(page.MiniCalBorder(), cbNone);
    EXPECT_EQ(page.MiniHeadersBorder(), cbTop);
    // Borders set one by one need not agree with the line layout.
    page.SetMiniCalBorder(cbBottom);
    EXPECT_EQ(page.MiniCalendarLineLayout(), mllMinimal);
}

TEST(CalendarPage, December1997CellsForBothWeekStarts)
{
    TCalendarPage page;
    ApplyMainPageValues(page);
    EXPECT_EQ(page.CellDay(1), 0);
    EXPECT_EQ(page.CellDay(2), 1);
    EXPECT_EQ(page.CellDay(32), 31);
    EXPECT_EQ(page.CellDay(33), 0);
    EXPECT_EQ(page.CellOfDay(1), 2);
    page.SetStartOfWeek(2);
    EXPECT_EQ(page.CellDay(1), 1);
    EXPECT_EQ(page.CellOfDay(31), 31);
}

TEST(CalendarPage, CellOfAMissingDay)
{
    TCalendarPage page;
    page.SetMainCalMonth(11); // November has 30 days
    EXPECT_EQ(page.CellOfDay(31), -1);
    EXPECT_EQ(page.CellOfDay(30), page.CellOfDay(1) + 29);
    EXPECT_EQ(page.CellDay(0), 0);
    EXPECT_EQ(page.CellDay(43), 0);
}

TEST(CalendarPage, CellTextsAndTheirIndices)
{
    PageProbe page;
    page.ResetCounts();
    page.SetCellText(5, Document("five"));
    EXPECT_EQ(page.repaints, 1);
    EXPECT_TRUE(page.HasCellContent());

    TWPRtfStorage out = Document("default");
    page.GetCellText(0, out);
    page.GetCellText(43, out);
    EXPECT_EQ(TextOf(out), "default");
    page.GetCellText(5, out);
    EXPECT_EQ(TextOf(out), "five");

    page.ResetCounts();
    page.SetCellText(0, Document("x"));
    page.SetCellText(43, Document("x"));
    EXPECT_EQ(page.repaints, 0);

    PlaceCell(page, 5, {10, 10, 20, 20}, {10, 12, 20, 20});
    page.ClearCells();
    EXPECT_FALSE(page.HasCellContent());
    EXPECT_TRUE(page.MainAttributes().CellGeometry[4].rTotal.IsZero());
    EXPECT_TRUE(page.MainAttributes().CellGeometry[4].rFree.IsZero());
    EXPECT_TRUE(page.BlankCell().IsEmpty());
}

TEST(CalendarPage, NamesOutsideTheirRangeAreIgnored)
{
    TCalendarPage page;
    page.SetMonthName(0, "Nothing");
    page.SetMonthName(13, "Nothing");
    page.SetDayName(8, "Nothing");
    page.SetMonthName(12, "Dezember");
    page.SetDayName(6, "Freitag ");
    EXPECT_EQ(page.GetMonthName(12), "Dezember");
    EXPECT_EQ(page.GetDayName(6), "Freitag ");
    EXPECT_EQ(page.GetMonthName(0, "kept"), "kept");
    EXPECT_EQ(page.GetDayName(8, "kept"), "kept");
    EXPECT_EQ(page.GetMonthName(13), QString());
}

TEST(CalendarPage, ClicksFindTheFirstCellContainingThePoint)
{
    TCalendarPage page;
    page.SetMainCalMonth(12);
    CellEvent event;
    Listen(page, event);
    PlaceCell(page, 2, {100, 100, 200, 150}, {100, 120, 200, 150});
    PlaceCell(page, 3, {100, 100, 300, 150}, {});

    EXPECT_EQ(page.CellAt(150, 110), 2);
    EXPECT_EQ(page.CellAt(250, 110), 3);
    EXPECT_EQ(page.CellAt(200, 110), 3); // right edges are exclusive
    EXPECT_EQ(page.CellAt(50, 50), 0);
    EXPECT_FALSE(page.PointInCell(50, 50));

    page.ClickCellAt(150, 110);
    EXPECT_EQ(event.calls, 1);
    EXPECT_EQ(event.cell, 2);
    EXPECT_EQ(event.day, 1);
    EXPECT_EQ(event.total, (TRect{100, 100, 200, 150}));
    EXPECT_EQ(event.free, (TRect{100, 120, 200, 150}));
    page.ClickCellAt(50, 50);
    page.RaiseCellEvent(0);
    page.RaiseCellEvent(43);
    EXPECT_EQ(event.calls, 1);
    page.RaiseCellEvent(3);
    EXPECT_EQ(event.cell, 3);
}

TEST(CalendarPage, TheCellEventHandsOverTheCellsOwnDocument)
{
    TCalendarPage page;
    page.ClickedInCellEvent = [](const TRect &, const TRect &, int, int, TWPRtfStorage &storage) {
        storage.RtfText().Document().setPlainText("edited");
    };
    PlaceCell(page, 7, {0, 0, 10, 10}, {0, 0, 10, 10});
    page.ClickCellAt(5, 5);
    TWPRtfStorage out;
    page.GetCellText(7, out);
    EXPECT_EQ(TextOf(out), "edited");
}

TEST(CalendarPage, KeyboardNavigationBetweenCells)
{
    TCalendarPage page;
    CellEvent event;
    Listen(page, event);
    for (int index = 1; index <= CellCount; ++index)
        PlaceCell(page, index, {index, 0, index + 1, 1}, {index, 0, index + 1, 1});

    page.MoveToNextCell(42);
    page.MoveToPreviousCell(1);
    page.MoveToNextCell(0);
    page.MoveToPreviousCell(43);
    EXPECT_EQ(event.calls, 0);

    page.MoveToNextCell(5);
    EXPECT_EQ(event.cell, 6);
    page.MoveToPreviousCell(5);
    EXPECT_EQ(event.cell, 4);
    EXPECT_EQ(event.calls, 2);

    PlaceCell(page, 10, {10, 0, 11, 1}, {});
    page.MoveToNextCell(9);
    page.MoveToPreviousCell(11);
    EXPECT_EQ(event.calls, 2);
}

TEST(CalendarPage, ClickOnThePage)
{
    TCalendarPage page;
    CellEvent event;
    Listen(page, event);
    int header = 0, days = 0, clicks = 0;
    page.OnClickedHeader = [&header] { ++header; };
    page.OnClickedDaysArea = [&days] { ++days; };
    page.OnClick = [&clicks] { ++clicks; };
    page.MainAttributes().TitleRect = {0, 0, 100, 20};
    page.MainAttributes().DayNamesRect = {0, 20, 100, 30};
    PlaceCell(page, 1, {0, 30, 50, 60}, {0, 40, 50, 60});

    page.Click(10, 10);
    page.Click(10, 25);
    page.Click(10, 40);
    EXPECT_EQ(header, 1);
    EXPECT_EQ(days, 1);
    EXPECT_EQ(event.calls, 1);
    EXPECT_EQ(clicks, 2);

    page.SetCalendarLayout(loMC12Month); // no grid: a click in a cell is a plain click
    page.Click(10, 40);
    EXPECT_EQ(event.calls, 1);
    EXPECT_EQ(clicks, 3);

    // With a creation tool on, clicks make objects, not cell events.
    TRecordingView view(page);
    view.ToolOn = psLabel;
    EXPECT_FALSE(page.Pointing());
    page.Click(10, 10);
    EXPECT_EQ(header, 1);
    EXPECT_EQ(clicks, 3);
    view.ToolOn = psPointing;
    EXPECT_TRUE(page.Pointing());
}

TEST(CalendarPage, LayoutKindsAndCellsFollowingTheDate)
{
    TCalendarPage page;
    const int kinds[CalendarLayoutCount] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1,
                                            1, 1, 1, 1, 1, 1, 1, 2, 3, 4, 5};
    for (int layout = 0; layout < CalendarLayoutCount; ++layout) {
        page.SetCalendarLayout(TCalendarLayout(layout));
        EXPECT_EQ(page.LayoutKind(), kinds[layout]) << layout;
        EXPECT_EQ(page.CellsFollowDate(), kinds[layout] != 1) << layout;
    }
}

TEST(CalendarPage, ItsSizeAtItsViewsZoomIsTheLayoutsTimesTheZoom)
{
    TCalendarPage page;
    ApplyMainPageValues(page);
    TRecordingView view(page);
    view.SetZoom(0.5f);
    EXPECT_EQ(page.Width(), 528);
    EXPECT_EQ(page.Height(), 408);
    page.Relayout(false);
    EXPECT_EQ(page.Width(), 528);
    // Regression: the size went by the ratio of the zooms, rounded, and drifted
    // from the layout's (741 pixels at 70 % after 60 %, where the page draws
    // 740). It is the layout's size times the zoom whatever the zoom was.
    for (const float zoom : {0.601f, 0.701f, 0.201f, 1.001f, 0.901f}) {
        view.SetZoom(zoom);
        EXPECT_EQ(page.Width(), Trunc(1056 * double(zoom))) << zoom;
        EXPECT_EQ(page.Height(), Trunc(816 * double(zoom))) << zoom;
    }
}

TEST(CalendarPage, ChangingTheLayoutKeepsUserMiniFontsButResizeChoosesThem)
{
    TCalendarPage page;
    page.SetCalendarLayout(loMC24Month);
    EXPECT_EQ(page.MiniTitleFont().Size, 6);
    page.Relayout(true);
    EXPECT_EQ(page.MiniTitleFont().Size, 12);
    EXPECT_EQ(page.MiniHeadersFont().Size, 9);
    EXPECT_EQ(page.MiniCellFont().Size, 9);
    page.SetCalendarLayout(loFullCalendar);
    page.Relayout(true);
    EXPECT_EQ(page.MiniTitleFont().Size, 12);
    EXPECT_EQ(page.MiniCount(), 24);
    EXPECT_FALSE(page.ShowMinis());
}
