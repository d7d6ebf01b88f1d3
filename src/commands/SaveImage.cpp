// Saving a picture: the screen repainted where the Save As dialog lay, and the
// picture written as a bitmap file in the display's depth, or as PNG.
#include "commands/SaveImage.h"

#include <stddef.h>
#include <string.h>

#include "commands/DibFile.h"
#include "commands/PngFile.h"
#include "commands/SafeFile.h"
#include "common/Handles.h"
#include "resources/resource.h"
#include "text/ResString.h"

static_assert(sizeof(BITMAPFILEHEADER) == kFileHeaderSize, "the file header is written as it lies in memory");
static_assert(sizeof(BITMAPINFOHEADER) == kInfoHeaderSize, "the info header is written as it lies in memory");
#ifndef _WIN64
static_assert(sizeof(BITMAP) == 24, "BITMAP keeps its 32-bit size");
#endif

namespace {

// How often the wait for other windows looks for paints of our own.
constexpr DWORD kRepaintPollMs = 10;

// An info header with room for the largest colour table.
struct InfoWithTable {
    BITMAPINFOHEADER header;
    RGBQUAD colours[kMaxColourTableEntries];
};

}  // namespace

// Lets the screen lose the closed dialog where it lay over the magnified area.
// Our own window is repainted there at once. Other windows repaint in their own
// time: under Wine each program puts its window back on the screen only when its
// thread gets to it (ours too, the next time it waits for messages); on Windows
// their paints, or the next composition of the desktop, come a moment later.
// So they get a short bounded wait, in which this thread paints whatever else
// it has to and handles nothing else, so that no command runs inside the save.
void RepaintWhereDialogLay(HWND window, RECT dialogArea, const RECT& source) {
    if (IsRectEmpty(&dialogArea)) dialogArea = source;  // not known: assume it covered everything
    RECT covered;
    if (!IntersectRect(&covered, &dialogArea, &source)) return;
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&covered), 2);
    RedrawWindow(window, &covered, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kDialogRepaintWaitMs) {
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT)) {
            DispatchMessageA(&message);
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, kRepaintPollMs, QS_PAINT);
        }
    }
}

int ShowErrorBox(HWND owner, UINT textId, UINT style) {
    ResString text(textId);
    ResString caption(IDS_APP_TITLE);
    return MessageBoxA(owner, text.Text(), caption.Text(), style);
}

HGLOBAL BitmapToPackedDib(HBITMAP bitmap, HPALETTE palette) {
    BITMAP description;
    if (!bitmap || GetObjectA(bitmap, sizeof(description), &description) != sizeof(description)) return nullptr;
    if (!palette) palette = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    WindowDC screen(nullptr);
    if (!screen) return nullptr;
    RealizedPalette realized(screen, palette);

    // The system completes the header and fills in the colour table first. The
    // table is taken at the size the header then gives, the same size the file
    // is written with, so that table and rows never overlap.
    InfoWithTable info = {};
    info.header = DibHeaderFor(description);
    BITMAPINFO* asInfo = reinterpret_cast<BITMAPINFO*>(&info);
    if (!GetDIBits(screen, bitmap, 0, info.header.biHeight, nullptr, asInfo, DIB_RGB_COLORS)) return nullptr;
    if (!IsWritableDib(info.header)) return nullptr;
    info.header.biSizeImage = DibImageSize(info.header);
    const BITMAPINFOHEADER header = info.header;
    const DWORD tableSize = DibColourTableSize(header);

    // Zeroed, so that the padding of each row carries no stray memory into the file.
    GlobalMemory packed(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, kInfoHeaderSize + tableSize + header.biSizeImage));
    GlobalLockGuard lock(packed.get());
    if (!lock.bytes()) return nullptr;
    BYTE* rows = lock.bytes() + kInfoHeaderSize + tableSize;
    if (GetDIBits(screen, bitmap, 0, header.biHeight, rows, asInfo, DIB_RGB_COLORS) != header.biHeight) return nullptr;
    memcpy(lock.bytes(), &header, kInfoHeaderSize);
    memcpy(lock.bytes() + kInfoHeaderSize, info.colours, tableSize);
    return packed.release();
}

bool WritePackedDibFile(const char* path, HGLOBAL packedImage) {
    if (!packedImage) return false;
    GlobalLockGuard lock(packedImage);
    if (!lock.bytes() || GlobalSize(packedImage) < kInfoHeaderSize) return false;
    BITMAPINFOHEADER* header = reinterpret_cast<BITMAPINFOHEADER*>(lock.bytes());
    if (!IsWritableDib(*header)) return false;
    header->biSizeImage = DibImageSize(*header);
    const BITMAPFILEHEADER file = DibFileHeader(*header);
    const DWORD imageLength = file.bfSize - kFileHeaderSize;
    if (GlobalSize(packedImage) < imageLength) return false;
    const FilePart parts[] = {{&file, kFileHeaderSize}, {lock.bytes(), imageLength}};
    return WriteFileReplacing(path, parts, 2);
}

bool CopyFolderPart(const char* path, char* destination, size_t size) {
    size_t length = 0;
    for (const char* c = path; *c; c = CharNextA(c)) {
        if (*c == '\\' || *c == '/') length = static_cast<size_t>(c - path) + 1;
    }
    if (length >= size) return false;
    memcpy(destination, path, length);
    destination[length] = '\0';
    return true;
}

void ReplaceChar(char* text, char from, char to) {
    const size_t length = strlen(text);
    for (size_t i = 0; i < length; ++i) {
        if (text[i] == from) text[i] = to;
    }
}

bool BuildFilterList(const char* first, const char* second, char* list, size_t size) {
    const char* const texts[] = {first, second};
    size_t used = 0;
    for (const char* text : texts) {
        if (!text) continue;
        size_t length = strlen(text);
        while (length > 0 && text[length - 1] == '|') --length;
        if (length == 0) continue;
        // Room for the text, its bar, the closing bar and the terminator.
        if (used + length + 3 > size) return false;
        memcpy(list + used, text, length);
        used += length;
        list[used++] = '|';
    }
    if (used == 0) return false;
    list[used++] = '|';
    list[used] = '\0';
    ReplaceChar(list, '|', '\0');
    return true;
}

void WriteImageFile(HWND owner, const char* path, HBITMAP bitmap, HPALETTE palette) {
    GlobalMemory packed(BitmapToPackedDib(bitmap, palette));
    if (!packed) {
        ShowErrorBox(owner, IDS_CAPTURE_FAILED, MB_ICONERROR);
        return;
    }
    const bool written =
        HasPngExtension(path) ? WritePngFile(path, packed.get()) : WritePackedDibFile(path, packed.get());
    if (!written) ShowErrorBox(owner, IDS_WRITE_FAILED, MB_ICONERROR);
}
