// Shared helpers of the test programs: a clean settings key, the real main
// window of this process, message pumping and pixel reading.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "common/Names.h"
#include "mainwindow/MainWindow.h"
#include "support/FileSupport.h"

// The tests' way into the main window's state.
class MainWindowTestAccess {
public:
    static MainWindowState& State(MainWindow& mainWindow) { return mainWindow; }
    // Puts stand-ins, or nothing, in the places of the window's two bars, with their heights.
    static void SetBars(MainWindow& mainWindow, HWND band, int bandHeight, HWND statusBar, int statusHeight) {
        MainWindowState& state = mainWindow;
        state.band.band_ = band;
        state.band.height_ = bandHeight;
        state.status.window_ = statusBar;
        state.status.height_ = statusHeight;
    }
};

namespace test {

// The state of this process's main window, to read and to set up.
inline MainWindowState& State() {
    return MainWindowTestAccess::State(g_mainWindow);
}

// Puts stand-ins, or nothing, in the places of the main window's two bars, with their heights.
inline void SetBars(HWND band, int bandHeight, HWND statusBar, int statusHeight) {
    MainWindowTestAccess::SetBars(g_mainWindow, band, bandHeight, statusBar, statusHeight);
}

// Removes the program's settings key and everything in it.
void DeleteSettingsKey();
// Reloads the process-wide settings from the registry (defaults when the key is gone).
void ReloadSettings();
// Creates this process's main window with the current settings; true when it exists.
bool CreateMainWindowForTest(int showCommand = SW_SHOWNOACTIVATE);
// Destroys the main window and forgets its class, so the next test can create it again.
void DestroyMainWindowForTest();
// Dispatches the messages of this thread for about ms milliseconds (WM_QUIT is dropped).
void PumpMessages(DWORD ms);
// Pumps until the predicate holds or ms pass; returns the predicate's last value.
template <typename Predicate>
bool PumpUntil(Predicate predicate, DWORD ms) {
    DWORD start = GetTickCount();
    while (!predicate()) {
        if (GetTickCount() - start > ms) return predicate();
        PumpMessages(10);
    }
    return true;
}
// A header for 32-bit, top-down device-independent pixels.
BITMAPINFO TopDown32(int width, int height);
// Reads a pixel of a window's client area from the screen.
COLORREF ScreenPixel(int x, int y);
// The pictures of a screen rectangle that another process saw for ms
// milliseconds while this thread ran `during` and then pumped: each picture that
// differed from the one before, in order, its pixels row by row; none when the
// watcher could not run. Another process, because this one's own reads first
// hand on the drawing it still holds back, and so see it where the display
// does not.
std::vector<std::vector<COLORREF>> WatchScreen(const RECT& area, DWORD ms, const std::function<void()>& during);
// The paths the program asked the shell to open as its manual. Test programs
// only record them, so that no browser starts.
std::vector<std::string>& OpenedManuals();

}  // namespace test
