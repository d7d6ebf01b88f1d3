// The client area in three strips: the toolbar band at the top, the view in the
// middle and the status bar at the bottom; either bar may be hidden or absent.
#include "mainwindow/MainWindow.h"

#include <commctrl.h>

#include "common/Handles.h"
#include "mainwindow/Placement.h"
#include "settings/Settings.h"
#include "text/Strings.h"
#include "view/ViewGeometry.h"

namespace {

constexpr int kSwatchPaneWidth = 31;
constexpr int kTextPanePadding = 6;
constexpr int kLinkPanePadding = 12;

int TextWidth(HDC dc, ResString& text) {
    const char* characters = text.Text();
    SIZE extent = {0, 0};
    if (characters) GetTextExtentPoint32A(dc, characters, text.Length(), &extent);
    return extent.cx;
}

}  // namespace

RECT MainWindow::GetViewRect() const {
    RECT view = {0, 0, 0, 0};
    GetClientRect(window, &view);
    if (g_settings.DisplayToolbar) view.top += toolbarBandHeight;
    if (g_settings.DisplayStatusbar) view.bottom -= statusBarHeight;
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
    if (toolbarBand) SetWindowPos(toolbarBand, nullptr, 0, 0, width, toolbarBandHeight, SWP_NOZORDER | SWP_NOMOVE);
    if (statusBar) SetWindowPos(statusBar, nullptr, 0, view.bottom, width, statusBarHeight, SWP_NOZORDER);

    const ViewGeometry geometry = ComputeViewGeometry(width, height, g_settings.ZoomFactor, g_desktop);
    sourceWidth = geometry.sourceWidth;
    sourceHeight = geometry.sourceHeight;
    halfWidth = geometry.halfWidth;
    halfHeight = geometry.halfHeight;
    highestZoomPoint = geometry.highest;

    viewRegion.reset(CreateRectRgn(view.left, view.top, view.right, view.bottom));

    if (!statusBar) return;
    for (int pane = kColourPane; pane < kStatusPaneCount; ++pane) {
        RECT paneRect = {0, 0, 0, 0};
        if (SendMessageA(statusBar, SB_GETRECT, pane, reinterpret_cast<LPARAM>(&paneRect))) {
            controlTips.SetToolRect(statusBar, pane, paneRect);
        }
    }
}

void MainWindow::SizeStatusPanes() {
    if (!statusBar) return;
    int widths[kStatusPaneCount] = {0, 0, kSwatchPaneWidth, 0, 0};
    {
        WindowDC dc(window);
        SelectionGuard font(dc, GetStockObject(DEFAULT_GUI_FONT));
        widths[0] = TextWidth(dc, g_strings.pressF1) + kTextPanePadding;
        widths[1] = TextWidth(dc, g_strings.colourSample) + kTextPanePadding;
        widths[3] = TextWidth(dc, g_strings.coordinatesSample) + kTextPanePadding;
        widths[4] = TextWidth(dc, g_strings.webSiteName) + kLinkPanePadding;
    }

    // The status bar's height stands in for the width of its size grip.
    const RECT view = GetViewRect();
    const int available = view.right - statusBarHeight - view.left;
    const int others = widths[1] + widths[2] + widths[3] + widths[4];
    // The message pane takes all spare room; the others keep their measured widths.
    if (available + 3 > widths[0] + others) widths[0] = available + 3 - others;

    int edges[kStatusPaneCount];
    int edge = 0;
    for (int pane = 0; pane < kStatusPaneCount; ++pane) {
        edge += widths[pane];
        edges[pane] = edge;
    }
    SendMessageA(statusBar, SB_SETPARTS, kStatusPaneCount, reinterpret_cast<LPARAM>(edges));
}
