#include "view/PopupMath.h"

namespace {

constexpr int kTipExtraWidth = 24;
constexpr int kTipExtraHeight = 2;
constexpr int kTipMinHeight = 20;
constexpr int kMarqueePeriod = 8;
constexpr int kMarqueeStep = 2;

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
