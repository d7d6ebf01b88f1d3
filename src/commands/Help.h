// The program's help: one entry point for every help request. The main topic
// is the manual, an HTML page beside the program opened by the shell; every
// other topic is a short text from the program's resources, shown in a popup
// at the control or the mouse. Also the check that opens the manual by itself
// after a newer one has been installed.
#pragma once

#include <windows.h>

#include <string>

#include "commands/HelpTopics.h"

// The manual, looked up beside the program (and by its bare name in the
// current directory for the start-up check).
extern const char kHelpFileName[];

// HELP_CONTEXT opens the manual (F1 beeps when there is none beside the
// program); HELP_WM_HELP and HELP_CONTEXTMENU show the topic that the help list
// {control id, topic, ..., 0, 0} in data gives the window's control id, at the
// control or at the mouse; HELP_QUIT closes the popup. True when something was shown.
BOOL ShowHelp(HWND window, UINT command, ULONG_PTR data);

// Opens the manual at a full path; true on success. Replaceable so that tests
// start no browser; returns the opener it replaces.
typedef bool (*ManualOpener)(HWND owner, const char* path);
ManualOpener SetManualOpener(ManualOpener opener);

// The DPI a window's popups are sized for: its monitor's, unless the program
// names a source that knows better (the main window keeps its own).
typedef UINT (*WindowDpiSource)(HWND window);
void SetHelpDpiSource(WindowDpiSource source);

// A topic's text from the topic table in the program's resources; false when
// the table has no such topic.
bool LoadTopicText(DWORD topic, std::string* text);
