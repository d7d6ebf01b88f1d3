// The session object and what happens on each tick of the steering timer.
#include "steerpad/PanningSession.h"

#include "common/PixelArt.h"
#include "steerpad/Steering.h"

PanningSession::PanningSession(bool allowHorizontal, bool allowVertical, int x, int y, int enlargementFactor)
    : markWidth(0),
      markHeight(0),
      vertical(allowVertical ? TRUE : FALSE),
      horizontal(allowHorizontal ? TRUE : FALSE),
      originX(x),
      originY(y),
      offsetX(0),
      offsetY(0),
      deadZoneLeft(0),
      deadZoneTop(0),
      deadZoneRight(0),
      deadZoneBottom(0),
      lastCursorX(0),
      lastCursorY(0),
      cursorTable(steering::CursorTableFor(allowHorizontal, allowVertical)),
      moved(FALSE),
      originWindow(nullptr),
      owner(nullptr),
      savedCursor(nullptr),
      ending(FALSE),
      enlargement(enlargementFactor > 1 ? enlargementFactor : 1) {
    WORD markId = steering::MarkBitmapFor(allowHorizontal, allowVertical);
    if (markId) markBitmap.reset(LoadBitmapA(g_library.instance, MAKEINTRESOURCEA(markId)));
    // Its size, the window's and the dead zone's follow from the bitmap.
    if (markBitmap && enlargement > 1) markBitmap.reset(pixelart::Enlarge(markBitmap, enlargement));
    BITMAP size;
    if (markBitmap && GetObjectA(markBitmap, sizeof(size), &size)) {
        markWidth = size.bmWidth;
        markHeight = size.bmHeight;
    }
}

PanningSession::~PanningSession() = default;

void* PanningSession::operator new(size_t size) noexcept {
    return HeapAlloc(GetProcessHeap(), 0, size);
}

void PanningSession::operator delete(void* memory) noexcept {
    if (memory) HeapFree(GetProcessHeap(), 0, memory);
}

HCURSOR ChooseDirectionCursor(PanningSession* session, int x, int y) {
    if (x == session->lastCursorX && y == session->lastCursorY) return nullptr;
    session->lastCursorX = x;
    session->lastCursorY = y;
    session->offsetX = steering::AxisOffset(session->horizontal != FALSE, x, session->originX, session->deadZoneLeft,
                                            session->deadZoneRight);
    session->offsetY = steering::AxisOffset(session->vertical != FALSE, y, session->originY, session->deadZoneTop,
                                            session->deadZoneBottom);
    WORD id = steering::DirectionCursorId(session->cursorTable, session->offsetX, session->offsetY);
    return DirectionCursor(session, id);
}

HCURSOR DirectionCursor(PanningSession* session, WORD id) {
    if (session->enlargement > 1 && id >= IDC_PAN_WEST && id <= IDC_PAN_EAST) {
        OwnedCursor& enlarged = session->directionCursors[id - IDC_PAN_WEST];
        if (!enlarged) {
            // Enlarged from the art as drawn: LoadCursor may hand out a copy the
            // system has already stretched to its own scale.
            OwnedCursor art(static_cast<HCURSOR>(LoadImageA(g_library.instance, MAKEINTRESOURCEA(id), IMAGE_CURSOR,
                                                             kCursorArtSize, kCursorArtSize, LR_DEFAULTCOLOR)));
            if (art) enlarged.reset(pixelart::EnlargeCursor(art, session->enlargement));
        }
        if (enlarged) return enlarged;
    }
    return LoadCursorA(g_library.instance, MAKEINTRESOURCEA(id));
}

namespace {

// Where one of the owner's standard scroll bars is and how far it may go.
struct ScrollBarReach {
    int position;
    int largest;
};

ScrollBarReach ReadScrollBar(HWND owner, int bar) {
    int minimum = 0;
    int maximum = 0;
    GetScrollRange(owner, bar, &minimum, &maximum);
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_PAGE | SIF_POS;
    bool known = GetScrollInfo(owner, bar, &info) != FALSE;
    ScrollBarReach reach;
    // A window without this scroll bar has the range maximum 0: taking its
    // position as 0 keeps that axis still.
    reach.position = known ? info.nPos : 0;
    reach.largest = steering::LargestScrollPosition(maximum, known, info.nPage);
    return reach;
}

// For an owner that does not move its view itself: move its scroll bars by the
// step and scroll its client area by the same number of pixels.
void ScrollOwner(PanningSession* session, POINT step) {
    HWND owner = session->owner;
    ScrollBarReach horizontal = ReadScrollBar(owner, SB_HORZ);
    ScrollBarReach vertical = ReadScrollBar(owner, SB_VERT);
    int newX = steering::NextScrollPosition(horizontal.position, step.x, horizontal.largest);
    int newY = steering::NextScrollPosition(vertical.position, step.y, vertical.largest);
    if (newX == horizontal.position && newY == vertical.position) return;

    // From now on the release of the middle button ends the session.
    session->moved = TRUE;
    if (newY != vertical.position) SetScrollPos(owner, SB_VERT, newY, FALSE);
    if (newX != horizontal.position) SetScrollPos(owner, SB_HORZ, newX, FALSE);
    ScrollWindow(owner, horizontal.position - newX, vertical.position - newY, nullptr, nullptr);
    UpdateWindow(owner);
}

}  // namespace

void Steer(PanningSession* session) {
    POINT mouse;
    if (GetCursorPos(&mouse) && ScreenToClient(session->owner, &mouse)) {
        HCURSOR cursor = ChooseDirectionCursor(session, mouse.x, mouse.y);
        if (cursor) SetCursor(cursor);
    }
    // Sent on every tick, also when it is 0, 0: the offsets change only when
    // the mouse moves, so a resting mouse keeps the view gliding.
    POINT step = {steering::StepFor(session->offsetX), steering::StepFor(session->offsetY)};
    if (SendMessageA(session->owner, g_library.updateMessage, 0, reinterpret_cast<LPARAM>(&step))) return;
    // The owner may have ended the session while it handled the step; the
    // session is then gone.
    if (g_library.running != session || session->ending) return;
    ScrollOwner(session, step);
}
