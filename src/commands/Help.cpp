#include "commands/Help.h"

#include <objbase.h>
#include <shellapi.h>
#include <string.h>

#include "commands/HelpPopup.h"
#include "common/Dpi.h"
#include "common/Handles.h"
#include "common/Process.h"
#include "resources/resource.h"

const char kHelpFileName[] = "Ocularix.html";

namespace {

// The text shown for a control that the help list does not name.
constexpr DWORD kNoTopic = 0;

bool OpenWithShell(HWND owner, const char* path) {
    // The browser may be started through a shell extension, which needs COM on this thread.
    ComApartment apartment;
    HINSTANCE result = ShellExecuteA(owner, "open", path, nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

ManualOpener g_manualOpener = OpenWithShell;

UINT MonitorDpi(HWND window) {
    return dpi::ForWindow(window);
}

WindowDpiSource g_dpiSource = MonitorDpi;

BOOL OpenManual(HWND window) {
    char path[kHelpPathLength];
    GetProgramFolder(nullptr, path, sizeof(path));
    // A folder too long to take the file name falls back on the bare name
    // rather than a cut-off path.
    if (strlen(path) + sizeof(kHelpFileName) > sizeof(path)) path[0] = '\0';
    lstrcatA(path, kHelpFileName);
    DWORD attributes = GetFileAttributesA(path);
    bool present = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    if (present && g_manualOpener(window, path)) return TRUE;
    MessageBeep(0);
    return FALSE;
}

// Just under the mouse, clear of the pointer's arrow.
RECT MouseAnchor() {
    POINT mouse = {0, 0};
    GetCursorPos(&mouse);
    RECT anchor = {mouse.x, mouse.y, mouse.x + 1, mouse.y + GetSystemMetrics(SM_CYCURSOR) / 2};
    return anchor;
}

BOOL ShowPopupTopic(HWND control, const DWORD* list, bool atMouse) {
    if (!control || !list) return FALSE;
    DWORD topic = kNoTopic;
    FindTopicInHelpList(list, static_cast<DWORD>(GetDlgCtrlID(control)), &topic);
    std::string text;
    if (!LoadTopicText(topic, &text)) LoadTopicText(kNoTopic, &text);
    RECT anchor;
    if (atMouse) {
        anchor = MouseAnchor();
    } else {
        GetWindowRect(control, &anchor);
    }
    // Sized for the window that asks: the main window's DPI, or that of a dialog,
    // which the dialog manager laid out at its monitor's scale.
    HWND owner = GetAncestor(control, GA_ROOT);
    const UINT dpiValue = g_dpiSource(owner);
    return g_helpPopup.Show(owner, text.c_str(), anchor, dpiValue) ? TRUE : FALSE;
}

}  // namespace

BOOL ShowHelp(HWND window, UINT command, ULONG_PTR data) {
    const DWORD* list = reinterpret_cast<const DWORD*>(data);
    switch (command) {
    case HELP_CONTEXT:
        return OpenManual(window);
    case HELP_WM_HELP:
        return ShowPopupTopic(window, list, false);
    case HELP_CONTEXTMENU:
        return ShowPopupTopic(window, list, true);
    case HELP_QUIT:
        g_helpPopup.Hide();
        return TRUE;
    default:
        return FALSE;
    }
}

ManualOpener SetManualOpener(ManualOpener opener) {
    ManualOpener previous = g_manualOpener;
    g_manualOpener = opener ? opener : OpenWithShell;
    return previous;
}

void SetHelpDpiSource(WindowDpiSource source) {
    g_dpiSource = source ? source : MonitorDpi;
}

bool LoadTopicText(DWORD topic, std::string* text) {
    HRSRC found = FindResourceA(g_instance, MAKEINTRESOURCEA(IDR_HELP_TOPICS), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(g_instance, found) : nullptr;
    const char* table = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (!table) return false;
    return FindTopicText(table, SizeofResource(g_instance, found), topic, text);
}
