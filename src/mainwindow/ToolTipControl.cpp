// Placeholder until the tooltip control is built.
#include "mainwindow/ToolTipControl.h"

bool ToolTipControl::Create(HINSTANCE, HWND) {
    return false;
}

bool ToolTipControl::AddWindowTool(HWND, const char*) {
    return false;
}

bool ToolTipControl::AddRectTool(HWND, const RECT&, const char*, UINT_PTR) {
    return false;
}

void ToolTipControl::UpdateToolText(HWND, const char*) {}

void ToolTipControl::SetToolRect(HWND, UINT_PTR, const RECT&) {}

void ToolTipControl::Activate(bool) {}
