// The arithmetic of the right-button selection: snapping to whole magnified
// pixels, mapping to screen pixels, and fitting a selection into the view.
// Plain computations, no windows.
#pragma once

#include <windows.h>

// A point limited to a rectangle with both ends included, so it can lie one
// pixel past the last column or row. A value below the lower end becomes the
// lower end first, then a value above the upper end becomes the upper end.
POINT LimitToRect(POINT point, const RECT& bounds);

// The rectangle spanned by two client points, with every edge moved down to the
// boundary of the magnified pixel it lies in. Magnified pixels are zoomFactor
// view pixels square and start at viewOrigin, the view's top-left corner.
RECT SnapSelection(POINT anchor, POINT end, POINT viewOrigin, int zoomFactor);

bool IsEmptySelection(const RECT& selection);

// The selection's size in screen pixels.
SIZE SelectionScreenSize(const RECT& selection, int zoomFactor);

// The screen rectangle a snapped selection shows, the view showing the screen
// from sourceOrigin on.
RECT SelectionToScreen(const RECT& selection, POINT viewOrigin, POINT sourceOrigin, int zoomFactor);

// Where the size tip's bottom-left corner goes, in client coordinates: just up
// and left of the magnified pixel the drag started in.
POINT SelectionTipPoint(POINT anchor, int zoomFactor);

// How many times larger the zoom factor must get for the selection to fill the
// view in its tighter direction; at least 1, so zooming to a selection never
// zooms out.
int ZoomToSelectionFactor(const RECT& selection, const RECT& view);

// The zoom point that centres the selected screen area, measured from the zoom
// frame's top-left corner (one pixel up and left of the source rectangle).
POINT ZoomToSelectionPoint(const RECT& selection, const RECT& view, POINT frameOrigin, int zoomFactor);
