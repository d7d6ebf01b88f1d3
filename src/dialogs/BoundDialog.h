// The object behind one open dialog, bound to it through DWLP_USER from
// WM_INITDIALOG to WM_NCDESTROY.
#pragma once

#include <windows.h>

template <typename Dialog>
class BoundDialog {
public:
    // The object of a dialog, null before WM_INITDIALOG and after WM_NCDESTROY.
    static Dialog* From(HWND dialog) { return reinterpret_cast<Dialog*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

    void Bind(HWND dialog) {
        dialog_ = dialog;
        SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(static_cast<Dialog*>(this)));
    }
    // The dialog's last message: no later one may reach the object.
    static void Unbind(HWND dialog) { SetWindowLongPtrA(dialog, DWLP_USER, 0); }

protected:
    HWND dialog_ = nullptr;
};
