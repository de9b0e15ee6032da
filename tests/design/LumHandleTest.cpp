#include "DesignFixture.h"

using Handle = DesignPanel;

TEST_F(Handle, FitsAroundWhatItSelects)
{
    TTestObject &a = Place(10, 20, 30, 40);
    TTestObject &b = Place(100, 5, 10, 10);
    TLumHandle &handle = Panel.Handle();
    EXPECT_FALSE(handle.Visible());
    handle.Add(&a);
    EXPECT_TRUE(handle.Visible() && handle.Enabled());
    EXPECT_EQ(handle.Bounds(), (TBounds{8, 18, 35, 45}));
    handle.Add(&b);
    // Left and top 2 out, right and bottom 3 out of the union.
    EXPECT_EQ(handle.Bounds(), (TBounds{8, 3, 105, 60}));
    handle.Refit();
    EXPECT_EQ(handle.Bounds(), (TBounds{8, 3, 106, 61}));
    handle.Remove(&b);
    EXPECT_EQ(handle.Bounds(), (TBounds{8, 18, 35, 45}));
    handle.Remove(&a);
    EXPECT_FALSE(handle.Visible() || handle.Enabled());
}

// The handle grows to whichever side the object added lies, and shows the
// grab cursor over it.
TEST_F(Handle, GrowsTowardsAnObjectAddedAboveAndLeftOfIt)
{
    TTestObject &a = Place(100, 50, 30, 40);
    TTestObject &b = Place(10, 20, 10, 10);
    TLumHandle &handle = Panel.Handle();
    handle.Add(&a);
    View.Cursor = TDesignCursor::Default;
    handle.Add(&b);
    EXPECT_EQ(handle.Bounds(), (TBounds{8, 18, 125, 75}));
    EXPECT_EQ(View.Cursor, TDesignCursor::HandGrab);
}

TEST_F(Handle, KeepsEachObjectOnceAndNoUnselectableOne)
{
    TTestObject &a = Place(10, 10, 20, 20);
    TTestObject &b = Place(50, 10, 20, 20);
    b.SetUnselectable(true);
    TLumHandle &handle = Panel.Handle();
    handle.Add(&a);
    handle.Add(&a);
    handle.Add(&b);
    handle.Add(nullptr);
    EXPECT_EQ(handle.Count(), 1);
    EXPECT_EQ(handle.IndexOf(&a), 0);
    EXPECT_EQ(handle.IndexOf(&b), -1);
    EXPECT_EQ(handle.Items(0), &a);
    EXPECT_EQ(handle.Items(-1), nullptr);
    EXPECT_EQ(handle.Items(1), nullptr);
    handle.Clear();
    EXPECT_EQ(handle.Items(0), nullptr);
    EXPECT_EQ(handle.Bounds().Width, 24);
}

TEST_F(Handle, FindsSelectedObjectsWithATwoPixelMargin)
{
    TTestObject &a = Place(10, 10, 20, 20);
    Place(100, 100, 20, 20);
    Panel.Handle().Add(&a);
    EXPECT_EQ(Panel.Handle().ObjectAt(QPoint(8, 8)), &a);
    EXPECT_EQ(Panel.Handle().ObjectAt(QPoint(31, 31)), &a);
    EXPECT_EQ(Panel.Handle().ObjectAt(QPoint(32, 20)), nullptr);
    EXPECT_FALSE(Panel.Handle().HitSelected(QPoint(110, 110)));
}

TEST_F(Handle, AQuickClickLeavesTheObjectInPlace)
{
    TTestObject &a = Place(50, 50, 40, 30);
    Panel.Handle().Add(&a);
    Panel.HandleMouseDown(Qt::LeftButton, Qt::NoModifier, 20, 20);
    Now += 100;
    Panel.HandleMouseMove(Qt::LeftButton, Qt::NoModifier, 23, 21);
    Panel.HandleMouseUp(Qt::LeftButton, Qt::NoModifier, 23, 21);
    EXPECT_EQ(a.Bounds(), (TBounds{50, 50, 40, 30}));
    EXPECT_FALSE(Panel.Handle().Dragging());
    EXPECT_FALSE(Panel.Handle().Outline());
}

TEST_F(Handle, ADragMovesTheSelectionAndShowsAnOutlineMeanwhile)
{
    TTestObject &a = Place(50, 50, 40, 30);
    Panel.Handle().Add(&a);
    Panel.HandleMouseDown(Qt::LeftButton, Qt::NoModifier, 20, 20);
    Now += 200;
    Panel.HandleMouseMove(Qt::LeftButton, Qt::NoModifier, 30, 25);
    ASSERT_TRUE(Panel.Handle().Outline());
    EXPECT_EQ(*Panel.Handle().Outline(), (TRect{60, 55, 100, 85}));
    EXPECT_EQ(a.Left(), 50); // only the outline moves while dragging
    Panel.HandleMouseUp(Qt::LeftButton, Qt::NoModifier, 30, 25);
    EXPECT_EQ(a.Bounds(), (TBounds{60, 55, 40, 30}));
    EXPECT_FALSE(Panel.Handle().Outline());
    EXPECT_EQ(Changes, 1);
}

TEST_F(Handle, ADragStepRepaintsOnlyTheEdgesOfTheOutlinesItMoves)
{
    TTestObject &a = Place(50, 50, 200, 150);
    Panel.Handle().Add(&a);
    Panel.HandleMouseDown(Qt::LeftButton, Qt::NoModifier, 20, 20);
    Now += 200;
    Panel.HandleMouseMove(Qt::LeftButton, Qt::NoModifier, 30, 25);
    const TRect before = *Panel.Handle().Outline();
    View.Invalidated.clear();
    Panel.HandleMouseMove(Qt::LeftButton, Qt::NoModifier, 34, 27);
    const TRect after = *Panel.Handle().Outline();
    ASSERT_FALSE(View.Invalidated.isEmpty());
    // Every repainted strip lies on an edge of the old or the new outline,
    // at most a pixel and a half off it, and nothing inside is repainted.
    const auto onEdge = [](const TRect &strip, const TRect &frame) {
        const bool inside = strip.Left >= frame.Left - 1 && strip.Right <= frame.Right + 2 &&
                            strip.Top >= frame.Top - 1 && strip.Bottom <= frame.Bottom + 2;
        const bool thin = strip.Width() <= 3 || strip.Height() <= 3;
        return inside && thin;
    };
    for (const TRect &strip : View.Invalidated)
        EXPECT_TRUE(onEdge(strip, before) || onEdge(strip, after))
            << strip.Left << "," << strip.Top << "," << strip.Right << "," << strip.Bottom;
    Panel.HandleMouseUp(Qt::LeftButton, Qt::NoModifier, 34, 27);
}

TEST_F(Handle, TwoSelectedMoveTogetherWithoutGripsAndALockedOneStays)
{
    TTestObject &a = Place(50, 50, 40, 30);
    TTestObject &b = Place(150, 60, 20, 20);
    Panel.Handle().Add(&a);
    Panel.Handle().Add(&b);
    // Over the top-left corner, yet with two selected there are no grips.
    Panel.HandleMouseMove(Qt::NoButton, Qt::NoModifier, 1, 1);
    EXPECT_EQ(Panel.Handle().HitZone(), hzMove);
    DragHandle(QPoint(49, 49), QPoint(59, 59));
    EXPECT_EQ(a.Bounds(), (TBounds{60, 60, 40, 30}));
    EXPECT_EQ(b.Bounds(), (TBounds{160, 70, 20, 20}));
    b.SetLocked(true);
    DragHandle(QPoint(59, 59), QPoint(69, 59));
    EXPECT_EQ(a.Left(), 70);
    EXPECT_EQ(b.Left(), 160);
}

TEST_F(Handle, ResizingFromTheBottomRightGripStopsAtFiveByFive)
{
    TTestObject &a = Place(10, 10, 20, 20);
    Panel.Handle().Add(&a);
    const TBounds h = Panel.Handle().Bounds();
    DragHandle(QPoint(h.Right(), h.Bottom()), QPoint(h.Right() - 100, h.Bottom() - 100));
    EXPECT_EQ(Panel.Handle().Bounds().Width, 5);
    EXPECT_EQ(Panel.Handle().Bounds().Height, 5);
    // The object changes by what the handle changed.
    EXPECT_EQ(a.Bounds(), (TBounds{10, 10, 0, 0}));
}

TEST_F(Handle, ADragGoesNoFurtherThanTheMouseCanInsideThePanel)
{
    TTestObject &a = Place(10, 10, 20, 20);
    Panel.Handle().Add(&a);
    DragHandle(QPoint(20, 20), QPoint(-500, -500));
    EXPECT_EQ(a.Left(), -10);
    EXPECT_EQ(a.Top(), -10);
    DragHandle(QPoint(0, 0), QPoint(900, 900));
    EXPECT_EQ(a.Left(), 390);
    EXPECT_EQ(a.Top(), 290);
}

TEST_F(Handle, SnapsToTheGridWhenAsked)
{
    TTestObject &a = Place(10, 10, 20, 20);
    Panel.SetGridSize(gs8x8);
    EXPECT_FALSE(Panel.Handle().SnapToGrid()); // the step is kept, snapping stays off
    Panel.SetSnapToGrid(true);
    EXPECT_EQ(Panel.Handle().GridX(), 8);
    Panel.Handle().Add(&a);
    DragHandle(QPoint(20, 20), QPoint(33, 31));
    // The handle's left edge 8 + 13 snaps to 16.
    EXPECT_EQ(Panel.Handle().Bounds().Left, 16);
    EXPECT_EQ(a.Left(), 18);
    Panel.SetSnapToGrid(false);
    EXPECT_EQ(Panel.Handle().GridX(), 1);
}

TEST_F(Handle, ALockedHandleNeitherDragsNorReorders)
{
    TTestObject &a = Place(10, 10, 20, 20);
    TTestObject &b = Place(15, 15, 20, 20);
    Panel.Handle().Add(&a);
    Panel.Handle().SetLocked(true);
    DragHandle(QPoint(20, 20), QPoint(60, 60));
    EXPECT_EQ(a.Left(), 10);
    EXPECT_EQ(View.Cursor, TDesignCursor::NoDrop);
    Panel.BringToFront();
    EXPECT_EQ(Panel.Objects().IndexOf(&a), 0);
    EXPECT_EQ(Panel.Objects().IndexOf(&b), 1);
}

TEST_F(Handle, GripsShowTheirCursorsWithOneObjectSelected)
{
    TTestObject &a = Place(10, 10, 40, 40);
    Panel.Handle().Add(&a);
    const TBounds h = Panel.Handle().Bounds();
    Panel.HandleMouseMove(Qt::NoButton, Qt::NoModifier, h.Width, h.Height / 2);
    EXPECT_EQ(Panel.Handle().HitZone(), hzRightMiddle);
    EXPECT_EQ(View.Cursor, TDesignCursor::SizeWE);
    Panel.HandleMouseMove(Qt::NoButton, Qt::NoModifier, h.Width / 2, h.Height / 2);
    EXPECT_EQ(View.Cursor, TDesignCursor::HandGrab);
}

TEST_F(Handle, ClickingAnObjectAndDraggingOnMovesIt)
{
    TTestObject &a = Place(50, 50, 40, 30);
    Press(a, 10, 10);
    EXPECT_TRUE(Panel.Handle().Captured());
    Now += 5;
    Panel.MouseMove(Qt::LeftButton, Qt::NoModifier, 62, 61);
    EXPECT_FALSE(Panel.Handle().Dragging()); // within 10 ms of the press
    Now += 20;
    Panel.MouseMove(Qt::LeftButton, Qt::NoModifier, 62, 61);
    EXPECT_TRUE(Panel.Handle().Dragging());
    Now += 200;
    Panel.MouseMove(Qt::LeftButton, Qt::NoModifier, 82, 71);
    Panel.MouseUp(Qt::LeftButton, Qt::NoModifier, 82, 71);
    EXPECT_EQ(a.Bounds(), (TBounds{70, 60, 40, 30}));
    EXPECT_FALSE(Panel.Handle().Captured());
}

TEST_F(Handle, ADoubleClickCancelsTheDragItsFirstClickBegan)
{
    TTestObject &a = Place(50, 50, 40, 30);
    a.OnEdit = [] {};
    Panel.Handle().Add(&a);
    Panel.HandleMouseDown(Qt::LeftButton, Qt::NoModifier, 20, 20);
    Panel.HandleDoubleClick(20, 20);
    Now += 300;
    Panel.HandleMouseMove(Qt::LeftButton, Qt::NoModifier, 60, 60);
    EXPECT_FALSE(Panel.Handle().Outline());
    Panel.HandleMouseUp(Qt::LeftButton, Qt::NoModifier, 60, 60);
    EXPECT_EQ(a.Left(), 50);
}

TEST_F(Handle, ArrowKeysMoveTheOutlineAndTheObjectsFollowOnRelease)
{
    TTestObject &a = Place(50, 50, 40, 30);
    TTestObject &b = Place(150, 50, 40, 30);
    Panel.Handle().Add(&a);
    for (int i = 0; i < 3; ++i)
        Panel.Handle().KeyDown(Qt::Key_Right, Qt::ShiftModifier);
    // Shift+Right grows only the outline until the key is released.
    EXPECT_EQ(a.Width(), 40);
    ASSERT_TRUE(Panel.Handle().Outline());
    EXPECT_EQ(Panel.Handle().Outline()->Right, a.Bounds().Right() + 3);
    Panel.Handle().KeyUp(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(a.Bounds(), (TBounds{50, 50, 43, 30}));
    EXPECT_FALSE(Panel.Handle().Outline());

    // With two selected, Shift+Right moves them both instead.
    Panel.Handle().Add(&b);
    Panel.Handle().KeyDown(Qt::Key_Right, Qt::ShiftModifier);
    Panel.Handle().KeyUp(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(a.Bounds(), (TBounds{51, 50, 43, 30}));
    EXPECT_EQ(b.Bounds(), (TBounds{151, 50, 40, 30}));
    Panel.Handle().KeyDown(Qt::Key_Up, Qt::NoModifier);
    Panel.Handle().KeyUp(Qt::Key_Up, Qt::NoModifier);
    EXPECT_EQ(a.Top(), 49);
}

TEST_F(Handle, ReorderingKeepsSelectionOrder)
{
    TTestObject &a = Place(10, 10, 20, 20);
    TTestObject &b = Place(20, 20, 20, 20);
    TTestObject &c = Place(30, 30, 20, 20);
    Panel.Handle().Add(&b);
    Panel.Handle().Add(&a);
    Panel.Handle().BringSelectionToFront();
    // The last selected ends on top.
    EXPECT_EQ(Panel.Objects().Objects(), (QList<TLumGraphicControl *>{&c, &b, &a}));
    const int handleChanges = View.HandleChanges;
    Panel.Handle().SendSelectionToBack();
    EXPECT_EQ(Panel.Objects().Objects(), (QList<TLumGraphicControl *>{&a, &b, &c}));
    EXPECT_EQ(View.HandleChanges, handleChanges + 1) << "the view hears of the new order";
}
