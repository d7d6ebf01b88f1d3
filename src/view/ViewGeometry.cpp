#include "view/ViewGeometry.h"

#include <string.h>

#include "common/Clamp.h"

int SafeZoomFactor(int zoomFactor) {
    return zoomFactor < 1 ? 1 : zoomFactor;
}

ViewGeometry ComputeViewGeometry(int viewWidth, int viewHeight, int zoomFactor, const DesktopRect& desktop) {
    const int zoom = SafeZoomFactor(zoomFactor);
    ViewGeometry geometry;
    geometry.sourceWidth = viewWidth / zoom + 1;
    geometry.sourceHeight = viewHeight / zoom + 1;
    geometry.halfWidth = geometry.sourceWidth / 2;
    geometry.halfHeight = geometry.sourceHeight / 2;
    geometry.lowest = LowestZoomPoint(desktop, geometry.halfWidth, geometry.halfHeight);
    geometry.highest.x = desktop.left + desktop.width - geometry.halfWidth - 1;
    geometry.highest.y = desktop.top + desktop.height - geometry.halfHeight - 1;
    return geometry;
}

POINT LowestZoomPoint(const DesktopRect& desktop, int halfWidth, int halfHeight) {
    POINT lowest = {desktop.left + halfWidth, desktop.top + halfHeight};
    return lowest;
}

POINT ClampZoomPoint(POINT zoomPoint, POINT lowest, POINT highest) {
    POINT clamped = {Clamp(zoomPoint.x, lowest.x, highest.x), Clamp(zoomPoint.y, lowest.y, highest.y)};
    return clamped;
}

RECT SourceRectAround(POINT clampedZoomPoint, int sourceWidth, int sourceHeight, int halfWidth, int halfHeight) {
    RECT source;
    source.left = clampedZoomPoint.x - halfWidth;
    source.top = clampedZoomPoint.y - halfHeight;
    source.right = source.left + sourceWidth;
    source.bottom = source.top + sourceHeight;
    return source;
}

SIZE MagnifiedSize(int sourceWidth, int sourceHeight, int zoomFactor) {
    const int zoom = SafeZoomFactor(zoomFactor);
    SIZE size = {sourceWidth * zoom, sourceHeight * zoom};
    return size;
}

POINT ScreenPixelAt(POINT viewPixel, const RECT& source, int zoomFactor) {
    const int zoom = SafeZoomFactor(zoomFactor);
    POINT screen = {source.left + viewPixel.x / zoom, source.top + viewPixel.y / zoom};
    return screen;
}

POINT BlockOrigin(POINT screenPixel, const RECT& source, int zoomFactor) {
    const int zoom = SafeZoomFactor(zoomFactor);
    POINT view = {zoom * (screenPixel.x - source.left), zoom * (screenPixel.y - source.top)};
    return view;
}

int GridSpacing(int zoomFactor, int gridSize) {
    const int zoom = SafeZoomFactor(zoomFactor);
    const int step = gridSize < 1 ? 1 : gridSize;
    if (zoom < 2 && step < 2) return 0;
    return zoom * step;
}

bool IsGridLine(int position, int spacing) {
    return spacing > 0 && position > 0 && position % spacing == 0;
}

POINT CursorImageOrigin(POINT zoomPoint, const RECT& source, int zoomFactor) {
    const int zoom = SafeZoomFactor(zoomFactor);
    POINT origin = BlockOrigin(zoomPoint, source, zoom);
    origin.x += zoom / 2;
    origin.y += zoom / 2;
    return origin;
}

void EnlargeBlocks(const DWORD* source, int sourceWidth, int sourceHeight, int zoomFactor, DWORD* target, int width,
                   int height) {
    const int zoom = SafeZoomFactor(zoomFactor);
    for (int y = 0; y < height; y += zoom) {
        const int sourceRow = y / zoom;
        if (sourceRow >= sourceHeight) break;
        const DWORD* from = source + static_cast<size_t>(sourceRow) * sourceWidth;
        DWORD* first = target + static_cast<size_t>(y) * width;
        // One row of blocks, then copies of it for the block's other rows.
        for (int x = 0, column = 0; x < width && column < sourceWidth; ++column) {
            const DWORD pixel = from[column];
            for (int repeat = 0; repeat < zoom && x < width; ++repeat) first[x++] = pixel;
        }
        const int rows = height - y < zoom ? height - y : zoom;
        for (int row = 1; row < rows; ++row) {
            memcpy(first + static_cast<size_t>(row) * width, first, static_cast<size_t>(width) * sizeof(DWORD));
        }
    }
}
