// A small pop-up showing one line of text beside the program's icon, near the
// mouse while the zoom point or a selection is dragged.
#pragma once

#include "common/GuiFont.h"
#include "common/Handles.h"
#include "view/PopupWindow.h"

class TrackingToolTip : public PopupWindow {
public:
    static constexpr int kTextCapacity = 256;

    TrackingToolTip();
    ~TrackingToolTip() override;

    // Shows or moves the tip so that its bottom-left corner is at screen point
    // (x, y), with the given text (cut to the buffer when longer), sized for a
    // monitor at dpiValue (0: the owner's monitor).
    void Show(HWND owner, int x, int y, const char* text, UINT dpiValue = 0);
    LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    const char* Text() const { return text_; }
    HICON SmallIcon() const { return smallIcon_; }
    // The font the text is measured and drawn in.
    HFONT TextFont() const { return font_.get(); }
    // The atom of "wyn_TrackingToolTip", 0 while it is not registered.
    static ATOM ClassAtom();

private:
    void OnPaint(HWND window);

    char text_[kTextCapacity];
    // DEFAULT_GUI_FONT's face at the DPI of the last Show.
    GuiFont font_;
    // The program's icon, 16 x 16 at 100 % and scaled with the font, loaded at
    // the first paint and kept until the object goes or the DPI changes, so
    // repeated paints use one image.
    Icon smallIcon_;
};
