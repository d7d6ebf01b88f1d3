// The header of 32-bit, top-down device-independent pixels: rows from the top,
// a DWORD a pixel, blue in the low byte.
#pragma once

#include <windows.h>

inline BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}
