// The program's help: one entry point for every help request. The main topic
// is the manual, an HTML page beside the program opened by the shell; every
// other topic is a short text from the program's resources, shown in a popup
// at the control or the mouse. Also the check that opens the manual by itself
// after a newer one has been installed.
#pragma once

#include <windows.h>

#include <string>

// The manual, looked up beside the program (and by its bare name in the
// current directory for the start-up check).
extern const char kHelpFileName[];
constexpr DWORD kHelpPathLength = 520;

// HELP_CONTEXT opens the manual (F1 beeps when there is none beside the
// program); HELP_WM_HELP and HELP_CONTEXTMENU show the topic that the help list
// {control id, topic, ..., 0, 0} in data gives the window's control id, at the
// control or at the mouse; HELP_QUIT closes the popup. True when something was shown.
BOOL ShowHelp(HWND window, UINT command, ULONG_PTR data);

// Opens the manual at a full path; true on success. Replaceable so that tests
// start no browser; returns the opener it replaces.
typedef bool (*ManualOpener)(HWND owner, const char* path);
ManualOpener SetManualOpener(ManualOpener opener);

// The topic that a help list maps a control id to; false when the list has none.
bool FindTopicInHelpList(const DWORD* list, DWORD controlId, DWORD* topic);
// A topic's text from the table of "number<TAB>text" lines ('#' starts a
// comment); false when the table has no such topic.
bool FindTopicText(const char* table, size_t size, DWORD topic, std::string* text);
// The same from the table in the program's resources.
bool LoadTopicText(DWORD topic, std::string* text);

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
