// Every command of the main window, from the context menus, the toolbar and
// the accelerator table.
#include "commands/Capture.h"
#include "commands/Help.h"
#include "dialogs/Dialogs.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/Switches.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "text/ColourText.h"

void MainWindow::RunOptions() {
    // The dialog edits the settings in place; Cancel leaves them as they were.
    if (!RunOptionsDialog(window)) return;
    g_settings.SaveSettings();
    ApplyTranslucency();
    Redraw();
}

bool MainWindow::ExecuteCommand(WORD command) {
    Settings& s = g_settings;
    // An on/off setting: switched, then applied.
    if (const Switch* toggled = FindSwitch(command)) {
        toggled->setting.Flip(s);
        (this->*toggled->apply)();
        return false;
    }
    switch (command) {
    case IDM_CLOSE:
        DestroyWindow(window);
        return true;
    case IDM_ZOOM_2X:
        SetZoom(2);
        break;
    case IDM_ZOOM_4X:
        SetZoom(4);
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
