// Pictures read back from where the program puts them: the clipboard and files.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "support/Fixtures.h"

namespace test {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<DWORD> bits;  // top-down, 0x00RRGGBB
    COLORREF At(int x, int y) const;
};

// The bitmap on the clipboard; an empty picture when there is none.
Picture ClipboardPicture();
// A bitmap's pixels; the bitmap is deleted. An empty picture when there is none.
Picture BitmapPicture(HBITMAP bitmap);
// A picture file decoded through the system's image codecs; its pixel format in *format.
Picture FilePicture(const std::string& path, GUID* format = nullptr);
// A cursor's hot spot and the picture of its mask (the AND and XOR halves of
// a monochrome cursor, one above the other); no hot spot (-1) when it has none.
struct CursorShape {
    POINT hotSpot = {-1, -1};
    Picture mask;
};
CursorShape ShapeOf(HCURSOR cursor);
// A whole file; empty when it cannot be read.
std::string FileBytes(const std::string& path);

// The main window magnifying the pattern window, itself far from it, with a grid
// in the view that copies must not carry.
class PatternMainWindowTest : public PatternOnScreen {
protected:
    static constexpr int kMainLeft = 600;
    static constexpr int kMainTop = 500;
    static constexpr COLORREF kGridColour = RGB(255, 0, 255);

    PatternMainWindowTest() : PatternOnScreen(RECT{kMainLeft, kMainTop, kMainLeft + kWidth, kMainTop + kHeight}) {}
    void SetUp() override;
    // The picture has that size and every pixel is the pattern's pixel it is scaled from.
    void ExpectPattern(const Picture& picture, int width, int height, POINT origin, int scale);
};

}  // namespace test
