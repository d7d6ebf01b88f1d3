// Base of the program's own pop-up windows: one window procedure that finds the
// object through the window's user data. The windows are destroyed on every
// hide and made again on the next show.
#pragma once

#include <windows.h>

class PopupWindow {
public:
    PopupWindow() : window_(nullptr) {}
    // Derived classes destroy their window in their own destructor, while their
    // WindowProc still exists; this only catches a window left over.
    virtual ~PopupWindow();
    PopupWindow(const PopupWindow&) = delete;
    PopupWindow& operator=(const PopupWindow&) = delete;

    virtual void Hide();
    virtual LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;

    HWND Window() const { return window_; }

protected:
    // Fills in the shared window procedure and the instance and registers the class; 0 on failure.
    static ATOM RegisterPopupClass(WNDCLASSEXA& description);
    // Unregisters a class registered by RegisterPopupClass; atom becomes 0 when that succeeded.
    static void UnregisterPopupClass(ATOM& atom);
    bool CreatePopup(ATOM atom, DWORD style, HWND owner);
    // Destroys the window, if any, without sending any more messages to this object.
    void DestroyPopup();

    HWND window_;

private:
    static LRESULT CALLBACK SharedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};
