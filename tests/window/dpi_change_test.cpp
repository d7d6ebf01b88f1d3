// The main window moved between monitors of different scales, as Windows tells
// it with WM_DPICHANGED. Wine's scale is one for the whole screen and it never
// sends the message: the test does, as Windows would.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "mainwindow/MainWindow.h"
#include "support/ControlSupport.h"
#include "support/Fixtures.h"
#include "support/ScaleSupport.h"

namespace {

// What the window's parts look like at one scale, in one row: the bars'
// heights, the toolbar's image size, the status bar's font, the tools, the
// button size, each slider's thumb and rectangle, then the panes' right edges.
enum Part { kBand, kStatus, kImageWidth, kImageHeight, kFont, kTools, kEdges = 17 };

std::vector<LONG_PTR> ReadParts() {
    const MainWindow& state = g_mainWindow;
    HWND toolbar = state.Band().Toolbar();
    int imageWidth = 0, imageHeight = 0;
    ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0)), &imageWidth,
                          &imageHeight);
    std::vector<LONG_PTR> parts = {state.Band().Height(), state.Status().Height(), imageWidth, imageHeight,
                                   SendMessageA(state.Status().Window(), WM_GETFONT, 0, 0),
                                   static_cast<LONG_PTR>(test::ToolsOf(state.ControlTips().Window()).size()),
                                   SendMessageA(toolbar, TB_GETBUTTONSIZE, 0, 0)};
    for (HWND slider : {state.Band().ZoomSlider(), state.Band().UpdateSlider()}) {
        const RECT placed = test::RectIn(slider, g_mainWindow.Window());
        parts.insert(parts.end(), {SendMessageA(slider, TBM_GETTHUMBLENGTH, 0, 0), placed.left, placed.top,
                                   placed.right, placed.bottom});
    }
    for (int edge : test::PaneEdges(state.Status().Window())) parts.push_back(edge);
    return parts;
}

// The bitmaps behind the toolbar's images: gone once its image list is.
std::vector<HGDIOBJ> ImageBitmaps() {
    IMAGEINFO info = {};
    ImageList_GetImageInfo(reinterpret_cast<HIMAGELIST>(SendMessageA(g_mainWindow.Band().Toolbar(), TB_GETIMAGELIST,
                                                                      0, 0)),
                           0, &info);
    return {info.hbmImage, info.hbmMask};
}

bool ShowsArt(int factor) {
    return test::PumpUntil([&] { return test::ButtonsWithoutArt(g_mainWindow.Band().Toolbar(), factor) == 0; }, 10000);
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
    const std::vector<LONG_PTR> at96 = ReadParts();
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(at96[kFont]), GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_TRUE(ShowsArt(1));
    const std::vector<HGDIOBJ> bitmaps96 = ImageBitmaps();

    RECT suggested = {60, 40, 960, 540};
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(g_mainWindow.Dpi(), 192u);
    EXPECT_TRUE(test::SameRect(test::RectIn(window), suggested));
    const std::vector<LONG_PTR> at192 = ReadParts();
    ASSERT_EQ(at192.size(), kEdges + 5u);
    EXPECT_EQ(at192[kImageWidth], 32);
    EXPECT_EQ(at192[kImageHeight], 30);
    EXPECT_TRUE(ShowsArt(2));
    EXPECT_GT(at192[kBand], at96[kBand]);
    EXPECT_GT(at192[kStatus], at96[kStatus]);
    const HGDIOBJ font192 = reinterpret_cast<HGDIOBJ>(at192[kFont]);
    LOGFONTA stock = {}, scaled = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(stock), &stock);
    ASSERT_EQ(GetObjectA(font192, sizeof(scaled), &scaled), static_cast<int>(sizeof(scaled)));
    EXPECT_EQ(scaled.lfHeight, 2 * stock.lfHeight);
    EXPECT_STREQ(scaled.lfFaceName, stock.lfFaceName);
    EXPECT_EQ(at192[kEdges + 2] - at192[kEdges + 1], 62);
    EXPECT_EQ(at192[kTools], at96[kTools]);
    for (HGDIOBJ bitmap : bitmaps96) EXPECT_EQ(GetObjectType(bitmap), 0u) << "the 96-DPI images outlived their toolbar";
    const test::ThumbRows thumb = test::ThumbShown(g_mainWindow.Band().ZoomSlider());
    EXPECT_GE(thumb.shown * 21, thumb.length * 19);
    const std::vector<HGDIOBJ> bitmaps192 = ImageBitmaps();

    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&at96Rect));
    EXPECT_EQ(g_mainWindow.Dpi(), 96u);
    EXPECT_TRUE(test::SameRect(test::RectIn(window), at96Rect));
    EXPECT_EQ(ReadParts(), at96);
    EXPECT_TRUE(ShowsArt(1));
    EXPECT_EQ(GetObjectType(font192), 0u) << "the 192-DPI font was not released";
    for (HGDIOBJ bitmap : bitmaps192) EXPECT_EQ(GetObjectType(bitmap), 0u) << "the 192-DPI image list was not released";
}

}  // namespace
