#include "PageProbe.h"
#include "StoredPageValues.h"

#include <QTextDocument>

#include <functional>
#include <vector>

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

namespace {

QString FontText(const TFontDesc &font)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(font.Name)
        .arg(font.Size)
        .arg(int(font.Style))
        .arg(font.Color);
}

TFontDesc Recoloured(TFontDesc font)
{
    font.Color = clTeal;
    return font;
}

// One field of the style AssignStyle copies and SameStyle compares: a change
// away from a fresh page's value, and the value as text.
struct CopiedField
{
    const char *name;
    std::function<void(TCalendarPage &)> change;
    std::function<QString(const TCalendarPage &)> value;
};

const std::vector<CopiedField> &CopiedFields()
{
    using P = TCalendarPage;
    static const std::vector<CopiedField> fields{
        {"PaperSize", [](P &p) { p.SetPaperSize(1); },
         [](const P &p) { return QString::number(p.PaperSize()); }},
        {"CalendarLayout", [](P &p) { p.SetCalendarLayout(loWeek); },
         [](const P &p) { return QString::number(p.CalendarLayout()); }},
        {"CalendarOrientation", [](P &p) { p.SetCalendarLayout(LOFullCalendarLS); },
         [](const P &p) { return QString::number(p.CalendarOrientation()); }},
        {"LeftMarginInch", [](P &p) { p.SetLeftMarginInch(0.7f); },
         [](const P &p) { return QString::number(p.LeftMarginInch()); }},
        {"TopMarginInch", [](P &p) { p.SetTopMarginInch(0.7f); },
         [](const P &p) { return QString::number(p.TopMarginInch()); }},
        {"RightMarginInch", [](P &p) { p.SetRightMarginInch(0.7f); },
         [](const P &p) { return QString::number(p.RightMarginInch()); }},
        {"BottomMarginInch", [](P &p) { p.SetBottomMarginInch(0.7f); },
         [](const P &p) { return QString::number(p.BottomMarginInch()); }},
        {"CalendarLineLayout", [](P &p) { p.SetCalendarLineLayout(llHeadersAndCells); },
         [](const P &p) { return QString::number(p.CalendarLineLayout()); }},
        {"MonthNames", [](P &p) { p.SetMonthName(12, "Dezember"); },
         [](const P &p) { return p.GetMonthName(12); }},
        {"DayNames", [](P &p) { p.SetDayName(7, "Samstag"); },
         [](const P &p) { return p.GetDayName(7); }},
        {"TitleBGColor", [](P &p) { p.SetTitleBGColor(clYellow); },
         [](const P &p) { return QString::number(p.TitleBGColor()); }},
        {"TitleFont", [](P &p) { p.SetTitleFont(Recoloured(p.TitleFont())); },
         [](const P &p) { return FontText(p.TitleFont()); }},
        {"TitleShowYear", [](P &p) { p.SetTitleShowYear(false); },
         [](const P &p) { return QString::number(p.TitleShowYear()); }},
        {"HeadersFont", [](P &p) { p.SetHeadersFont(Recoloured(p.HeadersFont())); },
         [](const P &p) { return FontText(p.HeadersFont()); }},
        {"HeadersStyle", [](P &p) { p.SetHeadersStyle(dsWhole); },
         [](const P &p) { return QString::number(p.HeadersStyle()); }},
        {"HeadersBGColor", [](P &p) { p.SetHeadersBGColor(clAqua); },
         [](const P &p) { return QString::number(p.HeadersBGColor()); }},
        {"CellFont", [](P &p) { p.SetCellFont(Recoloured(p.CellFont())); },
         [](const P &p) { return FontText(p.CellFont()); }},
        {"MiniCalendarLineLayout", [](P &p) { p.SetMiniCalendarLineLayout(mllMinimal); },
         [](const P &p) { return QString::number(p.MiniCalendarLineLayout()); }},
        {"MiniCalBGColor", [](P &p) { p.SetMiniCalBGColor(clSilver); },
         [](const P &p) { return QString::number(p.MiniCalBGColor()); }},
        {"MiniShowYear", [](P &p) { p.SetMiniShowYear(false); },
         [](const P &p) { return QString::number(p.MiniShowYear()); }},
        {"MiniTitleFont", [](P &p) { p.SetMiniTitleFont(Recoloured(p.MiniTitleFont())); },
         [](const P &p) { return FontText(p.MiniTitleFont()); }},
        {"MiniHeadersFont", [](P &p) { p.SetMiniHeadersFont(Recoloured(p.MiniHeadersFont())); },
         [](const P &p) { return FontText(p.MiniHeadersFont()); }},
        {"MiniHeadersBGColor", [](P &p) { p.SetMiniHeadersBGColor(clMaroon); },
         [](const P &p) { return QString::number(p.MiniHeadersBGColor()); }},
        {"MiniHeadersStyle", [](P &p) { p.SetMiniHeadersStyle(dsThreeChars); },
         [](const P &p) { return QString::number(p.MiniHeadersStyle()); }},
        {"MiniCellFont", [](P &p) { p.SetMiniCellFont(Recoloured(p.MiniCellFont())); },
         [](const P &p) { return FontText(p.MiniCellFont()); }},
        {"StartOfWeek", [](P &p) { p.SetStartOfWeek(2); },
         [](const P &p) { return QString::number(p.StartOfWeek()); }},
        {"MainCalDay", [](P &p) { p.SetMainCalDay(17); },
         [](const P &p) { return QString::number(p.MainCalDay()); }},
        {"MainCalMonth", [](P &p) { p.SetMainCalMonth(7); },
         [](const P &p) { return QString::number(p.MainCalMonth()); }},
        {"MainCalYear", [](P &p) { p.SetMainCalYear(2031); },
         [](const P &p) { return QString::number(p.MainCalYear()); }},
        {"PlannerStartTime", [](P &p) { p.SetPlannerStartTime(QTime(6, 30)); },
         [](const P &p) { return p.PlannerStartTime().toString(); }},
        {"UserTitle", [](P &p) { p.SetUserTitle("Our year"); },
         [](const P &p) { return p.UserTitle(); }},
    };
    return fields;
}

} // namespace

// Guards against a style field AssignStyle forgets to copy (the planner's
// start time once was) or SameStyle forgets to compare.
TEST(CalendarPageStyle, EveryStyleFieldIsCopiedAndCompared)
{
    for (const CopiedField &field : CopiedFields()) {
        SCOPED_TRACE(field.name);
        const TCalendarPage fresh;
        TCalendarPage source;
        field.change(source);
        ASSERT_NE(field.value(source).toStdString(), field.value(fresh).toStdString());
        EXPECT_FALSE(fresh.SameStyle(source));

        TCalendarPage page;
        page.AssignStyle(source);
        EXPECT_EQ(field.value(page).toStdString(), field.value(source).toStdString());
        EXPECT_TRUE(page.SameStyle(source));
    }
}
