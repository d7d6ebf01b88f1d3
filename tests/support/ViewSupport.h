// Helpers of the view and placement tests: a window of known pixels on the
// screen, the main window placed and sized, and its client area read back.
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

// A topmost pop-up that paints PatternColour at each of its pixels. Without a
// window manager its position on the screen is exact.
class PatternWindow {
public:
    PatternWindow(int x, int y, int width, int height);
    ~PatternWindow();
    PatternWindow(const PatternWindow&) = delete;
    PatternWindow& operator=(const PatternWindow&) = delete;
    HWND get() const { return window_; }
    // Pumps until the screen shows the pattern at a few pixels (or time runs out).
    bool WaitUntilOnScreen();
    // The colour the screen should have at a screen pixel inside the window.
    COLORREF ColourAt(int screenX, int screenY) const { return PatternColour(screenX - x_, screenY - y_); }

private:
    int x_;
    int y_;
    int width_;
    int height_;
    HWND window_;
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

// Fills a window's client area with one colour through its DC.
void FillClient(HWND window, COLORREF colour);

}  // namespace test
