// Drives the real program: start-up, placement, single instance and exit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/Settings.h"
#include "support/Fixtures.h"

namespace {

struct Program {
    PROCESS_INFORMATION process = {};
    bool started = false;

    bool Start() {
        char command[MAX_PATH + 2];
        char folder[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, folder);
        wsprintfA(command, "\"%s\\Ocularix.exe\"", folder);
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        started = CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, folder, &startup, &process) != 0;
        return started;
    }
    // Waits for the process to end; returns its exit code, or -1 on a time-out.
    long Wait(DWORD ms) {
        if (WaitForSingleObject(process.hProcess, ms) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        return static_cast<long>(code);
    }
    ~Program() {
        if (!started) return;
        if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0) {
            TerminateProcess(process.hProcess, 1);
            WaitForSingleObject(process.hProcess, 5000);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
};

struct MainWindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectMainWindow(HWND window, LPARAM data) {
    MainWindowSearch* s = reinterpret_cast<MainWindowSearch*>(data);
    char className[64];
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if ((s->processId == 0 || owner == s->processId) && GetClassNameA(window, className, sizeof(className)) &&
        lstrcmpA(className, "OcularixMainWnd") == 0) {
        s->found.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> MainWindowsOf(DWORD processId) {
    MainWindowSearch search = {processId, {}};
    EnumWindows(CollectMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForMainWindow(const Program& program) {
    HWND found = nullptr;
    test::PumpUntil(
        [&] {
            std::vector<HWND> windows = MainWindowsOf(program.process.dwProcessId);
            if (!windows.empty() && IsWindowVisible(windows[0])) found = windows[0];
            return found != nullptr;
        },
        15000);
    return found;
}

void StoreBinary(const char* name, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kSettingsKeyPath, &key), ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, REG_BINARY, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

bool ReadBinary(const char* name, void* data, DWORD size) {
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, kSettingsKeyPath, &key) != ERROR_SUCCESS) return false;
    DWORD length = size;
    LONG result = RegQueryValueExA(key, name, nullptr, nullptr, static_cast<BYTE*>(data), &length);
    RegCloseKey(key);
    return result == ERROR_SUCCESS && length == size;
}

// The real program keeps its settings in its own key, which only a Wine prefix
// of the tests' own may lose: elsewhere these tests are skipped.
class Startup : public test::CleanSettings {
protected:
    Startup() : CleanSettings(kSettingsKeyPath) {}
    void SetUp() override {
        CleanSettings::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        // The manual beside the program counts as seen, so that no start opens a browser.
        const FILETIME latest = {0xFFFFFFFF, 0x7FFFFFFF};
        StoreBinary("HelpFileTime", &latest, sizeof(latest));
    }
};

TEST_F(Startup, MainWindowHasItsClassTitleAndStyles) {
    Program program;
    ASSERT_TRUE(program.Start());
    HWND window = WaitForMainWindow(program);
    ASSERT_NE(window, nullptr);
    char title[64] = {};
    GetWindowTextA(window, title, sizeof(title));
    EXPECT_STREQ(title, "Ocularix");
    LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
    EXPECT_TRUE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_EQ(GetClassLongPtrA(window, GCL_STYLE), static_cast<ULONG_PTR>(CS_DBLCLKS | CS_BYTEALIGNCLIENT));
    EXPECT_EQ(GetClassLongPtrA(window, GCLP_HBRBACKGROUND), 0u);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.Wait(10000), 0);
}

TEST_F(Startup, FirstRunIs450By250AndExitWritesTheSettings) {
    Program program;
    ASSERT_TRUE(program.Start());
    HWND window = WaitForMainWindow(program);
    ASSERT_NE(window, nullptr);
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, 450);
    EXPECT_EQ(rect.bottom - rect.top, 250);
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(program.Wait(10000), 0);

    RECT stored = {};
    ASSERT_TRUE(ReadBinary("WindowPos", &stored, sizeof(stored)));
    EXPECT_EQ(stored.right - stored.left, 450);
    EXPECT_EQ(stored.bottom - stored.top, 250);
    EXPECT_EQ(stored.left, rect.left);
    EXPECT_EQ(stored.top, rect.top);
    POINT zoomPoint = {-1, -1};
    EXPECT_TRUE(ReadBinary("ZoomPoint", &zoomPoint, sizeof(zoomPoint)));
}

TEST_F(Startup, AStoredPlacementIsUsed) {
    RECT placement = {100, 120, 700, 520};
    StoreBinary("WindowPos", &placement, sizeof(placement));
    POINT zoomPoint = {321, 234};
    StoreBinary("ZoomPoint", &zoomPoint, sizeof(zoomPoint));
    Program program;
    ASSERT_TRUE(program.Start());
    HWND window = WaitForMainWindow(program);
    ASSERT_NE(window, nullptr);
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.top, 120);
    EXPECT_EQ(rect.right, 700);
    EXPECT_EQ(rect.bottom, 520);
    // Alt+F4 reaches the window as the close command of the accelerator table.
    PostMessageA(window, WM_COMMAND, 105, 0);
    ASSERT_EQ(program.Wait(10000), 0);
    POINT stored = {};
    ASSERT_TRUE(ReadBinary("ZoomPoint", &stored, sizeof(stored)));
    EXPECT_EQ(stored.x, 321);
    EXPECT_EQ(stored.y, 234);
}

TEST_F(Startup, SingleInstanceBringsTheFirstForwardAndTheSecondExitsQuietly) {
    const BYTE on = 1;
    StoreBinary("SingleInstance", &on, 1);
    Program first;
    ASSERT_TRUE(first.Start());
    HWND window = WaitForMainWindow(first);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_MINIMIZE);
    test::PumpUntil([&] { return IsIconic(window) != FALSE; }, 3000);
    ASSERT_TRUE(IsIconic(window));

    Program second;
    ASSERT_TRUE(second.Start());
    EXPECT_EQ(second.Wait(15000), 0);
    EXPECT_TRUE(MainWindowsOf(second.process.dwProcessId).empty());
    EXPECT_TRUE(test::PumpUntil([&] { return !IsIconic(window); }, 3000));
    EXPECT_EQ(MainWindowsOf(0).size(), 1u);

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.Wait(10000), 0);
}

TEST_F(Startup, WithoutSingleInstanceTwoRunSideBySide) {
    Program first;
    Program second;
    ASSERT_TRUE(first.Start());
    HWND one = WaitForMainWindow(first);
    ASSERT_TRUE(second.Start());
    HWND two = WaitForMainWindow(second);
    ASSERT_NE(one, nullptr);
    ASSERT_NE(two, nullptr);
    EXPECT_NE(one, two);
    PostMessageA(one, WM_CLOSE, 0, 0);
    PostMessageA(two, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.Wait(10000), 0);
    EXPECT_EQ(second.Wait(10000), 0);
}

}  // namespace
