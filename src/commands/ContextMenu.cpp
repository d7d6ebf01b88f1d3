// The four context menus of the main window, chosen by the place under the
// click, and the help ids that name those places.
#include <windows.h>
#include <commctrl.h>

#include "app/Application.h"
#include "commands/Help.h"
#include "mainwindow/MainWindow.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "view/ColourText.h"

namespace {

constexpr int kWhatsThisControlId = 1;
constexpr int kWhatsThisSize = 10;

void CheckCommand(HMENU menu, UINT command, bool checked) {
    CheckMenuItem(menu, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace

bool MainWindow::HitTestHelpId(POINT screenPoint, int* helpId) {
    *helpId = HELP_ID_NONE;
    POINT client = screenPoint;
    ScreenToClient(window, &client);
    // The places in this order: the view, the sliders, the status bar, the toolbar.
    if (viewRegion && PtInRegion(viewRegion, client.x, client.y)) *helpId = HELP_ID_VIEW;
    if (*helpId == HELP_ID_NONE) *helpId = band.SliderHelpIdAt(screenPoint);
    if (*helpId == HELP_ID_NONE) *helpId = status.HelpIdAt(screenPoint);
    if (*helpId == HELP_ID_NONE) *helpId = band.HelpIdAt(screenPoint);
    return *helpId != HELP_ID_NONE;
}

namespace {

// Picks the pop-up of menu 141 for a place and marks the current settings in it.
HMENU PreparePopup(HMENU menus, int helpId, bool selectionActive) {
    const Settings& s = g_settings;
    HMENU popup = nullptr;
    if (helpId == HELP_ID_STATUS_COLOUR) {
        popup = GetSubMenu(menus, MENU_POS_COLOUR_PANE);
        CheckCommand(popup, IDM_TOGGLE_STATUS_BAR, s.DisplayStatusbar != 0);
        CheckMenuRadioItem(popup, IDM_COLOUR_AS_RGB, IDM_COLOUR_AS_HEX,
                           StoredColourFormat(s) == ColourFormat::Rgb ? IDM_COLOUR_AS_RGB : IDM_COLOUR_AS_HEX,
                           MF_BYCOMMAND);
    } else if (helpId == HELP_ID_STATUS_COORDINATES) {
        popup = GetSubMenu(menus, MENU_POS_COORDINATES_PANE);
        CheckCommand(popup, IDM_TOGGLE_STATUS_BAR, s.DisplayStatusbar != 0);
        CheckMenuRadioItem(popup, IDM_SCREEN_COORDINATES, IDM_WINDOW_COORDINATES,
                           s.RelativeCoords ? IDM_WINDOW_COORDINATES : IDM_SCREEN_COORDINATES, MF_BYCOMMAND);
    } else if (selectionActive) {
        popup = GetSubMenu(menus, MENU_POS_SELECTION);
        EnableMenuItem(popup, IDM_ZOOM_TO_SELECTION,
                       MF_BYCOMMAND | (s.ZoomFactor >= kMaxZoomFactor ? MF_GRAYED : MF_ENABLED));
    } else {
        popup = GetSubMenu(menus, MENU_POS_MAIN);
        CheckCommand(popup, IDM_ALWAYS_ON_TOP, s.AlwaysOnTop != 0);
        CheckCommand(popup, IDM_FOLLOW_MOUSE, s.MouseTracking != 0);
        CheckCommand(popup, IDM_TOGGLE_TOOLBAR, s.DisplayToolbar != 0);
        CheckCommand(popup, IDM_TOGGLE_TRANSPARENT, s.Transparent != 0);
        CheckCommand(popup, IDM_TOGGLE_STATUS_BAR, s.DisplayStatusbar != 0);
        CheckCommand(popup, IDM_ZOOM_2X, s.ZoomFactor == 2);
        CheckCommand(popup, IDM_ZOOM_4X, s.ZoomFactor == 4);
    }
    return popup;
}

}  // namespace

bool MainWindow::ShowContextMenu(POINT screenPoint) {
    int helpId = HELP_ID_NONE;
    if (!HitTestHelpId(screenPoint, &helpId)) {
        CancelSelection();
        return false;
    }

    // Loaded afresh each time, so the marks always start from the resource.
    int chosen = 0;
    if (HMENU menus = LoadMenuA(g_instance, MAKEINTRESOURCEA(IDR_CONTEXT_MENUS))) {
        if (HMENU popup = PreparePopup(menus, helpId, selectionActive)) {
            chosen = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0, window,
                                    nullptr);
        }
        DestroyMenu(menus);
    }

    if (chosen == IDM_WHATS_THIS) {
        // The popup help is attached to an invisible child at the click, whose
        // control id maps to the place's help id.
        POINT client = screenPoint;
        ScreenToClient(window, &client);
        HWND anchor = CreateWindowExA(0, "STATIC", "", WS_CHILD, client.x, client.y, kWhatsThisSize, kWhatsThisSize,
                                      window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kWhatsThisControlId)),
                                      g_instance, nullptr);
        const DWORD helpList[] = {kWhatsThisControlId, static_cast<DWORD>(helpId), 0, 0};
        ShowHelp(anchor, HELP_WM_HELP, reinterpret_cast<ULONG_PTR>(helpList));
        if (anchor) DestroyWindow(anchor);
        return true;
    }

    // The selection goes first; its rectangle stays stored, so the selection
    // commands still act on it.
    CancelSelection();
    if (chosen != 0) ExecuteCommand(static_cast<WORD>(chosen));
    return true;
}
