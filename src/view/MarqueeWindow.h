// A one-pixel frame of marching black and white dashes over a screen rectangle:
// a pop-up shaped by a window region so that only its edge exists. On a monitor
// of a larger scale the line and its dashes are a whole number of pixels wider
// and longer.
#pragma once

#include "common/Handles.h"
#include "view/PopupWindow.h"

class MarqueeWindow : public PopupWindow {
public:
    MarqueeWindow();
    ~MarqueeWindow() override;

    // Makes the (still hidden, 0 x 0) window owned by owner and starts the dash
    // timer, with the line for a monitor at dpiValue (0: the owner's monitor). A
    // window left from an earlier Show is destroyed first.
    void Show(HWND owner, UINT dpiValue = 0);
    // Moves the frame over a screen rectangle and shows it without activating it.
    void Place(int x, int y, int width, int height);
    void Hide() override;
    LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    int Phase() const { return phase_; }
    int LineWidth() const { return lineWidth_; }
    HBRUSH HorizontalBrush() const { return brushA_; }
    HBRUSH VerticalBrush() const { return brushB_; }
    // The atom of "wyn_Marquee", 0 while it is not registered.
    static ATOM ClassAtom();

private:
    void MakeBrushes(int lineWidth);
    void OnSize(HWND window, int width, int height);
    void OnTimer(HWND window);
    void OnPaint(HWND window);

    Brush brushA_;  // dashes along the top and bottom edges
    Brush brushB_;  // dashes along the left and right edges
    RECT frame_;
    int phase_;
    // The width of the line in pixels, and of the dashes in the brushes.
    int lineWidth_;
};
