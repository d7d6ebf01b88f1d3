// A small pop-up showing one line of text beside the program's icon, near the
// mouse while the zoom point or a selection is dragged.
#pragma once

#include "view/PopupWindow.h"

class TrackingToolTip : public PopupWindow {
public:
    TrackingToolTip();
    ~TrackingToolTip() override;

    // Shows or moves the tip so that its bottom-left corner is at screen point (x, y).
    void Show(HWND owner, int x, int y, const char* text);
    LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    const char* Text() const { return text_; }
    static ATOM ClassAtom();

private:
    void OnPaint(HWND window);

    char text_[256];
};
