#include "PagePlacement.h"

#include <gtest/gtest.h>

namespace {

// The page stuck to the top-left corner of a window larger than itself.
TEST(PagePlacementTest, ThePageIsCentredWhereThereIsRoomElseKeepsItsMargin)
{
    const struct
    {
        QSize page, viewport;
        QPoint pos;
        QSize contents;
    } cases[] = {
        {{600, 400}, {1000, 800}, {200, 200}, {1000, 800}},
        {{601, 401}, {1000, 800}, {199, 199}, {1000, 800}},
        {{600, 400}, {610, 410}, {5, 5}, {610, 410}},
        {{600, 400}, {300, 200}, {5, 5}, {610, 410}},
        // Centred across, scrolled down.
        {{600, 400}, {1000, 300}, {200, 5}, {1000, 410}},
        {{1056, 816}, {0, 0}, {5, 5}, {1066, 826}},
    };
    for (const auto &c : cases) {
        const TPagePlacement placed = PlacePage(c.page, c.viewport, 5);
        EXPECT_EQ(placed.PagePos, c.pos) << c.viewport.width() << "x" << c.viewport.height();
        EXPECT_EQ(placed.Contents, c.contents) << c.viewport.width() << "x" << c.viewport.height();
    }
}

// A first start opened the window at the form's small design size.
TEST(PagePlacementTest, AFirstStartShowsTheWholePageWhereTheScreenAllows)
{
    const QSize design(635, 400);
    const QSize chrome(0, 90);
    EXPECT_EQ(FirstStartWindowSize({1056, 816}, 5, chrome, design, {1920, 1050}), QSize(1066, 916));
    EXPECT_EQ(FirstStartWindowSize({1056, 816}, 5, chrome, design, {1280, 770}), QSize(1066, 770));
    EXPECT_EQ(FirstStartWindowSize({1056, 816}, 5, chrome, design, {800, 600}), QSize(800, 600));
    EXPECT_EQ(FirstStartWindowSize({300, 200}, 5, chrome, design, {1920, 1050}), design);
}

} // namespace
