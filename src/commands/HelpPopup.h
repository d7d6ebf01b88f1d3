// The popup that shows one help topic: a small bordered window in the info
// colours with the text wrapped to a readable width, closed by the next click
// or key, or when it loses activation.
#pragma once

#include <string>
#include <vector>

#include "common/Dpi.h"
#include "common/GuiFont.h"
#include "view/PopupWindow.h"

class HelpPopup : public PopupWindow {
public:
    HelpPopup();
    ~HelpPopup() override;

    // Replaces any popup shown with a new one owned by owner (a top-level
    // window), placed at the anchor in screen coordinates, and activates it. Its
    // font and margins are for a monitor at dpiValue (0: the owner's monitor).
    bool Show(HWND owner, const char* text, const RECT& anchor, UINT dpiValue = 0);
    void Hide() override;
    LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    const std::string& Text() const { return text_; }
    // The font the text is measured and drawn in.
    HFONT TextFont() const { return font_.get(); }

private:
    void OnPaint(HWND window);
    // The owner's tooltip controls stay down while the popup is shown: a tip
    // coming up over it would hide its text.
    void QuietOwnerTips(HWND owner);
    void WakeOwnerTips();

    std::string text_;
    // DEFAULT_GUI_FONT's face at the DPI of the last Show.
    GuiFont font_;
    std::vector<HWND> quietTips_;
};

// The one help popup of the program.
extern HelpPopup g_helpPopup;
