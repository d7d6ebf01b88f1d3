// How the view's size, the zoom factor and the desktop decide which screen
// rectangle is magnified. Plain arithmetic, no windows.
#pragma once

#include <windows.h>

struct DesktopRect {
    int left;
    int top;
    int width;
    int height;
};

struct ViewGeometry {
    int sourceWidth;
    int sourceHeight;
    int halfWidth;
    int halfHeight;
    POINT lowest;   // lowest zoom point
    POINT highest;  // highest zoom point
};

ViewGeometry ComputeViewGeometry(int viewWidth, int viewHeight, int zoomFactor, const DesktopRect& desktop);
