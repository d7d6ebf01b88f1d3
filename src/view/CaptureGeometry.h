// Which screen pixels a copy of the view or of the selection takes, and how
// large its picture is. The same mapping as the view's own, no windows.
#pragma once

#include <windows.h>

struct CaptureArea {
    RECT source;       // screen pixels
    SIZE destination;  // pixels of the picture
};

// source: the screen rectangle the view shows (clamped zoom point); view and
// selection: client coordinates, the selection snapped to whole magnified pixels.
// With useSelection the selected screen pixels are taken, at the selection's own
// size when zoomed. Otherwise the whole source rectangle is taken, squeezed into
// the view's size when zoomed.
CaptureArea ComputeCaptureArea(const RECT& source, const RECT& view, const RECT& selection, int zoomFactor,
                               bool zoomed, bool useSelection);

// False when there is nothing to copy: an empty selection, or a view without a size.
bool HasPixels(const CaptureArea& area);
