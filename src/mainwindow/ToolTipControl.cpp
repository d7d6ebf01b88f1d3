#include "mainwindow/ToolTipControl.h"

#include <commctrl.h>
#include <stddef.h>

// The records stop after the tool's text and its application value (always 0),
// a layout every common controls version since 4.70 understands.
#ifndef _WIN64
static_assert(offsetof(TOOLINFOA, lParam) + sizeof(TOOLINFOA::lParam) == 44,
              "TTTOOLINFOA_V2_SIZE keeps its 32-bit size");
#endif

namespace {

TOOLINFOA BlankToolInfo() {
    TOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    return info;
}

}  // namespace

bool ToolTipControl::Create(HINSTANCE instance, HWND owner) {
    window_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance, nullptr);
    return window_ != nullptr;
}

bool ToolTipControl::AddWindowTool(HWND tool, const char* text) {
    TOOLINFOA info = BlankToolInfo();
    if (!GetClientRect(tool, &info.rect)) return false;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = window_;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = const_cast<char*>(text);
    return SendMessageA(window_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

bool ToolTipControl::AddRectTool(HWND owner, const RECT& rect, const char* text, UINT_PTR id) {
    TOOLINFOA info = BlankToolInfo();
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = id;
    info.rect = rect;
    info.lpszText = const_cast<char*>(text);
    return SendMessageA(window_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

void ToolTipControl::UpdateToolText(HWND tool, const char* text) {
    TOOLINFOA info = BlankToolInfo();
    info.hwnd = window_;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = const_cast<char*>(text);
    SendMessageA(window_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTipControl::SetToolRect(HWND owner, UINT_PTR id, const RECT& rect) {
    TOOLINFOA info = BlankToolInfo();
    info.hwnd = owner;
    info.uId = id;
    info.rect = rect;
    SendMessageA(window_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTipControl::Activate(bool active) {
    SendMessageA(window_, TTM_ACTIVATE, active ? TRUE : FALSE, 0);
}

void ToolTipControl::RemoveToolsOf(HWND window) {
    if (!window_ || !window) return;
    // From the last tool down, so that removing one leaves the indices still to
    // come in place. No text buffer: only the tool's window and id are wanted.
    for (int index = static_cast<int>(SendMessageA(window_, TTM_GETTOOLCOUNT, 0, 0)) - 1; index >= 0; --index) {
        TOOLINFOA info = BlankToolInfo();
        if (!SendMessageA(window_, TTM_ENUMTOOLSA, index, reinterpret_cast<LPARAM>(&info))) continue;
        const bool coversWindow = (info.uFlags & TTF_IDISHWND) && info.uId == reinterpret_cast<UINT_PTR>(window);
        if (info.hwnd == window || coversWindow) {
            SendMessageA(window_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
        }
    }
}
