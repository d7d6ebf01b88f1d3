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

// False when the system refused the key; an empty one is no refusal.
bool RegisterOne(HWND window, int id, UINT virtualKey, UINT hotKeyControlFlags) {
    // A hot-key control left empty stores no key: there is nothing to register.
    // Without a window the key would belong to the thread, where nothing serves it.
    if (!window || virtualKey == 0) return true;
    if (!RegisterHotKey(window, id, HotKeyModifiers(hotKeyControlFlags), virtualKey)) return false;
    g_registeredFor[id] = window;
    return true;
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
    // A bitmap key that another program holds leaves the colour key out too,
    // as it always has; an empty one does not.
    if (!RegisterOne(window, kBitmapHotKeyId, g_settings.nHotKeyBitmapVK, g_settings.nHotKeyBitmapModifiers)) return;
    RegisterOne(window, kColourHotKeyId, g_settings.nHotKeyColourVK, g_settings.nHotKeyColourModifiers);
}

void UnregisterHotKeys(HWND window) {
    if (window) GiveUp(window);
}
