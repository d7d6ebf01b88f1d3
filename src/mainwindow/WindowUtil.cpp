#include "mainwindow/WindowUtil.h"

#include <shlwapi.h>

#include "common/Handles.h"

#ifndef _WIN64
static_assert(sizeof(DLLVERSIONINFO) == 20, "DLLVERSIONINFO keeps its 32-bit size");
#endif

bool PointInWindow(HWND window, POINT screenPoint) {
    RECT bounds;
    return window && IsWindow(window) && GetWindowRect(window, &bounds) && PtInRect(&bounds, screenPoint);
}

int WindowHeight(HWND window) {
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

HRESULT GetCommonControlsVersion(DWORD* major, DWORD* minor) {
    // A null check rather than probing the memory: probing can swallow a stack
    // guard page and crash later in a place that has nothing to do with this.
    if (!major || !minor) return E_INVALIDARG;
    Module library(LoadLibraryA("comctl32.dll"));
    if (!library) return E_FAIL;

    HRESULT result = S_OK;
    DLLGETVERSIONPROC getVersion = OptionalExport<DLLGETVERSIONPROC>(library, "DllGetVersion");
    if (getVersion) {
        DLLVERSIONINFO info = {};
        info.cbSize = sizeof(info);
        result = getVersion(&info);
        if (FAILED(result)) {
            result = E_FAIL;
        } else {
            *major = info.dwMajorVersion;
            *minor = info.dwMinorVersion;
        }
    } else {
        // The libraries before 4.71 did not export the function.
        *major = 4;
        *minor = 0;
    }
    return result;
}

bool CommonControlsHaveRebar(DWORD major, DWORD minor, bool versionKnown) {
    return versionKnown && (major > 4 || (major == 4 && minor >= 71));
}
