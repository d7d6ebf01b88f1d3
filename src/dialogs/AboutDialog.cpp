#include "dialogs/AboutDialog.h"

#include <shellapi.h>

#include "common/Dpi.h"
#include "common/Handles.h"
#include "common/LinkStyle.h"
#include "common/Process.h"
#include "dialogs/BoundDialog.h"
#include "dialogs/DialogFit.h"
#include "dialogs/Dialogs.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "text/Strings.h"

ShellOpenFunction g_linkShellOpen = &ShellExecuteA;
BeepFunction g_linkBeep = &MessageBeep;

namespace {

// ShellExecuteA reports success with a value above 32.
constexpr INT_PTR kShellErrorLimit = 32;

// The static class's procedure, which the links hand every message but
// WM_SETCURSOR to; both links had the same one.
WNDPROC g_previousStaticProc = nullptr;

bool IsLink(int controlId) {
    return controlId == IDC_ABOUT_EMAIL_LINK || controlId == IDC_ABOUT_WEB_LINK;
}

bool LinkVisited(int controlId) {
    return controlId == IDC_ABOUT_EMAIL_LINK ? g_settings.Emailed != 0 : g_settings.Visited != 0;
}

void MarkLinkVisited(int controlId) {
    if (controlId == IDC_ABOUT_EMAIL_LINK) {
        g_settings.Emailed = 1;
    } else {
        g_settings.Visited = 1;
    }
}

const char* LinkTarget(int controlId) {
    return controlId == IDC_ABOUT_EMAIL_LINK ? g_strings.emailLink.Text() : g_strings.webAddress.Text();
}

void SubclassLink(HWND link) {
    if (!link) return;
    LONG_PTR previous = SetWindowLongPtrA(link, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LinkWindowProc));
    if (previous) g_previousStaticProc = reinterpret_cast<WNDPROC>(previous);
}

// The state of one open About box, bound to it through DWLP_USER from
// WM_INITDIALOG to WM_NCDESTROY. The link font goes when the dialog is
// destroyed, and at the latest with this object.
class AboutDialog : public BoundDialog<AboutDialog> {
public:
    BOOL OnInitDialog();
    BOOL OnCommand(WORD command, WORD notification);
    INT_PTR OnCtlColorStatic(HDC dc, HWND control);
    void OnDestroy() { linkFont_.reset(); }

private:
    void OpenLink(int controlId);

    Font linkFont_;
};

BOOL AboutDialog::OnInitDialog() {
    HWND emailLink = GetDlgItem(dialog_, IDC_ABOUT_EMAIL_LINK);
    HWND webLink = GetDlgItem(dialog_, IDC_ABOUT_WEB_LINK);
    SubclassLink(emailLink);
    SubclassLink(webLink);

    linkFont_.reset(CreateUnderlinedFont(reinterpret_cast<HFONT>(SendMessageA(dialog_, WM_GETFONT, 0, 0))));
    // A static selects its own font after asking for its colours, so the links
    // are given the underlined font as theirs as well.
    if (linkFont_) {
        SendMessageA(emailLink, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_.get()), FALSE);
        SendMessageA(webLink, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_.get()), FALSE);
    }
    FitDialogTexts(dialog_, dpi::ForWindow(dialog_));
    return TRUE;
}

BOOL AboutDialog::OnCommand(WORD command, WORD notification) {
    switch (command) {
    case IDOK:
    case IDCANCEL:
        EndDialog(dialog_, command);
        return TRUE;
    case IDC_ABOUT_EMAIL_LINK:
    case IDC_ABOUT_WEB_LINK:
        if (notification == STN_CLICKED) OpenLink(command);
        return FALSE;
    default:
        return FALSE;
    }
}

void AboutDialog::OpenLink(int controlId) {
    HINSTANCE result = g_linkShellOpen(nullptr, "open", LinkTarget(controlId), nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) > kShellErrorLimit) {
        MarkLinkVisited(controlId);
        // The same glyphs are drawn again in the visited colour: no erase needed.
        InvalidateRect(GetDlgItem(dialog_, controlId), nullptr, FALSE);
    } else {
        g_linkBeep(0);
    }
}

INT_PTR AboutDialog::OnCtlColorStatic(HDC dc, HWND control) {
    int controlId = GetDlgCtrlID(control);
    if (!IsLink(controlId)) return FALSE;
    if (linkFont_) SelectObject(dc, linkFont_.get());
    SetTextColor(dc, LinkVisited(controlId) ? kVisitedLinkColour : kLinkColour);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
}

}  // namespace

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        AboutDialog* about = reinterpret_cast<AboutDialog*>(lParam);
        about->Bind(dialog);
        return about->OnInitDialog();
    }
    AboutDialog* about = AboutDialog::From(dialog);
    if (!about) return FALSE;
    switch (message) {
    case WM_COMMAND:
        return about->OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_CTLCOLORSTATIC:
        return about->OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DESTROY:
        about->OnDestroy();
        return FALSE;
    case WM_NCDESTROY:
        AboutDialog::Unbind(dialog);
        return FALSE;
    default:
        return FALSE;
    }
}

LRESULT CALLBACK LinkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETCURSOR) {
        SetCursor(g_handCursor);
        return TRUE;
    }
    if (!g_previousStaticProc) return DefWindowProcA(window, message, wParam, lParam);
    return CallWindowProcA(g_previousStaticProc, window, message, wParam, lParam);
}

void RunAboutDialog(HWND owner) {
    AboutDialog about;
    DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutDialogProc, reinterpret_cast<LPARAM>(&about));
}
