#include "support/DialogSupport.h"

#include <algorithm>
#include <vector>

namespace test {

namespace {

constexpr UINT kTickMs = 20;
constexpr DWORD kWaitForDialogMs = 5000;
constexpr DWORD kWaitForCloseMs = 5000;

std::vector<DialogProbe*>& LiveProbes() {
    static std::vector<DialogProbe*> probes;
    return probes;
}

struct DialogSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM param) {
    DialogSearch* search = reinterpret_cast<DialogSearch*>(param);
    char className[16] = "";
    GetClassNameA(window, className, sizeof(className));
    if (lstrcmpA(className, "#32770") == 0 && IsWindowVisible(window) && GetWindow(window, GW_OWNER) == search->owner) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

DialogProbe::DialogProbe(HWND owner, std::function<void(HWND)> action)
    : owner_(owner), action_(std::move(action)), timer_(SetTimer(nullptr, 0, kTickMs, &OnTick)), started_(GetTickCount()) {
    LiveProbes().push_back(this);
}

DialogProbe::~DialogProbe() {
    if (timer_) KillTimer(nullptr, timer_);
    auto& probes = LiveProbes();
    probes.erase(std::remove(probes.begin(), probes.end(), this), probes.end());
}

void CALLBACK DialogProbe::OnTick(HWND, UINT, UINT_PTR timer, DWORD) {
    for (DialogProbe* probe : LiveProbes()) {
        if (probe->timer_ == timer) {
            probe->Tick();
            return;
        }
    }
}

void DialogProbe::Tick() {
    if (ran_) {
        // A dialog ended with EndDialog goes only when its loop takes one more message.
        if (!IsWindow(dialog_) || !IsWindowVisible(dialog_)) {
            if (IsWindow(dialog_)) PostMessageA(dialog_, WM_NULL, 0, 0);
            KillTimer(nullptr, timer_);
            timer_ = 0;
        } else if (GetTickCount() - started_ > kWaitForCloseMs) {
            leftOpen_ = true;
            EndDialog(dialog_, 0);
        }
        return;
    }
    DialogSearch search = {owner_, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &MatchDialog, reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
        if (GetTickCount() - started_ > kWaitForDialogMs) {
            KillTimer(nullptr, timer_);
            timer_ = 0;
        }
        return;
    }
    // The action may run nested modal loops: no tick of this probe meanwhile.
    KillTimer(nullptr, timer_);
    dialog_ = search.found;
    ran_ = true;
    action_(dialog_);
    started_ = GetTickCount();
    timer_ = SetTimer(nullptr, 0, kTickMs, &OnTick);
}

std::string WindowText(HWND window) {
    char text[512] = "";
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

std::string ItemText(HWND dialog, int id) {
    return WindowText(GetDlgItem(dialog, id));
}

void Click(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

}  // namespace test
