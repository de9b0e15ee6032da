#include "TestSheet.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Capital letters without descenders, so the ink's bottom is the baseline.
const QString sample = QStringLiteral("HMH");

// The ink of sample printed at x = 1.5 inches on a line whose top is at
// 0.5 inch, in Arial 12 points at 300 dpi.
struct Printed
{
    QRect ink;
    int lineTop = 0;
    int ascent = 0;
    int width = 0;
    int lineHeight = 0;
};

template <typename Print> Printed PrintSample(Print print)
{
    TestSheet sheet(300, {900, 400});
    TCanvasReport &report = sheet.report;
    report.SetFont("Arial", 12);
    report.SetLineTop(0.5);
    print(report);
    Printed printed;
    printed.lineTop = report.LineTop();
    printed.ascent = QFontMetrics(ToQFont(report.Font(), 300)).ascent();
    printed.width = report.TextWidth(sample);
    printed.lineHeight = report.LineHeight();
    printed.ink = sheet.Ink();
    return printed;
}

TEST(ReportText, AnchoredLeftCentredAndRight)
{
    const Printed left = PrintSample([](TCanvasReport &r) { r.PrintLeft(sample, 1.5); });
    const Printed centred = PrintSample([](TCanvasReport &r) { r.PrintCenter(sample, 1.5); });
    const Printed right = PrintSample([](TCanvasReport &r) { r.PrintRight(sample, 1.5); });
    ASSERT_FALSE(left.ink.isNull());
    EXPECT_GE(left.ink.left(), 450);
    EXPECT_LT(left.ink.left(), 450 + left.width / 10);
    EXPECT_EQ(centred.ink.left(), left.ink.left() - left.width / 2);
    EXPECT_EQ(right.ink.left(), left.ink.left() - left.width);
    EXPECT_NEAR(centred.ink.center().x(), 450, 3);
    EXPECT_LE(right.ink.right(), 449);
    EXPECT_GT(right.ink.right(), 449 - left.width / 10);
}

TEST(ReportText, BaselineIsLineTopPlusAscent)
{
    const Printed printed = PrintSample([](TCanvasReport &r) { r.PrintLeft(sample, 1.5); });
    EXPECT_EQ(printed.lineTop, 150);
    EXPECT_GE(printed.ink.top(), printed.lineTop);
    EXPECT_NEAR(printed.ink.bottom(), printed.lineTop + printed.ascent - 1, 1);
}

TEST(ReportText, LinePlacedByItsBottom)
{
    const Printed printed = PrintSample([](TCanvasReport &r) {
        r.SetLineBottom(1.0);
        r.PrintLeft(sample, 1.5);
    });
    EXPECT_EQ(printed.lineTop, 300 - printed.lineHeight);
    EXPECT_LE(printed.ink.bottom(), 300);
    EXPECT_NEAR(printed.ink.bottom(), printed.lineTop + printed.ascent - 1, 1);
}

TEST(ReportText, MeasuresAtTheDeviceResolution)
{
    TestSheet at300(300, {10, 10});
    TestSheet at600(600, {10, 10});
    for (TCanvasReport *report : {&at300.report, &at600.report})
        report->SetFont("Arial", 12);
    // 12 points are 50 pixels at 300 dpi; a line is somewhat more.
    EXPECT_GE(at300.report.LineHeight(), 50);
    EXPECT_LE(at300.report.LineHeight(), 62);
    EXPECT_NEAR(at600.report.LineHeight(), 2 * at300.report.LineHeight(), 2);
    EXPECT_NEAR(at600.report.TextWidth(sample), 2 * at300.report.TextWidth(sample), 3);
    EXPECT_EQ(at300.report.TextWidth(QString()), 1);
    EXPECT_EQ(at300.report.TextWidth(" "),
              std::max(1, QFontMetrics(ToQFont(at300.report.Font(), 300)).horizontalAdvance(' ')));
}

TEST(ReportText, ChoosingAFontResetsItsAttributes)
{
    TestSheet sheet(300, {10, 10});
    TCanvasReport &report = sheet.report;
    report.SetFont("Arial", 12);
    report.SetFontBold(true);
    report.SetFontItalic(true);
    report.SetFontUnderline(true);
    report.SetFontStrikeOut(true);
    report.SetFontColor(clRed);
    report.SetFontRotation(900);
    report.SetFont("Times New Roman", 14);
    TReportFont expected;
    expected.Name = "Times New Roman";
    expected.Size = 14;
    EXPECT_EQ(report.Font(), expected);

    TFontDesc page{"Arial", 9, TFontStyle::fsBold | TFontStyle::fsUnderline, clBlue};
    report.SetFontRotation(450);
    report.SetFont(page);
    expected = TReportFont{"Arial", 9, clBlue, 0, true, false, true, false};
    EXPECT_EQ(report.Font(), expected);
}

TEST(ReportText, ColourOpaqueBackgroundAndRotation)
{
    TestSheet sheet(300, {900, 900});
    TCanvasReport &report = sheet.report;
    report.SetFont("Arial", 12);
    report.SetFontColor(clRed);
    report.SetTextBKColor(clYellow);
    report.SetTextBKMode(bkOpaque);
    report.SetLineTop(0.5);
    report.PrintLeft(sample, 0.5);
    const int top = report.LineTop();
    const int width = report.TextWidth(sample);
    const int height = report.LineHeight();

    report.SetTextBKMode(bkTransparent);
    report.SetFontRotation(900);
    report.SetLineTop(2.0);
    report.PrintLeft(sample, 1.0);

    const QImage &image = sheet.Image();
    // The box behind the text is the line's height and the text's width.
    EXPECT_EQ(image.pixel(150, top) & 0xFFFFFF, 0xFFFF00u);
    EXPECT_EQ(image.pixel(150 + width - 1, top + height - 1) & 0xFFFFFF, 0xFFFF00u);
    EXPECT_EQ(image.pixel(150 + width, top) & 0xFFFFFF, white);
    EXPECT_EQ(image.pixel(150, top + height) & 0xFFFFFF, white);
    int redPixels = 0;
    for (int x = 150; x < 150 + width; ++x)
        redPixels += (image.pixel(x, top + height / 2) & 0xFFFFFF) == 0xFF0000u;
    EXPECT_GT(redPixels, 5);

    // Turned a quarter counter-clockwise about its anchor, the text runs
    // upwards from (300, baseline) and lies left of the anchor.
    QRect rotated;
    for (int y = 300; y < 900; ++y)
        for (int x = 0; x < 900; ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != white)
                rotated |= QRect(x, y, 1, 1);
    ASSERT_FALSE(rotated.isNull());
    EXPECT_GT(rotated.height(), 2 * rotated.width());
    EXPECT_LE(rotated.right(), 300);
    EXPECT_NEAR(rotated.bottom(), 600 + QFontMetrics(ToQFont(report.Font(), 300)).ascent(), 5);
}

// Texts are laid out once and then measured from their layout, which must
// give what the font's metrics give, trailing spaces and bold included.
TEST(ReportText, WidthsAreTheFontMetricsWidths)
{
    TestSheet sheet(1200, {10, 10});
    TCanvasReport &report = sheet.report;
    const QStringList texts{"1", "17", "31", "Wednesday", "March 2027", "Sun ", "a  b", " "};
    for (const bool bold : {false, true}) {
        report.SetFont("Times New Roman", 11);
        report.SetFontBold(bold);
        const QFontMetrics metrics(ToQFont(report.Font(), 1200));
        for (const QString &text : texts)
            EXPECT_EQ(report.TextWidth(text), metrics.horizontalAdvance(text))
                << text.toStdString();
    }
}

// Upright texts wait to be drawn together, yet the page keeps its order:
// what is drawn after a text covers it, what was drawn before lies under it.
TEST(ReportText, TextsKeepTheirPlaceAmongOtherDrawing)
{
    TestSheet sheet(300, {900, 400});
    TCanvasReport &report = sheet.report;
    report.SetFont("Arial", 12);
    report.SetLineTop(0.1);
    report.Canvas()->fillRect(QRect(0, 0, 900, 100), Qt::blue);
    report.PrintLeft(sample, 0.5);
    report.SetLineTop(0.6);
    report.PrintLeft(sample, 0.5);
    report.Canvas()->fillRect(QRect(0, 150, 900, 150), Qt::green);
    report.SetLineTop(1.1);
    report.PrintLeft(sample, 0.5);

    const QImage &image = sheet.Image();
    const auto count = [&image](int top, int bottom, QRgb colour) {
        int found = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < 900; ++x)
                found += (image.pixel(x, y) & 0xFFFFFF) == colour;
        return found;
    };
    EXPECT_GT(count(0, 100, black), 20);   // over the fill drawn before it
    EXPECT_EQ(count(150, 300, black), 0);  // under the fill drawn after it
    EXPECT_GT(count(300, 400, black), 20); // drawn when the sheet ends
}

// A text waiting to be drawn keeps the clip in force when it was printed:
// whoever changes the clip takes the painter first, which draws it.
TEST(ReportText, WaitingTextsKeepTheClipTheyWerePrintedUnder)
{
    TestSheet sheet(300, {900, 400});
    TCanvasReport &report = sheet.report;
    report.SetFont("Arial", 24);
    report.Canvas()->setClipRect(QRect(0, 0, 200, 400));
    report.SetLineTop(0.2);
    report.PrintLeft(sample, 0.5);
    report.Canvas()->setClipping(false);
    report.SetLineTop(0.8);
    report.PrintLeft(sample, 0.5);

    const QImage &image = sheet.Image();
    const auto inkRight = [&image](int top, int bottom) {
        int right = -1;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) != white)
                    right = std::max(right, x);
        return right;
    };
    EXPECT_EQ(inkRight(0, 230), 199);   // cut by the clip
    EXPECT_GT(inkRight(230, 400), 199); // printed after it was lifted
}

} // namespace
