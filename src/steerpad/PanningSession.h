// The panning library's one session at a time: the session object, the origin
// window that shows the mark and holds the mouse, and the steering on each tick.
#pragma once

#include <windows.h>

// The window class of the origin window.
extern const char kOriginWindowClass[];
// The origin window's steering timer.
constexpr UINT_PTR kSteeringTimerId = 999;
constexpr UINT kSteeringIntervalMs = 25;

// State shared by everything in this load of the library.
struct PanningLibrary {
    HINSTANCE instance;
    UINT updateMessage;  // "qf_OriginWindowUpdate": a step, sent to the owner each tick
    UINT endMessage;     // "qf_OriginWindowEnd": posted to the owner once a session has ended
    ATOM classAtom;      // 0 until this load has registered the origin window's class
    struct PanningSession* running;  // the session whose origin window exists, if any
    HHOOK hook;          // the running session's thread hook
};

extern PanningLibrary g_library;

// One session, from the middle-button press to its end. Allocated by
// StartPanning; owned by its origin window from the window's creation on, and
// freed when that window is gone.
struct PanningSession {
    PanningSession(bool allowHorizontal, bool allowVertical, int x, int y);
    ~PanningSession();
    PanningSession(const PanningSession&) = delete;
    PanningSession& operator=(const PanningSession&) = delete;
    // From the process heap, null when there is no memory: the library needs
    // nothing of the C++ runtime's allocator and its exceptions.
    static void* operator new(size_t size) noexcept;
    static void operator delete(void* memory) noexcept;

    HBITMAP markBitmap;   // owned; NULL when neither direction may move
    int markWidth;
    int markHeight;
    BOOL vertical;        // panning along y allowed
    BOOL horizontal;      // panning along x allowed
    int originX;          // the press point, owner client coordinates
    int originY;
    int offsetX;          // mouse offset from the origin that counts for steering
    int offsetY;
    int deadZoneLeft;     // the mark's rectangle around the origin
    int deadZoneTop;
    int deadZoneRight;
    int deadZoneBottom;
    int lastCursorX;      // mouse position (owner client) last seen by the steering
    int lastCursorY;
    const WORD* cursorTable;
    BOOL moved;           // the owner's scroll bars have moved: the middle-button release ends
    HWND originWindow;
    HWND owner;
    HCURSOR savedCursor;  // current when the session began; restored at its end
    // The session has begun to end: the capture lost while the origin window
    // is destroyed must not end it a second time.
    BOOL ending;
    // The library is being unloaded under this session: the host has already
    // let go of it, so no end message is posted.
    BOOL silent;
};

// Shows the mark, captures the mouse, starts the timer and the hook. NULL when
// the window cannot be created; nothing else is set up then.
HWND CreateOriginWindow(PanningSession* session, HWND owner);
LRESULT CALLBACK OriginWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK PanningHookProc(int code, WPARAM wParam, LPARAM lParam);
// Destroys the origin window, which frees the session and tells the owner.
void EndPanning(PanningSession* session);

// The direction cursor for a mouse position in owner client coordinates; NULL
// when the position has not changed since the last call.
HCURSOR ChooseDirectionCursor(PanningSession* session, int x, int y);
// One tick of the steering timer: the cursor, the step, and the owner's move.
void Steer(PanningSession* session);

// Ends a session left running when the library is unloaded, and forgets the
// window class, so that no window or hook points into unloaded code.
void ShutDownPanning();
