// The Options and About dialogs.
#pragma once

#include <windows.h>

// The modal Options dialog; true when it ended with OK, after it stored the
// edited settings. The owner's hot keys are given up while it is open and
// registered when it closes: the new ones after OK, the old ones otherwise.
// After OK the caller saves the settings and applies them to the window.
bool RunOptionsDialog(HWND owner);
// The modal About box with its two links.
void RunAboutDialog(HWND owner);
