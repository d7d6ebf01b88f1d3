// Helpers for the context menu and selection tests: a probe that catches the
// next pop-up menu inside TrackPopupMenu's modal loop, reads it and closes it,
// and mouse messages for the main window.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

namespace test {

// What the probe found in the menu it caught.
struct SeenMenu {
    bool shown = false;
    UINT firstItem = 0;          // command of the first item: tells the four pop-ups apart
    RECT screenRect = {};        // the menu window on the screen
    std::map<UINT, UINT> state;  // GetMenuState by command, for every command item
    std::map<UINT, UINT> type;   // fType by command (radio marks)
};

// Waits on a thread timer for a pop-up menu of this thread, records it, then
// closes it: with Escape, or by choosing a command through its mnemonic.
// Only one probe may exist at a time.
class MenuProbe {
public:
    MenuProbe();
    ~MenuProbe();
    MenuProbe(const MenuProbe&) = delete;
    MenuProbe& operator=(const MenuProbe&) = delete;

    // Choose this command instead of pressing Escape (its text needs a mnemonic).
    void Choose(UINT command) { choice_ = command; }
    // Runs inside the menu loop once the menu is seen, before it is closed.
    void WhileShown(std::function<void()> check) { whileShown_ = std::move(check); }

    const SeenMenu& Seen() const { return seen_; }
    // True when the menu's item of this command carries a check or radio mark.
    bool Checked(UINT command) const;
    bool Grayed(UINT command) const;

private:
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD);
    void ReadAndClose(HWND menuWindow);

    UINT_PTR timer_;
    DWORD started_;
    bool done_;
    UINT choice_;
    std::function<void()> whileShown_;
    SeenMenu seen_;
};

LPARAM PointParam(int x, int y);
// Right-button press and move in client coordinates, as the mouse would send them.
void PressRight(HWND window, POINT client);
void MoveMouse(HWND window, POINT client);
// The release opens the menu: a MenuProbe must be in place.
void ReleaseRight(HWND window, POINT client);

// A window's rectangle in another window's client coordinates.
RECT RectInClient(HWND window, HWND client);

// The real main window of this process at a known place and size, with
// following switched off so that the picture holds still; settings reset
// before and after.
class MainWindowTest : public ::testing::Test {
protected:
    static constexpr int kLeft = 100;
    static constexpr int kTop = 100;
    static constexpr int kWidth = 480;
    static constexpr int kHeight = 420;

    void SetUp() override;
    void TearDown() override;

    HWND Window() const;
    RECT View() const;
    // A point of the view, in client and in screen coordinates.
    POINT InView(int dx, int dy) const;
    POINT ToScreen(POINT client) const;
    POINT ToClient(POINT screen) const;
    // The centre of a status-bar pane, in screen coordinates.
    POINT StatusPaneCentre(int pane) const;
};

}  // namespace test
