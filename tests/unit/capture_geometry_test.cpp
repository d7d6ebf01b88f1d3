// Which screen pixels a copy takes, and its picture's size, at the edges of
// what there is to copy.
#include <gtest/gtest.h>

#include "support/RectSupport.h"
#include "view/CaptureGeometry.h"

namespace {

using test::SameRect;

// A 203 x 150 view below a 30-pixel band at zoom 4, showing the screen from (100, 80).
const RECT kView = {0, 30, 203, 180};
const RECT kSource = {100, 80, 151, 118};
constexpr int kZoom = 4;

CaptureArea Selected(const RECT& selection, bool zoomed) {
    return ComputeCaptureArea(kSource, kView, selection, kZoom, zoomed, true);
}

TEST(CaptureArea, ASelectionHasPixelsFromOneWholeMagnifiedPixelOn) {
    for (bool zoomed : {false, true}) {
        EXPECT_FALSE(HasPixels(Selected(RECT{8, 30, 11, 34}, zoomed))) << "zoomed " << zoomed;
        EXPECT_FALSE(HasPixels(Selected(RECT{8, 30, 12, 33}, zoomed))) << "zoomed " << zoomed;
    }
    const CaptureArea one = Selected(RECT{8, 30, 12, 34}, false);
    EXPECT_TRUE(HasPixels(one));
    EXPECT_TRUE(SameRect(one.source, RECT{102, 80, 103, 81}));
    EXPECT_EQ(1, one.destination.cx);
    const CaptureArea zoomed = Selected(RECT{8, 30, 12, 34}, true);
    EXPECT_TRUE(SameRect(zoomed.source, RECT{102, 80, 103, 81}));
    EXPECT_EQ(4, zoomed.destination.cx);
    EXPECT_EQ(4, zoomed.destination.cy);
}

TEST(CaptureArea, ASelectionStartsAtTheScreenPixelItsLeftEdgeLiesIn) {
    EXPECT_EQ(100, Selected(RECT{3, 33, 11, 41}, false).source.left);
    EXPECT_EQ(101, Selected(RECT{4, 34, 12, 42}, false).source.left);
    EXPECT_EQ(80, Selected(RECT{3, 33, 11, 41}, false).source.top);
    EXPECT_EQ(81, Selected(RECT{4, 34, 12, 42}, false).source.top);
}

TEST(CaptureArea, TheWholeViewIsTheSourceAtScreenSizeOrSqueezedIntoTheView) {
    const RECT none = {0, 0, 0, 0};
    const CaptureArea plain = ComputeCaptureArea(kSource, kView, none, kZoom, false, false);
    EXPECT_TRUE(SameRect(plain.source, kSource));
    EXPECT_EQ(51, plain.destination.cx);
    EXPECT_EQ(38, plain.destination.cy);
    const CaptureArea zoomed = ComputeCaptureArea(kSource, kView, none, kZoom, true, false);
    EXPECT_TRUE(SameRect(zoomed.source, kSource));
    EXPECT_EQ(203, zoomed.destination.cx);
    EXPECT_EQ(150, zoomed.destination.cy);
    // A view squeezed to nothing has nothing to copy; one pixel of it has.
    EXPECT_FALSE(HasPixels(ComputeCaptureArea(RECT{100, 80, 101, 81}, RECT{0, 30, 0, 31}, none, kZoom, true, false)));
    EXPECT_TRUE(HasPixels(ComputeCaptureArea(RECT{100, 80, 101, 81}, RECT{0, 30, 1, 31}, none, kZoom, true, false)));
}

}  // namespace
