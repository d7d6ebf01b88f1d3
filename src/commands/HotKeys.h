// System-wide hot keys of the main window: one copies the zoomed view, the other
// the colour under the mouse, while any other program is active.
#pragma once

#include <windows.h>

// Ids passed to RegisterHotKey and received in WM_HOTKEY's wParam.
constexpr int kBitmapHotKeyId = 1;
constexpr int kColourHotKeyId = 2;

// The HOTKEYF_* flags of a hot-key control as RegisterHotKey's MOD_* flags;
// the extended-key flag and unknown bits are dropped.
UINT HotKeyModifiers(UINT hotKeyControlFlags);

// Registers both hot keys from the settings, after giving up any this program
// holds; called at window creation and when the Options dialog closes. A key that
// another program holds is left out silently.
void RegisterHotKeys(HWND window);
void UnregisterHotKeys(HWND window);
