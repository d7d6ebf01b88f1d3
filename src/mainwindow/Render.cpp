// The magnified picture: each frame is composed off screen from a copy of the
// screen at screen size, enlarged, with the grid and the cursor image on top,
// and put on the window with one copy, so the view never shows a half-drawn
// frame. A refresh over a still screen puts nothing on the window at all.
#include "mainwindow/MainWindow.h"

#include "common/Handles.h"
#include "settings/Settings.h"
#include "view/ViewGeometry.h"

#ifndef _WIN64
static_assert(sizeof(CURSORINFO) == 20, "CURSORINFO keeps its 32-bit size");
#endif

namespace {

// The system's current cursor when asked for and available, else our own arrow.
HCURSOR CursorImage(bool useSystemCursor, HCURSOR viewCursor) {
    if (useSystemCursor) {
        CURSORINFO info = {};
        info.cbSize = sizeof(info);
        if (GetCursorInfo(&info) && info.hCursor) return info.hCursor;
    }
    return viewCursor;
}

}  // namespace

RECT MainWindow::SourceRect() const {
    return magnifier.SourceRect();
}

FrameLook MainWindow::CurrentLook() const {
    const RECT view = GetViewRect();
    FrameLook look = {};
    look.source = SourceRect();
    look.view = SIZE{view.right - view.left, view.bottom - view.top};
    look.zoomFactor = SafeZoomFactor(g_settings.ZoomFactor);
    if (g_settings.ShowGrid) {
        look.gridSpacing = GridSpacing(look.zoomFactor, g_settings.GridSize);
        look.gridColour = g_settings.GridColor;
    }
    if (g_settings.MouseTracking && g_settings.DisplayMouseWhenFollowing) {
        // The image keeps its own size and its corner, not its hot spot, marks
        // the zoom point.
        look.cursor = CursorImage(g_settings.bUseOSCursor != 0, viewCursor);
        if (look.cursor) look.cursorAt = CursorImageOrigin(magnifier.ZoomPoint(), look.source, look.zoomFactor);
    }
    return look;
}

bool MainWindow::CanPaint() const {
    // No geometry yet (the window has never had a size) means nothing to show either.
    return !viewHidden && magnifier.HasGeometry();
}

void MainWindow::ShowFrame(HDC target) {
    const RECT view = GetViewRect();
    // The surplus block on the right and at the bottom is cut off here.
    frame.Show(target, POINT{view.left, view.top}, identityPalette);
}

void MainWindow::Render(HDC target) {
    if (!target || !CanPaint()) return;
    frame.Capture(CurrentLook());
    ShowFrame(target);
}

void MainWindow::Redraw() {
    if (!window) return;
    WindowDC dc(window);
    Render(dc);
}

bool MainWindow::RefreshView() {
    if (!window || !CanPaint()) return false;
    // The window's DC is only taken for a picture that changed.
    if (!frame.Capture(CurrentLook())) return false;
    WindowDC dc(window);
    if (!dc) return false;
    ShowFrame(dc);
    return true;
}
