// Display scale. The program is aware of each monitor's scale: a window on a
// monitor at 144 or 192 DPI sizes its own parts for that monitor, while every
// screen pixel it magnifies stays a true screen pixel. The functions that only
// newer systems have are looked up at run time; without them the scale is the
// system's. Shared by the program and the panning library.
#pragma once

#include <windows.h>

#include "common/Handles.h"

namespace dpi {

// The scale every size of the program was drawn for (100 %).
constexpr int kBase = 96;

// A length given at 100 %, at this DPI, rounded to the nearest pixel.
constexpr int Scale(int length, int dpi) {
    const long long scaled = static_cast<long long>(length) * dpi;
    return static_cast<int>(scaled >= 0 ? (scaled + kBase / 2) / kBase : -((-scaled + kBase / 2) / kBase));
}

// A length measured at one DPI, at another, rounded to the nearest pixel.
inline int Convert(int length, UINT fromDpi, UINT toDpi) {
    return fromDpi ? MulDiv(length, static_cast<int>(toDpi), static_cast<int>(fromDpi)) : length;
}

// The whole-number enlargement nearest to the scale, halves rounded up, never
// below 1: 1 at 96 and 120, 2 at 144 and 192, 3 at 288. Pixel art is enlarged
// by it, pixel for pixel, so that it stays crisp.
constexpr int WholeFactor(int dpi) {
    const int factor = (2 * dpi + kBase) / (2 * kBase);
    return factor < 1 ? 1 : factor;
}

// The system's scale: the one the stock fonts and the dialog manager's
// defaults were made for.
inline UINT System() {
    HDC screen = GetDC(nullptr);
    const int logical = screen ? GetDeviceCaps(screen, LOGPIXELSX) : kBase;
    if (screen) ReleaseDC(nullptr, screen);
    return logical > 0 ? static_cast<UINT>(logical) : kBase;
}

// A USER32 function that only newer systems export, or null.
template <typename Function>
Function User32Function(const char* name) {
    return OptionalExport<Function>(GetModuleHandleA("user32.dll"), name);
}

// The scale of the monitor the window is on (Windows 10 1607 and later), else the system's.
inline UINT ForWindow(HWND window) {
    typedef UINT(WINAPI * GetDpiForWindowProc)(HWND);
    static const GetDpiForWindowProc getDpiForWindow = User32Function<GetDpiForWindowProc>("GetDpiForWindow");
    const UINT value = (getDpiForWindow && window) ? getDpiForWindow(window) : 0;
    return value ? value : System();
}

// DEFAULT_GUI_FONT's face at a DPI, for the caller to own. Null where the DPI
// is the system's, for the stock font itself serves there (it follows only the
// system's scale, not each monitor's), and where no font can be made.
inline HFONT CreateGuiFont(UINT dpiValue) {
    const UINT system = System();
    if (dpiValue == system) return nullptr;
    LOGFONTA face;
    if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(face), &face) != sizeof(face)) return nullptr;
    face.lfHeight = Convert(face.lfHeight, system, dpiValue);
    face.lfWidth = Convert(face.lfWidth, system, dpiValue);
    return CreateFontIndirectA(&face);
}

// A system metric at a DPI; where the system cannot tell one for a DPI, its own.
inline int Metric(int index, UINT dpiValue) {
    typedef int(WINAPI * GetSystemMetricsForDpiProc)(int, UINT);
    static const GetSystemMetricsForDpiProc metricForDpi =
        User32Function<GetSystemMetricsForDpiProc>("GetSystemMetricsForDpi");
    return metricForDpi ? metricForDpi(index, dpiValue) : GetSystemMetrics(index);
}

// The window rectangle around a client rectangle at a DPI; the system's own
// adjustment where it cannot tell one for a DPI.
inline BOOL AdjustRect(RECT* rect, DWORD style, BOOL menu, DWORD exStyle, UINT dpiValue) {
    typedef BOOL(WINAPI * AdjustWindowRectExForDpiProc)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const AdjustWindowRectExForDpiProc adjustForDpi =
        User32Function<AdjustWindowRectExForDpiProc>("AdjustWindowRectExForDpi");
    return adjustForDpi ? adjustForDpi(rect, style, menu, exStyle, dpiValue)
                        : AdjustWindowRectEx(rect, style, menu, exStyle);
}

}  // namespace dpi
