// The About box: the program's name and version, and the maker's e-mail and web links.
#pragma once

#include <windows.h>

// How a link is opened and how a link that cannot be opened is reported:
// ShellExecuteA and MessageBeep unless a test records them instead.
using ShellOpenFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
using BeepFunction = BOOL(WINAPI*)(UINT);
extern ShellOpenFunction g_linkShellOpen;
extern BeepFunction g_linkBeep;

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// The links' own procedure: the hand cursor over them, the rest as before.
LRESULT CALLBACK LinkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
