// Settings against the real registry of the test prefix.
#include <gtest/gtest.h>

#include <string.h>

#include <memory>
#include <string>

#include "settings/Settings.h"

namespace {

// The store under test keeps its values here, not in the program's key.
const char kStoreKey[] = "Software\\Quillfern\\OcularixSettingsStoreTest";
const char kScratchKey[] = "Software\\Quillfern\\OcularixSettingsTest";

std::unique_ptr<Settings> g_store;

Settings& Store() {
    return *g_store;
}

// Loads the store again from its key, as a new start of the program would.
void Reload() {
    Store().LoadSettings();
}

HKEY OpenSettingsKey(REGSAM access = KEY_ALL_ACCESS) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kStoreKey, 0, nullptr, 0, access, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return nullptr;
    }
    return key;
}

void StoreValue(const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key = OpenSettingsKey();
    ASSERT_NE(key, nullptr);
    ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(key);
}

void StoreDword(const char* name, DWORD value) {
    StoreValue(name, REG_DWORD, &value, sizeof(value));
}

bool KeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, kStoreKey, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

std::string DocumentsFolder() {
    char path[MAX_PATH];
    GetDocumentsFolder(path);
    return path;
}

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, kStoreKey);
        RegDeleteTreeA(HKEY_CURRENT_USER, kScratchKey);
        g_store.reset(new Settings(HKEY_CURRENT_USER, kStoreKey));
    }
    void TearDown() override {
        // Going, the store writes its values once more, as at the program's exit.
        g_store.reset();
        RegDeleteTreeA(HKEY_CURRENT_USER, kStoreKey);
        RegDeleteTreeA(HKEY_CURRENT_USER, kScratchKey);
    }
};

TEST_F(SettingsStore, FreshUserGetsDefaultsAndTheDocumentsFolderWithoutCreatingTheKey) {
    Reload();
    EXPECT_FALSE(KeyExists());
    EXPECT_EQ(Store().ZoomFactor, 3);
    EXPECT_EQ(Store().Update, 1);
    EXPECT_EQ(Store().Update1, 1000);
    EXPECT_EQ(Store().Update2, 100);
    EXPECT_EQ(Store().Update3, 50);
    EXPECT_EQ(Store().DisplayToolbar, 1);
    EXPECT_EQ(Store().DisplayStatusbar, 1);
    EXPECT_EQ(Store().DisplayRGBColourPanel, 1);
    EXPECT_EQ(Store().DisplayMouseWhenFollowing, 1);
    EXPECT_EQ(Store().bUseOSCursor, 1);
    EXPECT_EQ(Store().nTransparency, 178);
    EXPECT_EQ(Store().nSlowScrollRate, 1);
    EXPECT_EQ(Store().nFastScrollRate, 16);
    EXPECT_EQ(Store().nHotKeyColourVK, static_cast<uint32_t>('C'));
    EXPECT_EQ(Store().nHotKeyBitmapVK, static_cast<uint32_t>('B'));
    EXPECT_EQ(Store().nHotKeyColourModifiers, 3u);
    EXPECT_EQ(Store().nHotKeyBitmapModifiers, 3u);
    EXPECT_EQ(Store().GridSize, 1);
    EXPECT_EQ(Store().GridColor, RGB(0, 0, 0));
    EXPECT_EQ(Store().MouseTracking, 0);
    EXPECT_EQ(Store().AlwaysOnTop, 0u);
    EXPECT_FALSE(Store().WasRead(Setting::WindowPos));
    EXPECT_FALSE(DocumentsFolder().empty());
    EXPECT_EQ(std::string(Store().InitialDirectory), DocumentsFolder());
}

TEST_F(SettingsStore, SaveWritesEveryValueWithItsTypeAndSize) {
    Reload();
    Store().SaveSettings();
    HKEY key = OpenSettingsKey(KEY_READ);
    ASSERT_NE(key, nullptr);
    DWORD valueCount = 0;
    ASSERT_EQ(RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &valueCount, nullptr,
                               nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(valueCount, static_cast<DWORD>(kSettingsCount));

    struct Expected {
        const char* name;
        DWORD type;
        DWORD size;
    };
    const Expected expected[] = {
        {"Transparent", REG_BINARY, 1},       {"InitialDirectory", REG_SZ, 260},
        {"WindowPos", REG_BINARY, 16},        {"AlwaysOnTop", REG_BINARY, 4},
        {"HelpFileTime", REG_BINARY, 8},      {"Update", REG_DWORD, 4},
        {"ZoomFactor", REG_DWORD, 4},         {"ZoomPoint", REG_BINARY, 8},
        {"Emailed", REG_DWORD, 4},            {"SaveZoomedImage", REG_BINARY, 4},
        {"Update1", REG_DWORD, 4},            {"Update2", REG_DWORD, 4},
        {"Update3", REG_DWORD, 4},            {"MouseTracking", REG_BINARY, 1},
        {"DisplayToolbar", REG_BINARY, 1},    {"Visited", REG_BINARY, 1},
        {"DisplayStatusbar", REG_BINARY, 1},  {"DisplayMouseWhenFollowing", REG_BINARY, 1},
        {"DisplayRGBColourPanel", REG_BINARY, 1}, {"SingleInstance", REG_BINARY, 1},
        {"ShowGrid", REG_BINARY, 1},          {"GridColor", REG_DWORD, 4},
        {"GridSize", REG_DWORD, 4},           {"RelativeCoords", REG_BINARY, 1},
        {"nTransparency", REG_DWORD, 4},      {"nSlowScrollRate", REG_DWORD, 4},
        {"nFastScrollRate", REG_DWORD, 4},    {"nHotKeyColourVK", REG_DWORD, 4},
        {"nHotKeyBitmapVK", REG_DWORD, 4},    {"nHotKeyColourModifiers", REG_DWORD, 4},
        {"nHotKeyBitmapModifiers", REG_DWORD, 4}, {"bUseOSCursor", REG_BINARY, 1},
    };
    for (const Expected& value : expected) {
        DWORD type = 0;
        DWORD size = 0;
        ASSERT_EQ(RegQueryValueExA(key, value.name, nullptr, &type, nullptr, &size), ERROR_SUCCESS) << value.name;
        EXPECT_EQ(type, value.type) << value.name;
        EXPECT_EQ(size, value.size) << value.name;
    }
    DWORD zoom = 0;
    DWORD size = sizeof(zoom);
    RegQueryValueExA(key, "ZoomFactor", nullptr, nullptr, reinterpret_cast<BYTE*>(&zoom), &size);
    EXPECT_EQ(zoom, 3u);
    RegCloseKey(key);
}

// The stored values keep their names and order; new ones come after them.
TEST_F(SettingsStore, TheTableKeepsItsOrder) {
    const char* const order[] = {
        "Transparent", "InitialDirectory", "WindowPos", "AlwaysOnTop", "HelpFileTime", "Update", "ZoomFactor",
        "ZoomPoint", "Emailed", "SaveZoomedImage", "Update1", "Update2", "Update3", "MouseTracking",
        "DisplayToolbar", "Visited", "DisplayStatusbar", "DisplayMouseWhenFollowing", "DisplayRGBColourPanel",
        "SingleInstance", "ShowGrid", "GridColor", "GridSize", "RelativeCoords", "nTransparency",
        "nSlowScrollRate", "nFastScrollRate", "nHotKeyColourVK", "nHotKeyBitmapVK", "nHotKeyColourModifiers",
        "nHotKeyBitmapModifiers", "bUseOSCursor"};
    const int stored = static_cast<int>(sizeof(order) / sizeof(order[0]));
    ASSERT_GE(kSettingsCount, stored);
    for (int i = 0; i < stored; ++i) EXPECT_STREQ(Store().Table()[i].name, order[i]);
}

TEST_F(SettingsStore, AKeyWithOnlyZoomFactorGivesThatZoomAndDefaultsElsewhere) {
    StoreDword("ZoomFactor", 8);
    Reload();
    EXPECT_EQ(Store().ZoomFactor, 8);
    EXPECT_TRUE(Store().WasRead(Setting::ZoomFactor));
    EXPECT_FALSE(Store().WasRead(Setting::Update));
    EXPECT_EQ(Store().Update, 1);
    EXPECT_EQ(Store().nTransparency, 178);
    EXPECT_EQ(std::string(Store().InitialDirectory), DocumentsFolder());
}

TEST_F(SettingsStore, AShortValueOverwritesOnlyTheLowBytes) {
    const BYTE oneByte = 0x64;
    StoreValue("Update1", REG_BINARY, &oneByte, 1);  // default 1000 = 0x03E8
    Reload();
    EXPECT_EQ(Store().Update1, 0x0364);
}

TEST_F(SettingsStore, ValuesThatWouldBreakTheViewOrTimersAreClampedWhenLoaded) {
    StoreDword("ZoomFactor", 0);
    StoreDword("GridSize", 500);
    StoreDword("Update", 0xFFFFFFFFu);  // -1
    StoreDword("Update1", 0);
    StoreDword("Update2", 5);
    StoreDword("Update3", 100000);
    StoreDword("nTransparency", 0);
    Reload();
    EXPECT_EQ(Store().ZoomFactor, 1);
    EXPECT_EQ(Store().GridSize, 128);
    EXPECT_EQ(Store().Update, 1);
    EXPECT_EQ(Store().Update1, 20);
    EXPECT_EQ(Store().Update2, 20);
    EXPECT_EQ(Store().Update3, 1000);
    // Shift+wheel steps from the opacity in memory: from 10, not from 0.
    EXPECT_EQ(Store().nTransparency, 10);

    StoreDword("ZoomFactor", 1000);
    StoreDword("GridSize", 0);
    StoreDword("Update", 9);
    Reload();
    EXPECT_EQ(Store().ZoomFactor, 32);
    EXPECT_EQ(Store().GridSize, 1);
    EXPECT_EQ(Store().Update, 4);
}

TEST_F(SettingsStore, ScrollRatesAreLimitedToForwardStepsAUserCouldMean) {
    struct Case {
        DWORD stored;
        int32_t loaded;
    };
    const Case cases[] = {{0, 1}, {1, 1}, {1024, 1024}, {1025, 1024}, {0xFFFFFFFFu, 1}, {0x80000000u, 1}};
    for (const Case& c : cases) {
        StoreDword("nSlowScrollRate", c.stored);
        StoreDword("nFastScrollRate", c.stored);
        Reload();
        EXPECT_EQ(Store().nSlowScrollRate, c.loaded) << c.stored;
        EXPECT_EQ(Store().nFastScrollRate, c.loaded) << c.stored;
    }
}

TEST_F(SettingsStore, APlacementWithoutSizeFallsBackToTheDefaultPlacement) {
    const RECT empty = {0, 0, 0, 0};
    StoreValue("WindowPos", REG_BINARY, &empty, sizeof(empty));
    Reload();
    EXPECT_FALSE(Store().WasRead(Setting::WindowPos));
    const RECT inverted = {500, 400, 100, 300};
    StoreValue("WindowPos", REG_BINARY, &inverted, sizeof(inverted));
    Reload();
    EXPECT_FALSE(Store().WasRead(Setting::WindowPos));
    const RECT usable = {-300, 10, -100, 200};
    StoreValue("WindowPos", REG_BINARY, &usable, sizeof(usable));
    Reload();
    EXPECT_TRUE(Store().WasRead(Setting::WindowPos));
    EXPECT_EQ(Store().WindowPos.left, -300);
}

TEST_F(SettingsStore, AValueLongerThanItsFieldKeepsTheDefault) {
    const BYTE eight[8] = {9, 0, 0, 0, 9, 0, 0, 0};
    StoreValue("ZoomFactor", REG_BINARY, eight, sizeof(eight));
    Reload();
    EXPECT_EQ(Store().ZoomFactor, 3);
    EXPECT_FALSE(Store().WasRead(Setting::ZoomFactor));
}

TEST_F(SettingsStore, AFolderWithoutTerminatorIsNotReadPastItsEnd) {
    char unterminated[MAX_PATH];
    memset(unterminated, 'A', sizeof(unterminated));
    StoreValue("InitialDirectory", REG_BINARY, unterminated, sizeof(unterminated));
    Reload();
    EXPECT_NE(memchr(Store().InitialDirectory, '\0', MAX_PATH), nullptr);
    EXPECT_EQ(std::string(Store().InitialDirectory), DocumentsFolder());
}

TEST_F(SettingsStore, ALongerFolderReplacesAShorterOneWhole) {
    Reload();
    lstrcpyA(Store().InitialDirectory, "C:\\a");
    Store().SaveSettings();
    std::string longer = "C:\\users\\somebody\\My Pictures\\screen shots\\2026";
    lstrcpyA(Store().InitialDirectory, longer.c_str());
    Store().SaveSettings();
    Reload();
    EXPECT_TRUE(Store().WasRead(Setting::InitialDirectory));
    EXPECT_EQ(std::string(Store().InitialDirectory), longer);
}

TEST_F(SettingsStore, WriteValuesStopsAtTheFirstFailure) {
    HKEY writable = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kScratchKey, &writable), ERROR_SUCCESS);
    RegCloseKey(writable);
    HKEY readOnly = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kScratchKey, 0, KEY_READ, &readOnly), ERROR_SUCCESS);
    EXPECT_FALSE(WriteValues(readOnly, Store().Table(), kSettingsCount));
    DWORD valueCount = 99;
    RegQueryInfoKeyA(readOnly, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &valueCount, nullptr,
                     nullptr, nullptr, nullptr);
    EXPECT_EQ(valueCount, 0u);
    RegCloseKey(readOnly);
}

TEST_F(SettingsStore, ReadValuesTakesAnyKeyAndSetsReadFlags) {
    HKEY scratch = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kScratchKey, &scratch), ERROR_SUCCESS);
    DWORD grid = 7;
    RegSetValueExA(scratch, "GridSize", 0, REG_DWORD, reinterpret_cast<BYTE*>(&grid), sizeof(grid));
    int32_t gridSize = 1;
    uint8_t showGrid = 0;
    SettingsEntry table[] = {{"GridSize", 4, &gridSize, REG_DWORD, 0}, {"ShowGrid", 1, &showGrid, REG_BINARY, 0}};
    EXPECT_TRUE(ReadValues(scratch, table, 2));
    EXPECT_EQ(gridSize, 7);
    EXPECT_EQ(table[0].read, 1);
    EXPECT_EQ(table[1].read, 0);
    RegCloseKey(scratch);
}

TEST_F(SettingsStore, CloseSettingsWritesAndClosesTheKey) {
    Reload();
    Store().ZoomFactor = 12;
    Store().CloseSettings();
    EXPECT_EQ(Store().Key(), nullptr);
    HKEY key = OpenSettingsKey(KEY_READ);
    ASSERT_NE(key, nullptr);
    DWORD zoom = 0;
    DWORD size = sizeof(zoom);
    RegQueryValueExA(key, "ZoomFactor", nullptr, nullptr, reinterpret_cast<BYTE*>(&zoom), &size);
    EXPECT_EQ(zoom, 12u);
    RegCloseKey(key);
}

TEST_F(SettingsStore, BytesAfterTheFolderNeverStopItFromBeingReadBack) {
    // Whatever lies after the terminator is written too; if the last of the 260
    // bytes were not zero, the registry would refuse the next read of the folder.
    Reload();
    memset(Store().InitialDirectory, 'A', MAX_PATH);
    lstrcpyA(Store().InitialDirectory, "C:\\shots");
    Store().SaveSettings();
    Reload();
    EXPECT_TRUE(Store().WasRead(Setting::InitialDirectory));
    EXPECT_STREQ(Store().InitialDirectory, "C:\\shots");
}

TEST_F(SettingsStore, AnotherKeyIsLoadedAndSavedInsteadAndTheFirstIsLeftAsItWas) {
    StoreDword("ZoomFactor", 7);
    Reload();
    const DWORD five = 5;
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueA(HKEY_CURRENT_USER, kScratchKey, "ZoomFactor", REG_DWORD, &five, sizeof(five)));
    Store().ZoomFactor = 9;  // not written to the first key
    Store().UseKey(HKEY_CURRENT_USER, kScratchKey);
    EXPECT_STREQ(kScratchKey, Store().Path());
    EXPECT_EQ(5, Store().ZoomFactor);
    Store().ZoomFactor = 11;
    Store().SaveSettings();
    DWORD first = 0, second = 0, size = sizeof(DWORD);
    RegGetValueA(HKEY_CURRENT_USER, kStoreKey, "ZoomFactor", RRF_RT_REG_DWORD, nullptr, &first, &size);
    size = sizeof(DWORD);
    RegGetValueA(HKEY_CURRENT_USER, kScratchKey, "ZoomFactor", RRF_RT_REG_DWORD, nullptr, &second, &size);
    EXPECT_EQ(7u, first);
    EXPECT_EQ(11u, second);
}

}  // namespace
