// The stage on which scripts/bench.sh measures the real program: settings for
// a still 800x600 view at zoom 3 refreshing at "Fast", a window of known pixels
// to magnify, the program's window sized and placed, the pointer put down.
//
//   program_bench.exe prepare <following>       write the settings, then start Ocularix.exe
//   program_bench.exe stage <following> <changing> <seconds> [alone]
//        show the pattern, arrange the program's window and the pointer, print
//        "ready", and keep the pattern up for that long; with changing 1 one
//        pixel of the magnified area changes every 50 ms, so that every refresh
//        has a new frame to paint; alone, without the program, for the idle
//        load of the Wine prefix.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "common/Names.h"
#include "settings/Settings.h"
#include "support/ViewSupport.h"

namespace {

constexpr int kViewWidth = 800;
constexpr int kViewHeight = 600;
constexpr int kZoom = 3;
constexpr int kFastSpeed = 4;
constexpr int kFastIntervalMs = 50;
const RECT kPattern = {20, 60, 420, 460};
constexpr int kProgramLeft = 440;
constexpr int kProgramTop = 40;
constexpr UINT_PTR kChangeTimer = 1;

POINT PatternCentre() {
    POINT centre = {(kPattern.left + kPattern.right) / 2, (kPattern.top + kPattern.bottom) / 2};
    return centre;
}

void Store(HKEY key, const char* name, DWORD type, const void* data, DWORD size) {
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
}

void StoreDword(HKEY key, const char* name, DWORD value) {
    Store(key, name, REG_DWORD, &value, sizeof(value));
}

void StoreByte(HKEY key, const char* name, BYTE value) {
    Store(key, name, REG_BINARY, &value, sizeof(value));
}

int Prepare(bool following) {
    RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKeyPath);
    HKEY key = nullptr;
    if (RegCreateKeyA(HKEY_CURRENT_USER, kSettingsKeyPath, &key) != ERROR_SUCCESS) return 1;
    StoreDword(key, "ZoomFactor", kZoom);
    StoreDword(key, "Update", kFastSpeed);
    StoreDword(key, "Update3", kFastIntervalMs);
    StoreByte(key, "MouseTracking", following ? 1 : 0);
    POINT centre = PatternCentre();
    Store(key, "ZoomPoint", REG_BINARY, &centre, sizeof(centre));
    // The manual stays closed: no newer one can be found.
    FILETIME latest = {0xFFFFFFFFu, 0x7FFFFFFFu};
    Store(key, "HelpFileTime", REG_BINARY, &latest, sizeof(latest));
    RegCloseKey(key);
    // This process writes its settings at exit too: they must be the ones just stored.
    g_settings.LoadSettings();
    return 0;
}

HWND WaitForProgram() {
    for (int i = 0; i < 200; ++i) {
        HWND window = FindWindowA(names::kMainWindowClass, nullptr);
        if (window && IsWindowVisible(window)) return window;
        Sleep(50);
    }
    return nullptr;
}

int ChildHeight(HWND parent, int id) {
    HWND child = GetDlgItem(parent, id);
    RECT rect = {0, 0, 0, 0};
    if (child && IsWindowVisible(child)) GetWindowRect(child, &rect);
    return rect.bottom - rect.top;
}

// The view is the client area less the toolbar band (its window, whose bottom
// border lies under the view) and the status bar.
SIZE ViewSize(HWND program) {
    RECT client;
    GetClientRect(program, &client);
    const int band = ChildHeight(program, 1);
    const int status = ChildHeight(program, 3);
    SIZE size = {client.right, client.bottom - (band > 2 ? band - 2 : 0) - status};
    return size;
}

bool Arrange(HWND program) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        SIZE view = ViewSize(program);
        RECT frame;
        GetWindowRect(program, &frame);
        const int width = frame.right - frame.left + kViewWidth - view.cx;
        const int height = frame.bottom - frame.top + kViewHeight - view.cy;
        SetWindowPos(program, nullptr, kProgramLeft, kProgramTop, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        Sleep(200);
        view = ViewSize(program);
        if (view.cx == kViewWidth && view.cy == kViewHeight) return true;
    }
    return false;
}

POINT ViewCentre(HWND program) {
    RECT client;
    GetClientRect(program, &client);
    const int band = ChildHeight(program, 1);
    POINT centre = {kViewWidth / 2, (band > 2 ? band - 2 : 0) + kViewHeight / 2};
    ClientToScreen(program, &centre);
    return centre;
}

void CALLBACK ChangeOnePixel(HWND window, UINT, UINT_PTR, DWORD) {
    static bool lit = false;
    lit = !lit;
    HDC dc = GetDC(window);
    const POINT centre = PatternCentre();
    SetPixel(dc, centre.x - kPattern.left + 5, centre.y - kPattern.top + 5, lit ? RGB(255, 255, 255) : RGB(0, 0, 0));
    ReleaseDC(window, dc);
}

// Says "ready", then sleeps in GetMessage until the end, so that the stage
// itself costs nothing.
int Idle(int seconds) {
    printf("ready\n");
    fflush(stdout);
    SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && !message.hwnd && !message.lParam) break;
        DispatchMessageA(&message);
    }
    return 0;
}

int Stage(bool following, bool changing, int seconds, bool alone) {
    test::PatternWindow pattern(kPattern.left, kPattern.top, kPattern.right - kPattern.left,
                                kPattern.bottom - kPattern.top);
    pattern.WaitUntilOnScreen();
    if (alone) return Idle(seconds);
    HWND program = WaitForProgram();
    if (!program) {
        fprintf(stderr, "Ocularix did not start\n");
        return 1;
    }
    if (!Arrange(program)) {
        fprintf(stderr, "the view could not be made %dx%d\n", kViewWidth, kViewHeight);
        return 1;
    }
    // Following, the pointer rests over the view; otherwise over the pattern,
    // whose colour the status bar then shows.
    const POINT pointer = following ? ViewCentre(program) : PatternCentre();
    SetCursorPos(pointer.x, pointer.y);
    if (changing) SetTimer(pattern.Window(), kChangeTimer, kFastIntervalMs, ChangeOnePixel);
    return Idle(seconds);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && strcmp(argv[1], "prepare") == 0) return Prepare(atoi(argv[2]) != 0);
    if (argc >= 5 && strcmp(argv[1], "stage") == 0) {
        return Stage(atoi(argv[2]) != 0, atoi(argv[3]) != 0, atoi(argv[4]), argc >= 6 && strcmp(argv[5], "alone") == 0);
    }
    fprintf(stderr, "usage: program_bench prepare <following> | stage <following> <changing> <seconds> [alone]\n");
    return 2;
}
