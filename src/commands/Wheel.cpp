#include "commands/Wheel.h"

LRESULT ForwardLegacyWheel(HWND mainWindow, WPARAM delta, LPARAM lParam) {
    WORD keys = 0;
    if (GetKeyState(VK_CONTROL) < 0) keys |= MK_CONTROL;
    if (GetKeyState(VK_SHIFT) < 0) keys |= MK_SHIFT;
    WPARAM wheel = MAKEWPARAM(keys, LOWORD(delta));

    HWND focus = GetFocus();
    if (!focus) return SendMessageA(mainWindow, WM_MOUSEWHEEL, wheel, lParam);
    HWND desktop = GetDesktopWindow();
    for (HWND target = focus; target && target != desktop; target = GetParent(target)) {
        if (SendMessageA(target, WM_MOUSEWHEEL, wheel, lParam) != 0) break;
    }
    return 0;
}
