#include "app/Application.h"

#include <commctrl.h>

#include "common/Dpi.h"
#include "common/Handles.h"
#include "common/Names.h"
#include "common/Format.h"

#include "mainwindow/MainWindow.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "text/Strings.h"

#ifndef _WIN64
static_assert(sizeof(WNDCLASSEXA) == 48, "WNDCLASSEXA keeps its 32-bit size");
static_assert(sizeof(INITCOMMONCONTROLSEX) == 8, "INITCOMMONCONTROLSEX keeps its 32-bit size");
static_assert(sizeof(MSG) == 28, "MSG keeps its 32-bit size");
#endif

namespace {

constexpr int kDefaultWidth = 450;
constexpr int kDefaultHeight = 250;
constexpr UINT kMainClassStyle = CS_DBLCLKS | CS_BYTEALIGNCLIENT;
constexpr int kSmallIconSize = 16;

// The class's small icon, made once and kept while the process runs: the class
// may be registered again (the tests do), and each registration uses it.
Icon g_smallIcon;

}  // namespace

HCURSOR LoadHandCursor(HINSTANCE instance) {
    HCURSOR cursor = LoadCursorA(nullptr, IDC_HAND);
    return cursor ? cursor : LoadCursorA(instance, MAKEINTRESOURCEA(IDC_POINTING_HAND));
}

int Entry(HINSTANCE instance, int showCommand) {
    g_instance = instance;
    g_handCursor = LoadHandCursor(instance);

    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES | ICC_COOL_CLASSES};
    if (!InitCommonControlsEx(&controls)) {
        ShowSystemError(nullptr, g_strings.appTitle.Text());
        return 0;
    }
    if (!CreateMainWindow(instance, showCommand)) return 0;

    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!TranslateAcceleratorA(message.hwnd, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

bool CreateMainWindow(HINSTANCE instance, int showCommand) {
    // A fresh window is 450 x 250 at 100 %, at the scale of the screen it
    // opens on; a stored placement is in screen pixels and used as it is.
    const bool stored = g_settings.WasRead(Setting::WindowPos);
    const UINT systemDpi = dpi::System();
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int width = dpi::Scale(kDefaultWidth, static_cast<int>(systemDpi));
    int height = dpi::Scale(kDefaultHeight, static_cast<int>(systemDpi));
    if (stored) {
        const RECT& placement = g_settings.WindowPos;
        x = placement.left;
        y = placement.top;
        width = placement.right - placement.left;
        height = placement.bottom - placement.top;
    }

    if (g_settings.SingleInstance && ActivateRunningInstance()) return false;

    const char* title = g_strings.appTitle.Text();
    ATOM atom = RegisterMainClass(instance);
    HWND window = CreateWindowExA(WS_EX_APPWINDOW, MAKEINTATOM(atom), title, WS_OVERLAPPEDWINDOW, x, y, width,
                                  height, nullptr, nullptr, instance, nullptr);
    if (!window) {
        ShowSystemError(nullptr, title);
        return false;
    }
    // A fresh window that opened on a monitor whose scale is not the system's takes that monitor's.
    const int windowDpi = static_cast<int>(g_mainWindow.Dpi());
    if (!stored && g_mainWindow.Dpi() != systemDpi) {
        SetWindowPos(window, nullptr, 0, 0, dpi::Scale(kDefaultWidth, windowDpi), dpi::Scale(kDefaultHeight, windowDpi),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(window, showCommand);
    // A placement stored on a monitor that has gone is brought back onto the desktop.
    g_mainWindow.KeepOnDesktop();
    return true;
}

ATOM RegisterMainClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = kMainClassStyle;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_OCULARIX));
    if (!g_smallIcon) {
        g_smallIcon.reset(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_OCULARIX), IMAGE_ICON,
                                                        kSmallIconSize, kSmallIconSize, LR_DEFAULTCOLOR)));
    }
    windowClass.hIconSm = g_smallIcon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = names::kMainWindowClass;
    return RegisterClassExA(&windowClass);
}

bool ActivateRunningInstance() {
    HWND running = FindWindowA(names::kMainWindowClass, nullptr);
    if (!running) return false;
    // An open dialog of the other instance comes forward rather than the window behind it.
    HWND popup = GetLastActivePopup(running);
    BringWindowToTop(popup);
    SetForegroundWindow(popup);
    SetActiveWindow(popup);
    if (IsIconic(popup)) ShowWindow(popup, SW_RESTORE);
    return true;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // WM_GETMINMAXINFO is the first message a new overlapped window receives, so
    // the object knows its window before WM_CREATE.
    if (message == WM_GETMINMAXINFO || !g_mainWindow.Window()) g_mainWindow.Bind(window);
    return g_mainWindow.HandleMessage(message, wParam, lParam);
}

void ShowSystemError(HWND owner, const char* caption) {
    char* text = nullptr;
    DWORD error = GetLastError();
    DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&text), 0, nullptr);
    // Some codes have no system text: show the number rather than nothing.
    char fallback[64] = "";
    if (length == 0 || !text) FormatText(fallback, "Error %lu", static_cast<unsigned long>(error));
    MessageBoxA(owner, (length && text) ? text : fallback, caption, MB_ICONERROR);
    if (text) LocalFree(text);
}
