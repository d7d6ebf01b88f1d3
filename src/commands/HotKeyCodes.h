// How a hot key is written: in the Options dialog's hot-key boxes and the
// settings (a virtual key and HOTKEYF_* modifiers), and for RegisterHotKey
// (MOD_* modifiers). Plain values in and out, no windows.
#pragma once

#include <windows.h>
#include <stdint.h>

// The HOTKEYF_* flags of a hot-key control as RegisterHotKey's MOD_* flags;
// the extended-key flag and unknown bits are dropped.
UINT HotKeyModifiers(UINT hotKeyControlFlags);

// A hot-key control's word: the virtual key in the low byte, the HOTKEYF_*
// modifiers in the high byte. Only the low byte of each stored value counts.
WORD HotKeyControlWord(uint32_t virtualKey, uint32_t modifiers);
void SplitHotKeyControlWord(WORD controlWord, uint32_t* virtualKey, uint32_t* modifiers);
