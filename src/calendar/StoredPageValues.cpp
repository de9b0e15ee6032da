#include "StoredPageValues.h"

#include "CalendarPage.h"

namespace {

// A Times New Roman font given by its stored pixel height at 96 ppi.
TFontDesc StoredFont(int height, TFontStyles style, TColor color)
{
    return {QStringLiteral("Times New Roman"), TFontDesc::PointsFromHeight(height), style, color};
}

} // namespace

void ApplyMainPageValues(TCalendarPage &page)
{
    page.SetCalendarOrientation(coLandscape);
    page.SetCalendarLayout(loFCMinisInTitleLS);
    page.SetCalendarLineLayout(llFull);
    page.SetMiniCalendarLineLayout(mllFull);
    page.SetTitleBGColor(clWhite);
    page.SetTitleFont(StoredFont(-35, TFontStyle::fsBold, clBlack));
    page.SetHeadersFont(StoredFont(-21, TFontStyle::fsBold, clBlack));
    page.SetCellFont(StoredFont(-21, TFontStyle::fsBold, clBlack));
    page.SetLeftMarginInch(0.25f);
    page.SetTopMarginInch(0.25f);
    page.SetRightMarginInch(0.25f);
    page.SetBottomMarginInch(0.25f);
    page.SetMiniCalBorder(cbAll);
    page.SetMiniHeadersBorder(cbBottom);
    page.SetMiniCellBorder(cbAll);
    page.SetMiniShowYear(true);
    page.SetMiniHeadersBGColor(clBlack);
    page.SetMiniCalBGColor(clWhite);
    page.SetMiniTitleFont(StoredFont(-13, TFontStyle::fsBold, clWindowText));
    page.SetMiniHeadersFont(StoredFont(-11, {}, clWhite));
    page.SetMiniCellFont(StoredFont(-11, {}, clWindowText));
    page.SetMainCalDay(0);
    page.SetMainCalMonth(12);
    page.SetMainCalYear(1997);
    page.SetStartOfWeek(1);
    page.SetCalendarBorder(cbAll);
    page.SetTitleShowYear(true);
    page.SetHeadersBorder(cbAll);
    page.SetHeadersStyle(dsWhole);
    page.SetMiniHeadersStyle(dsFirstChar);
    page.SetHeadersBGColor(clWhite);
    page.SetNumberPosition(cnpUpperRight);
    page.SetCellBorder(cbAll);
    page.SetUserTitle(QString());
    page.SetWMFBorderFile(QString());
}

void ApplyExamplePageValues(TCalendarPage &page)
{
    ApplyMainPageValues(page);
    page.SetTitleFont(StoredFont(-64, TFontStyle::fsBold, clBlack));
}
