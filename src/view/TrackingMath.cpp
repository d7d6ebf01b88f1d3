#include "view/TrackingMath.h"

#include <commctrl.h>

#include "common/Clamp.h"

namespace {

const char* const kSpeedNames[] = {"None", "Slow", "Medium", "Fast"};

// Wide arithmetic first, so that a value near the ends of int plus a step cannot wrap.
int ClampWide(long long value, int lowest, int highest) {
    return static_cast<int>(Clamp<long long>(value, lowest, highest));
}

}  // namespace

int ClampZoomFactor(int zoom) {
    return Clamp(zoom, kMinZoomFactor, kMaxZoomFactor);
}

int ClampUpdateSpeed(int index) {
    return Clamp(index, kSpeedNone, kSpeedFast);
}

const char* UpdateSpeedName(int index) {
    return kSpeedNames[ClampUpdateSpeed(index) - kSpeedNone];
}

UINT RefreshIntervalMs(int index, int slowMs, int mediumMs, int fastMs) {
    int interval = 0;
    switch (ClampUpdateSpeed(index)) {
    case 2:
        interval = slowMs;
        break;
    case 3:
        interval = mediumMs;
        break;
    case 4:
        interval = fastMs;
        break;
    default:
        return 0;
    }
    // A zero period would stop the refresh for good; the stored intervals are
    // limited when loaded, this only guards against a value set in memory.
    return interval < 1 ? 1u : static_cast<UINT>(interval);
}

int SliderValue(int current, int code, int thumbPosition) {
    switch (code) {
    case TB_LINEUP:
        return current - 1;
    case TB_LINEDOWN:
        return current + 1;
    case TB_PAGEUP:
        return current - 2;
    case TB_PAGEDOWN:
        return current + 2;
    case TB_THUMBPOSITION:
    case TB_THUMBTRACK:
        return thumbPosition;
    default:
        return current;
    }
}

int WheelTransparency(int current, int delta) {
    const long long step = delta < 0 ? -kTransparencyStep : kTransparencyStep;
    return ClampWide(static_cast<long long>(current) + step, kFaintestOpacity, kOpaque);
}

int WheelZoom(int current, int delta) {
    return ClampWide(static_cast<long long>(current) + (delta < 0 ? -1 : 1), kMinZoomFactor, kMaxZoomFactor);
}

int MoveAxis(int current, int delta, int lowest, int highest) {
    return ClampWide(static_cast<long long>(current) + delta, lowest, highest);
}

bool KeyOffset(UINT virtualKey, bool control, int slowStep, int fastStep, int sourceWidth, POINT* offset) {
    int step = control ? fastStep : slowStep;
    // Page moves use the source width in both directions.
    int page = sourceWidth - 1;
    POINT move = {0, 0};
    switch (virtualKey) {
    case VK_LEFT:
        move.x = -step;
        break;
    case VK_RIGHT:
        move.x = step;
        break;
    case VK_UP:
        move.y = -step;
        break;
    case VK_DOWN:
        move.y = step;
        break;
    case VK_PRIOR:
        (control ? move.x : move.y) = -page;
        break;
    case VK_NEXT:
        (control ? move.x : move.y) = page;
        break;
    default:
        return false;
    }
    *offset = move;
    return true;
}

RECT ZoomFrameFromSource(const RECT& source) {
    RECT frame = {source.left - 1, source.top - 1, source.right, source.bottom};
    return frame;
}

FrameStrips OutlineStrips(const RECT& frame) {
    FrameStrips result = {};
    if (frame.right < frame.left || frame.bottom < frame.top) return result;
    int width = frame.right - frame.left + 1;
    int innerHeight = frame.bottom - frame.top - 1;
    // The rows take the corners; the columns only the pixels between the rows.
    result.strips[result.count++] = Strip{frame.left, frame.top, width, 1};
    if (frame.bottom != frame.top) result.strips[result.count++] = Strip{frame.left, frame.bottom, width, 1};
    if (innerHeight > 0) {
        result.strips[result.count++] = Strip{frame.left, frame.top + 1, 1, innerHeight};
        if (frame.right != frame.left) result.strips[result.count++] = Strip{frame.right, frame.top + 1, 1, innerHeight};
    }
    return result;
}
