// What every layer may need of the running process, defined with the other
// process-wide objects at start-up.
#pragma once

#include <windows.h>

// The program's instance: icons, cursors, bitmaps, menus, dialogs and windows.
extern HINSTANCE g_instance;
// The system's pointing hand, or the program's own when the system has none.
extern HCURSOR g_handCursor;
