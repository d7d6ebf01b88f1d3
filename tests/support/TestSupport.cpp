#include "support/TestSupport.h"

#include "common/Dib.h"

#include "app/Application.h"
#include "commands/Help.h"
#include "mainwindow/MainWindow.h"
#include "settings/Settings.h"

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

}  // namespace test
