#include "app/ZRVWindowRules.h"

#include <gtest/gtest.h>

TEST(ZRVWindowRulesTests, MinWindowFrameIsCentredInTheVisibleFrame) {
    EXPECT_EQ(ZRVWindowRules::minWindowFrame({0, 0, 1440, 877}), (ZRVRect{210, 118.5, 1020, 640}));
    EXPECT_EQ(ZRVWindowRules::minWindowFrame({1920, 27, 1440, 877}),
              (ZRVRect{2130, 145.5, 1020, 640}));
    EXPECT_EQ(ZRVWindowRules::minWindowFrame({}), (ZRVRect{0, 0, 1020, 640}));
}

TEST(ZRVWindowRulesTests, DraggingUpStopsAtTheTopOfTheVisibleFrameDownIsFree) {
    const ZRVRect visible{0, 27, 1440, 850};
    const ZRVRect frame{100, 60, 1020, 640};
    // Pressed at (50, 10), dragged 100 up and 30 right.
    EXPECT_EQ(ZRVWindowRules::dragFrame(frame, 50, 10, 80, -90, visible),
              (ZRVRect{130, 27, 1020, 640}));
    EXPECT_EQ(ZRVWindowRules::dragFrame(frame, 50, 10, 50, 900, visible),
              (ZRVRect{100, 950, 1020, 640}));
    EXPECT_EQ(ZRVWindowRules::dragFrame(frame, 50, 10, 50, -20, visible),
              (ZRVRect{100, 30, 1020, 640}));
}

TEST(ZRVWindowRulesTests, MenuBarAndDockFromScreenAndVisibleFrames) {
    EXPECT_TRUE(ZRVWindowRules::hasMenuBar(false, false));
    EXPECT_TRUE(ZRVWindowRules::hasMenuBar(true, true));
    EXPECT_FALSE(ZRVWindowRules::hasMenuBar(false, true));

    const ZRVRect screen{0, 0, 1440, 900};
    // Menu bar only: no dock.
    EXPECT_FALSE(ZRVWindowRules::hasDock(screen, {0, 23, 1440, 877}, 23, true));
    // Dock at the bottom: the visible height falls short beyond the menu bar.
    EXPECT_TRUE(ZRVWindowRules::hasDock(screen, {0, 23, 1440, 807}, 23, true));
    // Dock at a side.
    EXPECT_TRUE(ZRVWindowRules::hasDock(screen, {60, 23, 1380, 877}, 23, true));
    // On a screen without a menu bar the same strip counts as a dock.
    EXPECT_TRUE(ZRVWindowRules::hasDock(screen, {0, 23, 1440, 877}, 23, false));
    EXPECT_FALSE(ZRVWindowRules::hasDock(screen, screen, 23, false));
}

// A viewer at (100, 200) of 800 x 600 puts a 400-high map window at (900, 200)
// in top-left coordinates: the same place as (900, 400) counted from the
// bottom of a 1000-high screen.
TEST(ZRVWindowRulesTests, MapWindowGoesRightOfTheViewerTopsLevel) {
    EXPECT_EQ(ZRVWindowRules::frameRightOf({100, 200, 800, 600}, 500, 400),
              (ZRVRect{900, 200, 500, 400}));
}

TEST(ZRVWindowRulesTests, ResizingMovesOnlyTheDraggedEdgesAndStopsAtTheMinimumSize) {
    using R = ZRVWindowRules;
    const ZRVRect start{100, 50, 1200, 800};
    EXPECT_EQ(R::resizeFrame(start, R::right | R::bottom, 60, -30), (ZRVRect{100, 50, 1260, 770}));
    // The left and top edges follow the pointer; the right and bottom stay.
    EXPECT_EQ(R::resizeFrame(start, R::left | R::top, -20, 40), (ZRVRect{80, 90, 1220, 760}));
    // Past the minimum the dragged edge stops and the opposite one stays.
    EXPECT_EQ(R::resizeFrame(start, R::left | R::bottom, 900, -900), (ZRVRect{280, 50, 1020, 640}));
    // An edge handle leaves the other axis alone.
    EXPECT_EQ(R::resizeFrame(start, R::top, 500, 10), (ZRVRect{100, 60, 1200, 790}));
}
