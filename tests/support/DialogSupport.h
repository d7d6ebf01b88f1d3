// Helpers of the dialog tests: a probe that catches a modal dialog from inside
// its own modal loop and drives it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace test {

// Waits on a thread timer for a visible dialog owned by owner and runs the
// action on it once. Probes nest: an action may set up another probe for the
// message box or colour dialog its clicks open. A dialog still open 5 s after
// the action is ended, and the probe says so.
class DialogProbe {
public:
    DialogProbe(HWND owner, std::function<void(HWND dialog)> action);
    ~DialogProbe();
    bool Ran() const { return ran_; }
    bool LeftOpen() const { return leftOpen_; }

private:
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR timer, DWORD);
    void Tick();

    HWND owner_;
    std::function<void(HWND)> action_;
    UINT_PTR timer_;
    DWORD started_;
    HWND dialog_ = nullptr;
    bool ran_ = false;
    bool acting_ = false;
    bool leftOpen_ = false;
};

// Sends a carrier (a command or a system-menu item) to the window and runs the
// action in the dialog it opens; fails when none opened or it was left open.
void RunDialogFrom(HWND window, UINT message, WPARAM carrier, std::function<void(HWND dialog)> action);

std::string WindowText(HWND window);
std::string ItemText(HWND dialog, int id);
void Click(HWND dialog, int id);

}  // namespace test
