#include "text/Strings.h"

const char* ColourTemplate(ColourFormat format, ColourUse use) {
    const bool rgb = format == ColourFormat::Rgb;
    if (use == ColourUse::Clipboard) return rgb ? "%d,%d,%d" : "#%02x%02x%02x";
    return (rgb ? g_strings.colourRgbFormat : g_strings.colourHexFormat).Text();
}
