// The arithmetic of the program's pop-up windows: the tracking tooltip's size,
// the marquee's dashes and shape, and the help popup's place. Plain values in
// and out, no windows.
#pragma once

#include <windows.h>

// The tracking tooltip's window size for a measured text: 24 pixels wider than
// the text, and two pixels taller but at least 20.
SIZE TrackingTipSize(SIZE text);

// The marquee's dash phase after one timer tick: 0, 2, 4, 6, 0 ...
int NextMarqueePhase(int phase);

// The inside that is cut out of the marquee's rectangle so that only its
// one-pixel ring remains; empty when the rectangle is too thin to have an
// inside, so that a one- or two-pixel wide frame stays whole.
RECT MarqueeInnerRect(int width, int height);

// Where a help popup of the given size goes: centred under the anchor (a
// control, or the mouse), above it when there is no room below, and kept inside
// the work area of the monitor.
RECT HelpPopupRect(SIZE size, const RECT& anchor, const RECT& workArea);
