#include "view/SelectionMath.h"

#include "view/ViewGeometry.h"

namespace {

// Rounds down to a multiple of step, also for negative values, so that a point
// left of or above the view still snaps to the magnified pixel it lies in.
int FloorToMultiple(int value, int step) {
    int quotient = value / step;
    if (value % step != 0 && value < 0) --quotient;
    return quotient * step;
}

int Smaller(int a, int b) {
    return a < b ? a : b;
}

int Larger(int a, int b) {
    return a > b ? a : b;
}

}  // namespace

POINT LimitToRect(POINT point, const RECT& bounds) {
    // Both limits apply in turn, unlike Clamp: a view squeezed to a negative
    // size ends the point at its upper edge.
    if (point.x < bounds.left) point.x = bounds.left;
    if (point.x > bounds.right) point.x = bounds.right;
    if (point.y < bounds.top) point.y = bounds.top;
    if (point.y > bounds.bottom) point.y = bounds.bottom;
    return point;
}

RECT SnapSelection(POINT anchor, POINT end, POINT viewOrigin, int zoomFactor) {
    int zoom = SafeZoomFactor(zoomFactor);
    RECT snapped;
    snapped.left = viewOrigin.x + FloorToMultiple(Smaller(anchor.x, end.x) - viewOrigin.x, zoom);
    snapped.right = viewOrigin.x + FloorToMultiple(Larger(anchor.x, end.x) - viewOrigin.x, zoom);
    snapped.top = viewOrigin.y + FloorToMultiple(Smaller(anchor.y, end.y) - viewOrigin.y, zoom);
    snapped.bottom = viewOrigin.y + FloorToMultiple(Larger(anchor.y, end.y) - viewOrigin.y, zoom);
    return snapped;
}

bool IsEmptySelection(const RECT& selection) {
    return selection.right <= selection.left || selection.bottom <= selection.top;
}

SIZE SelectionScreenSize(const RECT& selection, int zoomFactor) {
    int zoom = SafeZoomFactor(zoomFactor);
    SIZE size = {(selection.right - selection.left) / zoom, (selection.bottom - selection.top) / zoom};
    return size;
}

RECT SelectionToScreen(const RECT& selection, POINT viewOrigin, POINT sourceOrigin, int zoomFactor) {
    int zoom = SafeZoomFactor(zoomFactor);
    SIZE size = SelectionScreenSize(selection, zoom);
    RECT screen;
    screen.left = sourceOrigin.x + (selection.left - viewOrigin.x) / zoom;
    screen.top = sourceOrigin.y + (selection.top - viewOrigin.y) / zoom;
    screen.right = screen.left + size.cx;
    screen.bottom = screen.top + size.cy;
    return screen;
}

POINT SelectionTipPoint(POINT anchor, int zoomFactor) {
    int zoom = SafeZoomFactor(zoomFactor);
    POINT tip = {zoom * (anchor.x / zoom) - 5, zoom * (anchor.y / zoom) - 5};
    return tip;
}

int ZoomToSelectionFactor(const RECT& selection, const RECT& view) {
    if (IsEmptySelection(selection)) return 1;
    int across = (view.right - view.left) / (selection.right - selection.left);
    int down = (view.bottom - view.top) / (selection.bottom - selection.top);
    return Larger(1, Smaller(across, down));
}

POINT ZoomToSelectionPoint(const RECT& selection, const RECT& view, POINT frameOrigin, int zoomFactor) {
    int zoom = SafeZoomFactor(zoomFactor);
    SIZE size = SelectionScreenSize(selection, zoom);
    POINT point;
    point.x = frameOrigin.x + (selection.left - view.left) / zoom + size.cx / 2;
    point.y = frameOrigin.y + (selection.top - view.top) / zoom + size.cy / 2;
    return point;
}
