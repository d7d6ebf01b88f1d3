// The origin window: the round mark at the press point. It holds the mouse
// capture and the steering timer, and it owns the session.
#include "common/Handles.h"
#include "common/Names.h"
#include "steerpad/PanningSession.h"
#include "steerpad/Steering.h"

namespace {

PanningSession* SessionOf(HWND window) {
    return reinterpret_cast<PanningSession*>(GetWindowLongPtrA(window, 0));
}

void RegisterOriginClass() {
    if (g_library.classAtom) return;
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS | CS_BYTEALIGNCLIENT;
    windowClass.lpfnWndProc = OriginWindowProc;
    // One slot for the session pointer, wide enough for a pointer on 64-bit
    // systems too.
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.hInstance = g_library.instance;
    windowClass.lpszClassName = names::kOriginWindowClass;
    // A failed registration shows as a failed creation below.
    g_library.classAtom = RegisterClassExA(&windowClass);
    if (!g_library.classAtom && GetLastError() == ERROR_CLASS_ALREADY_EXISTS) {
        // Left by a session whose window went with its owner, perhaps from an
        // earlier load at this same address: registered again, so that the
        // window procedure is this load's.
        UnregisterClassA(names::kOriginWindowClass, g_library.instance);
        g_library.classAtom = RegisterClassExA(&windowClass);
    }
}

void UnregisterOriginClass() {
    if (g_library.classAtom && UnregisterClassA(names::kOriginWindowClass, g_library.instance)) {
        g_library.classAtom = 0;
    }
}

// Keys, clicks, the wheel and the loss of focus in the owner end the session.
bool EndsSession(UINT message) {
    switch (message) {
    case WM_KILLFOCUS:
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        return true;
    default:
        return false;
    }
}

void PaintMark(HWND window, const PanningSession& session) {
    PaintScope dc(window);
    if (!dc || !session.markBitmap) return;
    MemoryDC memory(dc);
    if (!memory) return;
    SelectionGuard mark(memory, session.markBitmap);
    BitBlt(dc, 0, 0, session.markWidth, session.markHeight, memory, 0, 0, SRCCOPY);
}

void OnDestroy() {
    if (g_library.hook) UnhookWindowsHookEx(g_library.hook);
    g_library.hook = nullptr;
}

// The last message of the origin window, however it was destroyed: the session
// ends here, exactly once, and its owner is told.
void OnNcDestroy(HWND window, PanningSession* session) {
    SetWindowLongPtrA(window, 0, 0);
    if (g_library.running == session) g_library.running = nullptr;
    SetCursor(session->savedCursor);
    HWND owner = session->owner;
    delete session;
    PostMessageA(owner, g_library.endMessage, 0, 0);
}

}  // namespace

HWND CreateOriginWindow(PanningSession* session, HWND owner) {
    session->owner = owner;
    session->savedCursor = GetCursor();
    POINT press = {session->originX, session->originY};
    ClientToScreen(owner, &press);

    RegisterOriginClass();
    int width = session->markWidth;
    int height = session->markHeight;
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, names::kOriginWindowClass, nullptr, WS_POPUP | WS_CLIPSIBLINGS,
                                  press.x - width / 2, press.y - height / 2, width, height, owner, nullptr,
                                  g_library.instance, session);
    if (!window) return nullptr;
    // From here on the window owns the session.
    session->originWindow = window;

    // Above all windows, without taking the activation: the owner keeps the keys.
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    steering::DeadZone zone = steering::DeadZoneAround(session->originX, session->originY, width, height);
    session->deadZoneLeft = zone.left;
    session->deadZoneTop = zone.top;
    session->deadZoneRight = zone.right;
    session->deadZoneBottom = zone.bottom;

    // Round: the system owns the region once it is the window's.
    Region round(CreateEllipticRgn(0, 0, width + 1, height + 1));
    if (round && SetWindowRgn(window, round, TRUE)) round.release();

    SetCapture(window);
    SetTimer(window, kSteeringTimerId, kSteeringIntervalMs, nullptr);
    g_library.running = session;
    g_library.hook = SetWindowsHookExA(WH_GETMESSAGE, PanningHookProc, nullptr, GetCurrentThreadId());
    return window;
}

LRESULT CALLBACK OriginWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const CREATESTRUCTA* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        return TRUE;
    }
    PanningSession* session = SessionOf(window);
    // Until CreateWindowExA has returned, the session still belongs to
    // StartPanning: a creation that fails after WM_NCCREATE frees it there.
    if (!session || session->originWindow != window) {
        if (message == WM_NCDESTROY) SetWindowLongPtrA(window, 0, 0);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_PAINT:
        PaintMark(window, *session);
        return 0;
    case WM_TIMER:
        Steer(session);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    // A press soon after the one that started the session comes as a double click.
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        EndPanning(session);
        return 0;
    case WM_MBUTTONUP:
        // A press and release leaves the mark in place, unless the view was
        // moved through the scroll bars while the button was held.
        if (session->moved) EndPanning(session);
        return 0;
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED:
    // The wheel goes to the window that holds the capture on some systems, and
    // to the owner's focus window on others (the hook sees that one).
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        EndPanning(session);
        return 0;
    case WM_ACTIVATEAPP:
        // Another program became the active one, usually by a click that went
        // to it, not to this window: the session must not go on steering
        // behind it. The owner's loss of focus is sent, not queued, so the
        // hook never sees it.
        if (!wParam) EndPanning(session);
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_NCDESTROY:
        OnNcDestroy(window, session);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK PanningHookProc(int code, WPARAM wParam, LPARAM lParam) {
    // Read before a session's end unhooks and clears it.
    HHOOK hook = g_library.hook;
    PanningSession* session = g_library.running;
    if (code >= 0 && session) {
        const MSG* message = reinterpret_cast<const MSG*>(lParam);
        if (message->hwnd == session->owner && EndsSession(message->message)) EndPanning(session);
    }
    // Never swallowed: the owner still handles the key, click or wheel turn.
    return CallNextHookEx(hook, code, wParam, lParam);
}

void EndPanning(PanningSession* session) {
    // Destroying the window that holds the capture makes it lose the capture,
    // which would end the session once more.
    if (session->ending) return;
    session->ending = TRUE;
    // The window's last message frees the session and tells the owner.
    DestroyWindow(session->originWindow);
    UnregisterOriginClass();
}
