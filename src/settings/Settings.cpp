#include "settings/Settings.h"

#include <commctrl.h>
#include <shlobj.h>
#include <string.h>

#include <type_traits>

#include "common/Clamp.h"
#include "common/Handles.h"

const char* const kSettingsKeyPath = "Software\\Quillfern\\Ocularix\\1";

namespace {

// A field's default from its row: a number or flag as the row says (a value the
// field cannot hold does not compile); a record or a text all zero.
template <long long initial, typename T>
void SetTo(T& field) {
    if constexpr (std::is_arithmetic_v<T>) {
        constexpr T value{initial};
        field = value;
    } else {
        static_assert(initial == 0, "a record or a text starts all zero");
        memset(&field, 0, sizeof(field));
    }
}

}  // namespace

Settings::Settings(HKEY root, const char* path) : root_(root), path_(path) {
    BuildTable();
    LoadSettings();
}

Settings::~Settings() {
    CloseSettings();
}

void Settings::BuildTable() {
#define OCULARIX_SETTING_ENTRY(name, type, initial) \
    table_[static_cast<int>(Setting::name)] = SettingsEntry{#name, sizeof(name), &name, type, 0};
    OCULARIX_SETTINGS_TABLE(OCULARIX_SETTING_ENTRY)
#undef OCULARIX_SETTING_ENTRY
}

void Settings::SetDefaults() {
#define OCULARIX_SETTING_DEFAULT(name, type, initial) SetTo<initial>(name);
    OCULARIX_SETTINGS_TABLE(OCULARIX_SETTING_DEFAULT)
#undef OCULARIX_SETTING_DEFAULT
    for (SettingsEntry& entry : table_) entry.read = 0;
}

void Settings::LoadSettings() {
    SetDefaults();
    key_.reset();
    // The key is only opened here; it is created at the first save.
    HKEY opened = nullptr;
    if (RegOpenKeyA(root_, path_, &opened) == ERROR_SUCCESS) {
        key_.reset(opened);
        ReadValues(key_, table_, kSettingsCount);
        ClampToSafeRanges();
    }
    if (!WasRead(Setting::InitialDirectory)) GetDocumentsFolder(InitialDirectory);
}

void Settings::UseKey(HKEY root, const char* path) {
    root_ = root;
    path_ = path;
    LoadSettings();
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
    if (!key_) {
        HKEY created = nullptr;
        if (RegCreateKeyA(root_, path_, &created) != ERROR_SUCCESS) return;
        key_.reset(created);
    }
    WriteValues(key_, table_, kSettingsCount);
}

void Settings::CloseSettings() {
    SaveSettings();
    key_.reset();
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
    ComRef<IMalloc> allocator;
    if (SUCCEEDED(SHGetMalloc(allocator.put()))) {
        allocator->Free(items);
    } else {
        CoTaskMemFree(items);
    }
    return found;
}
