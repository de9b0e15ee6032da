#include "CalendarPanel32.h"

#include "CalendarPagePaint.h"
#include "StoredPageValues.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <limits>

TEST(CalendarPanel32, TheWidgetFollowsThePageSize)
{
    TCalendarPanel32 panel;
    EXPECT_EQ(panel.size(), QSize(816, 1056));
    ApplyMainPageValues(panel.Page());
    EXPECT_EQ(panel.size(), QSize(1056, 816));
    panel.SetZoom(0.5f);
    EXPECT_EQ(panel.size(), QSize(528, 408));
}

TEST(CalendarPanel32, ACreationToolShowsTheDragCursorUntilPointing)
{
    TCalendarPanel32 panel;
    panel.SetTool(psImage);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::DragCopyCursor);
    panel.SetTool(psLabel);
    panel.SetTool(psPointing);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

namespace {

// Whether the widget shows what the page drawn afresh at its zoom shows.
bool ShowsPageDrawnAfresh(TCalendarPanel32 &panel)
{
    const QImage shown = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage fresh = PageBitmapAt(panel.Page(), panel.Zoom());
    return shown == fresh.convertToFormat(QImage::Format_RGB32);
}

} // namespace

// The zoom and the tool are the view's. A floating calendar dragged out at
// 50 % keeps its bounds at 100 %, the view goes back to pointing, and the
// widget shows what a fresh drawing of the page at 50 % shows.
TEST(CalendarPanel32, TheViewKeepsTheZoomAndTheToolAndShowsThePageAtItsZoom)
{
    TCalendarPanel32 panel;
    ApplyMainPageValues(panel.Page());
    QList<TLPanelState> tools;
    QObject::connect(&panel, &TCalendarPanel32::ToolChanged,
                     [&tools](TLPanelState tool) { tools.append(tool); });
    panel.SetZoom(0.5f);
    panel.SetZoom(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(panel.Zoom(), 0.5f);
    EXPECT_EQ(panel.Page().Zoom(), 0.5f);
    panel.SetTool(TLPanelState(6));
    EXPECT_TRUE(tools.isEmpty());
    panel.SetTool(psFlatCalendar);
    EXPECT_FALSE(panel.Page().Pointing());

    QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(50, 60));
    QTest::mouseMove(&panel, QPoint(150, 135));
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(150, 135));
    EXPECT_EQ(tools, (QList<TLPanelState>{psFlatCalendar, psPointing}));
    EXPECT_EQ(panel.Tool(), psPointing);
    ASSERT_EQ(panel.Page().Objects().Count(), 1);
    const TLumGraphicControl &made = *panel.Page().Objects().At(0);
    EXPECT_EQ(made.UnzoomedBounds(), (TBounds{100, 120, 200, 150}));
    EXPECT_EQ(made.Bounds(), (TBounds{50, 60, 100, 75}));

    panel.Page().Handle().Clear();
    EXPECT_TRUE(ShowsPageDrawnAfresh(panel));
}

// The widget draws the page anew only when it changed: after a change of
// style it shows what a fresh drawing of the page shows.
TEST(CalendarPanel32, AfterAChangeOfStyleTheWidgetShowsThePageDrawnAfresh)
{
    TCalendarPanel32 panel;
    ApplyMainPageValues(panel.Page());
    panel.SetZoom(0.501f);
    EXPECT_TRUE(ShowsPageDrawnAfresh(panel));
    panel.Page().SetTitleBGColor(clYellow);
    EXPECT_TRUE(ShowsPageDrawnAfresh(panel));
}

TEST(CalendarPanel32, AMouseClickReachesTheCell)
{
    TCalendarPanel32 panel;
    int clicked = 0;
    panel.Page().ClickedInCellEvent = [&clicked](const TRect &, const TRect &, int iCell, int,
                                                 TWPRtfStorage &) { clicked = iCell; };
    panel.Page().MainAttributes().CellGeometry[8].rTotal = {100, 100, 200, 200};
    const QPointF inside(150, 150);
    QMouseEvent press(QEvent::MouseButtonPress, inside, panel.mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&panel, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, panel.mapToGlobal(inside),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&panel, &release);
    EXPECT_EQ(clicked, 9);
}

TEST(CalendarPanel32, TheViewShowsAndHidesItsPage)
{
    QWidget parent;
    auto *panel = new TCalendarPanel32(&parent);
    parent.show();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(panel->PageShown());
    panel->ShowPage(false);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(panel->PageShown());
    panel->ShowPage(true);
    EXPECT_TRUE(panel->isVisible());
}

// The page on screen is what a bitmap of it shows, after a change made while
// painting was held as after one made before: the hold draws nothing and
// loses nothing.
TEST(CalendarPanel32, HeldPaintingDrawsNothingAndTheReleaseDrawsThePageAsItIsNow)
{
    TCalendarPanel32 panel;
    panel.SetZoom(0.5f);
    panel.HoldPainting(true);
    EXPECT_TRUE(panel.PaintingHeld());
    panel.Page().SetTitleBGColor(clYellow);
    const QImage held = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage white(held.size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_EQ(held, white);
    panel.HoldPainting(false);
    EXPECT_FALSE(panel.PaintingHeld());
    const QImage shown = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, panel.RenderToBitmap().convertToFormat(QImage::Format_RGB32));
    EXPECT_NE(shown, held);
}
