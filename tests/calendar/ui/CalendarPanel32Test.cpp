#include "CalendarPanel32.h"

#include "StoredPageValues.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

TEST(CalendarPanel32, TheWidgetFollowsThePageSize)
{
    TCalendarPanel32 panel;
    EXPECT_EQ(panel.size(), QSize(816, 1056));
    ApplyMainPageValues(panel);
    EXPECT_EQ(panel.size(), QSize(1056, 816));
    panel.SetScale(0.5f);
    EXPECT_EQ(panel.size(), QSize(528, 408));
}

TEST(CalendarPanel32, ACreationToolShowsTheDragCursorUntilPointing)
{
    TCalendarPanel32 panel;
    panel.SetPanelState(psImage);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::DragCopyCursor);
    panel.SetPanelState(psLabel);
    panel.SetPanelState(psPointing);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(CalendarPanel32, AMouseClickReachesTheCell)
{
    TCalendarPanel32 panel;
    int clicked = 0;
    panel.ClickedInCellEvent = [&clicked](const TRect &, const TRect &, int iCell, int,
                                          TWPRtfStorage &) { clicked = iCell; };
    panel.MainAttributes().CellGeometry[8].rTotal = {100, 100, 200, 200};
    const QPointF inside(150, 150);
    QMouseEvent press(QEvent::MouseButtonPress, inside, panel.mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&panel, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, panel.mapToGlobal(inside),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&panel, &release);
    EXPECT_EQ(clicked, 9);
}
