#include "support/MenuSupport.h"

#include "support/TestSupport.h"

namespace test {

namespace {

constexpr UINT kProbeIntervalMs = 30;
constexpr DWORD kProbeGiveUpMs = 5000;

MenuProbe* g_activeProbe = nullptr;

struct MenuSearch {
    HWND found;
};

BOOL CALLBACK FindThreadMenu(HWND window, LPARAM data) {
    char className[16];
    if (IsWindowVisible(window) && GetClassNameA(window, className, sizeof(className)) &&
        lstrcmpA(className, "#32768") == 0) {
        reinterpret_cast<MenuSearch*>(data)->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindOpenMenu() {
    MenuSearch search = {nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindThreadMenu, reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
        // Some systems keep menu windows on a desktop-wide owner; look there too.
        HWND candidate = FindWindowA("#32768", nullptr);
        if (candidate && IsWindowVisible(candidate)) search.found = candidate;
    }
    return search.found;
}

char MnemonicOf(HMENU menu, UINT command) {
    char text[128] = "";
    GetMenuStringA(menu, command, text, sizeof(text), MF_BYCOMMAND);
    for (const char* c = text; *c; ++c) {
        if (c[0] == '&' && c[1] && c[1] != '&') return c[1];
    }
    return 0;
}

}  // namespace

MenuProbe::MenuProbe() : timer_(0), started_(GetTickCount()), done_(false), choice_(0) {
    g_activeProbe = this;
    timer_ = SetTimer(nullptr, 0, kProbeIntervalMs, OnTick);
}

MenuProbe::~MenuProbe() {
    if (timer_) KillTimer(nullptr, timer_);
    g_activeProbe = nullptr;
}

void CALLBACK MenuProbe::OnTick(HWND, UINT, UINT_PTR, DWORD) {
    MenuProbe* probe = g_activeProbe;
    if (!probe || probe->done_) return;
    if (HWND menuWindow = FindOpenMenu()) {
        probe->done_ = true;
        probe->ReadAndClose(menuWindow);
    } else if (GetTickCount() - probe->started_ > kProbeGiveUpMs) {
        // Nothing appeared, or it could not be found: never leave a test hanging.
        probe->done_ = true;
        EndMenu();
    }
}

void MenuProbe::ReadAndClose(HWND menuWindow) {
    seen_.shown = true;
    GetWindowRect(menuWindow, &seen_.screenRect);
    HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
    if (menu) {
        seen_.firstItem = GetMenuItemID(menu, 0);
        int count = GetMenuItemCount(menu);
        for (int position = 0; position < count; ++position) {
            UINT command = GetMenuItemID(menu, position);
            if (command == 0 || command == static_cast<UINT>(-1)) continue;
            seen_.state[command] = GetMenuState(menu, position, MF_BYPOSITION);
            MENUITEMINFOA info = {};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_FTYPE;
            if (GetMenuItemInfoA(menu, position, TRUE, &info)) seen_.type[command] = info.fType;
        }
    }
    if (whileShown_) whileShown_();

    char mnemonic = (choice_ && menu) ? MnemonicOf(menu, choice_) : 0;
    if (mnemonic) {
        PostMessageA(menuWindow, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(mnemonic)), 0);
    } else {
        PostMessageA(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);
    }
}

bool MenuProbe::Checked(UINT command) const {
    auto found = seen_.state.find(command);
    return found != seen_.state.end() && (found->second & MF_CHECKED) != 0;
}

bool MenuProbe::Grayed(UINT command) const {
    auto found = seen_.state.find(command);
    return found != seen_.state.end() && (found->second & MF_GRAYED) != 0;
}

LPARAM PointParam(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

void PressRight(HWND window, POINT client) {
    SendMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, PointParam(client.x, client.y));
}

void MoveMouse(HWND window, POINT client) {
    SendMessageA(window, WM_MOUSEMOVE, MK_RBUTTON, PointParam(client.x, client.y));
}

void ReleaseRight(HWND window, POINT client) {
    SendMessageA(window, WM_RBUTTONUP, 0, PointParam(client.x, client.y));
}

}  // namespace test
