// The colour under the mouse as text, for the status bar's colour pane and for
// the clipboard: one format choice, one buffer size and one formatter. Plain
// values in and out, no windows; the templates themselves are chosen by
// ColourTemplate (text/Strings.h), beside the texts it picks from.
#pragma once

#include <windows.h>
#include <stdint.h>

class Settings;

// How a colour is written. The values are the byte that DisplayRGBColourPanel stores.
enum class ColourFormat : uint8_t { Hexadecimal = 0, Rgb = 1 };

// Where a colour text goes: the colour pane, with its label and three digits
// per value, or the clipboard, with the bare numbers.
enum class ColourUse { Pane, Clipboard };

// Room for every colour text, the pane's label included.
constexpr int kColourTextSize = 64;

// The stored choice as a format: any byte but 0 reads as RGB, as it always has.
ColourFormat StoredColourFormat(const Settings& settings);
void StoreColourFormat(Settings& settings, ColourFormat format);

// Formats red, green and blue (the low, middle and high byte of the colour) with
// a template that takes the three in that order. A colour that could not be
// read (CLR_INVALID) shows as white; no template gives an empty text.
void FormatColourText(COLORREF colour, const char* colourTemplate, char (&text)[kColourTextSize]);
