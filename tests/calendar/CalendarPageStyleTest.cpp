#include "PageProbe.h"
#include "StoredPageValues.h"

#include <QTextDocument>

#include <gtest/gtest.h>

TEST(CalendarPageStyle, FreshPagesShareTheirStyle)
{
    const TCalendarPage a, b;
    EXPECT_TRUE(a.SameStyle(b));
}

TEST(CalendarPageStyle, SameStyleComparesFontsWithoutTheirSize)
{
    TCalendarPage a, b;
    TFontDesc bigger = b.TitleFont();
    bigger.Size = 40;
    b.SetTitleFont(bigger);
    EXPECT_TRUE(a.SameStyle(b));

    TFontDesc red = b.TitleFont();
    red.Color = clRed;
    b.SetTitleFont(red);
    EXPECT_FALSE(a.SameStyle(b));

    TFontDesc lower = a.TitleFont();
    lower.Name = "times new roman";
    TCalendarPage c;
    c.SetTitleFont(lower);
    EXPECT_FALSE(a.SameStyle(c));
}

TEST(CalendarPageStyle, SameStyleSeesNamesTitleAndTimeButNotBorders)
{
    const TCalendarPage reference;
    TCalendarPage page;
    page.SetNumberPosition(cnpCenter);
    page.SetCellBorder(cbNone);
    page.SetMiniCalBorder(cbTop);
    EXPECT_TRUE(reference.SameStyle(page));

    page.SetDayName(2, "monday");
    EXPECT_FALSE(reference.SameStyle(page));
    page.SetDayName(2, "Monday");
    EXPECT_TRUE(reference.SameStyle(page));

    page.SetUserTitle("Title");
    EXPECT_FALSE(reference.SameStyle(page));
    page.SetUserTitle(QString());
    page.SetPlannerStartTime(QTime(7, 30));
    EXPECT_FALSE(reference.SameStyle(page));
}

TEST(CalendarPageStyle, AssignStyleCopiesTheStyleButNotNumbersOrSingleBorders)
{
    TCalendarPage source;
    ApplyMainPageValues(source);
    source.SetPaperSize(1);
    source.SetMonthName(3, "M\u00e4rz");
    source.SetLeftMarginInch(0.75f);
    source.SetNumberPosition(cnpCenter);
    source.SetCalendarLineLayout(llCellsOnly);
    source.SetCellBorder(cbTop);
    source.SetUserTitle("Our year");

    PageProbe page;
    page.SetCellText(3, [] {
        TWPRtfStorage text;
        text.RtfText().Document().setPlainText("kept");
        return text;
    }());
    page.ResetCounts();
    page.AssignStyle(source);
    EXPECT_TRUE(page.SameStyle(source));
    EXPECT_GE(page.relayouts, 1);
    EXPECT_EQ(page.PageWidth(), 1122);
    EXPECT_EQ(page.GetMonthName(3), "M\u00e4rz");
    EXPECT_EQ(page.UserTitle(), "Our year");
    EXPECT_EQ(page.NumberPosition(), cnpUpperRight);
    // The line layout's setter sets its borders; the single border is not copied.
    EXPECT_EQ(page.CalendarBorder(), cbNone);
    EXPECT_EQ(page.CellBorder(), cbAll);
    EXPECT_TRUE(page.HasCellContent());
}

TEST(CalendarPageStyle, ResetStyleRestoresTheDefaultStyle)
{
    TCalendarPage page;
    page.SetCalendarLayout(loWeek);
    page.SetPaperSize(1);
    page.SetUserTitle("Old");
    page.SetMonthName(1, "Janvier");
    page.SetTitleBGColor(clYellow);
    page.SetLeftMarginInch(1.0f);
    page.SetNumberPosition(cnpCenter);
    page.SetHeadersStyle(dsFirstChar);
    page.SetCalendarBorder(cbTop); // the line layout stays llFull, so this stays
    TFontDesc title = page.TitleFont();
    title.Color = clNavy;
    page.SetTitleFont(title);

    page.ResetStyle(QDate(2026, 12, 8));
    EXPECT_EQ(page.CalendarLayout(), loFCMinisInTitleLS);
    EXPECT_EQ(page.CalendarOrientation(), coLandscape);
    EXPECT_EQ(page.PaperSize(), 0);
    EXPECT_EQ(page.UserTitle(), QString());
    EXPECT_EQ(page.GetMonthName(1), "January");
    EXPECT_EQ(page.MainCalDay(), 8);
    EXPECT_EQ(page.MainCalMonth(), 12);
    EXPECT_EQ(page.MainCalYear(), 2026);
    EXPECT_EQ(page.TitleBGColor(), clWhite);
    EXPECT_EQ(page.LeftMarginInch(), 0.5f);
    EXPECT_EQ(page.MainRect(), (TRect{50, 50, 1006, 766}));
    EXPECT_EQ(page.MiniMonth(1), (TMonthYear{11, 2026}));
    EXPECT_EQ(page.MiniHeadersFont().Color, clBlack);
    EXPECT_EQ(page.MiniTitleFont().Size, 10);
    EXPECT_EQ(page.MiniHeadersFont().Size, 8);
    EXPECT_EQ(page.MiniCalendarLineLayout(), mllBoxed);
    EXPECT_EQ(page.MiniHeadersBorder(), cbTopBottom);
    EXPECT_EQ(page.CalendarBorder(), cbTop);
    // Left as they were.
    EXPECT_EQ(page.NumberPosition(), cnpCenter);
    EXPECT_EQ(page.HeadersStyle(), dsFirstChar);
    EXPECT_EQ(page.TitleFont().Color, clNavy);
}
