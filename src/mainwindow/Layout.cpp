// The client area in three strips: the toolbar band at the top, the view in the
// middle and the status bar at the bottom; either bar may be hidden or absent.
#include "mainwindow/MainWindow.h"

#include "mainwindow/Placement.h"
#include "settings/Settings.h"

RECT MainWindow::GetViewRect() const {
    RECT view = {0, 0, 0, 0};
    GetClientRect(window, &view);
    if (g_settings.DisplayToolbar) view.top += band.Height();
    if (g_settings.DisplayStatusbar) view.bottom -= status.Height();
    return view;
}

void MainWindow::Layout() {
    const RECT view = GetViewRect();
    const int width = view.right - view.left;
    const int height = view.bottom - view.top;
    // The bars overlap: keep everything as it was and paint nothing until the
    // window is tall enough again.
    if (width < 0 || height < 0) {
        viewHidden = true;
        return;
    }
    viewHidden = false;

    // Both bars are placed even while hidden, so they fit when shown again.
    band.Resize(width);
    status.Place(view);

    magnifier.Fit(width, height, g_settings.ZoomFactor, g_desktop);

    viewRegion.reset(CreateRectRgn(view.left, view.top, view.right, view.bottom));

    // The pane tooltips follow the panes as they are now; a resize sets the new
    // widths only afterwards, and the tips catch up at the next layout.
    status.MoveTips(controlTips);
}

void MainWindow::SizeStatusPanes() {
    status.Size(window, GetViewRect());
}
