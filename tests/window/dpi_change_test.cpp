// The main window moved between monitors of different scales, as Windows tells
// it with WM_DPICHANGED. Wine's scale is one for the whole screen and it never
// sends the message: the test does, as Windows would.
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

// What the window's parts look like at one scale.
struct Parts {
    int bandHeight;
    int statusHeight;
    LRESULT buttonSize;
    int imageWidth;
    int imageHeight;
    HGDIOBJ font;
    std::vector<int> edges;
    RECT zoomSlider;
    RECT updateSlider;
    LRESULT zoomThumb;
    LRESULT updateThumb;
    size_t tools;
};

Parts ReadParts() {
    MainWindowState& state = test::State();
    HWND toolbar = state.band.Toolbar();
    Parts parts = {};
    parts.bandHeight = state.band.Height();
    parts.statusHeight = state.status.Height();
    parts.buttonSize = SendMessageA(toolbar, TB_GETBUTTONSIZE, 0, 0);
    ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0)),
                          &parts.imageWidth, &parts.imageHeight);
    parts.font = reinterpret_cast<HGDIOBJ>(SendMessageA(state.status.Window(), WM_GETFONT, 0, 0));
    parts.edges = test::PaneEdges(state.status.Window());
    parts.zoomSlider = test::RectIn(state.band.ZoomSlider(), g_mainWindow.Window());
    parts.updateSlider = test::RectIn(state.band.UpdateSlider(), g_mainWindow.Window());
    parts.zoomThumb = SendMessageA(state.band.ZoomSlider(), TBM_GETTHUMBLENGTH, 0, 0);
    parts.updateThumb = SendMessageA(state.band.UpdateSlider(), TBM_GETTHUMBLENGTH, 0, 0);
    parts.tools = test::ToolsOf(state.controlTips.Window()).size();
    return parts;
}

// The bitmaps behind the toolbar's images: gone once its image list is.
std::vector<HGDIOBJ> ImageBitmaps() {
    IMAGEINFO info = {};
    ImageList_GetImageInfo(reinterpret_cast<HIMAGELIST>(SendMessageA(test::State().band.Toolbar(), TB_GETIMAGELIST,
                                                                      0, 0)),
                           0, &info);
    return {info.hbmImage, info.hbmMask};
}

bool ShowsArt(int factor) {
    return test::PumpUntil([&] { return test::ButtonsWithoutArt(test::State().band.Toolbar(), factor) == 0; }, 10000);
}

// The window where it opens.
class DpiChange : public test::PlacedMainWindow {
protected:
    DpiChange() : PlacedMainWindow(RECT{}) {}
    void SetUp() override {
        PlacedMainWindow::SetUp();
        ASSERT_EQ(g_mainWindow.Dpi(), 96u);
        SetCursorPos(1279, 1023);
    }
};

TEST_F(DpiChange, TheWindowTakesEachSuggestedRectangleAndItsPartsSwitchThereAndBack) {
    HWND window = g_mainWindow.Window();
    const RECT at96Rect = test::RectIn(window);
    const Parts at96 = ReadParts();
    EXPECT_EQ(at96.font, GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_TRUE(ShowsArt(1));
    const std::vector<HGDIOBJ> bitmaps96 = ImageBitmaps();

    RECT suggested = {60, 40, 960, 540};
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(g_mainWindow.Dpi(), 192u);
    EXPECT_TRUE(test::SameRect(test::RectIn(window), suggested));
    const Parts at192 = ReadParts();
    EXPECT_EQ(at192.imageWidth, 32);
    EXPECT_EQ(at192.imageHeight, 30);
    EXPECT_TRUE(ShowsArt(2));
    EXPECT_GT(at192.bandHeight, at96.bandHeight);
    EXPECT_GT(at192.statusHeight, at96.statusHeight);
    LOGFONTA stock = {};
    LOGFONTA scaled = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(stock), &stock);
    ASSERT_EQ(GetObjectA(at192.font, sizeof(scaled), &scaled), static_cast<int>(sizeof(scaled)));
    EXPECT_EQ(scaled.lfHeight, 2 * stock.lfHeight);
    EXPECT_STREQ(scaled.lfFaceName, stock.lfFaceName);
    ASSERT_EQ(at192.edges.size(), 5u);
    EXPECT_EQ(at192.edges[2] - at192.edges[1], 62);
    EXPECT_EQ(at192.tools, at96.tools);
    for (HGDIOBJ bitmap : bitmaps96) EXPECT_EQ(GetObjectType(bitmap), 0u) << "the 96-DPI images outlived their toolbar";
    const test::ThumbRows thumb = test::ThumbShown(test::State().band.ZoomSlider());
    EXPECT_GE(thumb.shown * 21, thumb.length * 19);
    const std::vector<HGDIOBJ> bitmaps192 = ImageBitmaps();

    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&at96Rect));
    EXPECT_EQ(g_mainWindow.Dpi(), 96u);
    EXPECT_TRUE(test::SameRect(test::RectIn(window), at96Rect));
    const Parts back = ReadParts();
    EXPECT_EQ(back.bandHeight, at96.bandHeight);
    EXPECT_EQ(back.statusHeight, at96.statusHeight);
    EXPECT_EQ(back.buttonSize, at96.buttonSize);
    EXPECT_EQ(back.imageWidth, at96.imageWidth);
    EXPECT_EQ(back.imageHeight, at96.imageHeight);
    EXPECT_EQ(back.font, at96.font);
    EXPECT_EQ(back.edges, at96.edges);
    EXPECT_TRUE(test::SameRect(back.zoomSlider, at96.zoomSlider));
    EXPECT_TRUE(test::SameRect(back.updateSlider, at96.updateSlider));
    EXPECT_EQ(back.zoomThumb, at96.zoomThumb);
    EXPECT_EQ(back.updateThumb, at96.updateThumb);
    EXPECT_EQ(back.tools, at96.tools);
    EXPECT_TRUE(ShowsArt(1));
    EXPECT_EQ(GetObjectType(at192.font), 0u) << "the 192-DPI font was not released";
    for (HGDIOBJ bitmap : bitmaps192) EXPECT_EQ(GetObjectType(bitmap), 0u) << "the 192-DPI image list was not released";
}

}  // namespace
