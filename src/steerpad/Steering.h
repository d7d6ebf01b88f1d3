// The arithmetic of panning: how far the mouse is from the origin mark, which
// direction cursor that shows, how many pixels a tick moves, and where the
// owner's scroll bars may go. No windows here, so it can be tested on its own.
#pragma once

#include <windows.h>

namespace steering {

// A tick moves the view by the offset divided by this, so the speed grows
// linearly with the distance from the origin.
constexpr int kStepDivisor = 16;

// A cursor table holds nine cursor ids, indexed by the signs of the offset.
constexpr int kCursorTableSize = 9;

// The rectangle of the mark around the origin, in owner client coordinates.
struct DeadZone {
    int left;
    int top;
    int right;
    int bottom;
};

// The mark of width x height centred on the origin (halves truncated).
DeadZone DeadZoneAround(int originX, int originY, int markWidth, int markHeight);

// The distance that counts along one axis. Inside the band of the mark
// (strictly between low and high), or on an axis that may not move, it is 0;
// outside, it is the full distance from the origin, not from the band's edge.
int AxisOffset(bool allowed, int position, int origin, int bandLow, int bandHigh);

// -1, 0 or +1.
int Sign(int value);

// The nine cursor ids for a session allowed to move along the given axes. The
// tables differ only in the cursor shown at rest.
const WORD* CursorTableFor(bool horizontal, bool vertical);

// The cursor id in a table for an offset: index 4 + 3 * sign(x) + sign(y).
WORD DirectionCursorId(const WORD* table, int offsetX, int offsetY);

// The origin mark's bitmap id for the allowed axes; 0 when neither may move.
WORD MarkBitmapFor(bool horizontal, bool vertical);

// Pixels moved in one tick for an offset, truncated toward zero: 31 gives 1,
// -31 gives -1, 15 gives 0.
int StepFor(int offset);

// The largest position of a standard scroll bar: range maximum - page + 1 when
// its page could be read and is at least 1, otherwise the range maximum.
int LargestScrollPosition(int rangeMaximum, bool pageKnown, UINT page);

// A scroll position moved by a step, kept within 0 and largest; a largest
// position below 0 gives 0.
int NextScrollPosition(int position, int step, int largest);

}  // namespace steering
