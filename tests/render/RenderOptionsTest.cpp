#include "RenderOptions.h"

#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "GeometryJson.h"
#include "PageInfoJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

TRenderOptions Parsed(const QStringList &arguments)
{
    const auto result = ParseRenderOptions(arguments);
    EXPECT_TRUE(std::holds_alternative<TRenderOptions>(result))
        << std::get<QString>(result).toStdString();
    return std::get<TRenderOptions>(result);
}

QString ErrorOf(const QStringList &arguments)
{
    const auto result = ParseRenderOptions(arguments);
    return std::holds_alternative<QString>(result) ? std::get<QString>(result) : QString();
}

} // namespace

TEST(RenderOptions, ValuesAreParsed)
{
    const TRenderOptions options = Parsed({"doc.DWC",
                                           "--layout",
                                           "loMC12MonthLS",
                                           "--paper",
                                           "a4",
                                           "--margins",
                                           "0.5,0.25,1,0",
                                           "--week-start",
                                           "monday",
                                           "--month",
                                           "2",
                                           "--year",
                                           "2000",
                                           "--day",
                                           "29",
                                           "--scale",
                                           "0.5",
                                           "-o",
                                           "out.png",
                                           "--count",
                                           "3",
                                           "--geometry"});
    EXPECT_EQ(options.Document, "doc.DWC");
    EXPECT_EQ(options.Layout, loMC12MonthLS);
    EXPECT_EQ(options.PaperSize, 1);
    EXPECT_EQ((*options.Margins)[2], 1.0f);
    EXPECT_EQ(options.StartOfWeek, 2);
    EXPECT_EQ(options.Month, 2);
    EXPECT_EQ(options.Day, 29);
    EXPECT_EQ(options.Scale, 0.5f);
    EXPECT_EQ(options.Count, 3);
    EXPECT_TRUE(options.Geometry);
    EXPECT_EQ(Parsed({"--layout", "19"}).Layout, lo2Week);
}

TEST(RenderOptions, BadArgumentsSayWhatIsWrong)
{
    EXPECT_EQ(ErrorOf({"--colour", "red"}), "unknown option --colour");
    EXPECT_EQ(ErrorOf({"--layout"}), "--layout needs a value");
    EXPECT_EQ(ErrorOf({"--layout", "22"}), "invalid value for --layout: \"22\"");
    EXPECT_EQ(ErrorOf({"--layout", "lofullcalendar"}),
              "invalid value for --layout: \"lofullcalendar\"");
    EXPECT_FALSE(ErrorOf({"--margins", "1,2,3"}).isEmpty());
    EXPECT_FALSE(ErrorOf({"--margins", "1,x,3,4"}).isEmpty());
    EXPECT_FALSE(ErrorOf({"--month", "13"}).isEmpty());
    EXPECT_FALSE(ErrorOf({"--scale", "nan"}).isEmpty());
    EXPECT_FALSE(ErrorOf({"--scale", "0"}).isEmpty());
    EXPECT_EQ(ErrorOf({"--bleed", "10.5"}), "invalid value for --bleed: \"10.5\"");
    EXPECT_EQ(ErrorOf({"--bleed", "-1"}), "invalid value for --bleed: \"-1\"");
    EXPECT_EQ(ErrorOf({"--bleed", "nan"}), "invalid value for --bleed: \"nan\"");
    EXPECT_FALSE(ErrorOf({"--count", "-1"}).isEmpty());
    EXPECT_FALSE(ErrorOf({"--dpi", "0"}).isEmpty());
    EXPECT_FALSE(ErrorOf({"--dpi", "961"}).isEmpty());
    EXPECT_FALSE(ErrorOf({"--dpi", "300x"}).isEmpty());
    EXPECT_EQ(ErrorOf({"--dpi", "300", "--scale", "2"}), "give --scale or --dpi, not both");
    EXPECT_FALSE(ErrorOf({"a.DWC", "b.DWC"}).isEmpty());
}

// Margins of "nan" were taken and then ignored, and of two outputs the first
// was dropped without a word.
TEST(RenderOptions, NanMarginsAndASecondOutputAreRefused)
{
    EXPECT_FALSE(ErrorOf({"--margins", "nan,0.5,0.5,0.5"}).isEmpty());
    EXPECT_FALSE(ErrorOf({"--margins", "0.5,0.5,0.5,-nan"}).isEmpty());
    EXPECT_FALSE(ErrorOf({"--margins", "inf,0.5,0.5,0.5"}).isEmpty());
    EXPECT_EQ(ErrorOf({"-o", "a.png", "--month", "2", "-o", "b.pdf"}),
              "-o is given twice: give one output");
    EXPECT_EQ(Parsed({"--style", "-o", "-o", "a.png"}).Output, "a.png");
}

TEST(RenderOptions, AResolutionSetsTheScaleForItAndLeavesThePageUnzoomed)
{
    TCalendarPage page;
    EXPECT_TRUE(ApplyRenderOptions(Parsed({"--dpi", "300"}), page).isEmpty());
    EXPECT_EQ(DrawingScale(Parsed({"--dpi", "300"})), 3.125f);
    EXPECT_EQ(DrawingScale(Parsed({"--dpi", "48"})), 0.5f);
    EXPECT_EQ(DrawingScale(Parsed({"--scale", "0.75"})), 0.75f);
    EXPECT_EQ(page.Zoom(), 1.0f);
}

TEST(RenderOptions, ALayoutIsAppliedWithItsMiniFonts)
{
    TCalendarPage page;
    EXPECT_TRUE(ApplyRenderOptions(Parsed({"--layout", "loMC24Month"}), page).isEmpty());
    EXPECT_EQ(page.CalendarLayout(), loMC24Month);
    EXPECT_EQ(page.MiniTitleFont().Size, 12);
    EXPECT_FALSE(ApplyRenderOptions(Parsed({"--border", "NoSuchBorder"}), page).isEmpty());
}

TEST(GeometryJson, HoldsEveryCellAndMini)
{
    TCalendarPage page;
    page.SetCalendarLayout(loMC12Month);
    const QJsonObject geometry =
        QJsonDocument::fromJson(GeometryJson(page, 1.0f, DrawingGeometryAt(page, 1.0f))).object();
    EXPECT_EQ(geometry["layout"].toString(), "loMC12Month");
    EXPECT_EQ(geometry["paper"].toString(), "letter");
    EXPECT_EQ(geometry["pageWidth"].toInt(), 816);
    EXPECT_EQ(geometry["minis"].toArray().size(), 12);
    EXPECT_EQ(geometry["cells"].toArray().size(), 42);
    EXPECT_EQ(geometry["mainRect"].toArray().size(), 4);
    EXPECT_FALSE(geometry["showMonthGrid"].toBool());
}

// --week-numbers sets the rule; the geometry then lists each numbered row
// of the grid, and only then.
TEST(GeometryJson, WeekNumbersComeWithTheirRectanglesWhenShown)
{
    EXPECT_EQ(Parsed({"--week-numbers", "iso"}).WeekNumbers, wnIso);
    EXPECT_EQ(Parsed({"--week-numbers", "us"}).WeekNumbers, wnUs);
    EXPECT_EQ(Parsed({"--week-numbers", "none"}).WeekNumbers, wnNone);
    EXPECT_EQ(ErrorOf({"--week-numbers", "ISO"}), "invalid value for --week-numbers: \"ISO\"");
    TCalendarPage page;
    page.SetCalendarLayout(loFullCalendar);
    EXPECT_TRUE(ApplyRenderOptions(Parsed({"--month", "1", "--year", "2021", "--week-start",
                                           "monday", "--week-numbers", "iso"}),
                                   page)
                    .isEmpty());
    const TCalendarAttributes drawn = DrawingGeometryAt(page, 1.0f);
    const QJsonArray weeks =
        QJsonDocument::fromJson(GeometryJson(page, 1.0f, drawn)).object()["weekNumbers"].toArray();
    ASSERT_EQ(weeks.size(), 5); // January 2021 from Monday fills five rows
    const int expected[5] = {53, 1, 2, 3, 4};
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(weeks[row].toObject()["number"].toInt(), expected[row]);
        const QJsonArray rect = weeks[row].toObject()["rect"].toArray();
        const TWeekCell &cell = drawn.WeekCells[size_t(row)];
        EXPECT_EQ(rect,
                  (QJsonArray{cell.Rect.Left, cell.Rect.Top, cell.Rect.Right, cell.Rect.Bottom}));
    }
    // Each mini lists its own rows, at its own place.
    page.SetCalendarLayout(loMC12Month);
    const QJsonArray minis =
        QJsonDocument::fromJson(GeometryJson(page, 1.0f, DrawingGeometryAt(page, 1.0f)))
            .object()["minis"]
            .toArray();
    ASSERT_EQ(minis.size(), 12);
    const QJsonArray march = minis[2].toObject()["weekNumbers"].toArray(); // March 2021
    ASSERT_EQ(march.size(), 5);
    EXPECT_EQ(march[0].toObject()["number"].toInt(), 9);
    EXPECT_EQ(march[4].toObject()["number"].toInt(), 13);
    const QJsonArray miniRect = minis[2].toObject()["rect"].toArray();
    const QJsonArray weekRect = march[0].toObject()["rect"].toArray();
    EXPECT_EQ(weekRect[0].toInt(), miniRect[0].toInt() + 1);
    EXPECT_LT(weekRect[2].toInt(), miniRect[2].toInt());

    page.SetWeekNumbers(wnNone);
    const QJsonObject plain =
        QJsonDocument::fromJson(GeometryJson(page, 1.0f, DrawingGeometryAt(page, 1.0f))).object();
    EXPECT_FALSE(plain.contains("weekNumbers"));
    EXPECT_FALSE(plain["minis"].toArray()[2].toObject().contains("weekNumbers"));
}

TEST(PageInfoJson, DescribesStyleDatesAndCells)
{
    TCalendarPage page;
    page.SetMainCalMonth(12);
    TWPRtfStorage text;
    text.RtfText().Document().setPlainText("First\nSecond");
    page.SetCellText(4, text);
    const QJsonObject info = QJsonDocument::fromJson(PageInfoJson(page, 1.0f)).object();
    EXPECT_EQ(info["version"].toInt(), 4);
    EXPECT_EQ(info["mainCalMonth"].toInt(), 12);
    EXPECT_EQ(info["plannerStart"].toString(), "08:00");
    const QJsonObject style = info["style"].toObject();
    EXPECT_EQ(style["TitleFont"].toObject()["size"].toInt(), 26);
    EXPECT_TRUE(style["TitleFont"].toObject()["bold"].toBool());
    EXPECT_EQ(style["MonthNames"].toArray().size(), 12);
    const QJsonArray cells = info["cells"].toArray();
    ASSERT_EQ(cells.size(), 1);
    EXPECT_EQ(cells[0].toObject()["index"].toInt(), 4);
    EXPECT_EQ(cells[0].toObject()["text"].toString(), "First\nSecond");
    EXPECT_TRUE(info["objects"].toArray().isEmpty());
}
