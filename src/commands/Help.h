// The program's help file: one entry point for every help request, and the
// check that opens the main topic after a newer help file has been installed.
#pragma once

#include <windows.h>

// The help file, looked up in the program's folder.
extern const char kHelpFileName[];
// The help file's secondary window in which every topic opens.
extern const char kHelpWindowSuffix[];
constexpr DWORD kHelpPathLength = 520;

// WinHelpA on "<program folder>Ocularix.hlp>NormWin"; its result.
BOOL ShowHelp(HWND window, UINT command, ULONG_PTR data);

// Fills the buffer with the module's file path cut after its last backslash;
// an empty text when the path cannot be had.
void GetProgramFolder(HMODULE module, char* buffer, DWORD size);
// Cuts a file path just after its last backslash; a path without one names
// no folder and becomes empty.
void CutAfterLastBackslash(char* path);

// The last-write time of the first file matching the name; false when none.
bool GetFileLastWriteTime(const char* fileName, FILETIME* lastWrite);

// True when the file exists and was written later than the stored time; the
// stored time then becomes the file's.
bool TakeNewerFileTime(const char* fileName, FILETIME* stored);
