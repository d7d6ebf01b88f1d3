// Helpers for the context menu and selection tests: a probe that catches the
// next pop-up menu inside TrackPopupMenu's modal loop, reads it and closes it,
// and mouse messages for the main window.
#pragma once

#include <windows.h>

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

}  // namespace test
