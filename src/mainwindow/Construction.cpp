// Building the main window's contents: the toolbar band with its sliders, the
// status bar, the shared tooltips and the system-menu items.
#include <windows.h>

#include "commands/Help.h"
#include "commands/HotKeys.h"
#include "common/Process.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/Switches.h"
#include "mainwindow/WindowUtil.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "text/ResString.h"

namespace {

void AppendSystemMenuItem(HMENU menu, UINT id, UINT textId) {
    ResString text(textId);
    AppendMenuA(menu, MF_STRING, id, text.Text());
}

}  // namespace

bool MainWindow::OnCreate() {
    currentDpi = dpi::ForWindow(window);
    // As at construction: a window made again in the same process starts
    // where the last one was left, as the next start of the program would.
    magnifier.SetZoomPoint(g_settings.ZoomPoint);
    RegisterHotKeys(window);
    viewCursor = LoadCursorA(g_instance, MAKEINTRESOURCEA(IDC_VIEW_ARROW));
    ApplyTranslucency();
    controlTips.Create(g_instance, window);

    DWORD major = 0;
    DWORD minor = 0;
    bool versionKnown = SUCCEEDED(GetCommonControlsVersion(&major, &minor));
    BuildToolbarBand(major, minor, versionKnown);

    status.Create(window, currentDpi);
    SizeStatusPanes();
    // Until the first colour change rewrites them, the swatch and the link
    // are drawn only when their panes are marked owner-drawn.
    status.MarkOwnerDrawn();
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
    band.Build(window, controlTips, commonControlsMajor, commonControlsMinor, versionKnown, g_settings.ZoomFactor,
               g_settings.Update, currentDpi);
}

void MainWindow::RemakeForDpi(UINT newDpi) {
    currentDpi = newDpi;
    band.Rebuild(g_settings.ZoomFactor, g_settings.Update, currentDpi);
    band.AddSliderTip(ToolbarBand::Slider::Zoom, g_settings.ZoomFactor);
    band.AddSliderTip(ToolbarBand::Slider::UpdateSpeed, g_settings.Update);
    ShowSwitchButtons(band);
    band.Show(g_settings.DisplayToolbar != 0);
    status.SetDpi(currentDpi);
}

void MainWindow::AddControlTips() {
    band.AddSliderTip(ToolbarBand::Slider::Zoom, g_settings.ZoomFactor);
    controlTips.Activate(true);
    band.AddSliderTip(ToolbarBand::Slider::UpdateSpeed, g_settings.Update);
    status.AddTips(controlTips);
}

void MainWindow::ApplyTopmost() {
    bool topmost = g_settings.AlwaysOnTop != 0;
    SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    ShowSwitchButton(band, IDM_ALWAYS_ON_TOP);
}

void MainWindow::ShowToolbarBand() {
    band.Show(g_settings.DisplayToolbar != 0);
    Layout();
    Redraw();
}

void MainWindow::ShowStatusBar() {
    status.Show(g_settings.DisplayStatusbar != 0);
    Layout();
    Redraw();
}
