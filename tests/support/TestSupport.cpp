#include "support/TestSupport.h"

#include "common/Dib.h"

#include "app/Application.h"
#include "commands/Help.h"
#include "mainwindow/MainWindow.h"
#include "settings/Settings.h"

#include <sstream>

namespace test {

namespace {

std::vector<std::string> g_openedManuals;

bool RecordManual(HWND, const char* path) {
    g_openedManuals.push_back(path);
    return true;
}

// A test that creates the main window at a first start with a manual in place
// would otherwise open it in a browser.
const ManualOpener g_shellOpener = SetManualOpener(RecordManual);

}  // namespace

std::vector<std::string>& OpenedManuals() {
    return g_openedManuals;
}

void DeleteSettingsKey() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKeyPath);
}

void ReloadSettings() {
    g_settings.LoadSettings();
}

bool CreateMainWindowForTest(int showCommand) {
    g_instance = GetModuleHandleA(nullptr);
    g_handCursor = LoadHandCursor(g_instance);
    test::State().zoomPoint = g_settings.ZoomPoint;
    if (!CreateMainWindow(g_instance, showCommand)) return false;
    PumpMessages(50);
    return IsWindow(g_mainWindow.Window()) != FALSE;
}

void DestroyMainWindowForTest() {
    if (IsWindow(g_mainWindow.Window())) DestroyWindow(g_mainWindow.Window());
    PumpMessages(20);
    UnregisterClassA(names::kMainWindowClass, g_instance);
}

void PumpMessages(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (GetTickCount() - start >= ms) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount() - start < ms);
}

BITMAPINFO TopDown32(int width, int height) {
    return ::TopDown32(width, height);
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

std::vector<std::vector<COLORREF>> WatchScreen(const RECT& area, DWORD ms, const std::function<void()>& during) {
    std::vector<std::vector<COLORREF>> pictures;
    SECURITY_ATTRIBUTES inheritable = {sizeof(inheritable), nullptr, TRUE};
    HANDLE output = nullptr;
    HANDLE watcherOutput = nullptr;
    if (!CreatePipe(&output, &watcherOutput, &inheritable, 0)) return pictures;
    SetHandleInformation(output, HANDLE_FLAG_INHERIT, 0);
    std::ostringstream command;
    command << '"' << ProgramFolder() << "screen_watch.exe\" " << area.left << ' ' << area.top << ' '
            << area.right - area.left << ' ' << area.bottom - area.top << ' ' << ms;
    std::string line = command.str();
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = watcherOutput;
    startup.hStdError = watcherOutput;
    PROCESS_INFORMATION process = {};
    BOOL started = CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(watcherOutput);

    std::string text;
    auto readAndCheckEnded = [&] {
        DWORD waiting = 0;
        char chunk[4096];
        DWORD read = 0;
        while (PeekNamedPipe(output, nullptr, 0, nullptr, &waiting, nullptr) && waiting > 0 &&
               ReadFile(output, chunk, sizeof(chunk), &read, nullptr) && read > 0) {
            text.append(chunk, read);
        }
        return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0;
    };
    if (started) {
        // The first picture says that the watcher is reading the screen.
        PumpUntil([&] { return readAndCheckEnded() || text.find('\n') != std::string::npos; }, 30000);
        during();
        if (!PumpUntil(readAndCheckEnded, ms + 30000)) TerminateProcess(process.hProcess, 1);
        readAndCheckEnded();
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(output);

    std::istringstream lines(text);
    for (std::string row; std::getline(lines, row);) {
        std::istringstream values(row);
        std::vector<COLORREF> picture;
        for (unsigned long pixel = 0; values >> std::hex >> pixel;) {
            picture.push_back(RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
        }
        if (!picture.empty()) pictures.push_back(picture);
    }
    return pictures;
}

}  // namespace test
