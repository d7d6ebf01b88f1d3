// How a link looks wherever the program shows one (the status bar's, the
// About box's): blue, purple once visited, in its surroundings' font underlined.
#pragma once

#include <windows.h>

#ifndef _WIN64
static_assert(sizeof(LOGFONTA) == 60, "LOGFONTA keeps its 32-bit size");
#endif

constexpr COLORREF kLinkColour = RGB(0, 0, 255);
constexpr COLORREF kVisitedLinkColour = RGB(128, 0, 128);

// The font, underlined, for the caller to own; null without a font or when
// none can be made.
inline HFONT CreateUnderlinedFont(HFONT font) {
    LOGFONTA description;
    if (!font || GetObjectA(font, sizeof(description), &description) != sizeof(description)) return nullptr;
    description.lfUnderline = TRUE;
    return CreateFontIndirectA(&description);
}
