// Copies of the screen: the picture is taken afresh from the screen at the
// moment of the command, so it carries neither the grid nor the cursor image
// that the view draws on top.
#include "commands/Capture.h"

#include <string.h>

#include <utility>

#include "common/Handles.h"
#include "text/ColourText.h"
#include "text/Strings.h"
#include "view/CaptureGeometry.h"

namespace {

// The clipboard held open for the lifetime of the object.
class ClipboardSession {
public:
    explicit ClipboardSession(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~ClipboardSession() {
        if (open_) CloseClipboard();
    }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;

    // Empties the clipboard and gives it the data; true when it took the data.
    bool HandOver(UINT format, HANDLE data) {
        return open_ && EmptyClipboard() && SetClipboardData(format, data) != nullptr;
    }
    bool Close() {
        open_ = false;
        return CloseClipboard() != FALSE;
    }

private:
    bool open_;
};

// The colour of the screen pixel under the mouse, read now. The hot key serves
// other programs in front of a window that may be minimised, where the status
// bar's sample is not refreshed.
COLORREF ColourUnderMouse() {
    POINT cursor = {0, 0};
    GetCursorPos(&cursor);
    WindowDC screen(nullptr);
    return GetPixel(screen, cursor.x, cursor.y);
}

}  // namespace

bool PutBitmapOnClipboard(HWND owner, Bitmap bitmap) {
    bool copied = false;
    if (bitmap) {
        ClipboardSession clipboard(owner);
        if (clipboard.HandOver(CF_BITMAP, bitmap.get())) {
            bitmap.release();  // the clipboard's now
            copied = clipboard.Close();
        }
    }
    if (!copied) MessageBeep(0);
    return copied;
}

bool PutTextOnClipboard(HWND owner, const char* text) {
    const size_t size = strlen(text) + 1;
    GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, size));
    {
        GlobalLockGuard lock(memory.get());
        if (!lock.bytes()) return false;
        memcpy(lock.bytes(), text, size);
    }
    ClipboardSession clipboard(owner);
    if (!clipboard.HandOver(CF_TEXT, memory.get())) return false;
    memory.release();
    return clipboard.Close();
}

Bitmap CaptureScreenArea(const CaptureArea& area) {
    if (!HasPixels(area)) return Bitmap();

    WindowDC screen(nullptr);
    if (!screen) return Bitmap();
    Bitmap bitmap(CreateCompatibleBitmap(screen, area.destination.cx, area.destination.cy));
    if (!bitmap) return Bitmap();
    MemoryDC memory(screen);
    if (!memory) return Bitmap();
    bool copied;
    {
        SelectionGuard selection(memory, bitmap);
        SetStretchBltMode(memory, COLORONCOLOR);
        copied = StretchBlt(memory, 0, 0, area.destination.cx, area.destination.cy, screen, area.source.left,
                            area.source.top, area.source.right - area.source.left,
                            area.source.bottom - area.source.top, SRCCOPY) != FALSE;
    }
    // A picture that was never drawn is no capture.
    return copied ? std::move(bitmap) : Bitmap();
}

bool CopyColourUnderMouse(HWND owner, ColourFormat format) {
    // "255,0,128" as RGB, "#ff0080" as hexadecimal.
    char text[kColourTextSize];
    FormatColourText(ColourUnderMouse(), ColourTemplate(format, ColourUse::Clipboard), text);
    // A clipboard held by another program leaves everything as it was, silently.
    return PutTextOnClipboard(owner, text);
}
