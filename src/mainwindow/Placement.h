// The desktop rectangle the magnifier may show, keeping the window on it, and translucency.
#pragma once

#include <windows.h>

#include "mainwindow/PlacementMath.h"

// The virtual screen when the system knows several monitors, else the primary screen.
extern DesktopRect g_desktop;

void RefreshDesktopRect();

// Switches the window's translucency; the opacity is kept within kFaintestOpacity ... kOpaque.
void ApplyTransparency(HWND window, bool on, int opacity);
