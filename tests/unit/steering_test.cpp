// The steering arithmetic of the panning library: dead zone, direction cursor,
// step and scroll-bar limits, without any window.
#include <gtest/gtest.h>

#include <limits.h>

#include "steerpad/Steering.h"
#include "steerpad/SteerpadResource.h"

namespace {

using namespace steering;

// A session at (200, 100) with the 28 x 28 mark, as the library sets it up.
struct Aim {
    bool horizontal = true;
    bool vertical = true;
    int originX = 200;
    int originY = 100;
    DeadZone zone = DeadZoneAround(200, 100, 28, 28);

    // The offsets, cursor and step for a mouse position, as on one tick.
    struct Result {
        int offsetX;
        int offsetY;
        WORD cursor;
        int stepX;
        int stepY;
    };
    Result At(int x, int y) const {
        Result r;
        r.offsetX = AxisOffset(horizontal, x, originX, zone.left, zone.right);
        r.offsetY = AxisOffset(vertical, y, originY, zone.top, zone.bottom);
        r.cursor = DirectionCursorId(CursorTableFor(horizontal, vertical), r.offsetX, r.offsetY);
        r.stepX = StepFor(r.offsetX);
        r.stepY = StepFor(r.offsetY);
        return r;
    }
};

TEST(Steering, DeadZoneIsTheMarkAroundTheOrigin) {
    DeadZone zone = DeadZoneAround(200, 100, 28, 28);
    EXPECT_EQ(186, zone.left);
    EXPECT_EQ(86, zone.top);
    EXPECT_EQ(214, zone.right);
    EXPECT_EQ(114, zone.bottom);
    // Odd sizes: integer halves, truncated.
    DeadZone odd = DeadZoneAround(10, 10, 5, 3);
    EXPECT_EQ(8, odd.left);
    EXPECT_EQ(9, odd.top);
    EXPECT_EQ(12, odd.right);
    EXPECT_EQ(11, odd.bottom);
}

TEST(Steering, RightAndALittleDownSteersRightOnly) {
    Aim aim;
    Aim::Result r = aim.At(220, 105);
    EXPECT_EQ(IDC_PAN_EAST, r.cursor);
    EXPECT_EQ(139, r.cursor);
    EXPECT_EQ(20, r.offsetX);
    EXPECT_EQ(0, r.offsetY);
    EXPECT_EQ(1, r.stepX);
    EXPECT_EQ(0, r.stepY);
}

TEST(Steering, UpAndLeftSteersTheSameWhileTheMouseRests) {
    Aim aim;
    for (int tick = 0; tick < 3; ++tick) {
        Aim::Result r = aim.At(160, 60);
        EXPECT_EQ(135, r.cursor);
        EXPECT_EQ(-2, r.stepX);
        EXPECT_EQ(-2, r.stepY);
    }
}

TEST(Steering, AxisCountsInFullOnlyOutsideTheMark) {
    Aim aim;
    // 13 pixels away is inside the band; 14 is on its edge and counts in full.
    EXPECT_EQ(0, aim.At(213, 100).offsetX);
    EXPECT_EQ(14, aim.At(214, 100).offsetX);
    EXPECT_EQ(0, aim.At(187, 100).offsetX);
    EXPECT_EQ(-14, aim.At(186, 100).offsetX);
    EXPECT_EQ(0, aim.At(200, 113).offsetY);
    EXPECT_EQ(14, aim.At(200, 114).offsetY);
    EXPECT_EQ(-14, aim.At(200, 86).offsetY);
    // 14 and 15 show the direction but do not move yet; 16 moves a pixel.
    EXPECT_EQ(139, aim.At(214, 100).cursor);
    EXPECT_EQ(0, aim.At(215, 100).stepX);
    EXPECT_EQ(1, aim.At(216, 100).stepX);
}

TEST(Steering, BackInsideTheMarkRestsWithTheCentreCursor) {
    Aim both;
    Aim::Result r = both.At(213, 87);
    EXPECT_EQ(131, r.cursor);
    EXPECT_EQ(0, r.stepX);
    EXPECT_EQ(0, r.stepY);

    Aim horizontalOnly;
    horizontalOnly.vertical = false;
    EXPECT_EQ(132, horizontalOnly.At(190, 300).cursor);
    Aim verticalOnly;
    verticalOnly.horizontal = false;
    EXPECT_EQ(133, verticalOnly.At(500, 110).cursor);
}

TEST(Steering, VerticalOnlyIgnoresEveryHorizontalMove) {
    Aim aim;
    aim.horizontal = false;
    for (int x = -200; x <= 600; x += 37) {
        for (int y = 0; y <= 200; y += 9) {
            Aim::Result r = aim.At(x, y);
            EXPECT_EQ(0, r.stepX) << x << "," << y;
            EXPECT_TRUE(r.cursor == 134 || r.cursor == 133 || r.cursor == 137) << x << "," << y << ": " << r.cursor;
        }
    }
    EXPECT_EQ(134, aim.At(900, 60).cursor);
    EXPECT_EQ(137, aim.At(-900, 140).cursor);
}

TEST(Steering, EveryDirectionHasItsCursor) {
    Aim aim;
    EXPECT_EQ(129, aim.At(150, 100).cursor);  // W
    EXPECT_EQ(130, aim.At(250, 50).cursor);   // NE
    EXPECT_EQ(134, aim.At(200, 50).cursor);   // N
    EXPECT_EQ(135, aim.At(150, 50).cursor);   // NW
    EXPECT_EQ(136, aim.At(250, 150).cursor);  // SE
    EXPECT_EQ(137, aim.At(200, 150).cursor);  // S
    EXPECT_EQ(138, aim.At(150, 150).cursor);  // SW
    EXPECT_EQ(139, aim.At(250, 100).cursor);  // E
}

TEST(Steering, StepIsTruncatedTowardZero) {
    EXPECT_EQ(1, StepFor(31));
    EXPECT_EQ(-1, StepFor(-31));
    EXPECT_EQ(0, StepFor(15));
    EXPECT_EQ(0, StepFor(-15));
    EXPECT_EQ(1, StepFor(16));
    EXPECT_EQ(-1, StepFor(-16));
    EXPECT_EQ(2, StepFor(32));
    EXPECT_EQ(-2, StepFor(-47));
    EXPECT_EQ(0, StepFor(0));
}

TEST(Steering, MarkFollowsTheAllowedDirections) {
    EXPECT_EQ(0, MarkBitmapFor(false, false));
    EXPECT_EQ(140, MarkBitmapFor(false, true));
    EXPECT_EQ(141, MarkBitmapFor(true, false));
    EXPECT_EQ(142, MarkBitmapFor(true, true));
    // Neither direction: the vertical table, so the cursor rests on 133.
    EXPECT_EQ(133, DirectionCursorId(CursorTableFor(false, false), 0, 0));
}

TEST(Steering, ScrollPositionsStayWithinTheBar) {
    // Range 0..1000 with a page of 100: the last position shows the last page.
    EXPECT_EQ(901, LargestScrollPosition(1000, true, 100));
    EXPECT_EQ(1000, LargestScrollPosition(1000, true, 0));
    EXPECT_EQ(1000, LargestScrollPosition(1000, false, 100));
    EXPECT_EQ(-49, LargestScrollPosition(50, true, 100));

    EXPECT_EQ(901, NextScrollPosition(900, 2, 901));
    EXPECT_EQ(899, NextScrollPosition(897, 2, 901));
    EXPECT_EQ(0, NextScrollPosition(1, -2, 901));
    EXPECT_EQ(0, NextScrollPosition(0, 3, -49));
    EXPECT_EQ(5, NextScrollPosition(5, 0, 901));
    EXPECT_EQ(0, NextScrollPosition(0, -100, 901));
    // No wrap-around at the ends of int.
    EXPECT_EQ(INT_MAX, NextScrollPosition(INT_MAX, 5, INT_MAX));
    EXPECT_EQ(INT_MIN, LargestScrollPosition(INT_MIN, true, 4000000000u));
}

}  // namespace
