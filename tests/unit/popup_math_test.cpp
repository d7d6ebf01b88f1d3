// Where the help popup goes beside its anchor, inside the monitor's work area.
#include <gtest/gtest.h>

#include "support/RectSupport.h"
#include "view/PopupMath.h"

namespace {

using test::SameRect;

const SIZE kPopup = {100, 50};
const RECT kWorkArea = {0, 0, 800, 600};

// A control 100 x 20 with its top edge at y; the popup centred under it, two pixels down.
RECT ControlAt(int y) {
    return RECT{350, y, 450, y + 20};
}

TEST(HelpPopupPlace, BelowWhileItFitsThereAboveFromThePixelItWouldCross) {
    // 528 + 20 + 2 + 50 = 600: the last row below is the work area's last.
    EXPECT_TRUE(SameRect(HelpPopupRect(kPopup, ControlAt(528), kWorkArea), RECT{350, 550, 450, 600}));
    EXPECT_TRUE(SameRect(HelpPopupRect(kPopup, ControlAt(529), kWorkArea), RECT{350, 477, 450, 527}));
}

TEST(HelpPopupPlace, WithoutRoomAboveEitherItStaysBelowAndIsPulledUp) {
    const RECT low = {0, 0, 800, 120};
    // Above would start at -1: kept below, its bottom on the work area's.
    EXPECT_TRUE(SameRect(HelpPopupRect(kPopup, ControlAt(51), low), RECT{350, 70, 450, 120}));
    EXPECT_TRUE(SameRect(HelpPopupRect(kPopup, ControlAt(52), low), RECT{350, 0, 450, 50}));
}

TEST(HelpPopupPlace, KeptInsideTheLeftAndRightEdges) {
    // A 20-pixel anchor at x puts the popup's left edge at x - 40.
    auto at = [](int x) { return HelpPopupRect(kPopup, RECT{x, 100, x + 20, 120}, kWorkArea); };
    EXPECT_TRUE(SameRect(at(39), RECT{0, 122, 100, 172}));
    EXPECT_TRUE(SameRect(at(40), RECT{0, 122, 100, 172}));
    EXPECT_TRUE(SameRect(at(41), RECT{1, 122, 101, 172}));
    EXPECT_TRUE(SameRect(at(740), RECT{700, 122, 800, 172}));
    EXPECT_TRUE(SameRect(at(741), RECT{700, 122, 800, 172}));
}

TEST(HelpPopupPlace, WiderThanTheWorkAreaItKeepsItsLeftEdgeOnIt) {
    const SIZE wide = {800, 50};
    const RECT anchor = {700, 100, 720, 120};
    EXPECT_TRUE(SameRect(HelpPopupRect(wide, anchor, RECT{0, 0, 800, 600}), RECT{0, 122, 800, 172}));
    EXPECT_TRUE(SameRect(HelpPopupRect(wide, anchor, RECT{0, 0, 799, 600}), RECT{0, 122, 800, 172}));
}

}  // namespace
