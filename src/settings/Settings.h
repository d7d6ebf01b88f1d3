// The program's options and remembered state, stored per user in the registry.
#pragma once

#include <windows.h>
#include <stdint.h>

#include "common/Handles.h"
#include "common/Limits.h"

// One stored value: its registry name, size and type, the field it fills, and
// whether it was found at the last load.
struct SettingsEntry {
    const char* name;
    DWORD size;
    void* field;
    DWORD type;
    uint8_t read;
};

// The program's key under HKEY_CURRENT_USER.
extern const char* const kSettingsKeyPath;

// The stored values, one row each, in the order they are read and written:
// X(name, registry type, default). The name is both the registry value's and the
// field's, and the field gives the size; the default of a RECT, POINT, FILETIME
// or text can only be 0, all of it. A new value is a row at the end and a field
// in the record.
#define OCULARIX_SETTINGS_TABLE(X)                                        \
    X(Transparent, REG_BINARY, 0)                                         \
    X(InitialDirectory, REG_SZ, 0)                                        \
    X(WindowPos, REG_BINARY, 0)                                           \
    X(AlwaysOnTop, REG_BINARY, 0)                                         \
    X(HelpFileTime, REG_BINARY, 0)                                        \
    X(Update, REG_DWORD, 1)                                               \
    X(ZoomFactor, REG_DWORD, 3)                                           \
    X(ZoomPoint, REG_BINARY, 0)                                           \
    X(Emailed, REG_DWORD, 0)                                              \
    X(SaveZoomedImage, REG_BINARY, 0)                                     \
    X(Update1, REG_DWORD, 1000)                                           \
    X(Update2, REG_DWORD, 100)                                            \
    X(Update3, REG_DWORD, 50)                                             \
    X(MouseTracking, REG_BINARY, 0)                                       \
    X(DisplayToolbar, REG_BINARY, 1)                                      \
    X(Visited, REG_BINARY, 0)                                             \
    X(DisplayStatusbar, REG_BINARY, 1)                                    \
    X(DisplayMouseWhenFollowing, REG_BINARY, 1)                           \
    X(DisplayRGBColourPanel, REG_BINARY, 1)                               \
    X(SingleInstance, REG_BINARY, 0)                                      \
    X(ShowGrid, REG_BINARY, 0)                                            \
    X(GridColor, REG_DWORD, RGB(0, 0, 0))                                 \
    X(GridSize, REG_DWORD, 1)                                             \
    X(RelativeCoords, REG_BINARY, 0)                                      \
    X(nTransparency, REG_DWORD, 178)                                      \
    X(nSlowScrollRate, REG_DWORD, 1)                                      \
    X(nFastScrollRate, REG_DWORD, 16)                                     \
    X(nHotKeyColourVK, REG_DWORD, 'C')                                    \
    X(nHotKeyBitmapVK, REG_DWORD, 'B')                                    \
    X(nHotKeyColourModifiers, REG_DWORD, HOTKEYF_SHIFT | HOTKEYF_CONTROL) \
    X(nHotKeyBitmapModifiers, REG_DWORD, HOTKEYF_SHIFT | HOTKEYF_CONTROL) \
    X(bUseOSCursor, REG_BINARY, 1)

enum class Setting {
#define OCULARIX_SETTING_NAME(name, type, initial) name,
    OCULARIX_SETTINGS_TABLE(OCULARIX_SETTING_NAME)
#undef OCULARIX_SETTING_NAME
    Count
};
constexpr int kSettingsCount = static_cast<int>(Setting::Count);

class Settings {
public:
    // Loads the values stored under root\path (defaults where none are stored).
    Settings(HKEY root, const char* path);
    // Writes every value back and closes the key.
    virtual ~Settings();
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    void LoadSettings();
    void SaveSettings();
    // Leaves the key without writing to it, and loads the values stored under
    // root\path instead, where the later saves go: for a store of the same
    // values kept apart from the program's key.
    void UseKey(HKEY root, const char* path);
    const char* Path() const { return path_; }
    void CloseSettings();
    void SetDefaults();
    // Brings values that would break the view, the grid or the timers into range.
    void ClampToSafeRanges();
    // Zeroes the folder's bytes after its terminator.
    void ClearFolderTail();

    SettingsEntry& Entry(Setting value) { return table_[static_cast<int>(value)]; }
    bool WasRead(Setting value) const { return table_[static_cast<int>(value)].read != 0; }
    SettingsEntry* Table() { return table_; }
    HKEY Key() const { return key_.get(); }

    // Fields, in the order of the stored record.
    uint32_t AlwaysOnTop;
    int32_t Update;
    int32_t ZoomFactor;
    RECT WindowPos;
    POINT ZoomPoint;
    char InitialDirectory[MAX_PATH];
    uint32_t Emailed;
    uint32_t SaveZoomedImage;
    int32_t Update1;
    int32_t Update2;
    int32_t Update3;
    uint8_t MouseTracking;
    uint8_t DisplayToolbar;
    uint8_t Visited;
    FILETIME HelpFileTime;
    uint8_t DisplayStatusbar;
    uint8_t DisplayMouseWhenFollowing;
    uint8_t DisplayRGBColourPanel;
    uint8_t SingleInstance;
    uint8_t ShowGrid;
    COLORREF GridColor;
    int32_t GridSize;
    uint8_t RelativeCoords;
    uint8_t Transparent;
    int32_t nTransparency;
    uint8_t bUseOSCursor;
    int32_t nSlowScrollRate;
    int32_t nFastScrollRate;
    uint32_t nHotKeyColourVK;
    uint32_t nHotKeyBitmapVK;
    uint32_t nHotKeyColourModifiers;
    uint32_t nHotKeyBitmapModifiers;

private:
    void BuildTable();

    HKEY root_;
    const char* path_;
    RegKey key_;
    SettingsEntry table_[kSettingsCount];
};

// Reads each value of the table from the key; sets the read flag of each value found.
bool ReadValues(HKEY key, SettingsEntry* table, int count);
// Writes the values in table order; stops at the first failure and returns false.
bool WriteValues(HKEY key, const SettingsEntry* table, int count);
// The user's documents folder, or an empty path when the system has none.
bool GetDocumentsFolder(char (&path)[MAX_PATH]);

extern Settings g_settings;
