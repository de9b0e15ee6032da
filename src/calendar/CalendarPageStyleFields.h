#pragma once

#include "CalendarPage.h"

#include <climits>

// One of the page's style fields as the style's visitors see it.
struct TStyleField
{
    // The published property's name; the key of the field in the page's JSON.
    const char *Name;
    // What a read error calls the field, and the range of an integer or
    // enumeration read from a file.
    const char *What = "";
    int Low = 0;
    int High = 0;
    // Whether AssignStyle copies the field and SameStyle compares it.
    bool Copied = true;
};

// The style block of documents and style sheets, in file order. Each field is
// visited as visit(field, value...) with the field's value in each page, or
// as visit(field, setter, value...) for a field AssignStyle copies through
// its setter.
template <typename Visitor, typename... Pages>
void TCalendarPage::VisitStyleBlockOf(Visitor &visit, Pages &...pages)
{
    using P = TCalendarPage;
    visit(TStyleField{"PaperSize", "paper size", 0, 1}, pages.m_paperSize...);
    visit(TStyleField{"CalendarOrientation", "orientation", 0, coLandscape},
          pages.m_calendarOrientation...);
    visit(TStyleField{"LeftMarginInch"}, pages.m_leftMarginInch...);
    visit(TStyleField{"TopMarginInch"}, pages.m_topMarginInch...);
    visit(TStyleField{"RightMarginInch"}, pages.m_rightMarginInch...);
    visit(TStyleField{"BottomMarginInch"}, pages.m_bottomMarginInch...);
    visit(TStyleField{"CalendarLayout", "layout", 0, loDay15}, pages.m_calendarLayout...);
    // The single borders follow the line layouts; AssignStyle leaves them
    // to the line layouts' setters.
    visit(TStyleField{"CalendarBorder", "calendar border", 0, cbTopBottom, false},
          pages.m_calendarBorder...);
    visit(TStyleField{"CalendarLineLayout", "line layout", 0, llCellsOnly},
          &P::SetCalendarLineLayout, pages.m_calendarLineLayout...);
    visit(TStyleField{"MonthNames"}, pages.m_monthNames...);
    visit(TStyleField{"DayNames"}, pages.m_dayNames...);
    visit(TStyleField{"TitleBGColor"}, pages.m_titleBGColor...);
    visit(TStyleField{"TitleFont"}, pages.m_titleFont...);
    visit(TStyleField{"TitleShowYear"}, pages.m_titleShowYear...);
    visit(TStyleField{"HeadersFont"}, pages.m_headersFont...);
    visit(TStyleField{"HeadersBorder", "headers border", 0, cbTopBottom, false},
          pages.m_headersBorder...);
    visit(TStyleField{"HeadersStyle", "headers style", 0, dsWhole}, pages.m_headersStyle...);
    visit(TStyleField{"HeadersBGColor"}, pages.m_headersBGColor...);
    visit(TStyleField{"CellFont"}, pages.m_cellFont...);
    visit(TStyleField{"CellBorder", "cell border", 0, cbTopBottom, false}, pages.m_cellBorder...);
    visit(TStyleField{"MiniCalendarLineLayout", "mini line layout", 0, mllMinimal},
          &P::SetMiniCalendarLineLayout, pages.m_miniCalendarLineLayout...);
    visit(TStyleField{"MiniCalBorder", "mini calendar border", 0, cbTopBottom, false},
          pages.m_miniCalBorder...);
    visit(TStyleField{"MiniCalBGColor"}, pages.m_miniCalBGColor...);
    visit(TStyleField{"MiniShowYear"}, pages.m_miniShowYear...);
    visit(TStyleField{"MiniTitleFont"}, pages.m_miniTitleFont...);
    visit(TStyleField{"MiniHeadersFont"}, pages.m_miniHeadersFont...);
    visit(TStyleField{"MiniHeadersBGColor"}, pages.m_miniHeadersBGColor...);
    visit(TStyleField{"MiniHeadersStyle", "mini headers style", 0, dsWhole},
          pages.m_miniHeadersStyle...);
    visit(TStyleField{"MiniHeadersBorder", "mini headers border", 0, cbTopBottom, false},
          pages.m_miniHeadersBorder...);
    visit(TStyleField{"MiniCellBorder", "mini cell border", 0, cbTopBottom, false},
          pages.m_miniCellBorder...);
    visit(TStyleField{"MiniCellFont"}, pages.m_miniCellFont...);
    // The page's own choice, not a style AssignStyle passes on.
    visit(TStyleField{"NumberPosition", "number position", 0, cnpUpperRight, false},
          pages.m_numberPosition...);
}

// Every style field: the style block, then the style the files keep apart
// from it (dates, week start, planner time, week numbers, title and border
// picture).
template <typename Visitor, typename... Pages>
void TCalendarPage::VisitStyleFieldsOf(Visitor &visit, Pages &...pages)
{
    using P = TCalendarPage;
    VisitStyleBlockOf(visit, pages...);
    visit(TStyleField{"StartOfWeek"}, pages.m_startOfWeek...);
    visit(TStyleField{"MainCalDay"}, pages.m_mainCalDay...);
    visit(TStyleField{"MainCalMonth"}, pages.m_mainCalMonth...);
    visit(TStyleField{"MainCalYear"}, pages.m_mainCalYear...);
    visit(TStyleField{"PlannerStartTime"}, pages.m_plannerStartTime...);
    visit(TStyleField{"WeekNumbers"}, pages.m_weekNumbers...);
    visit(TStyleField{"UserTitle"}, &P::SetUserTitle, pages.m_userTitle...);
    visit(TStyleField{"WMFBorderFile"}, &P::SetWMFBorderFile, pages.m_wmfBorderFile...);
}
