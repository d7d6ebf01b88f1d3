// The Options and About dialogs.
#pragma once

#include <windows.h>

// True when the dialog ended with OK. The dialogs are not built yet: both
// return at once and change nothing.
bool RunOptionsDialog(HWND owner);
void RunAboutDialog(HWND owner);
