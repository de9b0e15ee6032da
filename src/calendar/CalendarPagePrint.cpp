#include "CalendarPagePrint.h"

#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "CanvasReport.h"
#include "Numbers.h"
#include "Ppi.h"
#include "PrintedCalendar.h"
#include "RichTextPainter.h"

#include <QPainter>
#include <QPicture>

namespace {

// Page pixels at scale 1 to the report's device pixels.
class PageToDevice
{
public:
    PageToDevice(const TCanvasReport &report, double offsetX, double offsetY)
        : m_report(report), m_ppi(ScreenPpi()), m_offsetX(offsetX), m_offsetY(offsetY)
    {}

    TRect operator()(const TRect &rect) const
    {
        return m_report.RectU2D(rect.Left / m_ppi + m_offsetX, rect.Top / m_ppi + m_offsetY,
                                rect.Right / m_ppi + m_offsetX, rect.Bottom / m_ppi + m_offsetY);
    }

private:
    const TCanvasReport &m_report;
    double m_ppi;
    double m_offsetX;
    double m_offsetY;
};

// The fonts at their own point size: paper is not zoomed.
void UseUnzoomedFonts(TCalendarAttributes &attributes, const TCalendarAttributes &unzoomed)
{
    attributes.TitleFont = unzoomed.TitleFont;
    attributes.HeadersFont = unzoomed.HeadersFont;
    attributes.CellFont = unzoomed.CellFont;
}

TCalendarAttributes PageFonts(const TCalendarPage &page, bool minis)
{
    TCalendarAttributes fonts;
    fonts.TitleFont = minis ? page.MiniTitleFont() : page.TitleFont();
    fonts.HeadersFont = minis ? page.MiniHeadersFont() : page.HeadersFont();
    fonts.CellFont = minis ? page.MiniCellFont() : page.CellFont();
    return fonts;
}

// Each non-empty cell's document recorded at the size and zoom of the
// screen's drawing and stretched into its printed text area.
void PrintCellTexts(TCanvasReport &report, const TCalendarPage &page,
                    const TCalendarAttributes &screen, const TCalendarAttributes &printed)
{
    const TRect renderer = EditorCellRect(screen);
    const int width = renderer.Width() + 1;
    const int height = renderer.Height() + 1;
    if (width <= 1 || height <= 1)
        return;
    for (int index = 1; index <= CellCount; ++index) {
        const TRect &free = printed.CellGeometry[index - 1].rFree;
        const TWPRTFTextPaint *document = page.CellDocument(index);
        if (free.Width() <= 0 || free.Height() <= 0 || document->IsEmpty())
            continue;
        QPicture picture;
        QPainter recorder(&picture);
        PaintRichText(recorder, *document, QPointF(0, 0), width, height, 0, screen.ZoomPercent,
                      TWPPaintTarget::Metafile);
        recorder.end();
        picture.setBoundingRect(QRect(0, 0, width, height));
        report.StretchDraw(free, picture);
    }
}

void PrintMain(TCanvasReport &report, const TCalendarPage &page, const TCalendarAttributes &screen,
               const PageToDevice &toDevice)
{
    TCalendarAttributes attributes = MainDrawingAttributes(page, 1.0f);
    UseUnzoomedFonts(attributes, PageFonts(page, false));
    attributes.CalRect = toDevice(page.MainRect());
    attributes.MinTitleHeight = Trunc(1.5 * report.XDpi());
    switch (MainDrawingOf(page)) {
    case TMainDrawing::None:
        return;
    case TMainDrawing::MonthGrid:
        PrintMonthGrid(report, attributes, page.UserTitle());
        break;
    case TMainDrawing::WeekPlanner:
        PrintWeekPlanner(report, attributes, page.UserTitle());
        break;
    case TMainDrawing::DayPlanner:
        PrintDayPlanner(report, attributes, page.UserTitle());
        break;
    }
    PrintCellTexts(report, page, screen, attributes);
}

void PrintMinis(TCanvasReport &report, const TCalendarPage &page, const PageToDevice &toDevice)
{
    TCalendarAttributes attributes = MiniDrawingAttributes(page, 1.0f);
    UseUnzoomedFonts(attributes, PageFonts(page, true));
    for (int k = 1; k <= page.MiniCount(); ++k) {
        TRect rect = page.MiniRect(k);
        rect.Right += 1;
        rect.Bottom += 1;
        attributes.CalRect = toDevice(rect);
        attributes.Month = page.MiniMonth(k).Month;
        attributes.Year = page.MiniMonth(k).Year;
        PrintMonthGrid(report, attributes, QString());
    }
}

} // namespace

void PrintPage(TCanvasReport &report, const TCalendarPage &page, double offsetX, double offsetY)
{
    PrintPage(report, page, page.MainAttributes(), offsetX, offsetY);
}

void PrintPage(TCanvasReport &report, const TCalendarPage &page, const TCalendarAttributes &screen,
               double offsetX, double offsetY)
{
    if (!report.HasCanvas())
        return;
    const PageToDevice toDevice(report, offsetX, offsetY);
    report.SetPen(clBlack, psSolid, 1);
    report.SetBrush(clWhite, bsSolid);
    DrawBorderPicture(*report.Canvas(), page, report.Bled(toDevice(page.BorderRect())));
    PrintMain(report, page, screen, toDevice);
    if (page.ShowMinis())
        PrintMinis(report, page, toDevice);
    page.PrintObjects(report, offsetX, offsetY, 1.0f);
}
