// The magnified picture's memory, kept from frame to frame: the screen's source
// rectangle copied at screen size, the picture enlarged from it, and what was
// last put on the window, so that a refresh over a still screen writes nothing.
#pragma once

#include <windows.h>

#include <vector>

#include "common/Handles.h"

// A memory DC with a 32-bit top-down DIB section selected into it.
class DibSurface {
public:
    DibSurface() = default;
    ~DibSurface() { Reset(); }
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    // True when the surface has, or could be made with, that size.
    bool Fit(int width, int height);
    void Reset();
    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    DWORD* bits() const { return bits_; }
    int width() const { return width_; }
    int height() const { return height_; }
    size_t PixelCount() const { return static_cast<size_t>(width_) * height_; }

private:
    OwnedMemoryDC dc_;
    Bitmap bitmap_;
    HGDIOBJ previous_ = nullptr;
    DWORD* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// Everything besides the screen's pixels that decides the picture.
struct FrameLook {
    RECT source;          // the screen rectangle shown
    SIZE view;            // the view's size
    int zoomFactor;
    int gridSpacing;      // view pixels between grid lines, 0 for no grid
    COLORREF gridColour;
    HCURSOR cursor;       // the cursor image drawn into the view, null for none
    POINT cursorAt;       // its upper-left corner in the view
};
bool SameLook(const FrameLook& a, const FrameLook& b);

class ViewFrame {
public:
    // Copies the source rectangle from the screen at screen size; true when
    // the picture would differ from the one last put on the window (its pixels
    // or its look), or when none was. False also when there is no memory.
    bool Capture(const FrameLook& look);
    // Enlarges the copy, draws the grid and the cursor, and puts the picture on
    // the target at (view left, view top); remembers it as shown.
    void Show(HDC target, POINT viewOrigin, HPALETTE palette);
    // The colour of a screen pixel from a copy taken no more than maxAgeMs ago;
    // false when the pixel lies outside it or it is older.
    bool ColourAt(POINT screen, DWORD maxAgeMs, COLORREF* colour) const;
    // Lets go of all memory; the next capture makes it again.
    void Release();
    // The picture's bitmap, kept while the view keeps its size.
    HBITMAP PictureBitmap() const { return picture_.bitmap(); }

private:
    // The screen's DC, kept with the memory: taking it afresh for every
    // refresh costs more than the copy itself.
    KeptScreenDC screen_;
    DibSurface capture_;   // screen pixels, source size
    DibSurface picture_;   // enlarged, view size
    FrameLook look_ = {};  // of the last capture
    bool shown_ = false;   // shownPixels_ and shownLook_ hold what the window shows
    std::vector<DWORD> shownPixels_;
    FrameLook shownLook_ = {};
    DWORD capturedAt_ = 0;
};

// A 256-entry palette whose entry i names system palette index i, so that the
// magnified copy keeps the screen's own colours on palette displays; null when it
// cannot be made.
HPALETTE CreateIdentityPalette();
