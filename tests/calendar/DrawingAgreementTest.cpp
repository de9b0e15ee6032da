#include "CalendarDrawing.h"
#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "CanvasReport.h"
#include "Color.h"
#include "Numbers.h"
#include "PdfExport.h"
#include "PdfRaster.h"
#include "PdfReport.h"
#include "PrintedCalendar.h"
#include "StoredPageValues.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

// The month grid drawn on the bitmap and printed into a PDF, rasterised at
// 96 dpi so that both are in page pixels, probed where lines and numbers
// must be. Each drawing is held to its own geometry: the printed day-name
// row is a line height high, the bitmap's a font height, so rows sit a few
// pixels apart while columns and outlines coincide.

namespace {

constexpr int Ppi = 96;

struct DrawingCase
{
    const char *name;
    std::function<void(TCalendarPage &)> set;
};

// February 2024 starts on a Thursday and leaves the last row empty.
void MakeMonthGrid(TCalendarPage &page)
{
    ApplyMainPageValues(page);
    page.SetCalendarLayout(LOFullCalendarLS);
    page.SetMainCalMonth(2);
    page.SetMainCalYear(2024);
}

void SetBorders(TCalendarPage &page, TCalBorderStyle style)
{
    page.SetCalendarBorder(style);
    page.SetHeadersBorder(style);
    page.SetCellBorder(style);
}

const std::vector<DrawingCase> &Cases()
{
    using P = TCalendarPage;
    static const std::vector<DrawingCase> cases{
        {"upper right numbers", [](P &p) { p.SetNumberPosition(cnpUpperRight); }},
        {"centred numbers", [](P &p) { p.SetNumberPosition(cnpCenter); }},
        {"first characters", [](P &p) { p.SetHeadersStyle(dsFirstChar); }},
        {"three characters", [](P &p) { p.SetHeadersStyle(dsThreeChars); }},
        {"whole names", [](P &p) { p.SetHeadersStyle(dsWhole); }},
        {"no borders", [](P &p) { SetBorders(p, cbNone); }},
        {"all borders", [](P &p) { SetBorders(p, cbAll); }},
        {"top borders", [](P &p) { SetBorders(p, cbTop); }},
        {"bottom borders", [](P &p) { SetBorders(p, cbBottom); }},
        {"top and bottom borders", [](P &p) { SetBorders(p, cbTopBottom); }},
        {"full lines", [](P &p) { p.SetCalendarLineLayout(llFull); }},
        {"headers and cells", [](P &p) { p.SetCalendarLineLayout(llHeadersAndCells); }},
        {"cells only", [](P &p) { p.SetCalendarLineLayout(llCellsOnly); }},
    };
    return cases;
}

// One drawing of the grid: its pixels and the geometry it recorded.
struct Drawing
{
    const char *name;
    QImage image;
    TCalendarAttributes geometry;
    bool printed;
};

// A rectangle of the PDF's device pixels in the pixels it is rasterised to.
TRect InRaster(const TRect &device, double scale)
{
    return {int(device.Left / scale), int(device.Top / scale), int(device.Right / scale),
            int(device.Bottom / scale)};
}

using PrintFunction = void (*)(TCanvasReport &, TCalendarAttributes &, const QString &);

// The printed drawing's own geometry in the pixels of the rasterised PDF: the
// grid (or planner) printed as the page prints it, into a PDF of the same
// resolution.
TCalendarAttributes PrintedGeometry(const TCalendarPage &page, PrintFunction print = PrintMonthGrid)
{
    TCalendarAttributes attributes = MainDrawingAttributes(page);
    double scale = 1.0;
    TPdfReport report(QPageSize(QPageSize::Letter), QPageLayout::Landscape);
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    report.Write(sink, [&](TPdfReport &printer) {
        const TRect &main = page.MainRect();
        attributes.CalRect = printer.RectU2D(double(main.Left) / Ppi, double(main.Top) / Ppi,
                                             double(main.Right) / Ppi, double(main.Bottom) / Ppi);
        attributes.MinTitleHeight = Trunc(1.5 * printer.XDpi());
        print(printer, attributes, page.UserTitle());
        scale = double(printer.XDpi()) / Ppi;
    });
    attributes.TitleRect = InRaster(attributes.TitleRect, scale);
    attributes.DayNamesRect = InRaster(attributes.DayNamesRect, scale);
    for (TCellGeometry &cell : attributes.CellGeometry)
        cell.rTotal = InRaster(cell.rTotal, scale);
    return attributes;
}

bool HasTop(TCalBorderStyle style)
{
    return style == cbAll || style == cbTop || style == cbTopBottom;
}

bool HasBottom(TCalBorderStyle style)
{
    return style == cbAll || style == cbBottom || style == cbTopBottom;
}

// Ink across a thin band around y, in the left part of the first column
// where no text is; the printed drawing is allowed a pixel of rounding more.
bool LineAtY(const Drawing &drawing, int x, int y)
{
    const int slack = drawing.printed ? 2 : 1;
    return InkIn(drawing.image, QRect(x, y - slack, 6, 2 * slack + 1)) > 0;
}

bool LineAtX(const Drawing &drawing, int x, int y)
{
    const int slack = drawing.printed ? 2 : 1;
    return InkIn(drawing.image, QRect(x - slack, y, 2 * slack + 1, 6)) > 0;
}

void ExpectLines(const Drawing &drawing, const TCalendarPage &page)
{
    SCOPED_TRACE(drawing.name);
    const TCalendarAttributes &a = drawing.geometry;
    const TRect &main = page.MainRect();
    const TRect r{main.Left, main.Top, main.Right - 1, main.Bottom - 1};
    const int gt = a.DayNamesRect.Bottom;
    const int x = r.Left + 8;
    const TCalBorderStyle cal = page.CalendarBorder();
    const TCalBorderStyle cells = page.CellBorder();
    const TCalBorderStyle headers = page.HeadersBorder();

    EXPECT_EQ(LineAtY(drawing, x, r.Top), HasTop(cal)) << "calendar top";
    EXPECT_EQ(LineAtY(drawing, x, a.DayNamesRect.Top), HasTop(headers)) << "day names top";
    // The day-name row's bottom is the grid's first line.
    EXPECT_EQ(LineAtY(drawing, x, gt), HasBottom(headers) || (cells != cbNone && HasTop(cells)))
        << "grid line 0";
    for (int row = 1; row <= 5; ++row) {
        const int y = a.CellGeometry[7 * row].rTotal.Top - 1;
        EXPECT_EQ(LineAtY(drawing, x, y), cells != cbNone) << "grid line " << row;
        const int middle = (y + a.CellGeometry[7 * row].rTotal.Bottom) / 2;
        EXPECT_FALSE(LineAtY(drawing, x, middle)) << "inside row " << row;
    }
    EXPECT_EQ(LineAtY(drawing, x, r.Bottom), HasBottom(cal) || HasBottom(cells)) << "grid line 6";

    // Columns, probed in the empty last row.
    const int y = a.CellGeometry[35].rTotal.Top + 10;
    const int cw = (r.Right - r.Left) / 7;
    const bool outline = cal == cbAll || cells == cbAll;
    EXPECT_EQ(LineAtX(drawing, r.Left, y), outline) << "left edge";
    EXPECT_EQ(LineAtX(drawing, r.Right, y), outline) << "right edge";
    for (int j = 1; j <= 6; ++j) {
        EXPECT_EQ(LineAtX(drawing, r.Left + j * cw, y), cells == cbAll) << "column line " << j;
        EXPECT_FALSE(LineAtX(drawing, r.Left + j * cw + cw / 2, y)) << "inside column " << j;
    }
}

// Where the number of a cell's day lies: in the upper right corner, right of
// the cell less 0.05 inch on paper; centred both ways on the bitmap and
// centred on the cell's top line on paper.
void ExpectNumber(const Drawing &drawing, const TCalendarPage &page, int day)
{
    SCOPED_TRACE(drawing.name);
    int index = 1;
    while (drawing.geometry.CellGeometry[index - 1].iDay != day)
        ++index;
    const TRect &cell = drawing.geometry.CellGeometry[index - 1].rTotal;
    // Between the cell's lines, which the printed rectangle reaches.
    const TRect &main = page.MainRect();
    const int cw = (main.Right - 1 - main.Left) / 7;
    const int lineLeft = main.Left + (index - 1) % 7 * cw;
    const QRect area(lineLeft + 2, cell.Top + 2, cw - 3, cell.Height() - 3);
    const QRect ink = InkBounds(drawing.image, area);
    ASSERT_FALSE(ink.isNull()) << "day " << day;
    const int centreX = (cell.Left + cell.Right) / 2;
    if (page.NumberPosition() == cnpUpperRight) {
        const int right = drawing.printed ? cell.Right - Ppi / 20 : cell.Right;
        EXPECT_NEAR(ink.right(), right, 3) << "day " << day;
        EXPECT_LT(ink.top() - cell.Top, 10) << "day " << day;
        EXPECT_GT(ink.left(), centreX) << "day " << day;
        return;
    }
    EXPECT_NEAR((ink.left() + ink.right()) / 2, centreX, 3) << "day " << day;
    if (drawing.printed)
        EXPECT_LT(ink.top() - cell.Top, 10) << "day " << day << " at " << ink.top();
    else
        EXPECT_NEAR((ink.top() + ink.bottom()) / 2, (cell.Top + cell.Bottom) / 2, 3)
            << "day " << day;
}

// The Wednesday column's name: centred in its column, as wide on paper as on
// the bitmap within a few pixels; returns its width.
int DayNameWidth(const Drawing &drawing, const TCalendarPage &page)
{
    const TCalendarAttributes &a = drawing.geometry;
    const int left = page.MainRect().Left;
    const int cw = (page.MainRect().Right - 1 - left) / 7;
    const QRect column(left + 3 * cw + 2, a.DayNamesRect.Top + 3, cw - 4,
                       a.DayNamesRect.Height() - 5);
    const QRect ink = InkBounds(drawing.image, column);
    if (ink.isNull())
        return 0;
    EXPECT_NEAR((ink.left() + ink.right()) / 2, column.center().x(), 3) << drawing.name;
    return ink.width();
}

class DrawingAgreement : public testing::TestWithParam<int>
{};

} // namespace

TEST_P(DrawingAgreement, BitmapAndPaperPutLinesAndNumbersWhereTheyBelong)
{
    const DrawingCase &drawingCase = Cases()[size_t(GetParam())];
    SCOPED_TRACE(drawingCase.name);
    TCalendarPage page;
    MakeMonthGrid(page);
    drawingCase.set(page);

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString pdf = folder.filePath("grid.pdf");
    ASSERT_FALSE(SavePageAsPdf(page, pdf, QStringLiteral("grid")));
    const QImage raster = RasterisedFirstPage(pdf, folder.path());
    if (raster.isNull())
        GTEST_SKIP() << "pdftoppm is not available";
    const QImage bitmap = RenderPageImage(page);
    ASSERT_EQ(raster.size(), bitmap.size());

    const Drawing drawings[] = {{"bitmap", bitmap, page.MainAttributes(), false},
                                {"paper", raster, PrintedGeometry(page), true}};
    int widths[2] = {};
    for (int i = 0; i < 2; ++i) {
        ExpectLines(drawings[i], page);
        ExpectNumber(drawings[i], page, 8);
        ExpectNumber(drawings[i], page, 15);
        widths[i] = DayNameWidth(drawings[i], page);
    }
    EXPECT_NEAR(widths[0], widths[1], 1 + widths[0] / 8);
    // The name as the headers style cuts it.
    const QString name = StyledDayName(page.GetDayName(4), page.HeadersStyle());
    const QFontMetrics metrics(page.HeadersFont().ToQFont(Ppi));
    EXPECT_NEAR(widths[0], metrics.tightBoundingRect(name).width(), 3) << name.toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryStyle, DrawingAgreement, testing::Range(0, int(Cases().size())));

namespace {

struct PlannerCase
{
    const char *name;
    TCalendarLayout layout;
    PrintFunction print;
    int rows;
};

} // namespace

// Guards against planner rows ruled out of place on paper: every line between
// two rows lies between them, on the bitmap and on the rasterised PDF, and
// none crosses a row.
TEST(DrawingAgreement, PlannerRowLinesLieBetweenTheRows)
{
    const PlannerCase cases[] = {
        {"week", loWeek, PrintWeekPlanner, 8},
        {"two weeks", lo2Week, PrintWeekPlanner, 15},
        {"ten hours", loDay10, PrintDayPlanner, 11},
        {"fifteen hours", loDay15, PrintDayPlanner, 16},
    };
    for (const PlannerCase &plannerCase : cases) {
        SCOPED_TRACE(plannerCase.name);
        TCalendarPage page;
        ApplyMainPageValues(page);
        page.SetCalendarLayout(plannerCase.layout);
        page.SetMainCalYear(2024);
        page.SetMainCalMonth(2);
        page.SetMainCalDay(14);

        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString pdf = folder.filePath("planner.pdf");
        ASSERT_FALSE(SavePageAsPdf(page, pdf, QStringLiteral("grid")));
        const QImage raster = RasterisedFirstPage(pdf, folder.path());
        if (raster.isNull())
            GTEST_SKIP() << "pdftoppm is not available";
        const Drawing drawings[] = {
            {"bitmap", RenderPageImage(page), page.MainAttributes(), false},
            {"paper", raster, PrintedGeometry(page, plannerCase.print), true}};
        for (const Drawing &drawing : drawings) {
            SCOPED_TRACE(drawing.name);
            const auto &cells = drawing.geometry.CellGeometry;
            for (int row = 1; row < plannerCase.rows; ++row) {
                const TRect &above = cells[size_t(row - 1)].rTotal;
                const TRect &below = cells[size_t(row)].rTotal;
                const int x = below.Right - 20;
                EXPECT_TRUE(LineAtY(drawing, x, (above.Bottom + below.Top) / 2)) << "row " << row;
                EXPECT_FALSE(LineAtY(drawing, x, (below.Top + below.Bottom) / 2))
                    << "inside row " << row;
            }
        }
    }
}

// Guards against the printed title band's colour stopping a line short: the
// fill covers the band down to its last line, where the day names begin
// below it.
TEST(DrawingAgreement, PrintedTitleColourReachesTheBandsLastLine)
{
    TCalendarPage page;
    MakeMonthGrid(page);
    SetBorders(page, cbNone);
    TCalendarAttributes attributes = MainDrawingAttributes(page);
    attributes.TitleBackColor = clYellow;
    attributes.HeadersBackColor = clWhite;
    attributes.BackColor = clWhite;

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
    const TRect &band = attributes.TitleRect;
    const int bottom = std::max(band.Bottom, band.Top + attributes.MinTitleHeight);
    const QColor yellow = ToQColor(clYellow);
    const int x = band.Left + 3;
    EXPECT_EQ(image.pixelColor(x, band.Top), yellow);
    EXPECT_EQ(image.pixelColor(x, bottom), yellow);
    EXPECT_NE(image.pixelColor(x, bottom + 1), yellow);
}
