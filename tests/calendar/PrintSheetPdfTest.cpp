#include "CalendarPage.h"
#include "LumImage.h"
#include "PdfExport.h"
#include "PdfRaster.h"
#include "Ppi.h"
#include "StoredPageValues.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The sheet's width and height in points from pdfinfo's "Page size", or an
// empty size when pdfinfo is missing.
QSizeF PageSizePts(const QString &pdf)
{
    const QString field = PdfInfoField(pdf, u"Page size"_s);
    const QRegularExpressionMatch match =
        QRegularExpression(u"([0-9.]+) x ([0-9.]+) pts"_s).match(field);
    if (!match.hasMatch())
        return {};
    return {match.captured(1).toDouble(), match.captured(2).toDouble()};
}

double Points(double mm)
{
    return mm / 25.4 * 72;
}

TEST(PrintSheetPdf, TheSheetIsThePaperGrownByTheBleedAndTheMarksRoom)
{
    QTemporaryDir folder;
    const struct
    {
        int Paper;
        TCalendarLayout Layout;
        TPrintSheet Sheet;
        QSizeF TrimMm;
    } cases[] = {
        {1, loFullCalendar, {3.0, true}, {210, 297}},
        {1, loFullCalendar, {3.0, false}, {210, 297}},
        {0, LOFullCalendarLS, {5.0, true}, {279.4, 215.9}},
        {0, loFullCalendar, {0.0, false}, {215.9, 279.4}},
    };
    for (const auto &c : cases) {
        TCalendarPage page;
        ApplyMainPageValues(page);
        page.SetPaperSize(c.Paper);
        page.SetCalendarLayout(c.Layout);
        const QString pdf = folder.filePath(u"sheet.pdf"_s);
        ASSERT_FALSE(SavePageAsPdf(page, pdf, u"Sheet"_s, 2, {}, {}, c.Sheet));
        const QSizeF size = PageSizePts(pdf);
        if (size.isEmpty())
            GTEST_SKIP() << "pdfinfo is not available";
        const QSizeF expected = SheetSizeMm(c.TrimMm, c.Sheet);
        EXPECT_NEAR(size.width(), Points(expected.width()), 0.5) << c.Sheet.BleedMm;
        EXPECT_NEAR(size.height(), Points(expected.height()), 0.5) << c.Sheet.BleedMm;
        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(PdfPageCount(file.readAll()), 2) << "every page on a sheet of its own";
    }
}

// A black band across the top of an A4 page, from edge to edge.
void PutTopBand(TCalendarPage &page)
{
    ApplyMainPageValues(page);
    page.SetPaperSize(1);
    page.SetCalendarLayout(loFullCalendar);
    RegisterImageClasses();
    QImage black(400, 100, QImage::Format_RGB32);
    black.fill(Qt::black);
    auto image = std::make_unique<TLumImage>();
    image->SetPicture(TLumPicture::FromBitmap(black));
    image->SetFit(ifFill);
    image->SetObjectBounds(0, 0, page.PageWidth(), 96);
    image->FinishLoad();
    page.Objects().Insert(std::move(image));
}

TEST(PrintSheetPdf, WhatReachesTheEdgeGoesIntoTheBleedAndNothingElsePassesIt)
{
    QTemporaryDir folder;
    const QString pdf = folder.filePath(u"bleed.pdf"_s);
    TCalendarPage page;
    PutTopBand(page);
    ASSERT_FALSE(SavePageAsPdf(page, pdf, u"Bleed"_s, 1, {}, {}, TPrintSheet{3.0, true}));
    constexpr int dpi = 150;
    const QImage sheet = RasterisedFirstPage(pdf, folder.path(), dpi);
    if (sheet.isNull())
        GTEST_SKIP() << "pdftoppm is not available";
    const auto px = [](double mm) { return int(mm / 25.4 * dpi); };
    const int trimLeft = px(9), trimTop = px(9);
    const int trimRight = trimLeft + px(210), trimBottom = trimTop + px(297);
    const int bleed = px(3);
    const auto dark = [&sheet](int x, int y) { return sheet.pixelColor(x, y).lightness() < 128; };
    // The band goes on up, left and right into the bleed, and stops there.
    EXPECT_TRUE(dark(trimLeft - bleed / 2, trimTop - bleed / 2));
    EXPECT_TRUE(dark((trimLeft + trimRight) / 2, trimTop - bleed + 2));
    EXPECT_TRUE(dark(trimRight + bleed / 2, trimTop + 20));
    EXPECT_FALSE(dark((trimLeft + trimRight) / 2, trimTop - bleed - 3));
    EXPECT_FALSE(dark(trimLeft - bleed - 3, trimTop + 20));
    // Nothing else reaches the bottom edge: its bleed stays white.
    EXPECT_EQ(InkIn(sheet, QRect(trimLeft, trimBottom + 1, trimRight - trimLeft, bleed - 1)), 0);
    // Crop marks in line with the trim, beyond the bleed.
    EXPECT_GT(InkIn(sheet, QRect(trimLeft - bleed - px(5), trimBottom - 1, px(5), 3)), 0);
    EXPECT_GT(InkIn(sheet, QRect(trimRight - 1, trimBottom + bleed, 3, px(5))), 0);
}

TEST(PrintSheetPdf, WithoutASheetThePdfIsAsBefore)
{
    QTemporaryDir folder;
    const QString plain = folder.filePath(u"plain.pdf"_s);
    const QString none = folder.filePath(u"none.pdf"_s);
    TCalendarPage page;
    PutTopBand(page);
    ASSERT_FALSE(SavePageAsPdf(page, plain, u"Plain"_s));
    ASSERT_FALSE(SavePageAsPdf(page, none, u"Plain"_s, 1, {}, {}, std::nullopt));
    const QImage a = RasterisedFirstPage(plain, folder.path(), 72);
    const QImage b = RasterisedFirstPage(none, folder.path(), 72);
    if (a.isNull())
        GTEST_SKIP() << "pdftoppm is not available";
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.size(), QSize(595, 842));
}

} // namespace
