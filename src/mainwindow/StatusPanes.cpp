#include "mainwindow/StatusPanes.h"

#include <shellapi.h>

#include "common/Dpi.h"
#include "common/Format.h"
#include "common/Handles.h"
#include "common/LinkStyle.h"
#include "mainwindow/WindowUtil.h"
#include "resources/resource.h"
#include "text/CommandText.h"
#include "text/ResString.h"
#include "text/Strings.h"

namespace {

constexpr DWORD kStatusBarStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | SBARS_SIZEGRIP | CCS_BOTTOM;
constexpr int kPromptSize = 256;

// How each pane is sized and what its tooltip says: a text pane is as wide as
// its sample text plus a margin, the swatch has a width of its own.
struct PaneLook {
    ResString ProcessStrings::*sample;
    int width;
    int margin;
    UINT tip;
};
const PaneLook kPaneLooks[kStatusPaneCount] = {
    {&ProcessStrings::pressF1, 0, 6, 0},
    {&ProcessStrings::colourSample, 0, 6, IDS_TIP_COLOUR_PANE},
    {nullptr, 31, 0, IDS_TIP_SWATCH_PANE},
    {&ProcessStrings::coordinatesSample, 0, 6, IDS_TIP_COORDINATES_PANE},
    {&ProcessStrings::webSiteName, 0, 12, IDS_TIP_LINK_PANE},
};

int TextWidth(HDC dc, ResString& text) {
    const char* characters = text.Text();
    SIZE extent = {0, 0};
    if (characters) GetTextExtentPoint32A(dc, characters, text.Length(), &extent);
    return extent.cx;
}

// The status bar's font, or the stock one it starts with.
HFONT StatusBarFont(HWND statusBar) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(statusBar, WM_GETFONT, 0, 0));
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void DrawSwatch(const DRAWITEMSTRUCT& item, COLORREF colour) {
    Brush brush(CreateSolidBrush(colour));
    if (brush) FillRect(item.hDC, &item.rcItem, brush);
}

void DrawLink(const DRAWITEMSTRUCT& item) {
    Font underlined(CreateUnderlinedFont(StatusBarFont(item.hwndItem)));
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

}  // namespace

void StatusPanes::Create(HWND parent, UINT dpiValue) {
    const char* pressF1 = g_strings.pressF1.Text();
    window_ = CreateStatusWindowA(kStatusBarStyle, pressF1, parent, IDC_STATUS_BAR);
    SetPrompt(pressF1);
    dpi_ = dpiValue;
    font_.MakeFor(dpiValue);
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    height_ = WindowHeight(window_);
}

HFONT StatusPanes::Font() const {
    return font_.get();
}

void StatusPanes::SetDpi(UINT dpiValue) {
    dpi_ = dpiValue;
    if (!window_) return;
    // The bar only keeps the handle and draws nothing before it has the new one,
    // so the old font may go first.
    font_.MakeFor(dpiValue);
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
    height_ = WindowHeight(window_);
}

void StatusPanes::Size(HWND parent, const RECT& view) {
    if (!window_) return;
    const int scale = static_cast<int>(dpi_);
    int widths[kStatusPaneCount];
    {
        WindowDC dc(parent);
        SelectionGuard font(dc, Font());
        for (int pane = 0; pane < kStatusPaneCount; ++pane) {
            const PaneLook& look = kPaneLooks[pane];
            widths[pane] = look.sample ? TextWidth(dc, g_strings.*look.sample) + dpi::Scale(look.margin, scale)
                                       : dpi::Scale(look.width, scale);
        }
    }

    // The bar's height stands in for the width of its size grip.
    const int available = view.right - height_ - view.left;
    int others = 0;
    for (int pane = kMessagePane + 1; pane < kStatusPaneCount; ++pane) others += widths[pane];
    if (available + 3 > widths[kMessagePane] + others) widths[kMessagePane] = available + 3 - others;

    int edges[kStatusPaneCount];
    int edge = 0;
    for (int pane = 0; pane < kStatusPaneCount; ++pane) {
        edge += widths[pane];
        edges[pane] = edge;
    }
    SendMessageA(window_, SB_SETPARTS, kStatusPaneCount, reinterpret_cast<LPARAM>(edges));
}

void StatusPanes::Place(const RECT& view) {
    if (window_) SetWindowPos(window_, nullptr, 0, view.bottom, view.right - view.left, height_, SWP_NOZORDER);
}

void StatusPanes::Show(bool shown) {
    ShowWindow(window_, shown ? SW_SHOW : SW_HIDE);
}

void StatusPanes::Invalidate() {
    if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void StatusPanes::Send(UINT paneAndFlags, const char* text) const {
    if (window_) SendMessageA(window_, SB_SETTEXTA, paneAndFlags, reinterpret_cast<LPARAM>(text));
}

void StatusPanes::SetPrompt(const char* text) {
    Send(kMessagePane | SBT_NOBORDERS, text);
}

void StatusPanes::ShowRestPrompt() {
    SetPrompt(g_strings.pressF1.Text());
}

void StatusPanes::ShowCommandPrompt(UINT command) {
    char text[kPromptSize];
    lstrcpynA(text, g_strings.pressF1.Text(), kPromptSize);
    if (command != 0) {
        ResString full(command);
        CommandTextPart(full.Text(), CommandPart::Prompt, text);
    }
    SetPrompt(text);
}

void StatusPanes::ShowColour(COLORREF colour, ColourFormat format) {
    char text[kColourTextSize];
    FormatColourText(colour, ColourTemplate(format, ColourUse::Pane), text);
    colourShown_ = true;
    Send(kColourPane, text);
    MarkOwnerDrawn();
}

void StatusPanes::ShowCoordinates(POINT shown) {
    char text[kPaneTextSize];
    FormatText(text, g_strings.coordinatesFormat.Text(), static_cast<int>(shown.x), static_cast<int>(shown.y));
    // Set only when it changes: every message to the status bar passes its
    // tooltip's subclass, and setting the text repaints the pane.
    if (lstrcmpA(text, shownCoordinates_) == 0) return;
    Send(kCoordinatesPane, text);
    lstrcpynA(shownCoordinates_, text, sizeof(shownCoordinates_));
}

void StatusPanes::MarkOwnerDrawn() {
    Send(kSwatchPane | SBT_OWNERDRAW, "");
    Send(kLinkPane | SBT_OWNERDRAW, "");
}

bool StatusPanes::PaneRect(int pane, RECT* rect) const {
    return SendMessageA(window_, SB_GETRECT, pane, reinterpret_cast<LPARAM>(rect)) != 0;
}

void StatusPanes::AddTips(ToolTipControl& tips) const {
    for (int pane = kColourPane; pane < kStatusPaneCount; ++pane) {
        RECT rect = {0, 0, 0, 0};
        PaneRect(pane, &rect);
        ResString tip(kPaneLooks[pane].tip);
        tips.AddRectTool(window_, rect, tip.Text(), pane);
    }
}

void StatusPanes::MoveTips(ToolTipControl& tips) const {
    if (!window_) return;
    for (int pane = kColourPane; pane < kStatusPaneCount; ++pane) {
        RECT rect = {0, 0, 0, 0};
        if (PaneRect(pane, &rect)) tips.SetToolRect(window_, pane, rect);
    }
}

void StatusPanes::Draw(UINT control, const DRAWITEMSTRUCT& item, COLORREF swatch) const {
    if (control != IDC_STATUS_BAR) return;
    if (item.itemID == kSwatchPane) {
        DrawSwatch(item, swatch);
    } else if (item.itemID == kLinkPane) {
        DrawLink(item);
    }
}

bool StatusPanes::LinkAt(POINT screenPoint) const {
    // A hidden status bar still has its rectangle, under the window's bottom edge.
    if (!IsWindowVisible(window_) || !PointInWindow(window_, screenPoint)) return false;
    POINT local = screenPoint;
    ScreenToClient(window_, &local);
    RECT link;
    if (!PaneRect(kLinkPane, &link)) return false;
    return local.x >= link.left && local.x < link.right && local.y >= link.top && local.y < link.bottom;
}

void StatusPanes::OnClick(const NMHDR& header) const {
    if (header.code != static_cast<UINT>(NM_CLICK) || header.hwndFrom != window_ || !window_) return;
    // The status bar's click notification is an NMMOUSE, headed by the header.
    const NMMOUSE& click = reinterpret_cast<const NMMOUSE&>(header);
    if (click.dwItemSpec == kLinkPane) {
        ShellExecuteA(nullptr, "open", g_strings.webAddress.Text(), nullptr, nullptr, SW_SHOWNORMAL);
    }
}

int StatusPanes::HelpIdAt(POINT screenPoint) const {
    if (!PointInWindow(window_, screenPoint)) return HELP_ID_NONE;
    POINT local = screenPoint;
    ScreenToClient(window_, &local);
    for (int pane = 0; pane < kStatusPaneCount; ++pane) {
        RECT rect;
        if (PaneRect(pane, &rect) && PtInRect(&rect, local)) return HELP_ID_STATUS_MESSAGE + pane;
    }
    return HELP_ID_STATUS_MESSAGE;
}

void StatusPanes::Forget() {
    window_ = nullptr;
    height_ = 0;
    // The bar that used it went first.
    font_.Release();
    colourShown_ = false;
    shownCoordinates_[0] = '\0';
}
