// The Options dialog: refresh rates, grid, colour format, switches and hot keys.
#pragma once

#include <windows.h>

// Where the dialog's context help goes; the help file's entry point unless a
// test puts a recorder here.
using ContextHelpFunction = BOOL (*)(HWND window, UINT command, ULONG_PTR data);
extern ContextHelpFunction g_optionsContextHelp;

INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Reads a field as an unsigned whole number into value. When the text is no
// number or the number lies outside lowest..highest, shows the message (a
// string id) and puts the focus on the field; false then.
bool CheckIntField(HWND dialog, int controlId, int lowest, int highest, UINT messageId, int* value);

// The colour dialog, starting at colour; true and the new colour when the user
// chose one. Custom colours are not remembered between calls.
bool PickGridColour(HWND dialog, COLORREF* colour);
