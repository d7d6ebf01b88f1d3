#include "view/PopupMath.h"

namespace {

constexpr int kTipExtraWidth = 24;
constexpr int kTipExtraHeight = 2;
constexpr int kTipMinHeight = 20;
constexpr int kTipIconSize = 16;
constexpr int kTipIconMargin = 1;
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

SIZE TrackingTipSize(SIZE text, UINT dpiValue) {
    const int dpiScale = static_cast<int>(dpiValue);
    SIZE size = {text.cx + dpi::Scale(kTipExtraWidth, dpiScale), text.cy + dpi::Scale(kTipExtraHeight, dpiScale)};
    const int lowest = dpi::Scale(kTipMinHeight, dpiScale);
    if (size.cy < lowest) size.cy = lowest;
    return size;
}

int TrackingTipIconSize(UINT dpiValue) {
    return dpi::Scale(kTipIconSize, static_cast<int>(dpiValue));
}

int TrackingTipIconMargin(UINT dpiValue) {
    return dpi::Scale(kTipIconMargin, static_cast<int>(dpiValue));
}

int MarqueeLineWidth(UINT dpiValue) {
    return dpi::WholeFactor(static_cast<int>(dpiValue));
}

int MarqueePatternSize(int lineWidth) {
    return kMarqueePeriod * lineWidth;
}

int NextMarqueePhase(int phase, int lineWidth) {
    int next = phase + kMarqueeStep * lineWidth;
    return next >= MarqueePatternSize(lineWidth) ? 0 : next;
}

RECT MarqueeInnerRect(int width, int height, int lineWidth) {
    RECT inner = {0, 0, 0, 0};
    if (width > 2 * lineWidth && height > 2 * lineWidth) {
        inner = RECT{lineWidth, lineWidth, width - lineWidth, height - lineWidth};
    }
    return inner;
}

RECT HelpPopupRect(SIZE size, const RECT& anchor, const RECT& workArea, UINT dpiValue) {
    const int gap = dpi::Scale(kAnchorGap, static_cast<int>(dpiValue));
    int left = (anchor.left + anchor.right) / 2 - size.cx / 2;
    int top = anchor.bottom + gap;
    int above = anchor.top - gap - size.cy;
    if (top + size.cy > workArea.bottom && above >= workArea.top) top = above;
    left = Limit(left, workArea.left, workArea.right - size.cx);
    top = Limit(top, workArea.top, workArea.bottom - size.cy);
    RECT placed = {left, top, left + size.cx, top + size.cy};
    return placed;
}
