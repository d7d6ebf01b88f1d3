// What the view magnifies and when: the zoom factor, the zoom point and the ways
// it moves, the refresh speed, and the tracking tick that samples the colour and
// coordinates under the mouse for the status bar.
#include <windows.h>

#include "common/Handles.h"
#include "common/Process.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/Placement.h"
#include "mainwindow/Switches.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "text/ColourText.h"
#include "text/Strings.h"
#include "view/TrackingMath.h"
#include "view/ViewGeometry.h"

namespace {

constexpr int kHighlightFlashes = 4;
constexpr DWORD kHighlightPauseMs = 100;

bool ControlKeyDown() {
    return (GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

}  // namespace

// --- Zoom factor and refresh speed

void MainWindow::SetZoom(int zoom) {
    zoom = ClampZoomFactor(zoom);
    if (zoom == g_settings.ZoomFactor) return;
    g_settings.ZoomFactor = zoom;
    Layout();
    Redraw();
    band.ShowZoom(zoom);
}

void MainWindow::SetUpdateSpeed(int index, bool force) {
    index = ClampUpdateSpeed(index);
    if (index == g_settings.Update && !force) return;
    band.ShowUpdateSpeed(index);
    // Killing a timer that does not run is harmless, and it covers a stored
    // speed that was out of range.
    if (index == kSpeedNone) KillTimer(window, kRefreshTimerId);
    g_settings.Update = index;
    UINT interval = RefreshIntervalMs(index, g_settings.Update1, g_settings.Update2, g_settings.Update3);
    if (interval) SetTimer(window, kRefreshTimerId, interval, nullptr);
    RefreshFollowButton();
}

void MainWindow::RefreshFollowButton() {
    ShowSwitchButton(band, IDM_FOLLOW_MOUSE);
    Redraw();
}

void MainWindow::RefreshGridButton() {
    ShowSwitchButton(band, IDM_TOGGLE_GRID);
    Redraw();
}

// --- The zoom point and its frame

void MainWindow::MoveZoomPoint(int dx, int dy) {
    if (magnifier.MoveBy(dx, dy)) {
        Layout();
        Redraw();
    }
}

void MainWindow::UpdateZoomFrame() {
    magnifier.UpdateZoomFrame();
}

void MainWindow::InvertZoomFrame() {
    WindowDC screen(nullptr);
    FrameStrips outline = OutlineStrips(magnifier.ZoomFrame());
    for (int i = 0; i < outline.count; ++i) {
        const Strip& strip = outline.strips[i];
        PatBlt(screen, strip.x, strip.y, strip.width, strip.height, DSTINVERT);
    }
    // Drawing on the screen may be held back until the thread next waits for
    // messages (under Wine it only then reaches the X server), which Highlight
    // does not do between its blinks. Reading a pixel back returns only once
    // everything drawn before it is on the screen; (0, 0) lies on the primary
    // monitor, so the read always takes place.
    GetPixel(screen, 0, 0);
}

void MainWindow::FlashZoomFrame() {
    // Each inversion is undone by the next, so the screen ends as it was.
    UpdateZoomFrame();
    for (int flash = 0; flash < kHighlightFlashes; ++flash) {
        InvertZoomFrame();
        Sleep(kHighlightPauseMs);
        InvertZoomFrame();
        Sleep(kHighlightPauseMs);
    }
}

// --- Picking the zoom point with the left button

void MainWindow::OnLButtonDown() {
    if (magnifier.SelectionHeld()) {
        CancelSelection();
        return;
    }
    // A drag whose button-up went elsewhere (the capture was taken away) still
    // has its outline on the screen: remove it before drawing a new one.
    if (magnifier.Picking()) EndPicking();
    SetCapture(window);
    status.SetPrompt(ResString(IDS_PICKING_HINT).Text());
    POINT cursor = magnifier.ZoomPoint();
    GetCursorPos(&cursor);
    magnifier.BeginPicking(cursor);
    InvertZoomFrame();
    SetCursor(LoadCursorA(g_instance, MAKEINTRESOURCEA(IDC_MAGNIFYING_GLASS)));
    const POINT tip = magnifier.PickingTipPoint();
    trackingToolTip.Show(window, tip.x, tip.y, g_strings.dragHint.Text(), Dpi());
}

void MainWindow::OnPickingMouseMove() {
    InvertZoomFrame();
    POINT cursor = magnifier.ZoomPoint();
    GetCursorPos(&cursor);
    magnifier.PickAt(cursor);
    InvertZoomFrame();
    Redraw();
}

void MainWindow::OnLButtonUp() {
    if (!magnifier.Picking()) return;
    EndPicking();
    Redraw();
}

void MainWindow::EndPicking() {
    // Ended first: releasing the capture sends messages that must see it ended.
    if (magnifier.EndPicking()) {
        ReleaseCapture();
        InvertZoomFrame();
        status.ShowRestPrompt();
        trackingToolTip.Hide();
    }
    if (magnifier.Selecting()) CancelSelection();
}

// --- Timers

void MainWindow::OnRefreshTick() {
    if (IsIconic(window)) return;
    // While a selection is dragged or its menu is open, the picture holds still.
    if (magnifier.SelectionHeld()) return;
    // Only a changed picture is put on the window; a still screen costs one
    // copy of the magnified area at screen size.
    RefreshView();
}

void MainWindow::OnTrackingTick() {
    if (IsIconic(window)) return;
    POINT cursor = {0, 0};
    GetCursorPos(&cursor);

    if (g_settings.MouseTracking && magnifier.Follow(cursor)) Redraw();

    POINT shown = cursor;
    if (g_settings.RelativeCoords) {
        HWND under = WindowFromPoint(cursor);
        if (under) ScreenToClient(under, &shown);
    }
    status.ShowCoordinates(shown);

    // The last refresh's copy of the screen has the pixel when the mouse is
    // over the magnified area; otherwise it is read from the screen.
    COLORREF colour = CLR_INVALID;
    if (!frame.ColourAt(cursor, kTrackingIntervalMs, &colour)) {
        WindowDC screen(nullptr);
        colour = GetPixel(screen, cursor.x, cursor.y);
    }
    // Written at the first tick whatever the colour: a start over black would
    // otherwise leave the pane blank until the colour changes.
    if (status.ColourShown() && colour == sampledColour) return;
    sampledColour = colour;
    status.ShowColour(colour, StoredColourFormat(g_settings));
}

void MainWindow::SetColourFormat(ColourFormat format) {
    StoreColourFormat(g_settings, format);
    status.Invalidate();
}

void MainWindow::SetCoordinateMode(CoordinateMode mode) {
    g_settings.RelativeCoords = static_cast<uint8_t>(mode);
    status.Invalidate();
}

// --- Sliders, wheel and keys

void MainWindow::OnHScroll(HWND slider, WORD code, WORD position) {
    switch (band.SliderOf(slider)) {
    case ToolbarBand::Slider::Zoom:
        SetZoom(SliderValue(g_settings.ZoomFactor, code, position));
        break;
    case ToolbarBand::Slider::UpdateSpeed:
        SetUpdateSpeed(SliderValue(g_settings.Update, code, position), false);
        break;
    case ToolbarBand::Slider::None:
        // Other windows' scroll notifications are not ours.
        break;
    }
}

void MainWindow::OnMouseWheel(short delta, WORD keys) {
    EndPicking();
    CancelSelection();
    // Shift wins when both keys are held.
    if (keys & MK_SHIFT) {
        g_settings.nTransparency = WheelTransparency(g_settings.nTransparency, delta);
        ApplyTranslucency();
    } else if (keys & MK_CONTROL) {
        SetZoom(WheelZoom(g_settings.ZoomFactor, delta));
    }
}

void MainWindow::OnKeyDown(UINT virtualKey) {
    if (virtualKey == VK_ESCAPE) {
        EndPicking();
        CancelSelection();
        return;
    }
    POINT offset;
    if (magnifier.KeyStep(virtualKey, ControlKeyDown(), g_settings.nSlowScrollRate, g_settings.nFastScrollRate,
                          &offset)) {
        MoveZoomPoint(offset.x, offset.y);
    }
}
