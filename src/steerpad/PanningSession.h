// The panning library's one session at a time: the session object, the origin
// window that shows the mark and holds the mouse, and the steering on each tick.
#pragma once

#include <windows.h>

#include "common/Handles.h"
#include "steerpad/SteerpadResource.h"

// The origin window's steering timer.
constexpr UINT_PTR kSteeringTimerId = 999;
constexpr UINT kSteeringIntervalMs = 25;

// State shared by everything in this load of the library. Nothing here is made
// while the library is loaded or unloaded: the system's loader lock is held
// then, and window work must not run under it.
struct PanningLibrary {
    HINSTANCE instance;
    UINT updateMessage;  // "qf_OriginWindowUpdate": a step, sent to the owner each tick; 0 until the first session
    UINT endMessage;     // "qf_OriginWindowEnd": posted to the owner once a session has ended
    ATOM classAtom;      // 0 while the origin window's class is not registered
    struct PanningSession* running;  // the session whose origin window exists, if any
    HHOOK hook;          // the running session's thread hook
};

extern PanningLibrary g_library;

// The eleven direction cursors, IDC_PAN_WEST to IDC_PAN_EAST, drawn 32 x 32.
constexpr int kDirectionCursorCount = IDC_PAN_EAST - IDC_PAN_WEST + 1;
constexpr int kCursorArtSize = 32;

// One session, from the middle-button press to its end. Allocated by
// StartPanning; owned by its origin window from the window's creation on, and
// freed when that window is gone.
struct PanningSession {
    // enlargement: the whole factor by which the mark and the cursors are
    // enlarged for the owner's monitor (1 at 100 %).
    PanningSession(bool allowHorizontal, bool allowVertical, int x, int y, int enlargement = 1);
    ~PanningSession();
    PanningSession(const PanningSession&) = delete;
    PanningSession& operator=(const PanningSession&) = delete;
    // From the process heap, null when there is no memory: the library needs
    // nothing of the C++ runtime's allocator and its exceptions.
    static void* operator new(size_t size) noexcept;
    static void operator delete(void* memory) noexcept;

    Bitmap markBitmap;    // NULL when neither direction may move
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
    // Each pixel of the mark and the cursors becomes a block of this many
    // pixels square; 1 shows the library's own resources as they are.
    int enlargement;
    // The enlarged direction cursors, made when first shown and destroyed with
    // the session, after the saved cursor is current again. Empty at 1.
    OwnedCursor directionCursors[kDirectionCursorCount];
};

// Shows the mark, captures the mouse, starts the timer and the hook. NULL when
// the window cannot be created; nothing else is set up then.
HWND CreateOriginWindow(PanningSession* session, HWND owner);
LRESULT CALLBACK OriginWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK PanningHookProc(int code, WPARAM wParam, LPARAM lParam);
// Registers the two messages of the protocol, the first time a session starts.
void RegisterProtocolMessages();
// Destroys the origin window, which frees the session and tells the owner; then
// forgets the window class, so that nothing of this load is left registered
// when the owner unloads the library.
void EndPanning(PanningSession* session);

// The direction cursor of a resource id for the session: the library's own at
// an enlargement of 1, else the session's enlarged copy (the library's own when
// no copy can be made).
HCURSOR DirectionCursor(PanningSession* session, WORD id);
// The direction cursor for a mouse position in owner client coordinates; NULL
// when the position has not changed since the last call.
HCURSOR ChooseDirectionCursor(PanningSession* session, int x, int y);
// One tick of the steering timer: the cursor, the step, and the owner's move.
void Steer(PanningSession* session);
