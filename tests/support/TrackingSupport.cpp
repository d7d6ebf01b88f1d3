#include "support/TrackingSupport.h"

#include <windows.h>

#include <commctrl.h>

#include "support/TestSupport.h"

namespace test {

namespace {

const char kColourClass[] = "OcularixTestColour";

void RegisterColourClass(WNDPROC proc) {
    WNDCLASSEXA description = {};
    description.cbSize = sizeof(description);
    description.lpfnWndProc = proc;
    description.hInstance = GetModuleHandleA(nullptr);
    description.lpszClassName = kColourClass;
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof(existing);
    if (!GetClassInfoExA(description.hInstance, kColourClass, &existing)) RegisterClassExA(&description);
}

}  // namespace

ColourWindow::ColourWindow(const RECT& r, COLORREF colour) : window_(nullptr), colour_(colour) {
    RegisterColourClass(Proc);
    window_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kColourClass, nullptr, WS_POPUP, r.left, r.top,
                              r.right - r.left, r.bottom - r.top, nullptr, nullptr, GetModuleHandleA(nullptr),
                              this);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
    PumpMessages(100);
}

ColourWindow::~ColourWindow() {
    if (window_) DestroyWindow(window_);
    PumpMessages(50);
}

void ColourWindow::SetColour(COLORREF colour) {
    colour_ = colour;
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

LRESULT CALLBACK ColourWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const CREATESTRUCTA* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    ColourWindow* self = reinterpret_cast<ColourWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_ERASEBKGND) return 1;
    if (message == WM_PAINT && self) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        HBRUSH brush = CreateSolidBrush(self->colour_);
        RECT client;
        GetClientRect(window, &client);
        FillRect(dc, &client, brush);
        DeleteObject(brush);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

ScreenCapture::ScreenCapture(const RECT& r) : rect_(r) {
    int width = r.right - r.left;
    int height = r.bottom - r.top;
    pixels_.assign(static_cast<size_t>(width) * height, 0);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info = TopDown32(width, height);
    GetDIBits(memory, bitmap, 0, height, pixels_.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

COLORREF ScreenCapture::At(int x, int y) const {
    int width = rect_.right - rect_.left;
    DWORD bgr = pixels_[static_cast<size_t>(y - rect_.top) * width + (x - rect_.left)];
    return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}

std::string StatusText(HWND statusBar, int pane) {
    char text[512] = "";
    LRESULT length = SendMessageA(statusBar, SB_GETTEXTLENGTHA, pane, 0);
    if (LOWORD(length) >= sizeof(text)) return std::string();
    SendMessageA(statusBar, SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string ToolText(HWND toolTips, HWND owner, HWND tool) {
    char text[512] = "";
    TOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = text;
    SendMessageA(toolTips, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&info));
    return text;
}

bool MoveCursor(int x, int y) {
    SetCursorPos(x, y);
    return PumpUntil(
        [&] {
            POINT p;
            GetCursorPos(&p);
            return p.x == x && p.y == y;
        },
        2000);
}

namespace {

// Pumps until done() or ms pass, counting the ticks of one timer.
template <typename Done>
int PumpTicks(HWND window, UINT_PTR timerId, DWORD ms, Done done) {
    int ticks = 0;
    DWORD start = GetTickCount();
    while (GetTickCount() - start < ms && !done(ticks)) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            bool tick = message.message == WM_TIMER && message.hwnd == window && message.wParam == timerId;
            TranslateMessage(&message);
            DispatchMessageA(&message);
            if (tick) ++ticks;
            if (done(ticks)) return ticks;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return ticks;
}

}  // namespace

int PumpCountingTimer(HWND window, UINT_PTR timerId, DWORD ms) {
    return PumpTicks(window, timerId, ms, [](int) { return false; });
}

bool PumpTimerTicks(HWND window, UINT_PTR timerId, int count, DWORD ms) {
    return PumpTicks(window, timerId, ms, [count](int ticks) { return ticks >= count; }) >= count;
}

namespace {

struct ClassSearch {
    const char* className;
    int count;
};

BOOL CALLBACK CountVisibleOfClass(HWND window, LPARAM data) {
    ClassSearch* s = reinterpret_cast<ClassSearch*>(data);
    char name[64];
    if (IsWindowVisible(window) && GetClassNameA(window, name, sizeof(name)) && lstrcmpA(name, s->className) == 0) {
        ++s->count;
    }
    return TRUE;
}

}  // namespace

int CountThreadWindows(const char* className) {
    ClassSearch search = {className, 0};
    EnumThreadWindows(GetCurrentThreadId(), CountVisibleOfClass, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

}  // namespace test
