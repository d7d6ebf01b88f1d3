// The layout of an uncompressed Windows bitmap file: a 14-byte file header, the
// 40-byte info header, the colour table and the rows, bottom row first. Plain
// arithmetic on headers, no windows and no files.
#pragma once

#include <windows.h>

constexpr DWORD kFileHeaderSize = 14;
constexpr DWORD kInfoHeaderSize = 40;
constexpr WORD kBitmapFileType = 0x4D42;  // "BM"
constexpr WORD kMaxColourTableEntries = 256;

// The header of a packed image of a bitmap: its size and depth (planes times
// bits per pixel), uncompressed, every other field 0.
BITMAPINFOHEADER DibHeaderFor(const BITMAP& bitmap);

// Colour table entries: a non-zero biClrUsed as it is, otherwise 2, 16 or 256
// for 1, 4 or 8 bits and none for deeper pixels.
WORD DibColourCount(const BITMAPINFOHEADER& header);
WORD DibColourTableSize(const BITMAPINFOHEADER& header);

// Bytes of one row, padded to a multiple of 4; and of all rows.
DWORD DibRowSize(LONG width, WORD bitCount);
DWORD DibImageSize(const BITMAPINFOHEADER& header);

// True for the images this program writes: an info header of 40 bytes, rows
// bottom-up and uncompressed, a depth of 1, 4, 8, 16, 24 or 32 bits and a
// colour table of at most 256 entries.
bool IsWritableDib(const BITMAPINFOHEADER& header);

// The file header in front of a packed image of that header.
BITMAPFILEHEADER DibFileHeader(const BITMAPINFOHEADER& header);

// One row of a packed image as blue, green, red bytes, three per pixel.
// 16-bit pixels are 5-5-5; the fourth byte of 32-bit pixels is no colour.
void DibRowToBgr(const BITMAPINFOHEADER& header, const RGBQUAD* colourTable, const BYTE* row, BYTE* bgr);
