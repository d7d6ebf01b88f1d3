#include "commands/HelpPopup.h"

#include <commctrl.h>

#include "common/Handles.h"
#include "common/Process.h"
#include "view/PopupMath.h"

namespace {

const char kHelpPopupClass[] = "wyn_HelpPopup";
constexpr DWORD kPopupStyle = WS_POPUP | WS_BORDER;
constexpr int kTextMargin = 6;
// About fifty characters a line: short enough to read at a glance.
constexpr int kReadableCharacters = 48;
constexpr UINT kTextFormat = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;

ATOM g_helpPopupAtom = 0;

RECT WorkAreaAt(const RECT& anchor) {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    if (GetMonitorInfoA(MonitorFromRect(&anchor, MONITOR_DEFAULTTONEAREST), &monitor)) return monitor.rcWork;
    RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return screen;
}

struct OwnedTips {
    HWND owner;
    std::vector<HWND>* tips;
};

BOOL CALLBACK CollectOwnedTip(HWND window, LPARAM data) {
    OwnedTips* found = reinterpret_cast<OwnedTips*>(data);
    char className[sizeof(TOOLTIPS_CLASSA) + 1] = "";
    if (GetWindow(window, GW_OWNER) == found->owner && GetClassNameA(window, className, sizeof(className)) &&
        lstrcmpiA(className, TOOLTIPS_CLASSA) == 0) {
        found->tips->push_back(window);
    }
    return TRUE;
}

}  // namespace

HelpPopup::HelpPopup() {}

HelpPopup::~HelpPopup() {
    // The window goes before the class, which cannot be unregistered while it exists.
    DestroyPopup();
    UnregisterPopupClass(g_helpPopupAtom);
}

bool HelpPopup::Show(HWND owner, const char* text, const RECT& anchor, UINT dpiValue) {
    // One topic at a time: a new request replaces the popup shown.
    Hide();
    if (!g_helpPopupAtom) {
        WNDCLASSEXA description = {};
        description.style = CS_DROPSHADOW;
        description.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        description.lpszClassName = kHelpPopupClass;
        g_helpPopupAtom = RegisterPopupClass(description);
        if (!g_helpPopupAtom) return false;
    }
    if (!CreatePopup(g_helpPopupAtom, kPopupStyle, owner)) return false;
    text_ = text ? text : "";
    if (!dpiValue) dpiValue = dpi::ForWindow(owner);
    // The popup is hidden, so no DC holds the font made for another DPI.
    font_.MakeFor(dpiValue);
    const int margin = dpi::Scale(kTextMargin, static_cast<int>(dpiValue));

    RECT workArea = WorkAreaAt(anchor);
    RECT frame = {0, 0, 0, 0};
    {
        WindowDC dc(window_);
        SelectionGuard font(dc, font_.get());
        TEXTMETRICA metrics = {};
        GetTextMetricsA(dc, &metrics);
        int widest = metrics.tmAveCharWidth * kReadableCharacters;
        int roomOnMonitor = (workArea.right - workArea.left) - 2 * margin - 2 * dpi::Metric(SM_CXBORDER, dpiValue);
        if (widest > roomOnMonitor) widest = roomOnMonitor;
        frame.right = widest;
        DrawTextA(dc, text_.c_str(), -1, &frame, kTextFormat | DT_CALCRECT);
    }
    frame.right += 2 * margin;
    frame.bottom += 2 * margin;
    dpi::AdjustRect(&frame, kPopupStyle, FALSE, 0, dpiValue);
    SIZE size = {frame.right - frame.left, frame.bottom - frame.top};
    RECT placed = HelpPopupRect(size, anchor, workArea, dpiValue);

    QuietOwnerTips(owner);
    // Shown active, so that the next key reaches it; the capture brings it the
    // next click in any window of the program.
    SetWindowPos(window_, HWND_TOP, placed.left, placed.top, size.cx, size.cy, SWP_SHOWWINDOW);
    SetForegroundWindow(window_);
    SetCapture(window_);
    return true;
}

void HelpPopup::Hide() {
    PopupWindow::Hide();
    WakeOwnerTips();
}

void HelpPopup::QuietOwnerTips(HWND owner) {
    if (!owner) return;
    OwnedTips found = {owner, &quietTips_};
    EnumThreadWindows(GetCurrentThreadId(), CollectOwnedTip, reinterpret_cast<LPARAM>(&found));
    // The mouse is the popup's now, and no tool's: a tip already due is let go too.
    MSG mouseInPopup = {};
    mouseInPopup.hwnd = window_;
    mouseInPopup.message = WM_MOUSEMOVE;
    for (HWND tip : quietTips_) {
        SendMessageA(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&mouseInPopup));
        SendMessageA(tip, TTM_ACTIVATE, FALSE, 0);
    }
}

void HelpPopup::WakeOwnerTips() {
    // The program's tooltip controls are always active otherwise.
    for (HWND tip : quietTips_) {
        if (IsWindow(tip)) SendMessageA(tip, TTM_ACTIVATE, TRUE, 0);
    }
    quietTips_.clear();
}

LRESULT HelpPopup::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        OnPaint(window);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_CLOSE:
        Hide();
        return 0;
    case WM_ACTIVATE:
        // Closed after the change of activation has run its course, not in the middle of it.
        if (LOWORD(wParam) == WA_INACTIVE) PostMessageA(window, WM_CLOSE, 0, 0);
        break;
    case WM_DESTROY:
        // Going with its owner: so do the owner's tips.
        quietTips_.clear();
        break;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != window) PostMessageA(window, WM_CLOSE, 0, 0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void HelpPopup::OnPaint(HWND window) {
    PaintScope dc(window);
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_INFOBK));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    SelectionGuard font(dc, font_.get());
    const int margin = dpi::Scale(kTextMargin, static_cast<int>(font_.Dpi()));
    InflateRect(&client, -margin, -margin);
    DrawTextA(dc, text_.c_str(), -1, &client, kTextFormat);
}
