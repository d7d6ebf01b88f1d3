#include "view/PopupMath.h"

namespace {

constexpr int kTipExtraWidth = 24;
constexpr int kTipExtraHeight = 2;
constexpr int kTipMinHeight = 20;
constexpr int kMarqueePeriod = 8;
constexpr int kMarqueeStep = 2;
constexpr int kAnchorGap = 2;

// The lower limit wins when the range is empty, so a popup wider or taller
// than the monitor keeps its left or top edge on it.
int Limit(int value, int lowest, int highest) {
    if (value > highest) value = highest;
    if (value < lowest) value = lowest;
    return value;
}

}  // namespace

SIZE TrackingTipSize(SIZE text) {
    SIZE size = {text.cx + kTipExtraWidth, text.cy + kTipExtraHeight};
    if (size.cy < kTipMinHeight) size.cy = kTipMinHeight;
    return size;
}

int NextMarqueePhase(int phase) {
    int next = phase + kMarqueeStep;
    return next >= kMarqueePeriod ? 0 : next;
}

RECT MarqueeInnerRect(int width, int height) {
    RECT inner = {0, 0, 0, 0};
    if (width > 2 && height > 2) inner = RECT{1, 1, width - 1, height - 1};
    return inner;
}

RECT HelpPopupRect(SIZE size, const RECT& anchor, const RECT& workArea) {
    int left = (anchor.left + anchor.right) / 2 - size.cx / 2;
    int top = anchor.bottom + kAnchorGap;
    int above = anchor.top - kAnchorGap - size.cy;
    if (top + size.cy > workArea.bottom && above >= workArea.top) top = above;
    left = Limit(left, workArea.left, workArea.right - size.cx);
    top = Limit(top, workArea.top, workArea.bottom - size.cy);
    RECT placed = {left, top, left + size.cx, top + size.cy};
    return placed;
}
