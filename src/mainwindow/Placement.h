// The desktop rectangle the magnifier may show, keeping the window on it, and translucency.
#pragma once

#include <windows.h>

#include "common/Limits.h"
#include "view/ViewGeometry.h"

// The virtual screen when the system knows several monitors, else the primary screen.
extern DesktopRect g_desktop;

void RefreshDesktopRect();

// A window rectangle moved, not resized, so that it lies on the desktop. A window
// wider (taller) than the desktop ends on its right (bottom) edge.
RECT MoveOntoDesktop(const RECT& window, const DesktopRect& desktop);

// The alpha given to the layered window for an opacity setting, kept within
// kFaintestOpacity ... kOpaque so that no stored value wraps round or hides the window.
BYTE LayeredAlpha(int opacity);

// Switches the window's translucency; the opacity is kept within kFaintestOpacity ... kOpaque.
void ApplyTransparency(HWND window, bool on, int opacity);
