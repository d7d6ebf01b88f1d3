#include "view/PopupWindow.h"

#include "common/Process.h"

#ifndef _WIN64
static_assert(sizeof(WNDCLASSEXA) == 48, "WNDCLASSEXA keeps its 32-bit size");
static_assert(sizeof(CREATESTRUCTA) == 48, "CREATESTRUCTA keeps its 32-bit size");
static_assert(sizeof(PAINTSTRUCT) == 64, "PAINTSTRUCT keeps its 32-bit size");
#endif

PopupWindow::~PopupWindow() {
    DestroyPopup();
}

void PopupWindow::Hide() {
    DestroyPopup();
}

ATOM PopupWindow::RegisterPopupClass(WNDCLASSEXA& description) {
    description.cbSize = sizeof(description);
    description.lpfnWndProc = SharedWindowProc;
    description.hInstance = g_instance;
    return RegisterClassExA(&description);
}

void PopupWindow::UnregisterPopupClass(ATOM& atom) {
    // Fails while another object still has a window of the class; it then stays registered.
    if (atom && UnregisterClassA(MAKEINTATOM(atom), g_instance)) atom = 0;
}

bool PopupWindow::CreatePopup(ATOM atom, DWORD style, HWND owner) {
    window_ = CreateWindowExA(0, MAKEINTATOM(atom), nullptr, style, 0, 0, 0, 0, owner, nullptr, g_instance, this);
    return window_ != nullptr;
}

void PopupWindow::DestroyPopup() {
    HWND window = window_;
    window_ = nullptr;
    if (!window) return;
    // Unbound first: the window's last messages must not reach an object that may
    // be half destroyed.
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

LRESULT CALLBACK PopupWindow::SharedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        const CREATESTRUCTA* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        return 0;
    }
    PopupWindow* popup = reinterpret_cast<PopupWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!popup) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The window can also go with its owner; the object must then forget it.
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        if (popup->window_ == window) popup->window_ = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return popup->WindowProc(window, message, wParam, lParam);
}
