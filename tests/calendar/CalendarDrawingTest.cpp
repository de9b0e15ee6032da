#include "CalendarDrawing.h"

#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "DrawingPrimitives.h"
#include "FittedText.h"
#include "PaintCache.h"
#include "PdfRaster.h"
#include "PlannerLabels.h"
#include "Ppi.h"
#include "RtfDocument.h"
#include "StoredPageValues.h"
#include "TestObject.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The landscape main page on Letter with a plain month grid.
void MakeFullCalendar(TCalendarPage &page)
{
    ApplyMainPageValues(page);
    page.SetCalendarLayout(LOFullCalendarLS);
}

bool IsBlack(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y) == QColor(Qt::black);
}

// Where the ink of rect's inner rows lies: the gaps it leaves to rect's left
// and right edges, or -1, -1 without ink.
std::pair<int, int> InkGaps(const QImage &image, const TRect &rect)
{
    const QRect inner(rect.Left, rect.Top + 2, rect.Right - rect.Left, rect.Bottom - rect.Top - 4);
    const QRect ink = InkBounds(image, inner);
    if (ink.isNull())
        return {-1, -1};
    return {ink.left() - inner.left(), inner.right() - ink.right()};
}

} // namespace

// A day name or a title wider than its room was cut at both ends.
TEST(CalendarDrawing, TextsWiderThanTheirRoomAreShrunkWhole)
{
    TCalendarPage page;
    ApplyMainPageValues(page);
    page.SetCalendarLayout(loFullCalendar);
    TFontDesc headers = page.HeadersFont();
    headers.Size = 26;
    page.SetHeadersFont(headers);
    page.SetUserTitle(QString(60, u'W'));
    const QImage image = RenderPageImage(page);
    const TCalendarAttributes &drawn = page.MainAttributes();
    const TRect &row = drawn.DayNamesRect;
    const int cw = (row.Right - row.Left) / 7;
    const QFontMetrics headersMetrics(headers.ToQFont(ScreenPpi()));
    const QFontMetrics titleMetrics(page.TitleFont().ToQFont(ScreenPpi()));
    ASSERT_GT(headersMetrics.horizontalAdvance(u"Wednesday"_s), cw);
    ASSERT_GT(titleMetrics.horizontalAdvance(page.UserTitle()), drawn.TitleRect.Width());

    for (int j = 0; j < 7; ++j) {
        const TRect cell{row.Left + j * cw + 1, row.Top, row.Left + j * cw + cw - 1, row.Bottom};
        const auto [left, right] = InkGaps(image, cell);
        EXPECT_GT(left, 0) << j;
        EXPECT_GT(right, 0) << j;
        EXPECT_NEAR(left, right, 2) << j;
    }
    // The title fills its band from side to side, whole, so its letters are
    // lower than the title font's: cut, they kept their full height.
    const TRect &band = drawn.TitleRect;
    const QRect inside(band.Left + 2, band.Top + 2, band.Right - band.Left - 4,
                       band.Bottom - band.Top - 4);
    const QRect ink = InkBounds(image, inside);
    ASSERT_FALSE(ink.isNull());
    EXPECT_NEAR(ink.left() - inside.left(), inside.right() - ink.right(), 3);
    EXPECT_LT(ink.height(), titleMetrics.tightBoundingRect(u"W"_s).height() * 3 / 4);
}

TEST(CalendarDrawing, TextThatFitsIsDrawnAsBefore)
{
    QImage plain(300, 40, QImage::Format_RGB32);
    QImage fitted = plain;
    for (QImage *image : {&plain, &fitted}) {
        image->fill(Qt::white);
        QPainter painter(image);
        QFont font(u"DejaVu Sans"_s);
        font.setPixelSize(18);
        painter.setFont(font);
        const TRect rect{10, 5, 290, 35};
        if (image == &plain)
            DrawTextLine(painter, rect, u"Wednesday"_s, Qt::AlignCenter);
        else
            DrawFittedTextLine(painter, rect, u"Wednesday"_s, Qt::AlignCenter);
    }
    EXPECT_EQ(plain, fitted);
}

TEST(CalendarDrawing, TheTitleBandKeepsItsMinimumButRecordsSeventeenPercent)
{
    TCalendarPage page;
    MakeFullCalendar(page);
    RenderPageImage(page);
    const TCalendarAttributes &drawn = page.MainAttributes();
    EXPECT_EQ(drawn.TitleRect, (TRect{26, 27, 1029, 27 + 129}));
    // The band is 144 high, so the day names start below it.
    EXPECT_EQ(drawn.DayNamesRect.Top, 27 + 144 + 1);
    const int cw = 143;
    EXPECT_EQ(drawn.CellGeometry[0].rTotal.Left, 26 + 1 + 4);
    EXPECT_EQ(drawn.CellGeometry[1].rTotal.Left, 26 + cw + 1 + 4);
    EXPECT_EQ(drawn.CellGeometry[1].rTotal.Right, 26 + 2 * cw - 1 - 5);
}

TEST(CalendarDrawing, CellsRecordTheirDaysAndTextAreas)
{
    TCalendarPage page;
    MakeFullCalendar(page);
    RenderPageImage(page);
    const auto &cells = page.MainAttributes().CellGeometry;
    EXPECT_EQ(cells[0].iDay, 0);
    EXPECT_EQ(cells[1].iDay, 1);
    EXPECT_EQ(cells[31].iDay, 31);
    EXPECT_GT(cells[1].rFree.Top, cells[1].rTotal.Top);
    EXPECT_EQ(cells[1].rFree.Bottom, cells[1].rTotal.Bottom);
    EXPECT_EQ(EditorCellRect(page).Right, cells[0].rFree.Right + 5);

    page.SetNumberPosition(cnpCenter);
    RenderPageImage(page);
    // A centred number leaves no text area, but the cell still takes clicks.
    EXPECT_TRUE(cells[1].rFree.IsZero());
    EXPECT_FALSE(cells[1].rTotal.IsZero());
    EXPECT_EQ(page.CellAt(cells[1].rTotal.Left + 1, cells[1].rTotal.Top + 1), 2);
}

TEST(CalendarDrawing, GridLinesAndTitleFillLandOnTheirPixels)
{
    TCalendarPage page;
    MakeFullCalendar(page);
    page.SetTitleBGColor(clYellow);
    const QImage image = RenderPageImage(page);
    const TCalendarAttributes &drawn = page.MainAttributes();
    const int gt = drawn.DayNamesRect.Bottom;
    EXPECT_EQ(image.pixelColor(30, 30), QColor(Qt::yellow));
    EXPECT_TRUE(IsBlack(image, 26 + 143, gt + 10)); // second vertical line
    EXPECT_TRUE(IsBlack(image, 500, gt));           // first horizontal line
    EXPECT_TRUE(IsBlack(image, 1029, 500));         // right outline
    EXPECT_TRUE(IsBlack(image, 500, 789));          // bottom outline
    EXPECT_FALSE(IsBlack(image, 26 + 143 + 1, gt + 10));
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::white)); // the margin stays white
}

TEST(CalendarDrawing, CellsOnlyDrawNoOutlineOrHeaderBox)
{
    TCalendarPage page;
    MakeFullCalendar(page);
    page.SetCalendarLineLayout(llCellsOnly);
    const QImage image = RenderPageImage(page);
    const TCalendarAttributes &drawn = page.MainAttributes();
    EXPECT_FALSE(IsBlack(image, 26, drawn.TitleRect.Top + 5));
    EXPECT_TRUE(IsBlack(image, 26, drawn.DayNamesRect.Bottom + 5));
}

TEST(CalendarDrawing, DayNamesAreStyled)
{
    EXPECT_EQ(StyledDayName("Mo", dsThreeChars), "Mo");
    EXPECT_EQ(StyledDayName("Monday", dsThreeChars), "Mon");
    EXPECT_EQ(StyledDayName("Monday", dsFirstChar), "M");
    EXPECT_EQ(StyledDayName("Monday", dsWhole), "Monday");
    EXPECT_EQ(StyledDayName(QString(), dsFirstChar), QString());
}

TEST(PlannerLabels, WeekTitlesInTheirThreeForms)
{
    TCalendarPage page;
    std::array<QString, 12> months;
    for (int m = 1; m <= 12; ++m)
        months[m - 1] = page.GetMonthName(m);
    EXPECT_EQ(WeekPlannerTitle(QDate(1997, 12, 1), QDate(1997, 12, 7), months),
              "December 1-7, 1997");
    EXPECT_EQ(WeekPlannerTitle(QDate(1997, 11, 28), QDate(1997, 12, 4), months),
              "November 28 - December 4, 1997");
    EXPECT_EQ(WeekPlannerTitle(QDate(1997, 12, 25), QDate(1998, 1, 7), months),
              "December 25, 1997 - January 7, 1998");
    EXPECT_EQ(WeekPlannerDateLabel(QDate(1997, 12, 1), months), "1 Dec");
}

TEST(PlannerLabels, TimesUseTwelveHoursAndTheLocaleMarkers)
{
    EXPECT_EQ(PlannerTimeLabel(QTime(8, 0)), "8:00 AM");
    EXPECT_EQ(PlannerTimeLabel(QTime(12, 5)), "12:05 PM");
    EXPECT_EQ(PlannerTimeLabel(QTime(0, 30)), "12:30 AM");
    EXPECT_EQ(PlannerTimeLabel(QTime(17, 0)), "5:00 PM");
}

TEST(CalendarDrawing, TwoWeekPlannerFromChristmas1997)
{
    TCalendarPage page;
    ApplyMainPageValues(page);
    page.SetCalendarLayout(lo2Week);
    page.SetMainCalDay(25);
    RenderPageImage(page);
    const auto &cells = page.MainAttributes().CellGeometry;
    EXPECT_EQ(cells[0].iDay, 25);
    EXPECT_EQ(cells[6].iDay, 31);
    EXPECT_EQ(cells[7].iDay, 1);
    EXPECT_EQ(cells[14].iDay, 0); // "Notes"
    EXPECT_FALSE(cells[14].rFree.IsZero());
    EXPECT_TRUE(cells[15].rTotal.IsZero());
    EXPECT_EQ(cells[0].rTotal, cells[0].rFree);
    EXPECT_EQ(cells[14].rFree.Bottom, page.MainRect().Bottom - 1 - 4);
}

TEST(CalendarDrawing, DayPlannerRowsFillTheBody)
{
    TCalendarPage page;
    ApplyMainPageValues(page);
    page.SetCalendarLayout(loDay10);
    page.SetMainCalDay(1);
    RenderPageImage(page);
    const auto &cells = page.MainAttributes().CellGeometry;
    for (int i = 0; i < 11; ++i)
        EXPECT_GT(cells[i].rFree.Height(), 0) << i;
    EXPECT_TRUE(cells[11].rFree.IsZero());
    EXPECT_EQ(cells[1].rFree.Top - cells[0].rFree.Top, cells[2].rFree.Top - cells[1].rFree.Top);
}

TEST(CalendarDrawing, MinisCentreTheirNumbers)
{
    TCalendarPage page;
    ApplyMainPageValues(page);
    const TCalendarAttributes minis = MiniDrawingAttributes(page);
    EXPECT_EQ(minis.NumberPosition, cnpCenter);
    EXPECT_EQ(minis.MinTitleHeight, 0);
    EXPECT_EQ(minis.TitleBackColor, page.MiniCalBGColor());
}

TEST(CalendarDrawing, EveryLayoutPaintsAtHalfZoom)
{
    TCalendarPage page;
    ApplyMainPageValues(page);
    TRecordingView view(page);
    view.SetZoom(0.5f);
    for (int layout = 0; layout < CalendarLayoutCount; ++layout) {
        page.SetCalendarLayout(TCalendarLayout(layout));
        const QImage image = RenderPageImage(page);
        EXPECT_EQ(image.width(), page.Width()) << layout;
    }
}

TEST(CalendarDrawing, CellTextIsPaintedIntoItsTextAreaOnly)
{
    TCalendarPage page;
    MakeFullCalendar(page);
    RenderPageImage(page);
    TWPRtfStorage text;
    text.RtfText().Document().setPlainText("Dentist at ten");
    page.SetCellText(10, text);
    const QImage image = RenderPageImage(page);
    const TRect free = page.MainAttributes().CellGeometry[9].rFree;
    const TRect other = page.MainAttributes().CellGeometry[10].rFree;
    auto inkIn = [&image](const TRect &rect) {
        int ink = 0;
        for (int y = rect.Top; y < rect.Bottom; ++y)
            for (int x = rect.Left; x < rect.Right; ++x)
                ink += image.pixelColor(x, y).lightness() < 128 ? 1 : 0;
        return ink;
    };
    EXPECT_GT(inkIn(free), 20);
    EXPECT_EQ(inkIn(other), 0);
}

TEST(CalendarDrawing, RenderToBitmapPaintsPlacedObjectsInChildOrder)
{
    TCalendarPage page;
    page.Objects().Insert(MakeTestObject(100, 100, 40, 40, clRed));
    page.Objects().Insert(MakeTestObject(120, 120, 40, 40, clBlue));
    // Selection squares are the screen's, not the picture's.
    page.SelectAll();
    MakeFullCalendar(page);
    const QImage plain = RenderPageImage(page);
    const QImage bitmap = RenderToBitmap(page);
    ASSERT_EQ(bitmap.size(), QSize(page.Width(), page.Height()));
    EXPECT_NE(plain.pixelColor(110, 110), QColor(Qt::red));
    EXPECT_EQ(bitmap.pixelColor(110, 110), QColor(Qt::red));
    EXPECT_EQ(bitmap.pixelColor(130, 130), QColor(Qt::blue)); // the later object on top
    EXPECT_EQ(bitmap.pixelColor(155, 155), QColor(Qt::blue));
    // The page under the objects is the screen's.
    EXPECT_EQ(bitmap.pixelColor(5, 5), plain.pixelColor(5, 5));
    EXPECT_EQ(bitmap.pixelColor(98, 98), plain.pixelColor(98, 98));
}

TEST(CalendarDrawing, CellsWithTheSameTextShareTheirPictureUntilOneChanges)
{
    TPaintCache cache;
    TWPRTFTextPaint first, second;
    QTextCursor(&first.Document()).insertText("Dentist at ten");
    QTextCursor(&second.Document()).insertText("Dentist at ten");
    const QSize size(120, 60);
    const qint64 shared = cache.CellText(1, first, size, 100).cacheKey();
    EXPECT_EQ(cache.CellText(2, second, size, 100).cacheKey(), shared);
    // At another zoom the layout is kept but the picture is painted anew.
    EXPECT_NE(cache.CellText(2, second, size, 50).cacheKey(), shared);

    QTextCursor(&second.Document()).insertText("Call ");
    const QImage changed = cache.CellText(2, second, size, 100);
    EXPECT_NE(changed.cacheKey(), shared);
    EXPECT_NE(changed, cache.CellText(1, first, size, 100));
    EXPECT_EQ(cache.CellText(1, first, size, 100).cacheKey(), shared); // untouched
}

TEST(CalendarDrawing, GeometryRecordedWithoutPixelsIsThePaintsOwn)
{
    for (int layout = 0; layout < CalendarLayoutCount; ++layout) {
        TCalendarPage page;
        ApplyMainPageValues(page);
        page.SetCalendarLayout(TCalendarLayout(layout));
        TRecordingView view(page);
        view.SetZoom(0.601F);
        RecordDrawingGeometry(page);
        const TCalendarAttributes recorded = page.MainAttributes();
        RenderPageImage(page);
        const TCalendarAttributes &painted = page.MainAttributes();
        EXPECT_EQ(recorded.TitleRect, painted.TitleRect) << layout;
        EXPECT_EQ(recorded.DayNamesRect, painted.DayNamesRect) << layout;
        for (int cell = 0; cell < CellCount; ++cell)
            EXPECT_EQ(recorded.CellGeometry[cell].rFree, painted.CellGeometry[cell].rFree)
                << layout << " cell " << cell;
    }
}
