// Help as the user meets it: What's This and the dialogs' context help in the
// popup, F1 and the main topic in the manual, and the manual opened by itself
// at the first start and after a newer one was installed.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "commands/Help.h"
#include "commands/HelpPopup.h"
#include "mainwindow/MainWindow.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "support/MenuSupport.h"
#include "support/TestSupport.h"

namespace {

bool PopupShown() {
    HWND popup = g_helpPopup.Window();
    return popup && IsWindowVisible(popup);
}

bool StartsWith(const std::string& text, const char* start) {
    return text.compare(0, strlen(start), start) == 0;
}

void Send(INPUT input) {
    SendInput(1, &input, sizeof(input));
}

void ClickAt(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    Send(input);
    input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    Send(input);
}

void PressKey(WORD key) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    Send(input);
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    Send(input);
}

RECT WorkArea(POINT at) {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoA(MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

class HelpPopupTest : public test::MainWindowTest {
protected:
    // Opens the context menu at a screen point and chooses "What's This?".
    void WhatsThisAt(POINT screen) {
        test::MenuProbe probe;
        probe.Choose(IDM_WHATS_THIS);
        SendMessageA(Window(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Window()),
                     test::PointParam(screen.x, screen.y));
        ASSERT_TRUE(probe.Seen().shown);
    }
};

TEST_F(HelpPopupTest, WhatsThisShowsTheTopicOfAToolbarButtonAndOfTheView) {
    RECT button = {};
    SendMessageA(g_mainWindow.toolbar, TB_GETRECT, IDM_TOGGLE_GRID, reinterpret_cast<LPARAM>(&button));
    POINT onButton = {(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    ClientToScreen(g_mainWindow.toolbar, &onButton);
    WhatsThisAt(onButton);
    ASSERT_TRUE(test::PumpUntil(PopupShown, 3000));
    EXPECT_TRUE(StartsWith(g_helpPopup.Text(), "Grid (Ctrl+G):")) << g_helpPopup.Text();
    HWND popup = g_helpPopup.Window();
    EXPECT_EQ(Window(), GetWindow(popup, GW_OWNER));
    // Just below the click, in the info colours.
    RECT placed = {};
    GetWindowRect(popup, &placed);
    EXPECT_GT(placed.top, onButton.y);
    EXPECT_LT(placed.top, onButton.y + 20);
    EXPECT_LT(placed.left, onButton.x);
    EXPECT_GT(placed.right, onButton.x);
    EXPECT_TRUE(test::PumpUntil([&] { return test::ScreenPixel(placed.left + 3, placed.top + 3) == GetSysColor(COLOR_INFOBK); },
                                3000));

    // The next click closes it.
    ClickAt(ToScreen(InView(20, 20)));
    EXPECT_TRUE(test::PumpUntil([] { return !PopupShown(); }, 3000));

    RECT view = View();
    WhatsThisAt(ToScreen(POINT{(view.left + view.right) / 2, (view.top + view.bottom) / 2}));
    ASSERT_TRUE(test::PumpUntil(PopupShown, 3000));
    EXPECT_TRUE(StartsWith(g_helpPopup.Text(), "The view:")) << g_helpPopup.Text();
    // So does the next key.
    PressKey(VK_SPACE);
    EXPECT_TRUE(test::PumpUntil([] { return !PopupShown(); }, 3000));
}

// A window of ours with one control, as the Options dialog calls help for its controls.
TEST(HelpPopup, AnOptionsControlShowsItsTopicAtTheMouseOrAtTheControl) {
    HWND dialog = CreateWindowExA(0, "STATIC", "Options", WS_POPUP | WS_CAPTION | WS_VISIBLE, 200, 200, 300, 200,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND control = CreateWindowExA(0, "BUTTON", "Use &transparency", WS_CHILD | WS_VISIBLE, 100, 50, 120, 24, dialog,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(1022)), GetModuleHandleA(nullptr),
                                   nullptr);
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 600, 200, 100, 100, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, control);
    const DWORD list[] = {1022, HELP_TOPIC_OPTIONS_BASE + 1022, 0, 0};
    const ULONG_PTR data = reinterpret_cast<ULONG_PTR>(list);

    // At the mouse, in the screen's corner: kept on the monitor, above and left of the mouse.
    RECT work = WorkArea(POINT{0, 0});
    POINT mouse = {work.right - 2, work.bottom - 2};
    SetCursorPos(mouse.x, mouse.y);
    ASSERT_TRUE(ShowHelp(control, HELP_CONTEXTMENU, data));
    ASSERT_TRUE(test::PumpUntil(PopupShown, 3000));
    EXPECT_TRUE(StartsWith(g_helpPopup.Text(), "Use transparency: makes the Ocularix window")) << g_helpPopup.Text();
    EXPECT_EQ(dialog, GetWindow(g_helpPopup.Window(), GW_OWNER));
    RECT placed = {};
    GetWindowRect(g_helpPopup.Window(), &placed);
    EXPECT_EQ(work.right, placed.right);
    EXPECT_LT(placed.bottom, mouse.y);
    EXPECT_GE(placed.left, work.left);
    EXPECT_GE(placed.top, work.top);
    // Wrapped to a readable width: several lines, far narrower than the screen.
    EXPECT_LT(placed.right - placed.left, 400);
    EXPECT_GT(placed.bottom - placed.top, 30);

    // At the control (F1): below it. Losing activation closes it.
    ASSERT_TRUE(ShowHelp(control, HELP_WM_HELP, data));
    ASSERT_TRUE(test::PumpUntil(PopupShown, 3000));
    RECT button = {};
    GetWindowRect(control, &button);
    GetWindowRect(g_helpPopup.Window(), &placed);
    EXPECT_GE(placed.top, button.bottom);
    EXPECT_LT(placed.top, button.bottom + 10);
    SetForegroundWindow(other);
    SetActiveWindow(other);
    EXPECT_TRUE(test::PumpUntil([] { return !PopupShown(); }, 3000));

    // HELP_QUIT closes it; a control the list does not name gets the general text.
    const DWORD otherList[] = {1021, HELP_TOPIC_OPTIONS_BASE + 1021, 0, 0};
    ASSERT_TRUE(ShowHelp(control, HELP_WM_HELP, reinterpret_cast<ULONG_PTR>(otherList)));
    EXPECT_EQ("No help topic is associated with this item.", g_helpPopup.Text());
    EXPECT_TRUE(ShowHelp(dialog, HELP_QUIT, 0));
    EXPECT_FALSE(PopupShown());

    DestroyWindow(other);
    DestroyWindow(dialog);
}

FILETIME Time(DWORD high, DWORD low) {
    FILETIME time = {low, high};
    return time;
}

bool SameTime(const FILETIME& a, const FILETIME& b) {
    return CompareFileTime(&a, &b) == 0;
}

void WriteManual(const std::string& path, const FILETIME& written) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(SetFileTime(file, nullptr, nullptr, &written));
    CloseHandle(file);
}

// Starts the main window in a current directory of its own, with a manual
// beside the test program.
class ManualOnStartup : public ::testing::Test {
protected:
    void SetUp() override {
        test::DeleteSettingsKey();
        test::ReloadSettings();
        g_settings.MouseTracking = 0;
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        here_ = std::string(temp) + "ocularix_manual_test";
        CreateDirectoryA(here_.c_str(), nullptr);
        GetCurrentDirectoryA(MAX_PATH, previous_);
        ASSERT_TRUE(SetCurrentDirectoryA(here_.c_str()));
        manualHere_ = here_ + "\\" + kHelpFileName;
        besideProgram_ = test::ProgramFolder() + kHelpFileName;
        WriteManual(besideProgram_, Time(0x01D00000, 0));
        test::OpenedManuals().clear();
    }
    void TearDown() override {
        test::DestroyMainWindowForTest();
        SetCurrentDirectoryA(previous_);
        DeleteFileA(manualHere_.c_str());
        RemoveDirectoryA(here_.c_str());
        DeleteFileA(besideProgram_.c_str());
        test::DeleteSettingsKey();
        test::ReloadSettings();
    }
    // Starts and closes the main window; how many times the manual was opened so far.
    size_t StartAndClose() {
        EXPECT_TRUE(test::CreateMainWindowForTest());
        test::DestroyMainWindowForTest();
        return test::OpenedManuals().size();
    }

    char previous_[MAX_PATH] = "";
    std::string here_;
    std::string manualHere_;
    std::string besideProgram_;
};

TEST_F(ManualOnStartup, OpensOnceForEachNewerManualInTheCurrentDirectory) {
    const FILETIME first = Time(0x01D00000, 1000);
    WriteManual(manualHere_, first);
    ASSERT_EQ(1u, StartAndClose());
    EXPECT_EQ(besideProgram_, test::OpenedManuals()[0]);
    EXPECT_TRUE(SameTime(first, g_settings.HelpFileTime));
    EXPECT_EQ(1u, StartAndClose());

    const FILETIME newer = Time(0x01D00000, 1001);
    WriteManual(manualHere_, newer);
    EXPECT_EQ(2u, StartAndClose());
    EXPECT_TRUE(SameTime(newer, g_settings.HelpFileTime));
    EXPECT_EQ(2u, StartAndClose());

    WriteManual(manualHere_, Time(0x01C00000, 0));
    EXPECT_EQ(2u, StartAndClose());
    EXPECT_TRUE(SameTime(newer, g_settings.HelpFileTime));
}

TEST_F(ManualOnStartup, WithoutAManualHereOnlyF1AndTheMainTopicOpenTheOneBesideTheProgram) {
    ASSERT_TRUE(test::CreateMainWindowForTest());
    EXPECT_TRUE(test::OpenedManuals().empty());
    EXPECT_TRUE(SameTime(Time(0, 0), g_settings.HelpFileTime));

    SetForegroundWindow(g_mainWindow.window);
    SetFocus(g_mainWindow.window);
    PressKey(VK_F1);
    ASSERT_TRUE(test::PumpUntil([] { return test::OpenedManuals().size() == 1; }, 3000));
    EXPECT_EQ(besideProgram_, test::OpenedManuals()[0]);
    SendMessageA(g_mainWindow.window, WM_COMMAND, IDM_HELP_TOPICS, 0);
    EXPECT_EQ(2u, test::OpenedManuals().size());

    // With no manual beside the program there is nothing to open: F1 only beeps.
    DeleteFileA(besideProgram_.c_str());
    HELPINFO info = {};
    info.cbSize = sizeof(info);
    SendMessageA(g_mainWindow.window, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(2u, test::OpenedManuals().size());
}

}  // namespace
