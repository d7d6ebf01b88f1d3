#include "dialogs/OptionsDialog.h"

#include <commctrl.h>
#include <commdlg.h>
#include <windowsx.h>

#include "commands/Help.h"
#include "commands/HotKeys.h"
#include "common/Dpi.h"
#include "common/Process.h"
#include "dialogs/BoundDialog.h"
#include "dialogs/DialogFit.h"
#include "dialogs/Dialogs.h"
#include "dialogs/RateMath.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "text/ColourText.h"
#include "text/ResString.h"

#ifndef _WIN64
static_assert(sizeof(CHOOSECOLORA) == 36, "CHOOSECOLORA keeps its 32-bit size");
#endif

ContextHelpFunction g_optionsContextHelp = &ShowHelp;

namespace {

constexpr int kCustomColourCount = 16;

struct RateField {
    int edit;
    int spin;
};
constexpr RateField kRateFields[] = {
    {IDC_OPTIONS_SLOW_RATE, IDC_OPTIONS_SLOW_SPIN},
    {IDC_OPTIONS_MEDIUM_RATE, IDC_OPTIONS_MEDIUM_SPIN},
    {IDC_OPTIONS_FAST_RATE, IDC_OPTIONS_FAST_SPIN},
};
constexpr int kRateFieldCount = sizeof(kRateFields) / sizeof(kRateFields[0]);

// The three intervals behind the Slow, Medium and Fast speeds, in field order.
int32_t* StoredInterval(Settings& s, int field) {
    int32_t* intervals[kRateFieldCount] = {&s.Update1, &s.Update2, &s.Update3};
    return intervals[field];
}

// The help topic the template gives a named control. Wine's dialog manager does
// not apply a DIALOGEX template's help ids, so where the system knows none (0)
// the template's rule stands in for it; on Windows the system's id is used.
DWORD ControlHelpId(int controlId, DWORD systemHelpId) {
    if (systemHelpId != 0 || controlId == IDC_STATIC) return systemHelpId;
    return OPTIONS_HELP_ID_BASE + static_cast<DWORD>(controlId);
}

void ShowHotKey(HWND dialog, const HotKey& key) {
    const Settings& s = g_settings;
    WORD controlWord = HotKeyControlWord(s.*key.virtualKey, s.*key.modifiers);
    SendDlgItemMessageA(dialog, key.optionsControl, HKM_SETHOTKEY, controlWord, 0);
}

void ReadHotKey(HWND dialog, const HotKey& key) {
    Settings& s = g_settings;
    WORD controlWord = LOWORD(SendDlgItemMessageA(dialog, key.optionsControl, HKM_GETHOTKEY, 0, 0));
    SplitHotKeyControlWord(controlWord, &(s.*key.virtualKey), &(s.*key.modifiers));
}

// The check boxes, each with the on/off setting it shows and sets, in the dialog's order.
struct CheckBox {
    int control;
    uint8_t Settings::*setting;
};
constexpr CheckBox kCheckBoxes[] = {
    {IDC_OPTIONS_CURSOR_WHEN_FOLLOWING, &Settings::DisplayMouseWhenFollowing},
    {IDC_OPTIONS_SINGLE_INSTANCE, &Settings::SingleInstance},
    {IDC_OPTIONS_RELATIVE_COORDINATES, &Settings::RelativeCoords},
    {IDC_OPTIONS_TRANSPARENT, &Settings::Transparent},
    {IDC_OPTIONS_SYSTEM_CURSOR, &Settings::bUseOSCursor},
};

uint8_t IsChecked(HWND dialog, int controlId) {
    return IsDlgButtonChecked(dialog, controlId) == BST_CHECKED ? 1 : 0;
}

// The state of one open dialog, bound to it through DWLP_USER from
// WM_INITDIALOG to WM_NCDESTROY.
class OptionsDialog : public BoundDialog<OptionsDialog> {
public:
    BOOL OnInitDialog();
    BOOL OnCommand(WORD command);
    BOOL OnHelp(const HELPINFO& help);
    void OnContextMenu(HWND clicked, POINT screen);

private:
    BOOL OnOk();
    HWND ControlAt(HWND clicked, POINT screen) const;

    // The colour chosen in this dialog; becomes GridColor only with a successful OK.
    COLORREF pendingGridColour_ = 0;
};

BOOL OptionsDialog::OnInitDialog() {
    const Settings& s = g_settings;
    pendingGridColour_ = s.GridColor;
    for (const RateField& field : kRateFields) {
        SendDlgItemMessageA(dialog_, field.spin, UDM_SETRANGE, 0, MAKELPARAM(kMaxUpdateRate, kMinUpdateRate));
    }
    SendDlgItemMessageA(dialog_, IDC_OPTIONS_GRID_SPIN, UDM_SETRANGE, 0, MAKELPARAM(kMaxGridSize, kMinGridSize));
    for (int i = 0; i < kRateFieldCount; ++i) {
        int rate = RateFromInterval(*StoredInterval(g_settings, i));
        SetDlgItemInt(dialog_, kRateFields[i].edit, static_cast<UINT>(rate), FALSE);
    }
    SetDlgItemInt(dialog_, IDC_OPTIONS_GRID_SIZE, static_cast<UINT>(s.GridSize), FALSE);
    for (const CheckBox& box : kCheckBoxes) {
        CheckDlgButton(dialog_, box.control, s.*box.setting ? BST_CHECKED : BST_UNCHECKED);
    }
    CheckRadioButton(dialog_, IDC_OPTIONS_COLOUR_RGB, IDC_OPTIONS_COLOUR_HEX,
                     StoredColourFormat(s) == ColourFormat::Rgb ? IDC_OPTIONS_COLOUR_RGB : IDC_OPTIONS_COLOUR_HEX);
    // The dialog lists the hot keys last row first.
    for (auto key = std::rbegin(kHotKeys); key != std::rend(kHotKeys); ++key) ShowHotKey(dialog_, *key);
    FitDialogTexts(dialog_, dpi::ForWindow(dialog_));
    return TRUE;
}

BOOL OptionsDialog::OnCommand(WORD command) {
    switch (command) {
    case IDOK:
        return OnOk();
    case IDCANCEL:
        EndDialog(dialog_, IDCANCEL);
        return TRUE;
    case IDC_OPTIONS_GRID_COLOUR:
        PickGridColour(dialog_, &pendingGridColour_);
        return FALSE;
    default:
        return FALSE;
    }
}

// Every field is checked before anything is stored, so a refused OK followed by
// Cancel leaves the settings exactly as they were, the grid colour included.
BOOL OptionsDialog::OnOk() {
    int rates[kRateFieldCount];
    for (int i = 0; i < kRateFieldCount; ++i) {
        if (!CheckIntField(dialog_, kRateFields[i].edit, kMinUpdateRate, kMaxUpdateRate, IDS_INVALID_UPDATE, &rates[i])) {
            return FALSE;
        }
    }
    int gridSize = 0;
    if (!CheckIntField(dialog_, IDC_OPTIONS_GRID_SIZE, kMinGridSize, kMaxGridSize, IDS_INVALID_GRID_SIZE, &gridSize)) {
        return FALSE;
    }

    Settings& s = g_settings;
    for (int i = 0; i < kRateFieldCount; ++i) *StoredInterval(s, i) = IntervalFromRate(rates[i]);
    for (const CheckBox& box : kCheckBoxes) s.*box.setting = IsChecked(dialog_, box.control);
    StoreColourFormat(s, IsChecked(dialog_, IDC_OPTIONS_COLOUR_RGB) ? ColourFormat::Rgb : ColourFormat::Hexadecimal);
    s.GridSize = gridSize;
    s.GridColor = pendingGridColour_;
    for (auto key = std::rbegin(kHotKeys); key != std::rend(kHotKeys); ++key) ReadHotKey(dialog_, *key);
    // The new hot keys are registered once the dialog has gone (RunOptionsDialog).
    EndDialog(dialog_, IDOK);
    return TRUE;
}

BOOL OptionsDialog::OnHelp(const HELPINFO& help) {
    // Help on a menu item of the dialog's system menu names no control.
    if (help.iContextType != HELPINFO_WINDOW || help.iCtrlId == 0) return FALSE;
    DWORD topics[4] = {static_cast<DWORD>(help.iCtrlId), ControlHelpId(help.iCtrlId, static_cast<DWORD>(help.dwContextId)),
                       0, 0};
    g_optionsContextHelp(static_cast<HWND>(help.hItemHandle), HELP_WM_HELP, reinterpret_cast<ULONG_PTR>(topics));
    return TRUE;
}

// The control the user right-clicked. A click on a control reports the control
// itself; a click that reached the dialog (labels and group boxes let the mouse
// through) is placed by its point. Searching by point alone would find the group
// box in front of the radio buttons, edits and hot-key fields inside it.
HWND OptionsDialog::ControlAt(HWND clicked, POINT screen) const {
    if (clicked && clicked != dialog_ && GetParent(clicked) == dialog_) return clicked;
    POINT client = screen;
    ScreenToClient(dialog_, &client);
    HWND child = ChildWindowFromPoint(dialog_, client);
    return child == dialog_ ? nullptr : child;
}

void OptionsDialog::OnContextMenu(HWND clicked, POINT screen) {
    HWND control = ControlAt(clicked, screen);
    if (!control) return;
    int controlId = GetDlgCtrlID(control);
    if (controlId == IDC_STATIC) return;
    DWORD topics[4] = {static_cast<DWORD>(controlId), ControlHelpId(controlId, GetWindowContextHelpId(control)), 0, 0};
    g_optionsContextHelp(control, HELP_CONTEXTMENU, reinterpret_cast<ULONG_PTR>(topics));
}

}  // namespace

INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        OptionsDialog* options = reinterpret_cast<OptionsDialog*>(lParam);
        options->Bind(dialog);
        return options->OnInitDialog();
    }
    OptionsDialog* options = OptionsDialog::From(dialog);
    if (!options) return FALSE;
    switch (message) {
    case WM_COMMAND:
        return options->OnCommand(LOWORD(wParam));
    case WM_HELP:
        return options->OnHelp(*reinterpret_cast<const HELPINFO*>(lParam));
    case WM_CONTEXTMENU:
        // Signed words: a point left of or above the primary monitor is negative.
        options->OnContextMenu(reinterpret_cast<HWND>(wParam), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return FALSE;
    case WM_NCDESTROY:
        OptionsDialog::Unbind(dialog);
        return FALSE;
    default:
        return FALSE;
    }
}

bool CheckIntField(HWND dialog, int controlId, int lowest, int highest, UINT messageId, int* value) {
    BOOL translated = FALSE;
    *value = static_cast<int>(GetDlgItemInt(dialog, controlId, &translated, FALSE));
    if (translated && *value >= lowest && *value <= highest) return true;
    ResString message(messageId);
    ResString caption(IDS_APP_TITLE);
    MessageBoxA(dialog, message.Text(), caption.Text(), MB_OK | MB_ICONERROR);
    SetFocus(GetDlgItem(dialog, controlId));
    return false;
}

bool PickGridColour(HWND dialog, COLORREF* colour) {
    COLORREF customColours[kCustomColourCount] = {};
    CHOOSECOLORA choice = {};
    choice.lStructSize = sizeof(choice);
    choice.hwndOwner = dialog;
    choice.hInstance = reinterpret_cast<HWND>(g_instance);
    choice.rgbResult = *colour;
    choice.lpCustColors = customColours;
    choice.Flags = CC_RGBINIT | CC_PREVENTFULLOPEN | CC_SOLIDCOLOR;
    if (!ChooseColorA(&choice)) return false;
    *colour = choice.rgbResult;
    return true;
}

bool RunOptionsDialog(HWND owner) {
    // The owner is the main window, which holds the hot keys. They are given up
    // while the dialog is open: a registered combination never reaches a
    // hot-key control, so it could not be typed there, and typing it would copy
    // behind the dialog.
    UnregisterHotKeys(owner);
    OptionsDialog options;
    INT_PTR result = DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_OPTIONS), owner, OptionsDialogProc,
                                     reinterpret_cast<LPARAM>(&options));
    // The new keys after OK; after Cancel, Esc or the close box the ones from before.
    RegisterHotKeys(owner);
    return result == IDOK;
}
