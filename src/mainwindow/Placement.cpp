#include "mainwindow/Placement.h"

#include <vector>

#include "common/Handles.h"
#include "mainwindow/MainWindow.h"
#include "settings/Settings.h"

DesktopRect g_desktop = {0, 0, 0, 0};

namespace {

bool g_monitorTestDone = false;
bool g_virtualScreenKnown = false;

typedef BOOL(WINAPI* SetLayeredWindowAttributesProc)(HWND, COLORREF, BYTE, DWORD);

BOOL CALLBACK CollectMonitor(HMONITOR, HDC, LPRECT monitor, LPARAM monitors) {
    reinterpret_cast<std::vector<RECT>*>(monitors)->push_back(*monitor);
    return TRUE;
}

// The window's rectangle, brought onto the nearest monitor's work area when
// most of it is on no monitor (between monitors of different sizes).
RECT OntoMonitors(const RECT& window) {
    std::vector<RECT> monitors;
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    if (monitors.empty() || !MostlyOffMonitors(window, monitors)) return window;
    MONITORINFO nearest = {};
    nearest.cbSize = sizeof(nearest);
    if (!GetMonitorInfoA(MonitorFromRect(&window, MONITOR_DEFAULTTONEAREST), &nearest)) return window;
    return PlaceOnMonitors(window, monitors, nearest.rcWork);
}

}  // namespace

void RefreshDesktopRect() {
    if (!g_monitorTestDone) {
        // Only the function's presence matters: it marks a system that knows the
        // virtual screen spanning all monitors.
        HMODULE user32 = GetModuleHandleA("USER32");
        g_virtualScreenKnown = OptionalExport<FARPROC>(user32, "MonitorFromWindow") != nullptr;
        g_monitorTestDone = true;
    }
    if (g_virtualScreenKnown) {
        g_desktop.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
        g_desktop.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
        g_desktop.width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
        g_desktop.height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    } else {
        g_desktop.left = 0;
        g_desktop.top = 0;
        g_desktop.width = GetSystemMetrics(SM_CXSCREEN);
        g_desktop.height = GetSystemMetrics(SM_CYSCREEN);
    }
}

void MainWindow::KeepOnDesktop() {
    RefreshDesktopRect();
    RECT current;
    if (!GetWindowRect(window, &current)) return;
    const RECT moved = OntoMonitors(MoveOntoDesktop(current, g_desktop));
    if (EqualRect(&moved, &current)) return;
    SetWindowPos(window, nullptr, moved.left, moved.top, moved.right - moved.left, moved.bottom - moved.top,
                 SWP_NOZORDER);
}

void ApplyTransparency(HWND window, bool on, int opacity) {
    const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    if (!on) {
        SetWindowLongA(window, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
        return;
    }
    // Looked up at run time: older systems have no layered windows, and there
    // turning translucency on does nothing.
    Module user32(LoadLibraryA("User32"));
    if (!user32) return;
    SetLayeredWindowAttributesProc setLayeredAttributes =
        OptionalExport<SetLayeredWindowAttributesProc>(user32, "SetLayeredWindowAttributes");
    if (setLayeredAttributes) {
        SetWindowLongA(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
        setLayeredAttributes(window, 0, LayeredAlpha(opacity), LWA_ALPHA);
    }
}

void MainWindow::ApplyTranslucency() {
    ApplyTransparency(window, g_settings.Transparent != 0, g_settings.nTransparency);
}
