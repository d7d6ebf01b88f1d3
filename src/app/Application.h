// Start-up, the single-instance rule, the main window class and the message loop.
#pragma once

#include <windows.h>

#include "common/Process.h"

int Entry(HINSTANCE instance, int showCommand);
// False when the process is to end at once.
bool CreateMainWindow(HINSTANCE instance, int showCommand);
ATOM RegisterMainClass(HINSTANCE instance);
// True when another instance was found and brought forward.
bool ActivateRunningInstance();
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Shows the system's text for the calling thread's last error.
void ShowSystemError(HWND owner, const char* caption);
HCURSOR LoadHandCursor(HINSTANCE instance);
