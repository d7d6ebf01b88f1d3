// The arithmetic of the program's pop-up windows: the tracking tooltip's size,
// the marquee's dashes and shape, and the help popup's place. Plain values in
// and out, no windows. The sizes are given at 100 % and follow the DPI of the
// monitor they are shown on.
#pragma once

#include <windows.h>

#include "common/Dpi.h"

// The tracking tooltip's window size for a text measured in its font at a DPI:
// 24 pixels wider than the text, and two pixels taller but at least 20, each
// amount scaled to the DPI.
SIZE TrackingTipSize(SIZE text, UINT dpiValue = dpi::kBase);

// The tracking tooltip's icon: its side and its distance from the client's
// top-left corner, at a DPI.
int TrackingTipIconSize(UINT dpiValue);
int TrackingTipIconMargin(UINT dpiValue);

// The marquee's line: one pixel, times the whole factor of the DPI so that the
// dashes stay crisp. The dash pattern grows with it.
int MarqueeLineWidth(UINT dpiValue);

// The marquee's dash phase after one timer tick: 0, 2, 4, 6, 0 ... for a
// one-pixel line; for a line of n pixels the dashes and the steps are n times as
// long (0, 2n, 4n, 6n, 0 ...).
int NextMarqueePhase(int phase, int lineWidth = 1);
// The length of the dash pattern (four black, four white) for a line width.
int MarqueePatternSize(int lineWidth);

// The inside that is cut out of the marquee's rectangle so that only its ring
// of lineWidth pixels remains; empty when the rectangle is too thin to have an
// inside, so that a thin frame stays whole.
RECT MarqueeInnerRect(int width, int height, int lineWidth = 1);

// Where a help popup of the given size goes: centred under the anchor (a
// control, or the mouse), above it when there is no room below (two pixels at
// 100 % from it either way), and kept inside the work area of the monitor.
RECT HelpPopupRect(SIZE size, const RECT& anchor, const RECT& workArea, UINT dpiValue = dpi::kBase);
