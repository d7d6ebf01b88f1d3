// Rendering support shared by the main window.
#pragma once

#include <windows.h>

// A 256-entry palette whose entry i names system palette index i, so that the
// magnified copy keeps the screen's own colours on palette displays; null when it
// cannot be made.
HPALETTE CreateIdentityPalette();
