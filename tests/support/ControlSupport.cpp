#include "support/ControlSupport.h"

#include <windows.h>
#include <commctrl.h>

#include "common/Dpi.h"

namespace test {

std::string ClassName(HWND window) {
    char name[128] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

std::string PaneText(HWND statusBar, int pane, UINT* flags) {
    LRESULT lengthAndFlags = SendMessageA(statusBar, SB_GETTEXTLENGTHA, pane, 0);
    std::string text(LOWORD(lengthAndFlags) + 1, '\0');
    SendMessageA(statusBar, SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(LOWORD(lengthAndFlags));
    if (flags) *flags = HIWORD(lengthAndFlags);
    return text;
}

std::vector<int> PaneEdges(HWND statusBar) {
    int edges[16] = {};
    int count = static_cast<int>(SendMessageA(statusBar, SB_GETPARTS, 16, reinterpret_cast<LPARAM>(edges)));
    return std::vector<int>(edges, edges + count);
}

RECT PaneRect(HWND statusBar, int pane) {
    RECT rect = {0, 0, 0, 0};
    SendMessageA(statusBar, SB_GETRECT, pane, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

RECT ButtonRect(HWND toolbar, int command) {
    RECT rect = {0, 0, 0, 0};
    SendMessageA(toolbar, TB_GETRECT, command, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

RECT RectIn(HWND window, HWND reference) {
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, reference, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT ClientOnScreen(HWND window) {
    RECT client = {0, 0, 0, 0};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

POINT Centre(const RECT& rect) {
    POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    return centre;
}

std::string ToolText(HWND toolTip, HWND window, UINT_PTR id) {
    // Asked for in its wide form: the narrow one is cut at 80 characters by
    // some versions of the control.
    wchar_t wide[INFOTIPSIZE] = {};
    TTTOOLINFOW query = {};
    query.cbSize = TTTOOLINFOW_V2_SIZE;
    query.hwnd = window;
    query.uId = id;
    query.lpszText = wide;
    SendMessageW(toolTip, TTM_GETTEXTW, INFOTIPSIZE, reinterpret_cast<LPARAM>(&query));
    char text[INFOTIPSIZE] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof(text), nullptr, nullptr);
    return text;
}

std::vector<Tool> ToolsOf(HWND toolTip) {
    std::vector<Tool> tools;
    int count = static_cast<int>(SendMessageA(toolTip, TTM_GETTOOLCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TOOLINFOA info = {};
        info.cbSize = TTTOOLINFOA_V2_SIZE;
        if (!SendMessageA(toolTip, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&info))) continue;
        tools.push_back(Tool{info.uFlags, info.hwnd, info.uId, info.rect, ToolText(toolTip, info.hwnd, info.uId)});
    }
    return tools;
}

const Tool* FindTool(const std::vector<Tool>& tools, HWND window, UINT_PTR id) {
    for (const Tool& tool : tools) {
        if (tool.window == window && tool.id == id) return &tool;
    }
    return nullptr;
}

SIZE TextExtent(HGDIOBJ font, const char* text) {
    SIZE size = {0, 0};
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size;
}

TEXTMETRICA MetricsOf(HGDIOBJ font) {
    TEXTMETRICA metrics = {};
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return metrics;
}

LONG FontHeight(HGDIOBJ font) {
    LOGFONTA face = {};
    GetObjectA(font, sizeof(face), &face);
    return face.lfHeight;
}

LONG GuiFontHeightAt(UINT dpiValue) {
    return MulDiv(FontHeight(GetStockObject(DEFAULT_GUI_FONT)), static_cast<int>(dpiValue),
                  static_cast<int>(dpi::System()));
}

}  // namespace test
