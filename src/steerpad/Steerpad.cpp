// The library's entry point and its one export, StartPanning.
#include <windows.h>

#include "steerpad/PanningSession.h"

#ifndef _WIN64
static_assert(sizeof(BITMAP) == 24, "BITMAP keeps its 32-bit size");
static_assert(sizeof(SCROLLINFO) == 28, "SCROLLINFO keeps its 32-bit size");
#endif
static_assert(sizeof(POINT) == 8, "a step is two signed 32-bit values");

// Both sides of the protocol register the same names; the ids are known from
// the moment the library is loaded.
PanningLibrary g_library = {
    nullptr,
    RegisterWindowMessageA("qf_OriginWindowUpdate"),
    RegisterWindowMessageA("qf_OriginWindowEnd"),
    0,
    nullptr,
    nullptr,
};

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        g_library.instance = instance;
        break;
    case DLL_PROCESS_DETACH:
        // At process exit (reserved set) the windows go with the process; on
        // FreeLibrary the window class must go, or the next load would create
        // its window with this load's window procedure.
        if (!reserved) ShutDownPanning();
        break;
    default:
        break;
    }
    return TRUE;
}

// Starts a panning session for owner, a window of the calling thread, at the
// press point (x, y) in its client coordinates. Always returns 0.
extern "C" int WINAPI StartPanning(HWND owner, BOOL horizontal, BOOL vertical, int x, int y) {
    // One session at a time: a session still running is ended first, so that its
    // owner hears of its end and lets go of its hold on the library.
    if (g_library.running) EndPanning(g_library.running);

    PanningSession* session = new PanningSession(horizontal != 0, vertical != 0, x, y);
    if (!session) return 0;
    if (!CreateOriginWindow(session, owner)) delete session;
    return 0;
}
