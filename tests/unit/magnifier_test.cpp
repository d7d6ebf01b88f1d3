// The magnifier's rules without a window: the zoom point's limits, following,
// the drag modes, the selection and Zoom To.
#include <gtest/gtest.h>

#include "support/RectSupport.h"
#include "view/Magnifier.h"

namespace {

const DesktopRect kDesktop = {0, 0, 1024, 768};
// A view 400 x 300 below a 30-pixel band, at zoom 4: 101 x 76 screen pixels.
const RECT kView = {0, 30, 400, 330};

Magnifier Fitted(int zoom = 4) {
    Magnifier magnifier;
    magnifier.Fit(kView.right - kView.left, kView.bottom - kView.top, zoom, kDesktop);
    return magnifier;
}

TEST(Magnifier, MovesStopAtTheDesktopsEdges) {
    Magnifier m = Fitted();
    const ViewGeometry& g = m.Geometry();
    ASSERT_EQ(101, g.sourceWidth);
    ASSERT_EQ(50, g.halfWidth);
    m.SetZoomPoint(POINT{g.lowest.x + 1, g.highest.y - 1});
    EXPECT_TRUE(m.MoveBy(-1, 1));  // onto both limits
    EXPECT_EQ(g.lowest.x, m.ZoomPoint().x);
    EXPECT_EQ(g.highest.y, m.ZoomPoint().y);
    EXPECT_FALSE(m.MoveBy(-1, 1));  // one past: nothing changes
    EXPECT_FALSE(m.MoveBy(0, 0));
    EXPECT_TRUE(test::SameRect(m.SourceRect(), RECT{0, 691, 101, 767}));
}

TEST(Magnifier, AnUnclampedPointSnapsIntoTheLimitsOnItsFirstMove) {
    Magnifier m = Fitted();
    m.SetZoomPoint(POINT{-500, 5000});
    // Only the axis that moves is limited.
    EXPECT_TRUE(m.MoveBy(1, 0));
    EXPECT_EQ(m.Geometry().lowest.x, m.ZoomPoint().x);
    EXPECT_EQ(5000, m.ZoomPoint().y);
    // The picture is always shown from the clamped point.
    EXPECT_EQ(767, m.SourceRect().bottom);
}

TEST(Magnifier, PagesMoveOneSourceWidthLessOnePixel) {
    Magnifier m = Fitted();
    POINT offset = {0, 0};
    ASSERT_TRUE(m.KeyStep(VK_NEXT, false, 1, 16, &offset));
    EXPECT_EQ(0, offset.x);
    EXPECT_EQ(100, offset.y);
    ASSERT_TRUE(m.KeyStep(VK_PRIOR, true, 1, 16, &offset));
    EXPECT_EQ(-100, offset.x);
    EXPECT_FALSE(m.KeyStep('A', false, 1, 16, &offset));
}

TEST(Magnifier, FollowingStopsWhileASelectionHoldsThePicture) {
    Magnifier m = Fitted();
    EXPECT_TRUE(m.Follow(POINT{300, 200}));
    EXPECT_FALSE(m.Follow(POINT{300, 200}));
    m.BeginSelection(POINT{10, 40}, kView);
    EXPECT_FALSE(m.Follow(POINT{301, 200}));
    m.DragSelectionTo(POINT{30, 60}, kView);
    ASSERT_TRUE(m.FinishSelection(kView, 4));
    EXPECT_FALSE(m.Follow(POINT{301, 200}));
    EXPECT_EQ(DragMode::SelectionShown, m.CancelSelection());
    EXPECT_TRUE(m.Follow(POINT{301, 200}));
}

TEST(Magnifier, PickingMovesTheZoomPointAndItsFrame) {
    Magnifier m = Fitted();
    m.BeginPicking(POINT{500, 400});
    EXPECT_TRUE(m.Picking());
    EXPECT_TRUE(test::SameRect(m.ZoomFrame(), RECT{449, 361, 551, 438}));
    // The hint sits three pixels above the frame's top row.
    EXPECT_EQ(400 - 38 - 3, m.PickingTipPoint().y);
    m.PickAt(POINT{501, 400});
    EXPECT_EQ(450, m.ZoomFrame().left);
    // A selection cancel leaves picking alone; ending it twice ends it once.
    EXPECT_EQ(DragMode::None, m.CancelSelection());
    EXPECT_TRUE(m.EndPicking());
    EXPECT_FALSE(m.EndPicking());
    EXPECT_EQ(DragMode::None, m.Drag());
}

TEST(Magnifier, ASelectionIsShownFromOneMagnifiedPixelOn) {
    Magnifier m = Fitted();
    m.BeginSelection(POINT{4, 34}, kView);
    EXPECT_TRUE(m.Selecting());
    m.DragSelectionTo(POINT{7, 37}, kView);  // three view pixels: less than one magnified pixel
    EXPECT_FALSE(m.FinishSelection(kView, 4));
    EXPECT_EQ(DragMode::None, m.Drag());

    m.BeginSelection(POINT{4, 34}, kView);
    m.DragSelectionTo(POINT{8, 38}, kView);
    EXPECT_TRUE(m.FinishSelection(kView, 4));
    EXPECT_TRUE(test::SameRect(m.SelectionRect(kView, 4), RECT{4, 34, 8, 38}));
}

TEST(Magnifier, TheSelectionStaysInTheViewAndOutlivesItsCancel) {
    Magnifier m = Fitted();
    m.BeginSelection(POINT{-20, 10}, kView);  // brought onto the view's edge
    EXPECT_EQ(0, m.Anchor().x);
    EXPECT_EQ(30, m.Anchor().y);
    m.DragSelectionTo(POINT{401, 331}, kView);
    EXPECT_EQ(400, m.End().x);
    EXPECT_EQ(330, m.End().y);
    EXPECT_EQ(DragMode::Selecting, m.CancelSelection());
    EXPECT_EQ(DragMode::None, m.CancelSelection());
    EXPECT_TRUE(test::SameRect(m.SelectionRect(kView, 4), RECT{0, 30, 400, 330}));
    EXPECT_EQ(-5, m.SelectionTipPoint(4).x);
    EXPECT_EQ(23, m.SelectionTipPoint(4).y);
}

TEST(Magnifier, ZoomToFitsTheSelectionAndCentresIt) {
    Magnifier m = Fitted(3);
    m.SetZoomPoint(POINT{500, 400});
    // Half as wide and a third as tall as the view: zoom 3 becomes 6.
    m.BeginSelection(POINT{0, 30}, kView);
    m.DragSelectionTo(POINT{200, 130}, kView);
    ASSERT_TRUE(m.FinishSelection(kView, 3));
    int zoom = 0;
    ASSERT_TRUE(m.ZoomToSelection(kView, 3, &zoom));
    EXPECT_EQ(6, zoom);
    // Measured from the zoom frame's corner, one pixel up and left of the
    // source at (500 - 67, 400 - 50); the selection is 66 x 33 screen pixels.
    EXPECT_EQ(432 + 66 / 2, m.ZoomPoint().x);
    EXPECT_EQ(349 + 33 / 2, m.ZoomPoint().y);

    // An empty selection changes nothing.
    m.BeginSelection(POINT{10, 40}, kView);
    m.DragSelectionTo(POINT{11, 40}, kView);
    zoom = 0;
    EXPECT_FALSE(m.ZoomToSelection(kView, 3, &zoom));
    EXPECT_EQ(0, zoom);
}

TEST(Magnifier, WithoutGeometryNothingCanBeShown) {
    Magnifier m;
    EXPECT_FALSE(m.HasGeometry());
    m = Fitted();
    EXPECT_TRUE(m.HasGeometry());
    m.Forget();
    EXPECT_FALSE(m.HasGeometry());
}

}  // namespace
