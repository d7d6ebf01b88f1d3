// Small window helpers shared by the main window's parts.
#pragma once

#include <windows.h>

// True when the window exists and the screen point lies in its window
// rectangle (left and top edges inside, right and bottom edges outside).
bool PointInWindow(HWND window, POINT screenPoint);

// The height of a window's rectangle; 0 for no window.
int WindowHeight(HWND window);

// The version of the common controls this process uses. S_OK or another
// non-negative code on success; E_INVALIDARG for a missing output, E_FAIL when
// the library cannot be loaded or refuses to tell. A library without
// "DllGetVersion" is taken as 4.0.
HRESULT GetCommonControlsVersion(DWORD* major, DWORD* minor);

// The toolbar goes into a rebar only from common controls 4.71 on.
bool CommonControlsHaveRebar(DWORD major, DWORD minor, bool versionKnown);
