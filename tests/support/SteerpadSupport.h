// Helpers of the panning library's tests: a window of this thread that hosts
// panning sessions the way the program does, and a look into a loaded module's
// imports.
#pragma once

#include <windows.h>

#include "common/Names.h"

#include <string>
#include <vector>

namespace test {

// The library as the program loads it: by name, from the current folder.
using names::kPanningLibrary;
using names::kOriginWindowClass;

// The two registered messages of the panning protocol.
UINT PanningUpdateMessage();
UINT PanningEndMessage();

// A top-level window of this thread that starts panning sessions and answers
// the library's messages like the program: each start loads the library, each
// end message frees it once.
class PanningOwner {
public:
    // takesSteps: the answer to each step, 1 (the owner moves its view itself)
    // or 0 (the library moves the owner's scroll bars). The window is 400 x 300
    // at (200, 150) on the screen, shown without being activated; extraStyle
    // adds e.g. WS_HSCROLL | WS_VSCROLL.
    explicit PanningOwner(bool takesSteps, DWORD extraStyle = 0);
    ~PanningOwner();
    PanningOwner(const PanningOwner&) = delete;
    PanningOwner& operator=(const PanningOwner&) = delete;

    HWND window() const { return window_; }
    // Makes the owner the active window with the keyboard focus.
    void Activate() const;
    // Loads the library and calls StartPanning(owner, horizontal, vertical, x, y)
    // with a point in client coordinates; false when the export was not reached.
    bool Start(int x, int y, BOOL horizontal = TRUE, BOOL vertical = TRUE);
    // The screen point of a client point of the owner.
    POINT ToScreen(int x, int y) const;
    // Puts the mouse at a client point of the owner.
    void MoveMouseTo(int x, int y) const;
    // Pumps until the count of steps or ends reaches n; false on a time-out.
    bool WaitForSteps(size_t n, DWORD ms = 3000) const;
    bool WaitForEnds(int n, DWORD ms = 3000) const;

    bool takesSteps;
    int startResult = -1;
    std::vector<POINT> steps;    // every step received, in order
    std::vector<LRESULT> answers;
    int ends = 0;                // end messages received
    int keys = 0;                // WM_KEYDOWN received
    int wheels = 0;              // WM_MOUSEWHEEL received
    int loads = 0;               // library loads by Start

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    HMODULE library_ = nullptr;
};

// The origin window of the running session, if any.
HWND FindOriginWindow();

// The names of the DLLs that a loaded module imports.
std::vector<std::string> ImportedModules(HMODULE module);
// Points a loaded module's import of a function (by name, from any DLL) at a
// replacement; returns the function it called before, or null when the module
// does not import it.
void* ReplaceImport(HMODULE module, const char* function, void* replacement);

}  // namespace test
