#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "CanvasReport.h"
#include "MonthGridParts.h"
#include "PrintedCalendar.h"
#include "StoredPageValues.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray Saved(const TCalendarPage &page, bool styleSheet = false)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_FALSE(styleSheet ? page.SaveStyleSheetToDevice(buffer) : page.SaveToDevice(buffer));
    return buffer.data();
}

std::optional<ReadError> Load(TCalendarPage &page, const QByteArray &bytes, bool styleSheet = false)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return styleSheet ? page.LoadStyleSheetFromDevice(buffer) : page.LoadFromDevice(buffer);
}

// The list of named values that follows what older readers read.
QByteArray Extras(int weekNumbers)
{
    return QByteArray::fromHex("01 06 0b") + "WeekNumbers" + char(0x02) + char(weekNumbers) +
           char(0x00);
}

// The month grid of December 2024, Monday first, on the landscape main page.
void MakeDecember2024(TCalendarPage &page, TWeekNumbers rule)
{
    ApplyMainPageValues(page);
    page.SetCalendarLayout(LOFullCalendarLS);
    page.SetMainCalYear(2024);
    page.SetMainCalMonth(12);
    page.SetMainCalDay(1);
    page.SetStartOfWeek(2);
    page.SetWeekNumbers(rule);
}

// Pixels of rect that are not white.
int InkIn(const QImage &image, const TRect &rect)
{
    int ink = 0;
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x)
            ink += image.pixelColor(x, y) != QColor(Qt::white);
    return ink;
}

} // namespace

// Documents and style sheets with week numbers are those without them plus
// a tail older readers never reach: an empty set in a document (read as
// none), then the named values.
TEST(WeekNumbersFile, WeekNumbersOnlyAddATailOlderReadersStopBefore)
{
    for (const bool styleSheet : {false, true}) {
        for (const TWeekNumbers rule : {wnIso, wnUs}) {
            TCalendarPage page;
            ApplyMainPageValues(page);
            const QByteArray before = Saved(page, styleSheet);
            page.SetWeekNumbers(rule);
            const QByteArray with = Saved(page, styleSheet);
            const QByteArray emptySet =
                styleSheet ? QByteArray() : QByteArray::fromHex("0a00000000");
            EXPECT_EQ(with, before + emptySet + Extras(rule)) << styleSheet << rule;

            TCalendarPage read;
            read.SetWeekNumbers(rule == wnIso ? wnUs : wnIso);
            EXPECT_FALSE(Load(read, with, styleSheet));
            EXPECT_EQ(read.WeekNumbers(), rule);
            EXPECT_TRUE(read.StoredSet().isEmpty());
            // A file without them turns them off.
            EXPECT_FALSE(Load(read, before, styleSheet));
            EXPECT_EQ(read.WeekNumbers(), wnNone);
            page.SetWeekNumbers(wnNone);
            EXPECT_EQ(Saved(page, styleSheet), before);
        }
    }
}

// The reader before week numbers, which stops after the placed objects,
// reads such a document whole, as a page without them; a kept set stays in
// its place.
TEST(WeekNumbersFile, TheOlderDocumentReaderAndTheSetReadThemAsBefore)
{
    TCalendarPage page;
    ApplyMainPageValues(page);
    page.SetStoredSet("kept set"_ba);
    const QByteArray before = Saved(page);
    page.SetWeekNumbers(wnIso);
    const QByteArray with = Saved(page);
    EXPECT_EQ(with, before + Extras(wnIso));

    TCalendarPage older;
    QBuffer buffer;
    buffer.setData(with);
    buffer.open(QIODevice::ReadOnly);
    EXPECT_FALSE(older.LoadPageFromDevice(buffer));
    EXPECT_EQ(older.WeekNumbers(), wnNone);

    TCalendarPage read;
    EXPECT_FALSE(Load(read, with));
    EXPECT_EQ(read.StoredSet(), "kept set"_ba);
    EXPECT_EQ(read.WeekNumbers(), wnIso);
}

// A tail that is damaged, cut or from a later build never fails the file:
// names it does not know are passed over, numbers out of range ignored.
TEST(WeekNumbersFile, DamagedOrUnknownTailsLeaveTheDocumentRead)
{
    TCalendarPage page;
    ApplyMainPageValues(page);
    const QByteArray document = Saved(page) + QByteArray::fromHex("0a00000000");
    const QByteArray unknownFirst =
        QByteArray::fromHex("01 06 05") + "Later" + QByteArray::fromHex("0a 02000000 abcd") +
        QByteArray::fromHex("06 0b") + "WeekNumbers" + QByteArray::fromHex("0202 00");
    const struct
    {
        QByteArray tail;
        TWeekNumbers expected;
    } cases[] = {
        {unknownFirst, wnUs},
        {Extras(7), wnNone},
        {Extras(-1), wnNone},
        {Extras(wnIso).chopped(3), wnNone},
        {QByteArray::fromHex("ff ff"), wnNone},
        {QByteArray::fromHex("01 02 05"), wnNone},
    };
    for (const auto &c : cases) {
        TCalendarPage read;
        EXPECT_FALSE(Load(read, document + c.tail)) << c.tail.toHex().toStdString();
        EXPECT_EQ(read.WeekNumbers(), c.expected) << c.tail.toHex().toStdString();
        EXPECT_FALSE(Load(read, Saved(page, true) + c.tail, true));
    }
}

TEST(WeekNumbersStyle, CopiedComparedAndResetWithTheStyle)
{
    TCalendarPage source;
    TCalendarPage copy;
    source.SetWeekNumbers(wnUs);
    EXPECT_FALSE(copy.SameStyle(source));
    copy.AssignStyle(source);
    EXPECT_EQ(copy.WeekNumbers(), wnUs);
    EXPECT_TRUE(copy.SameStyle(source));
    copy.SetWeekNumbers(TWeekNumbers(3));
    EXPECT_EQ(copy.WeekNumbers(), wnUs);
    copy.ResetStyle(QDate(2024, 12, 1));
    EXPECT_EQ(copy.WeekNumbers(), wnNone);
}

// The column takes 8 % of the grid from the left; the day columns and their
// names share the rest; each row carries its number.
TEST(WeekNumbersDrawing, TheMonthGridGivesTheColumnItsShareAndNumbers)
{
    TCalendarPage plain;
    MakeDecember2024(plain, wnNone);
    const QImage before = RenderPageImage(plain);
    const TCalendarAttributes off = plain.MainAttributes();

    TCalendarPage page;
    MakeDecember2024(page, wnIso);
    const QImage image = RenderPageImage(page);
    const TCalendarAttributes &on = page.MainAttributes();
    const TRect inner = InnerRect(page.MainRect());
    const int column = int(inner.Width() * 0.08);
    const int cw = (inner.Width() - column) / 7;
    const int expected[6] = {48, 49, 50, 51, 52, 1};
    for (int row = 0; row < 6; ++row) {
        const TWeekCell &week = on.WeekCells[size_t(row)];
        EXPECT_EQ(week.Number, expected[row]) << row;
        EXPECT_EQ(week.Rect.Left, inner.Left + 1);
        EXPECT_EQ(week.Rect.Right, inner.Left + column - 1);
        EXPECT_EQ(week.Rect.Top, on.CellGeometry[size_t(7 * row)].rTotal.Top);
        EXPECT_GT(InkIn(image, week.Rect), 0) << row;
        EXPECT_EQ(InkIn(before, week.Rect), 0) << row;
        // The first cell of the row starts right of the column.
        EXPECT_EQ(on.CellGeometry[size_t(7 * row)].rTotal.Left, inner.Left + column + 1 + 4);
        EXPECT_EQ(on.CellGeometry[size_t(7 * row + 6)].rTotal.Left,
                  inner.Left + column + 6 * cw + 1 + 4);
    }
    // The title and the day names' row keep their place.
    EXPECT_EQ(on.TitleRect, off.TitleRect);
    EXPECT_EQ(on.DayNamesRect, off.DayNamesRect);
    // The numbers are lighter than the day names: grey, not black.
    bool grey = false;
    for (int y = on.WeekCells[0].Rect.Top; y < on.WeekCells[0].Rect.Bottom; ++y)
        for (int x = on.WeekCells[0].Rect.Left; x < on.WeekCells[0].Rect.Right; ++x)
            grey = grey || image.pixelColor(x, y) == QColor(127, 127, 127);
    EXPECT_TRUE(grey);
    // Switched off again, the page is drawn as if never switched on.
    page.SetWeekNumbers(wnNone);
    EXPECT_EQ(RenderPageImage(page), before);
    for (const TWeekCell &week : page.MainAttributes().WeekCells)
        EXPECT_EQ(week.Number, 0);
}

// A row that holds no day of the month shows no number.
TEST(WeekNumbersDrawing, RowsWithoutDaysStayEmpty)
{
    TCalendarPage page;
    MakeDecember2024(page, wnUs);
    page.SetMainCalMonth(2);
    page.SetMainCalYear(2026); // 1 February 2026 is a Sunday
    page.SetStartOfWeek(1);
    const QImage image = RenderPageImage(page);
    const auto &weeks = page.MainAttributes().WeekCells;
    EXPECT_EQ(weeks[0].Number, 6);
    EXPECT_EQ(weeks[3].Number, 9);
    EXPECT_EQ(weeks[4].Number, 0);
    EXPECT_EQ(weeks[5].Number, 0);
    EXPECT_EQ(InkIn(image, weeks[4].Rect), 0);
}

// Paper gets the same column: the printed cells and numbers.
TEST(WeekNumbersDrawing, PaperHasTheColumnToo)
{
    TCalendarPage page;
    MakeDecember2024(page, wnIso);
    TCalendarAttributes attributes = MainDrawingAttributes(page);
    QImage image(page.MainRect().Right + 10, page.MainRect().Bottom + 10, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TCanvasReport report;
        report.BeginCanvas(painter);
        PrintMonthGrid(report, attributes, QString());
        report.EndCanvas();
    }
    const TRect inner = InnerRect(attributes.CalRect);
    const int column = int(inner.Width() * 0.08);
    for (int row = 0; row < 6; ++row) {
        const TWeekCell &week = attributes.WeekCells[size_t(row)];
        EXPECT_EQ(week.Number, row == 5 ? 1 : 48 + row);
        EXPECT_GT(InkIn(image, week.Rect), 0) << row;
        EXPECT_GE(attributes.CellGeometry[size_t(7 * row)].rTotal.Left, inner.Left + column);
    }
}

// The mini calendars have the column at their scale, filled like their day
// names' row (black on the main page).
TEST(WeekNumbersDrawing, MinisHaveTheColumnAtTheirScale)
{
    QImage images[2];
    for (const TWeekNumbers rule : {wnNone, wnIso}) {
        TCalendarPage page;
        MakeDecember2024(page, rule);
        page.SetCalendarLayout(loMC12Month);
        page.Relayout(true);
        ASSERT_EQ(page.MiniHeadersBGColor(), clBlack);
        images[rule == wnIso] = RenderPageImage(page);
    }
    TCalendarPage page;
    MakeDecember2024(page, wnIso);
    page.SetCalendarLayout(loMC12Month);
    for (int k = 1; k <= page.MiniCount(); ++k) {
        const TRect inner = InnerRect(page.MiniRect(k));
        const int column = int(inner.Width() * 0.08);
        ASSERT_GE(column, 8);
        // The lower half, below the day names, left of the days.
        const TRect strip{inner.Left + 2, inner.Top + inner.Height() / 2, inner.Left + column - 1,
                          inner.Bottom - 1};
        const int area = strip.Width() * strip.Height();
        EXPECT_GT(InkIn(images[1], strip), area / 2) << k;
        EXPECT_LT(InkIn(images[0], strip), area / 3) << k;
    }
}

// The planners name the week in their title, the day planner after the date.
TEST(WeekNumbersDrawing, PlannersNameTheWeekInTheirTitle)
{
    const struct
    {
        TCalendarLayout layout;
        TWeekNumbers rule;
        int day;
        const char *title;
    } cases[] = {
        {loWeek, wnIso, 1, "December 1-7, 2024, Week 49"}, // Monday to Saturday
        {loWeek, wnUs, 1, "December 1-7, 2024, Week 49"},
        {loWeek, wnIso, 4, "December 4-10, 2024, Week 49"}, // Wednesday to Saturday
        {lo2Week, wnIso, 30, "December 30, 2024 - January 12, 2025, Weeks 1-2"},
        {loDay10, wnIso, 29, "Sunday, December 29, 2024, Week 52"},
        {loDay15, wnUs, 29, "Sunday, December 29, 2024, Week 1"},
        {loWeek, wnNone, 1, "December 1-7, 2024"},
    };
    for (const auto &c : cases) {
        TCalendarPage page;
        MakeDecember2024(page, c.rule);
        page.SetCalendarLayout(c.layout);
        page.SetMainCalDay(c.day);
        const TPlannerRows rows = c.layout == loWeek || c.layout == lo2Week
                                      ? WeekPlannerRows(MainDrawingAttributes(page), {})
                                      : DayPlannerRows(MainDrawingAttributes(page), {});
        EXPECT_EQ(rows.Title, QString::fromLatin1(c.title));
    }
}
