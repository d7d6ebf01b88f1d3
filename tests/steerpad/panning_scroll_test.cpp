// Panning an owner that leaves the moving to the library (answers 0 to every
// step): the library moves the owner's standard scroll bars and scrolls its
// client area.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/SteerpadSupport.h"
#include "support/TestSupport.h"

namespace {

constexpr int kPressX = 200;
constexpr int kPressY = 150;

// Every SetScrollPos the library makes, in order, as (bar, position).
std::vector<std::pair<int, int>> g_scrollCalls;
typedef int(WINAPI* SetScrollPosProc)(HWND, int, int, BOOL);
SetScrollPosProc g_realSetScrollPos = nullptr;

int WINAPI RecordingSetScrollPos(HWND window, int bar, int position, BOOL redraw) {
    g_scrollCalls.push_back(std::make_pair(bar, position));
    return g_realSetScrollPos(window, bar, position, redraw);
}

void SetBar(HWND window, int bar, int maximum, UINT page, int position) {
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = maximum;
    info.nPage = page;
    info.nPos = position;
    SetScrollInfo(window, bar, &info, TRUE);
}

POINT ChildPosition(HWND parent, HWND child) {
    RECT frame;
    GetWindowRect(child, &frame);
    POINT corner = {frame.left, frame.top};
    ScreenToClient(parent, &corner);
    return corner;
}

class PanningScrollTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(nullptr, GetModuleHandleA(test::kPanningLibrary));
        // Held for the whole test, so that the recording import stays in place.
        library = LoadLibraryA(test::kPanningLibrary);
        ASSERT_NE(nullptr, library);
        g_scrollCalls.clear();
        g_realSetScrollPos = reinterpret_cast<SetScrollPosProc>(
            test::ReplaceImport(library, "SetScrollPos", reinterpret_cast<void*>(&RecordingSetScrollPos)));
        ASSERT_NE(nullptr, g_realSetScrollPos);
    }
    void TearDown() override {
        if (library) {
            test::ReplaceImport(library, "SetScrollPos", reinterpret_cast<void*>(g_realSetScrollPos));
            FreeLibrary(library);
        }
        EXPECT_EQ(nullptr, GetModuleHandleA(test::kPanningLibrary));
    }
    HMODULE library = nullptr;
};

TEST_F(PanningScrollTest, ScrollBarsMoveWithinTheirRangeVerticalFirstAndTheViewScrollsWithThem) {
    test::PanningOwner owner(false, WS_HSCROLL | WS_VSCROLL);
    // Range 0..1000 with a page of 100: the largest position is 901.
    SetBar(owner.window(), SB_HORZ, 1000, 100, 3);
    SetBar(owner.window(), SB_VERT, 1000, 100, 897);
    HWND content = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 50, 50, 20, 20, owner.window(), nullptr,
                                   nullptr, nullptr);
    ASSERT_NE(nullptr, content);

    // 40 left and 40 down: steps of -2, +2.
    owner.MoveMouseTo(kPressX - 40, kPressY + 40);
    ASSERT_TRUE(owner.Start(kPressX, kPressY));
    ASSERT_TRUE(owner.WaitForSteps(5));
    for (const POINT& step : owner.steps) {
        EXPECT_EQ(-2, step.x);
        EXPECT_EQ(2, step.y);
    }
    for (LRESULT answer : owner.answers) EXPECT_EQ(0, answer);

    // 3 -> 1 -> 0 across and 897 -> 899 -> 901 down, then both rest at their
    // limits: the vertical bar is set first on each tick.
    std::vector<std::pair<int, int>> expected = {{SB_VERT, 899}, {SB_HORZ, 1}, {SB_VERT, 901}, {SB_HORZ, 0}};
    EXPECT_EQ(expected, g_scrollCalls);
    EXPECT_EQ(0, GetScrollPos(owner.window(), SB_HORZ));
    EXPECT_EQ(901, GetScrollPos(owner.window(), SB_VERT));
    // The content moved by exactly the change of the positions.
    POINT moved = ChildPosition(owner.window(), content);
    EXPECT_EQ(50 + 3, moved.x);
    EXPECT_EQ(50 - 4, moved.y);

    // Once a bar has moved, the release of the middle button ends the session.
    EXPECT_EQ(0, owner.ends);
    PostMessageA(test::FindOriginWindow(), WM_MBUTTONUP, 0, MAKELPARAM(14, 14));
    ASSERT_TRUE(owner.WaitForEnds(1));
    test::PumpMessages(50);
    EXPECT_EQ(1, owner.ends);
    EXPECT_EQ(nullptr, test::FindOriginWindow());
}

TEST_F(PanningScrollTest, WithoutAMoveTheMiddleReleaseKeepsTheSession) {
    test::PanningOwner owner(false, WS_HSCROLL | WS_VSCROLL);
    // A page of 0: the largest position is the range maximum, already reached.
    SetBar(owner.window(), SB_HORZ, 500, 0, 500);
    SetBar(owner.window(), SB_VERT, 500, 0, 0);
    owner.MoveMouseTo(kPressX + 40, kPressY - 40);
    ASSERT_TRUE(owner.Start(kPressX, kPressY));
    ASSERT_TRUE(owner.WaitForSteps(4));
    EXPECT_TRUE(g_scrollCalls.empty());
    EXPECT_EQ(500, GetScrollPos(owner.window(), SB_HORZ));
    EXPECT_EQ(0, GetScrollPos(owner.window(), SB_VERT));

    HWND origin = test::FindOriginWindow();
    PostMessageA(origin, WM_MBUTTONUP, 0, MAKELPARAM(14, 14));
    size_t steps = owner.steps.size();
    ASSERT_TRUE(owner.WaitForSteps(steps + 3));
    EXPECT_EQ(0, owner.ends);
    EXPECT_EQ(origin, test::FindOriginWindow());
    PostMessageA(origin, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    ASSERT_TRUE(owner.WaitForEnds(1));
}

TEST_F(PanningScrollTest, AnOwnerWithoutScrollBarsStaysStill) {
    test::PanningOwner owner(false);
    HWND content = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 50, 50, 20, 20, owner.window(), nullptr,
                                   nullptr, nullptr);
    owner.MoveMouseTo(kPressX + 60, kPressY + 60);
    ASSERT_TRUE(owner.Start(kPressX, kPressY));
    ASSERT_TRUE(owner.WaitForSteps(4));
    EXPECT_EQ(3, owner.steps.back().x);
    EXPECT_TRUE(g_scrollCalls.empty());
    POINT still = ChildPosition(owner.window(), content);
    EXPECT_EQ(50, still.x);
    EXPECT_EQ(50, still.y);
    SendMessageA(test::FindOriginWindow(), WM_CANCELMODE, 0, 0);
    ASSERT_TRUE(owner.WaitForEnds(1));
}

}  // namespace
