// The arithmetic of the view: which screen rectangle is shown, where each screen
// pixel lands, where the grid and the cursor image go.
#include <gtest/gtest.h>

#include "common/Clamp.h"
#include "view/ViewGeometry.h"

namespace {

const DesktopRect kPrimary = {0, 0, 1280, 1024};

TEST(ViewGeometry, AtZoomOneTheSourceIsOnePixelLargerThanTheView) {
    ViewGeometry geometry = ComputeViewGeometry(200, 150, 1, kPrimary);
    EXPECT_EQ(geometry.sourceWidth, 201);
    EXPECT_EQ(geometry.sourceHeight, 151);
    EXPECT_EQ(geometry.halfWidth, 100);
    EXPECT_EQ(geometry.halfHeight, 75);
    SIZE magnified = MagnifiedSize(geometry.sourceWidth, geometry.sourceHeight, 1);
    EXPECT_EQ(magnified.cx, 201);
    EXPECT_EQ(magnified.cy, 151);
}

TEST(ViewGeometry, ViewTenWideAtZoomFourCopiesThreePixelsIntoTwelve) {
    ViewGeometry geometry = ComputeViewGeometry(10, 7, 4, kPrimary);
    EXPECT_EQ(geometry.sourceWidth, 3);
    EXPECT_EQ(geometry.sourceHeight, 2);
    EXPECT_EQ(geometry.halfWidth, 1);
    SIZE magnified = MagnifiedSize(geometry.sourceWidth, geometry.sourceHeight, 4);
    EXPECT_EQ(magnified.cx, 12);
    EXPECT_EQ(magnified.cy, 8);
}

TEST(ViewGeometry, LimitsKeepTheSourceOnThePrimaryScreen) {
    ViewGeometry geometry = ComputeViewGeometry(400, 300, 4, kPrimary);  // source 101 x 76
    EXPECT_EQ(geometry.lowest.x, 50);
    EXPECT_EQ(geometry.lowest.y, 38);
    EXPECT_EQ(geometry.highest.x, 1280 - 50 - 1);
    EXPECT_EQ(geometry.highest.y, 1024 - 38 - 1);

    POINT farAway = {5000, -5000};
    RECT source = SourceRectAround(ClampZoomPoint(farAway, geometry.lowest, geometry.highest), geometry.sourceWidth,
                                   geometry.sourceHeight, geometry.halfWidth, geometry.halfHeight);
    EXPECT_EQ(source.right, 1280);
    EXPECT_EQ(source.top, 0);
    EXPECT_EQ(source.right - source.left, 101);
    EXPECT_EQ(source.bottom - source.top, 76);
}

TEST(ViewGeometry, NegativeVirtualOriginReachesEveryEdge) {
    // A monitor left of and above the primary one.
    const DesktopRect desktop = {-1280, -200, 2560, 1224};
    ViewGeometry geometry = ComputeViewGeometry(400, 300, 4, desktop);
    EXPECT_EQ(geometry.lowest.x, -1280 + 50);
    EXPECT_EQ(geometry.lowest.y, -200 + 38);
    EXPECT_EQ(geometry.highest.x, 1280 - 50 - 1);
    EXPECT_EQ(geometry.highest.y, 1024 - 38 - 1);

    POINT topLeft = {-1280, -200};
    RECT source = SourceRectAround(ClampZoomPoint(topLeft, geometry.lowest, geometry.highest), geometry.sourceWidth,
                                   geometry.sourceHeight, geometry.halfWidth, geometry.halfHeight);
    EXPECT_EQ(source.left, -1280);
    EXPECT_EQ(source.top, -200);

    POINT bottomRight = {1279, 1023};
    source = SourceRectAround(ClampZoomPoint(bottomRight, geometry.lowest, geometry.highest), geometry.sourceWidth,
                              geometry.sourceHeight, geometry.halfWidth, geometry.halfHeight);
    EXPECT_EQ(source.right, 1280);
    EXPECT_LE(source.bottom, 1024);
    EXPECT_GE(source.bottom, 1023);
}

TEST(ViewGeometry, CrossedLimitsTestTheLowerLimitFirst) {
    // A view wider and taller than the desktop: the lowest point lies beyond the highest.
    const DesktopRect small = {0, 0, 100, 80};
    ViewGeometry geometry = ComputeViewGeometry(300, 200, 1, small);
    EXPECT_EQ(geometry.lowest.x, 150);
    EXPECT_EQ(geometry.highest.x, 100 - 150 - 1);
    EXPECT_GT(geometry.lowest.y, geometry.highest.y);

    // Below the lower limit: the lower limit. Otherwise above the upper one: the upper one.
    EXPECT_EQ(Clamp(50, 150, -51), 150);
    EXPECT_EQ(Clamp(-500, 150, -51), 150);
    EXPECT_EQ(Clamp(150, 150, -51), -51);
    EXPECT_EQ(Clamp(1000, 150, -51), -51);

    POINT inside = {40, 30};
    POINT clamped = ClampZoomPoint(inside, geometry.lowest, geometry.highest);
    EXPECT_EQ(clamped.x, 150);
    EXPECT_EQ(clamped.y, geometry.lowest.y);
}

TEST(ViewGeometry, ClampingKeepsPointsInsideTheLimits) {
    POINT lowest = {10, 20};
    POINT highest = {30, 40};
    POINT inside = {15, 40};
    POINT clamped = ClampZoomPoint(inside, lowest, highest);
    EXPECT_EQ(clamped.x, 15);
    EXPECT_EQ(clamped.y, 40);
    POINT outside = {9, 41};
    clamped = ClampZoomPoint(outside, lowest, highest);
    EXPECT_EQ(clamped.x, 10);
    EXPECT_EQ(clamped.y, 40);
}

TEST(ViewGeometry, ZoomFactorsBelowOneAreTreatedAsOne) {
    for (int zoom : {0, -3}) {
        ViewGeometry geometry = ComputeViewGeometry(200, 150, zoom, kPrimary);
        EXPECT_EQ(geometry.sourceWidth, 201) << zoom;
        EXPECT_EQ(geometry.sourceHeight, 151) << zoom;
        SIZE magnified = MagnifiedSize(geometry.sourceWidth, geometry.sourceHeight, zoom);
        EXPECT_EQ(magnified.cx, 201) << zoom;
        RECT source = {100, 100, 301, 251};
        POINT screen = ScreenPixelAt(POINT{7, 9}, source, zoom);
        EXPECT_EQ(screen.x, 107) << zoom;
        EXPECT_EQ(screen.y, 109) << zoom;
    }
    EXPECT_EQ(GridSpacing(0, 1), 0);
    EXPECT_EQ(GridSpacing(-1, 2), 2);
    EXPECT_EQ(GridSpacing(4, 0), 4);
}

TEST(ViewGeometry, ViewPixelsMapToScreenPixelsByWholeBlocks) {
    const RECT source = {-20, 30, -17, 33};
    for (int zoom : {1, 3, 32}) {
        for (int vx = 0; vx < 3 * zoom; ++vx) {
            POINT screen = ScreenPixelAt(POINT{vx, zoom * 2}, source, zoom);
            EXPECT_EQ(screen.x, -20 + vx / zoom) << zoom << " " << vx;
            EXPECT_EQ(screen.y, 32);
            POINT block = BlockOrigin(screen, source, zoom);
            EXPECT_EQ(block.x, vx - vx % zoom);
            EXPECT_EQ(block.y, 2 * zoom);
        }
    }
}

TEST(ViewGeometry, GridLinesSeparateEveryGridSizeScreenPixels) {
    // Zoom 1, grid size 1: a line on every pixel would hide the picture.
    EXPECT_EQ(GridSpacing(1, 1), 0);
    for (int x = 0; x < 20; ++x) EXPECT_FALSE(IsGridLine(x, GridSpacing(1, 1))) << x;

    // Zoom 1, grid size 2: every second column, never column 0.
    const int everySecond = GridSpacing(1, 2);
    EXPECT_FALSE(IsGridLine(0, everySecond));
    for (int x = 1; x < 20; ++x) EXPECT_EQ(IsGridLine(x, everySecond), x % 2 == 0) << x;

    // Zoom 4, grid size 3: the first column of the block of every third screen pixel.
    const int spacing = GridSpacing(4, 3);
    EXPECT_EQ(spacing, 12);
    EXPECT_FALSE(IsGridLine(0, spacing));
    EXPECT_FALSE(IsGridLine(11, spacing));
    EXPECT_TRUE(IsGridLine(12, spacing));
    EXPECT_FALSE(IsGridLine(13, spacing));
    EXPECT_TRUE(IsGridLine(24, spacing));
}

TEST(ViewGeometry, CursorImageSitsInTheMiddleOfTheZoomPointsBlock) {
    // Zoom point at the desktop's top-left corner: the source starts there, and the
    // image's corner is half a block in, not in the middle of the view.
    const DesktopRect desktop = {-1280, -200, 2560, 1224};
    for (int zoom : {1, 4, 7, 32}) {
        ViewGeometry geometry = ComputeViewGeometry(203, 150, zoom, desktop);
        POINT corner = {desktop.left, desktop.top};
        RECT source = SourceRectAround(ClampZoomPoint(corner, geometry.lowest, geometry.highest), geometry.sourceWidth,
                                       geometry.sourceHeight, geometry.halfWidth, geometry.halfHeight);
        EXPECT_EQ(source.left, desktop.left) << zoom;
        POINT origin = CursorImageOrigin(corner, source, zoom);
        EXPECT_EQ(origin.x, zoom / 2) << zoom;
        EXPECT_EQ(origin.y, zoom / 2) << zoom;
    }
    // Away from the edges the image marks the middle of the view.
    ViewGeometry geometry = ComputeViewGeometry(200, 150, 4, kPrimary);  // source 51 x 38
    POINT middle = {640, 512};
    RECT source = SourceRectAround(middle, geometry.sourceWidth, geometry.sourceHeight, geometry.halfWidth,
                                   geometry.halfHeight);
    POINT origin = CursorImageOrigin(middle, source, 4);
    EXPECT_EQ(origin.x, 4 * 25 + 2);
    EXPECT_EQ(origin.y, 4 * 19 + 2);
}

}  // namespace
