#include "LumFlatCalendar.h"

#include "CanvasReport.h"
#include "ComponentStream.h"
#include "LumBasePanel.h"
#include "StreamReader.h"
#include "StreamWriter.h"
#include "TestObject.h"

#include <QDate>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

class TPanel : public TLumBasePanel
{
public:
    TPanel()
    {
        ObjectClasses().Register(TLumFlatCalendar::Class());
        SetPanelSize(600, 400);
    }
};

class FlatCalendar : public ::testing::Test
{
protected:
    FlatCalendar()
    {
        Panel.SetView(&View);
        Panel.LabelChangedEvent = [this] { ++Changes; };
    }

    TLumFlatCalendar &Place(int left, int top, int width, int height)
    {
        auto calendar = std::make_unique<TLumFlatCalendar>();
        calendar->SetObjectBounds(left, top, width, height);
        calendar->FinishLoad();
        return static_cast<TLumFlatCalendar &>(Panel.Objects().Insert(std::move(calendar)));
    }

    QImage PaintedPanel()
    {
        QImage image(Panel.Width(), Panel.Height(), QImage::Format_RGB32);
        image.fill(Qt::green);
        QPainter painter(&image);
        Panel.PaintObjects(painter, {0, 0, Panel.Width(), Panel.Height()});
        return image;
    }

    TPanel Panel;
    TRecordingView View;
    int Changes = 0;
};

QByteArray Record(const TComponent &component)
{
    TStreamWriter out;
    WriteComponent(out, component);
    return out.Data();
}

// The entries of a component record, in order.
QStringList EntryNames(const QByteArray &record)
{
    TStreamReader in(record);
    QStringList names;
    if (!ReadComponentHeader(in))
        return names;
    ReadComponentBody(in, [&in, &names](QStringView entry) {
        names.append(entry.toString());
        return in.SkipValue();
    });
    return names;
}

TFlatCalendarLook Unusual()
{
    TFlatCalendarLook look;
    look.StartOfWeek = 2;
    look.Month = 8;
    look.Year = 2031;
    look.TitleFont = {QStringLiteral("Times New Roman"), 14, TFontStyle::fsBold, clNavy};
    look.DayNameFont = {QStringLiteral("Courier New"), 9, TFontStyle::fsItalic, 0x123456};
    look.CellFont = {QStringLiteral("Arial"), 6, TFontStyle::fsUnderline, clRed};
    look.ShowYear = true;
    look.DayNameBGColor = 0xE8FFFF;
    look.CalendarBorderStyle = fcbTopBottom;
    look.DayNameBorderStyle = fcbNone;
    look.CellBorderStyle = fcbBottom;
    look.DayNameStyle = fdsWhole;
    look.TitleBGcolor = clSilver;
    look.Backgroundcolor = clInfoBk;
    look.ShadowColor = clGray;
    look.ShadowDepth = 7;
    look.ShadowPosition = fcpUpperRight;
    look.Language = fclItalian;
    look.CalTransparent = true;
    look.WeekNumbers = wnUs;
    return look;
}

} // namespace

TEST_F(FlatCalendar, NewCalendarShowsTheCurrentMonthInEnglishBoxed)
{
    const TLumFlatCalendar calendar;
    const QDate today = QDate::currentDate();
    EXPECT_EQ(calendar.Month(), today.month());
    EXPECT_EQ(calendar.Year(), today.year());
    EXPECT_EQ(calendar.StartOfWeek(), 1);
    EXPECT_EQ(calendar.TitleFont().Name, "Arial");
    EXPECT_EQ(calendar.TitleFont().Size, 8);
    EXPECT_EQ(calendar.DayNameFont().Size, 8);
    EXPECT_EQ(calendar.CellFont().Size, 7);
    EXPECT_FALSE(calendar.ShowYear());
    EXPECT_EQ(calendar.CalendarBorderStyle(), fcbAll);
    EXPECT_EQ(calendar.DayNameBorderStyle(), fcbAll);
    EXPECT_EQ(calendar.CellBorderStyle(), fcbNone);
    EXPECT_EQ(calendar.DayNameStyle(), fdsFirstChar);
    EXPECT_EQ(calendar.DayNameBGColor(), clWhite);
    EXPECT_EQ(calendar.TitleBGcolor(), clWhite);
    EXPECT_EQ(calendar.Backgroundcolor(), clWhite);
    EXPECT_EQ(calendar.ShadowColor(), clBlack);
    EXPECT_EQ(calendar.ShadowDepth(), 0);
    EXPECT_EQ(calendar.ShadowPosition(), fcpLowerRight);
    EXPECT_EQ(calendar.Language(), fclEnglish);
    EXPECT_FALSE(calendar.CalTransparent());
}

TEST_F(FlatCalendar, SettersRefuseValuesOutsideTheirLimits)
{
    TLumFlatCalendar calendar;
    calendar.SetShadowDepth(4);
    calendar.SetShadowDepth(11);
    EXPECT_EQ(calendar.ShadowDepth(), 4);
    calendar.SetShadowDepth(10);
    EXPECT_EQ(calendar.ShadowDepth(), 10);
    for (int start : {0, 3, 7, -1})
        calendar.SetStartOfWeek(start);
    EXPECT_EQ(calendar.StartOfWeek(), 1);
    calendar.SetStartOfWeek(2);
    EXPECT_EQ(calendar.StartOfWeek(), 2);
    calendar.SetMonth(5);
    // A month outside 1 to 12 has no name to show.
    calendar.SetMonth(13);
    calendar.SetMonth(0);
    EXPECT_EQ(calendar.Month(), 5);
    calendar.SetLanguage(TFlatCalLanguage(5));
    calendar.SetCalendarBorderStyle(TFlatCalBorderStyle(-1));
    calendar.SetDayNameStyle(TFlatCalHeadersStyle(3));
    calendar.SetShadowPosition(TFlatShadowPosition(4));
    EXPECT_EQ(calendar.Language(), fclEnglish);
    EXPECT_EQ(calendar.CalendarBorderStyle(), fcbAll);
    EXPECT_EQ(calendar.DayNameStyle(), fdsFirstChar);
    EXPECT_EQ(calendar.ShadowPosition(), fcpLowerRight);
}

TEST_F(FlatCalendar, EveryPropertyIsAlwaysWrittenInOrder)
{
    TLumFlatCalendar calendar;
    calendar.SetObjectBounds(1, 2, 3, 4);
    const QStringList fontEntries{".Charset", ".Color", ".Height", ".Name", ".Style"};
    QStringList expected{"Left",         "Top",         "Width", "Height", "Locked",
                         "Unselectable", "StartOfWeek", "Month", "Year"};
    const QStringList names = EntryNames(Record(calendar));
    for (const char *font : {"TitleFont", "DayNameFont", "CellFont"}) {
        for (const QString &entry : names) {
            if (entry.startsWith(QString(font) + "."))
                expected.append(entry);
        }
    }
    expected << "ShowYear"
             << "DayNameBGColor"
             << "CalendarBorderStyle"
             << "DayNameBorderStyle"
             << "CellBorderStyle"
             << "DayNameStyle"
             << "TitleBGcolor"
             << "Backgroundcolor"
             << "ShadowColor"
             << "ShadowDepth"
             << "ShadowPosition"
             << "Language"
             << "CalTransparent";
    EXPECT_EQ(names, expected);
    EXPECT_TRUE(names.contains("TitleFont.Name"));
    EXPECT_TRUE(names.contains("CellFont.Height"));
}

TEST_F(FlatCalendar, RecordReadsBackIntoTheSameCalendar)
{
    TClassRegistry classes;
    classes.Register(TLumFlatCalendar::Class());
    for (const bool unusual : {false, true}) {
        TLumFlatCalendar calendar;
        calendar.SetObjectBounds(10, 20, 180, 150);
        if (unusual)
            calendar.SetLook(Unusual());
        const QByteArray first = Record(calendar);
        TStreamReader in(first);
        const std::unique_ptr<TComponent> read = ReadComponent(in, classes);
        ASSERT_TRUE(read);
        const auto &copy = dynamic_cast<const TLumFlatCalendar &>(*read);
        EXPECT_EQ(copy.Look(), calendar.Look());
        EXPECT_EQ(Record(copy), first);
    }
}

// Week numbers are written only when shown, as their identifier, so a
// calendar without them keeps the record it had.
TEST_F(FlatCalendar, WeekNumbersAreWrittenOnlyWhenShown)
{
    TLumFlatCalendar calendar;
    EXPECT_FALSE(EntryNames(Record(calendar)).contains("WeekNumbers"));
    calendar.SetWeekNumbers(wnIso);
    const QByteArray record = Record(calendar);
    EXPECT_EQ(EntryNames(record).last(), "WeekNumbers");
    EXPECT_TRUE(record.contains("\x0bWeekNumbers\x07\x05wnIso"));
    calendar.SetWeekNumbers(TWeekNumbers(5));
    EXPECT_EQ(calendar.WeekNumbers(), wnIso);
}

TEST_F(FlatCalendar, RecordWithImpossibleValuesKeepsTheOldOnes)
{
    TLumFlatCalendar calendar;
    calendar.SetMonth(4);
    calendar.SetShadowDepth(2);
    TStreamWriter out;
    WriteComponentHeader(out, "TLumFlatCalendar", "X");
    out.WriteName("Month");
    out.WriteInteger(13);
    out.WriteName("ShadowDepth");
    out.WriteInteger(1000000);
    out.WriteName("StartOfWeek");
    out.WriteInteger(5);
    WriteComponentEnd(out);
    TClassRegistry classes;
    classes.Register(TLumFlatCalendar::Class());
    TStreamReader in(out.Data());
    const std::unique_ptr<TComponent> read = ReadComponent(in, classes);
    ASSERT_TRUE(read);
    const auto &copy = dynamic_cast<const TLumFlatCalendar &>(*read);
    EXPECT_GE(copy.Month(), 1);
    EXPECT_LE(copy.Month(), 12);
    EXPECT_EQ(copy.ShadowDepth(), 0);
    EXPECT_EQ(copy.StartOfWeek(), 1);
}

TEST_F(FlatCalendar, FontChangesNotifyThePanelOtherChangesRepaint)
{
    TLumFlatCalendar &calendar = Place(10, 10, 100, 100);
    View.Invalidated.clear();
    calendar.SetBackgroundcolor(clRed);
    EXPECT_EQ(Changes, 0);
    ASSERT_EQ(View.Invalidated.size(), 1);
    const TRect area = View.Invalidated[0];
    EXPECT_TRUE(area.Left <= 10 && area.Top <= 10 && area.Right >= 110 && area.Bottom >= 110);
    calendar.SetBackgroundcolor(clRed);
    EXPECT_EQ(View.Invalidated.size(), 1);
    TFontDesc font = calendar.CellFont();
    font.Size = 12;
    calendar.SetCellFont(font);
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(calendar.CellFont().Size, 12);
    calendar.SetCellFont(font);
    EXPECT_EQ(Changes, 1);
}

TEST_F(FlatCalendar, TakingTheDialogsValuesNotifiesOnceAndKeepsTheSize)
{
    TLumFlatCalendar &calendar = Place(10, 10, 100, 100);
    calendar.TakeLook(Unusual());
    EXPECT_EQ(calendar.Look(), Unusual());
    EXPECT_EQ(calendar.BoundsRect(), (TRect{10, 10, 110, 110}));
    // The three fonts notify as they change; the end notifies once more.
    EXPECT_EQ(Changes, 4);
}

TEST_F(FlatCalendar, MenuEndsWithPropertiesWhichOpensTheEditor)
{
    TLumFlatCalendar &calendar = Place(10, 10, 100, 100);
    const TDesignMenu menu = calendar.Menu();
    ASSERT_GE(menu.size(), 2);
    EXPECT_TRUE(menu[menu.size() - 2].IsSeparator());
    EXPECT_EQ(menu.last().Caption, "Properties");
    EXPECT_EQ(menu[menu.size() - 3].Caption, "Center Horizontally");
    TLumFlatCalendar *edited = nullptr;
    TLumFlatCalendar::SetEditor([&edited](TLumFlatCalendar &c) { edited = &c; });
    View.MenuChoice = "Properties";
    Panel.OpenObjectMenu(calendar, {});
    TLumFlatCalendar::SetEditor({});
    EXPECT_EQ(edited, &calendar);
}

TEST_F(FlatCalendar, PaintsOnThePanelUnlessPaintingIsSuspended)
{
    TLumFlatCalendar &calendar = Place(20, 30, 140, 120);
    calendar.SetBackgroundcolor(clRed);
    QImage image = PaintedPanel();
    EXPECT_EQ(image.pixel(20, 100), qRgb(0, 0, 0));    // the box's left side
    EXPECT_EQ(image.pixel(158, 147), qRgb(255, 0, 0)); // body
    EXPECT_EQ(image.pixel(19, 100), qRgb(0, 255, 0));
    // What is kept from the last paint follows every change.
    calendar.SetBackgroundcolor(clBlue);
    image = PaintedPanel();
    EXPECT_EQ(image.pixel(158, 147), qRgb(0, 0, 255));
    calendar.SetObjectBounds(20, 30, 100, 120);
    image = PaintedPanel();
    EXPECT_EQ(image.pixel(119, 100), qRgb(0, 0, 0));
}

TEST_F(FlatCalendar, PrintsStretchedIntoItsPlaceInInches)
{
    TLumFlatCalendar &calendar = Place(96, 48, 192, 96);
    calendar.SetBackgroundcolor(clRed);
    // A sheet at 192 dpi: every page pixel is two.
    QImage sheet(1000, 600, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    TCanvasReport report;
    {
        QPainter painter(&sheet);
        painter.scale(2, 2);
        report.BeginCanvas(painter);
        Panel.PrintObjects(report, 0.5, 0.25, 1.0f);
        report.EndCanvas();
    }
    // 1.5 to 3.5 inches across, 0.75 to 1.75 down: 288 to 672 and 144 to 336
    // sheet pixels.
    const auto dark = [&sheet](int x, int y) { return qGray(sheet.pixel(x, y)) < 100; };
    EXPECT_TRUE(dark(289, 240));
    EXPECT_TRUE(dark(670, 240));
    EXPECT_EQ(sheet.pixel(600, 320), qRgb(255, 0, 0));
    EXPECT_EQ(sheet.pixel(280, 240), qRgb(255, 255, 255));
    EXPECT_EQ(sheet.pixel(600, 140), qRgb(255, 255, 255));
    EXPECT_EQ(sheet.pixel(680, 240), qRgb(255, 255, 255));
    // The title's text is printed too: ink in its row between the edges.
    int ink = 0;
    for (int y = 146; y < 175; ++y) {
        for (int x = 292; x < 668; ++x)
            ink += dark(x, y);
    }
    EXPECT_GT(ink, 20);
}

TEST_F(FlatCalendar, PrintsNothingOutsideItsPlace)
{
    // A title font too large for the object pushed the body's lines far
    // below it on paper, where nothing clipped them.
    TLumFlatCalendar &calendar = Place(96, 48, 96, 96);
    TFontDesc huge = calendar.TitleFont();
    huge.Size = 400;
    calendar.SetTitleFont(huge);
    calendar.SetCellBorderStyle(fcbAll);
    QImage sheet(600, 900, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    TCanvasReport report;
    {
        QPainter painter(&sheet);
        report.BeginCanvas(painter);
        Panel.PrintObjects(report, 0, 0, 1.0f);
        report.EndCanvas();
    }
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            if (x < 96 || x > 192 || y < 48 || y > 144) {
                ASSERT_EQ(sheet.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
            }
        }
    }
}
