// Save: the system's Save As dialog with our "Save Zoomed Image" check box, a
// capture taken once the dialog has closed, and the picture written as a bitmap
// file in the display's depth, or as PNG.
#include "commands/SaveImage.h"

#include <commdlg.h>
#include <stddef.h>
#include <string.h>
#include <windowsx.h>

#include "app/Application.h"
#include "commands/DibFile.h"
#include "commands/Help.h"
#include "commands/PngFile.h"
#include "commands/SafeFile.h"
#include "common/Dpi.h"
#include "common/Handles.h"
#include "dialogs/DialogFit.h"
#include "mainwindow/MainWindow.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "text/ResString.h"

static_assert(sizeof(BITMAPFILEHEADER) == kFileHeaderSize, "the file header is written as it lies in memory");
static_assert(sizeof(BITMAPINFOHEADER) == kInfoHeaderSize, "the info header is written as it lies in memory");
#ifndef _WIN64
// What OPENFILENAME_SIZE_VERSION_400A measures: the record up to lpTemplateName,
// without the fields later systems added.
static_assert(offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR) == 76, "the dialog record keeps its size");
static_assert(sizeof(BITMAP) == 24, "BITMAP keeps its 32-bit size");
#endif

namespace {

constexpr DWORD kFileNameSize = 520;
constexpr size_t kFilterListSize = 256;
// Position of "PNG Files (*.png)" in the filter list, counted from 1 as the dialog does.
constexpr DWORD kPngFilterIndex = 2;

// Control 1002 shows help topic 2, then the terminating pair.
DWORD g_saveDialogHelpIds[] = {IDC_SAVE_ZOOMED_IMAGE, HELP_TOPIC_SAVE_ZOOMED, 0, 0};

// Mirrors the check box while the dialog is open; the setting takes it only
// when the user confirms the dialog.
bool g_saveZoomed = false;
// Where the dialog lay on the screen when it closed; empty until then.
RECT g_dialogArea = {0, 0, 0, 0};
// How often the wait for other windows looks for paints of our own.
constexpr DWORD kRepaintPollMs = 10;

void ShowCheckBoxHelp(HWND dialog, UINT command) {
    ShowHelp(GetDlgItem(dialog, IDC_SAVE_ZOOMED_IMAGE), command, reinterpret_cast<ULONG_PTR>(g_saveDialogHelpIds));
}

// Choosing a file type makes its extension the one a bare name gets.
void OnFileTypeChange(HWND dialog, const OPENFILENAMEA& state) {
    const char* extension = state.nFilterIndex == kPngFilterIndex ? kPngExtension + 1 : "bmp";
    SendMessageA(GetParent(dialog), CDM_SETDEFEXT, 0, reinterpret_cast<LPARAM>(extension));
}

// An info header with room for the largest colour table.
struct InfoWithTable {
    BITMAPINFOHEADER header;
    RGBQUAD colours[kMaxColourTableEntries];
};

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

}  // namespace

UINT_PTR CALLBACK SaveDialogHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        CheckDlgButton(dialog, IDC_SAVE_ZOOMED_IMAGE, g_saveZoomed ? BST_CHECKED : BST_UNCHECKED);
        FitDialogTexts(dialog, dpi::ForWindow(dialog));
        return 0;
    case WM_DESTROY:
        // Our dialog is a child of the system's one, which is what covers the screen.
        GetWindowRect(GetParent(dialog), &g_dialogArea);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_SAVE_ZOOMED_IMAGE && HIWORD(wParam) == BN_CLICKED) {
            g_saveZoomed = IsDlgButtonChecked(dialog, IDC_SAVE_ZOOMED_IMAGE) == BST_CHECKED;
        }
        return 0;
    case WM_NOTIFY: {
        const OFNOTIFYA* notice = reinterpret_cast<const OFNOTIFYA*>(lParam);
        if (notice->hdr.code == CDN_TYPECHANGE && notice->lpOFN) OnFileTypeChange(dialog, *notice->lpOFN);
        return 0;
    }
    case WM_HELP:
        if (reinterpret_cast<const HELPINFO*>(lParam)->iCtrlId == 0) return 0;
        ShowCheckBoxHelp(dialog, HELP_WM_HELP);
        return 1;
    case WM_CONTEXTMENU: {
        // Signed words: monitors left of or above the primary one have negative coordinates.
        POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (WindowFromPoint(point) != GetDlgItem(dialog, IDC_SAVE_ZOOMED_IMAGE)) return 0;
        ShowCheckBoxHelp(dialog, HELP_CONTEXTMENU);
        return 1;
    }
    default:
        return 0;
    }
}

int ShowErrorBox(UINT textId, UINT style) {
    ResString text(textId);
    ResString caption(IDS_APP_TITLE);
    return MessageBoxA(g_mainWindow.Window(), text.Text(), caption.Text(), style);
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

void MainWindow::SaveImageAs(bool useSelection) {
    ResString bitmapFilter(IDS_FILE_FILTER);
    ResString pngFilter(IDS_PNG_FILE_FILTER);
    char filter[kFilterListSize];
    const bool haveFilter = BuildFilterList(bitmapFilter.Text(), pngFilter.Text(), filter, sizeof(filter));

    char fileName[kFileNameSize] = "";
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = window;
    dialog.hInstance = g_instance;
    dialog.lpstrFilter = haveFilter ? filter : nullptr;
    dialog.nFilterIndex = 0;
    dialog.lpstrFile = fileName;
    dialog.nMaxFile = kFileNameSize;
    dialog.lpstrInitialDir = g_settings.InitialDirectory;
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE |
                   OFN_NOREADONLYRETURN | OFN_EXPLORER | OFN_ENABLESIZING;
    dialog.lpstrDefExt = "bmp";
    dialog.lCustData = 0;
    dialog.lpfnHook = SaveDialogHook;
    dialog.lpTemplateName = MAKEINTRESOURCEA(IDD_SAVE_TEMPLATE);

    g_saveZoomed = g_settings.SaveZoomedImage != 0;
    SetRectEmpty(&g_dialogArea);
    if (!GetSaveFileNameA(&dialog)) return;
    g_settings.SaveZoomedImage = g_saveZoomed ? 1 : 0;

    // Taken now that the dialog has closed, so that the box's choice is known,
    // and once the screen has lost the dialog, so that the picture is what the
    // user sees.
    RepaintWhereDialogLay(window, g_dialogArea, SourceRect());
    Bitmap bitmap(CaptureImage(g_saveZoomed, useSelection));
    // A folder too long for the setting leaves the previous one rather than a cut-off path.
    if (CopyFolderPart(fileName, g_settings.InitialDirectory, sizeof(g_settings.InitialDirectory))) {
        g_settings.ClearFolderTail();
    }

    GlobalMemory packed(BitmapToPackedDib(bitmap, identityPalette));
    if (!packed) {
        ShowErrorBox(IDS_CAPTURE_FAILED, MB_ICONERROR);
        return;
    }
    const bool written =
        HasPngExtension(fileName) ? WritePngFile(fileName, packed.get()) : WritePackedDibFile(fileName, packed.get());
    if (!written) ShowErrorBox(IDS_WRITE_FAILED, MB_ICONERROR);
}
