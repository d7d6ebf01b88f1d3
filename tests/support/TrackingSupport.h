// Helpers of the zoom, tracking and pop-up window tests: windows of one known
// colour on screen, and reading a block of screen pixels at once.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace test {

// A borderless topmost window filled with one colour; destroyed with the object.
class ColourWindow {
public:
    ColourWindow(const RECT& screenRect, COLORREF colour);
    ~ColourWindow();
    ColourWindow(const ColourWindow&) = delete;
    ColourWindow& operator=(const ColourWindow&) = delete;

    HWND Window() const { return window_; }
    // Changes the colour and repaints at once.
    void SetColour(COLORREF colour);

private:
    HWND window_;
    COLORREF colour_;
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
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
    std::vector<DWORD> pixels_;
};

// The inverse of a colour, as DSTINVERT leaves it.
inline COLORREF Inverted(COLORREF colour) {
    return (~colour) & 0x00FFFFFF;
}

// Text of a status bar pane.
std::string StatusText(HWND statusBar, int pane);
// Text of a whole-window tool of a tooltip control.
std::string ToolText(HWND toolTips, HWND owner, HWND tool);
// Moves the real cursor and waits until the system reports it there.
bool MoveCursor(int x, int y);
// Dispatches this thread's messages for ms milliseconds and counts the
// WM_TIMER messages of one timer of one window among them.
int PumpCountingTimer(HWND window, UINT_PTR timerId, DWORD ms);
// Dispatches until count ticks of the timer have been handled, or ms pass; true when they were.
bool PumpTimerTicks(HWND window, UINT_PTR timerId, int count, DWORD ms);
// Visible windows of this thread with the given class name.
int CountThreadWindows(const char* className);

}  // namespace test
