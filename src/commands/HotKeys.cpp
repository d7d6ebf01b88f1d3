#include "commands/HotKeys.h"

namespace {

// The window each hot key, by row, is registered for now, null when it is not.
// Kept per key, so that when only some could be registered, the next change
// still gives those up instead of leaving their old combinations working.
HWND g_registeredFor[kHotKeyCount] = {};

// Gives up the registrations held for the window, or for any window when it is null.
void GiveUp(HWND window) {
    for (size_t row = 0; row < kHotKeyCount; ++row) {
        HWND holder = g_registeredFor[row];
        if (!holder || (window && holder != window)) continue;
        UnregisterHotKey(holder, kHotKeys[row].id);
        g_registeredFor[row] = nullptr;
    }
}

// False when the system refused the key; an empty one is no refusal.
bool RegisterOne(HWND window, size_t row) {
    const HotKey& key = kHotKeys[row];
    const UINT virtualKey = g_settings.*key.virtualKey;
    // A hot-key control left empty stores no key: there is nothing to register.
    // Without a window the key would belong to the thread, where nothing serves it.
    if (!window || virtualKey == 0) return true;
    if (!RegisterHotKey(window, key.id, HotKeyModifiers(g_settings.*key.modifiers), virtualKey)) return false;
    g_registeredFor[row] = window;
    return true;
}

}  // namespace

const HotKey* FindHotKey(WPARAM id) {
    for (const HotKey& key : kHotKeys) {
        if (static_cast<WPARAM>(key.id) == id) return &key;
    }
    return nullptr;
}

void RegisterHotKeys(HWND window) {
    GiveUp(nullptr);
    // A refusal stops the rest where the row says so: a refused bitmap key has
    // always left the colour key out. An empty key is no refusal.
    for (size_t row = 0; row < kHotKeyCount; ++row) {
        if (!RegisterOne(window, row) && kHotKeys[row].refusalStopsTheRest) return;
    }
}

void UnregisterHotKeys(HWND window) {
    if (window) GiveUp(window);
}
