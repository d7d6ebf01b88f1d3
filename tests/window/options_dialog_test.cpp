// The Options dialog driven through its controls under Wine: what it shows and
// refuses, where its help goes, and what OK, Cancel, Esc and the close box
// leave in the settings and the registry.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "commands/Help.h"
#include "dialogs/OptionsDialog.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "support/DialogSupport.h"
#include "support/Fixtures.h"

namespace {

using test::Click;
using test::ItemText;

const std::string kBadRate = "Ocularix: Invalid update specified.\nA valid update should be between 1 and 50.";
const std::string kBadGrid = "Ocularix: Invalid grid size specified.\nA valid grid size should be between 1 and 128.";
constexpr COLORREF kPicked = RGB(10, 200, 30);

DWORD Stored(const char* name) {
    DWORD value = 0, size = sizeof(value);
    if (RegGetValueA(HKEY_CURRENT_USER, test::kTestSettingsKeyPath, name, RRF_RT_ANY, nullptr, &value, &size)) return 0xDEADu;
    return value;
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

// Picks a colour through the red, green and blue fields of Wine's colour dialog.
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

// True when Ctrl+Shift+key is registered: a window of ours cannot have it then.
bool HotKeyHeld(UINT key) {
    HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    bool free = RegisterHotKey(probe, 77, MOD_CONTROL | MOD_SHIFT, key) != FALSE;
    if (free) UnregisterHotKey(probe, 77);
    DestroyWindow(probe);
    return !free;
}

using OptionsDialogTest = test::PlacedMainWindow;

TEST_F(OptionsDialogTest, ShowsTheDefaultsAndOkStoresTheEditsInTheRegistry) {
    test::RunDialogFrom(Window(), WM_COMMAND, IDM_OPTIONS, [](HWND dialog) {
        EXPECT_EQ("Options", test::WindowText(dialog));
        EXPECT_EQ("1 10 20 1", ItemText(dialog, IDC_OPTIONS_SLOW_RATE) + " " + ItemText(dialog, IDC_OPTIONS_MEDIUM_RATE) +
                                   " " + ItemText(dialog, IDC_OPTIONS_FAST_RATE) + " " + ItemText(dialog, IDC_OPTIONS_GRID_SIZE));
        EXPECT_EQ(MAKEWORD('C', HOTKEYF_CONTROL | HOTKEYF_SHIFT), SendDlgItemMessageA(dialog, IDC_OPTIONS_COLOUR_HOT_KEY, HKM_GETHOTKEY, 0, 0));
        EXPECT_EQ(MAKEWORD('B', HOTKEYF_CONTROL | HOTKEYF_SHIFT), SendDlgItemMessageA(dialog, IDC_OPTIONS_BITMAP_HOT_KEY, HKM_GETHOTKEY, 0, 0));
        EXPECT_TRUE(IsDlgButtonChecked(dialog, IDC_OPTIONS_COLOUR_RGB));
        SetDlgItemTextA(dialog, IDC_OPTIONS_SLOW_RATE, "36");
        SetDlgItemTextA(dialog, IDC_OPTIONS_MEDIUM_RATE, "49");
        SetDlgItemTextA(dialog, IDC_OPTIONS_GRID_SIZE, "128");
        Click(dialog, IDC_OPTIONS_COLOUR_HEX);
        Click(dialog, IDC_OPTIONS_TRANSPARENT);
        SendDlgItemMessageA(dialog, IDC_OPTIONS_COLOUR_HOT_KEY, HKM_SETHOTKEY, MAKEWORD('K', HOTKEYF_ALT), 0);
        PickColour(dialog, kPicked);
        Click(dialog, IDOK);
    });
    std::vector<DWORD> stored;
    for (const char* name : {"Update1", "Update2", "Update3", "GridSize", "GridColor", "DisplayRGBColourPanel",
                             "Transparent", "nHotKeyColourVK", "nHotKeyColourModifiers"}) {
        stored.push_back(Stored(name));
    }
    EXPECT_EQ((std::vector<DWORD>{27, 20, 50, 128, kPicked, 0, 1, 'K', HOTKEYF_ALT}), stored);
    EXPECT_NE(0, GetWindowLongA(Window(), GWL_EXSTYLE) & WS_EX_LAYERED);  // applied at once
}

TEST_F(OptionsDialogTest, RefusesRatesAndGridSizesOutOfRangeAndPutsTheFocusOnTheField) {
    g_settings.Update1 = 1500;  // no whole rate
    g_settings.Update3 = 0;     // only an outside change can store this
    test::RunDialogFrom(Window(), WM_COMMAND, IDM_OPTIONS, [](HWND dialog) {
        EXPECT_EQ("0 0", ItemText(dialog, IDC_OPTIONS_SLOW_RATE) + " " + ItemText(dialog, IDC_OPTIONS_FAST_RATE));
        EXPECT_EQ(kBadRate, RefusalOnOk(dialog));
        EXPECT_EQ(GetDlgItem(dialog, IDC_OPTIONS_SLOW_RATE), GetFocus());
        SetDlgItemTextA(dialog, IDC_OPTIONS_SLOW_RATE, "2");
        SetDlgItemTextA(dialog, IDC_OPTIONS_FAST_RATE, "25");
        for (const char* text : {"", "fast", "51"}) {
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
    EXPECT_EQ(40, g_settings.Update3);
}

TEST_F(OptionsDialogTest, CancelEscAndTheCloseBoxKeepEverythingAlsoAfterAPickedColourAndARefusedOk) {
    for (int wayOut = 0; wayOut < 3; ++wayOut) {
        test::RunDialogFrom(Window(), WM_SYSCOMMAND, IDM_SYS_OPTIONS, [wayOut](HWND dialog) {
            PickColour(dialog, kPicked);
            Click(dialog, IDC_OPTIONS_TRANSPARENT);
            SetDlgItemTextA(dialog, IDC_OPTIONS_SLOW_RATE, "7");
            SetDlgItemTextA(dialog, IDC_OPTIONS_GRID_SIZE, "129");
            EXPECT_EQ(kBadGrid, RefusalOnOk(dialog));
            if (wayOut == 0) Click(dialog, IDCANCEL);
            if (wayOut == 1) PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
            if (wayOut == 2) PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        });
        EXPECT_EQ(0u, g_settings.GridColor) << wayOut;
        EXPECT_EQ(0, g_settings.Transparent);
        EXPECT_EQ(1000, g_settings.Update1);
        EXPECT_EQ(0xDEADu, Stored("GridColor"));  // nothing written
        EXPECT_TRUE(HotKeyHeld('C') && HotKeyHeld('B')) << "the hot keys from before are back";
    }
}

std::vector<std::vector<ULONG_PTR>> g_helpCalls;  // window, command, control id, topic

BOOL RecordHelp(HWND window, UINT command, ULONG_PTR data) {
    const DWORD* topics = reinterpret_cast<const DWORD*>(data);
    g_helpCalls.push_back({reinterpret_cast<ULONG_PTR>(window), command, topics[0], topics[1]});
    return TRUE;
}

void RightClick(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    test::ClickAt(POINT{rect.left + 4, rect.top + 4}, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
}

TEST_F(OptionsDialogTest, RightClicksAndF1AskForTheTopicsOfNamedControlsOnly) {
    g_optionsContextHelp = &RecordHelp;
    ULONG_PTR rgb = 0, colourButton = 0;
    test::RunDialogFrom(Window(), WM_COMMAND, IDM_OPTIONS, [&](HWND dialog) {
        rgb = reinterpret_cast<ULONG_PTR>(GetDlgItem(dialog, IDC_OPTIONS_COLOUR_RGB));
        colourButton = reinterpret_cast<ULONG_PTR>(GetDlgItem(dialog, IDC_OPTIONS_GRID_COLOUR));
        RightClick(FindWindowExA(dialog, nullptr, "Static", "&Slow:"));  // a label: no help
        RightClick(GetDlgItem(dialog, IDC_OPTIONS_COLOUR_RGB));          // behind its group box
        SetFocus(GetDlgItem(dialog, IDC_OPTIONS_GRID_COLOUR));
        test::TypeKeys({VK_F1});
        test::PumpUntil([] { return g_helpCalls.size() >= 2; }, 3000);
        Click(dialog, IDCANCEL);
    });
    g_optionsContextHelp = &ShowHelp;
    EXPECT_EQ((std::vector<std::vector<ULONG_PTR>>{{rgb, HELP_CONTEXTMENU, 1003, 2156790763u},
                                                   {colourButton, HELP_WM_HELP, 1020, 0x808E0000u + 1020}}),
              g_helpCalls);
}

// Wine does not hand a DIALOGEX template's help ids to the controls: read the template.
TEST(OptionsTemplate, ListsTheControlsInTabOrderWithTheirHelpTopics) {
    HRSRC found = FindResourceExA(nullptr, MAKEINTRESOURCEA(5), MAKEINTRESOURCEA(IDD_OPTIONS),
                                  MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK));
    ASSERT_NE(nullptr, found);
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
    auto word = [&](size_t at) { return *reinterpret_cast<const WORD*>(data + at); };
    auto dword = [&](size_t at) { return *reinterpret_cast<const DWORD*>(data + at); };
    auto skipText = [&](size_t at) {  // a name or an ordinal
        if (word(at) == 0xFFFF) return at + 4;
        while (word(at) != 0) at += 2;
        return at + 2;
    };
    ASSERT_EQ(0xFFFF, word(2));  // extended
    size_t at = skipText(skipText(skipText(skipText(26))) + 6);  // menu, class, title, font
    std::vector<int> ids;
    for (int i = 0; i < word(16); ++i) {
        at = (at + 3) & ~size_t(3);
        int id = static_cast<int>(dword(at + 20));
        ids.push_back(id);
        EXPECT_EQ(id == -1 ? 0u : 0x808E0000u + id, dword(at)) << id;
        at = skipText(skipText(at + 24));
        at += 2 + word(at);
    }
    EXPECT_EQ((std::vector<int>{-1, 1003, 1004, -1, -1, 1005, 1006, -1, 1007, 1008, -1, 1009, 1010, -1, -1, 1018, 1019,
                                1020, 1021, 1011, 1013, 1022, 1023, -1, -1, 1025, -1, 1024, 1, 2}),
              ids);
}


// The WM_HOTKEY messages the system posts to this thread: hot-key id and virtual key.
std::vector<std::pair<WPARAM, WORD>> g_hotKeys;

LRESULT CALLBACK RecordHotKeys(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == WM_HOTKEY) {
        g_hotKeys.emplace_back(message->wParam, HIWORD(message->lParam));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(OptionsDialogTest, AfterOkTheOldHotKeyIsAnOrdinaryKeyAndTheNewOneWorks) {
    test::RunDialogFrom(Window(), WM_COMMAND, IDM_OPTIONS, [](HWND dialog) {
        SendDlgItemMessageA(dialog, IDC_OPTIONS_COLOUR_HOT_KEY, HKM_SETHOTKEY, MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_ALT), 0);
        Click(dialog, IDOK);
    });
    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, &RecordHotKeys, nullptr, GetCurrentThreadId());
    SetForegroundWindow(Window());
    SetFocus(Window());
    test::TypeKeys({VK_CONTROL, VK_SHIFT, 'C'});  // the old colour hot key: now an ordinary key
    test::TypeKeys({VK_CONTROL, VK_MENU, 'K'});
    test::TypeKeys({VK_CONTROL, VK_SHIFT, 'B'});  // the bitmap hot key stays
    test::PumpUntil([] { return g_hotKeys.size() >= 2; }, 3000);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ((std::vector<std::pair<WPARAM, WORD>>{{2, 'K'}, {1, 'B'}}), g_hotKeys);
}

TEST_F(OptionsDialogTest, TheCurrentHotKeysTypedIntoTheirBoxesAreKeptAndWorkAgainAfterOk) {
    g_hotKeys.clear();
    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, &RecordHotKeys, nullptr, GetCurrentThreadId());
    std::vector<LRESULT> shown;
    test::RunDialogFrom(Window(), WM_COMMAND, IDM_OPTIONS, [&](HWND dialog) {
        // Emptied first, so that only the typed keys can fill the boxes again.
        for (int box : {IDC_OPTIONS_COLOUR_HOT_KEY, IDC_OPTIONS_BITMAP_HOT_KEY}) {
            HWND control = GetDlgItem(dialog, box);
            SendMessageA(control, HKM_SETHOTKEY, 0, 0);
            SetFocus(control);
            test::TypeKeys({VK_CONTROL, VK_SHIFT, static_cast<BYTE>(box == IDC_OPTIONS_COLOUR_HOT_KEY ? 'C' : 'B')});
            test::PumpUntil([&] { return SendMessageA(control, HKM_GETHOTKEY, 0, 0) != 0; }, 5000);
            test::PumpMessages(100);  // the keys' releases
            shown.push_back(SendMessageA(control, HKM_GETHOTKEY, 0, 0));
        }
        Click(dialog, IDOK);
    });
    const WORD ctrlShift = HOTKEYF_CONTROL | HOTKEYF_SHIFT;
    EXPECT_EQ((std::vector<LRESULT>{MAKEWORD('C', ctrlShift), MAKEWORD('B', ctrlShift)}), shown);
    EXPECT_TRUE(g_hotKeys.empty()) << "no copy behind the dialog";
    EXPECT_EQ(DWORD('C'), Stored("nHotKeyColourVK"));
    EXPECT_EQ(DWORD(ctrlShift), Stored("nHotKeyColourModifiers"));

    SetForegroundWindow(Window());
    SetFocus(Window());
    test::TypeKeys({VK_CONTROL, VK_SHIFT, 'C'});
    test::TypeKeys({VK_CONTROL, VK_SHIFT, 'B'});
    test::PumpUntil([] { return g_hotKeys.size() >= 2; }, 5000);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ((std::vector<std::pair<WPARAM, WORD>>{{2, 'C'}, {1, 'B'}}), g_hotKeys);
}

}  // namespace
