// Copies of the view and of the selection read back from the real clipboard,
// and the two system-wide hot keys.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <thread>
#include <utility>

#include "commands/Capture.h"
#include "commands/HotKeys.h"
#include "mainwindow/MainWindow.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "support/MenuSupport.h"
#include "support/PictureSupport.h"

namespace {

std::string ClipboardText() {
    std::string text;
    OpenClipboard(nullptr);
    HANDLE data = GetClipboardData(CF_TEXT);
    if (const char* characters = data ? static_cast<const char*>(GlobalLock(data)) : nullptr) {
        text = characters;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void EmptyTheClipboard() {
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
}

// Another program's window in front, holding the keyboard focus.
HWND OtherProgramInFront() {
    HWND other = CreateWindowExA(0, "EDIT", "", WS_POPUP | WS_VISIBLE, 300, 360, 100, 30, nullptr, nullptr,
                                 nullptr, nullptr);
    SetForegroundWindow(other);
    SetFocus(other);
    return other;
}

class CaptureTest : public test::PatternMainWindowTest {
protected:
    test::Picture Copy(WORD command) {
        EmptyTheClipboard();
        SendMessageA(Window(), WM_COMMAND, command, 0);
        return test::ClipboardPicture();
    }
};

TEST_F(CaptureTest, WholeViewCopiesAtScreenSizeAndSqueezedZoomedWithoutTheGrid) {
    // A 10 x 10 view is smaller than a framed window may be: the window loses its frame and bars.
    g_settings.DisplayToolbar = 0;
    g_settings.DisplayStatusbar = 0;
    SetWindowLongPtrA(Window(), GWL_STYLE, WS_POPUP | WS_VISIBLE);
    SetWindowPos(Window(), nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_TRUE(test::PlaceClientArea(Window(), kMainLeft, kMainTop, 10, 10));
    Show(4, POINT{100, 80});
    ASSERT_EQ(kGridColour, test::ClientPixels(Window()).At(4, 0)) << "the view shows the grid";
    ExpectPattern(Copy(IDM_COPY_SCREEN), 3, 3, POINT{99, 79}, 1);

    // 3 x 3 stretched to 10 x 10 by whole pixels: the nine colours, each in its place.
    test::Picture zoomed = Copy(IDM_COPY_ZOOMED);
    ASSERT_EQ(10, zoomed.width);
    ASSERT_EQ(10, zoomed.height);
    for (int i = 0; i < 100; ++i) {
        COLORREF c = zoomed.At(i % 10, i / 10), left = zoomed.At(i % 10 ? i % 10 - 1 : 0, i / 10);
        ASSERT_EQ(c, pattern_->ColourAt(GetRValue(c), GetGValue(c))) << i;
        ASSERT_TRUE(GetRValue(c) >= 99 && GetRValue(c) <= 101 && GetGValue(c) >= 79 && GetGValue(c) <= 81) << i;
        ASSERT_GE(GetRValue(c), GetRValue(left)) << i;
    }
    EXPECT_EQ(pattern_->ColourAt(99, 79), zoomed.At(0, 0));
    EXPECT_EQ(pattern_->ColourAt(101, 81), zoomed.At(9, 9));

    // At the desktop's corner the copy starts where the clamped view starts.
    Show(4, POINT{0, 0});
    ExpectPattern(Copy(IDM_COPY_SCREEN), 3, 3, POINT{0, 0}, 1);
}

TEST_F(CaptureTest, SelectionMenuCopiesTheSelectedPixelsAtScreenAndZoomedSize) {
    Show(4, POINT{100, 80});
    const RECT source = g_mainWindow.SourceRect();
    for (int scale : {1, 4}) {
        EmptyTheClipboard();
        // 8 x 12 view pixels, two blocks right of the view's corner and four down.
        test::PressRight(Window(), InView(9, 17));
        test::MoveMouse(Window(), InView(17, 29));
        test::MenuProbe probe;
        probe.Choose(scale == 1 ? IDM_COPY_SELECTION : IDM_COPY_SELECTION_ZOOMED);
        test::ReleaseRight(Window(), InView(17, 29));
        ExpectPattern(test::ClipboardPicture(), 2 * scale, 3 * scale, POINT{source.left + 2, source.top + 4}, scale);
    }
}

TEST_F(CaptureTest, ClipboardHeldElsewhereDeletesTheRefusedBitmapAndTheProgramGoesOn) {
    Bitmap captured = g_mainWindow.CaptureImage(false, false);
    const HBITMAP bitmap = captured.get();
    ASSERT_NE(nullptr, bitmap);
    // The clipboard belongs to the thread that opened it: this one stands for another program.
    HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        BOOL open = OpenClipboard(nullptr);
        SetEvent(opened);
        WaitForSingleObject(done, 10000);
        if (open) CloseClipboard();
    });
    WaitForSingleObject(opened, 5000);
    EXPECT_FALSE(PutBitmapOnClipboard(Window(), std::move(captured)));
    EXPECT_EQ(0u, GetObjectType(bitmap)) << "the refused bitmap must be deleted";
    EXPECT_FALSE(PutTextOnClipboard(Window(), "#ff0000"));
    SetEvent(done);
    holder.join();
    EXPECT_EQ(test::Magnification().Geometry().sourceWidth, Copy(IDM_COPY_SCREEN).width);
}

TEST_F(CaptureTest, ColourHotKeyCopiesTheColourTextAndWinsOverTheAccelerator) {
    test::ColourWindow red(RECT{300, 300, 340, 340}, RGB(255, 0, 0));
    ASSERT_TRUE(test::MoveCursor(320, 320));
    ASSERT_TRUE(test::PumpUntil([] { return g_mainWindow.SampledColour() == RGB(255, 0, 0); }, 3000));
    g_settings.DisplayRGBColourPanel = 1;
    SendMessageA(Window(), WM_HOTKEY, kColourHotKeyId, 0);
    EXPECT_EQ("255,0,0", ClipboardText());

    // Typed into another window while the loop translates the accelerators, whose
    // Ctrl+Shift+C would copy a bitmap instead.
    g_settings.DisplayRGBColourPanel = 0;
    EmptyTheClipboard();
    HWND other = OtherProgramInFront();
    test::TypeKeys({VK_CONTROL, VK_SHIFT, 'C'});
    test::PumpThroughAccelerators(
        Window(), [](int) { return IsClipboardFormatAvailable(CF_TEXT) || IsClipboardFormatAvailable(CF_BITMAP); },
        3000);
    EXPECT_EQ("#ff0000", ClipboardText());
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
    DestroyWindow(other);
}

TEST_F(CaptureTest, ColourHotKeyWhileMinimisedCopiesTheColourUnderTheMouseAtThePress) {
    test::ColourWindow grey(RECT{300, 300, 340, 340}, RGB(99, 99, 99));
    ASSERT_TRUE(test::MoveCursor(320, 320));
    ASSERT_TRUE(test::PumpUntil([] { return g_mainWindow.SampledColour() == RGB(99, 99, 99); }, 3000));
    ShowWindow(Window(), SW_MINIMIZE);
    ASSERT_TRUE(test::PumpUntil([&] { return IsIconic(Window()) != FALSE; }, 3000));
    test::ColourWindow blue(RECT{360, 300, 400, 340}, RGB(0, 0, 255));
    ASSERT_TRUE(test::MoveCursor(380, 320));
    HWND other = OtherProgramInFront();
    EmptyTheClipboard();
    test::TypeKeys({VK_CONTROL, VK_SHIFT, 'C'});
    test::PumpUntil([] { return IsClipboardFormatAvailable(CF_TEXT) != FALSE; }, 5000);
    EXPECT_EQ("0,0,255", ClipboardText());
    // The status bar's sample stayed as it was: the window was down at the press.
    EXPECT_EQ(RGB(99, 99, 99), g_mainWindow.SampledColour());
    DestroyWindow(other);
}

TEST_F(CaptureTest, HotKeysFollowTheirSettingsEachOnItsOwn) {
    // A combination is ours when a probe window cannot register it.
    HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    auto taken = [&](UINT modifiers, UINT key) {
        if (!RegisterHotKey(probe, 77, modifiers, key)) return true;
        UnregisterHotKey(probe, 77);
        return false;
    };
    const UINT ctrlShift = MOD_CONTROL | MOD_SHIFT;
    EXPECT_TRUE(taken(ctrlShift, 'B') && taken(ctrlShift, 'C')) << "the defaults";
    g_settings.nHotKeyBitmapModifiers = HOTKEYF_ALT;
    RegisterHotKeys(Window());
    EXPECT_TRUE(taken(MOD_ALT, 'B') && !taken(ctrlShift, 'B'));
    g_settings.nHotKeyBitmapModifiers = HOTKEYF_EXT;
    RegisterHotKeys(Window());
    EXPECT_TRUE(taken(0, 'B') && !taken(MOD_ALT, 'B'));

    // An empty hot-key control registers nothing and costs the other key nothing.
    g_settings.nHotKeyBitmapVK = 0;
    RegisterHotKeys(Window());
    EXPECT_TRUE(!taken(0, 'B') && !taken(0, 0) && taken(ctrlShift, 'C'));

    // Another program holds the colour key: the bitmap key still registers, and
    // neither a change nor the end leaves an old combination behind.
    UnregisterHotKeys(Window());
    ASSERT_TRUE(RegisterHotKey(probe, 78, ctrlShift, 'C'));
    g_settings.nHotKeyBitmapVK = 'B';
    g_settings.nHotKeyBitmapModifiers = HOTKEYF_SHIFT | HOTKEYF_CONTROL;
    RegisterHotKeys(Window());
    EXPECT_TRUE(taken(ctrlShift, 'B'));
    g_settings.nHotKeyBitmapVK = 'N';
    RegisterHotKeys(Window());
    EXPECT_TRUE(!taken(ctrlShift, 'B') && taken(ctrlShift, 'N'));
    UnregisterHotKeys(Window());
    EXPECT_FALSE(taken(ctrlShift, 'N'));
    DestroyWindow(probe);
}

}  // namespace
