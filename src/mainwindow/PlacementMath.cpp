#include "mainwindow/PlacementMath.h"

#include <algorithm>

#include "common/Clamp.h"

RECT MoveOntoDesktop(const RECT& window, const DesktopRect& desktop) {
    const int rightLimit = desktop.left + desktop.width;
    const int bottomLimit = desktop.top + desktop.height;
    int dx = 0;
    int dy = 0;
    if (window.left < desktop.left) dx = desktop.left - window.left;
    if (window.right + dx > rightLimit) dx -= window.right + dx - rightLimit;
    if (window.top < desktop.top) dy = desktop.top - window.top;
    if (window.bottom + dy > bottomLimit) dy -= window.bottom + dy - bottomLimit;
    RECT moved = {window.left + dx, window.top + dy, window.right + dx, window.bottom + dy};
    return moved;
}

long long AreaOnMonitors(const RECT& window, const std::vector<RECT>& monitors) {
    // The parts of the window on each monitor, and the grid their edges make:
    // each cell of it is on a monitor or not.
    std::vector<RECT> parts;
    std::vector<LONG> xs;
    std::vector<LONG> ys;
    for (const RECT& monitor : monitors) {
        RECT part = {std::max(window.left, monitor.left), std::max(window.top, monitor.top),
                     std::min(window.right, monitor.right), std::min(window.bottom, monitor.bottom)};
        if (part.left >= part.right || part.top >= part.bottom) continue;
        parts.push_back(part);
        xs.push_back(part.left);
        xs.push_back(part.right);
        ys.push_back(part.top);
        ys.push_back(part.bottom);
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    long long area = 0;
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
        for (size_t j = 0; j + 1 < ys.size(); ++j) {
            for (const RECT& part : parts) {
                if (part.left <= xs[i] && xs[i + 1] <= part.right && part.top <= ys[j] && ys[j + 1] <= part.bottom) {
                    area += static_cast<long long>(xs[i + 1] - xs[i]) * (ys[j + 1] - ys[j]);
                    break;
                }
            }
        }
    }
    return area;
}

bool MostlyOffMonitors(const RECT& window, const std::vector<RECT>& monitors) {
    if (window.right <= window.left || window.bottom <= window.top) return false;
    const long long area = static_cast<long long>(window.right - window.left) * (window.bottom - window.top);
    return 2 * AreaOnMonitors(window, monitors) < area;
}

namespace {

// One axis of MoveIntoWorkArea: the new start and end of a span.
void FitSpan(LONG start, LONG end, LONG areaStart, LONG areaEnd, LONG* newStart, LONG* newEnd) {
    const LONG length = std::min(end - start, areaEnd - areaStart);
    *newStart = Clamp(start, areaStart, areaEnd - length);
    *newEnd = *newStart + length;
}

}  // namespace

RECT MoveIntoWorkArea(const RECT& window, const RECT& workArea) {
    // No work area to go to: left where it is.
    if (workArea.right <= workArea.left || workArea.bottom <= workArea.top) return window;
    RECT moved;
    FitSpan(window.left, window.right, workArea.left, workArea.right, &moved.left, &moved.right);
    FitSpan(window.top, window.bottom, workArea.top, workArea.bottom, &moved.top, &moved.bottom);
    return moved;
}

RECT PlaceOnMonitors(const RECT& window, const std::vector<RECT>& monitors, const RECT& nearestWorkArea) {
    if (!MostlyOffMonitors(window, monitors)) return window;
    return MoveIntoWorkArea(window, nearestWorkArea);
}

BYTE LayeredAlpha(int opacity) {
    return static_cast<BYTE>(Clamp(opacity, kFaintestOpacity, kOpaque));
}
