// Shared helpers of the test programs: the tests' settings key, the real main
// window of this process, message pumping, real input and pixel reading.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "common/Names.h"
#include "mainwindow/MainWindow.h"
#include "support/FileSupport.h"

namespace test {

// The main window's magnifier, to read.
inline const Magnifier& Magnification() {
    return g_mainWindow.Magnification();
}

// Puts the zoom point at a point of the screen as following the mouse does:
// the cursor is moved there and one tracking tick follows it, with following
// switched on for that tick only, then the view drawn again. Any point on the
// screen, also one outside the zoom point's limits, is kept as it is.
void FollowTo(POINT point);
// Moves the zoom point to a point inside its limits, as the keys and panning do.
void MoveZoomPointTo(POINT point);
// Makes a colour the sampled colour, as the tracking tick does: a window of
// that colour is put under the cursor while ticks are sent. The tracking timer
// is stopped first, so that no later tick samples another colour.
void SampleColour(COLORREF colour);

// The settings key of the tests, under HKEY_CURRENT_USER: never the program's own.
extern const char kTestSettingsKeyPath[];
// Points the process's settings at the tests' key; every test program that
// links the window code does so before its first test (support/TestMain.cpp).
void UseTestSettingsKey();
// Removes the tests' settings key and everything in it.
void DeleteSettingsKey();
// Reloads the process-wide settings from their key (defaults when the key is gone).
void ReloadSettings();
// True under Wine in the prefix that the test scripts made for the tests and
// named in OCULARIX_TEST_PREFIX: there the program's own settings key is theirs.
bool InTestPrefix();
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
// Dispatches this thread's messages for ms milliseconds and counts the
// WM_TIMER messages of one timer of one window among them.
int PumpCountingTimer(HWND window, UINT_PTR timerId, DWORD ms);
// Dispatches until count ticks of the timer have been handled, or ms pass; true when they were.
bool PumpTimerTicks(HWND window, UINT_PTR timerId, int count, DWORD ms);
// Dispatches this thread's messages as the program's loop does, through its
// accelerator table for the window, until done(translated) holds or ms pass;
// the number of messages the table translated.
int PumpThroughAccelerators(HWND window, const std::function<bool(int translated)>& done, DWORD ms);
// The windows of this thread, top-level or owned, shown or not; of one class when it is given.
int CountThreadWindows(const char* className = nullptr);

// This thread's keyboard state: the modifier keys held down or let go, as the
// program reads them while it handles a message.
void HoldModifiers(bool control, bool shift = false, bool alt = false);
// Real keyboard input: the keys pressed in order, then released in reverse
// order, with their scan codes as a keyboard sends them (Wine's hot-key control
// reads the key of a WM_CHAR from its scan code).
void TypeKeys(std::initializer_list<BYTE> keys);
// Real mouse input where the cursor is: buttons (MOUSEEVENTF_*) or a wheel turn.
void MouseInput(DWORD flags, DWORD wheelData = 0);
// The cursor put at a screen point, and a button pressed and released there.
void ClickAt(POINT screen, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP);
// Moves the real cursor and waits until the system reports it there.
bool MoveCursor(int x, int y);

// Reads a pixel of the screen.
COLORREF ScreenPixel(int x, int y);
// The inverse of a colour, as DSTINVERT leaves it.
inline COLORREF Inverted(COLORREF colour) {
    return (~colour) & 0x00FFFFFF;
}
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
