// The Options and About dialogs.
#pragma once

#include <windows.h>

// The modal Options dialog; true when it ended with OK, after it stored the
// edited settings and registered the new hot keys. The caller then saves the
// settings and applies them to the window.
bool RunOptionsDialog(HWND owner);
// The modal About box with its two links.
void RunAboutDialog(HWND owner);
