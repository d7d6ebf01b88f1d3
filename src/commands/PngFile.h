// Pictures as PNG files, through the system's image codecs.
#pragma once

#include <windows.h>

constexpr char kPngExtension[] = ".png";

// True when the path ends in ".png", in any case.
bool HasPngExtension(const char* path);

// Writes a packed image (info header, colour table, rows) as a lossless PNG of
// opaque 24-bit pixels: a screen bitmap's fourth byte is no alpha value. An
// existing file is replaced only when the whole new one was written.
bool WritePngFile(const char* path, HGLOBAL packedImage);
