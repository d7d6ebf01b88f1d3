#include "view/ViewFrame.h"

#include <string.h>

#include "common/Dib.h"
#include "view/ViewGeometry.h"

#ifndef _WIN64
static_assert(sizeof(PALETTEENTRY) == 4, "PALETTEENTRY keeps its size");
#endif

namespace {

constexpr WORD kPaletteVersion = 0x300;
constexpr WORD kPaletteEntries = 256;

// A line on the first view column (row) of every spacing-th screen pixel, none at 0.
void DrawGrid(HDC picture, SIZE size, int spacing, COLORREF colour) {
    if (spacing <= 0) return;
    Pen pen(CreatePen(PS_SOLID, 1, colour));
    SelectionGuard penSelection(picture, pen);
    for (int x = spacing; x < size.cx; x += spacing) {
        MoveToEx(picture, x, 0, nullptr);
        LineTo(picture, x, size.cy);
    }
    for (int y = spacing; y < size.cy; y += spacing) {
        MoveToEx(picture, 0, y, nullptr);
        LineTo(picture, size.cx, y);
    }
}

}  // namespace

bool DibSurface::Fit(int width, int height) {
    if (dc_ && width == width_ && height == height_) return true;
    Reset();
    if (width <= 0 || height <= 0) return false;
    WindowDC screen(nullptr);
    dc_.reset(CreateCompatibleDC(screen));
    BITMAPINFO info = TopDown32(width, height);
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc_ || !bitmap_ || !bits) {
        Reset();
        return false;
    }
    previous_ = SelectObject(dc_, bitmap_);
    bits_ = static_cast<DWORD*>(bits);
    width_ = width;
    height_ = height;
    return true;
}

void DibSurface::Reset() {
    // The bitmap leaves the DC before either goes.
    if (dc_ && previous_) SelectObject(dc_, previous_);
    previous_ = nullptr;
    dc_.reset();
    bitmap_.reset();
    bits_ = nullptr;
    width_ = 0;
    height_ = 0;
}

bool SameLook(const FrameLook& a, const FrameLook& b) {
    return EqualRect(&a.source, &b.source) && a.view.cx == b.view.cx && a.view.cy == b.view.cy &&
           a.zoomFactor == b.zoomFactor && a.gridSpacing == b.gridSpacing && a.gridColour == b.gridColour &&
           a.cursor == b.cursor && a.cursorAt.x == b.cursorAt.x && a.cursorAt.y == b.cursorAt.y;
}

bool ViewFrame::Capture(const FrameLook& look) {
    look_ = look;
    const int width = look.source.right - look.source.left;
    const int height = look.source.bottom - look.source.top;
    if (!capture_.Fit(width, height) || !picture_.Fit(look.view.cx, look.view.cy)) {
        shown_ = false;
        return false;
    }
    if (!screen_) screen_.reset(GetDC(nullptr));
    BitBlt(capture_.dc(), 0, 0, width, height, screen_, look.source.left, look.source.top, SRCCOPY);
    GdiFlush();
    capturedAt_ = GetTickCount();
    if (!shown_ || !SameLook(look, shownLook_)) return true;
    return memcmp(capture_.bits(), shownPixels_.data(), capture_.PixelCount() * sizeof(DWORD)) != 0;
}

void ViewFrame::Show(HDC target, POINT viewOrigin, HPALETTE palette) {
    if (!capture_.bits() || !picture_.bits()) return;
    // Pixels are written directly: nothing of GDI may still be pending on them.
    GdiFlush();
    EnlargeBlocks(capture_.bits(), capture_.width(), capture_.height(), look_.zoomFactor, picture_.bits(),
                  picture_.width(), picture_.height());
    const SIZE size = {picture_.width(), picture_.height()};
    DrawGrid(picture_.dc(), size, look_.gridSpacing, look_.gridColour);
    // Drawn after the grid, so that it lies on top, at its own size.
    if (look_.cursor) DrawIcon(picture_.dc(), look_.cursorAt.x, look_.cursorAt.y, look_.cursor);
    {
        // The identity palette keeps the screen's own colours on palette displays.
        RealizedPalette picturePalette(picture_.dc(), palette);
        RealizedPalette targetPalette(target, palette);
        BitBlt(target, viewOrigin.x, viewOrigin.y, size.cx, size.cy, picture_.dc(), 0, 0, SRCCOPY);
    }
    shownPixels_.assign(capture_.bits(), capture_.bits() + capture_.PixelCount());
    shownLook_ = look_;
    shown_ = true;
}

bool ViewFrame::ColourAt(POINT screen, DWORD maxAgeMs, COLORREF* colour) const {
    if (!capture_.bits() || GetTickCount() - capturedAt_ > maxAgeMs) return false;
    if (!PtInRect(&look_.source, screen)) return false;
    const DWORD pixel = capture_.bits()[static_cast<size_t>(screen.y - look_.source.top) * capture_.width() +
                                        (screen.x - look_.source.left)];
    *colour = RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    return true;
}

void ViewFrame::Release() {
    screen_.reset();
    capture_.Reset();
    picture_.Reset();
    shown_ = false;
    std::vector<DWORD>().swap(shownPixels_);
}

HPALETTE CreateIdentityPalette() {
    const SIZE_T size = sizeof(LOGPALETTE) + (kPaletteEntries - 1) * sizeof(PALETTEENTRY);
    LOGPALETTE* description = static_cast<LOGPALETTE*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size));
    if (!description) return nullptr;
    description->palVersion = kPaletteVersion;
    description->palNumEntries = kPaletteEntries;
    for (int i = 0; i < kPaletteEntries; ++i) {
        // With PC_EXPLICIT the low word names a system palette index, not a colour.
        description->palPalEntry[i].peRed = static_cast<BYTE>(i);
        description->palPalEntry[i].peGreen = 0;
        description->palPalEntry[i].peBlue = 0;
        description->palPalEntry[i].peFlags = PC_EXPLICIT;
    }
    HPALETTE palette = CreatePalette(description);
    HeapFree(GetProcessHeap(), 0, description);
    return palette;
}
