#include "PdfExport.h"

#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "PdfRaster.h"
#include "StoredPageValues.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray FileBytes(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool DarkColumn(const QImage &image, int x, int top)
{
    for (int y = top; y < top + 20; ++y) {
        if (image.pixelColor(x, y).lightness() >= 128)
            return false;
    }
    return true;
}

// The nearest dark pixel right of the vertical line near lineX, in the rows
// near top, leaving out rows that are lines themselves: the distance from
// the line to the text after it, or -1.
int GapAfterLine(const QImage &image, int lineX, int top)
{
    int line = lineX - 1;
    while (!DarkColumn(image, line, top) && line < lineX + 1)
        ++line;
    while (DarkColumn(image, line + 1, top))
        ++line;
    constexpr int reach = 40;
    int gap = -1;
    for (int y = top - 16; y < top + 24; ++y) {
        int first = -1;
        int dark = 0;
        for (int x = line + 1; x <= line + reach; ++x) {
            if (image.pixelColor(x, y).lightness() < 128) {
                ++dark;
                first = first < 0 ? x - line : first;
            }
        }
        if (first > 0 && dark < reach && (gap < 0 || first < gap))
            gap = first;
    }
    return gap;
}

// The page with a word in the cell of day 15 (or the planner's first row).
void WriteInCell(TCalendarPage &page, int index)
{
    TWPRtfStorage cell;
    QTextCursor(&cell.RtfText().Document()).insertText(u"Meeting"_s);
    page.SetCellText(index, cell);
}

TEST(PdfExport, TitleIsTheDocumentsNameOrThePagesMonthAndYear)
{
    TCalendarPage page;
    ApplyMainPageValues(page);
    page.SetMainCalMonth(12);
    page.SetMainCalYear(1999);
    EXPECT_EQ(PdfTitle(page, u"/home/ann/Cal/Team.DWC"_s), u"Team"_s);
    EXPECT_EQ(PdfTitle(page, u"/home/ann/Cal/Team.2024.DWC"_s), u"Team.2024"_s);
    EXPECT_EQ(PdfTitle(page, {}), u"December 1999"_s);
    page.SetMonthName(12, u"Dezember"_s);
    EXPECT_EQ(PdfTitle(page, {}), u"Dezember 1999"_s);
}

// The PDF was titled "ReportPrinter Report" whatever the page.
TEST(PdfExport, ThePdfCarriesTheTitleWithTheProgramAsCreator)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    TCalendarPage page;
    ApplyMainPageValues(page);
    const QString pdf = folder.filePath(u"Team.PDF"_s);
    ASSERT_FALSE(SavePageAsPdf(page, pdf, u"Team \u00e9t\u00e9"_s));
    const QString title = PdfInfoField(pdf, u"Title"_s);
    if (title.isNull())
        GTEST_SKIP() << "pdfinfo is not available";
    EXPECT_EQ(title, u"Team \u00e9t\u00e9"_s);
    EXPECT_EQ(PdfInfoField(pdf, u"Creator"_s), u"Datewright"_s);
}

// The PDF's sheet is the page's own paper, turned as its layout turns it.
TEST(PdfExport, TheSheetIsThePagesPaperAndOrientation)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const struct
    {
        int Paper;
        TCalendarLayout Layout;
        const char *Size;
    } cases[] = {
        {0, loFullCalendar, "612 x 792 pts (letter)"},
        {0, LOFullCalendarLS, "792 x 612 pts (letter)"},
        {1, loFullCalendar, "595 x 842 pts (A4)"},
        {1, LOFullCalendarLS, "842 x 595 pts (A4)"},
    };
    for (const auto &sheet : cases) {
        TCalendarPage page;
        ApplyMainPageValues(page);
        page.SetPaperSize(sheet.Paper);
        page.SetCalendarLayout(sheet.Layout);
        const QString pdf = folder.filePath(u"sheet.pdf"_s);
        ASSERT_FALSE(SavePageAsPdf(page, pdf, u"Sheet"_s));
        const QString size = PdfInfoField(pdf, u"Page size"_s);
        if (size.isNull())
            GTEST_SKIP() << "pdfinfo is not available";
        EXPECT_EQ(size.toStdString(), sheet.Size) << sheet.Paper << ' ' << sheet.Layout;
    }
}

// Day names and titles wider than their room were cut on paper ("Wednesd").
TEST(PdfExport, TextsWiderThanTheirRoomArePrintedWholeInASmallerFont)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    TCalendarPage page;
    ApplyMainPageValues(page);
    page.SetCalendarLayout(loFullCalendar);
    TFontDesc headers = page.HeadersFont();
    headers.Size = 26;
    page.SetHeadersFont(headers);
    const QString title = u"A title far too long for the band above the month grid of the page"_s;
    page.SetUserTitle(title);
    const QString pdf = folder.filePath(u"Wide.PDF"_s);
    ASSERT_FALSE(SavePageAsPdf(page, pdf, u"Wide"_s));
    const QString text = PdfText(pdf);
    if (text.isNull())
        GTEST_SKIP() << "pdftotext is not available";
    for (const QString &name : {u"Sunday"_s, u"Wednesday"_s, u"Saturday"_s})
        EXPECT_TRUE(text.contains(name)) << name.toStdString() << "\n" << text.toStdString();
    EXPECT_TRUE(text.simplified().contains(title)) << text.toStdString();

    // The page's own fonts, whose names fit, keep their size.
    TCalendarPage plain;
    ApplyMainPageValues(plain);
    const QString plainPdf = folder.filePath(u"Plain.PDF"_s);
    ASSERT_FALSE(SavePageAsPdf(plain, plainPdf, u"Plain"_s));
    EXPECT_TRUE(PdfText(plainPdf).contains(u"Wednesday"_s));
}

// Regression: a title too long for its band was shrunk to a dot's height, on
// screen and on paper, rather than cut at a size that still reads.
TEST(PdfExport, ATitleTooLongAtHalfItsSizeIsCutAtHalfItsSizeOnScreenAndPaper)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    TCalendarPage page;
    ApplyMainPageValues(page);
    page.SetCalendarLayout(loFullCalendar);
    const QString word = u"Holidays"_s;
    const QString longTitle = QStringList(40, word).join(u' ');
    // The title's ink on screen and on paper, in the rows from the title band's
    // top to the day names.
    const auto inks = [&](const QString &title) -> std::pair<QRect, QRect> {
        page.SetUserTitle(title);
        const QImage screen = RenderPageImage(page);
        const TCalendarAttributes &drawn = page.MainAttributes();
        const QRect area(drawn.TitleRect.Left + 2, drawn.TitleRect.Top + 2,
                         drawn.TitleRect.Width() - 4,
                         drawn.DayNamesRect.Top - drawn.TitleRect.Top - 4);
        const QString pdf = folder.filePath(u"title.pdf"_s);
        if (SavePageAsPdf(page, pdf, u"title"_s))
            return {};
        const QImage paper = RasterisedFirstPage(pdf, folder.path(), 96);
        return {InkBounds(screen, area), paper.isNull() ? QRect() : InkBounds(paper, area)};
    };
    const auto [screenWhole, paperWhole] = inks(word);
    const auto [screenCut, paperCut] = inks(longTitle);
    ASSERT_FALSE(screenWhole.isNull());
    ASSERT_FALSE(screenCut.isNull());
    // The same letters at half the size: half as high.
    EXPECT_NEAR(double(screenCut.height()) / screenWhole.height(), 0.5, 0.1);
    if (paperWhole.isNull())
        GTEST_SKIP() << "pdftoppm is not available";
    ASSERT_FALSE(paperCut.isNull());
    EXPECT_NEAR(double(paperCut.height()) / paperWhole.height(), 0.5, 0.1);
    // Cut to the band: the ink runs from side to side.
    EXPECT_GT(paperCut.width(), paperWhole.width() * 5);

    const QString text = PdfText(folder.filePath(u"title.pdf"_s));
    if (text.isNull())
        GTEST_SKIP() << "pdftotext is not available";
    const QString printed = text.section(u'\n', 0, 0).trimmed();
    EXPECT_GT(printed.size(), word.size() * 3);
    EXPECT_LT(printed.size(), longTitle.size());
    EXPECT_TRUE(longTitle.startsWith(printed)) << printed.toStdString();
}

// Cell text on paper touched the line left of it, where the screen keeps a gap.
TEST(PdfExport, CellTextKeepsTheScreensGapFromTheLineLeftOfIt)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const TCalendarLayout layout : {LOFullCalendarLS, loWeek}) {
        TCalendarPage page;
        ApplyMainPageValues(page);
        page.SetCalendarLayout(layout);
        page.SetMainCalDay(1);
        const bool planner = layout == loWeek;
        const QImage screen = RenderPageImage(page);
        const int index = planner ? 1 : page.CellOfDay(15);
        WriteInCell(page, index);
        const QImage onScreen = RenderPageImage(page);
        const TRect free = page.MainAttributes().CellGeometry[index - 1].rFree;
        // The line: the grid's column line, or the planner's label column.
        const int lineX = free.Left - (planner ? 4 : 5);
        ASSERT_LT(screen.pixelColor(lineX, free.Top + 6).lightness(), 128) << layout;
        const int screenGap = GapAfterLine(onScreen, lineX, free.Top);

        const QString pdf = folder.filePath(u"cell.pdf"_s);
        ASSERT_FALSE(SavePageAsPdf(page, pdf, u"cell"_s));
        const QImage paper = RasterisedFirstPage(pdf, folder.path(), 96);
        if (paper.isNull())
            GTEST_SKIP() << "pdftoppm is not available";
        ASSERT_EQ(paper.size(), screen.size());
        const int paperGap = GapAfterLine(paper, lineX, free.Top);
        EXPECT_GE(screenGap, 4) << layout;
        EXPECT_NEAR(paperGap, screenGap, 1) << layout;
    }
}

} // namespace

TEST(PdfExport, AnExportStoppedBeforeAPageWritesNothingAndKeepsAnEarlierFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    TCalendarPage page;
    page.ResetStyle(QDate(2024, 1, 1));
    const QString pdf = folder.filePath(u"set.pdf"_s);
    const struct
    {
        int stopAt;
        bool earlier;
    } cases[] = {{1, false}, {3, false}, {3, true}, {6, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stopAt);
        QFile::remove(pdf);
        if (c.earlier) {
            QFile file(pdf);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("earlier");
        }
        QList<int> asked;
        const auto proceed = [&asked, &c](int number) {
            asked << number;
            return number < c.stopAt;
        };
        const auto failure = SavePageAsPdf(page, pdf, u"set"_s, 6, {}, proceed);
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(*failure, u"stopped before page %1 of 6"_s.arg(c.stopAt));
        EXPECT_EQ(asked.size(), c.stopAt);
        EXPECT_EQ(QFile::exists(pdf), c.earlier);
        if (c.earlier) {
            EXPECT_EQ(FileBytes(pdf), QByteArray("earlier"));
        }
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), c.earlier ? 1 : 0);
    }
    // Asked yes every time, every page is written.
    ASSERT_FALSE(SavePageAsPdf(page, pdf, u"set"_s, 4, {}, [](int) { return true; }));
    EXPECT_EQ(PdfPageCount(FileBytes(pdf)), 4);
}
