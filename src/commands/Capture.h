// Pictures of the screen and the colour under the mouse, for the clipboard.
#pragma once

#include <windows.h>

#include "common/Handles.h"
#include "text/ColourText.h"
#include "view/CaptureGeometry.h"

// Hands a captured bitmap to the clipboard as CF_BITMAP. The bitmap is taken in
// every case: the clipboard owns it after success, otherwise it is deleted. No
// bitmap, or a clipboard that cannot be had, beeps and gives false.
bool PutBitmapOnClipboard(HWND owner, Bitmap bitmap);

// Puts a text on the clipboard as CF_TEXT; false, and nothing left behind, when
// the clipboard cannot be had.
bool PutTextOnClipboard(HWND owner, const char* text);

// A new screen-compatible bitmap of the area's screen pixels, stretched to its
// size; empty when there are none or it cannot be made.
Bitmap CaptureScreenArea(const CaptureArea& area);

// The colour under the mouse now, as text in the format, onto the clipboard.
bool CopyColourUnderMouse(HWND owner, ColourFormat format);
