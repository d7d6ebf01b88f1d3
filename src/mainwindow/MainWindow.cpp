#include "mainwindow/MainWindow.h"

#include <commctrl.h>
#include <string.h>
#include <windowsx.h>

#include "commands/Help.h"
#include "commands/HotKeys.h"
#include "dialogs/Dialogs.h"
#include "mainwindow/Placement.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "text/Strings.h"
#include "view/Render.h"

#ifndef _WIN64
static_assert(sizeof(WINDOWPLACEMENT) == 44, "WINDOWPLACEMENT keeps its 32-bit size");
#endif

namespace {

constexpr UINT kOwnerDrawNoBorders = SBT_NOBORDERS;
constexpr int kMenuHelpLength = 256;

// The legacy wheel message exists only on Windows 95 (4.0) and NT 3.0 systems.
UINT RegisterLegacyWheelMessage() {
    DWORD version = GetVersion();
    WORD low = LOWORD(version);
    bool windows95Family = (version & 0x80000000u) != 0;
    if ((windows95Family && low == 0x0004) || (!windows95Family && low == 0x0003)) {
        return RegisterWindowMessageA("MSWHEEL_ROLLMSG");
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

}  // namespace

RegisteredMessages::RegisteredMessages()
    : legacyWheel(RegisterLegacyWheelMessage()),
      originUpdate(RegisterWindowMessageA("qf_OriginWindowUpdate")),
      originEnd(RegisterWindowMessageA("qf_OriginWindowEnd")) {}

MainWindow::MainWindow()
    : window(nullptr),
      sourceHeight(0),
      sourceWidth(0),
      halfHeight(0),
      halfWidth(0),
      zoomFrame{0, 0, 0, 0},
      highestZoomPoint{0, 0},
      picking(false),
      zoomPoint(g_settings.ZoomPoint),
      sampledColour(0),
      selectionActive(false),
      selecting(false),
      selectionAnchor{0, 0},
      selectionEnd{0, 0},
      identityPalette(CreateIdentityPalette()),
      viewRegion(nullptr),
      viewCursor(nullptr),
      rebarUsed(false),
      toolbarBandHeight(0),
      toolbar(nullptr),
      toolbarBand(nullptr),
      zoomSlider(nullptr),
      updateSlider(nullptr),
      statusBarHeight(0),
      statusBar(nullptr),
      viewHidden(false) {
    RefreshDesktopRect();
}

MainWindow::~MainWindow() {
    if (viewRegion) DeleteObject(viewRegion);
    if (identityPalette) DeleteObject(identityPalette);
    // The control tool tips, the marquee and the tracking tooltip release their
    // own windows and classes as members.
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED && LOWORD(lParam) != 0 && HIWORD(lParam) != 0) {
            Layout();
            Redraw();
            SizeStatusPanes();
        }
        return 0;
    case WM_SETFOCUS:
        Redraw();
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus(reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        Render(dc);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        // Render covers the whole view, so nothing is erased and nothing flickers.
        return 0;
    case WM_SETTINGCHANGE:
        KeepOnDesktop();
        Layout();
        Redraw();
        return 0;
    case WM_CANCELMODE:
        EndPicking();
        return 0;
    case WM_SETCURSOR:
        if (OnSetCursor()) return 1;
        break;
    case WM_DRAWITEM:
        if (wParam == IDC_STATUS_BAR) OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return 0;
    case WM_NOTIFY:
        OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        return 0;
    case WM_HELP:
        ShowHelp(window, HELP_CONTEXT, HELP_TOPIC_MAIN);
        return 0;
    case WM_CONTEXTMENU:
        if (ShowContextMenu(ContextMenuPoint(lParam))) return 0;
        break;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam));
        return 0;
    case WM_SYSKEYDOWN:
        // Not passed on: Alt+F4 arrives as a command through the accelerator table.
        CancelSelection();
        EndPicking();
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
    case WM_HSCROLL: {
        HWND slider = reinterpret_cast<HWND>(lParam);
        if (slider && (slider == zoomSlider || slider == updateSlider)) {
            OnHScroll(slider, LOWORD(wParam), HIWORD(wParam));
        }
        return 0;
    }
    case WM_MENUSELECT:
        OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        return 0;
    case WM_MOUSEMOVE:
        if (picking) {
            OnPickingMouseMove();
        } else if (selecting) {
            OnSelectingMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        }
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
        OnMButtonDown(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_MOUSEWHEEL:
        OnMouseWheel(static_cast<short>(HIWORD(wParam)), LOWORD(wParam));
        return 0;
    case WM_HOTKEY:
        OnHotKey(wParam);
        return 0;
    default:
        // Registered messages have no fixed numbers, so they are compared last.
        if (message == g_messages.originUpdate) return OnOriginUpdate(lParam);
        if (message == g_messages.originEnd) OnOriginEnd();
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

POINT MainWindow::ContextMenuPoint(LPARAM lParam) const {
    // The keyboard form (Shift+F10 or the menu key) carries -1 in both words
    // (a 64-bit lParam may hold them zero-extended): the menu then opens at the
    // view's top-left corner, like the Shift+F10 accelerator.
    if (GET_X_LPARAM(lParam) == -1 && GET_Y_LPARAM(lParam) == -1) {
        RECT view = GetViewRect();
        POINT corner = {view.left, view.top};
        ClientToScreen(window, &corner);
        return corner;
    }
    // Signed words, so that monitors left of or above the primary one get their menu.
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return point;
}

void MainWindow::OnDestroy() {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    if (GetWindowPlacement(window, &placement)) g_settings.WindowPos = placement.rcNormalPosition;
    g_settings.ZoomPoint = zoomPoint;
    PostQuitMessage(0);
    // Closes the help window if this program opened one.
    ShowHelp(window, HELP_QUIT, 0);
    UnregisterHotKeys(window);
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
        if (RunOptionsDialog(window)) {
            g_settings.SaveSettings();
            ApplyTransparency(window, g_settings.Transparent != 0, g_settings.nTransparency);
            Redraw();
        }
        return true;
    default:
        return false;
    }
}

void MainWindow::OnMenuSelect(WORD item, WORD flags, HMENU menu) {
    char text[kMenuHelpLength];
    lstrcpynA(text, g_strings.pressF1.Text(), kMenuHelpLength);
    if (menu && flags != 0xFFFF && item != 0) {
        // A command's string is "tooltip\nprompt": the prompt goes to the status bar.
        ResString help(item);
        const char* full = help.Text();
        const char* lineBreak = full ? strchr(full, '\n') : nullptr;
        if (lineBreak) lstrcpynA(text, lineBreak + 1, kMenuHelpLength);
    }
    if (statusBar) SendMessageA(statusBar, SB_SETTEXTA, 0 | kOwnerDrawNoBorders, reinterpret_cast<LPARAM>(text));
}

void MainWindow::OnTimer(UINT_PTR id) {
    if (id == kRefreshTimerId) {
        OnRefreshTick();
    } else if (id == kTrackingTimerId) {
        OnTrackingTick();
    }
}

void MainWindow::OnMButtonDown(int x, int y) {
    if (selectionActive || selecting) CancelSelection();
    EndPicking();
    g_panningLibrary = LoadLibraryA("STEERPAD");
    if (!g_panningLibrary) return;
    ++g_panningLoads;
    typedef int(WINAPI * StartPanningProc)(HWND, BOOL, BOOL, int, int);
    StartPanningProc startPanning =
        reinterpret_cast<StartPanningProc>(reinterpret_cast<void*>(GetProcAddress(g_panningLibrary, "StartPanning")));
    if (!startPanning) return;
    startPanning(window, TRUE, TRUE, x, y);
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

void MainWindow::OnOriginEnd() {
    // Any program can post the end message; only a reference that a press of
    // ours took is given back, so a forged message cannot unload the library
    // under a running session.
    if (g_panningLoads == 0 || !g_panningLibrary) return;
    --g_panningLoads;
    FreeLibrary(g_panningLibrary);
}
