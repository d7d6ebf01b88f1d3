// The magnified picture: each frame is composed off screen with one stretch from
// the screen, then the grid and the cursor image, and put on the window with one
// copy, so the view never shows a half-drawn frame.
#include "view/Render.h"

#include "common/Handles.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/Placement.h"
#include "settings/Settings.h"
#include "view/ViewGeometry.h"

#ifndef _WIN64
static_assert(sizeof(CURSORINFO) == 20, "CURSORINFO keeps its 32-bit size");
static_assert(sizeof(PALETTEENTRY) == 4, "PALETTEENTRY keeps its size");
#endif

namespace {

constexpr WORD kPaletteVersion = 0x300;
constexpr WORD kPaletteEntries = 256;

// Selects the identity palette into the frame and the target and realises it in
// both; puts the previous palettes back when the frame is done.
class PaletteSelection {
public:
    PaletteSelection(HDC frame, HDC target, HPALETTE palette)
        : frame_(frame), target_(target), framePrevious_(nullptr), targetPrevious_(nullptr) {
        if (!palette) return;
        framePrevious_ = SelectPalette(frame_, palette, FALSE);
        RealizePalette(frame_);
        targetPrevious_ = SelectPalette(target_, palette, FALSE);
        RealizePalette(target_);
    }
    ~PaletteSelection() {
        // The identity palette must not stay selected in a DC that outlives the frame.
        if (targetPrevious_) SelectPalette(target_, targetPrevious_, FALSE);
        if (framePrevious_) SelectPalette(frame_, framePrevious_, FALSE);
    }
    PaletteSelection(const PaletteSelection&) = delete;
    PaletteSelection& operator=(const PaletteSelection&) = delete;

private:
    HDC frame_;
    HDC target_;
    HPALETTE framePrevious_;
    HPALETTE targetPrevious_;
};

void CopyMagnifiedScreen(HDC frame, const RECT& source, SIZE magnified) {
    SetStretchBltMode(frame, COLORONCOLOR);
    // The screen DC is held only for the copy itself.
    WindowDC screen(nullptr);
    StretchBlt(frame, 0, 0, magnified.cx, magnified.cy, screen, source.left, source.top, source.right - source.left,
               source.bottom - source.top, SRCCOPY);
}

void DrawGrid(HDC frame, SIZE magnified, int spacing, COLORREF colour) {
    if (spacing <= 0) return;
    Pen pen(CreatePen(PS_SOLID, 1, colour));
    SelectionGuard penSelection(frame, pen);
    for (int x = spacing; x < magnified.cx; x += spacing) {
        MoveToEx(frame, x, 0, nullptr);
        LineTo(frame, x, magnified.cy);
    }
    for (int y = spacing; y < magnified.cy; y += spacing) {
        MoveToEx(frame, 0, y, nullptr);
        LineTo(frame, magnified.cx, y);
    }
}

// The system's current cursor when asked for and available, else our own arrow.
HCURSOR CursorImage(bool useSystemCursor, HCURSOR viewCursor) {
    if (useSystemCursor) {
        CURSORINFO info = {};
        info.cbSize = sizeof(info);
        if (GetCursorInfo(&info) && info.hCursor) return info.hCursor;
    }
    return viewCursor;
}

}  // namespace

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

RECT MainWindow::SourceRect() const {
    const POINT lowest = LowestZoomPoint(g_desktop, halfWidth, halfHeight);
    const POINT clamped = ClampZoomPoint(zoomPoint, lowest, highestZoomPoint);
    return SourceRectAround(clamped, sourceWidth, sourceHeight, halfWidth, halfHeight);
}

void MainWindow::Render(HDC target) {
    // No geometry yet (the window has never had a size) means nothing to show either.
    if (viewHidden || sourceWidth <= 0 || sourceHeight <= 0) return;
    const RECT view = GetViewRect();
    const int zoom = SafeZoomFactor(g_settings.ZoomFactor);
    const SIZE magnified = MagnifiedSize(sourceWidth, sourceHeight, zoom);

    MemoryDC frame(target);
    Bitmap bitmap(CreateCompatibleBitmap(target, magnified.cx, magnified.cy));
    SelectionGuard bitmapSelection(frame, bitmap);
    PaletteSelection palettes(frame, target, identityPalette);

    const RECT source = SourceRect();
    CopyMagnifiedScreen(frame, source, magnified);
    if (g_settings.ShowGrid) DrawGrid(frame, magnified, GridSpacing(zoom, g_settings.GridSize), g_settings.GridColor);
    if (g_settings.MouseTracking && g_settings.DisplayMouseWhenFollowing) {
        // Drawn after the grid so that it lies on top. The image keeps its own size and
        // its corner, not its hot spot, marks the zoom point.
        HCURSOR image = CursorImage(g_settings.bUseOSCursor != 0, viewCursor);
        const POINT origin = CursorImageOrigin(zoomPoint, source, zoom);
        if (image) DrawIcon(frame, origin.x, origin.y, image);
    }
    // The surplus block on the right and at the bottom is cut off here.
    BitBlt(target, view.left, view.top, view.right - view.left, view.bottom - view.top, frame, 0, 0, SRCCOPY);
}

void MainWindow::Redraw() {
    if (!window) return;
    WindowDC dc(window);
    if (dc) Render(dc);
}
