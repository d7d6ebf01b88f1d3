// The arithmetic behind zoom and tracking: sliders, wheel, keys and the zoom
// frame. Plain values in and out, no windows.
#pragma once

#include <windows.h>

#include "common/Limits.h"

// Auto-update speeds: 1 None (no refresh timer), 2 Slow, 3 Medium, 4 Fast.
constexpr int kSpeedNone = kMinUpdateSpeed;
constexpr int kSpeedFast = kMaxUpdateSpeed;

// Translucency step of Shift+wheel.
constexpr int kTransparencyStep = 30;

int ClampZoomFactor(int zoom);
int ClampUpdateSpeed(int index);

// "None", "Slow", "Medium" or "Fast"; an index out of range is limited first.
const char* UpdateSpeedName(int index);

// The refresh period in ms of a speed, from the three stored intervals; 0 for
// "None", which runs no refresh timer. Never below 1 for the other speeds.
UINT RefreshIntervalMs(int index, int slowMs, int mediumMs, int fastMs);

// A slider's new value from its current one and a WM_HSCROLL notification code
// and thumb position; codes that are not a move keep the current value. The
// result is not limited: the setter that receives it does that.
int SliderValue(int current, int code, int thumbPosition);

// The opacity after one Shift+wheel notch: down by 30 but not below 10 for a
// negative delta, otherwise up by 30 but not above 255.
int WheelTransparency(int current, int delta);

// The zoom factor after one Ctrl+wheel notch: one less for a negative delta,
// otherwise one more, within 1 ... 32.
int WheelZoom(int current, int delta);

// One coordinate of the zoom point after a move by delta, limited to
// lowest ... highest; the lower limit is tested first, so when the limits cross
// (a view larger than the desktop) the lower one wins. Computed without overflow.
int MoveAxis(int current, int delta, int lowest, int highest);

// The zoom-point offset of a navigation key; false for a key that does not move it.
// Arrows step by slowStep, or by fastStep with Ctrl; Page Up and Page Down move
// by one source width less one pixel, vertically, or horizontally with Ctrl.
bool KeyOffset(UINT virtualKey, bool control, int slowStep, int fastStep, int sourceWidth, POINT* offset);

// The outline just outside the magnified area: the source rectangle
// (left, top, left + source width, top + source height) grown by one pixel on
// the left and top. Its right and bottom are the first column and row past the source.
RECT ZoomFrameFromSource(const RECT& source);

// A strip of pixels to invert: origin and size.
struct Strip {
    int x;
    int y;
    int width;
    int height;
};

// The one-pixel outline of a frame (columns left and right, rows top and
// bottom, ends included) as at most four strips that do not overlap, so that
// inverting each strip once inverts every outline pixel exactly once.
struct FrameStrips {
    Strip strips[4];
    int count;
};
FrameStrips OutlineStrips(const RECT& frame);
