#include "commands/HotKeyCodes.h"

#include <commctrl.h>

UINT HotKeyModifiers(UINT hotKeyControlFlags) {
    UINT modifiers = 0;
    if (hotKeyControlFlags & HOTKEYF_SHIFT) modifiers |= MOD_SHIFT;
    if (hotKeyControlFlags & HOTKEYF_CONTROL) modifiers |= MOD_CONTROL;
    if (hotKeyControlFlags & HOTKEYF_ALT) modifiers |= MOD_ALT;
    return modifiers;
}

WORD HotKeyControlWord(uint32_t virtualKey, uint32_t modifiers) {
    return MAKEWORD(virtualKey & 0xFF, modifiers & 0xFF);
}

void SplitHotKeyControlWord(WORD controlWord, uint32_t* virtualKey, uint32_t* modifiers) {
    *virtualKey = LOBYTE(controlWord);
    *modifiers = HIBYTE(controlWord);
}
