// Helpers of the dialog tests: a probe that catches a modal dialog from inside
// its own modal loop and drives it, and small readers of dialog controls.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace test {

// Waits on a thread timer for a visible dialog of this thread owned by owner,
// then runs the action on it once. Probes nest: an action may set up another
// probe for a message box or colour dialog that its clicks open. A dialog that
// is still open 5 s after the action is ended, and the probe says so.
class DialogProbe {
public:
    DialogProbe(HWND owner, std::function<void(HWND dialog)> action);
    ~DialogProbe();
    DialogProbe(const DialogProbe&) = delete;
    DialogProbe& operator=(const DialogProbe&) = delete;

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
    bool leftOpen_ = false;
};

std::string WindowText(HWND window);
std::string ItemText(HWND dialog, int id);
// Clicks a button as the mouse would, through BM_CLICK.
void Click(HWND dialog, int id);

}  // namespace test
