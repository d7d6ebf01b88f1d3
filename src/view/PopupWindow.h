// Base of the program's own pop-up windows: one window procedure that finds the
// object through the window's user data. The windows are destroyed on every
// hide and made again on the next show.
#pragma once

#include <windows.h>

class PopupWindow {
public:
    PopupWindow() : window_(nullptr) {}
    virtual ~PopupWindow();
    PopupWindow(const PopupWindow&) = delete;
    PopupWindow& operator=(const PopupWindow&) = delete;

    virtual void Hide();
    virtual LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;

    HWND Window() const { return window_; }

protected:
    // Fills in the shared window procedure and registers the class; 0 on failure.
    static ATOM RegisterPopupClass(WNDCLASSEXA& description);
    bool CreatePopup(ATOM atom, DWORD style, HWND owner);
    void DestroyPopup();

    HWND window_;

private:
    static LRESULT CALLBACK SharedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};
