#include "view/Magnifier.h"

#include "view/SelectionMath.h"
#include "view/TrackingMath.h"

namespace {

// The picking hint sits this far above the zoom frame.
constexpr int kPickingTipGap = 3;

POINT TopLeft(const RECT& rect) {
    POINT corner = {rect.left, rect.top};
    return corner;
}

}  // namespace

bool Magnifier::MoveBy(int dx, int dy) {
    bool changed = false;
    if (dx != 0) {
        const int x = MoveAxis(zoomPoint_.x, dx, geometry_.lowest.x, geometry_.highest.x);
        changed = x != zoomPoint_.x;
        zoomPoint_.x = x;
    }
    if (dy != 0) {
        const int y = MoveAxis(zoomPoint_.y, dy, geometry_.lowest.y, geometry_.highest.y);
        changed = changed || y != zoomPoint_.y;
        zoomPoint_.y = y;
    }
    return changed;
}

bool Magnifier::Follow(POINT cursor) {
    if (SelectionHeld() || (cursor.x == zoomPoint_.x && cursor.y == zoomPoint_.y)) return false;
    zoomPoint_ = cursor;
    return true;
}

void Magnifier::Fit(int viewWidth, int viewHeight, int zoomFactor, const DesktopRect& desktop) {
    geometry_ = ComputeViewGeometry(viewWidth, viewHeight, zoomFactor, desktop);
}

void Magnifier::Forget() {
    geometry_.sourceWidth = 0;
    geometry_.sourceHeight = 0;
}

RECT Magnifier::SourceRect() const {
    const ViewGeometry& g = geometry_;
    return SourceRectAround(ClampZoomPoint(zoomPoint_, g.lowest, g.highest), g.sourceWidth, g.sourceHeight,
                            g.halfWidth, g.halfHeight);
}

bool Magnifier::KeyStep(UINT virtualKey, bool control, int slowStep, int fastStep, POINT* offset) const {
    return KeyOffset(virtualKey, control, slowStep, fastStep, geometry_.sourceWidth, offset);
}

void Magnifier::UpdateZoomFrame() {
    zoomFrame_ = ZoomFrameFromSource(SourceRect());
}

void Magnifier::BeginPicking(POINT cursor) {
    drag_ = DragMode::Picking;
    zoomPoint_ = cursor;
    UpdateZoomFrame();
}

void Magnifier::PickAt(POINT cursor) {
    zoomPoint_ = cursor;
    UpdateZoomFrame();
}

bool Magnifier::EndPicking() {
    if (!Picking()) return false;
    drag_ = DragMode::None;
    return true;
}

POINT Magnifier::PickingTipPoint() const {
    POINT tip = {zoomPoint_.x, zoomPoint_.y - geometry_.halfHeight - kPickingTipGap};
    return tip;
}

void Magnifier::BeginSelection(POINT press, const RECT& view) {
    anchor_ = LimitToRect(press, view);
    end_ = anchor_;
    drag_ = DragMode::Selecting;
}

void Magnifier::DragSelectionTo(POINT position, const RECT& view) {
    end_ = LimitToRect(position, view);
}

bool Magnifier::FinishSelection(const RECT& view, int zoomFactor) {
    drag_ = IsEmptySelection(SelectionRect(view, zoomFactor)) ? DragMode::None : DragMode::SelectionShown;
    return drag_ == DragMode::SelectionShown;
}

DragMode Magnifier::CancelSelection() {
    if (!SelectionHeld()) return DragMode::None;
    const DragMode ended = drag_;
    drag_ = DragMode::None;
    return ended;
}

RECT Magnifier::SelectionRect(const RECT& view, int zoomFactor) const {
    return SnapSelection(anchor_, end_, TopLeft(view), zoomFactor);
}

POINT Magnifier::SelectionTipPoint(int zoomFactor) const {
    return ::SelectionTipPoint(anchor_, zoomFactor);
}

bool Magnifier::ZoomToSelection(const RECT& view, int zoomFactor, int* newZoomFactor) {
    const RECT selection = SelectionRect(view, zoomFactor);
    if (IsEmptySelection(selection)) return false;
    const int factor = ZoomToSelectionFactor(selection, view);
    UpdateZoomFrame();
    zoomPoint_ = ZoomToSelectionPoint(selection, view, TopLeft(zoomFrame_), zoomFactor);
    *newZoomFactor = zoomFactor * factor;
    return true;
}
