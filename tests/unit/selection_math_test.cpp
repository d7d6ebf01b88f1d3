// Snapping a right-button drag to magnified pixels, and fitting it into the view.
#include <gtest/gtest.h>

#include "support/RectSupport.h"
#include "view/SelectionMath.h"

namespace {

POINT P(int x, int y) {
    POINT p = {x, y};
    return p;
}

RECT R(int left, int top, int right, int bottom) {
    RECT r = {left, top, right, bottom};
    return r;
}

// The view below a 30-pixel toolbar band, as the main window lays it out.
const POINT kViewOrigin = {0, 30};

TEST(SelectionSnap, EdgesMoveDownToMagnifiedPixelBoundaries) {
    RECT r = SnapSelection(P(5, 33), P(22, 49), kViewOrigin, 4);
    EXPECT_TRUE(test::SameRect(r, R(4, 30, 20, 46)));
    SIZE size = SelectionScreenSize(r, 4);
    EXPECT_EQ(4, size.cx);
    EXPECT_EQ(4, size.cy);

    // 50 is the first row of the next magnified pixel down.
    r = SnapSelection(P(5, 33), P(22, 50), kViewOrigin, 4);
    EXPECT_TRUE(test::SameRect(r, R(4, 30, 20, 50)));
    size = SelectionScreenSize(r, 4);
    EXPECT_EQ(4, size.cx);
    EXPECT_EQ(5, size.cy);
}

TEST(SelectionSnap, DirectionOfTheDragDoesNotMatter) {
    RECT forward = SnapSelection(P(5, 33), P(22, 49), kViewOrigin, 4);
    RECT backward = SnapSelection(P(22, 49), P(5, 33), kViewOrigin, 4);
    RECT crossed = SnapSelection(P(22, 33), P(5, 49), kViewOrigin, 4);
    EXPECT_TRUE(test::SameRect(backward, forward));
    EXPECT_TRUE(test::SameRect(crossed, forward));
}

TEST(SelectionSnap, EmptinessAtZoomOne) {
    EXPECT_TRUE(IsEmptySelection(SnapSelection(P(10, 40), P(30, 40), kViewOrigin, 1)));
    EXPECT_TRUE(IsEmptySelection(SnapSelection(P(10, 40), P(10, 60), kViewOrigin, 1)));
    RECT onePixel = SnapSelection(P(10, 40), P(11, 41), kViewOrigin, 1);
    EXPECT_FALSE(IsEmptySelection(onePixel));
    EXPECT_TRUE(test::SameRect(onePixel, R(10, 40, 11, 41)));
}

TEST(SelectionSnap, LessThanOneMagnifiedPixelIsEmpty) {
    EXPECT_TRUE(IsEmptySelection(SnapSelection(P(4, 34), P(7, 37), kViewOrigin, 4)));
    RECT smallest = SnapSelection(P(4, 34), P(8, 38), kViewOrigin, 4);
    EXPECT_FALSE(IsEmptySelection(smallest));
    SIZE size = SelectionScreenSize(smallest, 4);
    EXPECT_EQ(1, size.cx);
    EXPECT_EQ(1, size.cy);
}

TEST(SelectionSnap, PointsBeforeTheViewSnapDownwards) {
    // A point above the view's top still lands on the boundary of the pixel it is in.
    RECT r = SnapSelection(P(5, 29), P(9, 35), kViewOrigin, 4);
    EXPECT_EQ(26, r.top);
    EXPECT_EQ(34, r.bottom);
}

TEST(SelectionLimit, BothEndsOfTheViewAreIncluded) {
    RECT view = R(0, 30, 200, 130);
    POINT p = LimitToRect(P(-40, 500), view);
    EXPECT_EQ(0, p.x);
    EXPECT_EQ(130, p.y);
    p = LimitToRect(P(200, 30), view);
    EXPECT_EQ(200, p.x);
    EXPECT_EQ(30, p.y);
    p = LimitToRect(P(201, 29), view);
    EXPECT_EQ(200, p.x);
    EXPECT_EQ(30, p.y);
}

TEST(SelectionLimit, AnInvertedViewEndsAtItsUpperEnd) {
    // A view squeezed to a negative height: the lower limit applies first.
    POINT p = LimitToRect(P(5, 10), R(0, 30, 100, 20));
    EXPECT_EQ(20, p.y);
}

TEST(SelectionScreen, MapsThroughTheSourceOrigin) {
    RECT selection = R(4, 30, 20, 50);
    RECT screen = SelectionToScreen(selection, kViewOrigin, P(100, 200), 4);
    EXPECT_TRUE(test::SameRect(screen, R(101, 200, 105, 205)));
    screen = SelectionToScreen(R(6, 39, 9, 42), kViewOrigin, P(-50, -10), 3);
    EXPECT_TRUE(test::SameRect(screen, R(-48, -7, -47, -6)));
}

TEST(SelectionTip, SitsUpAndLeftOfTheAnchorsMagnifiedPixel) {
    POINT tip = SelectionTipPoint(P(5, 33), 4);
    EXPECT_EQ(-1, tip.x);
    EXPECT_EQ(27, tip.y);
    tip = SelectionTipPoint(P(17, 40), 1);
    EXPECT_EQ(12, tip.x);
    EXPECT_EQ(35, tip.y);
}

TEST(ZoomToSelection, FactorComesFromTheTighterDirection) {
    RECT view = R(0, 30, 360, 300);  // 360 x 270
    // Half as wide and a third as tall: the width allows only twice the zoom.
    RECT selection = R(0, 30, 180, 120);
    EXPECT_EQ(2, ZoomToSelectionFactor(selection, view));
    EXPECT_EQ(3, ZoomToSelectionFactor(R(0, 30, 120, 120), view));
    EXPECT_EQ(1, ZoomToSelectionFactor(R(0, 30, 181, 120), view));
    // The whole view never zooms out, nor does an empty selection.
    EXPECT_EQ(1, ZoomToSelectionFactor(view, view));
    EXPECT_EQ(1, ZoomToSelectionFactor(R(10, 40, 10, 90), view));
    // A selection larger than a squeezed view still keeps the zoom factor.
    EXPECT_EQ(1, ZoomToSelectionFactor(R(0, 30, 90, 60), R(0, 30, 60, 50)));
}

TEST(ZoomToSelection, PointCentresTheSelectedScreenArea) {
    RECT view = R(0, 30, 360, 300);
    // At zoom 3, view pixels 30..90 across and 60..120 down are screen columns
    // 10..29 and rows 10..29 past the source origin; the frame sits one pixel
    // before the source origin.
    RECT selection = R(30, 60, 90, 120);
    POINT point = ZoomToSelectionPoint(selection, view, P(99, 199), 3);
    EXPECT_EQ(99 + 10 + 10, point.x);
    EXPECT_EQ(199 + 10 + 10, point.y);
    // Odd sizes truncate the half.
    point = ZoomToSelectionPoint(R(0, 30, 9, 45), view, P(0, 0), 3);
    EXPECT_EQ(1, point.x);
    EXPECT_EQ(2, point.y);
}

TEST(SelectionMath, ZoomBelowOneIsTreatedAsOne) {
    RECT r = SnapSelection(P(3, 35), P(9, 38), kViewOrigin, 0);
    EXPECT_TRUE(test::SameRect(r, R(3, 35, 9, 38)));
    SIZE size = SelectionScreenSize(r, 0);
    EXPECT_EQ(6, size.cx);
}

}  // namespace
