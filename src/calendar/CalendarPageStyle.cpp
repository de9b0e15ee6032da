#include "CalendarPage.h"

void TCalendarPage::AssignStyle(const TCalendarPage &Source)
{
    m_paperSize = Source.m_paperSize;
    m_calendarLayout = Source.m_calendarLayout;
    m_calendarOrientation = Source.m_calendarOrientation;
    m_startOfWeek = Source.m_startOfWeek;
    m_monthNames = Source.m_monthNames;
    m_dayNames = Source.m_dayNames;
    m_mainCalDay = Source.m_mainCalDay;
    m_mainCalMonth = Source.m_mainCalMonth;
    m_mainCalYear = Source.m_mainCalYear;
    SetFont(m_titleFont, Source.m_titleFont);
    m_titleBGColor = Source.m_titleBGColor;
    SetFont(m_headersFont, Source.m_headersFont);
    m_headersBGColor = Source.m_headersBGColor;
    m_headersStyle = Source.m_headersStyle;
    SetFont(m_cellFont, Source.m_cellFont);
    m_miniCalBGColor = Source.m_miniCalBGColor;
    SetFont(m_miniTitleFont, Source.m_miniTitleFont);
    SetFont(m_miniHeadersFont, Source.m_miniHeadersFont);
    m_miniHeadersBGColor = Source.m_miniHeadersBGColor;
    m_miniHeadersStyle = Source.m_miniHeadersStyle;
    SetFont(m_miniCellFont, Source.m_miniCellFont);
    m_titleShowYear = Source.m_titleShowYear;
    m_miniShowYear = Source.m_miniShowYear;
    m_leftMarginInch = Source.m_leftMarginInch;
    m_topMarginInch = Source.m_topMarginInch;
    m_rightMarginInch = Source.m_rightMarginInch;
    m_bottomMarginInch = Source.m_bottomMarginInch;
    m_plannerStartTime = Source.m_plannerStartTime;
    SetCalendarLineLayout(Source.m_calendarLineLayout);
    SetMiniCalendarLineLayout(Source.m_miniCalendarLineLayout);
    SetUserTitle(Source.m_userTitle);
    SetWMFBorderFile(Source.m_wmfBorderFile);
    Relayout(false);
}

bool TCalendarPage::SameStyle(const TCalendarPage &Other) const
{
    return m_paperSize == Other.m_paperSize && m_calendarLayout == Other.m_calendarLayout &&
           m_startOfWeek == Other.m_startOfWeek &&
           m_calendarOrientation == Other.m_calendarOrientation &&
           m_monthNames == Other.m_monthNames && m_dayNames == Other.m_dayNames &&
           m_mainCalDay == Other.m_mainCalDay && m_mainCalMonth == Other.m_mainCalMonth &&
           m_mainCalYear == Other.m_mainCalYear && m_titleFont.SameLook(Other.m_titleFont) &&
           m_titleBGColor == Other.m_titleBGColor && m_headersFont.SameLook(Other.m_headersFont) &&
           m_headersBGColor == Other.m_headersBGColor && m_headersStyle == Other.m_headersStyle &&
           m_cellFont.SameLook(Other.m_cellFont) && m_miniCalBGColor == Other.m_miniCalBGColor &&
           m_miniTitleFont.SameLook(Other.m_miniTitleFont) &&
           m_miniHeadersFont.SameLook(Other.m_miniHeadersFont) &&
           m_miniHeadersBGColor == Other.m_miniHeadersBGColor &&
           m_miniHeadersStyle == Other.m_miniHeadersStyle &&
           m_miniCellFont.SameLook(Other.m_miniCellFont) &&
           m_titleShowYear == Other.m_titleShowYear && m_miniShowYear == Other.m_miniShowYear &&
           m_leftMarginInch == Other.m_leftMarginInch && m_topMarginInch == Other.m_topMarginInch &&
           m_rightMarginInch == Other.m_rightMarginInch &&
           m_bottomMarginInch == Other.m_bottomMarginInch &&
           m_plannerStartTime == Other.m_plannerStartTime &&
           m_calendarLineLayout == Other.m_calendarLineLayout &&
           m_miniCalendarLineLayout == Other.m_miniCalendarLineLayout &&
           m_userTitle == Other.m_userTitle && m_wmfBorderFile == Other.m_wmfBorderFile;
}

void TCalendarPage::ResetStyle(QDate Today)
{
    m_paperSize = 0;
    m_userTitle.clear();
    m_calendarLayout = loFCMinisInTitleLS;
    m_startOfWeek = 1;
    ResetToLocaleNames();
    if (Today.isValid()) {
        m_mainCalDay = Today.day();
        m_mainCalMonth = Today.month();
        m_mainCalYear = Today.year();
    }
    m_titleBGColor = clWhite;
    m_headersBGColor = clWhite;
    m_miniCalBGColor = clWhite;
    m_miniHeadersBGColor = clWhite;
    TFontDesc miniHeadersFont = m_miniHeadersFont;
    miniHeadersFont.Color = clBlack;
    SetFont(m_miniHeadersFont, miniHeadersFont);
    m_miniHeadersStyle = dsFirstChar;
    m_titleShowYear = true;
    m_miniShowYear = true;
    m_leftMarginInch = m_topMarginInch = m_rightMarginInch = m_bottomMarginInch = 0.5f;
    m_plannerStartTime = QTime(8, 0);
    SetCalendarLineLayout(llFull);
    SetMiniCalendarLineLayout(mllBoxed);
    SetWMFBorderFile(QString());
    Relayout(true);
}
