// Helper program of the window tests (not a test itself): watches a rectangle of
// the screen from a process of its own, so that it reads what the display shows,
// not drawing that the test process still holds back.
//   screen_watch <left> <top> <width> <height> <milliseconds>
// Prints the rectangle's pixels as RRGGBB, row by row, one line for each picture
// that differs from the one before it, the first at once. Exit code 2 for bad
// arguments or no screen.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <vector>

#include "common/Dib.h"
#include "common/Handles.h"

int main(int argc, char** argv) {
    if (argc != 6) return 2;
    const int left = atoi(argv[1]);
    const int top = atoi(argv[2]);
    const int width = atoi(argv[3]);
    const int height = atoi(argv[4]);
    const DWORD watchMs = strtoul(argv[5], nullptr, 10);
    if (width <= 0 || height <= 0) return 2;

    WindowDC screen(nullptr);
    MemoryDC copy(screen);
    const BITMAPINFO info = TopDown32(width, height);
    void* bits = nullptr;
    Bitmap picture(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!screen || !copy || !picture || !bits) return 2;
    SelectionGuard selected(copy, picture);
    const DWORD* pixels = static_cast<const DWORD*>(bits);
    const size_t count = static_cast<size_t>(width) * height;

    std::vector<DWORD> last;
    const DWORD start = GetTickCount();
    do {
        BitBlt(copy, 0, 0, width, height, screen, left, top, SRCCOPY);
        GdiFlush();
        if (last.empty() || !std::equal(pixels, pixels + count, last.begin())) {
            last.assign(pixels, pixels + count);
            for (size_t i = 0; i < count; ++i) printf("%06lx ", static_cast<unsigned long>(pixels[i] & 0xFFFFFF));
            printf("\n");
            fflush(stdout);
        }
        Sleep(1);
    } while (GetTickCount() - start < watchMs);
    return 0;
}
