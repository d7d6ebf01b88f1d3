// Wheel turns that old mouse drivers report only through the registered
// message "MSWHEEL_ROLLMSG", passed on as WM_MOUSEWHEEL.
#pragma once

#include <windows.h>

// Sends WM_MOUSEWHEEL with the delta and the Ctrl and Shift state to the focus
// window, and on to its parents while they answer 0; to the main window when
// no window has the focus, whose answer is then returned. 0 otherwise.
LRESULT ForwardLegacyWheel(HWND mainWindow, WPARAM delta, LPARAM lParam);
