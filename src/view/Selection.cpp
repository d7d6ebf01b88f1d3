// The right-button selection in the view: the drag, its outline and size tip,
// the menu at the release point, and zooming to the selected area.
#include "common/Format.h"
#include "mainwindow/MainWindow.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "text/ResString.h"
#include "view/SelectionMath.h"

namespace {

POINT TopLeft(const RECT& rect) {
    POINT corner = {rect.left, rect.top};
    return corner;
}

}  // namespace

RECT MainWindow::SelectionRect() const {
    return SnapSelection(selectionAnchor, selectionEnd, TopLeft(GetViewRect()), g_settings.ZoomFactor);
}

void MainWindow::OnRButtonDown(int x, int y) {
    EndPicking();
    // A press outside the view (possible only while the view is squeezed away)
    // is brought onto its edge, so the selection never leaves the view.
    POINT press = {x, y};
    selectionAnchor = LimitToRect(press, GetViewRect());
    selectionEnd = selectionAnchor;
    // A drag whose button-up never arrived may have left its outline behind.
    marquee.Hide();
    marquee.Show(window, Dpi());
    selecting = true;
    SetCapture(window);
}

void MainWindow::OnSelectingMouseMove(int x, int y) {
    POINT position = {x, y};
    selectionEnd = LimitToRect(position, GetViewRect());
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
        POINT tip = SelectionTipPoint(selectionAnchor, zoom);
        ClientToScreen(window, &tip);
        trackingToolTip.Show(window, tip.x, tip.y, text, Dpi());
    }

    POINT corners[2] = {{selection.left, selection.top}, {selection.right, selection.bottom}};
    MapWindowPoints(window, HWND_DESKTOP, corners, 2);
    marquee.Place(corners[0].x, corners[0].y, width, height);
}

void MainWindow::OnRButtonUp(int x, int y) {
    if (!selecting) return;
    // Cleared before the capture goes, so the cancel-mode that may follow does
    // not cancel the selection the menu is about to act on.
    selecting = false;
    ReleaseCapture();

    if (IsEmptySelection(SelectionRect())) {
        trackingToolTip.Hide();
        marquee.Hide();
        selectionActive = false;
    } else {
        selectionActive = true;
    }

    // The release point itself, not limited to the view: a drag that ends over
    // a status pane gets that pane's menu.
    POINT release = {x, y};
    ClientToScreen(window, &release);
    ShowContextMenu(release);

    // The menu normally cancels the selection when it closes; when it did not
    // ("What's This?"), the outline must not stay on screen either.
    if (selectionActive) {
        trackingToolTip.Hide();
        marquee.Hide();
        selectionActive = false;
        Redraw();
    }
}

void MainWindow::CancelSelection() {
    if (!selectionActive && !selecting) return;
    trackingToolTip.Hide();
    selectionActive = false;
    if (selecting) {
        selecting = false;
        ReleaseCapture();
    }
    marquee.Hide();
    Redraw();
    // The anchor and the end stay: the selection commands run after the menu
    // has cancelled the selection and still act on its rectangle.
}

void MainWindow::ZoomToSelection() {
    RECT selection = SelectionRect();
    if (IsEmptySelection(selection)) return;
    RECT view = GetViewRect();
    int factor = ZoomToSelectionFactor(selection, view);
    UpdateZoomFrame();
    zoomPoint = ZoomToSelectionPoint(selection, view, TopLeft(zoomFrame), g_settings.ZoomFactor);
    SetZoom(g_settings.ZoomFactor * factor);
    Redraw();
}
