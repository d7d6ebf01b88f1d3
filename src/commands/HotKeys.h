// System-wide hot keys of the main window: each runs one of the main window's
// operations while any other program is active. One row of the table below per
// hot key; registration, the main window and the Options dialog go through it.
// The main window turns a row's work into its own operation.
#pragma once

#include <windows.h>
#include <stddef.h>
#include <stdint.h>

#include <iterator>

#include "commands/HotKeyCodes.h"
#include "resources/resource.h"
#include "settings/Settings.h"

// Ids passed to RegisterHotKey and received in WM_HOTKEY's wParam.
constexpr int kBitmapHotKeyId = 1;
constexpr int kColourHotKeyId = 2;

// What a hot key does.
enum class HotKeyWork { CopyZoomedView, CopyColourUnderMouse };

struct HotKey {
    int id;
    // The settings that hold its virtual key and its HOTKEYF_* modifiers.
    uint32_t Settings::*virtualKey;
    uint32_t Settings::*modifiers;
    // Its hot-key box in the Options dialog.
    int optionsControl;
    // When the system refuses it, the hot keys after it are left out too.
    bool refusalStopsTheRest;
    HotKeyWork work;
};

// In the order they are registered; the Options dialog lists them last row first.
inline constexpr HotKey kHotKeys[] = {
    {kBitmapHotKeyId, &Settings::nHotKeyBitmapVK, &Settings::nHotKeyBitmapModifiers, IDC_OPTIONS_BITMAP_HOT_KEY,
     true, HotKeyWork::CopyZoomedView},
    {kColourHotKeyId, &Settings::nHotKeyColourVK, &Settings::nHotKeyColourModifiers, IDC_OPTIONS_COLOUR_HOT_KEY,
     false, HotKeyWork::CopyColourUnderMouse},
};
constexpr size_t kHotKeyCount = std::size(kHotKeys);

// A row copied without changing its id, a setting or its box would silently take another's place.
constexpr bool HotKeysAreDistinct() {
    for (size_t i = 0; i < kHotKeyCount; ++i) {
        for (size_t j = i + 1; j < kHotKeyCount; ++j) {
            const HotKey& a = kHotKeys[i];
            const HotKey& b = kHotKeys[j];
            if (a.id == b.id || a.optionsControl == b.optionsControl || a.virtualKey == b.virtualKey ||
                a.modifiers == b.modifiers) {
                return false;
            }
        }
    }
    return true;
}
static_assert(HotKeysAreDistinct(), "each hot key has an id, settings and a box of its own");

// The hot key of a WM_HOTKEY id; null for an id that is none of these.
const HotKey* FindHotKey(WPARAM id);

// Registers the hot keys from the settings, in table order, after giving up any
// this program holds; called at window creation and when the Options dialog
// closes. A key that another program holds is left out silently.
void RegisterHotKeys(HWND window);
void UnregisterHotKeys(HWND window);
