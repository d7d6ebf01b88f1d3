// Every command of the main window, from the context menus, the toolbar and
// the accelerator table.
#include "commands/Capture.h"
#include "commands/Help.h"
#include "dialogs/Dialogs.h"
#include "mainwindow/MainWindow.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "text/ColourText.h"

namespace {

// Switches a stored flag on or off, then shows the change.
template <typename Flag>
void Toggle(MainWindow& mainWindow, Flag& flag, void (MainWindow::*show)()) {
    flag = flag ? 0 : 1;
    (mainWindow.*show)();
}

}  // namespace

void MainWindow::RunOptions() {
    // The dialog edits the settings in place; Cancel leaves them as they were.
    if (!RunOptionsDialog(window)) return;
    g_settings.SaveSettings();
    ApplyTranslucency();
    Redraw();
}

bool MainWindow::ExecuteCommand(WORD command) {
    Settings& s = g_settings;
    switch (command) {
    case IDM_CLOSE:
        DestroyWindow(window);
        return true;
    case IDM_ALWAYS_ON_TOP:
        Toggle(*this, s.AlwaysOnTop, &MainWindow::ApplyTopmost);
        break;
    case IDM_FOLLOW_MOUSE:
        Toggle(*this, s.MouseTracking, &MainWindow::RefreshFollowButton);
        break;
    case IDM_ZOOM_2X:
        SetZoom(2);
        break;
    case IDM_ZOOM_4X:
        SetZoom(4);
        break;
    case IDM_TOGGLE_TOOLBAR:
        Toggle(*this, s.DisplayToolbar, &MainWindow::ShowToolbarBand);
        break;
    case IDM_TOGGLE_STATUS_BAR:
        Toggle(*this, s.DisplayStatusbar, &MainWindow::ShowStatusBar);
        break;
    case IDM_HELP_TOPICS:
        ShowHelp(window, HELP_CONTEXT, HELP_TOPIC_MAIN);
        break;
    case IDM_OPTIONS:
        RunOptions();
        break;
    case IDM_COPY_SELECTION:
        PutBitmapOnClipboard(window, CaptureImage(false, true));
        break;
    case IDM_SAVE_SELECTION:
        SaveImageAs(true);
        break;
    case IDM_COPY_SELECTION_ZOOMED:
        PutBitmapOnClipboard(window, CaptureImage(true, true));
        break;
    case IDM_CONTEXT_MENU_KEY:
        ShowContextMenu(ViewCornerOnScreen());
        break;
    case IDM_CANCEL_SELECTION:
        CancelSelection();
        break;
    case IDM_ZOOM_TO_SELECTION:
        ZoomToSelection();
        break;
    case IDM_HIGHLIGHT:
        FlashZoomFrame();
        break;
    case IDM_TOGGLE_GRID:
        Toggle(*this, s.ShowGrid, &MainWindow::RefreshGridButton);
        break;
    case IDM_COLOUR_AS_RGB:
        SetColourFormat(ColourFormat::Rgb);
        break;
    case IDM_COLOUR_AS_HEX:
        SetColourFormat(ColourFormat::Hexadecimal);
        break;
    case IDM_SCREEN_COORDINATES:
        SetCoordinateMode(CoordinateMode::Screen);
        break;
    case IDM_WINDOW_COORDINATES:
        SetCoordinateMode(CoordinateMode::WindowClient);
        break;
    case IDM_TOGGLE_TRANSPARENT:
        Toggle(*this, s.Transparent, &MainWindow::ApplyTranslucency);
        break;
    case IDM_COPY_ZOOMED:
        PutBitmapOnClipboard(window, CaptureImage(true, false));
        break;
    case IDM_COPY_SCREEN:
        PutBitmapOnClipboard(window, CaptureImage(false, false));
        break;
    case IDM_SAVE_IMAGE_AS:
        SaveImageAs(magnifier.SelectionShown());
        break;
    case IDM_ZOOM_IN:
        SetZoom(s.ZoomFactor + 1);
        break;
    case IDM_ZOOM_OUT:
        SetZoom(s.ZoomFactor - 1);
        break;
    case IDM_ABOUT:
        RunAboutDialog(window);
        break;
    case IDM_SPEED_UP:
        SetUpdateSpeed(s.Update + 1, false);
        break;
    case IDM_SLOW_DOWN:
        SetUpdateSpeed(s.Update - 1, false);
        break;
    default:
        // "What's This?" is served by the menu that carries it.
        break;
    }
    return false;
}
