// The magnifier's state and its rules, without a window: the zoom point and its
// limits on the desktop, the view geometry, the zoom frame, and the one drag
// under way (picking the zoom point, or a selection) with the selection's
// corners. The main window turns messages into calls on it and its answers
// into painting, capture and cursors.
#pragma once

#include <windows.h>

#include "view/ViewGeometry.h"

// The drag under way. Picking: the left button moves the zoom point. Selecting:
// the right button drags a selection. SelectionShown: a non-empty selection has
// been made and its menu is open.
enum class DragMode { None, Picking, Selecting, SelectionShown };

class Magnifier {
public:
    // --- The zoom point, in screen pixels, stored unclamped.
    POINT ZoomPoint() const { return zoomPoint_; }
    void SetZoomPoint(POINT point) { zoomPoint_ = point; }
    // Moves the zoom point by an offset, each coordinate limited to the lowest
    // and highest zoom point; true when it changed. An unclamped point snaps
    // into the limits on its first move.
    bool MoveBy(int dx, int dy);
    // Following the mouse: the zoom point becomes the cursor, except while a
    // selection holds the picture still; true when it changed.
    bool Follow(POINT cursor);

    // --- The view geometry, recomputed for each view size, zoom factor and desktop.
    void Fit(int viewWidth, int viewHeight, int zoomFactor, const DesktopRect& desktop);
    // No geometry: nothing can be shown until the next Fit.
    void Forget();
    const ViewGeometry& Geometry() const { return geometry_; }
    bool HasGeometry() const { return geometry_.sourceWidth > 0 && geometry_.sourceHeight > 0; }
    // The screen rectangle shown: source size around the clamped zoom point.
    RECT SourceRect() const;
    // The zoom-point offset of a navigation key (pages are one source width
    // less one pixel); false for a key that does not move it.
    bool KeyStep(UINT virtualKey, bool control, int slowStep, int fastStep, POINT* offset) const;

    // --- The zoom frame: the source rectangle grown by one pixel on the left
    // and top, as last computed.
    void UpdateZoomFrame();
    const RECT& ZoomFrame() const { return zoomFrame_; }

    // --- The drag under way.
    DragMode Drag() const { return drag_; }
    bool Picking() const { return drag_ == DragMode::Picking; }
    bool Selecting() const { return drag_ == DragMode::Selecting; }
    bool SelectionShown() const { return drag_ == DragMode::SelectionShown; }
    // A selection being dragged or shown holds the picture still: no following, no refresh.
    bool SelectionHeld() const { return Selecting() || SelectionShown(); }
    // Drops whatever drag was under way, as when the window goes.
    void EndDrag() { drag_ = DragMode::None; }

    // --- Picking with the left button: the zoom point follows the cursor.
    void BeginPicking(POINT cursor);
    void PickAt(POINT cursor);
    // Ends picking; true when it was under way.
    bool EndPicking();
    // Where the picking hint goes: a little above the zoom frame.
    POINT PickingTipPoint() const;

    // --- The selection, in client pixels; its corners stay after it ends, so
    // that the selection commands still act on it.
    // Starts a drag at a press, brought onto the view's edge.
    void BeginSelection(POINT press, const RECT& view);
    // The moving end, kept inside the view (both edges included).
    void DragSelectionTo(POINT position, const RECT& view);
    // Ends the drag: SelectionShown for a selection that covers a magnified
    // pixel, None otherwise; true when it is shown.
    bool FinishSelection(const RECT& view, int zoomFactor);
    // Ends the selection in any state; the drag mode it ended, None when there
    // was no selection.
    DragMode CancelSelection();
    POINT Anchor() const { return anchor_; }
    POINT End() const { return end_; }
    // The corners snapped to whole magnified pixels of a view at its origin.
    RECT SelectionRect(const RECT& view, int zoomFactor) const;
    // Where the size tip's bottom-left corner goes, in client pixels.
    POINT SelectionTipPoint(int zoomFactor) const;
    // Zoom To: centres the selected screen area (measured from the zoom frame)
    // and gives the zoom factor that fits it into the view; false, and nothing
    // changed, for an empty selection.
    bool ZoomToSelection(const RECT& view, int zoomFactor, int* newZoomFactor);

private:
    POINT zoomPoint_ = {0, 0};
    ViewGeometry geometry_ = {0, 0, 0, 0, {0, 0}, {0, 0}};
    RECT zoomFrame_ = {0, 0, 0, 0};
    DragMode drag_ = DragMode::None;
    POINT anchor_ = {0, 0};
    POINT end_ = {0, 0};
};
