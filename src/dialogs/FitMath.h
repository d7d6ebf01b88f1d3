// The arithmetic of giving a cut text the room it lacks: the control grows to
// the right and the controls after it in its row move along. Plain values, no
// windows.
#pragma once

namespace fit {

// The horizontal extent of a control, in the dialog's client pixels.
struct Span {
    int left;
    int right;
};

// Widens `grown` at its right edge by up to `lacking` pixels. The controls after
// it in its row (`following`, left to right, none of them left of it) move right
// as far as they are in its way, or in the way of one moved before them; none
// may pass `limit`. The widening is cut short where the row would pass it.
// Returns the pixels granted (0 when there is no room); `grown` and `following`
// are changed in place.
int WidenInRow(Span* grown, int lacking, Span* following, int count, int limit);

}  // namespace fit
