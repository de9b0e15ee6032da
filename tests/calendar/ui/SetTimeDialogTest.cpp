#include "SetTimeDialog.h"

#include "CaptionPanel.h"
#include "Color.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

void ClickCell(TCaptionPanel *cell)
{
    ASSERT_NE(cell, nullptr);
    const QPointF centre(cell->width() / 2.0, cell->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, centre, cell->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, cell->mapToGlobal(centre),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(cell, &press);
    QApplication::sendEvent(cell, &release);
}

// The tags of the cells painted yellow, hours first and minutes after 100.
QList<int> YellowCells(const TSetTimeDialog &dialog)
{
    QList<int> tags;
    for (int tag = 0; tag < 24; ++tag) {
        if (dialog.HourCell(tag)->FaceColor() == ToQColor(clYellow))
            tags.append(tag);
        else
            EXPECT_EQ(dialog.HourCell(tag)->FaceColor(), ToQColor(clBtnFace)) << tag;
    }
    for (int tag = 0; tag < 60; ++tag) {
        if (dialog.MinuteCell(tag)->FaceColor() == ToQColor(clYellow))
            tags.append(100 + tag);
        else
            EXPECT_EQ(dialog.MinuteCell(tag)->FaceColor(), ToQColor(clBtnFace)) << tag;
    }
    return tags;
}

} // namespace

TEST(SetTimeDialog, CellsCarryTheClockFaceCaptions)
{
    TSetTimeDialog dialog;
    EXPECT_EQ(dialog.size(), QSize(306, 334));
    EXPECT_EQ(dialog.HourCell(0)->text(), QStringLiteral("12"));
    EXPECT_EQ(dialog.HourCell(11)->text(), QStringLiteral("11"));
    EXPECT_EQ(dialog.HourCell(12)->text(), QStringLiteral("12"));
    EXPECT_EQ(dialog.HourCell(13)->text(), QStringLiteral("1"));
    EXPECT_EQ(dialog.MinuteCell(0)->text(), QStringLiteral("00"));
    EXPECT_EQ(dialog.MinuteCell(59)->text(), QStringLiteral("59"));
    EXPECT_EQ(dialog.HourCell(24), nullptr);
    EXPECT_EQ(dialog.MinuteCell(-1), nullptr);
    EXPECT_EQ(dialog.MinuteCell(7)->toolTip(),
              QStringLiteral("Click to set the minutes portion of the time"));
    EXPECT_EQ(dialog.HourCell(7)->toolTip(),
              QStringLiteral("Click to set the hours portion of the time"));
    EXPECT_EQ(dialog.HourCell(0)->size(), QSize(24, 19));
    // Six rows of ten minutes.
    EXPECT_EQ(dialog.MinuteCell(10)->x(), dialog.MinuteCell(0)->x());
    EXPECT_EQ(dialog.MinuteCell(10)->y(), dialog.MinuteCell(0)->y() + 19);
}

TEST(SetTimeDialog, EightOClockShowsTheMorningCells)
{
    TSetTimeDialog dialog;
    dialog.SetTime(QTime(8, 0));
    dialog.FormActivate();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Set Time As: 08:00 am"));
    EXPECT_EQ(YellowCells(dialog), QList<int>({8, 100}));
}

TEST(SetTimeDialog, ClickingNoonAndThirtyGivesHalfPastTwelve)
{
    TSetTimeDialog dialog;
    dialog.SetTime(QTime(8, 0));
    dialog.show();
    ClickCell(dialog.HourCell(12));
    ClickCell(dialog.MinuteCell(30));
    EXPECT_EQ(dialog.Time(), QTime(12, 30));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Set Time As: 12:30 pm"));
    EXPECT_EQ(YellowCells(dialog), QList<int>({12, 130}));
}

TEST(SetTimeDialog, CaptionUsesTheTwelveHourClock)
{
    EXPECT_EQ(SetTimeCaption(QTime(0, 5)), QStringLiteral("Set Time As: 12:05 am"));
    EXPECT_EQ(SetTimeCaption(QTime(13, 5)), QStringLiteral("Set Time As: 01:05 pm"));
    EXPECT_EQ(SetTimeCaption(QTime(23, 59)), QStringLiteral("Set Time As: 11:59 pm"));
}
