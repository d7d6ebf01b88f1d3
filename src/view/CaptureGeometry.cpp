#include "view/CaptureGeometry.h"

#include "view/SelectionMath.h"

namespace {

SIZE SizeOf(const RECT& rect) {
    SIZE size = {rect.right - rect.left, rect.bottom - rect.top};
    return size;
}

POINT TopLeft(const RECT& rect) {
    POINT corner = {rect.left, rect.top};
    return corner;
}

}  // namespace

CaptureArea ComputeCaptureArea(const RECT& source, const RECT& view, const RECT& selection, int zoomFactor,
                               bool zoomed, bool useSelection) {
    CaptureArea area;
    area.source = source;
    if (useSelection) {
        area.source = SelectionToScreen(selection, TopLeft(view), TopLeft(source), zoomFactor);
        area.destination = zoomed ? SizeOf(selection) : SizeOf(area.source);
    } else {
        // The source is one block wider and taller than the view shows, so a
        // zoomed copy of the whole view is very slightly squeezed, not cut.
        area.destination = zoomed ? SizeOf(view) : SizeOf(source);
    }
    return area;
}

bool HasPixels(const CaptureArea& area) {
    return area.source.right > area.source.left && area.source.bottom > area.source.top &&
           area.destination.cx > 0 && area.destination.cy > 0;
}
