// The status bar: pane widths, the owner-drawn colour swatch and link, and the
// link's hand cursor, read back from the real window and the screen.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "app/Application.h"
#include "mainwindow/MainWindow.h"
#include "settings/Settings.h"
#include "support/ControlSupport.h"
#include "support/Fixtures.h"

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

int TextWidth(const char* text) {
    return test::TextExtent(GetStockObject(DEFAULT_GUI_FONT), text).cx;
}

POINT ScreenPoint(HWND window, int x, int y) {
    POINT point = {x, y};
    ClientToScreen(window, &point);
    return point;
}

// Five parts with fixed right edges inside the narrowest status bar, as the layout would set them.
void SetFixedPanes() {
    int edges[5] = {100, 200, 231, 300, 400};
    SendMessageA(g_mainWindow.Status().Window(), SB_SETPARTS, 5, reinterpret_cast<LPARAM>(edges));
    SendMessageA(g_mainWindow.Status().Window(), SB_SETTEXTA, SBT_OWNERDRAW | 2, 0);
    SendMessageA(g_mainWindow.Status().Window(), SB_SETTEXTA, SBT_OWNERDRAW | 4, 0);
}

// Sends WM_SETCURSOR with the real cursor at a point of the status bar; true when the hand shows.
bool HandShownAt(int x, int y) {
    HWND statusBar = g_mainWindow.Status().Window();
    POINT point = ScreenPoint(statusBar, x, y);
    SetCursorPos(point.x, point.y);
    SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
    LRESULT result = SendMessageA(g_mainWindow.Window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(statusBar),
                                  MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    bool hand = GetCursor() == g_handCursor;
    EXPECT_EQ(result == 1, hand);
    return hand;
}

class StatusBar : public test::PlacedMainWindow {
protected:
    StatusBar() : PlacedMainWindow(RECT{40, 60, 680, 360}) {}
};

// Needs SizeStatusPanes.
TEST_F(StatusBar, PaneWidthsComeFromTheSampleTextsAndPaneZeroTakesTheRest) {
    const int w0 = TextWidth("Press F1 for help") + 6;
    const int w1 = TextWidth("Colour (rgb): 000,000,000 ") + 6;
    const int w3 = TextWidth(" 99999,99999 ") + 6;
    const int w4 = TextWidth("www.quillfern.com") + 12;

    std::vector<int> edges = test::PaneEdges(g_mainWindow.Status().Window());
    ASSERT_EQ(edges.size(), 5u);
    RECT view = g_mainWindow.GetViewRect();
    int available = view.right - g_mainWindow.Status().Height() - view.left;
    ASSERT_GT(available + 3, w0 + w1 + 31 + w3 + w4);
    EXPECT_EQ(edges[4], available + 3);
    EXPECT_EQ(edges[4] - edges[3], w4);
    EXPECT_EQ(edges[3] - edges[2], w3);
    EXPECT_EQ(edges[2] - edges[1], 31);
    EXPECT_EQ(edges[1] - edges[0], w1);
    EXPECT_GT(edges[0], w0);

    // Too narrow for all: pane 0 keeps its text's width and the rest run past the edge.
    SetWindowPos(g_mainWindow.Window(), nullptr, 0, 0, 160, 300, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    edges = test::PaneEdges(g_mainWindow.Status().Window());
    ASSERT_EQ(edges.size(), 5u);
    EXPECT_EQ(edges[0], w0);
    EXPECT_EQ(edges[4], w0 + w1 + 31 + w3 + w4);
}

TEST_F(StatusBar, TheHandShowsOverTheLinkPaneOnly) {
    SetFixedPanes();
    RECT link = test::PaneRect(g_mainWindow.Status().Window(), 4);
    ASSERT_GT(link.right, link.left);
    int middle = (link.top + link.bottom) / 2;
    EXPECT_TRUE(HandShownAt((link.left + link.right) / 2, middle));
    EXPECT_TRUE(HandShownAt(link.left, middle));
    EXPECT_FALSE(HandShownAt(link.right, middle));
    EXPECT_FALSE(HandShownAt(link.left - 1, middle));
    RECT coordinates = test::PaneRect(g_mainWindow.Status().Window(), 3);
    EXPECT_FALSE(HandShownAt((coordinates.left + coordinates.right) / 2, middle));

    // Over the view, away from the status bar.
    POINT view = ScreenPoint(g_mainWindow.Window(), 50, 50);
    SetCursorPos(view.x, view.y);
    EXPECT_EQ(SendMessageA(g_mainWindow.Window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(g_mainWindow.Window()),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)) == 1 && GetCursor() == g_handCursor,
              false);

    // A hidden status bar shows no link.
    g_settings.DisplayStatusbar = 0;
    g_mainWindow.ShowStatusBar();
    EXPECT_FALSE(HandShownAt((link.left + link.right) / 2, middle));
}

TEST_F(StatusBar, TheSwatchShowsTheSampledColourAndTheLinkIsBlueUnderlined) {
    // The tracking tick would sample the real colour under the cursor instead.
    KillTimer(g_mainWindow.Window(), kTrackingTimerId);
    SetFixedPanes();
    test::SampleColour(RGB(200, 30, 60));
    ASSERT_EQ(g_mainWindow.SampledColour(), RGB(200, 30, 60));
    RedrawWindow(g_mainWindow.Status().Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    test::PumpMessages(50);

    RECT swatch = test::PaneRect(g_mainWindow.Status().Window(), 2);
    HWND statusBar = g_mainWindow.Status().Window();
    POINT centre = ScreenPoint(statusBar, test::Centre(swatch).x, test::Centre(swatch).y);
    EXPECT_EQ(test::ScreenPixel(centre.x, centre.y), RGB(200, 30, 60));

    RECT link = test::PaneRect(g_mainWindow.Status().Window(), 4);
    MapWindowPoints(g_mainWindow.Status().Window(), nullptr, reinterpret_cast<POINT*>(&link), 2);
    const test::Ink blue = test::ScreenInk(link, kBlue);
    EXPECT_GT(blue.count, 30);
    // The underline runs under most of the text.
    EXPECT_GT(blue.longestRow, (blue.box.right - 1 - blue.box.left) * 3 / 4);
}

TEST_F(StatusBar, OwnerDrawingStaysInsideItsPaneAndLeavesTheDcAsItWas) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 220, 24);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    RECT all = {0, 0, 220, 24};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HGDIOBJ fontBefore = GetCurrentObject(dc, OBJ_FONT);
    COLORREF textBefore = GetTextColor(dc);
    int modeBefore = GetBkMode(dc);

    DRAWITEMSTRUCT item = {};
    item.CtlID = 3;
    item.hwndItem = g_mainWindow.Status().Window();
    item.hDC = dc;
    item.rcItem = RECT{10, 2, 210, 22};
    item.itemID = 4;
    g_mainWindow.HandleMessage(WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));

    const test::Ink blue = test::FindInk(dc, all, kBlue);
    EXPECT_GT(blue.count, 30);
    EXPECT_GE(blue.box.left, 10);
    EXPECT_LE(blue.box.right, 210);
    EXPECT_GE(blue.box.top, 2);
    EXPECT_LE(blue.box.bottom, 22);
    // Centred across the pane.
    EXPECT_NEAR((blue.box.left + blue.box.right - 1) / 2, 110, 3);
    EXPECT_GT(blue.longestRow, (blue.box.right - 1 - blue.box.left) * 3 / 4);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), fontBefore);
    EXPECT_EQ(GetTextColor(dc), textBefore);
    EXPECT_EQ(GetBkMode(dc), modeBefore);

    // The swatch fills exactly its rectangle.
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    test::SampleColour(RGB(10, 200, 30));
    ASSERT_EQ(g_mainWindow.SampledColour(), RGB(10, 200, 30));
    item.itemID = 2;
    g_mainWindow.HandleMessage(WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    const test::Ink swatch = test::FindInk(dc, all, RGB(10, 200, 30));
    EXPECT_EQ(swatch.count, 200 * 20);
    EXPECT_EQ(swatch.box.left, 10);
    EXPECT_EQ(swatch.box.top, 2);

    // Other panes are the status bar's own.
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    item.itemID = 3;
    g_mainWindow.HandleMessage(WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(test::FindInk(dc, all, kWhite).count, 220 * 24);

    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

}  // namespace
