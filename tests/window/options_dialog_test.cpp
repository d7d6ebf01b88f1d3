// The Options dialog driven through its controls under Wine: what it shows,
// what it refuses, where its help goes, and what OK, Cancel, Esc and the close
// box leave in the settings and the registry.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "commands/Help.h"
#include "dialogs/OptionsDialog.h"
#include "mainwindow/MainWindow.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "support/DialogSupport.h"
#include "support/MenuSupport.h"
#include "support/TestSupport.h"

namespace {

using test::Click;
using test::ItemText;

const std::string kBadRate = "Ocularix: Invalid update specified.\nA valid update should be between 1 and 50.";
const std::string kBadGrid = "Ocularix: Invalid grid size specified.\nA valid grid size should be between 1 and 128.";
constexpr COLORREF kPickedColour = RGB(10, 200, 30);
constexpr WORD kCtrlShift = HOTKEYF_CONTROL | HOTKEYF_SHIFT;

DWORD Stored(const char* name) {
    DWORD value = 0;
    DWORD size = sizeof(value);
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0xDEADu;
    RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    return value;
}

WORD HotKey(HWND dialog, int id) {
    return LOWORD(SendDlgItemMessageA(dialog, id, HKM_GETHOTKEY, 0, 0));
}

// Presses OK; "caption: text" of the message box that refuses it, "" when none came.
std::string RefusalOnOk(HWND dialog) {
    std::string seen;
    test::DialogProbe box(dialog, [&](HWND shown) {
        seen = test::WindowText(shown) + ": " + ItemText(shown, 0xFFFF);
        Click(shown, IDOK);
    });
    Click(dialog, IDOK);
    return seen;
}

// Picks a colour in Wine's colour dialog through its red, green and blue fields.
void PickColour(HWND dialog, COLORREF colour) {
    test::DialogProbe chooser(dialog, [colour](HWND shown) {
        SetDlgItemInt(shown, 706, GetRValue(colour), FALSE);
        SetDlgItemInt(shown, 707, GetGValue(colour), FALSE);
        SetDlgItemInt(shown, 708, GetBValue(colour), FALSE);
        Click(shown, IDOK);
    });
    Click(dialog, IDC_OPTIONS_GRID_COLOUR);
    EXPECT_TRUE(chooser.Ran());
}

class OptionsDialogTest : public test::MainWindowTest {
protected:
    // Opens the dialog from a carrier of the main window; the action runs inside it.
    void Run(std::function<void(HWND)> action, UINT message = WM_COMMAND, WPARAM carrier = IDM_OPTIONS) {
        test::DialogProbe probe(Window(), std::move(action));
        SendMessageA(Window(), message, carrier, 0);
        EXPECT_TRUE(probe.Ran());
        EXPECT_FALSE(probe.LeftOpen());
    }
};

TEST_F(OptionsDialogTest, ShowsTheDefaultsAndOkStoresTheEditsInTheRegistry) {
    Run([](HWND dialog) {
        EXPECT_EQ("Options", test::WindowText(dialog));
        EXPECT_EQ("1", ItemText(dialog, IDC_OPTIONS_SLOW_RATE));
        EXPECT_EQ("10", ItemText(dialog, IDC_OPTIONS_MEDIUM_RATE));
        EXPECT_EQ("20", ItemText(dialog, IDC_OPTIONS_FAST_RATE));
        EXPECT_EQ("1", ItemText(dialog, IDC_OPTIONS_GRID_SIZE));
        EXPECT_EQ(MAKEWORD('C', kCtrlShift), HotKey(dialog, IDC_OPTIONS_COLOUR_HOT_KEY));
        EXPECT_EQ(MAKEWORD('B', kCtrlShift), HotKey(dialog, IDC_OPTIONS_BITMAP_HOT_KEY));
        EXPECT_TRUE(IsDlgButtonChecked(dialog, IDC_OPTIONS_COLOUR_RGB));
        EXPECT_TRUE(IsDlgButtonChecked(dialog, IDC_OPTIONS_CURSOR_WHEN_FOLLOWING));
        EXPECT_FALSE(IsDlgButtonChecked(dialog, IDC_OPTIONS_TRANSPARENT));

        SetDlgItemTextA(dialog, IDC_OPTIONS_SLOW_RATE, "36");
        SetDlgItemTextA(dialog, IDC_OPTIONS_MEDIUM_RATE, "48");
        SetDlgItemTextA(dialog, IDC_OPTIONS_FAST_RATE, "5");
        SetDlgItemTextA(dialog, IDC_OPTIONS_GRID_SIZE, "128");
        Click(dialog, IDC_OPTIONS_COLOUR_HEX);
        Click(dialog, IDC_OPTIONS_TRANSPARENT);
        Click(dialog, IDC_OPTIONS_CURSOR_WHEN_FOLLOWING);
        SendDlgItemMessageA(dialog, IDC_OPTIONS_COLOUR_HOT_KEY, HKM_SETHOTKEY, MAKEWORD('K', HOTKEYF_ALT), 0);
        PickColour(dialog, kPickedColour);
        Click(dialog, IDOK);
    });
    EXPECT_EQ(27u, Stored("Update1"));
    EXPECT_EQ(20u, Stored("Update2"));
    EXPECT_EQ(200u, Stored("Update3"));
    EXPECT_EQ(128u, Stored("GridSize"));
    EXPECT_EQ(kPickedColour, Stored("GridColor"));
    EXPECT_EQ(0u, Stored("DisplayRGBColourPanel"));
    EXPECT_EQ(1u, Stored("Transparent"));
    EXPECT_EQ(0u, Stored("DisplayMouseWhenFollowing"));
    EXPECT_EQ(static_cast<DWORD>('K'), Stored("nHotKeyColourVK"));
    EXPECT_EQ(static_cast<DWORD>(HOTKEYF_ALT), Stored("nHotKeyColourModifiers"));
    EXPECT_EQ(static_cast<DWORD>('B'), Stored("nHotKeyBitmapVK"));
    // The caller made the window translucent at once.
    EXPECT_NE(0, GetWindowLongA(Window(), GWL_EXSTYLE) & WS_EX_LAYERED);

    Run([](HWND dialog) {
        EXPECT_EQ("37", ItemText(dialog, IDC_OPTIONS_SLOW_RATE));
        EXPECT_EQ("50", ItemText(dialog, IDC_OPTIONS_MEDIUM_RATE));
        Click(dialog, IDCANCEL);
    });
}

TEST_F(OptionsDialogTest, RefusesRatesAndGridSizesOutOfRangeAndPutsTheFocusOnTheField) {
    g_settings.Update1 = 1500;  // no whole rate: shown as 0
    g_settings.Update3 = 0;     // only an outside change can store this
    Run([](HWND dialog) {
        EXPECT_EQ("0", ItemText(dialog, IDC_OPTIONS_SLOW_RATE));
        EXPECT_EQ("0", ItemText(dialog, IDC_OPTIONS_FAST_RATE));
        EXPECT_EQ(kBadRate, RefusalOnOk(dialog));
        EXPECT_EQ(GetDlgItem(dialog, IDC_OPTIONS_SLOW_RATE), GetFocus());
        SetDlgItemTextA(dialog, IDC_OPTIONS_SLOW_RATE, "2");
        SetDlgItemTextA(dialog, IDC_OPTIONS_FAST_RATE, "25");
        for (const char* text : {"0", "", "fast", "51"}) {
            SetDlgItemTextA(dialog, IDC_OPTIONS_MEDIUM_RATE, text);
            EXPECT_EQ(kBadRate, RefusalOnOk(dialog)) << text;
            EXPECT_EQ(GetDlgItem(dialog, IDC_OPTIONS_MEDIUM_RATE), GetFocus());
        }
        SetDlgItemTextA(dialog, IDC_OPTIONS_MEDIUM_RATE, "50");
        SetDlgItemTextA(dialog, IDC_OPTIONS_GRID_SIZE, "129");
        EXPECT_EQ(kBadGrid, RefusalOnOk(dialog));
        EXPECT_EQ(GetDlgItem(dialog, IDC_OPTIONS_GRID_SIZE), GetFocus());
        SetDlgItemTextA(dialog, IDC_OPTIONS_GRID_SIZE, "128");
        EXPECT_EQ("", RefusalOnOk(dialog));
    });
    EXPECT_EQ(500, g_settings.Update1);
    EXPECT_EQ(20, g_settings.Update2);
    EXPECT_EQ(40, g_settings.Update3);
    EXPECT_EQ(128, g_settings.GridSize);
}

TEST_F(OptionsDialogTest, CancelEscAndTheCloseBoxKeepEverythingAlsoAfterAPickedColourAndARefusedOk) {
    const std::vector<std::function<void(HWND)>> waysOut = {
        [](HWND dialog) { Click(dialog, IDCANCEL); },
        [](HWND) { PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0); },
        [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    for (const auto& leave : waysOut) {
        Run(
            [&leave](HWND dialog) {
                PickColour(dialog, kPickedColour);
                Click(dialog, IDC_OPTIONS_TRANSPARENT);
                SetDlgItemTextA(dialog, IDC_OPTIONS_SLOW_RATE, "7");
                SetDlgItemTextA(dialog, IDC_OPTIONS_GRID_SIZE, "129");
                EXPECT_EQ(kBadGrid, RefusalOnOk(dialog));
                leave(dialog);
            },
            WM_SYSCOMMAND, IDM_SYS_OPTIONS);
        EXPECT_EQ(0u, g_settings.GridColor);
        EXPECT_EQ(0, g_settings.Transparent);
        EXPECT_EQ(1000, g_settings.Update1);
        EXPECT_EQ(0xDEADu, Stored("GridColor"));  // nothing written: the key was never made
    }
}

struct HelpCall {
    HWND window;
    UINT command;
    DWORD controlId;
    DWORD topic;
};
std::vector<HelpCall> g_helpCalls;

BOOL RecordHelp(HWND window, UINT command, ULONG_PTR data) {
    const DWORD* topics = reinterpret_cast<const DWORD*>(data);
    g_helpCalls.push_back(HelpCall{window, command, topics[0], topics[1]});
    return TRUE;
}

void RightClick(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    SetCursorPos(rect.left + 4, rect.top + 4);
    mouse_event(MOUSEEVENTF_RIGHTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_RIGHTUP, 0, 0, 0, 0);
}

TEST_F(OptionsDialogTest, RightClicksAndF1AskForTheTopicsOfNamedControlsOnly) {
    g_helpCalls.clear();
    g_optionsContextHelp = &RecordHelp;
    HWND rgb = nullptr, colourButton = nullptr;
    Run([&](HWND dialog) {
        rgb = GetDlgItem(dialog, IDC_OPTIONS_COLOUR_RGB);
        colourButton = GetDlgItem(dialog, IDC_OPTIONS_GRID_COLOUR);
        RightClick(FindWindowExA(dialog, nullptr, "Static", "&Slow:"));
        RightClick(rgb);  // inside a group box, which lies in front of it
        SetFocus(colourButton);
        keybd_event(VK_F1, 0, 0, 0);
        keybd_event(VK_F1, 0, KEYEVENTF_KEYUP, 0);
        test::PumpUntil([] { return g_helpCalls.size() >= 2; }, 3000);
        Click(dialog, IDCANCEL);
    });
    g_optionsContextHelp = &ShowHelp;
    ASSERT_EQ(2u, g_helpCalls.size());
    EXPECT_EQ(rgb, g_helpCalls[0].window);
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXTMENU), g_helpCalls[0].command);
    EXPECT_EQ(1003u, g_helpCalls[0].controlId);
    EXPECT_EQ(2156790763u, g_helpCalls[0].topic);
    EXPECT_EQ(colourButton, g_helpCalls[1].window);
    EXPECT_EQ(static_cast<UINT>(HELP_WM_HELP), g_helpCalls[1].command);
    EXPECT_EQ(1020u, g_helpCalls[1].controlId);
    EXPECT_EQ(0x808E0000u + 1020, g_helpCalls[1].topic);
}

// Wine does not hand a DIALOGEX template's help ids to its controls, so they
// are read from the template itself.
TEST(OptionsTemplate, ListsTheControlsInTabOrderWithTheirHelpTopics) {
    HRSRC found = FindResourceExA(nullptr, MAKEINTRESOURCEA(5), MAKEINTRESOURCEA(IDD_OPTIONS),
                                  MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK));
    ASSERT_NE(nullptr, found);
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
    auto word = [&](size_t offset) { return *reinterpret_cast<const WORD*>(data + offset); };
    auto dword = [&](size_t offset) { return *reinterpret_cast<const DWORD*>(data + offset); };
    auto skipText = [&](size_t offset) {  // a name or an ordinal
        if (word(offset) == 0xFFFF) return offset + 4;
        while (word(offset) != 0) offset += 2;
        return offset + 2;
    };
    ASSERT_EQ(0xFFFF, word(2));  // an extended template
    EXPECT_EQ(static_cast<DWORD>(DS_CONTEXTHELP), dword(12) & DS_CONTEXTHELP);
    int count = word(16);
    size_t at = skipText(skipText(skipText(26)));  // menu, class, title
    at = skipText(at + 6);                          // font size, weight, italic, charset, face
    std::vector<int> ids;
    for (int i = 0; i < count; ++i) {
        at = (at + 3) & ~size_t(3);
        int id = static_cast<int>(dword(at + 20));
        ids.push_back(id);
        EXPECT_EQ(id == -1 ? 0u : 0x808E0000u + id, dword(at)) << id;
        at = skipText(skipText(at + 24));
        at += 2 + word(at);
    }
    const std::vector<int> tabOrder = {-1,   1003, 1004, -1,   -1,   1005, 1006, -1, 1007, 1008, -1, 1009, 1010, -1, -1,
                                       1018, 1019, 1020, 1021, 1011, 1013, 1022, 1023, -1, -1, 1025, -1, 1024, 1,  2};
    EXPECT_EQ(tabOrder, ids);
}

}  // namespace
