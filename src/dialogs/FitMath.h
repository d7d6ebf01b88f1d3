// The arithmetic of giving a cut text the room it lacks: the control grows to
// the right, the controls after it in its row move along so that the text
// keeps a space clear of the next one, and what holds the row grows where the
// row would pass it. Plain values, no windows.
#pragma once

namespace fit {

// The horizontal extent of a control, in the dialog's client pixels.
struct Span {
    int left;
    int right;
};

// The pixels a control lacks for its text: what the text needs (with anything
// drawn before it, a check box's box) beyond the control's width; 0 when it fits.
int Lacking(int needed, int width);

// Where a row ends once a text control in it holds its whole text, ending at
// `textEnd`, and the first of the controls after it (`following`, left to
// right, none of them left of it) starts at `nextStart` or further right (a
// space beyond the text's end, or more to stay in line with the controls below
// it); each next control moves only as far as the one before it runs into it.
int RowEnd(const Span& grown, int textEnd, int nextStart, const Span* following, int count);

// The right edge a row may reach: the limit, or where the row ends as laid out
// if it already passes the limit.
int Reach(const Span& grown, const Span* following, int count, int limit);

// Lays out that row: `grown` widens to hold the text and `following` move
// right, in place, as far as the row stays within its reach. Where the room
// runs out the text's end and the next start are drawn back together until the
// row fits. Returns the pixels they were drawn back by: 0 when the text is whole
// and the next control starts where it should.
int FitInRow(Span* grown, int textEnd, int nextStart, Span* following, int count, int limit);

// The pixels to widen what holds a row (a group box, the dialog) whose inner
// right edge is `limit` so that the row, ending at `end`, fits in it; never
// more than the `room` it has to grow into, never less than 0.
int Growth(int end, int limit, int room);

}  // namespace fit
