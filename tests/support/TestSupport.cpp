#include "support/TestSupport.h"

#include "app/Application.h"
#include "commands/Help.h"
#include "mainwindow/MainWindow.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "support/ViewSupport.h"

#include <iterator>
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

const char kTestSettingsKeyPath[] = "Software\\Quillfern\\Ocularix\\Test";

void UseTestSettingsKey() {
    g_settings.UseKey(HKEY_CURRENT_USER, kTestSettingsKeyPath);
}

void DeleteSettingsKey() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kTestSettingsKeyPath);
}

void ReloadSettings() {
    g_settings.LoadSettings();
}

bool InTestPrefix() {
    auto variable = [](const char* name) {
        char value[MAX_PATH] = "";
        DWORD length = GetEnvironmentVariableA(name, value, MAX_PATH);
        return std::string(length < MAX_PATH ? value : "");
    };
    HMODULE system = GetModuleHandleA("ntdll.dll");
    const std::string prefix = variable("WINEPREFIX");
    return system && GetProcAddress(system, "wine_get_version") && !prefix.empty() &&
           prefix == variable("OCULARIX_TEST_PREFIX");
}

bool CreateMainWindowForTest(int showCommand) {
    g_instance = GetModuleHandleA(nullptr);
    g_handCursor = LoadHandCursor(g_instance);
    if (!CreateMainWindow(g_instance, showCommand)) return false;
    PumpMessages(50);
    return IsWindow(g_mainWindow.Window()) != FALSE;
}

void FollowTo(POINT point) {
    const uint8_t following = g_settings.MouseTracking;
    g_settings.MouseTracking = 1;
    MoveCursor(point.x, point.y);
    SendMessageA(g_mainWindow.Window(), WM_TIMER, kTrackingTimerId, 0);
    g_settings.MouseTracking = following;
    // Drawn again as the settings are: following draws the cursor image.
    g_mainWindow.Redraw();
}

void MoveZoomPointTo(POINT point) {
    const POINT now = Magnification().ZoomPoint();
    g_mainWindow.MoveZoomPoint(point.x - now.x, point.y - now.y);
}

void SampleColour(COLORREF colour) {
    // Only the ticks sent here sample: a timer's tick after the patch has gone
    // would take the colour under the cursor then.
    KillTimer(g_mainWindow.Window(), kTrackingTimerId);
    POINT cursor = {0, 0};
    GetCursorPos(&cursor);
    ColourWindow patch(RECT{cursor.x - 2, cursor.y - 2, cursor.x + 3, cursor.y + 3}, colour);
    PumpUntil(
        [&] {
            SendMessageA(g_mainWindow.Window(), WM_TIMER, kTrackingTimerId, 0);
            return g_mainWindow.SampledColour() == colour;
        },
        2000);
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

namespace {

// Pumps until done() or ms pass, counting the ticks of one timer.
template <typename Done>
int PumpTicks(HWND window, UINT_PTR timerId, DWORD ms, Done done) {
    int ticks = 0;
    DWORD start = GetTickCount();
    while (GetTickCount() - start < ms && !done(ticks)) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            bool tick = message.message == WM_TIMER && message.hwnd == window && message.wParam == timerId;
            TranslateMessage(&message);
            DispatchMessageA(&message);
            if (tick) ++ticks;
            if (done(ticks)) return ticks;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return ticks;
}

struct WindowCount {
    const char* className;
    int count;
};

BOOL CALLBACK CountWindow(HWND window, LPARAM data) {
    WindowCount* tally = reinterpret_cast<WindowCount*>(data);
    char name[64] = "";
    GetClassNameA(window, name, sizeof(name));
    if (!tally->className || lstrcmpA(name, tally->className) == 0) ++tally->count;
    return TRUE;
}

}  // namespace

int PumpCountingTimer(HWND window, UINT_PTR timerId, DWORD ms) {
    return PumpTicks(window, timerId, ms, [](int) { return false; });
}

bool PumpTimerTicks(HWND window, UINT_PTR timerId, int count, DWORD ms) {
    return PumpTicks(window, timerId, ms, [count](int ticks) { return ticks >= count; }) >= count;
}

int PumpThroughAccelerators(HWND window, const std::function<bool(int)>& done, DWORD ms) {
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_ACCELERATORS));
    int translated = 0;
    for (DWORD start = GetTickCount(); GetTickCount() - start < ms;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (TranslateAcceleratorA(window, table, &message)) {
                ++translated;
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (done(translated)) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return translated;
}

int CountThreadWindows(const char* className) {
    WindowCount tally = {className, 0};
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&tally));
    return tally.count;
}

void HoldModifiers(bool control, bool shift, bool alt) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = keys[VK_LCONTROL] = control ? 0x80 : 0;
    keys[VK_SHIFT] = keys[VK_LSHIFT] = shift ? 0x80 : 0;
    keys[VK_MENU] = keys[VK_LMENU] = alt ? 0x80 : 0;
    SetKeyboardState(keys);
}

void TypeKeys(std::initializer_list<BYTE> keys) {
    std::vector<INPUT> inputs;
    auto add = [&](BYTE key, DWORD flags) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    for (BYTE key : keys) add(key, 0);
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) add(*key, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void MouseInput(DWORD flags, DWORD wheelData) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = wheelData;
    SendInput(1, &input, sizeof(input));
}

void ClickAt(POINT screen, DWORD down, DWORD up) {
    SetCursorPos(screen.x, screen.y);
    MouseInput(down);
    MouseInput(up);
}

bool MoveCursor(int x, int y) {
    SetCursorPos(x, y);
    return PumpUntil(
        [&] {
            POINT p;
            GetCursorPos(&p);
            return p.x == x && p.y == y;
        },
        2000);
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
