#include "WindowPlacement.h"

#include "IniFile.h"
#include "SettingsTestSupport.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A window class of its own, so its placement has its own section.
class TPlacementProbe : public QWidget
{
    Q_OBJECT
};

QSize ScreenSize()
{
    return QGuiApplication::primaryScreen()->geometry().size();
}

TEST(WindowPlacementTest, EachScreenResolutionHasItsOwnSection)
{
    EXPECT_EQ(PlacementSection(u"TCalendarMain"_s, 96), u"TCalendarMain_Placement"_s);
    EXPECT_EQ(PlacementSection(u"TCalendarMain"_s, 72), u"TCalendarMain_Placement"_s);
    EXPECT_EQ(PlacementSection(u"TCalendarMain"_s, 120), u"TCalendarMain_Placement120"_s);
    EXPECT_EQ(PlacementSection(u"TFloatingPalette"_s, 144), u"TFloatingPalette_Placement144"_s);

    TIniFile ini;
    const TPlacement at96{{10, 20, 650, 420}, false};
    const TPlacement at120{{30, 40, 830, 640}, true};
    WritePlacement(ini, PlacementSection(u"TCalendarMain"_s, 96), at96);
    WritePlacement(ini, PlacementSection(u"TCalendarMain"_s, 120), at120);
    EXPECT_EQ(ini.Sections(),
              (QStringList{u"TCalendarMain_Placement"_s, u"TCalendarMain_Placement120"_s}));
    EXPECT_EQ(ReadPlacement(ini, u"TCalendarMain_Placement"_s, true), at96);
    EXPECT_EQ(ReadPlacement(ini, u"TCalendarMain_Placement120"_s, false), at120);

    // Nothing stored: zero coordinates, and the window's state as it is now.
    EXPECT_EQ(ReadPlacement(ini, u"TCalendarMain_Placement144"_s, true),
              (TPlacement{{0, 0, 0, 0}, true}));
}

// Regression: a placement far off to the left or top, or millions of pixels
// wide, was restored as it stood and saved back.
TEST(WindowPlacementTest, StoredBoundsAreBroughtBackOntoTheScreen)
{
    const QRect screen(0, 0, 1280, 1024);
    const std::pair<TRect, TRect> cases[] = {
        {{900, 100, 1700, 700}, {480, 100, 1280, 700}},
        {{100, 900, 600, 1300}, {100, 624, 600, 1024}},
        {{1000, 1000, 1500, 1200}, {780, 824, 1280, 1024}},
        {{-50, 10, 600, 400}, {0, 10, 650, 400}},
        {{0, 0, 1280, 1024}, {0, 0, 1280, 1024}},
        {{-9'000'000, -8'000'000, -8'999'000, -7'999'500}, {0, 0, 1000, 500}},
        // Larger than the screen: as large as the screen.
        {{0, 0, 1600, 1200}, {0, 0, 1280, 1024}},
        {{10, 20, 5'000'000, 4'000'000}, {0, 0, 1280, 1024}},
    };
    for (const auto &[stored, expected] : cases)
        EXPECT_EQ(MoveOntoScreen(stored, screen), expected) << stored.Left << "," << stored.Top;
    // On a second screen to the right, within its own area.
    EXPECT_EQ(MoveOntoScreen({3000, 10, 3500, 400}, QRect(1280, 0, 1920, 1080)),
              (TRect{2700, 10, 3200, 400}));
}

TEST(WindowPlacementTest, TheNearestScreenIsTheOneMostOfTheWindowIsOn)
{
    const QList<QRect> screens{QRect(0, 0, 1280, 1024), QRect(1280, 0, 1920, 1080)};
    EXPECT_EQ(NearestScreen({1000, 0, 1800, 500}, screens), screens[1]); // 520 of 800 on it
    EXPECT_EQ(NearestScreen({100, 100, 600, 500}, screens), screens[0]);
    EXPECT_EQ(NearestScreen({-9000, 100, -8000, 500}, screens), screens[0]); // off every screen
    EXPECT_EQ(NearestScreen({9000, 100, 9500, 500}, screens), screens[1]);
    EXPECT_TRUE(NearestScreen({0, 0, 10, 10}, {}).isEmpty());
}

TEST(WindowPlacementTest, OnlyPlausibleBoundsCountAsStored)
{
    EXPECT_TRUE(IsStoredBounds({900, 100, 1700, 700}));
    EXPECT_TRUE(IsStoredBounds({-300, -20, 100, 50}));
    EXPECT_FALSE(IsStoredBounds({0, 0, 0, 0}));
    EXPECT_FALSE(IsStoredBounds({10, -400, 700, 0}));
    EXPECT_FALSE(IsStoredBounds({700, 10, 100, 500}));
    EXPECT_FALSE(IsStoredBounds({10, 500, 700, 10}));
    EXPECT_FALSE(IsStoredBounds({-2147483647 - 1, 0, 2147483647, 100}));
}

TEST(WindowPlacementTest, CentringTruncatesHalvesTowardZero)
{
    const QRect screen(0, 0, 1280, 1024);
    EXPECT_EQ(CenteredIn(screen, QSize(635, 378)), QPoint(322, 323));
    EXPECT_EQ(CenteredIn(screen, QSize(1281, 1025)), QPoint(0, 0));
    EXPECT_EQ(CenteredIn(screen, QSize(1283, 1029)), QPoint(-1, -2));
    EXPECT_EQ(CenteredIn(QRect(100, 50, 800, 600), QSize(301, 200)), QPoint(349, 250));

    EXPECT_TRUE(CentresOnScreen(u"TCalendarMain"_s, false));
    EXPECT_TRUE(CentresOnScreen(u"tcalendarmain"_s, false));
    EXPECT_TRUE(CentresOnScreen(u"TCalendarProperties"_s, true));
    EXPECT_FALSE(CentresOnScreen(u"TCalendarProperties"_s, false));
}

TEST(WindowPlacementTest, WindowWithoutPlacementIsCentredAndTheSectionWritten)
{
    TSettingsFolder folder;
    TPlacementProbe window;
    window.resize(300, 200);
    ASSERT_TRUE(RestorePlacement(window));

    const QSize screen = ScreenSize();
    const QPoint centred((screen.width() - 300) / 2, (screen.height() - 200) / 2);
    EXPECT_EQ(window.pos(), centred);
    const TIniFile ini(SettingsFileName());
    const TPlacement written = ReadPlacement(ini, u"TPlacementProbe_Placement"_s, true);
    EXPECT_EQ(written, (TPlacement{{centred.x(), centred.y(), centred.x() + 300, centred.y() + 200},
                                   false}));
    EXPECT_TRUE(folder.Messages.isEmpty());
}

TEST(WindowPlacementTest, PlacementComesBackOnScreenAndMaximised)
{
    TSettingsFolder folder;
    const QSize screen = ScreenSize();
    TIniFile ini(SettingsFileName());
    WritePlacement(ini, u"TPlacementProbe_Placement"_s,
                   {{screen.width() - 100, 30, screen.width() + 300, 330}, true});
    ASSERT_EQ(ini.UpdateFile(), std::nullopt);

    TPlacementProbe window;
    ASSERT_TRUE(RestorePlacement(window));
    EXPECT_EQ(window.geometry(), QRect(screen.width() - 400, 30, 400, 300));
    EXPECT_TRUE(window.isMaximized());

    const TPlacement resaved =
        ReadPlacement(TIniFile(SettingsFileName()), u"TPlacementProbe_Placement"_s, false);
    EXPECT_EQ(resaved, (TPlacement{{screen.width() - 400, 30, screen.width(), 330}, true}));

    TPlacementProbe normal;
    normal.setGeometry(40, 50, 320, 240);
    ASSERT_TRUE(SavePlacement(normal));
    TPlacementProbe restored;
    ASSERT_TRUE(RestorePlacement(restored));
    EXPECT_EQ(restored.geometry(), QRect(40, 50, 320, 240));
    EXPECT_FALSE(restored.isMaximized());
}

// Regression: the placement was restored far off the screen, millions of
// pixels large, and saved back so.
TEST(WindowPlacementTest, FarFlungPlacementIsRestoredOnTheScreenAndSavedSo)
{
    TSettingsFolder folder;
    const QSize screen = ScreenSize();
    TIniFile ini(SettingsFileName());
    WritePlacement(ini, u"TPlacementProbe_Placement"_s,
                   {{-5'000'000, -4'000'000, 3'000'000, 4'000'000}, false});
    ASSERT_EQ(ini.UpdateFile(), std::nullopt);

    TPlacementProbe window;
    ASSERT_TRUE(RestorePlacement(window));
    EXPECT_EQ(window.geometry(), QRect(QPoint(0, 0), screen));
    const TPlacement resaved =
        ReadPlacement(TIniFile(SettingsFileName()), u"TPlacementProbe_Placement"_s, false);
    EXPECT_EQ(resaved.Bounds, (TRect{0, 0, screen.width(), screen.height()}));
}

} // namespace

#include "WindowPlacementTest.moc"
