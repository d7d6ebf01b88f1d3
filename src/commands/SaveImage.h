// Saving a picture to a file the user named in the system's Save As dialog.
#pragma once

#include <windows.h>

#include <stddef.h>

// How long a save gives the windows that the Save As dialog lay over to repaint
// before the picture is taken. Nothing tells when other programs are done, so
// the wait is fixed; it is short, so that a hung window cannot hold up the save.
constexpr DWORD kDialogRepaintWaitMs = 150;

// Lets the screen lose the closed dialog where it lay (dialogArea, empty when
// not known) over the magnified area (source, screen pixels): the window is
// repainted there at once, other windows get the wait above.
void RepaintWhereDialogLay(HWND window, RECT dialogArea, const RECT& source);

// A message box with a string-table text and the program's name as caption; its result.
int ShowErrorBox(HWND owner, UINT textId, UINT style);

// Writes the bitmap to the path, as PNG for a ".png" name and as a bitmap file
// otherwise; a picture that cannot be packed or written is reported in a
// message box owned by the owner.
void WriteImageFile(HWND owner, const char* path, HBITMAP bitmap, HPALETTE palette);

// The bitmap's pixels in the display's depth as one block of global memory:
// info header, colour table, rows. Null when it cannot be made. The caller frees it.
HGLOBAL BitmapToPackedDib(HBITMAP bitmap, HPALETTE palette);
// Writes a packed image as a bitmap file; an existing file is replaced only
// when the whole new one was written.
bool WritePackedDibFile(const char* path, HGLOBAL packedImage);

// The path up to and including its last backslash or slash; empty without
// either. False, and the destination unchanged, when that does not fit in it.
bool CopyFolderPart(const char* path, char* destination, size_t size);
// Replaces every occurrence of a character, up to the terminator the text had on
// entry (characters turned into zeros do not end the scan).
void ReplaceChar(char* text, char from, char to);
// The dialog's filter list from texts like "Name (*.ext)|*.ext||": the second
// joined to the first, every "|" a zero byte. False when it does not fit.
bool BuildFilterList(const char* first, const char* second, char* list, size_t size);
