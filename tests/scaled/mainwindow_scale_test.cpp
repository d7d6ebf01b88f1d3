// The main window at the display scale the test was started for (144 or 192
// DPI): its own parts grow with the scale, while every screen pixel it shows
// stays a true one.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "mainwindow/MainWindow.h"
#include "settings/Settings.h"
#include "support/ControlSupport.h"
#include "support/Fixtures.h"
#include "support/ScaleSupport.h"

namespace {

// A length at 144 DPI or at 192, the scale of this run.
int AtScale(int at144, int at192) {
    return test::RequestedDpi() == 192 ? at192 : at144;
}

// Each test makes the window itself, where it opens.
class MainWindowAtScale : public test::PlacedMainWindow {
protected:
    MainWindowAtScale() : PlacedMainWindow(RECT{}, kEachTestMakesIt) {}
    void SetUp() override {
        ASSERT_TRUE(test::RequestedDpi() == 144 || test::RequestedDpi() == 192) << "started without OCULARIX_DPI";
        PlacedMainWindow::SetUp();
    }
};

TEST_F(MainWindowAtScale, AFreshWindowIsScaledWithItsPartsAndAStoredPlacementKeepsItsScreenPixels) {
    ASSERT_TRUE(Create());
    EXPECT_EQ(g_mainWindow.Dpi(), test::RequestedDpi());
    const RECT fresh = test::RectIn(Window());
    EXPECT_EQ(fresh.right - fresh.left, AtScale(675, 900));
    EXPECT_EQ(fresh.bottom - fresh.top, AtScale(375, 500));
    SetCursorPos(1279, 1023);
    HWND toolbar = g_mainWindow.Band().Toolbar();
    EXPECT_TRUE(test::PumpUntil([&] { return test::ButtonsWithoutArt(toolbar, 2) == 0; }, 10000))
        << test::ButtonsWithoutArt(toolbar, 2) << " buttons do not show their art twice as large";
    const RECT options = test::ButtonRect(toolbar, 4017);
    const RECT band = test::RectIn(g_mainWindow.Band().Window(), Window());
    for (HWND slider : {g_mainWindow.Band().ZoomSlider(), g_mainWindow.Band().UpdateSlider()}) {
        const RECT inToolbar = test::RectIn(slider, toolbar);
        EXPECT_EQ(inToolbar.top, options.top);
        EXPECT_EQ(inToolbar.bottom, options.bottom);
        const RECT inWindow = test::RectIn(slider, Window());
        EXPECT_GE(inWindow.top, band.top);
        EXPECT_LE(inWindow.bottom, g_mainWindow.Band().Height());
        // At 96 DPI the 21-row thumb overhangs the slider by 2 rows: 19 show.
        const test::ThumbRows thumb = test::ThumbShown(slider);
        EXPECT_GT(thumb.length, 21);
        EXPECT_GE(thumb.shown * 21, thumb.length * 19) << thumb.shown << " of " << thumb.length;
    }

    HWND bar = g_mainWindow.Status().Window();
    // The stock font is made for the system's scale, which is here the window's.
    HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(bar, WM_GETFONT, 0, 0)), font);

    const std::vector<int> edges = test::PaneEdges(bar);
    ASSERT_EQ(edges.size(), 5u);
    EXPECT_EQ(edges[1] - edges[0], test::TextExtent(font, "Colour (rgb): 000,000,000 ").cx + AtScale(9, 12));
    EXPECT_EQ(edges[2] - edges[1], AtScale(47, 62));
    EXPECT_EQ(edges[3] - edges[2], test::TextExtent(font, " 99999,99999 ").cx + AtScale(9, 12));
    EXPECT_EQ(edges[4] - edges[3], test::TextExtent(font, "www.quillfern.com").cx + AtScale(18, 24));

    const TEXTMETRICA metrics = test::MetricsOf(font);
    int borders[3] = {0, 0, 0};
    SendMessageA(bar, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    EXPECT_GE(g_mainWindow.Status().Height(), metrics.tmHeight + 2 * borders[1]);

    const int bandHeight = g_mainWindow.Band().Height();
    const int statusHeight = g_mainWindow.Status().Height();
    test::DestroyMainWindowForTest();

    g_settings.WindowPos = RECT{120, 90, 723, 490};
    g_settings.SaveSettings();
    test::ReloadSettings();
    ASSERT_TRUE(Create());
    EXPECT_TRUE(test::SameRect(test::RectIn(Window()), g_settings.WindowPos));
    EXPECT_EQ(g_mainWindow.Band().Height(), bandHeight);
    EXPECT_EQ(g_mainWindow.Status().Height(), statusHeight);
}

// The window, with its defaults, magnifying a pattern of known pixels.
class ViewAtScale : public test::PatternOnScreen {
protected:
    ViewAtScale() : PatternOnScreen(RECT{320, 300, 720, 600}) {}
};

TEST_F(ViewAtScale, EachScreenPixelIsAZoomByZoomBlockOfTheView) {
    Show(3, POINT{128, 96});
    const RECT view = View();
    ASSERT_GT(view.top, 0);
    const int zoom = 3;
    const int sourceLeft = 128 - ((view.right - view.left) / zoom + 1) / 2;
    const int sourceTop = 96 - ((view.bottom - view.top) / zoom + 1) / 2;
    test::ClientPixels pixels(Window());
    int wrong = 0;
    for (int vy = 0; vy < view.bottom - view.top; ++vy) {
        for (int vx = 0; vx < view.right - view.left; ++vx) {
            wrong += pixels.At(view.left + vx, view.top + vy) != pattern_->ColourAt(sourceLeft + vx / zoom, sourceTop + vy / zoom);
        }
    }
    EXPECT_EQ(wrong, 0);
}

}  // namespace
