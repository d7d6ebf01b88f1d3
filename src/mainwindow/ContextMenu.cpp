// The four context menus of the main window, chosen by the place under the
// click, and the help ids that name those places.
#include <windows.h>
#include <commctrl.h>

#include "common/Handles.h"
#include "commands/Help.h"
#include "common/Process.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/Switches.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "text/ColourText.h"

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

constexpr int kWhatsThisControlId = 1;
constexpr int kWhatsThisSize = 10;

// A menu item, besides the switches', that carries a check mark while the settings say so.
struct CheckMark {
    UINT command;
    bool (*marked)(const Settings& settings);
};
const CheckMark kCheckMarks[] = {
    {IDM_ZOOM_2X, [](const Settings& s) { return s.ZoomFactor == 2; }},
    {IDM_ZOOM_4X, [](const Settings& s) { return s.ZoomFactor == 4; }},
};

void Mark(HMENU popup, UINT command, bool marked) {
    CheckMenuItem(popup, command, MF_BYCOMMAND | (marked ? MF_CHECKED : MF_UNCHECKED));
}

// Items first ... last of which the one the settings choose carries the radio mark.
struct RadioMark {
    UINT first;
    UINT last;
    UINT (*chosen)(const Settings& settings);
};
const RadioMark kRadioMarks[] = {
    {IDM_COLOUR_AS_RGB, IDM_COLOUR_AS_HEX,
     [](const Settings& s) -> UINT {
         return StoredColourFormat(s) == ColourFormat::Rgb ? IDM_COLOUR_AS_RGB : IDM_COLOUR_AS_HEX;
     }},
    {IDM_SCREEN_COORDINATES, IDM_WINDOW_COORDINATES,
     [](const Settings& s) -> UINT { return s.RelativeCoords ? IDM_WINDOW_COORDINATES : IDM_SCREEN_COORDINATES; }},
};

// Marks the current settings in a pop-up. Each pop-up carries only some of the
// items; marking by command leaves a menu without the item as it is.
void MarkSettings(HMENU popup) {
    const Settings& s = g_settings;
    for (size_t i = 0; i < kSwitchCount; ++i) Mark(popup, kSwitches[i].command, kSwitches[i].setting.On(s));
    for (const CheckMark& mark : kCheckMarks) Mark(popup, mark.command, mark.marked(s));
    for (const RadioMark& mark : kRadioMarks) {
        CheckMenuRadioItem(popup, mark.first, mark.last, mark.chosen(s), MF_BYCOMMAND);
    }
}

// Picks the pop-up of menu 141 for a place and marks the current settings in it.
HMENU PreparePopup(HMENU menus, int helpId, bool selectionActive) {
    HMENU popup = nullptr;
    if (helpId == HELP_ID_STATUS_COLOUR) {
        popup = GetSubMenu(menus, MENU_POS_COLOUR_PANE);
    } else if (helpId == HELP_ID_STATUS_COORDINATES) {
        popup = GetSubMenu(menus, MENU_POS_COORDINATES_PANE);
    } else if (selectionActive) {
        popup = GetSubMenu(menus, MENU_POS_SELECTION);
        EnableMenuItem(popup, IDM_ZOOM_TO_SELECTION,
                       MF_BYCOMMAND | (g_settings.ZoomFactor >= kMaxZoomFactor ? MF_GRAYED : MF_ENABLED));
    } else {
        popup = GetSubMenu(menus, MENU_POS_MAIN);
    }
    if (popup) MarkSettings(popup);
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
    if (Menu menus(LoadMenuA(g_instance, MAKEINTRESOURCEA(IDR_CONTEXT_MENUS))); menus) {
        if (HMENU popup = PreparePopup(menus, helpId, magnifier.SelectionShown())) {
            chosen = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0, window,
                                    nullptr);
        }
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
