// Wheel turns of old mouse drivers: passed on as WM_MOUSEWHEEL to the focus
// window and up through its parents, and never taken from another message.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "commands/Wheel.h"
#include "mainwindow/MainWindow.h"
#include "settings/Settings.h"
#include "support/Fixtures.h"

namespace {

struct Turn {
    HWND window;
    WPARAM wParam;
    LPARAM lParam;
};

std::vector<Turn> g_turns;
HWND g_taker = nullptr;  // the one window that answers a wheel turn with 1: the top-level one

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_MOUSEWHEEL) return DefWindowProcA(window, message, wParam, lParam);
    g_turns.push_back(Turn{window, wParam, lParam});
    return window == g_taker ? 1 : 0;
}

HWND MakeWindow(DWORD style, HWND parent) {
    return CreateWindowExA(0, "LegacyWheelTarget", "", style, 0, 0, 200, 200, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

TEST(LegacyWheel, ReachesTheFocusWindowAndItsParentsUntilOneTakesIt) {
    WNDCLASSA description = {};
    description.lpfnWndProc = RecordingProc;
    description.hInstance = GetModuleHandleA(nullptr);
    description.lpszClassName = "LegacyWheelTarget";
    RegisterClassA(&description);
    HWND grandparent = g_taker = MakeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr);
    HWND parent = MakeWindow(WS_CHILD | WS_VISIBLE, grandparent);
    HWND focus = MakeWindow(WS_CHILD | WS_VISIBLE, parent);
    SetFocus(focus);
    ASSERT_EQ(focus, GetFocus());
    test::HoldModifiers(true);
    const LPARAM at = MAKELPARAM(300, 200);
    EXPECT_EQ(0, ForwardLegacyWheel(grandparent, 120, at));
    ASSERT_EQ(3u, g_turns.size());
    const HWND order[] = {focus, parent, grandparent};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(order[i], g_turns[i].window);
        EXPECT_EQ(MAKEWPARAM(MK_CONTROL, 120), g_turns[i].wParam);
        EXPECT_EQ(at, g_turns[i].lParam);
    }

    // A turn towards the user with Shift, and no focus: the main window takes it and answers.
    g_turns.clear();
    test::HoldModifiers(false, true);
    SetFocus(nullptr);
    EXPECT_EQ(1, ForwardLegacyWheel(grandparent, static_cast<WPARAM>(-120), at));
    ASSERT_EQ(1u, g_turns.size());
    EXPECT_EQ(grandparent, g_turns[0].window);
    EXPECT_EQ(MAKEWPARAM(MK_SHIFT, static_cast<WORD>(-120)), g_turns[0].wParam);
    test::HoldModifiers(false);
    DestroyWindow(grandparent);
}

using LegacyWheelInMainWindow = test::PlacedMainWindow;

// With Ctrl held, any wheel turn that reached the main window would zoom it.
TEST_F(LegacyWheelInMainWindow, WhereTheMessageIsNotRegisteredNothingElseIsTakenForIt) {
    ASSERT_EQ(0u, g_messages.legacyWheel);  // current systems have no legacy wheel message
    SetFocus(Window());
    test::HoldModifiers(true);
    const int zoom = g_settings.ZoomFactor;
    SendMessageA(Window(), WM_NULL, 0, 0);
    EXPECT_EQ(zoom, g_settings.ZoomFactor);
    // A real legacy turn does reach it.
    ForwardLegacyWheel(Window(), 120, 0);
    EXPECT_EQ(zoom + 1, g_settings.ZoomFactor);
}

}  // namespace
