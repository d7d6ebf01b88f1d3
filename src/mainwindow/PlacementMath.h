// The arithmetic of the window's place on the desktop and of its translucency.
// Plain values in and out, no windows.
#pragma once

#include <windows.h>

#include <vector>

#include "common/Limits.h"
#include "view/ViewGeometry.h"

// A window rectangle moved, not resized, so that it lies on the desktop. A window
// wider (taller) than the desktop ends on its right (bottom) edge.
RECT MoveOntoDesktop(const RECT& window, const DesktopRect& desktop);

// The area of a window that lies on at least one of the monitors; a part on
// two overlapping monitors counts once.
long long AreaOnMonitors(const RECT& window, const std::vector<RECT>& monitors);

// True when less than half of the window lies on the monitors: the bounding
// rectangle of several monitors has corners that no monitor shows.
bool MostlyOffMonitors(const RECT& window, const std::vector<RECT>& monitors);

// A window rectangle moved the least distance that puts it inside a work area,
// its size kept; a side longer than the work area's is cut to it, the window
// then starting at the work area's left (top) edge.
RECT MoveIntoWorkArea(const RECT& window, const RECT& workArea);

// The window's place after the desktop rule: where it lies mostly on the
// monitors, unchanged; else inside the work area of the monitor nearest to it.
RECT PlaceOnMonitors(const RECT& window, const std::vector<RECT>& monitors, const RECT& nearestWorkArea);

// The alpha given to the layered window for an opacity setting, kept within
// kFaintestOpacity ... kOpaque so that no stored value wraps round or hides the window.
BYTE LayeredAlpha(int opacity);
