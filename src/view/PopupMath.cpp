#include "view/PopupMath.h"

namespace {

constexpr int kTipExtraWidth = 24;
constexpr int kTipExtraHeight = 2;
constexpr int kTipMinHeight = 20;
constexpr int kTipIconSize = 16;
constexpr int kTipIconMargin = 1;
constexpr int kMarqueePeriod = 8;
constexpr int kMarqueeStep = 2;

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
