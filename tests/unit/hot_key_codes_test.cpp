// A hot key as the Options dialog's boxes and the settings write it, and as the
// system registers it, without any window.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "commands/HotKeyCodes.h"

namespace {

TEST(HotKeyCodes, ShiftControlAndAltBecomeTheirModFlagsAndTheExtendedKeyAndAboveAreDropped) {
    EXPECT_EQ(UINT(MOD_SHIFT), HotKeyModifiers(HOTKEYF_SHIFT));
    EXPECT_EQ(UINT(MOD_CONTROL), HotKeyModifiers(HOTKEYF_CONTROL));
    EXPECT_EQ(UINT(MOD_ALT), HotKeyModifiers(HOTKEYF_ALT));
    EXPECT_EQ(UINT(MOD_SHIFT | MOD_CONTROL), HotKeyModifiers(3)) << "the default";
    EXPECT_EQ(UINT(MOD_SHIFT | MOD_CONTROL | MOD_ALT), HotKeyModifiers(HOTKEYF_EXT - 1));
    EXPECT_EQ(0u, HotKeyModifiers(HOTKEYF_EXT));
    EXPECT_EQ(UINT(MOD_SHIFT | MOD_CONTROL | MOD_ALT), HotKeyModifiers(0xFFFFFFFFu));
}

TEST(HotKeyCodes, TheControlWordTakesTheLowByteOfTheKeyAndOfTheModifiers) {
    EXPECT_EQ(MAKEWORD('C', 3), HotKeyControlWord('C', 3));
    EXPECT_EQ(MAKEWORD(0xFF, 0xFF), HotKeyControlWord(0xFF, 0xFF));
    EXPECT_EQ(MAKEWORD(0, 0), HotKeyControlWord(0x100, 0x100));
    uint32_t virtualKey = 0;
    uint32_t modifiers = 0;
    SplitHotKeyControlWord(MAKEWORD('K', HOTKEYF_ALT), &virtualKey, &modifiers);
    EXPECT_EQ(uint32_t('K'), virtualKey);
    EXPECT_EQ(uint32_t(HOTKEYF_ALT), modifiers);
    SplitHotKeyControlWord(0xFFFF, &virtualKey, &modifiers);
    EXPECT_EQ(0xFFu, virtualKey);
    EXPECT_EQ(0xFFu, modifiers);
}

}  // namespace
