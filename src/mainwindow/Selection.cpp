// The right-button selection in the view: the drag, its outline and size tip,
// the menu at the release point, and zooming to the selected area.
#include "common/Format.h"
#include "mainwindow/MainWindow.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "text/ResString.h"
#include "view/SelectionMath.h"

RECT MainWindow::SelectionRect() const {
    return magnifier.SelectionRect(GetViewRect(), g_settings.ZoomFactor);
}

void MainWindow::OnRButtonDown(int x, int y) {
    EndPicking();
    // A drag whose button-up never arrived may have left its outline behind.
    marquee.Hide();
    marquee.Show(window, Dpi());
    // A press outside the view (possible only while the view is squeezed away)
    // is brought onto its edge, so the selection never leaves the view.
    magnifier.BeginSelection(POINT{x, y}, GetViewRect());
    SetCapture(window);
}

void MainWindow::OnSelectingMouseMove(int x, int y) {
    magnifier.DragSelectionTo(POINT{x, y}, GetViewRect());
    UpdateSelectionFeedback();
}

void MainWindow::UpdateSelectionFeedback() {
    RECT selection = SelectionRect();
    int zoom = g_settings.ZoomFactor;
    int width = selection.right - selection.left;
    int height = selection.bottom - selection.top;

    // No tip until the selection first has a width or a height; from then on it
    // follows every move, also back down to nothing.
    if (trackingToolTip.Window() || width != 0 || height != 0) {
        SIZE size = SelectionScreenSize(selection, zoom);
        ResString format(IDS_SELECTED_SIZE);
        char text[TrackingToolTip::kTextCapacity];
        FormatText(text, format.Text(), static_cast<int>(size.cx), static_cast<int>(size.cy));
        POINT tip = magnifier.SelectionTipPoint(zoom);
        ClientToScreen(window, &tip);
        trackingToolTip.Show(window, tip.x, tip.y, text, Dpi());
    }

    POINT corners[2] = {{selection.left, selection.top}, {selection.right, selection.bottom}};
    MapWindowPoints(window, HWND_DESKTOP, corners, 2);
    marquee.Place(corners[0].x, corners[0].y, width, height);
}

void MainWindow::OnRButtonUp(int x, int y) {
    if (!magnifier.Selecting()) return;
    // Ended before the capture goes, so the cancel-mode that may follow does
    // not cancel the selection the menu is about to act on.
    const bool shown = magnifier.FinishSelection(GetViewRect(), g_settings.ZoomFactor);
    ReleaseCapture();

    if (!shown) {
        trackingToolTip.Hide();
        marquee.Hide();
    }

    // The release point itself, not limited to the view: a drag that ends over
    // a status pane gets that pane's menu.
    POINT release = {x, y};
    ClientToScreen(window, &release);
    ShowContextMenu(release);

    // The menu normally cancels the selection when it closes; when it did not
    // ("What's This?"), the outline must not stay on screen either.
    if (magnifier.SelectionShown()) {
        trackingToolTip.Hide();
        marquee.Hide();
        magnifier.CancelSelection();
        Redraw();
    }
}

void MainWindow::CancelSelection() {
    const DragMode ended = magnifier.CancelSelection();
    if (ended == DragMode::None) return;
    trackingToolTip.Hide();
    if (ended == DragMode::Selecting) ReleaseCapture();
    marquee.Hide();
    Redraw();
    // The anchor and the end stay: the selection commands run after the menu
    // has cancelled the selection and still act on its rectangle.
}

void MainWindow::ZoomToSelection() {
    int zoom = 0;
    if (!magnifier.ZoomToSelection(GetViewRect(), g_settings.ZoomFactor, &zoom)) return;
    SetZoom(zoom);
    Redraw();
}
