// Where the main window opens on a desktop of two monitors of different
// heights: a primary of 1280 x 1024 and one of 1024 x 768 to its right, so the
// desktop's lower right corner is on no monitor (the screen tests/CMakeLists.txt
// asks scripts/two-heads.sh for).
#include <gtest/gtest.h>

#include "settings/Settings.h"
#include "support/ControlSupport.h"
#include "support/Fixtures.h"

namespace {

class TwoMonitors : public test::PlacedMainWindow {
protected:
    TwoMonitors() : PlacedMainWindow(RECT{0, 0, 0, 0}, kEachTestMakesIt) {}

    void SetUp() override {
        PlacedMainWindow::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        ASSERT_EQ(2, GetSystemMetrics(SM_CMONITORS)) << "not the screen of two monitors";
        ASSERT_EQ(2304, GetSystemMetrics(SM_CXVIRTUALSCREEN));
        ASSERT_EQ(1024, GetSystemMetrics(SM_CYVIRTUALSCREEN));
        const POINT onRight = {2000, 100};
        MONITORINFO right = {};
        right.cbSize = sizeof(right);
        ASSERT_TRUE(GetMonitorInfoA(MonitorFromPoint(onRight, MONITOR_DEFAULTTONULL), &right));
        ASSERT_TRUE(test::SameRect(right.rcMonitor, RECT{1280, 0, 2304, 768}));
        rightWork_ = right.rcWork;
    }

    // Opens the window as the program does, from a stored placement; its frame then.
    RECT OpenFrom(const RECT& stored) {
        HKEY key = nullptr;
        EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, test::kTestSettingsKeyPath, &key));
        RegSetValueExA(key, "WindowPos", 0, REG_BINARY, reinterpret_cast<const BYTE*>(&stored), sizeof(stored));
        RegCloseKey(key);
        test::ReloadSettings();
        EXPECT_TRUE(Create(SW_SHOWNORMAL));
        return test::RectIn(Window());
    }

    RECT rightWork_ = {0, 0, 0, 0};
};

TEST_F(TwoMonitors, AWindowStoredInTheCornerNoMonitorShowsOpensOnTheNearestMonitor) {
    const RECT frame = OpenFrom(RECT{1500, 800, 2100, 1000});
    // Its size kept, its bottom on the bottom of the right monitor's work area.
    EXPECT_EQ(600, frame.right - frame.left);
    EXPECT_EQ(200, frame.bottom - frame.top);
    EXPECT_EQ(1500, frame.left);
    EXPECT_EQ(rightWork_.bottom, frame.bottom);
    RECT outside;
    EXPECT_FALSE(SubtractRect(&outside, &frame, &rightWork_)) << "part of it is still off the work area";
}

TEST_F(TwoMonitors, AWindowMostlyOffEveryMonitorIsMovedOnIt) {
    // 58 % of it on no monitor.
    const RECT frame = OpenFrom(RECT{1700, 600, 2300, 1000});
    EXPECT_TRUE(test::SameRect(frame, RECT{1700, rightWork_.bottom - 400, 2300, rightWork_.bottom}));
}

TEST_F(TwoMonitors, AWindowHalfOnTheRightMonitorStaysWhereItWasStored) {
    const RECT stored = {1700, 668, 2100, 868};
    EXPECT_TRUE(test::SameRect(OpenFrom(stored), stored));
}

}  // namespace
