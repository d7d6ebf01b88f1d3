#include "commands/HotKeys.h"

#include <commctrl.h>

#include "settings/Settings.h"

namespace {

// The window each id is registered for now, null when it is not. Kept per id,
// so that when only one of the two could be registered, the next change still
// gives that one up instead of leaving its old combination working.
HWND g_registeredFor[kColourHotKeyId + 1] = {};
const int kHotKeyIds[] = {kBitmapHotKeyId, kColourHotKeyId};

// Gives up the registrations held for the window, or for any window when it is null.
void GiveUp(HWND window) {
    for (int id : kHotKeyIds) {
        HWND holder = g_registeredFor[id];
        if (!holder || (window && holder != window)) continue;
        UnregisterHotKey(holder, id);
        g_registeredFor[id] = nullptr;
    }
}

void RegisterOne(HWND window, int id, UINT virtualKey, UINT hotKeyControlFlags) {
    // A hot-key control left empty stores no key: there is nothing to register.
    // Without a window the key would belong to the thread, where nothing serves it.
    if (!window || virtualKey == 0) return;
    if (RegisterHotKey(window, id, HotKeyModifiers(hotKeyControlFlags), virtualKey)) g_registeredFor[id] = window;
}

}  // namespace

UINT HotKeyModifiers(UINT hotKeyControlFlags) {
    UINT modifiers = 0;
    if (hotKeyControlFlags & HOTKEYF_SHIFT) modifiers |= MOD_SHIFT;
    if (hotKeyControlFlags & HOTKEYF_CONTROL) modifiers |= MOD_CONTROL;
    if (hotKeyControlFlags & HOTKEYF_ALT) modifiers |= MOD_ALT;
    return modifiers;
}

void RegisterHotKeys(HWND window) {
    GiveUp(nullptr);
    // Each key stands on its own: one that is taken does not cost the other.
    RegisterOne(window, kBitmapHotKeyId, g_settings.nHotKeyBitmapVK, g_settings.nHotKeyBitmapModifiers);
    RegisterOne(window, kColourHotKeyId, g_settings.nHotKeyColourVK, g_settings.nHotKeyColourModifiers);
}

void UnregisterHotKeys(HWND window) {
    if (window) GiveUp(window);
}
