// The main window's contents as WM_CREATE builds them: the toolbar band and its
// sliders, the status bar, the shared tooltips and the system-menu items.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string.h>

#include <string>
#include <vector>

#include "mainwindow/MainWindow.h"
#include "mainwindow/WindowUtil.h"
#include "settings/Settings.h"
#include "support/ControlSupport.h"
#include "support/Fixtures.h"

namespace {

struct ExpectedButton {
    int command;
    BYTE style;
    int image;
};

const ExpectedButton kButtons[] = {
    {112, TBSTYLE_CHECK, 0},  {0, TBSTYLE_SEP, -1},    {32774, TBSTYLE_BUTTON, 1}, {0, TBSTYLE_SEP, -1},
    {32771, TBSTYLE_BUTTON, 2}, {32772, TBSTYLE_BUTTON, 3}, {0, TBSTYLE_SEP, -1},    {4009, TBSTYLE_CHECK, 5},
    {0, TBSTYLE_SEP, -1},    {4027, TBSTYLE_CHECK, 6},  {0, TBSTYLE_SEP, -1},     {4017, TBSTYLE_BUTTON, 7},
    {0, TBSTYLE_SEP, -1},
};

LONG Style(HWND window) {
    return static_cast<LONG>(GetWindowLongPtrA(window, GWL_STYLE));
}

int ThumbLength(HWND slider) {
    return static_cast<int>(SendMessageA(slider, TBM_GETTHUMBLENGTH, 0, 0));
}

// The thumb length a slider of the same kind and size gets by itself.
int NaturalThumbLength(HWND like) {
    RECT r = test::RectIn(like, GetParent(like));
    HWND probe = CreateWindowExA(0, TRACKBAR_CLASSA, nullptr, Style(like) & ~WS_VISIBLE, 0, 0, r.right - r.left,
                                 r.bottom - r.top, g_mainWindow.Window(), nullptr, GetModuleHandleA(nullptr), nullptr);
    int length = ThumbLength(probe);
    DestroyWindow(probe);
    return length;
}

std::string ToolbarTip(UINT_PTR command) {
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = g_mainWindow.Band().Toolbar();
    info.hdr.idFrom = command;
    info.hdr.code = TTN_NEEDTEXTA;
    lstrcpyA(info.szText, "stale");
    SendMessageA(g_mainWindow.Window(), WM_NOTIFY, command, reinterpret_cast<LPARAM>(&info));
    return std::string(info.szText, strnlen(info.szText, sizeof(info.szText)));
}

std::string MenuItemText(HMENU menu, int position) {
    char text[128] = {};
    GetMenuStringA(menu, position, text, sizeof(text), MF_BYPOSITION);
    return text;
}

// Each test makes the window with its own settings, where it opens.
class Construction : public test::PlacedMainWindow {
protected:
    Construction() : PlacedMainWindow(RECT{}, kEachTestMakesIt) {}

    // Replaces the toolbar band by one built for the given common controls version.
    void RebuildBand(DWORD major, DWORD minor, bool known) {
        DestroyWindow(g_mainWindow.Band().Window());
        g_mainWindow.BuildToolbarBand(major, minor, known);
    }
};

TEST_F(Construction, CommonControlsSixAreInUseThroughTheManifest) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(GetModuleHandleA("comctl32.dll"), path, MAX_PATH);
    CharLowerA(path);
    EXPECT_NE(strstr(path, "microsoft.windows.common-controls"), nullptr) << path;
    EXPECT_NE(strstr(path, "_6.0."), nullptr) << path;

    DWORD major = 0;
    DWORD minor = 0;
    ASSERT_TRUE(SUCCEEDED(GetCommonControlsVersion(&major, &minor)));
    EXPECT_TRUE(CommonControlsHaveRebar(major, minor, true)) << major << "." << minor;
    EXPECT_EQ(GetCommonControlsVersion(nullptr, &minor), E_INVALIDARG);
    EXPECT_EQ(GetCommonControlsVersion(&major, nullptr), E_INVALIDARG);

    EXPECT_FALSE(CommonControlsHaveRebar(4, 70, true));
    EXPECT_TRUE(CommonControlsHaveRebar(4, 71, true));
    EXPECT_TRUE(CommonControlsHaveRebar(5, 0, true));
    EXPECT_FALSE(CommonControlsHaveRebar(3, 95, true));
    EXPECT_FALSE(CommonControlsHaveRebar(6, 0, false));
}

TEST_F(Construction, TheToolbarSitsInARebarWithItsThirteenButtons) {
    ASSERT_TRUE(Create());
    HWND window = g_mainWindow.Window();
    ASSERT_TRUE(g_mainWindow.Band().RebarUsed());
    HWND rebar = g_mainWindow.Band().Window();
    ASSERT_TRUE(IsWindow(rebar));
    EXPECT_EQ(test::ClassName(rebar), "ReBarWindow32");
    EXPECT_EQ(GetDlgCtrlID(rebar), 1);
    EXPECT_EQ(GetParent(rebar), window);
    EXPECT_EQ(Style(rebar) & 0x56000041, 0x56000041);
    EXPECT_EQ(SendMessageA(rebar, RB_GETBANDCOUNT, 0, 0), 1);
    // The rebar's top border lies above the client area: the view starts where the band ends.
    RECT rebarRect = test::RectIn(rebar, window);
    EXPECT_LE(rebarRect.top, 0);
    EXPECT_EQ(g_mainWindow.Band().Height(), rebarRect.bottom - rebarRect.top - 2);
    EXPECT_EQ(g_mainWindow.Band().Height(), rebarRect.bottom);

    HWND toolbar = g_mainWindow.Band().Toolbar();
    EXPECT_EQ(test::ClassName(toolbar), "ToolbarWindow32");
    EXPECT_EQ(GetDlgCtrlID(toolbar), 115);
    EXPECT_EQ(GetParent(toolbar), rebar);
    EXPECT_EQ(Style(toolbar) & 0x5000094C, 0x5000094C);
    EXPECT_EQ(Style(toolbar) & WS_BORDER, 0);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(toolbar, TB_GETTOOLTIPS, 0, 0)), g_mainWindow.ControlTips().Window());

    ASSERT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 13);
    for (int i = 0; i < 13; ++i) {
        TBBUTTON button = {};
        ASSERT_TRUE(SendMessageA(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button)));
        EXPECT_EQ(button.idCommand, kButtons[i].command) << "button " << i;
        EXPECT_EQ(button.fsStyle, kButtons[i].style) << "button " << i;
        EXPECT_TRUE(button.fsState & TBSTATE_ENABLED) << "button " << i;
        if (kButtons[i].image >= 0) {
            EXPECT_EQ(button.iBitmap, kButtons[i].image) << "button " << i;
        }
    }
}

TEST_F(Construction, TheSlidersSitRightOfTheOptionsButton) {
    g_settings.ZoomFactor = 7;
    g_settings.Update = 3;
    ASSERT_TRUE(Create());
    HWND toolbar = g_mainWindow.Band().Toolbar();
    HWND zoom = g_mainWindow.Band().ZoomSlider();
    HWND update = g_mainWindow.Band().UpdateSlider();
    for (HWND slider : {zoom, update}) {
        EXPECT_EQ(test::ClassName(slider), "msctls_trackbar32");
        EXPECT_EQ(GetParent(slider), toolbar);
        EXPECT_EQ(GetDlgCtrlID(slider), 0);
        EXPECT_EQ(Style(slider), 0x50030050);
        EXPECT_TRUE(IsWindowVisible(slider));
    }
    EXPECT_EQ(SendMessageA(zoom, TBM_GETRANGEMIN, 0, 0), 1);
    EXPECT_EQ(SendMessageA(zoom, TBM_GETRANGEMAX, 0, 0), 32);
    EXPECT_EQ(SendMessageA(zoom, TBM_GETPOS, 0, 0), 7);
    EXPECT_EQ(SendMessageA(update, TBM_GETRANGEMIN, 0, 0), 1);
    EXPECT_EQ(SendMessageA(update, TBM_GETRANGEMAX, 0, 0), 4);
    EXPECT_EQ(SendMessageA(update, TBM_GETPOS, 0, 0), 3);

    RECT button = test::ButtonRect(g_mainWindow.Band().Toolbar(), 4017);
    int buttonWidth = button.right - button.left;
    ASSERT_GT(buttonWidth, 0);
    RECT zoomRect = test::RectIn(zoom, toolbar);
    EXPECT_EQ(zoomRect.left, button.right + 2);
    EXPECT_EQ(zoomRect.top, button.top);
    EXPECT_EQ(zoomRect.right - zoomRect.left, 3 * buttonWidth);
    EXPECT_EQ(zoomRect.bottom, button.bottom);
    RECT updateRect = test::RectIn(update, toolbar);
    EXPECT_EQ(updateRect.left, zoomRect.right + 2);
    EXPECT_EQ(updateRect.top, button.top);
    EXPECT_EQ(updateRect.right - updateRect.left, 3 * buttonWidth / 2);
    EXPECT_EQ(updateRect.bottom, button.bottom);
    // In a rebar the thumbs keep the length the sliders choose.
    EXPECT_EQ(ThumbLength(zoom), NaturalThumbLength(zoom));
}

TEST_F(Construction, OldCommonControlsGetABorderedToolbarWithoutRebar) {
    ASSERT_TRUE(Create());
    HWND window = g_mainWindow.Window();
    RebuildBand(4, 70, true);
    EXPECT_FALSE(g_mainWindow.Band().RebarUsed());
    EXPECT_EQ(GetDlgItem(window, 1), nullptr);
    HWND toolbar = g_mainWindow.Band().Toolbar();
    ASSERT_TRUE(IsWindow(toolbar));
    EXPECT_EQ(g_mainWindow.Band().Window(), toolbar);
    EXPECT_EQ(GetParent(toolbar), window);
    EXPECT_EQ(GetDlgCtrlID(toolbar), 115);
    EXPECT_EQ(Style(toolbar) & 0x50800141, 0x50800141);
    EXPECT_EQ(Style(toolbar) & TBSTYLE_FLAT, 0);
    EXPECT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 13);
    RECT toolbarRect = test::RectIn(toolbar, window);
    EXPECT_LE(toolbarRect.top, 0);
    EXPECT_EQ(g_mainWindow.Band().Height(), toolbarRect.bottom - toolbarRect.top - 2);

    HWND zoom = g_mainWindow.Band().ZoomSlider();
    HWND update = g_mainWindow.Band().UpdateSlider();
    EXPECT_EQ(GetParent(zoom), toolbar);
    EXPECT_EQ(GetParent(update), toolbar);
    RECT button = test::ButtonRect(g_mainWindow.Band().Toolbar(), 4017);
    EXPECT_EQ(test::RectIn(zoom, toolbar).left, button.right + 2);
    int natural = NaturalThumbLength(zoom);
    EXPECT_EQ(ThumbLength(zoom), natural - 2);
    EXPECT_EQ(ThumbLength(update), natural - 2);

    // A version that cannot be read is taken as too old as well.
    RebuildBand(6, 0, false);
    EXPECT_FALSE(g_mainWindow.Band().RebarUsed());
    EXPECT_EQ(GetParent(g_mainWindow.Band().Toolbar()), window);
    // 4.71 is the first with a rebar.
    RebuildBand(4, 71, true);
    EXPECT_TRUE(g_mainWindow.Band().RebarUsed());
    EXPECT_EQ(GetParent(g_mainWindow.Band().Toolbar()), GetDlgItem(window, 1));
}

TEST_F(Construction, TheStatusBarStartsWithTheHelpPrompt) {
    ASSERT_TRUE(Create());
    HWND statusBar = g_mainWindow.Status().Window();
    EXPECT_EQ(test::ClassName(statusBar), "msctls_statusbar32");
    EXPECT_EQ(GetDlgCtrlID(statusBar), 3);
    EXPECT_EQ(GetParent(statusBar), g_mainWindow.Window());
    // The status bar draws its own border in place of WS_BORDER.
    EXPECT_EQ(Style(statusBar) & 0x50000103, 0x50000103);
    UINT flags = 0;
    EXPECT_EQ(test::PaneText(statusBar, 0, &flags), "Press F1 for help");
    EXPECT_TRUE(flags & SBT_NOBORDERS);
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(statusBar, WM_GETFONT, 0, 0)), GetStockObject(DEFAULT_GUI_FONT));
    RECT rect;
    GetWindowRect(statusBar, &rect);
    EXPECT_EQ(g_mainWindow.Status().Height(), rect.bottom - rect.top);
    EXPECT_GT(g_mainWindow.Status().Height(), 0);
    EXPECT_EQ(g_mainWindow.ViewCursor(), LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(106)));
}

// Needs the status panes that SizeStatusPanes sets.
TEST_F(Construction, TheStatusBarHasFivePanesWithTheSwatchAndLinkOwnerDrawn) {
    ASSERT_TRUE(Create());
    HWND statusBar = g_mainWindow.Status().Window();
    ASSERT_EQ(test::PaneEdges(statusBar).size(), 5u);
    UINT flags = 0;
    test::PaneText(statusBar, 2, &flags);
    EXPECT_TRUE(flags & SBT_OWNERDRAW);
    test::PaneText(statusBar, 4, &flags);
    EXPECT_TRUE(flags & SBT_OWNERDRAW);
    // The pane tooltips were added on the panes.
    std::vector<test::Tool> tools = test::ToolsOf(g_mainWindow.ControlTips().Window());
    for (int pane = 1; pane <= 4; ++pane) {
        const test::Tool* tool = test::FindTool(tools, statusBar, pane);
        ASSERT_NE(tool, nullptr);
        EXPECT_TRUE(test::SameRect(tool->rect, test::PaneRect(statusBar, pane))) << "pane " << pane;
    }
}

TEST_F(Construction, TooltipsCoverBothSlidersAndFourPanes) {
    g_settings.ZoomFactor = 12;
    g_settings.Update = 4;
    ASSERT_TRUE(Create());
    HWND tips = g_mainWindow.ControlTips().Window();
    ASSERT_TRUE(IsWindow(tips));
    EXPECT_EQ(test::ClassName(tips), "tooltips_class32");
    EXPECT_EQ(GetWindow(tips, GW_OWNER), g_mainWindow.Window());
    EXPECT_TRUE(Style(tips) & TTS_ALWAYSTIP);

    std::vector<test::Tool> tools = test::ToolsOf(tips);
    const test::Tool* zoom = test::FindTool(tools, tips, reinterpret_cast<UINT_PTR>(g_mainWindow.Band().ZoomSlider()));
    ASSERT_NE(zoom, nullptr);
    EXPECT_EQ(zoom->flags & (TTF_IDISHWND | TTF_SUBCLASS), static_cast<UINT>(TTF_IDISHWND | TTF_SUBCLASS));
    EXPECT_EQ(zoom->text, "Zoom Level x12");
    const test::Tool* update =
        test::FindTool(tools, tips, reinterpret_cast<UINT_PTR>(g_mainWindow.Band().UpdateSlider()));
    ASSERT_NE(update, nullptr);
    EXPECT_EQ(update->text, "Auto Update - Fast");

    const char* paneTexts[] = {
        nullptr,
        "Shows the color under the mouse cursor. Right click to toggle between hexadecimal and RGB format.",
        "The color under the mouse cursor.",
        "The current mouse coordinates. Right click to switch between screen coordinates and window coordinates.",
        "A link to Quillfern. Click it to see more cool developer tools.",
    };
    for (UINT_PTR pane = 1; pane <= 4; ++pane) {
        const test::Tool* tool = test::FindTool(tools, g_mainWindow.Status().Window(), pane);
        ASSERT_NE(tool, nullptr) << "pane " << pane;
        EXPECT_EQ(tool->flags & TTF_IDISHWND, 0u);
        EXPECT_TRUE(tool->flags & TTF_SUBCLASS);
        EXPECT_EQ(tool->text, paneTexts[pane]);
    }
    // The toolbar's buttons use the same control and get their texts from the main window.
    const test::Tool* grid = test::FindTool(tools, g_mainWindow.Band().Toolbar(), 4027);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->text, "Toggle the grid (Ctrl+G)");
    const test::Tool* options = test::FindTool(tools, g_mainWindow.Band().Toolbar(), 4017);
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->text, "Displays the options dialog (Ctrl+O).");
}

TEST_F(Construction, ToolbarTipsAreTheTextBeforeTheLineBreak) {
    ASSERT_TRUE(Create());
    EXPECT_EQ(ToolbarTip(4027), "Toggle the grid (Ctrl+G)");
    EXPECT_EQ(ToolbarTip(112), "Toggle always on top state (Ctrl+T)");
    EXPECT_EQ(ToolbarTip(32771), "Copy zoomed image to clipboard (Ctrl+C)");
    // A text longer than the buffer is cut to 79 characters.
    std::string longTip = ToolbarTip(32802);
    EXPECT_EQ(longTip.size(), 79u);
    EXPECT_EQ(longTip, std::string("The current mouse coordinates. Right click to switch between screen coordinates and window "
                                   "coordinates.")
                           .substr(0, 79));
    // A command without a string has no tip.
    EXPECT_EQ(ToolbarTip(9999), "");
}

TEST_F(Construction, MenuHelpShowsThePromptAfterTheLineBreak) {
    ASSERT_TRUE(Create());
    HWND statusBar = g_mainWindow.Status().Window();
    HMENU menu = CreatePopupMenu();
    ASSERT_NE(menu, nullptr);
    SendMessageA(g_mainWindow.Window(), WM_MENUSELECT, MAKEWPARAM(4015, MF_STRING), reinterpret_cast<LPARAM>(menu));
    UINT flags = 0;
    EXPECT_EQ(test::PaneText(statusBar, 0, &flags), "Toggle the toolbar on and off");
    EXPECT_TRUE(flags & SBT_NOBORDERS);
    SendMessageA(g_mainWindow.Window(), WM_MENUSELECT, MAKEWPARAM(4017, MF_STRING), reinterpret_cast<LPARAM>(menu));
    EXPECT_EQ(test::PaneText(statusBar, 0), "Display the options dialog.");
    // No line break: the resting prompt.
    SendMessageA(g_mainWindow.Window(), WM_MENUSELECT, MAKEWPARAM(32779, MF_STRING), reinterpret_cast<LPARAM>(menu));
    EXPECT_EQ(test::PaneText(statusBar, 0), "Press F1 for help");
    SendMessageA(g_mainWindow.Window(), WM_MENUSELECT, MAKEWPARAM(4015, MF_STRING), reinterpret_cast<LPARAM>(menu));
    // The menu closes.
    SendMessageA(g_mainWindow.Window(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(test::PaneText(statusBar, 0), "Press F1 for help");
    DestroyMenu(menu);
}

TEST_F(Construction, TheSystemMenuEndsWithOptionsAndAbout) {
    ASSERT_TRUE(Create());
    HMENU menu = GetSystemMenu(g_mainWindow.Window(), FALSE);
    ASSERT_NE(menu, nullptr);
    int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 4);
    EXPECT_TRUE(GetMenuState(menu, count - 4, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(GetMenuItemID(menu, count - 3), 0x20u);
    EXPECT_EQ(MenuItemText(menu, count - 3), "&Options...\tCtrl+O");
    EXPECT_TRUE(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(GetMenuItemID(menu, count - 1), 0x10u);
    EXPECT_EQ(MenuItemText(menu, count - 1), "&About Ocularix");
}

bool Topmost(HWND window) {
    return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// Windows owned by a topmost window become topmost with it. Wine 8 leaves the
// flag of an owner of pop-ups clear, so it is read from the owned tooltip control.
TEST_F(Construction, AlwaysOnTopRaisesTheWindowAndPressesItsButton) {
    ASSERT_TRUE(Create());
    EXPECT_FALSE(Topmost(g_mainWindow.ControlTips().Window()));
    EXPECT_EQ(SendMessageA(g_mainWindow.Band().Toolbar(), TB_GETSTATE, 112, 0), TBSTATE_ENABLED);
    test::DestroyMainWindowForTest();

    g_settings.AlwaysOnTop = 1;
    ASSERT_TRUE(Create());
    EXPECT_TRUE(Topmost(g_mainWindow.ControlTips().Window()));
    EXPECT_EQ(SendMessageA(g_mainWindow.Band().Toolbar(), TB_GETSTATE, 112, 0), TBSTATE_ENABLED | TBSTATE_CHECKED);

    g_settings.AlwaysOnTop = 0;
    g_mainWindow.ApplyTopmost();
    EXPECT_FALSE(Topmost(g_mainWindow.Window()));
    EXPECT_EQ(SendMessageA(g_mainWindow.Band().Toolbar(), TB_GETSTATE, 112, 0), TBSTATE_ENABLED);
}

TEST_F(Construction, TheToolbarAndStatusBarFollowTheirSettings) {
    g_settings.DisplayToolbar = 0;
    g_settings.DisplayStatusbar = 0;
    ASSERT_TRUE(Create());
    EXPECT_FALSE(IsWindowVisible(g_mainWindow.Band().Window()));
    EXPECT_FALSE(IsWindowVisible(g_mainWindow.Status().Window()));
    g_settings.DisplayToolbar = 1;
    g_mainWindow.ShowToolbarBand();
    EXPECT_TRUE(IsWindowVisible(g_mainWindow.Band().Window()));
    EXPECT_TRUE(IsWindowVisible(g_mainWindow.Band().ZoomSlider()));
    g_settings.DisplayStatusbar = 1;
    g_mainWindow.ShowStatusBar();
    EXPECT_TRUE(IsWindowVisible(g_mainWindow.Status().Window()));
}

// Needs Layout, which places the view between the band and the status bar.
TEST_F(Construction, HidingTheBarsGivesTheViewTheirRoom) {
    ASSERT_TRUE(Create());
    HWND window = g_mainWindow.Window();
    RECT client;
    GetClientRect(window, &client);
    RECT view = g_mainWindow.GetViewRect();
    EXPECT_EQ(view.top, client.top + g_mainWindow.Band().Height());
    EXPECT_EQ(view.bottom, client.bottom - g_mainWindow.Status().Height());

    g_settings.DisplayToolbar = 0;
    g_mainWindow.ShowToolbarBand();
    view = g_mainWindow.GetViewRect();
    EXPECT_EQ(view.top, client.top);
    EXPECT_EQ(view.bottom, client.bottom - g_mainWindow.Status().Height());

    g_settings.DisplayStatusbar = 0;
    g_mainWindow.ShowStatusBar();
    view = g_mainWindow.GetViewRect();
    EXPECT_EQ(view.top, client.top);
    EXPECT_EQ(view.bottom, client.bottom);

    g_settings.DisplayToolbar = 1;
    g_mainWindow.ShowToolbarBand();
    EXPECT_EQ(g_mainWindow.GetViewRect().top, client.top + g_mainWindow.Band().Height());
}

TEST_F(Construction, TheTrackingTimerRuns) {
    ASSERT_TRUE(Create());
    // A timer that exists is replaced (non-zero) and can be killed; one that does not cannot.
    EXPECT_TRUE(KillTimer(g_mainWindow.Window(), kTrackingTimerId));
    EXPECT_FALSE(KillTimer(g_mainWindow.Window(), kTrackingTimerId));
}

TEST_F(Construction, ChildrenNeverKeepTheFocus) {
    ASSERT_TRUE(Create());
    HWND window = g_mainWindow.Window();
    SetForegroundWindow(window);
    SetFocus(window);
    ASSERT_EQ(GetFocus(), window);
    const ToolbarBand& band = g_mainWindow.Band();
    for (HWND child : {band.ZoomSlider(), band.UpdateSlider(), band.Toolbar(), g_mainWindow.Status().Window()}) {
        SetFocus(child);
        EXPECT_EQ(GetFocus(), window) << test::ClassName(child);
    }
}

}  // namespace
