#include "TestSheet.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct UnitCase
{
    int dpi;
    QMarginsF unprintable;
    double scaleX;
    double scaleY;
    double x;
    double y;
    int deviceX;
    int deviceY;
};

void PrintTo(const UnitCase &c, std::ostream *os)
{
    *os << "(" << c.x << ", " << c.y << ") at " << c.dpi << " dpi, scale " << c.scaleX << "/"
        << c.scaleY << ", unprintable " << c.unprintable.left() << "/" << c.unprintable.top();
}

class ReportUnits : public testing::TestWithParam<UnitCase>
{};

// Positions are inches from the sheet's corner, scaled, moved by the
// unprintable margins and rounded half to even.
TEST_P(ReportUnits, InchesBecomeDevicePixels)
{
    const UnitCase &c = GetParam();
    TestSheet sheet(c.dpi, {10, 10}, c.unprintable);
    sheet.report.SetScaleX(c.scaleX);
    sheet.report.SetScaleY(c.scaleY);
    EXPECT_EQ(sheet.report.XDpi(), c.dpi);
    EXPECT_EQ(sheet.report.XU2D(c.x), c.deviceX);
    EXPECT_EQ(sheet.report.YU2D(c.y), c.deviceY);
}

INSTANTIATE_TEST_SUITE_P(
    AtPrinterResolutions, ReportUnits,
    testing::Values(UnitCase{300, {}, 100, 100, 1.0, 2.0, 300, 600},
                    // 37.5 and 112.5 pixels: halves go to the even neighbour.
                    UnitCase{300, {}, 100, 100, 0.125, 0.375, 38, 112},
                    UnitCase{300, {0.25, 0.125, 0, 0}, 100, 100, 0.625, 0.5, 112, 112},
                    UnitCase{300, {0.25, 0.25, 0, 0}, 50, 200, 1.25, 0.3125, 112, 112},
                    UnitCase{600, {}, 100, 100, 0.1875, 0.0625, 112, 38},
                    UnitCase{600, {0.5, 0.25, 0, 0}, 100, 100, 0.5, 0.125, 0, -75},
                    UnitCase{600, {0.25, 0.25, 0, 0}, 100, 200, 1.0, 0.5, 450, 450}),
    [](const testing::TestParamInfo<UnitCase> &info) {
        return "Case" + std::to_string(info.index) + "At" + std::to_string(info.param.dpi) + "Dpi";
    });

TEST(ReportUnitsBack, DevicePixelsRoundTrip)
{
    TestSheet sheet(600, {10, 10}, {0.14, 0.17, 0, 0});
    sheet.report.SetScaleX(97);
    sheet.report.SetScaleY(103);
    for (int pixel = -50; pixel < 5000; pixel += 7) {
        EXPECT_EQ(sheet.report.XU2D(sheet.report.XD2U(pixel)), pixel);
        EXPECT_EQ(sheet.report.YU2D(sheet.report.YD2U(pixel)), pixel);
    }
}

TEST(ReportUnitsBack, RectangleOfInches)
{
    TestSheet sheet(300, {10, 10}, {0.25, 0.5, 0, 0});
    EXPECT_EQ(sheet.report.RectU2D(0.25, 0.5, 1.25, 2.5), (TRect{0, 0, 300, 600}));
}

TEST(ReportUnitsBack, OtherUnitsAndFactors)
{
    TestSheet sheet(300, {10, 10});
    TCanvasReport &report = sheet.report;
    report.SetUnits(unMM);
    EXPECT_EQ(report.XU2D(25.4), 300);
    report.SetUnits(unPoint);
    EXPECT_EQ(report.YU2D(36), 150);
    report.SetUnitsFactor(2.0);
    report.SetUnits(unUser);
    EXPECT_DOUBLE_EQ(report.UnitsFactor(), 2.0);
    EXPECT_EQ(report.XU2D(1.0), 150);
    report.SetUnitsFactor(0);
    report.SetScaleX(-5);
    EXPECT_EQ(report.XU2D(1.0), 150) << "factors that are not positive are ignored";
}

TEST(ReportUnitsBack, StatusTextNamesThePage)
{
    TestSheet sheet(96, {10, 10});
    EXPECT_EQ(sheet.report.StatusText(), "Printing page 1");
    sheet.report.StartNewPage();
    EXPECT_EQ(sheet.report.CurrentPage(), 2);
    EXPECT_EQ(sheet.report.StatusText(), "Printing page 2");
}

} // namespace
