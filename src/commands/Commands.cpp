// Every command of the main window, from the context menus, the toolbar and
// the accelerator table.
#include "commands/Capture.h"
#include "commands/Help.h"
#include "dialogs/Dialogs.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/Placement.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "view/ColourText.h"

namespace {

constexpr int kHighlightFlashes = 4;
constexpr DWORD kHighlightPauseMs = 100;

template <typename Flag>
void Toggle(Flag& flag) {
    flag = flag ? 0 : 1;
}

}  // namespace

void MainWindow::RunOptions() {
    // The dialog edits the settings in place; Cancel leaves them as they were.
    if (!RunOptionsDialog(window)) return;
    g_settings.SaveSettings();
    ApplyTransparency(window, g_settings.Transparent != 0, g_settings.nTransparency);
    Redraw();
}

bool MainWindow::ExecuteCommand(WORD command) {
    Settings& s = g_settings;
    switch (command) {
    case IDM_CLOSE:
        DestroyWindow(window);
        return true;
    case IDM_ALWAYS_ON_TOP:
        Toggle(s.AlwaysOnTop);
        ApplyTopmost();
        break;
    case IDM_FOLLOW_MOUSE:
        Toggle(s.MouseTracking);
        RefreshFollowButton();
        break;
    case IDM_ZOOM_2X:
        SetZoom(2);
        break;
    case IDM_ZOOM_4X:
        SetZoom(4);
        break;
    case IDM_TOGGLE_TOOLBAR:
        Toggle(s.DisplayToolbar);
        ShowToolbarBand();
        break;
    case IDM_TOGGLE_STATUS_BAR:
        Toggle(s.DisplayStatusbar);
        ShowStatusBar();
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
        // Each inversion is undone by the next, so the screen ends as it was.
        UpdateZoomFrame();
        for (int flash = 0; flash < kHighlightFlashes; ++flash) {
            InvertZoomFrame();
            Sleep(kHighlightPauseMs);
            InvertZoomFrame();
            Sleep(kHighlightPauseMs);
        }
        break;
    case IDM_TOGGLE_GRID:
        Toggle(s.ShowGrid);
        RefreshGridButton();
        break;
    case IDM_COLOUR_AS_RGB:
    case IDM_COLOUR_AS_HEX:
        StoreColourFormat(s, command == IDM_COLOUR_AS_RGB ? ColourFormat::Rgb : ColourFormat::Hexadecimal);
        status.Invalidate();
        break;
    case IDM_SCREEN_COORDINATES:
    case IDM_WINDOW_COORDINATES:
        s.RelativeCoords = command == IDM_WINDOW_COORDINATES ? 1 : 0;
        status.Invalidate();
        break;
    case IDM_TOGGLE_TRANSPARENT:
        Toggle(s.Transparent);
        ApplyTransparency(window, s.Transparent != 0, s.nTransparency);
        break;
    case IDM_COPY_ZOOMED:
        PutBitmapOnClipboard(window, CaptureImage(true, false));
        break;
    case IDM_COPY_SCREEN:
        PutBitmapOnClipboard(window, CaptureImage(false, false));
        break;
    case IDM_SAVE_IMAGE_AS:
        SaveImageAs(selectionActive);
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
