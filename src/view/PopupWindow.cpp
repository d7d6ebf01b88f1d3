// Placeholder until the pop-up windows are built.
#include "view/MarqueeWindow.h"
#include "view/TrackingToolTip.h"

PopupWindow::~PopupWindow() {}
void PopupWindow::Hide() {}
MarqueeWindow::MarqueeWindow() : brushA_(nullptr), brushB_(nullptr), frame_{0, 0, 0, 0}, phase_(0) {}
MarqueeWindow::~MarqueeWindow() {}
void MarqueeWindow::Show(HWND) {}
void MarqueeWindow::Place(int, int, int, int) {}
void MarqueeWindow::Hide() {}
LRESULT MarqueeWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}
TrackingToolTip::TrackingToolTip() : text_{} {}
TrackingToolTip::~TrackingToolTip() {}
void TrackingToolTip::Show(HWND, int, int, const char*) {}
LRESULT TrackingToolTip::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}
