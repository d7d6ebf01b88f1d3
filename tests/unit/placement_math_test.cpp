// The window's place on the desktop and the alpha of its translucency.
#include <gtest/gtest.h>

#include <vector>

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

// A primary monitor of 1280 x 1024 and one of 1024 x 768 to its right: the
// bounding rectangle is 2304 x 1024, and its lower right corner is on neither.
const std::vector<RECT> kPrimaryAndRight = {RECT{0, 0, 1280, 1024}, RECT{1280, 0, 2304, 768}};
const RECT kRightWork = {1280, 0, 2304, 768};

TEST(PlaceOnMonitors, AWindowInTheDeadCornerMovesOntoTheNearestWorkAreaKeepingItsSize) {
    // Wholly in the dead corner, none of it shown.
    const RECT hidden = {1500, 800, 2100, 1000};
    ASSERT_TRUE(SameRect(MoveOntoDesktop(hidden, DesktopRect{0, 0, 2304, 1024}), hidden));
    EXPECT_EQ(0, AreaOnMonitors(hidden, kPrimaryAndRight));
    EXPECT_TRUE(SameRect(PlaceOnMonitors(hidden, kPrimaryAndRight, kRightWork), RECT{1500, 568, 2100, 768}));
    // 58 % of it in the dead corner.
    const RECT mostlyHidden = {1700, 600, 2300, 1000};
    EXPECT_EQ(600 * 168, AreaOnMonitors(mostlyHidden, kPrimaryAndRight));
    EXPECT_TRUE(SameRect(PlaceOnMonitors(mostlyHidden, kPrimaryAndRight, kRightWork), RECT{1700, 368, 2300, 768}));
}

TEST(PlaceOnMonitors, HalfOnTheMonitorsStaysOneRowLessMoves) {
    // 100 of its 200 rows on the right monitor.
    const RECT half = {1700, 668, 2100, 868};
    EXPECT_FALSE(MostlyOffMonitors(half, kPrimaryAndRight));
    EXPECT_TRUE(SameRect(PlaceOnMonitors(half, kPrimaryAndRight, kRightWork), half));
    const RECT lessThanHalf = {1700, 669, 2100, 869};
    EXPECT_TRUE(MostlyOffMonitors(lessThanHalf, kPrimaryAndRight));
    EXPECT_TRUE(SameRect(PlaceOnMonitors(lessThanHalf, kPrimaryAndRight, kRightWork), RECT{1700, 568, 2100, 768}));
    // Across both monitors, the parts add up: 300 of 600 columns on the
    // primary, and 300 x 100 more on the right one.
    const RECT across = {980, 668, 1580, 868};
    EXPECT_EQ(300 * 200 + 300 * 100, AreaOnMonitors(across, kPrimaryAndRight));
    EXPECT_FALSE(MostlyOffMonitors(across, kPrimaryAndRight));
}

TEST(PlaceOnMonitors, WindowsOnAMonitorLeftOfOrAboveThePrimaryStay) {
    const std::vector<RECT> leftAndPrimary = {RECT{-1024, 0, 0, 768}, RECT{0, 0, 1280, 1024}};
    const RECT leftWork = {-1024, 0, 0, 768};
    const RECT onLeft = {-900, 100, -500, 400};
    EXPECT_TRUE(SameRect(PlaceOnMonitors(onLeft, leftAndPrimary, leftWork), onLeft));
    // Below the left monitor, in the bounding rectangle's dead corner.
    EXPECT_TRUE(SameRect(PlaceOnMonitors(RECT{-900, 800, -500, 1000}, leftAndPrimary, leftWork),
                         RECT{-900, 568, -500, 768}));

    const std::vector<RECT> aboveAndPrimary = {RECT{0, -768, 1024, 0}, RECT{0, 0, 1280, 1024}};
    const RECT aboveWork = {0, -768, 1024, -40};
    const RECT onAbove = {100, -500, 500, -200};
    EXPECT_TRUE(SameRect(PlaceOnMonitors(onAbove, aboveAndPrimary, aboveWork), onAbove));
    // Right of the monitor above, the corner no monitor shows.
    EXPECT_TRUE(SameRect(PlaceOnMonitors(RECT{1100, -500, 1500, -200}, aboveAndPrimary, aboveWork),
                         RECT{624, -500, 1024, -200}));
}

TEST(PlaceOnMonitors, APlaceFromARemovedMonitorEndsOnAWorkArea) {
    // A third monitor below the right one has gone: the desktop rule pulls the
    // window up to the bottom edge, where only 44 of its rows are shown.
    const RECT stored = {1400, 1100, 1800, 1400};
    const RECT pulledUp = MoveOntoDesktop(stored, DesktopRect{0, 0, 2304, 1024});
    ASSERT_TRUE(SameRect(pulledUp, RECT{1400, 724, 1800, 1024}));
    EXPECT_TRUE(SameRect(PlaceOnMonitors(pulledUp, kPrimaryAndRight, kRightWork), RECT{1400, 468, 1800, 768}));
    // With the right monitor gone too, the desktop rule alone puts it on the primary.
    const std::vector<RECT> primaryOnly = {RECT{0, 0, 1280, 1024}};
    const RECT onPrimary = MoveOntoDesktop(RECT{3000, 500, 3400, 800}, DesktopRect{0, 0, 1280, 1024});
    EXPECT_TRUE(SameRect(PlaceOnMonitors(onPrimary, primaryOnly, RECT{0, 0, 1280, 994}), onPrimary));
}

TEST(PlaceOnMonitors, ASideLongerThanTheWorkAreaIsCutToIt) {
    const RECT work = {1280, 0, 2304, 738};
    // 1200 x 700: too wide, not too tall.
    EXPECT_TRUE(SameRect(MoveIntoWorkArea(RECT{1500, 800, 2700, 1500}, work), RECT{1280, 38, 2304, 738}));
    // Exactly as large as the work area: kept.
    EXPECT_TRUE(SameRect(MoveIntoWorkArea(RECT{1300, 10, 2324, 748}, work), work));
}

TEST(PlaceOnMonitors, OverlappingMonitorsCountTheirCommonPartOnce) {
    // The same picture on two monitors: a window half on it is half shown, not wholly.
    const std::vector<RECT> mirrored = {RECT{0, 0, 1280, 1024}, RECT{0, 0, 1280, 1024}};
    EXPECT_EQ(200 * 300, AreaOnMonitors(RECT{1080, 100, 1480, 400}, mirrored));
    EXPECT_TRUE(MostlyOffMonitors(RECT{1081, 100, 1481, 400}, mirrored));
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
