// A small pop-up showing one line of text beside the program's icon, near the
// mouse while the zoom point or a selection is dragged.
#pragma once

#include "common/Handles.h"
#include "view/PopupWindow.h"

class TrackingToolTip : public PopupWindow {
public:
    static constexpr int kTextCapacity = 256;

    TrackingToolTip();
    ~TrackingToolTip() override;

    // Shows or moves the tip so that its bottom-left corner is at screen point
    // (x, y), with the given text (cut to the buffer when longer).
    void Show(HWND owner, int x, int y, const char* text);
    LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    const char* Text() const { return text_; }
    HICON SmallIcon() const { return smallIcon_; }
    // The atom of "wyn_TrackingToolTip", 0 while it is not registered.
    static ATOM ClassAtom();

private:
    void OnPaint(HWND window);

    char text_[kTextCapacity];
    // The program's icon at 16 x 16, loaded at the first paint and kept until
    // the object goes, so repeated paints use one image.
    Icon smallIcon_;
};
