// The arithmetic of zoom and tracking, without windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <limits.h>
#include <string.h>

#include <set>
#include <utility>

#include "support/RectSupport.h"
#include "view/PopupMath.h"
#include "view/TrackingMath.h"

namespace {

TEST(TrackingMath, ZoomAndSpeedAreLimited) {
    EXPECT_EQ(ClampZoomFactor(0), 1);
    EXPECT_EQ(ClampZoomFactor(-5), 1);
    EXPECT_EQ(ClampZoomFactor(1), 1);
    EXPECT_EQ(ClampZoomFactor(32), 32);
    EXPECT_EQ(ClampZoomFactor(40), 32);
    EXPECT_EQ(ClampUpdateSpeed(0), 1);
    EXPECT_EQ(ClampUpdateSpeed(INT_MIN), 1);
    EXPECT_EQ(ClampUpdateSpeed(3), 3);
    EXPECT_EQ(ClampUpdateSpeed(5), 4);
    EXPECT_STREQ(UpdateSpeedName(1), "None");
    EXPECT_STREQ(UpdateSpeedName(2), "Slow");
    EXPECT_STREQ(UpdateSpeedName(3), "Medium");
    EXPECT_STREQ(UpdateSpeedName(4), "Fast");
    EXPECT_STREQ(UpdateSpeedName(9), "Fast");
}

TEST(TrackingMath, RefreshIntervalFollowsTheSpeed) {
    EXPECT_EQ(RefreshIntervalMs(1, 1000, 100, 50), 0u);
    EXPECT_EQ(RefreshIntervalMs(2, 1000, 100, 50), 1000u);
    EXPECT_EQ(RefreshIntervalMs(3, 1000, 100, 50), 100u);
    EXPECT_EQ(RefreshIntervalMs(4, 1000, 100, 50), 50u);
    EXPECT_EQ(RefreshIntervalMs(4, 1000, 100, 0), 1u);
    EXPECT_EQ(RefreshIntervalMs(7, 1000, 100, 20), 20u);
}

TEST(TrackingMath, SliderCodes) {
    EXPECT_EQ(SliderValue(5, TB_LINEUP, 0), 4);
    EXPECT_EQ(SliderValue(5, TB_LINEDOWN, 0), 6);
    EXPECT_EQ(SliderValue(5, TB_PAGEUP, 0), 3);
    EXPECT_EQ(SliderValue(5, TB_PAGEDOWN, 0), 7);
    EXPECT_EQ(SliderValue(5, TB_THUMBPOSITION, 17), 17);
    EXPECT_EQ(SliderValue(5, TB_THUMBTRACK, 9), 9);
    EXPECT_EQ(SliderValue(5, TB_TOP, 1), 5);
    EXPECT_EQ(SliderValue(5, TB_BOTTOM, 32), 5);
    EXPECT_EQ(SliderValue(5, TB_ENDTRACK, 30), 5);
}

TEST(TrackingMath, WheelTransparencyStopsAtTheLimits) {
    EXPECT_EQ(WheelTransparency(40, -120), 10);
    EXPECT_EQ(WheelTransparency(41, -120), 11);
    EXPECT_EQ(WheelTransparency(10, -120), 10);
    EXPECT_EQ(WheelTransparency(178, -120), 148);
    EXPECT_EQ(WheelTransparency(178, 120), 208);
    EXPECT_EQ(WheelTransparency(224, 120), 254);
    EXPECT_EQ(WheelTransparency(239, 120), 255);
    EXPECT_EQ(WheelTransparency(255, 120), 255);
    EXPECT_EQ(WheelTransparency(100, 0), 130);
    EXPECT_EQ(WheelTransparency(INT_MIN, -120), 10);
    EXPECT_EQ(WheelTransparency(INT_MAX, 120), 255);
}

TEST(TrackingMath, WheelZoomStepsByOne) {
    EXPECT_EQ(WheelZoom(3, -120), 2);
    EXPECT_EQ(WheelZoom(3, 120), 4);
    EXPECT_EQ(WheelZoom(1, -120), 1);
    EXPECT_EQ(WheelZoom(32, 120), 32);
}

TEST(TrackingMath, MoveAxisTestsTheLowerLimitFirst) {
    EXPECT_EQ(MoveAxis(100, 5, 50, 200), 105);
    EXPECT_EQ(MoveAxis(100, -60, 50, 200), 50);
    EXPECT_EQ(MoveAxis(100, 150, 50, 200), 200);
    // An unclamped point snaps into the limits on the first move.
    EXPECT_EQ(MoveAxis(1000, -1, 50, 200), 200);
    // Limits that cross (view larger than the desktop): the lower one wins.
    EXPECT_EQ(MoveAxis(100, 1, 300, 200), 300);
    EXPECT_EQ(MoveAxis(INT_MAX, INT_MAX, 0, 2000), 2000);
    EXPECT_EQ(MoveAxis(INT_MIN, INT_MIN, -10, 2000), -10);
}

TEST(TrackingMath, KeyOffsets) {
    POINT offset = {99, 99};
    ASSERT_TRUE(KeyOffset(VK_LEFT, false, 1, 16, 40, &offset));
    EXPECT_EQ(offset.x, -1);
    EXPECT_EQ(offset.y, 0);
    ASSERT_TRUE(KeyOffset(VK_RIGHT, true, 1, 16, 40, &offset));
    EXPECT_EQ(offset.x, 16);
    EXPECT_EQ(offset.y, 0);
    ASSERT_TRUE(KeyOffset(VK_UP, false, 3, 16, 40, &offset));
    EXPECT_EQ(offset.x, 0);
    EXPECT_EQ(offset.y, -3);
    ASSERT_TRUE(KeyOffset(VK_DOWN, true, 3, 16, 40, &offset));
    EXPECT_EQ(offset.y, 16);
    // Pages move by the source width less one, vertically or with Ctrl horizontally.
    ASSERT_TRUE(KeyOffset(VK_PRIOR, false, 1, 16, 40, &offset));
    EXPECT_EQ(offset.x, 0);
    EXPECT_EQ(offset.y, -39);
    ASSERT_TRUE(KeyOffset(VK_PRIOR, true, 1, 16, 40, &offset));
    EXPECT_EQ(offset.x, -39);
    EXPECT_EQ(offset.y, 0);
    ASSERT_TRUE(KeyOffset(VK_NEXT, false, 1, 16, 40, &offset));
    EXPECT_EQ(offset.x, 0);
    EXPECT_EQ(offset.y, 39);
    ASSERT_TRUE(KeyOffset(VK_NEXT, true, 1, 16, 40, &offset));
    EXPECT_EQ(offset.x, 39);
    EXPECT_EQ(offset.y, 0);
    offset = POINT{7, 8};
    EXPECT_FALSE(KeyOffset('A', false, 1, 16, 40, &offset));
    EXPECT_FALSE(KeyOffset(VK_HOME, true, 1, 16, 40, &offset));
    EXPECT_EQ(offset.x, 7);
    EXPECT_EQ(offset.y, 8);
}

TEST(TrackingMath, ZoomFrameLiesJustOutsideTheSource) {
    RECT source = {100, 200, 100 + 41, 200 + 21};
    RECT frame = ZoomFrameFromSource(source);
    EXPECT_EQ(frame.left, 99);
    EXPECT_EQ(frame.top, 199);
    EXPECT_EQ(frame.right, 141);
    EXPECT_EQ(frame.bottom, 221);
}

// Counts how often each pixel is covered by the strips.
std::set<std::pair<int, int>> Cover(const FrameStrips& outline, int* overlaps) {
    std::set<std::pair<int, int>> pixels;
    *overlaps = 0;
    for (int i = 0; i < outline.count; ++i) {
        const Strip& s = outline.strips[i];
        EXPECT_GT(s.width, 0);
        EXPECT_GT(s.height, 0);
        for (int y = s.y; y < s.y + s.height; ++y) {
            for (int x = s.x; x < s.x + s.width; ++x) {
                if (!pixels.insert({x, y}).second) ++*overlaps;
            }
        }
    }
    return pixels;
}

TEST(TrackingMath, OutlineStripsCoverEachOutlinePixelOnce) {
    const RECT frames[] = {{10, 20, 15, 24}, {0, 0, 1, 1}, {-5, -3, -5, 7}, {4, 4, 9, 4}, {4, 4, 4, 4}};
    for (const RECT& frame : frames) {
        int overlaps = 0;
        std::set<std::pair<int, int>> covered = Cover(OutlineStrips(frame), &overlaps);
        EXPECT_EQ(overlaps, 0);
        std::set<std::pair<int, int>> expected;
        for (int y = frame.top; y <= frame.bottom; ++y) {
            for (int x = frame.left; x <= frame.right; ++x) {
                if (x == frame.left || x == frame.right || y == frame.top || y == frame.bottom) expected.insert({x, y});
            }
        }
        EXPECT_EQ(covered, expected) << frame.left << "," << frame.top << " " << frame.right << "," << frame.bottom;
    }
    EXPECT_EQ(OutlineStrips(RECT{10, 10, 9, 20}).count, 0);
}

TEST(TrackingMath, TipSize) {
    SIZE tiny = TrackingTipSize(SIZE{3, 5});
    EXPECT_EQ(tiny.cx, 27);
    EXPECT_EQ(tiny.cy, 20);
    SIZE exact = TrackingTipSize(SIZE{100, 18});
    EXPECT_EQ(exact.cy, 20);
    SIZE tall = TrackingTipSize(SIZE{100, 19});
    EXPECT_EQ(tall.cx, 124);
    EXPECT_EQ(tall.cy, 21);
}

// What IsRectEmpty says, without the window library.
bool IsEmpty(const RECT& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

TEST(TrackingMath, MarqueePhaseAndInside) {
    EXPECT_EQ(NextMarqueePhase(0), 2);
    EXPECT_EQ(NextMarqueePhase(2), 4);
    EXPECT_EQ(NextMarqueePhase(4), 6);
    EXPECT_EQ(NextMarqueePhase(6), 0);
    RECT inner = MarqueeInnerRect(10, 6);
    EXPECT_EQ(inner.left, 1);
    EXPECT_EQ(inner.top, 1);
    EXPECT_EQ(inner.right, 9);
    EXPECT_EQ(inner.bottom, 5);
    // Too thin for an inside: the whole rectangle is frame.
    EXPECT_TRUE(IsEmpty(MarqueeInnerRect(1, 1)));
    EXPECT_TRUE(IsEmpty(MarqueeInnerRect(2, 50)));
    EXPECT_TRUE(IsEmpty(MarqueeInnerRect(50, 2)));
    EXPECT_FALSE(IsEmpty(MarqueeInnerRect(3, 3)));
}

// At 150 % and 200 % every amount of the tip grows with the scale, and the
// marquee's line, dashes and steps with the whole factor.
TEST(TrackingMath, ScaledTipAndMarquee) {
    SIZE tiny = TrackingTipSize(SIZE{3, 5}, 192);
    EXPECT_EQ(tiny.cx, 3 + 48);
    EXPECT_EQ(tiny.cy, 40);
    SIZE tall = TrackingTipSize(SIZE{100, 40}, 144);
    EXPECT_EQ(tall.cx, 136);
    EXPECT_EQ(tall.cy, 43);
    EXPECT_EQ(TrackingTipIconSize(96), 16);
    EXPECT_EQ(TrackingTipIconSize(144), 24);
    EXPECT_EQ(TrackingTipIconSize(192), 32);
    EXPECT_EQ(TrackingTipIconMargin(96), 1);
    EXPECT_EQ(TrackingTipIconMargin(192), 2);

    EXPECT_EQ(MarqueeLineWidth(96), 1);
    EXPECT_EQ(MarqueeLineWidth(144), 2);
    EXPECT_EQ(MarqueeLineWidth(192), 2);
    EXPECT_EQ(MarqueeLineWidth(288), 3);
    EXPECT_EQ(MarqueePatternSize(2), 16);
    int phase = 0;
    for (int expected : {4, 8, 12, 0}) EXPECT_EQ(phase = NextMarqueePhase(phase, 2), expected);
    EXPECT_TRUE(test::SameRect(MarqueeInnerRect(10, 6, 2), RECT{2, 2, 8, 4}));
    EXPECT_TRUE(IsEmpty(MarqueeInnerRect(4, 50, 2)));
    EXPECT_FALSE(IsEmpty(MarqueeInnerRect(5, 5, 2)));
}

}  // namespace
