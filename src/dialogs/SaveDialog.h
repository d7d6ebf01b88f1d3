// The system's Save As dialog with the program's "Save Zoomed Image" check box.
#pragma once

#include <windows.h>

// What the dialog was asked and what it answered.
struct SaveDialogRequest {
    const char* filter;            // "|"-free filter list, or null
    const char* initialDirectory;
    char* fileName;                // receives the chosen path
    DWORD fileNameSize;
    bool zoomed;                   // the check box: shown from it, and its state when the user confirmed
    RECT dialogArea;               // where the dialog lay on the screen when it closed; empty when not known
};

// Runs the dialog owned by the owner; true when the user confirmed a file name.
bool AskSaveFileName(HWND owner, SaveDialogRequest* request);

// The dialog's hook: keeps the "Save Zoomed Image" check box and the dialog
// state in step, and serves the box's help.
UINT_PTR CALLBACK SaveDialogHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
