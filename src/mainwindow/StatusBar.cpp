// The status bar's owner-drawn panes (the colour swatch and the link), the
// link's cursor and click, and the toolbar's tooltip texts.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <string.h>

#include "app/Application.h"
#include "common/Handles.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/WindowUtil.h"
#include "resources/resource.h"
#include "text/ResString.h"
#include "text/Strings.h"

#ifndef _WIN64
static_assert(sizeof(LOGFONTA) == 60, "LOGFONTA keeps its 32-bit size");
#endif

namespace {

constexpr COLORREF kLinkColour = RGB(0, 0, 255);

// The status bar's font, underlined; null when it cannot be made.
HFONT CreateUnderlinedFont(HWND statusBar) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(statusBar, WM_GETFONT, 0, 0));
    if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTA description;
    if (GetObjectA(font, sizeof(description), &description) != sizeof(description)) return nullptr;
    description.lfUnderline = TRUE;
    return CreateFontIndirectA(&description);
}

void DrawSwatch(const DRAWITEMSTRUCT& item, COLORREF colour) {
    Brush brush(CreateSolidBrush(colour));
    if (brush) FillRect(item.hDC, &item.rcItem, brush);
}

void DrawLink(const DRAWITEMSTRUCT& item) {
    Font underlined(CreateUnderlinedFont(item.hwndItem));
    if (!underlined) return;
    SelectionGuard fontGuard(item.hDC, underlined);
    // The status bar goes on painting with this DC: hand it back as it came.
    COLORREF oldColour = SetTextColor(item.hDC, kLinkColour);
    int oldMode = SetBkMode(item.hDC, TRANSPARENT);
    RECT rect = item.rcItem;
    ResString& name = g_strings.webSiteName;
    if (name.Text()) DrawTextA(item.hDC, name.Text(), name.Length(), &rect, DT_CENTER);
    SetBkMode(item.hDC, oldMode);
    SetTextColor(item.hDC, oldColour);
}

// The tooltip is the part of the command's text before its line break.
void FillToolbarTip(NMTTDISPINFOA& info) {
    info.szText[0] = '\0';
    ResString text(static_cast<UINT>(info.hdr.idFrom));
    const char* full = text.Text();
    if (!full) return;
    const char* lineBreak = strchr(full, '\n');
    size_t length = lineBreak ? static_cast<size_t>(lineBreak - full) : strlen(full);
    const size_t capacity = sizeof(info.szText);
    if (length > capacity - 1) length = capacity - 1;
    lstrcpynA(info.szText, full, static_cast<int>(length + 1));
}

}  // namespace

bool MainWindow::OnSetCursor() {
    POINT cursor;
    if (!GetCursorPos(&cursor)) return false;
    // A hidden status bar still has its rectangle, under the window's bottom edge.
    if (!IsWindowVisible(statusBar) || !PointInWindow(statusBar, cursor)) return false;
    ScreenToClient(statusBar, &cursor);
    RECT link;
    if (!SendMessageA(statusBar, SB_GETRECT, kLinkPane, reinterpret_cast<LPARAM>(&link))) return false;
    if (cursor.x < link.left || cursor.x >= link.right || cursor.y < link.top || cursor.y >= link.bottom) return false;
    SetCursor(g_handCursor);
    return true;
}

void MainWindow::OnDrawItem(UINT control, const DRAWITEMSTRUCT& item) {
    // Only the status bar draws items of its own.
    if (control != IDC_STATUS_BAR) return;
    if (item.itemID == kSwatchPane) {
        DrawSwatch(item, sampledColour);
    } else if (item.itemID == kLinkPane) {
        DrawLink(item);
    }
}

void MainWindow::OnNotify(NMHDR* header) {
    // The tooltip's request is ours to fill in: the header heads its record.
    if (header->code == TTN_NEEDTEXTA) {
        FillToolbarTip(*reinterpret_cast<NMTTDISPINFOA*>(header));
    } else if (header->code == static_cast<UINT>(NM_CLICK) && header->hwndFrom == statusBar && statusBar) {
        const NMMOUSE& click = *reinterpret_cast<const NMMOUSE*>(header);
        if (click.dwItemSpec == kLinkPane) {
            ShellExecuteA(nullptr, "open", g_strings.webAddress.Text(), nullptr, nullptr, SW_SHOWNORMAL);
        }
    }
}
