// The window-free parts of the help: finding a control's topic in a help list
// and a topic's text in the topic table, the program's folder where the manual
// lies, and the manual's last-write time.
#pragma once

#include <windows.h>

#include <stddef.h>

#include <string>

constexpr DWORD kHelpPathLength = 520;

// The topic that a help list maps a control id to; false when the list has none.
bool FindTopicInHelpList(const DWORD* list, DWORD controlId, DWORD* topic);
// A topic's text from the table of "number<TAB>text" lines ('#' starts a
// comment); false when the table has no such topic.
bool FindTopicText(const char* table, size_t size, DWORD topic, std::string* text);

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
