// System-wide hot keys of the main window.
#pragma once

#include <windows.h>

// The hot keys copy the view or the colour to the clipboard; until the copying
// exists they are not registered, so that no key combination is taken from other
// programs for nothing.
void RegisterHotKeys(HWND window);
void UnregisterHotKeys(HWND window);
