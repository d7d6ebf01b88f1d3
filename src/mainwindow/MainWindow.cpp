#include "mainwindow/MainWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include "commands/Help.h"
#include "commands/HotKeys.h"
#include "commands/Wheel.h"
#include "common/Names.h"
#include "common/Process.h"
#include "dialogs/Dialogs.h"
#include "mainwindow/Placement.h"
#include "resources/resource.h"
#include "settings/Settings.h"

#ifndef _WIN64
static_assert(sizeof(WINDOWPLACEMENT) == 44, "WINDOWPLACEMENT keeps its 32-bit size");
#endif

namespace {

// The legacy wheel message exists only on Windows 95 (4.0) and NT 3.0 systems.
UINT RegisterLegacyWheelMessage() {
    DWORD version = GetVersion();
    WORD low = LOWORD(version);
    bool windows95Family = (version & 0x80000000u) != 0;
    if ((windows95Family && low == 0x0004) || (!windows95Family && low == 0x0003)) {
        return RegisterWindowMessageA(names::kLegacyWheelMessage);
    }
    return 0;
}

// The panning library's step lives in a frame of this thread's stack, above
// ours, while it is sent. A posted message is dispatched without InSendMessage()
// being set, so its address is checked to lie in that live part of the stack
// before it is read: the committed pages from our frame up to the stack's top.
bool OnLiveStack(LPARAM address, size_t size) {
    volatile char here = 0;
    MEMORY_BASIC_INFORMATION stack;
    if (!VirtualQuery(const_cast<char*>(&here), &stack, sizeof(stack))) return false;
    ULONG_PTR low = reinterpret_cast<ULONG_PTR>(&here);
    ULONG_PTR high = reinterpret_cast<ULONG_PTR>(stack.BaseAddress) + stack.RegionSize;
    ULONG_PTR start = static_cast<ULONG_PTR>(address);
    return start > low && start < high && high - start >= size;
}

// A panning session runs while the panning library's origin window holds the capture.
bool PanningSessionRunning() {
    HWND capture = GetCapture();
    char className[sizeof(names::kOriginWindowClass) + 1] = "";
    return capture && GetClassNameA(capture, className, sizeof(className)) &&
           lstrcmpA(className, names::kOriginWindowClass) == 0;
}

// The help's popups are sized for the main window's own DPI, which follows its
// moves between monitors; other windows' for their monitor's.
UINT HelpOwnerDpi(HWND window) {
    return window == g_mainWindow.Window() ? g_mainWindow.Dpi() : dpi::ForWindow(window);
}

}  // namespace

RegisteredMessages::RegisteredMessages()
    : legacyWheel(RegisterLegacyWheelMessage()),
      originUpdate(RegisterWindowMessageA(names::kOriginUpdateMessage)),
      originEnd(RegisterWindowMessageA(names::kOriginEndMessage)) {}

MainWindow::MainWindow() {
    identityPalette.reset(CreateIdentityPalette());
    magnifier.SetZoomPoint(g_settings.ZoomPoint);
    RefreshDesktopRect();
    SetHelpDpiSource(HelpOwnerDpi);
    // The control tool tips, the marquee and the tracking tooltip release their
    // own windows and classes, and the palette and region owners their objects.
}

MainWindow::~MainWindow() = default;

void MainWindow::Bind(HWND boundWindow) {
    window = boundWindow;
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_NCDESTROY:
        return OnNcDestroy(wParam, lParam);
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_SETFOCUS:
        Redraw();
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus(reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        // Render covers the whole view, so nothing is erased and nothing flickers.
        return 0;
    case WM_SETTINGCHANGE:
        OnSettingChange();
        return 0;
    case WM_DPICHANGED:
        // Both words carry the new DPI; they are always equal.
        OnDpiChanged(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CANCELMODE:
        EndPicking();
        return 0;
    case WM_SETCURSOR:
        if (OnSetCursor()) return TRUE;
        break;
    case WM_DRAWITEM:
        status.Draw(static_cast<UINT>(wParam), *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), sampledColour);
        return 0;
    case WM_NOTIFY:
        OnNotify(reinterpret_cast<NMHDR*>(lParam));
        return 0;
    case WM_HELP:
        ShowHelp(window, HELP_CONTEXT, HELP_TOPIC_MAIN);
        return 0;
    case WM_CONTEXTMENU:
        if (OnContextMenu(lParam)) return 0;
        break;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam));
        return 0;
    case WM_SYSKEYDOWN:
        OnSysKeyDown();
        return 0;
    case WM_COMMAND:
        if (ExecuteCommand(LOWORD(wParam))) return 0;
        break;
    case WM_SYSCOMMAND:
        if (OnSysCommand(wParam)) return 0;
        break;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_HSCROLL:
        OnHScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_MENUSELECT:
        OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown();
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp();
        return 0;
    case WM_RBUTTONDOWN:
        OnRButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_RBUTTONUP:
        OnRButtonUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_MBUTTONDOWN:
    // A press soon after the last one, at the same place, comes as a double
    // click: it starts a session all the same.
    case WM_MBUTTONDBLCLK:
        OnMButtonDown(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_MOUSEWHEEL:
        OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam), GET_KEYSTATE_WPARAM(wParam));
        return 0;
    case WM_HOTKEY:
        OnHotKey(wParam);
        return 0;
    default:
        // Registered messages have no fixed numbers, so they are compared last;
        // the legacy wheel's only where this system registered it.
        if (g_messages.legacyWheel != 0 && message == g_messages.legacyWheel) {
            return ForwardLegacyWheel(window, wParam, lParam);
        }
        if (message == g_messages.originUpdate) return OnOriginUpdate(lParam);
        if (message == g_messages.originEnd) OnOriginEnd();
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

POINT MainWindow::ViewCornerOnScreen() const {
    RECT view = GetViewRect();
    POINT corner = {view.left, view.top};
    ClientToScreen(window, &corner);
    return corner;
}

bool MainWindow::OnContextMenu(LPARAM lParam) {
    // The keyboard form (Shift+F10 or the menu key) carries -1 in both words
    // (a 64-bit lParam may hold them zero-extended): the menu then opens at the
    // view's top-left corner, like the Shift+F10 accelerator. Otherwise the
    // words are signed, so that monitors left of or above the primary one get
    // their menu.
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    POINT point = {x, y};
    if (x == -1 && y == -1) point = ViewCornerOnScreen();
    return ShowContextMenu(point);
}

void MainWindow::OnDestroy() {
    // A pick the window goes in the middle of takes its outline off the screen,
    // which would otherwise stay inverted there.
    if (magnifier.Picking()) EndPicking();
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    if (GetWindowPlacement(window, &placement)) g_settings.WindowPos = placement.rcNormalPosition;
    g_settings.ZoomPoint = magnifier.ZoomPoint();
    PostQuitMessage(0);
    // Closes the help window if this program opened one.
    ShowHelp(window, HELP_QUIT, 0);
    UnregisterHotKeys(window);
}

LRESULT MainWindow::OnNcDestroy(WPARAM wParam, LPARAM lParam) {
    LRESULT result = DefWindowProcA(window, WM_NCDESTROY, wParam, lParam);
    // The window and its children are gone: no late call may reach their
    // handles, which the system may give to other windows.
    window = nullptr;
    band.Forget();
    status.Forget();
    controlTips.Forget();
    viewRegion.reset();
    frame.Release();
    magnifier.Forget();
    // A drag or a selection the window went in the middle of ends with it, and
    // the next window starts with none.
    magnifier.EndDrag();
    trackingToolTip.Hide();
    marquee.Hide();
    viewCursor = nullptr;
    return result;
}

void MainWindow::OnSize(UINT kind, int width, int height) {
    // A minimised window, or one without width or height, keeps its geometry.
    if (kind == SIZE_MINIMIZED || width == 0 || height == 0) return;
    Layout();
    Redraw();
    SizeStatusPanes();
}

void MainWindow::OnPaint() {
    PaintScope paint(window);
    Render(paint);
}

void MainWindow::OnSettingChange() {
    KeepOnDesktop();
    Layout();
    Redraw();
}

void MainWindow::OnDpiChanged(UINT newDpi, const RECT* suggested) {
    if (newDpi == 0) return;
    // The parts first, so that the resize below lays out the new ones.
    if (newDpi != currentDpi) RemakeForDpi(newDpi);
    if (suggested) {
        SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // As for WM_SIZE, which does not come when the size stays.
    Layout();
    Redraw();
    SizeStatusPanes();
}

void MainWindow::OnSysKeyDown() {
    // Not passed on: Alt+F4 arrives as a command through the accelerator table.
    CancelSelection();
    EndPicking();
}

void MainWindow::OnMouseMove(int x, int y) {
    // Picking the zoom point takes precedence over a selection drag.
    if (magnifier.Picking()) {
        OnPickingMouseMove();
    } else if (magnifier.Selecting()) {
        OnSelectingMouseMove(x, y);
    }
}

void MainWindow::OnKillFocus(HWND gainingFocus) {
    // The sliders, the toolbar and the status bar never keep the keyboard focus,
    // so the keys always reach the main window.
    if (gainingFocus && IsChild(window, gainingFocus)) SetFocus(window);
}

bool MainWindow::OnSysCommand(WPARAM command) {
    switch (command & 0xFFF0) {
    case IDM_SYS_ABOUT:
        RunAboutDialog(window);
        return true;
    case IDM_SYS_OPTIONS:
        RunOptions();
        return true;
    default:
        return false;
    }
}

void MainWindow::OnMenuSelect(WORD item, WORD flags, HMENU menu) {
    // Closing the menu (no menu, flags 0xFFFF) and pop-up items show the resting prompt.
    status.ShowCommandPrompt(menu && flags != 0xFFFF ? item : 0);
}

bool MainWindow::OnSetCursor() {
    POINT cursor;
    if (!GetCursorPos(&cursor) || !status.LinkAt(cursor)) return false;
    SetCursor(g_handCursor);
    return true;
}

void MainWindow::OnNotify(NMHDR* header) {
    // The tooltip's request is ours to fill in: the header heads its record.
    if (header->code == TTN_NEEDTEXTA) {
        ToolbarBand::FillButtonTip(*reinterpret_cast<NMTTDISPINFOA*>(header));
    } else {
        status.OnClick(*header);
    }
}

void MainWindow::OnTimer(UINT_PTR id) {
    if (id == kRefreshTimerId) {
        OnRefreshTick();
    } else if (id == kTrackingTimerId) {
        OnTrackingTick();
    }
}

void MainWindow::OnMButtonDown(int x, int y) {
    if (magnifier.SelectionHeld()) CancelSelection();
    EndPicking();
    Module library(LoadLibraryA(names::kPanningLibrary));
    if (!library) return;
    g_panningLibrary = library;
    const names::StartPanningFunction startPanning =
        OptionalExport<names::StartPanningFunction>(library, names::kStartPanningExport);
    if (startPanning) startPanning(window, TRUE, TRUE, x, y);
    // StartPanning answers 0 whether or not a session began; a session that
    // began holds the mouse capture in its origin window, and only then does
    // an end message follow to give the reference back. Otherwise it goes now.
    if (startPanning && PanningSessionRunning()) {
        ++g_panningLoads;
        library.release();  // counted in g_panningLoads until the end message
    }
}

LRESULT MainWindow::OnOriginUpdate(LPARAM step) {
    // The step is a pointer. The panning library always sends from this thread;
    // a send from another thread or process, or a posted message, could make us
    // read any address, so it is refused without touching lParam.
    if (InSendMessage() || !OnLiveStack(step, sizeof(POINT))) return 0;
    const POINT* delta = reinterpret_cast<const POINT*>(step);
    MoveZoomPoint(delta->x, delta->y);
    return 1;
}

void MainWindow::OnHotKey(WPARAM id) {
    const HotKey* key = FindHotKey(id);
    if (!key) return;
    switch (key->work) {
    case HotKeyWork::CopyZoomedView:
        CopyZoomedView();
        break;
    case HotKeyWork::CopyColourUnderMouse:
        CopyColourUnderMouse();
        break;
    }
}

void MainWindow::OnOriginEnd() {
    // Any program can post the end message; only a reference that a press of
    // ours took is given back, so a forged message cannot unload the library
    // under a running session.
    if (g_panningLoads == 0 || !g_panningLibrary) return;
    --g_panningLoads;
    FreeLibrary(g_panningLibrary);
}
