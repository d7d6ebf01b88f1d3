// The window's place on the desktop and the alpha of its translucency.
#include <gtest/gtest.h>

#include "mainwindow/PlacementMath.h"
#include "support/RectSupport.h"

namespace {

using test::SameRect;

TEST(MoveOntoDesktop, HalfOffTheRightEdgeComesFullyInsideKeepingItsSize) {
    const DesktopRect desktop = {0, 0, 1280, 1024};
    EXPECT_TRUE(SameRect(MoveOntoDesktop(RECT{1000, 100, 1400, 400}, desktop), RECT{880, 100, 1280, 400}));
    EXPECT_TRUE(SameRect(MoveOntoDesktop(RECT{-30, -40, 370, 260}, desktop), RECT{0, 0, 400, 300}));
    EXPECT_TRUE(SameRect(MoveOntoDesktop(RECT{100, 900, 500, 1200}, desktop), RECT{100, 724, 500, 1024}));
    // Already inside, touching the edges: unchanged.
    EXPECT_TRUE(SameRect(MoveOntoDesktop(RECT{0, 0, 1280, 1024}, desktop), RECT{0, 0, 1280, 1024}));
}

TEST(MoveOntoDesktop, LargerThanTheDesktopEndsOnTheRightAndBottomEdges) {
    const DesktopRect desktop = {0, 0, 1280, 1024};
    EXPECT_TRUE(SameRect(MoveOntoDesktop(RECT{-50, -10, 1500, 1100}, desktop), RECT{-270, -86, 1280, 1024}));
    EXPECT_TRUE(SameRect(MoveOntoDesktop(RECT{200, 300, 1600, 1400}, desktop), RECT{-120, -76, 1280, 1024}));
}

TEST(MoveOntoDesktop, NegativeVirtualOrigin) {
    // A second monitor left of and above the primary one.
    const DesktopRect desktop = {-1280, -300, 2560, 1324};
    // Left of the virtual desktop: moved in.
    EXPECT_TRUE(SameRect(MoveOntoDesktop(RECT{-1500, -400, -1100, -100}, desktop), RECT{-1280, -300, -880, 0}));
    // On the second monitor: left where it is.
    EXPECT_TRUE(SameRect(MoveOntoDesktop(RECT{-1000, -200, -600, 100}, desktop), RECT{-1000, -200, -600, 100}));
    // A position from a monitor that has since gone, far to the right.
    EXPECT_TRUE(SameRect(MoveOntoDesktop(RECT{3000, 500, 3400, 800}, desktop), RECT{880, 500, 1280, 800}));
}

// Each end of the range at its limit and one step past it.
TEST(LayeredAlpha, StaysWithinTheFaintestOpacityAndOpaque) {
    EXPECT_EQ(10, LayeredAlpha(9));
    EXPECT_EQ(10, LayeredAlpha(10));
    EXPECT_EQ(11, LayeredAlpha(11));
    EXPECT_EQ(254, LayeredAlpha(254));
    EXPECT_EQ(255, LayeredAlpha(255));
    EXPECT_EQ(255, LayeredAlpha(256));
}

}  // namespace
