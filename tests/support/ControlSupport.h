// Helpers for the tests of the main window's child controls and pop-ups: class
// names, status pane texts, rectangles, the tools of the shared tooltip control,
// and text measured in a font.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "support/RectSupport.h"

namespace test {

std::string ClassName(HWND window);
// The text of a status pane and its drawing flags (SBT_NOBORDERS, SBT_OWNERDRAW...).
std::string PaneText(HWND statusBar, int pane, UINT* flags = nullptr);
// The right edges of the status bar's parts.
std::vector<int> PaneEdges(HWND statusBar);
// A pane's rectangle in the status bar's client coordinates.
RECT PaneRect(HWND statusBar, int pane);
// A toolbar button's rectangle, by command, in the toolbar's client coordinates.
RECT ButtonRect(HWND toolbar, int command);
// A window's rectangle in the client coordinates of another window, or on the screen.
RECT RectIn(HWND window, HWND reference = nullptr);
// A window's client area on the screen.
RECT ClientOnScreen(HWND window);
POINT Centre(const RECT& rect);

struct Tool {
    UINT flags;
    HWND window;
    UINT_PTR id;
    RECT rect;
    std::string text;
};
// Every tool of a tooltip control, with its text.
std::vector<Tool> ToolsOf(HWND toolTip);
// The tool with that window and id, or null.
const Tool* FindTool(const std::vector<Tool>& tools, HWND window, UINT_PTR id);
// The text of the tool with that window and id.
std::string ToolText(HWND toolTip, HWND window, UINT_PTR id);

// A text's size, and a font's metrics, in the font on the screen's DC.
SIZE TextExtent(HGDIOBJ font, const char* text);
TEXTMETRICA MetricsOf(HGDIOBJ font);
// The height a font was made with (lfHeight).
LONG FontHeight(HGDIOBJ font);
// DEFAULT_GUI_FONT's height at a DPI: the stock font is made for the system's.
LONG GuiFontHeightAt(UINT dpiValue);

}  // namespace test
