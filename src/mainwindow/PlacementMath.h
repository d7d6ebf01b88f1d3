// The arithmetic of the window's place on the desktop and of its translucency.
// Plain values in and out, no windows.
#pragma once

#include <windows.h>

#include "common/Limits.h"
#include "view/ViewGeometry.h"

// A window rectangle moved, not resized, so that it lies on the desktop. A window
// wider (taller) than the desktop ends on its right (bottom) edge.
RECT MoveOntoDesktop(const RECT& window, const DesktopRect& desktop);

// The alpha given to the layered window for an opacity setting, kept within
// kFaintestOpacity ... kOpaque so that no stored value wraps round or hides the window.
BYTE LayeredAlpha(int opacity);
