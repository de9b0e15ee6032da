#include "FlatCalendarDrawing.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr int Ppi = 96;

TFlatCalendarLook MonthLook(int month, int year, int startOfWeek = 1)
{
    TFlatCalendarLook look;
    look.Month = month;
    look.Year = year;
    look.StartOfWeek = startOfWeek;
    return look;
}

QImage Drawn(const TFlatCalendarLook &look, int width, int height, QRgb under = qRgb(0, 255, 0),
             float scale = 1.0f)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(under);
    QPainter painter(&image);
    DrawFlatCalendar(painter, look, FlatCalendarGeometry(look, width, height, scale, Ppi), Ppi);
    return image;
}

// The row and column (0-based) the day stands in, or (-1, -1).
std::pair<int, int> PlaceOf(const TFlatCalendarGeometry &g, int day)
{
    for (int index = 0; index < 42; ++index) {
        if (g.Days[size_t(index)] == day)
            return {index / 7, index % 7};
    }
    return {-1, -1};
}

int LastUsedRow(const TFlatCalendarGeometry &g)
{
    int last = -1;
    for (int index = 0; index < 42; ++index) {
        if (g.Days[size_t(index)] > 0)
            last = index / 7;
    }
    return last;
}

constexpr QRgb Black = 0xff000000;
constexpr QRgb White = 0xffffffff;

} // namespace

TEST(FlatCalendarGeometry, PutsTheDaysInTheColumnsOfTheirWeekdays)
{
    struct Case
    {
        int month, year, startOfWeek, day, row, column;
    };
    const Case cases[] = {
        // February 2024 begins on a Thursday and has 29 days.
        {2, 2024, 1, 1, 0, 4},
        {2, 2024, 1, 29, 4, 4},
        {2, 2024, 2, 1, 0, 3},
        {2, 2024, 2, 29, 4, 3},
        // 31-day months starting in the last column reach the sixth row.
        {8, 2020, 1, 1, 0, 6},
        {8, 2020, 1, 31, 5, 1},
        {12, 2024, 2, 1, 0, 6},
        {12, 2024, 2, 31, 5, 1},
        // A century year that is no leap year.
        {2, 1900, 1, 28, 4, 3},
    };
    for (const Case &c : cases) {
        const TFlatCalendarGeometry g =
            FlatCalendarGeometry(MonthLook(c.month, c.year, c.startOfWeek), 200, 180, 1.0f, Ppi);
        EXPECT_EQ(PlaceOf(g, c.day), std::pair(c.row, c.column))
            << c.month << "/" << c.year << " day " << c.day;
    }
    const auto rows = [](int month, int year, int start) {
        return LastUsedRow(FlatCalendarGeometry(MonthLook(month, year, start), 200, 180, 1, Ppi));
    };
    EXPECT_EQ(rows(8, 2020, 1), 5);
    EXPECT_EQ(rows(12, 2024, 2), 5);
    EXPECT_EQ(rows(2, 2024, 1), 4);
    EXPECT_EQ(PlaceOf(FlatCalendarGeometry(MonthLook(2, 1900), 200, 180, 1, Ppi), 29),
              std::pair(-1, -1));
}

TEST(FlatCalendarGeometry, LaysOutTitleWeekdayRowAndBody)
{
    TFlatCalendarLook look = MonthLook(3, 2021);
    const TFlatCalendarGeometry g = FlatCalendarGeometry(look, 200, 180, 1.0f, Ppi);
    EXPECT_EQ(g.Calendar, (TRect{0, 0, 200, 180}));
    EXPECT_EQ(std::tuple(g.L, g.T, g.R, g.B), std::tuple(0, 0, 199, 179));
    EXPECT_EQ(g.TitleBottom, 30); // 0.17 of 179
    // 8 points are 11 pixels at 96 ppi: the row is one and a half of them.
    EXPECT_EQ(g.DayRowBottom, 30 + 16);
    EXPECT_EQ(g.ColumnWidth, 28);
    EXPECT_EQ(g.RowHeight, (179 - 46) / 6);
    EXPECT_EQ(g.CellRect(1, 2), (TRect{57, 46 + 22 + 1, 83, 46 + 44}));
    EXPECT_EQ(g.DayHeaderRect(6), (TRect{169, 30, 195, 46}));
    EXPECT_EQ(g.Title, "March");
    look.ShowYear = true;
    EXPECT_EQ(FlatCalendarGeometry(look, 200, 180, 1.0f, Ppi).Title, "March 2021");
}

TEST(FlatCalendarGeometry, TitleIsAtLeastAsHighAsItsText)
{
    const TFlatCalendarLook look = MonthLook(5, 2022);
    const int text = QFontMetrics(look.TitleFont.ToQFont(Ppi)).height();
    const TFlatCalendarGeometry low = FlatCalendarGeometry(look, 200, 40, 1.0f, Ppi);
    EXPECT_GT(text, 6);
    EXPECT_EQ(low.TitleBottom, text);
}

TEST(FlatCalendarGeometry, WeekdayNamesFollowStartLanguageAndStyle)
{
    TFlatCalendarLook look = MonthLook(1, 2023);
    const auto headers = [&look] {
        return FlatCalendarGeometry(look, 200, 180, 1.0f, Ppi).DayHeaders;
    };
    EXPECT_EQ(headers(), (std::array<QString, 7>{"S", "M", "T", "W", "T", "F", "S"}));
    look.StartOfWeek = 2;
    look.Language = fclGerman;
    look.DayNameStyle = fdsThreeChars;
    EXPECT_EQ(headers(), (std::array<QString, 7>{"Mon", "Die", "Mit", "Don", "Fre", "Sam", "Son"}));
    look.DayNameStyle = fdsWhole;
    EXPECT_EQ(headers()[4], "Freitag ");
    EXPECT_EQ(headers()[6], "Sonntag");
}

TEST(FlatCalendarNames, EachLanguageHasItsOwnNames)
{
    EXPECT_EQ(FlatMonthName(fclEnglish, 1), "January");
    EXPECT_EQ(FlatMonthName(fclGerman, 3), QString::fromUtf8("März"));
    EXPECT_EQ(FlatMonthName(fclFrench, 8), QString::fromUtf8("Août"));
    EXPECT_EQ(FlatMonthName(fclItalian, 1), "Gennaio");
    EXPECT_EQ(FlatMonthName(fclSpanish, 1), "Enero");
    EXPECT_EQ(FlatDayName(fclItalian, 2), QString::fromUtf8("Lunedì"));
    EXPECT_EQ(FlatDayName(fclSpanish, 7), QString::fromUtf8("Sábado"));
    EXPECT_EQ(FlatDayHeader(fclGerman, 6, fdsThreeChars), "Fre");
    EXPECT_EQ(FlatDayHeader(fclGerman, 6, fdsWhole), "Freitag ");
    EXPECT_EQ(FlatDayHeader(fclFrench, 4, fdsFirstChar), "M");
    EXPECT_TRUE(FlatMonthName(fclEnglish, 13).isEmpty());
    EXPECT_TRUE(FlatMonthName(fclEnglish, 0).isEmpty());
}

TEST(FlatCalendarGeometry, ShadowMovesTheCalendarAwayFromItsCorner)
{
    struct Case
    {
        TFlatShadowPosition position;
        TRect calendar, shadow;
    };
    const Case cases[] = {
        {fcpLowerRight, {0, 0, 96, 76}, {4, 4, 101, 81}},
        {fcpLowerLeft, {4, 0, 100, 76}, {0, 4, 97, 81}},
        {fcpUpperRight, {0, 4, 96, 80}, {4, 0, 101, 77}},
        {fcpUpperLeft, {4, 4, 100, 80}, {0, 0, 97, 77}},
    };
    TFlatCalendarLook look = MonthLook(6, 2024);
    look.ShadowDepth = 4;
    for (const Case &c : cases) {
        look.ShadowPosition = c.position;
        const TFlatCalendarGeometry g = FlatCalendarGeometry(look, 100, 80, 1.0f, Ppi);
        EXPECT_TRUE(g.HasShadow);
        EXPECT_EQ(g.Calendar, c.calendar) << c.position;
        EXPECT_EQ(g.Shadow, c.shadow) << c.position;
    }
    look.CalTransparent = true;
    EXPECT_FALSE(FlatCalendarGeometry(look, 100, 80, 1.0f, Ppi).HasShadow);
    look.CalTransparent = false;
    look.ShadowDepth = 0;
    EXPECT_EQ(FlatCalendarGeometry(look, 100, 80, 1.0f, Ppi).Calendar, (TRect{0, 0, 100, 80}));
}

TEST(FlatCalendarGeometry, ScaleTwoDoublesFontsAndShadow)
{
    TFlatCalendarLook look = MonthLook(6, 2024);
    look.ShadowDepth = 3;
    look.ShadowPosition = fcpUpperLeft;
    const TFlatCalendarGeometry g = FlatCalendarGeometry(look, 400, 360, 2.0f, Ppi);
    EXPECT_EQ(g.TitleFont.Size, 16);
    EXPECT_EQ(g.DayNameFont.Size, 16);
    EXPECT_EQ(g.CellFont.Size, 14);
    EXPECT_EQ(g.Calendar, (TRect{6, 6, 400, 360}));
    // 16 points are 21 pixels high: the weekday row 31.
    EXPECT_EQ(g.DayRowBottom - g.TitleBottom, 31);
    // Fractions are dropped, as in 1.5 x 3 = 4.
    EXPECT_EQ(FlatCalendarGeometry(look, 400, 360, 1.5f, Ppi).Calendar.Left, 4);
    EXPECT_EQ(FlatCalendarGeometry(look, 400, 360, 1.5f, Ppi).CellFont.Size, 10);
}

TEST(FlatCalendarGeometry, BodyLinesFollowTheCellBorderStyle)
{
    struct Case
    {
        TFlatCalBorderStyle style;
        QList<int> rows; // boundaries k with a horizontal line
        int verticals;
    };
    const Case cases[] = {
        {fcbNone, {}, 0},
        {fcbAll, {0, 1, 2, 3, 4, 5, 6}, 8},
        {fcbTop, {0, 1, 2, 3, 4, 5}, 0},
        {fcbBottom, {1, 2, 3, 4, 5, 6}, 0},
        {fcbTopBottom, {0, 1, 2, 3, 4, 5, 6}, 0},
    };
    TFlatCalendarLook look = MonthLook(6, 2024);
    for (const Case &c : cases) {
        look.CellBorderStyle = c.style;
        const TFlatCalendarGeometry g = FlatCalendarGeometry(look, 200, 180, 1.0f, Ppi);
        QList<TRect> expected;
        for (int k : c.rows) {
            const int y = k == 6 ? g.B : g.DayRowBottom + k * g.RowHeight;
            expected.append({g.L, y, g.R, y + 1});
        }
        for (int j = 0; j < c.verticals; ++j) {
            const int x = j == 7 ? g.R : g.L + j * g.ColumnWidth;
            expected.append({x, g.DayRowBottom, x + 1, g.B});
        }
        EXPECT_EQ(g.BodyLines, expected) << c.style;
    }
}

TEST(FlatCalendarGeometry, BorderLinesOfEachStyle)
{
    EXPECT_TRUE(FlatBorderLines(fcbNone, 0, 0, 9, 9).isEmpty());
    EXPECT_EQ(FlatBorderLines(fcbTop, 1, 2, 9, 8), (QList<TRect>{{1, 2, 10, 3}}));
    EXPECT_EQ(FlatBorderLines(fcbBottom, 1, 2, 9, 8), (QList<TRect>{{1, 8, 10, 9}}));
    EXPECT_EQ(FlatBorderLines(fcbTopBottom, 1, 2, 9, 8),
              (QList<TRect>{{1, 2, 10, 3}, {1, 8, 10, 9}}));
    EXPECT_EQ(FlatBorderLines(fcbAll, 1, 2, 9, 8),
              (QList<TRect>{{1, 2, 10, 3}, {1, 8, 10, 9}, {1, 2, 2, 9}, {9, 2, 10, 9}}));
}

TEST(FlatCalendarDrawing, NewCalendarIsBoxedWithABoxedWeekdayRowAndNoCellLines)
{
    const TFlatCalendarLook look = MonthLook(6, 2024);
    const TFlatCalendarGeometry g = FlatCalendarGeometry(look, 200, 180, 1.0f, Ppi);
    const QImage image = Drawn(look, 200, 180);
    // The calendar's box on its last pixels, the weekday row's box.
    for (const QPoint p : {QPoint(100, 0), QPoint(100, 179), QPoint(0, 100), QPoint(199, 100),
                           QPoint(14, g.TitleBottom), QPoint(14, g.DayRowBottom)})
        EXPECT_EQ(image.pixel(p), Black) << p.x() << "," << p.y();
    // No lines between the cells: a row boundary and a column boundary.
    const int boundary = g.DayRowBottom + 2 * g.RowHeight;
    EXPECT_EQ(image.pixel(g.L + 3 * g.ColumnWidth + 5, boundary), White);
    EXPECT_EQ(image.pixel(g.L + 3 * g.ColumnWidth, boundary + 4), White);
    // White everywhere the calendar has no text: nothing of what was under it.
    EXPECT_EQ(image.pixel(3, 3), White);
    EXPECT_EQ(image.pixel(198, 178), White);
    // With lines the same probes are black.
    TFlatCalendarLook lined = look;
    lined.CellBorderStyle = fcbAll;
    const QImage withLines = Drawn(lined, 200, 180);
    EXPECT_EQ(withLines.pixel(g.L + 3 * g.ColumnWidth + 5, boundary), Black);
    EXPECT_EQ(withLines.pixel(g.L + 3 * g.ColumnWidth, boundary + 4), Black);
}

TEST(FlatCalendarDrawing, FillsEachPartInItsColour)
{
    TFlatCalendarLook look = MonthLook(6, 2024);
    look.TitleBGcolor = clRed;
    look.DayNameBGColor = clBlue;
    look.Backgroundcolor = clYellow;
    look.ShadowColor = clLime;
    look.ShadowDepth = 4;
    look.ShadowPosition = fcpUpperLeft;
    const TFlatCalendarGeometry g = FlatCalendarGeometry(look, 200, 180, 1.0f, Ppi);
    const QImage image = Drawn(look, 200, 180, qRgb(9, 9, 9));
    EXPECT_EQ(image.pixel(2, 2), qRgb(0, 255, 0));                 // the shadow, top left
    EXPECT_EQ(image.pixel(198, 2), qRgb(9, 9, 9));                 // beside it, nothing
    EXPECT_EQ(image.pixel(6, 6), qRgb(255, 0, 0));                 // title
    EXPECT_EQ(image.pixel(6, g.TitleBottom + 2), qRgb(0, 0, 255)); // weekday row
    EXPECT_EQ(image.pixel(6, g.B - 2), qRgb(255, 255, 0));         // body
    EXPECT_EQ(image.pixel(4, 100), Black);                         // the box moved right
    EXPECT_EQ(image.pixel(199, 179), Black);
}

TEST(FlatCalendarDrawing, TransparentDrawsOnlyTextAndLines)
{
    TFlatCalendarLook look = MonthLook(6, 2024);
    look.TitleBGcolor = clRed;
    look.DayNameBGColor = clBlue;
    look.Backgroundcolor = clYellow;
    look.ShadowColor = clFuchsia;
    look.ShadowDepth = 6;
    look.CellBorderStyle = fcbTopBottom;
    look.CalTransparent = true;
    const QRgb under = qRgb(0, 255, 0);
    const QImage image = Drawn(look, 200, 180, under);
    int untouched = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            ASSERT_TRUE(p != qRgb(255, 0, 0) && p != qRgb(0, 0, 255) && p != qRgb(255, 255, 0) &&
                        p != qRgb(255, 0, 255) && p != White)
                << x << "," << y;
            untouched += p == under;
        }
    }
    EXPECT_GT(untouched, 200 * 180 / 2);
    // No shadow offset: the box is on the object's own edges.
    EXPECT_EQ(image.pixel(0, 100), Black);
    EXPECT_EQ(image.pixel(199, 100), Black);
}

TEST(FlatCalendarDrawing, ScaleTwoDrawsBiggerNumbers)
{
    // The ink of the day numbers grows with the zoom.
    const auto ink = [](const QImage &image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                count += qGray(image.pixel(x, y)) < 128;
        }
        return count;
    };
    TFlatCalendarLook look = MonthLook(6, 2024);
    look.CalendarBorderStyle = fcbNone;
    look.DayNameBorderStyle = fcbNone;
    const int single = ink(Drawn(look, 400, 360, White, 1.0f));
    const int twice = ink(Drawn(look, 400, 360, White, 2.0f));
    EXPECT_GT(twice, 3 * single);
}

TEST(FlatCalendarDrawing, DegenerateSizesDrawWithoutHarm)
{
    const TFlatCalendarLook look = MonthLook(6, 2024);
    for (const QSize size : {QSize(1, 1), QSize(3, 200), QSize(200, 3), QSize(7, 7)}) {
        const TFlatCalendarGeometry g =
            FlatCalendarGeometry(look, size.width(), size.height(), 1, Ppi);
        EXPECT_GE(g.ColumnWidth, 0);
        QImage image = Drawn(look, size.width(), size.height());
        EXPECT_FALSE(image.isNull());
    }
    TFlatCalendarLook shadowed = look;
    shadowed.ShadowDepth = 10;
    EXPECT_NO_FATAL_FAILURE(Drawn(shadowed, 5, 5));
}

TEST(FlatCalendarDrawing, FontsFromADamagedDocumentAreDrawnAtABoundedSize)
{
    // A font size near the integer limit made the title row overflow and
    // asked the font engine for glyphs billions of pixels high.
    TFlatCalendarLook look = MonthLook(6, 2024);
    look.TitleFont.Size = 2000000000;
    look.DayNameFont.Size = -2000000000;
    look.CellFont.Size = 2000000000;
    const TFlatCalendarGeometry g = FlatCalendarGeometry(look, 300, 200, 4.0f, Ppi);
    EXPECT_EQ(g.TitleFont.Size, 1638);
    EXPECT_EQ(g.DayNameFont.Size, 0);
    EXPECT_GT(g.TitleBottom, 0);
    EXPECT_GE(g.DayRowBottom, g.TitleBottom);
    EXPECT_FALSE(Drawn(look, 300, 200).isNull());
}

// The week column takes 8 % of the frame from the left, the day columns the
// rest; each row's number is drawn in it.
TEST(FlatCalendarDrawing, WeekNumbersTakeAColumnLeftOfTheDays)
{
    TFlatCalendarLook look = MonthLook(12, 2024, 2);
    const TFlatCalendarGeometry plain = FlatCalendarGeometry(look, 220, 180, 1.0f, Ppi);
    look.WeekNumbers = wnIso;
    const TFlatCalendarGeometry g = FlatCalendarGeometry(look, 220, 180, 1.0f, Ppi);
    const QImage image = Drawn(look, 220, 180);
    EXPECT_EQ(plain.WeekColumn, 0);
    EXPECT_EQ(g.WeekColumn, int((g.R - g.L) * 0.08));
    EXPECT_EQ(g.ColumnWidth, (g.R - g.L - g.WeekColumn) / 7);
    EXPECT_EQ(g.CellRect(0, 0).Left, g.L + g.WeekColumn + 1);
    EXPECT_EQ(g.DayHeaderRect(0).Left, g.L + g.WeekColumn + 1);
    const std::array<int, 6> expected{48, 49, 50, 51, 52, 1};
    EXPECT_EQ(g.WeekNumbers, expected);
    const auto ink = [](const QImage &picture, const TRect &rect) {
        int count = 0;
        for (int y = rect.Top; y < rect.Bottom; ++y)
            for (int x = rect.Left; x < rect.Right; ++x)
                count += picture.pixel(x, y) != White;
        return count;
    };
    for (int r = 0; r < 6; ++r)
        EXPECT_GT(ink(image, g.WeekCellRect(r)), 0) << r;
}
