#include "settings/Settings.h"

#include <shlobj.h>
#include <string.h>

#include "common/Clamp.h"

const char* const kSettingsKeyPath = "Software\\Quillfern\\Ocularix\\1";


Settings::Settings(HKEY root, const char* path) : root_(root), path_(path), key_(nullptr) {
    BuildTable();
    LoadSettings();
}

Settings::~Settings() {
    CloseSettings();
}

void Settings::Add(Setting value, const char* name, DWORD size, void* field, DWORD type) {
    table_[static_cast<int>(value)] = SettingsEntry{name, size, field, type, 0};
}

void Settings::BuildTable() {
    Add(Setting::Transparent, "Transparent", sizeof(Transparent), &Transparent, REG_BINARY);
    Add(Setting::InitialDirectory, "InitialDirectory", sizeof(InitialDirectory), InitialDirectory, REG_SZ);
    Add(Setting::WindowPos, "WindowPos", sizeof(WindowPos), &WindowPos, REG_BINARY);
    Add(Setting::AlwaysOnTop, "AlwaysOnTop", sizeof(AlwaysOnTop), &AlwaysOnTop, REG_BINARY);
    Add(Setting::HelpFileTime, "HelpFileTime", sizeof(HelpFileTime), &HelpFileTime, REG_BINARY);
    Add(Setting::Update, "Update", sizeof(Update), &Update, REG_DWORD);
    Add(Setting::ZoomFactor, "ZoomFactor", sizeof(ZoomFactor), &ZoomFactor, REG_DWORD);
    Add(Setting::ZoomPoint, "ZoomPoint", sizeof(ZoomPoint), &ZoomPoint, REG_BINARY);
    Add(Setting::Emailed, "Emailed", sizeof(Emailed), &Emailed, REG_DWORD);
    Add(Setting::SaveZoomedImage, "SaveZoomedImage", sizeof(SaveZoomedImage), &SaveZoomedImage, REG_BINARY);
    Add(Setting::Update1, "Update1", sizeof(Update1), &Update1, REG_DWORD);
    Add(Setting::Update2, "Update2", sizeof(Update2), &Update2, REG_DWORD);
    Add(Setting::Update3, "Update3", sizeof(Update3), &Update3, REG_DWORD);
    Add(Setting::MouseTracking, "MouseTracking", sizeof(MouseTracking), &MouseTracking, REG_BINARY);
    Add(Setting::DisplayToolbar, "DisplayToolbar", sizeof(DisplayToolbar), &DisplayToolbar, REG_BINARY);
    Add(Setting::Visited, "Visited", sizeof(Visited), &Visited, REG_BINARY);
    Add(Setting::DisplayStatusbar, "DisplayStatusbar", sizeof(DisplayStatusbar), &DisplayStatusbar, REG_BINARY);
    Add(Setting::DisplayMouseWhenFollowing, "DisplayMouseWhenFollowing", sizeof(DisplayMouseWhenFollowing), &DisplayMouseWhenFollowing, REG_BINARY);
    Add(Setting::DisplayRGBColourPanel, "DisplayRGBColourPanel", sizeof(DisplayRGBColourPanel), &DisplayRGBColourPanel, REG_BINARY);
    Add(Setting::SingleInstance, "SingleInstance", sizeof(SingleInstance), &SingleInstance, REG_BINARY);
    Add(Setting::ShowGrid, "ShowGrid", sizeof(ShowGrid), &ShowGrid, REG_BINARY);
    Add(Setting::GridColor, "GridColor", sizeof(GridColor), &GridColor, REG_DWORD);
    Add(Setting::GridSize, "GridSize", sizeof(GridSize), &GridSize, REG_DWORD);
    Add(Setting::RelativeCoords, "RelativeCoords", sizeof(RelativeCoords), &RelativeCoords, REG_BINARY);
    Add(Setting::nTransparency, "nTransparency", sizeof(nTransparency), &nTransparency, REG_DWORD);
    Add(Setting::nSlowScrollRate, "nSlowScrollRate", sizeof(nSlowScrollRate), &nSlowScrollRate, REG_DWORD);
    Add(Setting::nFastScrollRate, "nFastScrollRate", sizeof(nFastScrollRate), &nFastScrollRate, REG_DWORD);
    Add(Setting::nHotKeyColourVK, "nHotKeyColourVK", sizeof(nHotKeyColourVK), &nHotKeyColourVK, REG_DWORD);
    Add(Setting::nHotKeyBitmapVK, "nHotKeyBitmapVK", sizeof(nHotKeyBitmapVK), &nHotKeyBitmapVK, REG_DWORD);
    Add(Setting::nHotKeyColourModifiers, "nHotKeyColourModifiers", sizeof(nHotKeyColourModifiers), &nHotKeyColourModifiers, REG_DWORD);
    Add(Setting::nHotKeyBitmapModifiers, "nHotKeyBitmapModifiers", sizeof(nHotKeyBitmapModifiers), &nHotKeyBitmapModifiers, REG_DWORD);
    Add(Setting::bUseOSCursor, "bUseOSCursor", sizeof(bUseOSCursor), &bUseOSCursor, REG_BINARY);
}

void Settings::SetDefaults() {
    AlwaysOnTop = 0;
    Update = 1;
    ZoomFactor = 3;
    WindowPos = RECT{0, 0, 0, 0};
    ZoomPoint = POINT{0, 0};
    InitialDirectory[0] = '\0';
    Emailed = 0;
    SaveZoomedImage = 0;
    Update1 = 1000;
    Update2 = 100;
    Update3 = 50;
    MouseTracking = 0;
    DisplayToolbar = 1;
    Visited = 0;
    HelpFileTime = FILETIME{0, 0};
    DisplayStatusbar = 1;
    DisplayMouseWhenFollowing = 1;
    DisplayRGBColourPanel = 1;
    SingleInstance = 0;
    ShowGrid = 0;
    GridColor = RGB(0, 0, 0);
    GridSize = 1;
    RelativeCoords = 0;
    Transparent = 0;
    nTransparency = 178;
    bUseOSCursor = 1;
    nSlowScrollRate = 1;
    nFastScrollRate = 16;
    nHotKeyColourVK = 'C';
    nHotKeyBitmapVK = 'B';
    nHotKeyColourModifiers = 3;
    nHotKeyBitmapModifiers = 3;
    for (SettingsEntry& entry : table_) entry.read = 0;
}

void Settings::LoadSettings() {
    SetDefaults();
    if (key_) {
        RegCloseKey(key_);
        key_ = nullptr;
    }
    // The key is only opened here; it is created at the first save.
    if (RegOpenKeyA(root_, path_, &key_) != ERROR_SUCCESS) {
        key_ = nullptr;
    } else {
        ReadValues(key_, table_, kSettingsCount);
        ClampToSafeRanges();
    }
    if (!WasRead(Setting::InitialDirectory)) GetDocumentsFolder(InitialDirectory);
}

void Settings::ClampToSafeRanges() {
    ZoomFactor = Clamp<int32_t>(ZoomFactor, kMinZoomFactor, kMaxZoomFactor);
    GridSize = Clamp<int32_t>(GridSize, kMinGridSize, kMaxGridSize);
    Update = Clamp<int32_t>(Update, kMinUpdateSpeed, kMaxUpdateSpeed);
    Update1 = Clamp<int32_t>(Update1, kMinUpdateInterval, kMaxUpdateInterval);
    Update2 = Clamp<int32_t>(Update2, kMinUpdateInterval, kMaxUpdateInterval);
    Update3 = Clamp<int32_t>(Update3, kMinUpdateInterval, kMaxUpdateInterval);
    // Kept in range in memory too: Shift+wheel steps from the stored value.
    nTransparency = Clamp<int32_t>(nTransparency, kFaintestOpacity, kOpaque);
    // A zero or negative step would turn the arrow keys round or still them.
    nSlowScrollRate = Clamp<int32_t>(nSlowScrollRate, kMinScrollRate, kMaxScrollRate);
    nFastScrollRate = Clamp<int32_t>(nFastScrollRate, kMinScrollRate, kMaxScrollRate);
    // A placement without width or height would make a window nobody can see or
    // grab: the default placement is used instead.
    if (WindowPos.right <= WindowPos.left || WindowPos.bottom <= WindowPos.top) Entry(Setting::WindowPos).read = 0;
    // A folder that fills all its bytes has lost its terminator: it cannot be a
    // path we wrote, so the documents folder takes its place.
    if (memchr(InitialDirectory, '\0', sizeof(InitialDirectory)) == nullptr) {
        InitialDirectory[0] = '\0';
        Entry(Setting::InitialDirectory).read = 0;
    }
    ClearFolderTail();
}

void Settings::ClearFolderTail() {
    // The folder is stored with all its bytes. Left-over bytes after the path
    // would be stored too, and a last byte that is not zero makes the registry
    // refuse the next read: the folder would be lost.
    InitialDirectory[sizeof(InitialDirectory) - 1] = '\0';
    size_t length = strlen(InitialDirectory);
    memset(InitialDirectory + length, 0, sizeof(InitialDirectory) - length);
}

void Settings::SaveSettings() {
    ClearFolderTail();
    if (!key_ && RegCreateKeyA(root_, path_, &key_) != ERROR_SUCCESS) {
        key_ = nullptr;
        return;
    }
    WriteValues(key_, table_, kSettingsCount);
}

void Settings::CloseSettings() {
    SaveSettings();
    if (key_) RegCloseKey(key_);
    key_ = nullptr;
}

bool ReadValues(HKEY key, SettingsEntry* table, int count) {
    for (int i = 0; i < count; ++i) {
        SettingsEntry& entry = table[i];
        // Read into a scratch buffer first: a value longer than the field is
        // refused by the registry with unspecified buffer contents, and must
        // leave the default in place. A shorter value overwrites only its
        // first bytes, as it always has.
        BYTE buffer[MAX_PATH];
        DWORD length = entry.size;
        if (length > sizeof(buffer)) continue;
        if (RegQueryValueExA(key, entry.name, nullptr, nullptr, buffer, &length) == ERROR_SUCCESS) {
            memcpy(entry.field, buffer, length);
            entry.read = 1;
        }
    }
    return true;
}

bool WriteValues(HKEY key, const SettingsEntry* table, int count) {
    for (int i = 0; i < count; ++i) {
        const SettingsEntry& entry = table[i];
        if (RegSetValueExA(key, entry.name, 0, entry.type, static_cast<const BYTE*>(entry.field), entry.size) !=
            ERROR_SUCCESS) {
            return false;
        }
    }
    return true;
}

bool GetDocumentsFolder(char (&path)[MAX_PATH]) {
    path[0] = '\0';
    LPITEMIDLIST items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_PERSONAL, &items))) return false;
    const bool found = SHGetPathFromIDListA(items, path) != FALSE;
    if (!found) path[0] = '\0';
    // The shell's allocator is the task allocator: the list is freed either way.
    IMalloc* allocator = nullptr;
    if (SUCCEEDED(SHGetMalloc(&allocator))) {
        allocator->Free(items);
        allocator->Release();
    } else {
        CoTaskMemFree(items);
    }
    return found;
}
