#include "text/ColourText.h"

#include "common/Format.h"
#include "settings/Settings.h"

ColourFormat StoredColourFormat(const Settings& settings) {
    return settings.DisplayRGBColourPanel != 0 ? ColourFormat::Rgb : ColourFormat::Hexadecimal;
}

void StoreColourFormat(Settings& settings, ColourFormat format) {
    settings.DisplayRGBColourPanel = static_cast<uint8_t>(format);
}

void FormatColourText(COLORREF colour, const char* colourTemplate, char (&text)[kColourTextSize]) {
    FormatText(text, colourTemplate, GetRValue(colour), GetGValue(colour), GetBValue(colour));
}
