// Building the main window's contents: the toolbar band with its sliders, the
// status bar, the shared tooltips and the system-menu items.
#include <windows.h>
#include <commctrl.h>
#include <stddef.h>

#include "app/Application.h"
#include "commands/Help.h"
#include "commands/HotKeys.h"
#include "common/Format.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/Placement.h"
#include "mainwindow/WindowUtil.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "text/ResString.h"
#include "text/Strings.h"
#include "view/TrackingMath.h"

#ifndef _WIN64
static_assert(sizeof(TBBUTTON) == 20, "TBBUTTON keeps its 32-bit size");
// The band record as common controls 4.71 know it, up to its header width.
static_assert(offsetof(REBARBANDINFOA, cxHeader) + sizeof(REBARBANDINFOA::cxHeader) == 80,
              "REBARBANDINFOA_V6_SIZE keeps its 32-bit size");
#endif

namespace {

constexpr DWORD kRebarStyle =
    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_BORDER | CCS_NODIVIDER | CCS_TOP;
constexpr DWORD kToolbarInRebarStyle =
    WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE;
constexpr DWORD kToolbarAloneStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_TOP;
constexpr DWORD kSliderStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | TBS_FIXEDLENGTH | TBS_NOTICKS;
constexpr DWORD kStatusBarStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | SBARS_SIZEGRIP | CCS_BOTTOM;

// The toolbar strip holds eight images; the About image (4) is not on the toolbar.
constexpr int kToolbarImageCount = 6;
constexpr int kButtonWidth = 16;
constexpr int kButtonHeight = 15;
constexpr int kImageWidth = 16;
constexpr int kImageHeight = 15;
constexpr int kToolbarIndent = 4;

constexpr int kBandMinChildHeight = 21;
constexpr int kBandWidth = 100;
// The band window's bottom border lies under the view's top edge.
constexpr int kBandOverlap = 2;

constexpr int kSliderGap = 2;
constexpr int kZoomSliderButtons = 3;
// Without a rebar the toolbar is flatter and the thumbs would touch its edges.
constexpr int kBareThumbReduction = 2;

constexpr int kToolTipTextLength = 128;

TBBUTTON Button(int image, int command, BYTE kind) {
    TBBUTTON button = {};
    button.iBitmap = image;
    button.idCommand = command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = kind;
    return button;
}

TBBUTTON Separator() {
    return Button(0, 0, TBSTYLE_SEP);
}

// The groups {always on top}, {save}, {copy zoomed, copy screen}, {follow},
// {grid}, {options}, each followed by a separator; the sliders sit right of the last.
constexpr int kToolbarButtonCount = 13;
void ToolbarButtons(TBBUTTON (&buttons)[kToolbarButtonCount]) {
    int i = 0;
    buttons[i++] = Button(0, IDM_ALWAYS_ON_TOP, TBSTYLE_CHECK);
    buttons[i++] = Separator();
    buttons[i++] = Button(1, IDM_SAVE_IMAGE_AS, TBSTYLE_BUTTON);
    buttons[i++] = Separator();
    buttons[i++] = Button(2, IDM_COPY_ZOOMED, TBSTYLE_BUTTON);
    buttons[i++] = Button(3, IDM_COPY_SCREEN, TBSTYLE_BUTTON);
    buttons[i++] = Separator();
    buttons[i++] = Button(5, IDM_FOLLOW_MOUSE, TBSTYLE_CHECK);
    buttons[i++] = Separator();
    buttons[i++] = Button(6, IDM_TOGGLE_GRID, TBSTYLE_CHECK);
    buttons[i++] = Separator();
    buttons[i++] = Button(7, IDM_OPTIONS, TBSTYLE_BUTTON);
    buttons[i++] = Separator();
}

// The zoom slider is three Options buttons wide and starts just right of that button.
RECT ZoomSliderRect(const RECT& optionsButton) {
    int left = optionsButton.right + kSliderGap;
    int width = kZoomSliderButtons * (optionsButton.right - optionsButton.left);
    return RECT{left, optionsButton.top, left + width, optionsButton.bottom};
}

// The update slider follows the zoom slider at half its width.
RECT UpdateSliderRect(const RECT& zoomSlider) {
    int left = zoomSlider.right + kSliderGap;
    int width = (zoomSlider.right - zoomSlider.left) / 2;
    return RECT{left, zoomSlider.top, left + width, zoomSlider.bottom};
}

int WindowHeight(HWND window) {
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

void AppendSystemMenuItem(HMENU menu, UINT id, UINT textId) {
    ResString text(textId);
    AppendMenuA(menu, MF_STRING, id, text.Text());
}

}  // namespace

bool MainWindow::OnCreate() {
    RegisterHotKeys(window);
    viewCursor = LoadCursorA(g_instance, MAKEINTRESOURCEA(IDC_VIEW_ARROW));
    ApplyTransparency(window, g_settings.Transparent != 0, g_settings.nTransparency);
    controlTips.Create(g_instance, window);

    DWORD major = 0;
    DWORD minor = 0;
    bool versionKnown = SUCCEEDED(GetCommonControlsVersion(&major, &minor));
    BuildToolbarBand(major, minor, versionKnown);

    BuildStatusBar();
    SizeStatusPanes();
    // Until the first colour change rewrites them, the swatch and the link
    // are drawn only when their panes are marked owner-drawn.
    SendMessageA(statusBar, SB_SETTEXTA, SBT_OWNERDRAW | kSwatchPane, 0);
    SendMessageA(statusBar, SB_SETTEXTA, SBT_OWNERDRAW | kLinkPane, 0);
    AddControlTips();

    // The main topic opens by itself at the first start and after a newer help file arrives.
    if (TakeNewerFileTime(kHelpFileName, &g_settings.HelpFileTime)) ShowHelp(window, HELP_CONTEXT, HELP_TOPIC_MAIN);

    SetUpdateSpeed(g_settings.Update, true);
    SetTimer(window, kTrackingTimerId, kTrackingIntervalMs, nullptr);
    ApplyTopmost();
    RefreshGridButton();
    ShowToolbarBand();
    ShowStatusBar();

    HMENU systemMenu = GetSystemMenu(window, FALSE);
    if (systemMenu) {
        AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
        AppendSystemMenuItem(systemMenu, IDM_SYS_OPTIONS, IDS_SYSMENU_OPTIONS);
        AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
        AppendSystemMenuItem(systemMenu, IDM_SYS_ABOUT, IDS_SYSMENU_ABOUT);
    }
    return true;
}

void MainWindow::BuildToolbarBand(DWORD commonControlsMajor, DWORD commonControlsMinor, bool versionKnown) {
    rebarUsed = false;
    toolbarBand = nullptr;
    if (CommonControlsHaveRebar(commonControlsMajor, commonControlsMinor, versionKnown)) {
        HWND rebar = CreateWindowExA(0, REBARCLASSNAMEA, nullptr, kRebarStyle, 0, 0, 0, 0, window,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_REBAR)), g_instance, nullptr);
        if (rebar) {
            rebarUsed = true;
            toolbarBand = rebar;
        }
    }

    toolbar = CreateToolbarEx(rebarUsed ? toolbarBand : window, rebarUsed ? kToolbarInRebarStyle : kToolbarAloneStyle,
                              IDC_TOOLBAR, kToolbarImageCount, g_instance, IDB_TOOLBAR_STRIP, nullptr, 0,
                              kButtonWidth, kButtonHeight, kImageWidth, kImageHeight, sizeof(TBBUTTON));
    if (!rebarUsed) toolbarBand = toolbar;

    SendMessageA(toolbar, TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(controlTips.Window()), 0);
    TBBUTTON buttons[kToolbarButtonCount];
    ToolbarButtons(buttons);
    SendMessageA(toolbar, TB_ADDBUTTONSA, kToolbarButtonCount, reinterpret_cast<LPARAM>(buttons));
    SendMessageA(toolbar, TB_SETINDENT, kToolbarIndent, 0);

    if (rebarUsed) {
        REBARBANDINFOA band = {};
        band.cbSize = REBARBANDINFOA_V6_SIZE;
        band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE;
        band.fStyle = RBBS_CHILDEDGE | RBBS_TOPALIGN;
        band.hwndChild = toolbar;
        band.cxMinChild = 0;
        band.cyMinChild = kBandMinChildHeight;
        band.cx = kBandWidth;
        SendMessageA(toolbarBand, RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
    }
    toolbarBandHeight = WindowHeight(toolbarBand) - kBandOverlap;

    // The sliders are made on the main window and then moved into the toolbar,
    // keeping their coordinates, so that they scroll and hide with it.
    RECT optionsButton = {0, 0, 0, 0};
    SendMessageA(toolbar, TB_GETRECT, IDM_OPTIONS, reinterpret_cast<LPARAM>(&optionsButton));
    RECT zoomRect = ZoomSliderRect(optionsButton);
    RECT updateRect = UpdateSliderRect(zoomRect);
    struct SliderPlan {
        HWND* slider;
        const RECT* rect;
        int low;
        int high;
        int position;
    } const sliders[] = {
        {&zoomSlider, &zoomRect, kMinZoomFactor, kMaxZoomFactor, g_settings.ZoomFactor},
        {&updateSlider, &updateRect, kMinUpdateSpeed, kMaxUpdateSpeed, g_settings.Update},
    };
    for (const SliderPlan& plan : sliders) {
        const RECT& r = *plan.rect;
        HWND slider = CreateWindowExA(0, TRACKBAR_CLASSA, nullptr, kSliderStyle, r.left, r.top, r.right - r.left,
                                      r.bottom - r.top, window, nullptr, g_instance, nullptr);
        SendMessageA(slider, TBM_SETRANGE, TRUE, MAKELPARAM(plan.low, plan.high));
        SendMessageA(slider, TBM_SETPOS, TRUE, plan.position);
        SetParent(slider, toolbar);
        *plan.slider = slider;
    }

    if (!rebarUsed) {
        LRESULT thumb = SendMessageA(zoomSlider, TBM_GETTHUMBLENGTH, 0, 0);
        SendMessageA(zoomSlider, TBM_SETTHUMBLENGTH, thumb - kBareThumbReduction, 0);
        SendMessageA(updateSlider, TBM_SETTHUMBLENGTH, thumb - kBareThumbReduction, 0);
    }
}

void MainWindow::BuildStatusBar() {
    const char* pressF1 = g_strings.pressF1.Text();
    statusBar = CreateStatusWindowA(kStatusBarStyle, pressF1, window, IDC_STATUS_BAR);
    SendMessageA(statusBar, SB_SETTEXTA, kMessagePane | SBT_NOBORDERS, reinterpret_cast<LPARAM>(pressF1));
    SendMessageA(statusBar, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    statusBarHeight = WindowHeight(statusBar);
}

void MainWindow::AddControlTips() {
    char text[kToolTipTextLength];
    FormatText(text, g_strings.zoomLevelTip.Text(), static_cast<int>(g_settings.ZoomFactor));
    controlTips.AddWindowTool(zoomSlider, text);
    controlTips.Activate(true);
    FormatText(text, g_strings.autoUpdateTip.Text(), UpdateSpeedName(g_settings.Update));
    controlTips.AddWindowTool(updateSlider, text);

    // Panes 1 to 4: colour text, swatch, coordinates, link.
    static const UINT kPaneTips[kStatusPaneCount] = {0, IDS_TIP_COLOUR_PANE, IDS_TIP_SWATCH_PANE,
                                                     IDS_TIP_COORDINATES_PANE, IDS_TIP_LINK_PANE};
    for (int pane = kColourPane; pane < kStatusPaneCount; ++pane) {
        RECT rect = {0, 0, 0, 0};
        SendMessageA(statusBar, SB_GETRECT, pane, reinterpret_cast<LPARAM>(&rect));
        ResString tip(kPaneTips[pane]);
        controlTips.AddRectTool(statusBar, rect, tip.Text(), pane);
    }
}

void MainWindow::ApplyTopmost() {
    bool topmost = g_settings.AlwaysOnTop != 0;
    SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    SendMessageA(toolbar, TB_SETSTATE, IDM_ALWAYS_ON_TOP,
                 MAKELPARAM(topmost ? (TBSTATE_ENABLED | TBSTATE_CHECKED) : TBSTATE_ENABLED, 0));
}

void MainWindow::ShowToolbarBand() {
    ShowWindow(toolbarBand, g_settings.DisplayToolbar ? SW_SHOW : SW_HIDE);
    Layout();
    Redraw();
}

void MainWindow::ShowStatusBar() {
    ShowWindow(statusBar, g_settings.DisplayStatusbar ? SW_SHOW : SW_HIDE);
    Layout();
    Redraw();
}
