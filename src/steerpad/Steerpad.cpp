// The library's entry point and its one export, StartPanning.
#include <windows.h>

#include <type_traits>

#include "common/Dpi.h"
#include "common/Names.h"
#include "steerpad/PanningSession.h"

#ifndef _WIN64
static_assert(sizeof(BITMAP) == 24, "BITMAP keeps its 32-bit size");
static_assert(sizeof(SCROLLINFO) == 28, "SCROLLINFO keeps its 32-bit size");
#endif
static_assert(sizeof(POINT) == 8, "a step is two signed 32-bit values");

// Nothing in it needs code to run while the library loads.
PanningLibrary g_library = {nullptr, 0, 0, 0, nullptr, nullptr};

// Only remembers the library's instance: the loader lock is held here, and no
// window, hook or class may be touched under it. A session ends before its
// host lets the library go (the end message tells the host when).
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_library.instance = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

void RegisterProtocolMessages() {
    // Both sides of the protocol register the same names.
    if (g_library.updateMessage) return;
    g_library.updateMessage = RegisterWindowMessageA(names::kOriginUpdateMessage);
    g_library.endMessage = RegisterWindowMessageA(names::kOriginEndMessage);
}

// Starts a panning session for owner, a window of the calling thread, at the
// press point (x, y) in its client coordinates. Always returns 0.
extern "C" int WINAPI StartPanning(HWND owner, BOOL horizontal, BOOL vertical, int x, int y);
static_assert(std::is_same<decltype(&StartPanning), names::StartPanningFunction>::value,
              "the export has the type its host calls it by");

extern "C" int WINAPI StartPanning(HWND owner, BOOL horizontal, BOOL vertical, int x, int y) {
    RegisterProtocolMessages();
    // One session at a time: a session still running is ended first, so that its
    // owner hears of its end and lets go of its hold on the library.
    if (g_library.running) EndPanning(g_library.running);

    // The mark and the cursors at the scale of the monitor the owner is on.
    const int enlargement = dpi::WholeFactor(static_cast<int>(dpi::ForWindow(owner)));
    PanningSession* session = new PanningSession(horizontal != 0, vertical != 0, x, y, enlargement);
    if (!session) return 0;
    if (!CreateOriginWindow(session, owner)) delete session;
    return 0;
}
