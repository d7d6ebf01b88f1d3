// Wheel turns of old mouse drivers: passed on as WM_MOUSEWHEEL to the focus
// window and up through its parents, and never taken from another message.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "commands/Wheel.h"
#include "mainwindow/MainWindow.h"
#include "settings/Settings.h"
#include "support/MenuSupport.h"
#include "support/TestSupport.h"

namespace {

struct Turn {
    HWND window;
    WPARAM wParam;
    LPARAM lParam;
};

std::vector<Turn> g_turns;
HWND g_taker = nullptr;  // the one window that answers a wheel turn with 1

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_MOUSEWHEEL) return DefWindowProcA(window, message, wParam, lParam);
    g_turns.push_back(Turn{window, wParam, lParam});
    return window == g_taker ? 1 : 0;
}

void HoldKeys(bool control, bool shift) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = keys[VK_LCONTROL] = control ? 0x80 : 0;
    keys[VK_SHIFT] = keys[VK_LSHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
}

class LegacyWheel : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA description = {};
        description.lpfnWndProc = RecordingProc;
        description.hInstance = GetModuleHandleA(nullptr);
        description.lpszClassName = "LegacyWheelTarget";
        RegisterClassA(&description);
        grandparent_ = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr);
        parent_ = Make(WS_CHILD | WS_VISIBLE, grandparent_);
        focus_ = Make(WS_CHILD | WS_VISIBLE, parent_);
        g_turns.clear();
        g_taker = grandparent_;
    }
    void TearDown() override {
        HoldKeys(false, false);
        DestroyWindow(grandparent_);
        UnregisterClassA("LegacyWheelTarget", GetModuleHandleA(nullptr));
    }
    HWND Make(DWORD style, HWND parent) {
        return CreateWindowExA(0, "LegacyWheelTarget", "", style, 0, 0, 200, 200, parent, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    }
    HWND grandparent_ = nullptr;
    HWND parent_ = nullptr;
    HWND focus_ = nullptr;
};

TEST_F(LegacyWheel, ReachesTheFocusWindowAndItsParentsUntilOneTakesIt) {
    SetFocus(focus_);
    ASSERT_EQ(focus_, GetFocus());
    HoldKeys(true, false);
    const LPARAM at = MAKELPARAM(300, 200);
    EXPECT_EQ(0, ForwardLegacyWheel(grandparent_, 120, at));
    ASSERT_EQ(3u, g_turns.size());
    const HWND order[] = {focus_, parent_, grandparent_};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(order[i], g_turns[i].window);
        EXPECT_EQ(MAKEWPARAM(MK_CONTROL, 120), g_turns[i].wParam);
        EXPECT_EQ(at, g_turns[i].lParam);
    }

    // A turn towards the user with Shift, taken by the first window.
    g_turns.clear();
    g_taker = focus_;
    HoldKeys(false, true);
    ForwardLegacyWheel(grandparent_, static_cast<WPARAM>(-120), at);
    ASSERT_EQ(1u, g_turns.size());
    EXPECT_EQ(MAKEWPARAM(MK_SHIFT, static_cast<WORD>(-120)), g_turns[0].wParam);
}

TEST_F(LegacyWheel, WithNoFocusTheMainWindowGetsItAndAnswers) {
    SetFocus(nullptr);
    ASSERT_EQ(nullptr, GetFocus());
    EXPECT_EQ(1, ForwardLegacyWheel(grandparent_, 240, 0));
    ASSERT_EQ(1u, g_turns.size());
    EXPECT_EQ(grandparent_, g_turns[0].window);
    EXPECT_EQ(MAKEWPARAM(0, 240), g_turns[0].wParam);
}

class LegacyWheelInMainWindow : public test::MainWindowTest {
protected:
    void TearDown() override {
        HoldKeys(false, false);
        test::MainWindowTest::TearDown();
    }
};

// With Ctrl held, any wheel turn that reached the main window would zoom it.
TEST_F(LegacyWheelInMainWindow, WhereTheMessageIsNotRegisteredNothingElseIsTakenForIt) {
    ASSERT_EQ(0u, g_messages.legacyWheel);  // current systems have no legacy wheel message
    SetFocus(Window());
    HoldKeys(true, false);
    const int zoom = g_settings.ZoomFactor;
    SendMessageA(Window(), WM_NULL, 0, 0);
    EXPECT_EQ(zoom, g_settings.ZoomFactor);
    // A real legacy turn does reach it.
    ForwardLegacyWheel(Window(), 120, 0);
    EXPECT_EQ(zoom + 1, g_settings.ZoomFactor);
}

}  // namespace
