#include "mainwindow/PlacementMath.h"

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

BYTE LayeredAlpha(int opacity) {
    return static_cast<BYTE>(Clamp(opacity, kFaintestOpacity, kOpaque));
}
