#include "CalendarPage.h"
#include "LumFlatCalendar.h"
#include "TestObject.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

QByteArray Saved(const TCalendarPage &page)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_FALSE(page.SaveToDevice(buffer));
    return buffer.data();
}

} // namespace

TEST(FloatingCalendarTool, CreatesACalendarInTheDraggedRectangle)
{
    TCalendarPage page;
    TRecordingView view(page);
    view.ToolOn = psFlatCalendar;
    page.CreateObjectInRect({40, 50, 240, 210});
    ASSERT_EQ(page.Objects().Count(), 1);
    auto *calendar = dynamic_cast<TLumFlatCalendar *>(page.Objects().At(0));
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->BoundsRect(), (TRect{40, 50, 240, 210}));
    EXPECT_FALSE(calendar->Menu().isEmpty());
    // A click without a drag still gives a calendar one can take hold of.
    page.CreateObjectInRect({300, 60, 302, 61});
    ASSERT_EQ(page.Objects().Count(), 2);
    EXPECT_EQ(page.Objects().At(1)->BoundsRect(), (TRect{300, 60, 350, 75}));
}

TEST(FloatingCalendarDocument, SaveLoadSaveIsByteIdentical)
{
    TCalendarPage page;
    TRecordingView view(page);
    view.ToolOn = psFlatCalendar;
    page.CreateObjectInRect({40, 50, 240, 210});
    auto &calendar = static_cast<TLumFlatCalendar &>(*page.Objects().At(0));
    calendar.SetLanguage(fclFrench);
    calendar.SetMonth(8);
    calendar.SetYear(2027);
    calendar.SetShadowDepth(5);
    calendar.SetShadowPosition(fcpLowerLeft);
    calendar.SetDayNameBGColor(0xE8FFFF);
    page.CreateObjectInRect({300, 50, 420, 150});
    // Loading names the objects in file order; these have those names.
    page.Objects().At(0)->SetName("Component0");
    page.Objects().At(1)->SetName("Component1");
    const QByteArray first = Saved(page);

    TCalendarPage loaded;
    QBuffer in;
    in.setData(first);
    in.open(QIODevice::ReadOnly);
    ASSERT_FALSE(loaded.LoadFromDevice(in));
    ASSERT_EQ(loaded.Objects().Count(), 2);
    const auto *copy = dynamic_cast<const TLumFlatCalendar *>(loaded.Objects().At(0));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Look(), calendar.Look());
    EXPECT_EQ(Saved(loaded), first);
    // The colour without a name is written as an integer, white by its name.
    EXPECT_TRUE(first.contains(QByteArray("DayNameBGColor\x04\xff\xff\xe8\x00", 19)));
    EXPECT_TRUE(first.contains(QByteArray("TitleBGcolor\x07\x07"
                                          "clWhite")));
    EXPECT_TRUE(first.contains(QByteArray("Language\x07\x09"
                                          "fclFrench")));
}
