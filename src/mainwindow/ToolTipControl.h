// The one tooltip control shared by the toolbar buttons, the two sliders and the
// status panes. The control copies each text, so callers may pass temporaries.
#pragma once

#include <windows.h>

class ToolTipControl {
public:
    ToolTipControl() : window_(nullptr) {}
    // The control is a child of the main window and goes with it; this only forgets it.
    ~ToolTipControl() { Forget(); }
    ToolTipControl(const ToolTipControl&) = delete;
    ToolTipControl& operator=(const ToolTipControl&) = delete;

    bool Create(HINSTANCE instance, HWND owner);
    // A tool covering a whole window.
    bool AddWindowTool(HWND tool, const char* text);
    // A tool covering a rectangle of a window, named by id.
    bool AddRectTool(HWND owner, const RECT& rect, const char* text, UINT_PTR id);
    void UpdateToolText(HWND tool, const char* text);
    void SetToolRect(HWND owner, UINT_PTR id, const RECT& rect);
    void Activate(bool active);
    // Removes the tools on a window that is about to go: those covering it
    // whole and those on its rectangles (a toolbar's buttons).
    void RemoveToolsOf(HWND window);
    HWND Window() const { return window_; }
    // The control went with its owner: its handle is no longer ours.
    void Forget() { window_ = nullptr; }

private:
    HWND window_;
};
