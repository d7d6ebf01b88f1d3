#include "view/TrackingToolTip.h"

#include "common/Handles.h"
#include "common/Names.h"
#include "common/Process.h"
#include "resources/resource.h"
#include "view/PopupMath.h"

namespace {

ATOM g_toolTipAtom = 0;

}  // namespace

TrackingToolTip::TrackingToolTip() : text_{} {}

TrackingToolTip::~TrackingToolTip() {
    // The window goes before the class, which cannot be unregistered while it exists.
    DestroyPopup();
    UnregisterPopupClass(g_toolTipAtom);
}

ATOM TrackingToolTip::ClassAtom() {
    return g_toolTipAtom;
}

void TrackingToolTip::Show(HWND owner, int x, int y, const char* text, UINT dpiValue) {
    if (!window_) {
        if (!g_toolTipAtom) {
            WNDCLASSEXA description = {};
            description.style = CS_BYTEALIGNCLIENT | CS_DBLCLKS;
            description.lpszClassName = names::kTrackingToolTipClass;
            g_toolTipAtom = RegisterPopupClass(description);
            if (!g_toolTipAtom) return;
        }
        if (!CreatePopup(g_toolTipAtom, WS_POPUP | WS_BORDER, owner)) return;
    }
    lstrcpynA(text_, text ? text : "", kTextCapacity);
    if (!dpiValue) dpiValue = dpi::ForWindow(owner);
    if (dpiValue != font_.Dpi()) {
        // No DC holds the font between paints; the icon is loaded again at its new size.
        font_.MakeFor(dpiValue);
        smallIcon_.reset();
    }

    SIZE textSize = {0, 0};
    {
        WindowDC dc(window_);
        SelectionGuard font(dc, font_.get());
        GetTextExtentPoint32A(dc, text_, lstrlenA(text_), &textSize);
    }
    SIZE size = TrackingTipSize(textSize, dpiValue);
    SetWindowPos(window_, nullptr, x, y - size.cy, size.cx, size.cy, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER);
    InvalidateRect(window_, nullptr, FALSE);
}

LRESULT TrackingToolTip::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        OnPaint(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void TrackingToolTip::OnPaint(HWND window) {
    const UINT dpiValue = font_.Dpi();
    const int iconSize = TrackingTipIconSize(dpiValue);
    const int iconMargin = TrackingTipIconMargin(dpiValue);
    if (!smallIcon_) {
        smallIcon_.reset(static_cast<HICON>(LoadImageA(g_instance, MAKEINTRESOURCEA(IDI_OCULARIX), IMAGE_ICON,
                                                       iconSize, iconSize, LR_DEFAULTCOLOR)));
    }
    PaintScope dc(window);
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_INFOBK));
    if (smallIcon_) DrawIconEx(dc, iconMargin, iconMargin, smallIcon_, iconSize, iconSize, 0, nullptr, DI_NORMAL);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    {
        SelectionGuard font(dc, font_.get());
        client.left += iconSize;
        DrawTextA(dc, text_, -1, &client, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
}
