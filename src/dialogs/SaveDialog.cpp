#include "dialogs/SaveDialog.h"

#include <commdlg.h>
#include <stddef.h>
#include <windowsx.h>

#include "commands/Help.h"
#include "commands/PngFile.h"
#include "common/Dpi.h"
#include "common/Process.h"
#include "dialogs/DialogFit.h"
#include "resources/resource.h"

#ifndef _WIN64
// What OPENFILENAME_SIZE_VERSION_400A measures: the record up to lpTemplateName,
// without the fields later systems added.
static_assert(offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR) == 76, "the dialog record keeps its size");
#endif

namespace {

// Position of "PNG Files (*.png)" in the filter list, counted from 1 as the dialog does.
constexpr DWORD kPngFilterIndex = 2;

// Control 1002 shows help topic 2, then the terminating pair.
DWORD g_saveDialogHelpIds[] = {IDC_SAVE_ZOOMED_IMAGE, HELP_TOPIC_SAVE_ZOOMED, 0, 0};

// Mirrors the check box while the dialog is open; the caller takes it only
// when the user confirms the dialog.
bool g_saveZoomed = false;
// Where the dialog lay on the screen when it closed; empty until then.
RECT g_dialogArea = {0, 0, 0, 0};

void ShowCheckBoxHelp(HWND dialog, UINT command) {
    ShowHelp(GetDlgItem(dialog, IDC_SAVE_ZOOMED_IMAGE), command, reinterpret_cast<ULONG_PTR>(g_saveDialogHelpIds));
}

// Choosing a file type makes its extension the one a bare name gets.
void OnFileTypeChange(HWND dialog, const OPENFILENAMEA& state) {
    const char* extension = state.nFilterIndex == kPngFilterIndex ? kPngExtension + 1 : "bmp";
    SendMessageA(GetParent(dialog), CDM_SETDEFEXT, 0, reinterpret_cast<LPARAM>(extension));
}

}  // namespace

UINT_PTR CALLBACK SaveDialogHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        CheckDlgButton(dialog, IDC_SAVE_ZOOMED_IMAGE, g_saveZoomed ? BST_CHECKED : BST_UNCHECKED);
        FitDialogTexts(dialog, dpi::ForWindow(dialog));
        return 0;
    case WM_DESTROY:
        // Our dialog is a child of the system's one, which is what covers the screen.
        GetWindowRect(GetParent(dialog), &g_dialogArea);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_SAVE_ZOOMED_IMAGE && HIWORD(wParam) == BN_CLICKED) {
            g_saveZoomed = IsDlgButtonChecked(dialog, IDC_SAVE_ZOOMED_IMAGE) == BST_CHECKED;
        }
        return 0;
    case WM_NOTIFY: {
        const OFNOTIFYA* notice = reinterpret_cast<const OFNOTIFYA*>(lParam);
        if (notice->hdr.code == CDN_TYPECHANGE && notice->lpOFN) OnFileTypeChange(dialog, *notice->lpOFN);
        return 0;
    }
    case WM_HELP:
        if (reinterpret_cast<const HELPINFO*>(lParam)->iCtrlId == 0) return 0;
        ShowCheckBoxHelp(dialog, HELP_WM_HELP);
        return 1;
    case WM_CONTEXTMENU: {
        // Signed words: monitors left of or above the primary one have negative coordinates.
        POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (WindowFromPoint(point) != GetDlgItem(dialog, IDC_SAVE_ZOOMED_IMAGE)) return 0;
        ShowCheckBoxHelp(dialog, HELP_CONTEXTMENU);
        return 1;
    }
    default:
        return 0;
    }
}

bool AskSaveFileName(HWND owner, SaveDialogRequest* request) {
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = owner;
    dialog.hInstance = g_instance;
    dialog.lpstrFilter = request->filter;
    dialog.nFilterIndex = 0;
    dialog.lpstrFile = request->fileName;
    dialog.nMaxFile = request->fileNameSize;
    dialog.lpstrInitialDir = request->initialDirectory;
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE |
                   OFN_NOREADONLYRETURN | OFN_EXPLORER | OFN_ENABLESIZING;
    dialog.lpstrDefExt = "bmp";
    dialog.lCustData = 0;
    dialog.lpfnHook = SaveDialogHook;
    dialog.lpTemplateName = MAKEINTRESOURCEA(IDD_SAVE_TEMPLATE);

    g_saveZoomed = request->zoomed;
    SetRectEmpty(&g_dialogArea);
    const bool confirmed = GetSaveFileNameA(&dialog) != FALSE;
    if (confirmed) request->zoomed = g_saveZoomed;
    request->dialogArea = g_dialogArea;
    return confirmed;
}
