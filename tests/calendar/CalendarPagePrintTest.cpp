#include "CalendarPagePrint.h"

#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "CanvasReport.h"
#include "StoredPageValues.h"

#include <QImage>
#include <QPainter>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

constexpr int Dpi = 150;

// A Letter landscape sheet at 150 dpi with the page printed on it.
QImage PrintedSheet(const TCalendarPage &page)
{
    QImage sheet(11 * Dpi, int(8.5 * Dpi), QImage::Format_RGB32);
    sheet.setDotsPerMeterX(qRound(Dpi / 0.0254));
    sheet.setDotsPerMeterY(qRound(Dpi / 0.0254));
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    TCanvasReport report;
    report.BeginCanvas(painter);
    PrintPage(report, page, 0, 0);
    report.EndCanvas();
    return sheet;
}

// Page pixels at 96 ppi to sheet pixels.
int OnSheet(int pagePixels)
{
    return qRound(pagePixels * double(Dpi) / 96);
}

int InkIn(const QImage &image, const QRect &rect)
{
    int ink = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            ink += image.pixelColor(x, y).lightness() < 128 ? 1 : 0;
    return ink;
}

void MakeFullCalendar(TCalendarPage &page)
{
    ApplyMainPageValues(page);
    page.SetCalendarLayout(LOFullCalendarLS);
}

} // namespace

TEST(CalendarPagePrint, TheGridLandsWhereThePageLaysItOut)
{
    TCalendarPage page;
    MakeFullCalendar(page);
    const QImage sheet = PrintedSheet(page);
    const TRect main = page.MainRect();
    // The outline of the grid at the main rectangle's left and right edges.
    const int middle = OnSheet((main.Top + main.Bottom) / 2);
    EXPECT_GT(InkIn(sheet, QRect(OnSheet(main.Left) - 1, middle, 3, 1)), 0);
    EXPECT_GT(InkIn(sheet, QRect(OnSheet(main.Right) - 3, middle, 4, 1)), 0);
    // Nothing is printed in the margin.
    EXPECT_EQ(InkIn(sheet, QRect(0, 0, OnSheet(main.Left) - 3, sheet.height())), 0);
}

TEST(CalendarPagePrint, TheTitleBandIsFilledOnlyWhenNotWhite)
{
    TCalendarPage page;
    MakeFullCalendar(page);
    page.SetTitleBGColor(clYellow);
    const QImage sheet = PrintedSheet(page);
    const TRect main = page.MainRect();
    EXPECT_EQ(sheet.pixelColor(OnSheet(main.Left) + 5, OnSheet(main.Top) + 5), QColor(Qt::yellow));
}

TEST(CalendarPagePrint, CellTextFollowsTheScreen)
{
    TCalendarPage page;
    MakeFullCalendar(page);
    TWPRtfStorage text;
    text.RtfText().Document().setPlainText("Dentist at ten");
    page.SetCellText(10, text);
    RenderPageImage(page);
    const TCalendarAttributes before = page.MainAttributes();
    const QImage sheet = PrintedSheet(page);
    // Printing leaves the screen geometry for clicks and the editor.
    EXPECT_EQ(page.MainAttributes().CellGeometry[9].rFree, before.CellGeometry[9].rFree);
    const TRect free = before.CellGeometry[9].rFree;
    const TRect empty = before.CellGeometry[10].rFree;
    auto onSheet = [](const TRect &r) {
        return QRect(OnSheet(r.Left), OnSheet(r.Top), OnSheet(r.Width()), OnSheet(r.Height()));
    };
    EXPECT_GT(InkIn(sheet, onSheet(free)), 20);
    EXPECT_EQ(InkIn(sheet, onSheet(empty).adjusted(4, 4, -4, -4)), 0);
}

TEST(CalendarPagePrint, EveryLayoutPrints)
{
    TCalendarPage page;
    ApplyMainPageValues(page);
    for (int layout = 0; layout < CalendarLayoutCount; ++layout) {
        page.SetCalendarLayout(TCalendarLayout(layout));
        RenderPageImage(page);
        const QImage sheet = PrintedSheet(page);
        EXPECT_GT(InkIn(sheet, sheet.rect().adjusted(0, 0, 0, -sheet.height() / 2)), 100) << layout;
    }
}
