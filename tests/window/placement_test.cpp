// Keeping the main window on the desktop, the desktop rectangle, and translucency.
#include <gtest/gtest.h>

#include "mainwindow/MainWindow.h"
#include "mainwindow/Placement.h"
#include "settings/Settings.h"
#include "support/ControlSupport.h"
#include "support/Fixtures.h"

namespace {

class PlacementTest : public test::PlacedMainWindow {
protected:
    static RECT WindowRect() { return test::RectIn(g_mainWindow.Window()); }
    static void MoveWindowTo(int x, int y, int width, int height) {
        SetWindowPos(g_mainWindow.Window(), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        test::PumpMessages(20);
    }
};

TEST_F(PlacementTest, DesktopIsTheVirtualScreen) {
    g_desktop = DesktopRect{1, 2, 3, 4};
    RefreshDesktopRect();
    EXPECT_EQ(g_desktop.left, GetSystemMetrics(SM_XVIRTUALSCREEN));
    EXPECT_EQ(g_desktop.top, GetSystemMetrics(SM_YVIRTUALSCREEN));
    EXPECT_EQ(g_desktop.width, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(g_desktop.height, GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_GT(g_desktop.width, 0);
}

TEST_F(PlacementTest, WindowHalfOffTheRightEdgeIsMovedInsideKeepingItsSize) {
    RefreshDesktopRect();
    const int right = g_desktop.left + g_desktop.width;
    MoveWindowTo(right - 150, 200, 300, 220);
    // It stays out until asked...
    EXPECT_EQ(WindowRect().right, right + 150);
    g_mainWindow.KeepOnDesktop();
    EXPECT_TRUE(test::SameRect(WindowRect(), RECT{right - 300, 200, right, 420}));
}

TEST_F(PlacementTest, SettingChangeBringsTheWindowBack) {
    RefreshDesktopRect();
    const int bottom = g_desktop.top + g_desktop.height;
    MoveWindowTo(g_desktop.left - 100, bottom - 50, 300, 220);
    SendMessageA(g_mainWindow.Window(), WM_SETTINGCHANGE, 0, 0);
    EXPECT_TRUE(test::SameRect(WindowRect(), RECT{g_desktop.left, bottom - 220, g_desktop.left + 300, bottom}));
}

TEST_F(PlacementTest, WindowWiderThanTheDesktopEndsOnItsRightEdge) {
    RefreshDesktopRect();
    const int right = g_desktop.left + g_desktop.width;
    // The system allows a window only a little wider than the screen: take what it gives.
    MoveWindowTo(g_desktop.left + 40, 100, g_desktop.width + 200, 300);
    const RECT before = WindowRect();
    const int width = before.right - before.left;
    ASSERT_GT(width, g_desktop.width) << "the window could not be made wider than the desktop";
    g_mainWindow.KeepOnDesktop();
    EXPECT_TRUE(test::SameRect(WindowRect(), RECT{right - width, 100, right, 400}));
}

class TranslucencyTest : public PlacementTest {
protected:
    static LONG ExStyle() { return GetWindowLongA(g_mainWindow.Window(), GWL_EXSTYLE); }
    static bool Layered() { return (ExStyle() & WS_EX_LAYERED) != 0; }
    // The alpha the window was given; -1 when it has none.
    static int Alpha() {
        BYTE alpha = 0;
        DWORD flags = 0;
        COLORREF key = 0;
        if (!GetLayeredWindowAttributes(g_mainWindow.Window(), &key, &alpha, &flags)) return -1;
        return (flags & LWA_ALPHA) ? alpha : -1;
    }
};

TEST_F(TranslucencyTest, OnAndOff) {
    ASSERT_FALSE(Layered());
    ApplyTransparency(g_mainWindow.Window(), true, 178);
    EXPECT_TRUE(Layered());
    EXPECT_EQ(Alpha(), 178);

    ApplyTransparency(g_mainWindow.Window(), true, 40);
    EXPECT_EQ(Alpha(), 40);

    ApplyTransparency(g_mainWindow.Window(), false, 40);
    EXPECT_FALSE(Layered());
    // The rest of the extended style is left alone.
    EXPECT_TRUE(ExStyle() & WS_EX_APPWINDOW);
}

TEST_F(TranslucencyTest, OpacityFullGivesALayeredOpaqueWindow) {
    ApplyTransparency(g_mainWindow.Window(), true, 255);
    EXPECT_TRUE(Layered());
    EXPECT_EQ(Alpha(), 255);
}

TEST_F(TranslucencyTest, StoredOpacityOutOfRangeNeitherWrapsNorHidesTheWindow) {
    // 256 would be alpha 0 by its low byte: an invisible window nobody could find.
    ApplyTransparency(g_mainWindow.Window(), true, 256);
    EXPECT_EQ(Alpha(), 255);
    ApplyTransparency(g_mainWindow.Window(), true, 1000);
    EXPECT_EQ(Alpha(), 255);
    ApplyTransparency(g_mainWindow.Window(), true, 0);
    EXPECT_EQ(Alpha(), kFaintestOpacity);
    ApplyTransparency(g_mainWindow.Window(), true, -5);
    EXPECT_EQ(Alpha(), kFaintestOpacity);
    ApplyTransparency(g_mainWindow.Window(), true, kFaintestOpacity);
    EXPECT_EQ(Alpha(), kFaintestOpacity);
}

}  // namespace
