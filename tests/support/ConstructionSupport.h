// Helpers for the tests of the main window's child controls: class names,
// status pane texts, and the tools of the shared tooltip control.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace test {

std::string ClassName(HWND window);
// The text of a status pane and its drawing flags (SBT_NOBORDERS, SBT_OWNERDRAW...).
std::string PaneText(HWND statusBar, int pane, UINT* flags = nullptr);
// The right edges of the status bar's parts.
std::vector<int> PaneEdges(HWND statusBar);
// A window's rectangle in the client coordinates of another window.
RECT RectIn(HWND window, HWND reference);

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

}  // namespace test
