#include "support/DialogSupport.h"

#include <gtest/gtest.h>

#include <map>

namespace test {

namespace {

constexpr UINT kTickMs = 20;
constexpr DWORD kWaitMs = 5000;
std::map<UINT_PTR, DialogProbe*> g_probes;

}  // namespace

DialogProbe::DialogProbe(HWND owner, std::function<void(HWND)> action)
    : owner_(owner), action_(std::move(action)), timer_(SetTimer(nullptr, 0, kTickMs, &OnTick)), started_(GetTickCount()) {
    g_probes[timer_] = this;
}

DialogProbe::~DialogProbe() {
    KillTimer(nullptr, timer_);
    g_probes.erase(timer_);
}

void CALLBACK DialogProbe::OnTick(HWND, UINT, UINT_PTR timer, DWORD) {
    if (g_probes.count(timer)) g_probes[timer]->Tick();
}

void DialogProbe::Tick() {
    if (acting_) return;  // the action runs nested modal loops
    if (!ran_) {
        HWND found = nullptr;
        while ((found = FindWindowExA(nullptr, found, "#32770", nullptr)) &&
               (GetWindow(found, GW_OWNER) != owner_ || !IsWindowVisible(found))) {
        }
        if (!found) return;
        dialog_ = found;
        ran_ = acting_ = true;
        action_(dialog_);
        acting_ = false;
        started_ = GetTickCount();
    } else if (!IsWindowVisible(dialog_)) {
        // A dialog ended with EndDialog goes only when its loop takes one more message.
        PostMessageA(dialog_, WM_NULL, 0, 0);
    } else if (GetTickCount() - started_ > kWaitMs) {
        leftOpen_ = true;
        EndDialog(dialog_, 0);
    }
}

void RunDialogFrom(HWND window, UINT message, WPARAM carrier, std::function<void(HWND)> action) {
    DialogProbe probe(window, std::move(action));
    SendMessageA(window, message, carrier, 0);
    EXPECT_TRUE(probe.Ran());
    EXPECT_FALSE(probe.LeftOpen());
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
