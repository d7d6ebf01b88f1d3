// The program's options and remembered state, stored per user in the registry.
#pragma once

#include <windows.h>
#include <stdint.h>

// One stored value: its registry name, size and type, the field it fills, and
// whether it was found at the last load.
struct SettingsEntry {
    const char* name;
    DWORD size;
    void* field;
    DWORD type;
    uint8_t read;
};

extern const char* const kSettingsKeyPath;

// Safe ranges. Outside changes of the registry can store anything; values that
// would divide by zero or never end a loop are clamped into these when loaded.
constexpr int kMinZoomFactor = 1;
constexpr int kMaxZoomFactor = 32;
constexpr int kMinGridSize = 1;
constexpr int kMaxGridSize = 128;
constexpr int kMinUpdateSpeed = 1;
constexpr int kMaxUpdateSpeed = 4;
constexpr int kMinUpdateInterval = 20;
constexpr int kMaxUpdateInterval = 1000;
constexpr int kSettingsCount = 32;

class Settings {
public:
    Settings();
    // Writes every value back and closes the key.
    virtual ~Settings();
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    void LoadSettings();
    void SaveSettings();
    void CloseSettings();
    void SetDefaults();
    // Brings values that would break the view, the grid or the timers into range.
    void ClampToSafeRanges();
    // Zeroes the folder's bytes after its terminator.
    void ClearFolderTail();

    SettingsEntry* Entry(const char* name);
    bool WasRead(const char* name);
    SettingsEntry* Table() { return table_; }
    HKEY Key() const { return key_; }

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

    HKEY key_;
    SettingsEntry table_[kSettingsCount];
};

// Reads each value of the table from the key; sets the read flag of each value found.
bool ReadValues(HKEY key, SettingsEntry* table, int count);
// Writes the values in table order; stops at the first failure and returns false.
bool WriteValues(HKEY key, const SettingsEntry* table, int count);
// The user's documents folder, or an empty path when the system has none.
bool GetDocumentsFolder(char (&path)[MAX_PATH]);

extern Settings g_settings;
