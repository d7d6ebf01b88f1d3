// Pixel art enlarged by a whole factor, each pixel becoming a block of factor x
// factor pixels of exactly its colour (nearest-neighbour), so that the small
// pictures stay crisp on a monitor of a larger scale. Shared by the program and
// the panning library; the factor comes from dpi::WholeFactor.
#pragma once

#include <windows.h>

#include "common/Handles.h"

namespace pixelart {

// A new bitmap factor times the size of the source, of its kind: a monochrome
// bitmap stays monochrome, any other becomes one compatible with the screen.
// Null on failure; the caller owns it.
inline HBITMAP Enlarge(HBITMAP source, int factor) {
    BITMAP size = {};
    if (!source || factor < 1 || !GetObjectA(source, sizeof(size), &size)) return nullptr;
    const int width = size.bmWidth * factor;
    const int height = size.bmHeight * factor;
    const bool monochrome = size.bmPlanes == 1 && size.bmBitsPixel == 1;
    WindowDC screen(nullptr);
    Bitmap enlarged(monochrome ? CreateBitmap(width, height, 1, 1, nullptr)
                               : CreateCompatibleBitmap(screen, width, height));
    if (!enlarged) return nullptr;
    MemoryDC from(screen);
    MemoryDC to(screen);
    if (!from || !to) return nullptr;
    SelectionGuard fromPicture(from, source);
    SelectionGuard toPicture(to, enlarged);
    // A whole factor with colour-on-colour repeats every pixel exactly, without blending.
    SetStretchBltMode(to, COLORONCOLOR);
    if (!StretchBlt(to, 0, 0, width, height, from, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY)) return nullptr;
    return enlarged.release();
}

// A hot spot, or any point of the art, where it lands in the enlarged picture:
// on the top-left pixel of its block.
constexpr int EnlargedPoint(int coordinate, int factor) {
    return coordinate * factor;
}

// A new cursor factor times the size of the source, its hot spot moved with
// its pixel. Null on failure; the caller destroys it (DestroyCursor).
inline HCURSOR EnlargeCursor(HCURSOR source, int factor) {
    ICONINFO parts = {};
    if (!source || !GetIconInfo(source, &parts)) return nullptr;
    // GetIconInfo hands over copies of the cursor's bitmaps.
    Bitmap mask(parts.hbmMask);
    Bitmap colour(parts.hbmColor);
    Bitmap bigMask(Enlarge(mask, factor));
    Bitmap bigColour(colour ? Enlarge(colour, factor) : nullptr);
    if (!bigMask || (colour && !bigColour)) return nullptr;
    ICONINFO enlarged = {};
    enlarged.fIcon = FALSE;
    enlarged.xHotspot = static_cast<DWORD>(EnlargedPoint(static_cast<int>(parts.xHotspot), factor));
    enlarged.yHotspot = static_cast<DWORD>(EnlargedPoint(static_cast<int>(parts.yHotspot), factor));
    enlarged.hbmMask = bigMask;
    enlarged.hbmColor = bigColour;
    // The cursor keeps copies of the bitmaps, which go here.
    return CreateIconIndirect(&enlarged);
}

}  // namespace pixelart
