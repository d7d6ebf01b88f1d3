// The context menus, the places that choose them, and the commands behind the
// menus and the accelerator table, in the real main window.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "mainwindow/MainWindow.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "support/ControlSupport.h"
#include "support/Fixtures.h"
#include "support/MenuSupport.h"

namespace {

using test::MenuProbe;

class MenuTest : public test::PlacedMainWindow {
protected:
    POINT ViewCentreOnScreen() const { return ToScreen(test::Centre(View())); }

    // Sends the mouse form of WM_CONTEXTMENU; returns the window's answer.
    LRESULT ContextMenuAt(POINT screen) {
        return SendMessageA(Window(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Window()),
                            test::PointParam(screen.x, screen.y));
    }

    int HelpIdAt(POINT screen) {
        int helpId = -1;
        bool known = g_mainWindow.HitTestHelpId(screen, &helpId);
        EXPECT_EQ(helpId != 0, known);
        return helpId;
    }

    // The toolbar's items with their command ids (0 for separators) and centres on the screen.
    struct ToolbarItem {
        int command;
        POINT centre;
    };
    std::vector<ToolbarItem> ToolbarItems() const {
        std::vector<ToolbarItem> items;
        HWND toolbar = g_mainWindow.Band().Toolbar();
        int count = static_cast<int>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
        for (int index = 0; index < count; ++index) {
            TBBUTTON button = {};
            RECT rect = {};
            SendMessageA(toolbar, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button));
            SendMessageA(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
            POINT centre = test::Centre(rect);
            ClientToScreen(toolbar, &centre);
            items.push_back(ToolbarItem{(button.fsStyle & TBSTYLE_SEP) ? 0 : button.idCommand, centre});
        }
        return items;
    }
};

bool HasRadioMark(const MenuProbe& probe, UINT command) {
    auto found = probe.Seen().type.find(command);
    return probe.Checked(command) && found != probe.Seen().type.end() && (found->second & MFT_RADIOCHECK) != 0;
}

struct MenuEntry {
    UINT command;  // 0 for a separator
    const char* text;
};

struct MenuItem {
    UINT command;
    std::string text;
};

std::vector<MenuItem> PopupItems(HMENU popup) {
    std::vector<MenuItem> items;
    int count = GetMenuItemCount(popup);
    for (int position = 0; position < count; ++position) {
        char text[64] = "";
        GetMenuStringA(popup, position, text, sizeof(text), MF_BYPOSITION);
        UINT command = GetMenuItemID(popup, position);
        items.push_back(MenuItem{command == static_cast<UINT>(-1) ? 0 : command, text});
    }
    return items;
}

TEST(MenuResource, TheFourPopupsHoldTheirItemsInOrder) {
    const std::vector<std::vector<MenuEntry>> expected = {
        {{112, "&Always on Top\tCtrl+T"}, {4009, "&Follow Mouse\tCtrl+M"}, {4032, "Transparent\tCtrl+Shift+T"}, {0, ""},
         {4026, "H&ighlight\tCtrl+H"}, {0, ""}, {4011, "&2x Zoom"}, {4012, "&4x Zoom"}, {0, ""}, {4015, "&Toolbar"},
         {4016, "&Status Bar"}, {0, ""}, {4017, "&Options...\tCtrl+O"}, {0, ""}, {4013, "&What's This?"}},
        {{4018, "Copy &Original Size"}, {4021, "Copy &Zoomed Size"}, {0, ""}, {4024, "Zoom &To"}, {0, ""},
         {4020, "&Save to File..."}, {0, ""}, {4023, "&Cancel"}},
        {{4028, "&RGB"}, {4029, "&Hexadecimal"}, {0, ""}, {4016, "&Status Bar"}, {0, ""}, {4013, "&What's This?"}},
        {{4030, "&Screen"}, {4031, "&Window client"}, {0, ""}, {4016, "&Status Bar"}, {0, ""}, {4013, "&What's This?"}},
    };
    HMENU menus = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_CONTEXT_MENUS));
    ASSERT_NE(nullptr, menus);
    ASSERT_EQ(4, GetMenuItemCount(menus));
    for (int position = 0; position < 4; ++position) {
        std::vector<MenuItem> actual = PopupItems(GetSubMenu(menus, position));
        ASSERT_EQ(expected[position].size(), actual.size()) << "pop-up " << position;
        for (size_t i = 0; i < actual.size(); ++i) {
            EXPECT_EQ(expected[position][i].command, actual[i].command) << "pop-up " << position << " item " << i;
            EXPECT_EQ(expected[position][i].text, actual[i].text) << "pop-up " << position << " item " << i;
        }
    }
    DestroyMenu(menus);
}

TEST(AcceleratorResource, TableHoldsEveryKeyOnce) {
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_ACCELERATORS));
    ASSERT_NE(nullptr, table);
    ACCEL entries[32] = {};
    int count = CopyAcceleratorTableA(table, entries, 32);
    const BYTE kVirtual = FVIRTKEY | FNOINVERT;
    const ACCEL expected[] = {
        {kVirtual | FCONTROL, 'A', 32779},          {kVirtual | FCONTROL, 'C', 32771},
        {kVirtual | FSHIFT | FCONTROL, 'C', 32772}, {kVirtual | FCONTROL, 'G', 4027},
        {kVirtual | FCONTROL, 'H', 4026},           {kVirtual | FCONTROL, 'M', 4009},
        {kVirtual | FCONTROL, 'O', 4017},           {kVirtual | FCONTROL, 'S', 32774},
        {kVirtual | FCONTROL, 'T', 112},            {kVirtual | FSHIFT | FCONTROL, 'T', 4032},
        {kVirtual, VK_ADD, 32775},                  {kVirtual | FCONTROL, VK_ADD, 32780},
        {kVirtual | FSHIFT, VK_F10, 4022},          {kVirtual | FALT, VK_F4, 105},
        {kVirtual, VK_SUBTRACT, 32776},             {kVirtual | FCONTROL, VK_SUBTRACT, 32781},
    };
    ASSERT_EQ(static_cast<int>(sizeof(expected) / sizeof(expected[0])), count);
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(expected[i].fVirt, entries[i].fVirt & ~0x80) << "entry " << i;
        EXPECT_EQ(expected[i].key, entries[i].key) << "entry " << i;
        EXPECT_EQ(expected[i].cmd, entries[i].cmd) << "entry " << i;
    }
    DestroyAcceleratorTable(table);
}

TEST_F(MenuTest, MainMenuMarksTheZoomItemsExactly) {
    for (int zoom : {2, 3, 4}) {
        g_mainWindow.SetZoom(zoom);
        MenuProbe probe;
        EXPECT_EQ(0, ContextMenuAt(ViewCentreOnScreen()));
        ASSERT_EQ(static_cast<UINT>(IDM_ALWAYS_ON_TOP), probe.Seen().firstItem);
        EXPECT_EQ(zoom == 2, probe.Checked(IDM_ZOOM_2X)) << "zoom " << zoom;
        EXPECT_EQ(zoom == 4, probe.Checked(IDM_ZOOM_4X)) << "zoom " << zoom;
    }
}

TEST_F(MenuTest, MainMenuMarksTheSwitches) {
    g_settings.AlwaysOnTop = 1;
    g_settings.Transparent = 0;
    g_settings.DisplayToolbar = 1;
    g_settings.DisplayStatusbar = 1;
    g_settings.MouseTracking = 0;
    MenuProbe probe;
    ContextMenuAt(ViewCentreOnScreen());
    EXPECT_TRUE(probe.Checked(IDM_ALWAYS_ON_TOP));
    EXPECT_FALSE(probe.Checked(IDM_FOLLOW_MOUSE));
    EXPECT_FALSE(probe.Checked(IDM_TOGGLE_TRANSPARENT));
    EXPECT_TRUE(probe.Checked(IDM_TOGGLE_TOOLBAR));
    EXPECT_TRUE(probe.Checked(IDM_TOGGLE_STATUS_BAR));
    EXPECT_FALSE(probe.Checked(IDM_HIGHLIGHT));
    g_settings.AlwaysOnTop = 0;
}

TEST_F(MenuTest, ColourPaneMenuMarksTheFormatAndSwitchesIt) {
    g_settings.DisplayRGBColourPanel = 1;
    {
        MenuProbe probe;
        probe.Choose(IDM_COLOUR_AS_HEX);
        EXPECT_EQ(0, ContextMenuAt(StatusPaneCentre(1)));
        ASSERT_EQ(static_cast<UINT>(IDM_COLOUR_AS_RGB), probe.Seen().firstItem);
        EXPECT_TRUE(HasRadioMark(probe, IDM_COLOUR_AS_RGB));
        EXPECT_FALSE(probe.Checked(IDM_COLOUR_AS_HEX));
        EXPECT_TRUE(probe.Checked(IDM_TOGGLE_STATUS_BAR));
    }
    EXPECT_EQ(0, g_settings.DisplayRGBColourPanel);
    {
        MenuProbe probe;
        probe.Choose(IDM_COLOUR_AS_RGB);
        ContextMenuAt(StatusPaneCentre(1));
        EXPECT_TRUE(HasRadioMark(probe, IDM_COLOUR_AS_HEX));
        EXPECT_FALSE(probe.Checked(IDM_COLOUR_AS_RGB));
    }
    EXPECT_EQ(1, g_settings.DisplayRGBColourPanel);
}

TEST_F(MenuTest, CoordinatesPaneMenuMarksWindowClientWhenRelative) {
    g_settings.RelativeCoords = 1;
    {
        MenuProbe probe;
        probe.Choose(IDM_SCREEN_COORDINATES);
        ContextMenuAt(StatusPaneCentre(3));
        ASSERT_EQ(static_cast<UINT>(IDM_SCREEN_COORDINATES), probe.Seen().firstItem);
        EXPECT_TRUE(HasRadioMark(probe, IDM_WINDOW_COORDINATES));
        EXPECT_FALSE(probe.Checked(IDM_SCREEN_COORDINATES));
    }
    EXPECT_EQ(0, g_settings.RelativeCoords);
    {
        MenuProbe probe;
        probe.Choose(IDM_WINDOW_COORDINATES);
        ContextMenuAt(StatusPaneCentre(3));
        EXPECT_TRUE(HasRadioMark(probe, IDM_SCREEN_COORDINATES));
    }
    EXPECT_EQ(1, g_settings.RelativeCoords);
}

TEST_F(MenuTest, StatusBarItemHidesTheStatusBar) {
    MenuProbe probe;
    probe.Choose(IDM_TOGGLE_STATUS_BAR);
    ContextMenuAt(StatusPaneCentre(1));
    EXPECT_EQ(0, g_settings.DisplayStatusbar);
    EXPECT_FALSE(IsWindowVisible(g_mainWindow.Status().Window()));
}

TEST_F(MenuTest, EveryPlaceHasItsHelpId) {
    EXPECT_EQ(HELP_ID_VIEW, HelpIdAt(ViewCentreOnScreen()));
    RECT view = View();
    EXPECT_EQ(HELP_ID_VIEW, HelpIdAt(ToScreen(POINT{view.left, view.top})));

    RECT zoomSlider = {};
    RECT updateSlider = {};
    GetWindowRect(g_mainWindow.Band().ZoomSlider(), &zoomSlider);
    GetWindowRect(g_mainWindow.Band().UpdateSlider(), &updateSlider);
    EXPECT_EQ(HELP_ID_ZOOM_SLIDER, HelpIdAt(POINT{zoomSlider.left + 2, zoomSlider.top + 2}));
    EXPECT_EQ(HELP_ID_UPDATE_SLIDER, HelpIdAt(POINT{updateSlider.left + 2, updateSlider.top + 2}));

    for (int pane = 0; pane < 5; ++pane) {
        EXPECT_EQ(HELP_ID_STATUS_MESSAGE + pane, HelpIdAt(StatusPaneCentre(pane))) << "pane " << pane;
    }

    bool sawSeparator = false;
    for (const ToolbarItem& item : ToolbarItems()) {
        if (item.command != 0) {
            EXPECT_EQ(item.command, HelpIdAt(item.centre));
        } else if (!PtInRect(&zoomSlider, item.centre) && !PtInRect(&updateSlider, item.centre)) {
            // A separator between button groups: the band away from any button.
            sawSeparator = true;
            EXPECT_EQ(HELP_ID_TOOLBAR, HelpIdAt(item.centre));
        }
    }
    EXPECT_TRUE(sawSeparator);

    EXPECT_EQ(HELP_ID_NONE, HelpIdAt(POINT{kLeft - 40, kTop - 40}));
}

TEST_F(MenuTest, ContextMenuOnAToolbarButtonOpensTheMainMenu) {
    for (const ToolbarItem& item : ToolbarItems()) {
        if (item.command == 0) continue;
        MenuProbe probe;
        EXPECT_EQ(0, ContextMenuAt(item.centre));
        EXPECT_EQ(static_cast<UINT>(IDM_ALWAYS_ON_TOP), probe.Seen().firstItem);
        break;
    }
}

TEST_F(MenuTest, ContextMenuPointsAreSignedWords) {
    // Half the window left of the screen, as on a monitor left of the primary one.
    SetWindowPos(Window(), nullptr, -240, kTop, kWidth, kHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    test::PumpMessages(50);
    POINT left = ToScreen(InView(20, 20));
    ASSERT_LT(left.x, 0);
    ASSERT_EQ(HELP_ID_VIEW, HelpIdAt(left));
    MenuProbe probe;
    EXPECT_EQ(0, ContextMenuAt(left));
    EXPECT_TRUE(probe.Seen().shown);
    EXPECT_EQ(static_cast<UINT>(IDM_ALWAYS_ON_TOP), probe.Seen().firstItem);
}

TEST_F(MenuTest, KeyboardContextMenuOpensAtTheViewsCorner) {
    POINT corner = ToScreen(InView(0, 0));
    // -1 as a whole, and both words -1 as MAKELPARAM gives them on 64-bit systems.
    const LPARAM keyboardForms[] = {-1, MAKELPARAM(0xFFFF, 0xFFFF)};
    for (LPARAM form : keyboardForms) {
        MenuProbe probe;
        EXPECT_EQ(0, SendMessageA(Window(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Window()), form));
        ASSERT_TRUE(probe.Seen().shown);
        EXPECT_EQ(static_cast<UINT>(IDM_ALWAYS_ON_TOP), probe.Seen().firstItem);
        EXPECT_EQ(corner.x, probe.Seen().screenRect.left);
        EXPECT_EQ(corner.y, probe.Seen().screenRect.top);
    }
}

TEST_F(MenuTest, ContextMenuOnNoPlaceShowsNothingAndCancelsTheSelection) {
    test::PressRight(Window(), InView(10, 10));
    test::MoveMouse(Window(), InView(60, 60));
    ASSERT_NE(nullptr, g_mainWindow.Marquee().Window());
    MenuProbe probe;
    ContextMenuAt(POINT{kLeft - 40, kTop - 40});
    EXPECT_FALSE(probe.Seen().shown);
    EXPECT_FALSE(test::Magnification().Selecting());
    EXPECT_EQ(nullptr, g_mainWindow.Marquee().Window());
    EXPECT_EQ(nullptr, g_mainWindow.TrackingTip().Window());
}

TEST_F(MenuTest, ClosingAMenuWithEscapeCancelsADragInProgress) {
    test::PressRight(Window(), InView(10, 10));
    test::MoveMouse(Window(), InView(60, 60));
    MenuProbe probe;
    EXPECT_EQ(0, ContextMenuAt(StatusPaneCentre(0)));
    EXPECT_EQ(static_cast<UINT>(IDM_ALWAYS_ON_TOP), probe.Seen().firstItem);
    EXPECT_FALSE(test::Magnification().Selecting());
    EXPECT_NE(Window(), GetCapture());
    EXPECT_EQ(nullptr, g_mainWindow.Marquee().Window());
    EXPECT_EQ(nullptr, g_mainWindow.TrackingTip().Window());
}

// Watches the main window's children being made and destroyed.
struct ChildWatch {
    static ChildWatch* active;
    HHOOK hook = nullptr;
    HWND parent = nullptr;
    HWND created = nullptr;
    CREATESTRUCTA made = {};
    char className[32] = "";
    bool destroyed = false;

    explicit ChildWatch(HWND watched) : parent(watched) {
        active = this;
        hook = SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
    }
    ~ChildWatch() {
        UnhookWindowsHookEx(hook);
        active = nullptr;
    }
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
        ChildWatch* self = active;
        if (self && code == HCBT_CREATEWND) {
            const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
            // Pop-ups owned by the window (the menu itself) are not children.
            if (create->hwndParent == self->parent && (create->style & WS_CHILD) && !self->created) {
                self->created = reinterpret_cast<HWND>(wParam);
                self->made = *create;
                GetClassNameA(self->created, self->className, sizeof(self->className));
            }
        } else if (self && code == HCBT_DESTROYWND && reinterpret_cast<HWND>(wParam) == self->created) {
            self->destroyed = true;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
};
ChildWatch* ChildWatch::active = nullptr;

TEST_F(MenuTest, WhatsThisMakesAndRemovesAnInvisibleChildAtTheClick) {
    POINT click = ToScreen(InView(33, 44));
    ChildWatch watch(Window());
    MenuProbe probe;
    probe.Choose(IDM_WHATS_THIS);
    ContextMenuAt(click);
    ASSERT_TRUE(probe.Seen().shown);
    ASSERT_NE(nullptr, watch.created);
    EXPECT_STREQ("Static", watch.className);
    EXPECT_EQ(static_cast<LONG>(WS_CHILD), watch.made.style);
    EXPECT_EQ(1, static_cast<int>(reinterpret_cast<INT_PTR>(watch.made.hMenu)));
    POINT client = ToClient(click);
    EXPECT_EQ(client.x, watch.made.x);
    EXPECT_EQ(client.y, watch.made.y);
    EXPECT_EQ(10, watch.made.cx);
    EXPECT_EQ(10, watch.made.cy);
    EXPECT_TRUE(watch.destroyed);
    EXPECT_FALSE(IsWindow(watch.created));
}

// --- The accelerator table, through TranslateAcceleratorA as the message loop uses it.

class AcceleratorTest : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        accelerators_ = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_ACCELERATORS));
        ASSERT_NE(nullptr, accelerators_);
    }

    // Presses a key with modifiers in the main window; true when the table translated it.
    bool Press(UINT key, bool control = false, bool shift = false, bool alt = false) {
        test::HoldModifiers(control, shift, alt);
        MSG message = {};
        message.hwnd = Window();
        message.message = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
        message.wParam = key;
        message.lParam = 1 | (alt ? (1 << 29) : 0);
        bool translated = TranslateAcceleratorA(Window(), accelerators_, &message) != 0;
        test::HoldModifiers(false);
        return translated;
    }

    static bool ButtonChecked(int command) {
        return SendMessageA(g_mainWindow.Band().Toolbar(), TB_ISBUTTONCHECKED, command, 0) != 0;
    }

    HACCEL accelerators_ = nullptr;
};

TEST_F(AcceleratorTest, SwitchesToggleTheirSettingAndButton) {
    ASSERT_TRUE(Press('G', true));
    EXPECT_EQ(1, g_settings.ShowGrid);
    EXPECT_TRUE(ButtonChecked(IDM_TOGGLE_GRID));
    ASSERT_TRUE(Press('G', true));
    EXPECT_EQ(0, g_settings.ShowGrid);
    EXPECT_FALSE(ButtonChecked(IDM_TOGGLE_GRID));

    ASSERT_TRUE(Press('M', true));
    EXPECT_EQ(1, g_settings.MouseTracking);
    EXPECT_TRUE(ButtonChecked(IDM_FOLLOW_MOUSE));
    ASSERT_TRUE(Press('M', true));
    EXPECT_EQ(0, g_settings.MouseTracking);
    EXPECT_FALSE(ButtonChecked(IDM_FOLLOW_MOUSE));

    // Wine leaves the topmost flag of an owner of pop-ups clear; the pop-ups it
    // owns (the control tool tips) carry it, and keep it when it is switched off.
    HWND owned = g_mainWindow.ControlTips().Window();
    ASSERT_TRUE(Press('T', true));
    EXPECT_EQ(1u, g_settings.AlwaysOnTop);
    EXPECT_NE(0, GetWindowLongA(owned, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(ButtonChecked(IDM_ALWAYS_ON_TOP));
    ASSERT_TRUE(Press('T', true));
    EXPECT_EQ(0u, g_settings.AlwaysOnTop);
    EXPECT_FALSE(ButtonChecked(IDM_ALWAYS_ON_TOP));

    // Ctrl+Shift+T is transparency, not always-on-top.
    ASSERT_TRUE(Press('T', true, true));
    EXPECT_EQ(1, g_settings.Transparent);
    EXPECT_EQ(0u, g_settings.AlwaysOnTop);
    ASSERT_TRUE(Press('T', true, true));
    EXPECT_EQ(0, g_settings.Transparent);
}

TEST_F(AcceleratorTest, NumericPadChangesZoomAndSpeedWithinRange) {
    g_mainWindow.SetZoom(31);
    ASSERT_TRUE(Press(VK_ADD));
    EXPECT_EQ(32, g_settings.ZoomFactor);
    ASSERT_TRUE(Press(VK_ADD));
    EXPECT_EQ(32, g_settings.ZoomFactor);
    EXPECT_EQ(32, SendMessageA(g_mainWindow.Band().ZoomSlider(), TBM_GETPOS, 0, 0));
    ASSERT_TRUE(Press(VK_SUBTRACT));
    EXPECT_EQ(31, g_settings.ZoomFactor);

    ASSERT_EQ(1, g_settings.Update);
    ASSERT_TRUE(Press(VK_ADD, true));
    EXPECT_EQ(2, g_settings.Update);
    EXPECT_EQ(31, g_settings.ZoomFactor);
    EXPECT_EQ(2, SendMessageA(g_mainWindow.Band().UpdateSlider(), TBM_GETPOS, 0, 0));
    ASSERT_TRUE(Press(VK_SUBTRACT, true));
    ASSERT_TRUE(Press(VK_SUBTRACT, true));
    EXPECT_EQ(1, g_settings.Update);
    EXPECT_EQ(31, g_settings.ZoomFactor);
}

TEST_F(AcceleratorTest, ShiftF10OpensTheMainMenuAtTheViewsCorner) {
    POINT corner = ToScreen(InView(0, 0));
    MenuProbe probe;
    ASSERT_TRUE(Press(VK_F10, false, true));
    ASSERT_TRUE(probe.Seen().shown);
    EXPECT_EQ(static_cast<UINT>(IDM_ALWAYS_ON_TOP), probe.Seen().firstItem);
    EXPECT_EQ(corner.x, probe.Seen().screenRect.left);
    EXPECT_EQ(corner.y, probe.Seen().screenRect.top);
}

TEST_F(AcceleratorTest, AltF4ClosesTheWindow) {
    EXPECT_FALSE(Press(VK_F4));
    EXPECT_TRUE(IsWindow(Window()));
    ASSERT_TRUE(Press(VK_F4, false, false, true));
    EXPECT_FALSE(IsWindow(Window()));
}

// --- Highlight: the outline flashes over the screen and leaves it as it was.

// Ctrl+H typed with the keyboard, through the accelerator table as the message
// loop translates it. The outline is read by another process: reads from this
// one would first hand on the drawing that the display has not been given.
TEST_F(AcceleratorTest, HighlightFlashesTheOutlineOnTheScreenAndRestoresIt) {
    // A plain white window the magnified area lies in, so the outline's pixels are known.
    test::ColourWindow canvas(RECT{700, 300, 1000, 600}, RGB(255, 255, 255));
    g_mainWindow.SetZoom(8);
    test::MoveZoomPointTo(POINT{850, 450});
    g_mainWindow.UpdateZoomFrame();
    RECT frame = test::Magnification().ZoomFrame();
    ASSERT_GT(frame.left, 700);
    ASSERT_LT(frame.right, 1000);
    ASSERT_GT(frame.top, 300);
    ASSERT_LT(frame.bottom, 600);

    // A pixel of the outline's top row and the one below it, inside the magnified area.
    const int x = (frame.left + frame.right) / 2;
    const RECT watched = {x, frame.top, x + 1, frame.top + 2};
    bool translated = false;
    auto pressControlH = [&] {
        SetForegroundWindow(Window());
        SetFocus(Window());
        test::TypeKeys({VK_CONTROL, 'H'});
        // The flash runs inside the translation, so it is over when this ends.
        translated = test::PumpThroughAccelerators(Window(), [](int count) { return count > 0; }, 5000) > 0;
    };
    const auto pictures = test::WatchScreen(watched, 2500, pressControlH);
    ASSERT_TRUE(translated);
    ASSERT_FALSE(pictures.empty());

    // White under the outline shows black while it is inverted; the pixel inside stays white.
    int blinks = 0;
    COLORREF before = RGB(255, 255, 255);
    for (const auto& picture : pictures) {
        if (picture[0] == RGB(0, 0, 0) && before != RGB(0, 0, 0)) ++blinks;
        before = picture[0];
        EXPECT_EQ(RGB(255, 255, 255), picture[1]);
    }
    EXPECT_GE(blinks, 1) << "the outline never reached the screen";
    EXPECT_LE(blinks, 4);
    EXPECT_EQ(RGB(255, 255, 255), pictures.back()[0]);
    // Every corner and edge of the outline is white again.
    POINT checks[] = {{frame.left, frame.top},     {frame.right, frame.top}, {frame.left, frame.bottom},
                      {frame.right, frame.bottom}, {frame.left, frame.top + 5}, {frame.right - 5, frame.bottom}};
    for (const POINT& p : checks) {
        EXPECT_EQ(RGB(255, 255, 255), test::ScreenPixel(p.x, p.y)) << p.x << "," << p.y;
    }
}

}  // namespace
