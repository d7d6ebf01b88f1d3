// The texts used over and over (on every timer tick or paint): loaded once, kept
// until exit. All other texts are ResString objects made for one use.
#pragma once

#include "resources/resource.h"
#include "text/ColourText.h"
#include "text/ResString.h"

struct ProcessStrings {
    ResString emailLink{IDS_EMAIL_LINK};
    ResString webAddress{IDS_WEB_ADDRESS};
    ResString zoomLevelTip{IDS_ZOOM_LEVEL_TIP};
    ResString autoUpdateTip{IDS_AUTO_UPDATE_TIP};
    ResString pressF1{IDS_PRESS_F1};
    ResString colourSample{IDS_COLOUR_SAMPLE};
    ResString coordinatesSample{IDS_COORDINATES_SAMPLE};
    ResString colourRgbFormat{IDS_COLOUR_RGB_FORMAT};
    ResString colourHexFormat{IDS_COLOUR_HEX_FORMAT};
    ResString coordinatesFormat{IDS_COORDINATES_FORMAT};
    ResString webSiteName{IDS_WEB_SITE_NAME};
    ResString dragHint{IDS_DRAG_HINT};
    ResString appTitle{IDS_APP_TITLE};
};

extern ProcessStrings g_strings;

// The template a colour text is formatted with: the colour pane's from the
// string table (kept above, since the tracking tick uses them), the
// clipboard's fixed.
inline const char* ColourTemplate(ColourFormat format, ColourUse use) {
    const bool rgb = format == ColourFormat::Rgb;
    if (use == ColourUse::Clipboard) return rgb ? "%d,%d,%d" : "#%02x%02x%02x";
    return (rgb ? g_strings.colourRgbFormat : g_strings.colourHexFormat).Text();
}
