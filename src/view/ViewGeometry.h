// How the view's size, the zoom factor and the desktop decide which screen
// rectangle is magnified, and where each screen pixel lands in the view.
// Plain arithmetic, no windows.
#pragma once

#include <windows.h>

struct DesktopRect {
    int left;
    int top;
    int width;
    int height;
};

struct ViewGeometry {
    int sourceWidth;   // screen pixels copied across: one more than fit, so the copy always covers the view
    int sourceHeight;
    int halfWidth;
    int halfHeight;
    POINT lowest;      // lowest zoom point
    POINT highest;     // highest zoom point
};

// Zoom factors below 1 would divide by zero or turn the picture inside out; they
// are treated as 1 everywhere below.
int SafeZoomFactor(int zoomFactor);

ViewGeometry ComputeViewGeometry(int viewWidth, int viewHeight, int zoomFactor, const DesktopRect& desktop);

// The lowest zoom point for a desktop and the half source size.
POINT LowestZoomPoint(const DesktopRect& desktop, int halfWidth, int halfHeight);

// Limits each coordinate by itself. The lower limit is tested first, which
// decides the result when the limits cross (a view larger than the desktop).
POINT ClampZoomPoint(POINT zoomPoint, POINT lowest, POINT highest);

// The screen rectangle shown around a clamped zoom point:
// (x - half width, y - half height) sized source width x source height.
RECT SourceRectAround(POINT clampedZoomPoint, int sourceWidth, int sourceHeight, int halfWidth, int halfHeight);

// Size of the off-screen copy: each source pixel becomes a zoom x zoom block.
SIZE MagnifiedSize(int sourceWidth, int sourceHeight, int zoomFactor);

// View pixel (measured from the view's top-left corner) -> screen pixel it shows.
POINT ScreenPixelAt(POINT viewPixel, const RECT& source, int zoomFactor);
// Screen pixel -> top-left view pixel of its block.
POINT BlockOrigin(POINT screenPixel, const RECT& source, int zoomFactor);

// Distance in view pixels between grid lines, or 0 when no grid is drawn: at
// zoom 1 with grid size 1 every pixel would be covered.
int GridSpacing(int zoomFactor, int gridSize);
// True when a grid line runs along this view column (or row). The first line is
// at one spacing, never at 0.
bool IsGridLine(int position, int spacing);

// Where the cursor image's upper-left corner goes in the view: the middle of the
// block of the screen pixel under the (unclamped) zoom point.
POINT CursorImageOrigin(POINT zoomPoint, const RECT& source, int zoomFactor);

// Enlarges 32-bit pixels by a whole number: target pixel (x, y) of a
// width x height picture is source pixel (x / zoom, y / zoom). The source
// covers the target (sourceWidth x zoom >= width, sourceHeight x zoom >= height);
// rows are top-down and packed.
void EnlargeBlocks(const DWORD* source, int sourceWidth, int sourceHeight, int zoomFactor, DWORD* target, int width,
                   int height);
