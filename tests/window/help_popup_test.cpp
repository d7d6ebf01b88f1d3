// Help as the user meets it: What's This and the dialogs' context help in the
// popup, F1 and the main topic in the manual, and the manual opened by itself
// at the first start and after a newer one was installed.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "commands/Help.h"
#include "commands/HelpPopup.h"
#include "mainwindow/MainWindow.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "support/ControlSupport.h"
#include "support/Fixtures.h"
#include "support/MenuSupport.h"

namespace {

bool PopupShown() {
    HWND popup = g_helpPopup.Window();
    return popup && IsWindowVisible(popup);
}

bool PopupGoes() {
    return test::PumpUntil([] { return !PopupShown(); }, 3000);
}

class HelpPopupTest : public test::PlacedMainWindow {
protected:
    // Opens the context menu at a screen point and chooses "What's This?".
    void WhatsThisAt(POINT screen) {
        test::MenuProbe probe;
        probe.Choose(IDM_WHATS_THIS);
        SendMessageA(Window(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Window()),
                     test::PointParam(screen.x, screen.y));
        ASSERT_TRUE(probe.Seen().shown);
    }

    // The centre of the grid button on the screen.
    static POINT OnGridButton() {
        POINT centre = test::Centre(test::ButtonRect(g_mainWindow.Band().Toolbar(), IDM_TOGGLE_GRID));
        ClientToScreen(g_mainWindow.Band().Toolbar(), &centre);
        return centre;
    }
};

TEST_F(HelpPopupTest, WhatsThisShowsTheTopicOfAToolbarButtonAndOfTheView) {
    const POINT onButton = OnGridButton();
    WhatsThisAt(onButton);
    ASSERT_TRUE(test::PumpUntil(PopupShown, 3000));
    EXPECT_EQ(0u, g_helpPopup.Text().find("Grid (Ctrl+G):")) << g_helpPopup.Text();
    HWND popup = g_helpPopup.Window();
    EXPECT_EQ(Window(), GetWindow(popup, GW_OWNER));
    // Just below the click, in the info colours.
    RECT placed = {};
    GetWindowRect(popup, &placed);
    EXPECT_TRUE(placed.top > onButton.y && placed.top < onButton.y + 20) << placed.top;
    EXPECT_TRUE(placed.left < onButton.x && placed.right > onButton.x);
    EXPECT_TRUE(test::PumpUntil([&] { return test::ScreenPixel(placed.left + 3, placed.top + 3) == GetSysColor(COLOR_INFOBK); },
                                3000));

    // The next click closes it.
    test::ClickAt(ToScreen(InView(20, 20)));
    EXPECT_TRUE(PopupGoes());

    RECT view = View();
    WhatsThisAt(ToScreen(POINT{(view.left + view.right) / 2, (view.top + view.bottom) / 2}));
    ASSERT_TRUE(test::PumpUntil(PopupShown, 3000));
    EXPECT_EQ(0u, g_helpPopup.Text().find("The view:")) << g_helpPopup.Text();
    // So does the next key.
    test::TypeKeys({VK_SPACE});
    EXPECT_TRUE(PopupGoes());
}

// Presses W once a menu of this thread is open; the menu's own loop runs the timer.
void CALLBACK PressWWhenTheMenuIsOpen(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND menu = FindWindowA("#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) return;
    KillTimer(nullptr, timer);
    test::TypeKeys({'W'});
}

// The whole popup on the screen: its border at the corners and the middles of
// its edges, its paper inside the margin at the four corners, and text.
bool WholePopup(const std::vector<COLORREF>& seen, int width, int height) {
    auto at = [&](int x, int y) { return seen[static_cast<size_t>(y) * width + x]; };
    const COLORREF border = GetSysColor(COLOR_WINDOWFRAME);
    const COLORREF paper = GetSysColor(COLOR_INFOBK);
    const int right = width - 1;
    const int bottom = height - 1;
    return at(0, 0) == border && at(right, 0) == border && at(0, bottom) == border && at(right, bottom) == border &&
           at(width / 2, 0) == border && at(width / 2, bottom) == border && at(0, height / 2) == border &&
           at(right, height / 2) == border && at(3, 3) == paper && at(right - 3, 3) == paper &&
           at(3, bottom - 3) == paper && at(right - 3, bottom - 3) == paper &&
           std::find(seen.begin(), seen.end(), GetSysColor(COLOR_INFOTEXT)) != seen.end();
}

// The mouse's right button on a toolbar button, then W in the menu, in a window
// placed where a user found the popup covered by the view: another process sees
// the whole popup come up on the screen and stay as it is while it is shown.
TEST_F(HelpPopupTest, WhatsThisFromAToolbarButtonWithTheMouseAndKeysReachesTheScreen) {
    SetWindowPos(Window(), nullptr, 700, 450, 500, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    UINT_PTR timer = SetTimer(nullptr, 0, 30, PressWWhenTheMenuIsOpen);
    test::ClickAt(OnGridButton(), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    const bool shown = test::PumpUntil(PopupShown, 5000);
    KillTimer(nullptr, timer);
    ASSERT_TRUE(shown);
    EXPECT_EQ(0u, g_helpPopup.Text().find("Grid (Ctrl+G):")) << g_helpPopup.Text();

    RECT placed = {};
    GetWindowRect(g_helpPopup.Window(), &placed);
    const int width = placed.right - placed.left;
    const int height = placed.bottom - placed.top;
    // Long enough for the view's refreshes and the mouse's tooltip delay.
    const auto pictures = test::WatchScreen(placed, 3000, [] {});
    auto firstWhole = std::find_if(pictures.begin(), pictures.end(),
                                   [&](const std::vector<COLORREF>& seen) { return WholePopup(seen, width, height); });
    ASSERT_NE(pictures.end(), firstWhole) << "the popup never came up whole on the screen";
    EXPECT_EQ(pictures.end(), firstWhole + 1) << "it changed on the screen " << (pictures.end() - firstWhole - 1)
                                              << " times after it came up";
    EXPECT_TRUE(PopupShown());
    test::ClickAt(ToScreen(InView(20, 20)));
    EXPECT_TRUE(PopupGoes());
}

BOOL CALLBACK FindShownTip(HWND window, LPARAM found) {
    char name[32] = "";
    GetClassNameA(window, name, sizeof(name));
    if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0 && IsWindowVisible(window)) *reinterpret_cast<bool*>(found) = true;
    return TRUE;
}

bool TipShown() {
    bool found = false;
    EnumThreadWindows(GetCurrentThreadId(), FindShownTip, reinterpret_cast<LPARAM>(&found));
    return found;
}

// What's This on a toolbar button, the mouse resting on it: the button's tip,
// due while the popup is up, would cover its first line. Once the popup is gone
// the tips come again.
TEST_F(HelpPopupTest, NoControlTipComesUpOverThePopup) {
    POINT onButton = test::Centre(test::ButtonRect(g_mainWindow.Band().Toolbar(), IDM_COPY_ZOOMED));
    ClientToScreen(g_mainWindow.Band().Toolbar(), &onButton);
    UINT_PTR timer = SetTimer(nullptr, 0, 30, PressWWhenTheMenuIsOpen);
    test::ClickAt(onButton, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    const bool shown = test::PumpUntil(PopupShown, 5000);
    KillTimer(nullptr, timer);
    ASSERT_TRUE(shown);
    // Several times the tips' delay.
    EXPECT_FALSE(test::PumpUntil(TipShown, 2500));
    EXPECT_TRUE(PopupShown());

    test::TypeKeys({VK_ESCAPE});
    ASSERT_TRUE(PopupGoes());
    test::MoveCursor(onButton.x + 2, onButton.y + 1);
    EXPECT_TRUE(test::PumpUntil(TipShown, 5000));
}

// A window of ours with one control, as the Options dialog calls help for its controls.
TEST(HelpPopup, AnOptionsControlShowsItsTopicAtTheMouseOrAtTheControl) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND dialog = CreateWindowExA(0, "STATIC", "Options", WS_POPUP | WS_CAPTION | WS_VISIBLE, 200, 200, 300, 200,
                                  nullptr, nullptr, instance, nullptr);
    HWND control = CreateWindowExA(0, "BUTTON", "Use &transparency", WS_CHILD | WS_VISIBLE, 100, 50, 120, 24, dialog,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(1022)), instance, nullptr);
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 600, 200, 99, 99, nullptr, nullptr, instance,
                                 nullptr);
    const DWORD list[] = {1022, HELP_TOPIC_OPTIONS_BASE + 1022, 0, 0};
    const ULONG_PTR data = reinterpret_cast<ULONG_PTR>(list);

    // At the mouse in the screen's corner: kept on the screen, above and left of the mouse.
    POINT mouse = {GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2};
    SetCursorPos(mouse.x, mouse.y);
    ASSERT_TRUE(ShowHelp(control, HELP_CONTEXTMENU, data));
    ASSERT_TRUE(PopupShown());
    EXPECT_EQ(0u, g_helpPopup.Text().find("Use transparency: makes the Ocularix window")) << g_helpPopup.Text();
    EXPECT_EQ(dialog, GetWindow(g_helpPopup.Window(), GW_OWNER));
    RECT placed = {};
    GetWindowRect(g_helpPopup.Window(), &placed);
    EXPECT_EQ(mouse.x + 2, placed.right);
    EXPECT_LT(placed.bottom, mouse.y);
    // Wrapped to a readable width: several lines, far narrower than the screen.
    EXPECT_LT(placed.right - placed.left, 400);
    EXPECT_GT(placed.bottom - placed.top, 40);

    // At the control (F1): just below it. Losing activation closes it.
    ASSERT_TRUE(ShowHelp(control, HELP_WM_HELP, data));
    RECT button = {};
    GetWindowRect(control, &button);
    GetWindowRect(g_helpPopup.Window(), &placed);
    EXPECT_TRUE(placed.top >= button.bottom && placed.top < button.bottom + 10) << placed.top;
    SetForegroundWindow(other);
    SetActiveWindow(other);
    EXPECT_TRUE(PopupGoes());

    // HELP_QUIT closes it; a control the list does not name gets the general text.
    const DWORD otherList[] = {1021, HELP_TOPIC_OPTIONS_BASE + 1021, 0, 0};
    ASSERT_TRUE(ShowHelp(control, HELP_WM_HELP, reinterpret_cast<ULONG_PTR>(otherList)));
    EXPECT_EQ("No help topic is associated with this item.", g_helpPopup.Text());
    EXPECT_TRUE(ShowHelp(dialog, HELP_QUIT, 0));
    EXPECT_FALSE(PopupShown());
    DestroyWindow(other);
    DestroyWindow(dialog);
}

bool OpenedWas(const FILETIME& written) {
    return CompareFileTime(&written, &g_settings.HelpFileTime) == 0;
}

void WriteManual(const std::string& path, DWORD writtenLow) {
    const FILETIME written = {writtenLow, 0x01D00000};
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    SetFileTime(file, nullptr, nullptr, &written);
    CloseHandle(file);
}

// The main window started in a current directory of its own, with a manual
// beside the test program.
class ManualOnStartup : public test::PlacedMainWindow {
protected:
    ManualOnStartup() : PlacedMainWindow(RECT{}, kEachTestMakesIt) {}
    void SetUp() override {
        PlacedMainWindow::SetUp();
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        GetCurrentDirectoryA(MAX_PATH, previous_);
        here_ = std::string(temp) + "ocularix_manual_test\\";
        CreateDirectoryA(here_.c_str(), nullptr);
        ASSERT_TRUE(SetCurrentDirectoryA(here_.c_str()));
        WriteManual(besideProgram_, 0);
        test::OpenedManuals().clear();
    }
    void TearDown() override {
        PlacedMainWindow::TearDown();
        SetCurrentDirectoryA(previous_);
        DeleteFileA((here_ + kHelpFileName).c_str());
        RemoveDirectoryA(here_.c_str());
        DeleteFileA(besideProgram_.c_str());
    }
    // Starts and closes the main window; how many times the manual was opened so far.
    size_t StartAndClose() {
        EXPECT_TRUE(Create());
        test::DestroyMainWindowForTest();
        return test::OpenedManuals().size();
    }

    char previous_[MAX_PATH] = "";
    std::string here_;
    const std::string besideProgram_ = test::ProgramFolder() + kHelpFileName;
};

TEST_F(ManualOnStartup, OpensByItselfOnceForEachNewerManualHereAndOnF1FromBesideTheProgram) {
    // No manual here: nothing opens by itself, while F1 and the main topic open the one beside the program.
    ASSERT_TRUE(Create());
    EXPECT_TRUE(test::OpenedManuals().empty());
    SetForegroundWindow(g_mainWindow.Window());
    SetFocus(g_mainWindow.Window());
    test::TypeKeys({VK_F1});
    ASSERT_TRUE(test::PumpUntil([] { return test::OpenedManuals().size() == 1; }, 3000));
    EXPECT_EQ(besideProgram_, test::OpenedManuals()[0]);
    SendMessageA(g_mainWindow.Window(), WM_COMMAND, IDM_HELP_TOPICS, 0);
    EXPECT_EQ(2u, test::OpenedManuals().size());
    test::DestroyMainWindowForTest();

    const std::string manualHere = here_ + kHelpFileName;
    WriteManual(manualHere, 1000);
    EXPECT_EQ(3u, StartAndClose());
    EXPECT_TRUE(OpenedWas(FILETIME{1000, 0x01D00000}));
    EXPECT_EQ(3u, StartAndClose());
    WriteManual(manualHere, 1001);
    EXPECT_EQ(4u, StartAndClose());
    EXPECT_TRUE(OpenedWas(FILETIME{1001, 0x01D00000}));
    WriteManual(manualHere, 999);
    EXPECT_EQ(4u, StartAndClose());
    EXPECT_EQ(besideProgram_, test::OpenedManuals()[3]);

    // With no manual beside the program there is nothing to open: F1 only beeps.
    DeleteFileA(besideProgram_.c_str());
    ASSERT_TRUE(Create());
    HELPINFO info = {};
    info.cbSize = sizeof(info);
    SendMessageA(g_mainWindow.Window(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(4u, test::OpenedManuals().size());
}

// The topic table in the program's resources, and the help lists that lead to it.
INT_PTR CALLBACK InertDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// The ids of the Options dialog's controls; when the dialog template is there,
// every control it has with an id as well.
std::set<DWORD> OptionsControlIds() {
    std::set<DWORD> ids = {1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1013,
                           1018, 1019, 1020, 1021, 1022, 1023, 1024, 1025, 1,    2};
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_UPDOWN_CLASS | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&classes);
    HWND dialog =
        CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_OPTIONS), nullptr, InertDialogProc, 0);
    for (HWND child = dialog ? GetWindow(dialog, GW_CHILD) : nullptr; child; child = GetWindow(child, GW_HWNDNEXT)) {
        WORD id = static_cast<WORD>(GetDlgCtrlID(child));
        if (id != 0xFFFF) ids.insert(id);
    }
    if (dialog) DestroyWindow(dialog);
    return ids;
}

TEST(HelpTopics, EveryTopicTheProgramAsksForHasAText) {
    std::set<DWORD> topics = {HELP_TOPIC_SAVE_ZOOMED, 113, 114, 115, 116, 118, 119, 120, 121, 122,
                              112, 32774, 32771, 32772, 4009, 4027, 4017};
    for (DWORD id : OptionsControlIds()) topics.insert(HELP_TOPIC_OPTIONS_BASE + id);
    for (DWORD topic : topics) {
        std::string text;
        EXPECT_TRUE(LoadTopicText(topic, &text)) << "topic " << std::hex << topic;
        EXPECT_GT(text.size(), 20u) << "topic " << std::hex << topic;
    }
    std::string none;
    EXPECT_FALSE(LoadTopicText(117, &none));
}

}  // namespace
