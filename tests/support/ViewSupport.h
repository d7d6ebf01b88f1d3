// Helpers of the tests that read the screen: windows of known pixels on it, a
// top-level window's client area placed and read back, and screen pixels read
// at once.
#pragma once

#include <windows.h>

#include <vector>

namespace test {

// The colour the pattern window shows at its pixel (x, y): red and green count
// the column and row, so a shift by one pixel changes the colour. Blue is never
// 0 or 255, so neither black nor white nor a grid colour with such a blue can be
// mistaken for it.
COLORREF PatternColour(int x, int y);
constexpr int kPatternBlue = 0x5A;

// A borderless topmost pop-up that never takes the activation, filled with one
// colour; destroyed with the object. Without a window manager its position on
// the screen is exact.
class ColourWindow {
public:
    ColourWindow(const RECT& screenRect, COLORREF colour);
    ~ColourWindow();
    ColourWindow(const ColourWindow&) = delete;
    ColourWindow& operator=(const ColourWindow&) = delete;

    HWND Window() const { return window_; }
    // Changes the colour and repaints at once.
    void SetColour(COLORREF colour);

protected:
    // The colour that stands for PatternColour at each pixel.
    static constexpr COLORREF kPattern = CLR_INVALID;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_;
    COLORREF colour_;
};

// A window that shows PatternColour at each of its pixels.
class PatternWindow : public ColourWindow {
public:
    PatternWindow(int x, int y, int width, int height);
    // Pumps until the screen shows the pattern at a few pixels (or time runs out).
    bool WaitUntilOnScreen();
    // The colour the screen should have at a screen pixel inside the window.
    COLORREF ColourAt(int screenX, int screenY) const { return PatternColour(screenX - x_, screenY - y_); }

private:
    int x_;
    int y_;
    int width_;
    int height_;
};

// Moves a top-level window so that its client area has the given screen origin and size.
bool PlaceClientArea(HWND window, int x, int y, int width, int height);

// A copy of a window's client area taken through the window's own DC.
class ClientPixels {
public:
    explicit ClientPixels(HWND window);
    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

private:
    int width_;
    int height_;
    std::vector<COLORREF> pixels_;
};

// The screen's pixels in a rectangle, read in one copy so that they belong to one moment.
class ScreenCapture {
public:
    explicit ScreenCapture(const RECT& screenRect);
    // A pixel by screen coordinates, as a COLORREF.
    COLORREF At(int x, int y) const;
    const RECT& Rect() const { return rect_; }

private:
    RECT rect_;
    std::vector<COLORREF> pixels_;
};

// The pixels of an area of a DC that are of a colour, or with matching false
// all that are not: how many, the box around them (empty when there are none)
// and their longest run along a row.
struct Ink {
    int count = 0;
    RECT box = {0, 0, 0, 0};
    int longestRow = 0;
};
Ink FindInk(HDC dc, const RECT& area, COLORREF colour, bool matching = true);
// The same on the screen.
Ink ScreenInk(const RECT& area, COLORREF colour, bool matching = true);
// The box around the pixels of a screen area that are not the background; empty when there are none.
RECT InkBox(const RECT& area, COLORREF background);

// Fills a window's client area with one colour through its DC.
void FillClient(HWND window, COLORREF colour);

}  // namespace test
