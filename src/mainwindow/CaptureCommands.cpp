// Copies of the view or of the selection for the clipboard and the hot keys.
#include "commands/Capture.h"
#include "mainwindow/MainWindow.h"
#include "settings/Settings.h"
#include "text/ColourText.h"
#include "view/CaptureGeometry.h"

Bitmap MainWindow::CaptureImage(bool zoomed, bool useSelection) {
    return CaptureScreenArea(
        ComputeCaptureArea(SourceRect(), GetViewRect(), SelectionRect(), g_settings.ZoomFactor, zoomed, useSelection));
}

void MainWindow::CopyZoomedView() {
    PutBitmapOnClipboard(window, CaptureImage(true, false));
}

void MainWindow::CopyColourUnderMouse() {
    ::CopyColourUnderMouse(window, StoredColourFormat(g_settings));
}
