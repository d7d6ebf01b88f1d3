// DEFAULT_GUI_FONT's face at a DPI. The stock font is made for the system's
// scale; a window on a monitor of another scale needs the same face at that
// monitor's scale, which this object then makes and owns. At the system's scale
// it is the stock font itself, which no one owns.
#pragma once

#include <windows.h>

#include "common/Dpi.h"
#include "common/Handles.h"

class GuiFont {
public:
    GuiFont() : dpi_(0) {}
    GuiFont(const GuiFont&) = delete;
    GuiFont& operator=(const GuiFont&) = delete;

    // Makes the font for a DPI, unless it is already made for it. The font made
    // before goes: no DC may still hold it.
    void MakeFor(UINT dpiValue) {
        if (dpiValue == dpi_) return;
        dpi_ = dpiValue;
        owned_.reset(dpi::CreateGuiFont(dpiValue));
    }
    // Lets the font go; the next MakeFor makes one again.
    void Release() {
        owned_.reset();
        dpi_ = 0;
    }

    // The font to select: the one made for the DPI, or the stock font.
    HFONT get() const { return owned_ ? owned_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }
    // The DPI it was made for; 0 before the first MakeFor.
    UINT Dpi() const { return dpi_; }
    // True while a font of its own exists (the DPI differs from the system's).
    bool OwnsFont() const { return owned_.get() != nullptr; }

private:
    Font owned_;
    UINT dpi_;
};
