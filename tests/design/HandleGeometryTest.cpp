#include "HandleGeometry.h"

#include <gtest/gtest.h>

TEST(HandleGeometry, GripsUnderThePoint)
{
    struct Case
    {
        int x, y;
        THitZone zone;
    };
    // A handle 40 x 30: corners within 8, edge middles within 6 along the edge.
    const Case cases[] = {
        {0, 0, hzTopLeft},       {7, 7, hzTopLeft},        {8, 0, hzMove},
        {40, 30, hzBottomRight}, {33, 23, hzBottomRight},  {40, 0, hzTopRight},
        {0, 30, hzBottomLeft},   {20, 0, hzTopMiddle},     {25, 0, hzTopMiddle},
        {26, 0, hzMove},         {20, 30, hzBottomMiddle}, {0, 15, hzLeftMiddle},
        {40, 15, hzRightMiddle}, {20, 15, hzMove},         {-7, -7, hzTopLeft},
    };
    for (const Case &c : cases)
        EXPECT_EQ(HitZoneAt(c.x, c.y, 40, 30), c.zone) << c.x << "," << c.y;
    // Halves are exact: on a handle 41 wide the middle is 20.5, so 26 is within 6.
    EXPECT_EQ(HitZoneAt(26, 0, 41, 30), hzTopMiddle);
    // A small handle: the middle grips, tested later, win over the corners.
    EXPECT_EQ(HitZoneAt(0, 0, 8, 8), hzLeftMiddle);
    EXPECT_EQ(ZoneCursor(hzTopLeft), TDesignCursor::SizeNWSE);
    EXPECT_EQ(ZoneCursor(hzBottomLeft), TDesignCursor::SizeNESW);
    EXPECT_EQ(ZoneCursor(hzBottomMiddle), TDesignCursor::SizeNS);
    EXPECT_EQ(ZoneCursor(hzRightMiddle), TDesignCursor::SizeWE);
    EXPECT_EQ(ZoneCursor(hzMove), TDesignCursor::HandGrab);
}

TEST(HandleGeometry, SnappingTruncatesTowardZero)
{
    EXPECT_EQ(Snap(13, 4), 12);
    EXPECT_EQ(Snap(-13, 4), -12);
    EXPECT_EQ(Snap(13, 1), 13);
    EXPECT_EQ(Snap(15, 8), 8);
    EXPECT_EQ(Snap(13, 0), 13);
}

TEST(HandleGeometry, DraggedBoundsFollowTheGrip)
{
    const TBounds from{100, 50, 40, 30};
    struct Case
    {
        THitZone zone;
        int dx, dy;
        TBounds expected;
    };
    const Case cases[] = {
        {hzMove, 10, -5, {110, 45, 40, 30}},
        {hzTopLeft, 10, 5, {110, 55, 30, 25}},
        {hzTopRight, 10, 5, {100, 55, 49, 25}},
        {hzBottomLeft, 10, 5, {110, 50, 30, 34}},
        {hzBottomRight, 10, 5, {100, 50, 49, 34}},
        {hzTopMiddle, 10, 5, {100, 55, 40, 25}},
        {hzLeftMiddle, 10, 5, {110, 50, 30, 30}},
        {hzBottomMiddle, 10, 5, {100, 50, 40, 34}},
        {hzRightMiddle, 10, 5, {100, 50, 49, 30}},
        // Resizes stop at 5 x 5.
        {hzBottomRight, -100, -100, {100, 50, 5, 5}},
        {hzTopLeft, 100, 100, {200, 150, 5, 5}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DraggedBounds(c.zone, from, c.dx, c.dy, 1, 1), c.expected) << int(c.zone);
    // Snapped to 8: the left edge lands on 104, the right on 8 x 6 - 1.
    EXPECT_EQ(DraggedBounds(hzMove, from, 7, 0, 8, 8), (TBounds{104, 48, 40, 30}));
    EXPECT_EQ(DraggedBounds(hzRightMiddle, from, 9, 0, 8, 8), (TBounds{100, 50, 47, 30}));
}

TEST(HandleGeometry, TheHandleOfA20By20ObjectShrinksTo5By5)
{
    // Add fits a handle of 25 x 25 around a 20 x 20 object.
    const TBounds handle{8, 8, 25, 25};
    EXPECT_EQ(DraggedBounds(hzBottomRight, handle, -100, 0, 1, 1), (TBounds{8, 8, 5, 24}));
    EXPECT_EQ(DraggedBounds(hzBottomRight, handle, -100, -100, 1, 1), (TBounds{8, 8, 5, 5}));
}

TEST(HandleGeometry, OutlineAndKeyboardRectangleRoundTrip)
{
    const TBounds handle{10, 20, 45, 35};
    EXPECT_EQ(OutlineOf(handle), (TRect{12, 22, 52, 52}));
    EXPECT_EQ(BoundsOfKeyboardRect(KeyboardRect(handle)), handle);
}

TEST(HandleGeometry, ArrowKeysNudgeWithinThePanel)
{
    const TRect k{10, 10, 29, 19}; // 20 x 10 counted inclusively
    struct Case
    {
        TArrow arrow;
        bool resize;
        TRect keys;
        TRect expected;
    };
    const Case cases[] = {
        {TArrow::Left, false, k, {9, 10, 28, 19}},
        {TArrow::Up, false, k, {10, 9, 29, 18}},
        {TArrow::Right, false, k, {11, 10, 30, 19}},
        {TArrow::Down, false, k, {10, 11, 29, 20}},
        {TArrow::Right, true, k, {10, 10, 30, 19}},
        {TArrow::Down, true, k, {10, 10, 29, 20}},
        {TArrow::Left, true, k, {10, 10, 28, 19}},
        // 10 high: not shrunk any further.
        {TArrow::Up, true, k, k},
        // At the top-left corner nothing moves further out.
        {TArrow::Left, false, {0, 0, 19, 9}, {0, 0, 19, 9}},
        {TArrow::Up, false, {0, 0, 19, 9}, {0, 0, 19, 9}},
        // 100 x 100 panel: 81 + 20 passes the right edge.
        {TArrow::Right, false, {81, 0, 100, 9}, {81, 0, 100, 9}},
        {TArrow::Right, false, {80, 0, 99, 9}, {81, 0, 100, 9}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(NudgedRect(c.keys, c.arrow, c.resize, 100, 100), c.expected)
            << int(c.arrow) << " resize " << c.resize;
}
