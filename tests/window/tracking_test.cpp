// Zoom and tracking on the real main window: sliders, wheel, keys, timers,
// following, the status bar and the zoom frame, read back from the screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "mainwindow/MainWindow.h"
#include "mainwindow/Placement.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "support/ControlSupport.h"
#include "support/Fixtures.h"

namespace {

// The main window sits at the top right; the tests' own windows below it.
const RECT kMainRect = {720, 40, 720 + 450, 40 + 250};
const RECT kPatchRect = {100, 500, 500, 900};
const COLORREF kPatch = RGB(90, 120, 150);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kMarker = RGB(255, 0, 255);

// Each test makes the window itself, after its settings.
class Tracking : public test::PlacedMainWindow {
protected:
    Tracking() : PlacedMainWindow(kMainRect, kEachTestMakesIt) {}

    // The screen point at which the view shows the zoom point's block.
    POINT ZoomBlockOnScreen() const {
        RECT view = g_mainWindow.GetViewRect();
        int zoom = g_settings.ZoomFactor;
        POINT p = {view.left + test::Magnification().Geometry().halfWidth * zoom + zoom / 2,
                   view.top + test::Magnification().Geometry().halfHeight * zoom + zoom / 2};
        ClientToScreen(Window(), &p);
        return p;
    }

    // Paints the whole view in a marker colour, behind the program's back.
    void MarkView() {
        RECT view = g_mainWindow.GetViewRect();
        HDC dc = GetDC(Window());
        HBRUSH brush = CreateSolidBrush(kMarker);
        FillRect(dc, &view, brush);
        DeleteObject(brush);
        ReleaseDC(Window(), dc);
        GdiFlush();
    }

    // A right-button press in the view starts a selection drag.
    void BeginSelection() {
        const RECT view = g_mainWindow.GetViewRect();
        SendMessageA(Window(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(view.left + 5, view.top + 5));
        ASSERT_TRUE(test::Magnification().Selecting());
    }

    void Wheel(short delta, WORD keys) { SendMessageA(Window(), WM_MOUSEWHEEL, MAKEWPARAM(keys, delta), 0); }
    void Key(UINT key) { SendMessageA(Window(), WM_KEYDOWN, key, 0); }
    void Scroll(HWND slider, WORD code, WORD position = 0) {
        SendMessageA(Window(), WM_HSCROLL, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(slider));
    }
    std::string Pane(int pane) const { return test::PaneText(g_mainWindow.Status().Window(), pane); }
    std::string SliderTip(HWND slider) const {
        HWND tips = g_mainWindow.ControlTips().Window();
        return test::ToolText(tips, tips, reinterpret_cast<UINT_PTR>(slider));
    }
};

// ---------------------------------------------------------------- zoom and speed

TEST_F(Tracking, SetZoomIsLimitedAndMovesTheSliderOnlyOnAChange) {
    ASSERT_TRUE(Create());
    HWND slider = g_mainWindow.Band().ZoomSlider();
    ASSERT_NE(slider, nullptr);
    g_mainWindow.SetZoom(0);
    EXPECT_EQ(g_settings.ZoomFactor, 1);
    EXPECT_EQ(SendMessageA(slider, TBM_GETPOS, 0, 0), 1);
    EXPECT_EQ(SliderTip(slider), "Zoom Level x1");
    g_mainWindow.SetZoom(40);
    EXPECT_EQ(g_settings.ZoomFactor, 32);
    EXPECT_EQ(SendMessageA(slider, TBM_GETPOS, 0, 0), 32);
    EXPECT_EQ(SliderTip(slider), "Zoom Level x32");

    // The same value again sends nothing: a position set behind its back stays.
    SendMessageA(slider, TBM_SETPOS, TRUE, 7);
    g_mainWindow.SetZoom(32);
    EXPECT_EQ(SendMessageA(slider, TBM_GETPOS, 0, 0), 7);
    EXPECT_EQ(SliderTip(slider), "Zoom Level x32");
}

TEST_F(Tracking, SpeedNoneRunsNoRefreshTimerAndFastDoes) {
    ASSERT_TRUE(Create());
    HWND slider = g_mainWindow.Band().UpdateSlider();
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(g_settings.Update, 1);
    EXPECT_EQ(test::PumpCountingTimer(Window(), kRefreshTimerId, 400), 0);

    g_mainWindow.SetUpdateSpeed(4, false);
    EXPECT_EQ(g_settings.Update, 4);
    EXPECT_EQ(SendMessageA(slider, TBM_GETPOS, 0, 0), 4);
    EXPECT_EQ(SliderTip(slider), "Auto Update - Fast");
    EXPECT_TRUE(test::PumpTimerTicks(Window(), kRefreshTimerId, 2, 2000));

    g_mainWindow.SetUpdateSpeed(0, false);
    EXPECT_EQ(g_settings.Update, 1);
    EXPECT_EQ(SliderTip(slider), "Auto Update - None");
    test::PumpMessages(100);
    EXPECT_EQ(test::PumpCountingTimer(Window(), kRefreshTimerId, 400), 0);

    g_mainWindow.SetUpdateSpeed(9, false);
    EXPECT_EQ(g_settings.Update, 4);
    g_mainWindow.SetUpdateSpeed(3, false);
    EXPECT_EQ(SliderTip(slider), "Auto Update - Medium");
    g_mainWindow.SetUpdateSpeed(2, false);
    EXPECT_EQ(SliderTip(slider), "Auto Update - Slow");
}

TEST_F(Tracking, ForceRewritesTheTipAndRestartsTheTimer) {
    ASSERT_TRUE(Create());
    HWND slider = g_mainWindow.Band().UpdateSlider();
    ASSERT_NE(slider, nullptr);
    // Fast in the settings but no timer running, and the tip of speed None.
    ASSERT_EQ(SliderTip(slider), "Auto Update - None");
    g_settings.Update = 4;
    g_mainWindow.SetUpdateSpeed(4, false);
    EXPECT_EQ(SliderTip(slider), "Auto Update - None");
    EXPECT_EQ(test::PumpCountingTimer(Window(), kRefreshTimerId, 400), 0);

    g_mainWindow.SetUpdateSpeed(4, true);
    EXPECT_EQ(SliderTip(slider), "Auto Update - Fast");
    EXPECT_TRUE(test::PumpTimerTicks(Window(), kRefreshTimerId, 2, 2000));
}

TEST_F(Tracking, StoredSpeedsOutOfRangeAreLimitedAtCreation) {
    g_settings.Update = 9;
    ASSERT_TRUE(Create());
    EXPECT_EQ(g_settings.Update, 4);
    EXPECT_EQ(SendMessageA(g_mainWindow.Band().UpdateSlider(), TBM_GETPOS, 0, 0), 4);
    EXPECT_TRUE(test::PumpTimerTicks(Window(), kRefreshTimerId, 1, 2000));
    test::DestroyMainWindowForTest();

    g_settings.Update = -3;
    ASSERT_TRUE(Create());
    EXPECT_EQ(g_settings.Update, 1);
    EXPECT_EQ(test::PumpCountingTimer(Window(), kRefreshTimerId, 400), 0);
}

TEST_F(Tracking, ScreenChangesReachTheViewOnlyWhileRefreshing) {
    ASSERT_TRUE(Create());
    test::ColourWindow patch(kPatchRect, kPatch);
    test::FollowTo(POINT{300, 700});
    POINT block = ZoomBlockOnScreen();
    ASSERT_TRUE(test::PumpUntil([&] { return test::ScreenPixel(block.x, block.y) == kPatch; }, 2000));

    // Speed None: a change under the view stays unseen.
    patch.SetColour(kRed);
    test::PumpMessages(500);
    EXPECT_EQ(test::ScreenPixel(block.x, block.y), kPatch);

    g_mainWindow.SetUpdateSpeed(4, false);
    patch.SetColour(RGB(0, 0, 200));
    EXPECT_TRUE(test::PumpUntil([&] { return test::ScreenPixel(block.x, block.y) == RGB(0, 0, 200); }, 2000));

    // A selection in progress holds the picture still.
    BeginSelection();
    test::PumpMessages(100);
    patch.SetColour(kRed);
    test::PumpMessages(500);
    EXPECT_EQ(test::ScreenPixel(block.x, block.y), RGB(0, 0, 200));
}

// ---------------------------------------------------------------- sliders, wheel, keys

// The codes' values are the arithmetic's own test; here each slider reaches its
// setter, which limits the value, and other windows' scrolls are ignored.
TEST_F(Tracking, SlidersReachTheirSettersAndOtherWindowsDoNot) {
    ASSERT_TRUE(Create());
    HWND zoom = g_mainWindow.Band().ZoomSlider();
    HWND speed = g_mainWindow.Band().UpdateSlider();
    ASSERT_NE(zoom, nullptr);
    ASSERT_NE(speed, nullptr);
    ASSERT_EQ(g_settings.ZoomFactor, 3);
    Scroll(zoom, TB_PAGEDOWN);
    EXPECT_EQ(g_settings.ZoomFactor, 5);
    Scroll(zoom, TB_THUMBTRACK, 1);
    Scroll(zoom, TB_LINEUP);
    EXPECT_EQ(g_settings.ZoomFactor, 1);
    EXPECT_EQ(SendMessageA(zoom, TBM_GETPOS, 0, 0), 1);

    ASSERT_EQ(g_settings.Update, 1);
    Scroll(speed, TB_PAGEDOWN);
    Scroll(speed, TB_PAGEDOWN);
    EXPECT_EQ(g_settings.Update, 4);
    EXPECT_EQ(SendMessageA(speed, TBM_GETPOS, 0, 0), 4);

    // A scroll message from any other window changes nothing.
    Scroll(nullptr, TB_PAGEUP);
    EXPECT_EQ(g_settings.ZoomFactor, 1);
    EXPECT_EQ(g_settings.Update, 4);
}

// The steps' values are the arithmetic's own test; here the keys choose them.
TEST_F(Tracking, WheelWithShiftChangesTranslucencyAndWithCtrlTheZoom) {
    ASSERT_TRUE(Create());
    g_settings.nTransparency = 40;
    Wheel(-WHEEL_DELTA, MK_SHIFT);
    EXPECT_EQ(g_settings.nTransparency, 10);

    ASSERT_EQ(g_settings.ZoomFactor, 3);
    Wheel(WHEEL_DELTA, MK_CONTROL);
    EXPECT_EQ(g_settings.ZoomFactor, 4);

    // Shift wins over Ctrl; without either nothing changes.
    g_settings.nTransparency = 178;
    Wheel(-WHEEL_DELTA, MK_SHIFT | MK_CONTROL);
    EXPECT_EQ(g_settings.nTransparency, 148);
    EXPECT_EQ(g_settings.ZoomFactor, 4);
    Wheel(WHEEL_DELTA, 0);
    EXPECT_EQ(g_settings.nTransparency, 148);
    EXPECT_EQ(g_settings.ZoomFactor, 4);
}

TEST_F(Tracking, ArrowsAtTheDesktopEdgeChangeNothingAndDoNotRedraw) {
    ASSERT_TRUE(Create());
    const POINT lowest = test::Magnification().Geometry().lowest;
    ASSERT_GT(test::Magnification().Geometry().halfWidth, 0);
    test::MoveZoomPointTo(lowest);
    test::PumpMessages(50);
    MarkView();
    POINT probe = ZoomBlockOnScreen();
    ASSERT_TRUE(test::PumpUntil([&] { return test::ScreenPixel(probe.x, probe.y) == kMarker; }, 1000));
    Key(VK_LEFT);
    Key(VK_UP);
    test::HoldModifiers(true);
    Key(VK_LEFT);
    Key(VK_PRIOR);
    test::HoldModifiers(false);
    Key(VK_PRIOR);
    EXPECT_EQ(test::Magnification().ZoomPoint().x, lowest.x);
    EXPECT_EQ(test::Magnification().ZoomPoint().y, lowest.y);
    test::PumpMessages(100);
    EXPECT_EQ(test::ScreenPixel(probe.x, probe.y), kMarker);

    // A step away from the edge moves and repaints.
    Key(VK_RIGHT);
    EXPECT_EQ(test::Magnification().ZoomPoint().x, lowest.x + 1);
    test::PumpMessages(50);
    EXPECT_NE(test::ScreenPixel(probe.x, probe.y), kMarker);

    const POINT highest = test::Magnification().Geometry().highest;
    test::MoveZoomPointTo(highest);
    Key(VK_RIGHT);
    Key(VK_DOWN);
    Key(VK_NEXT);
    EXPECT_EQ(test::Magnification().ZoomPoint().x, highest.x);
    EXPECT_EQ(test::Magnification().ZoomPoint().y, highest.y);
}

// Each key's offset is the arithmetic's own test; here the window reads the
// Ctrl key as it is held and takes the steps and the page from the settings
// and its geometry.
TEST_F(Tracking, CtrlArrowsUseTheFastStepAndPagesTheSourceWidth) {
    ASSERT_TRUE(Create());
    test::MoveZoomPointTo(POINT{640, 512});
    const int width = test::Magnification().Geometry().sourceWidth;
    ASSERT_GT(width, 1);
    Key(VK_RIGHT);
    EXPECT_EQ(test::Magnification().ZoomPoint().x, 641);
    test::HoldModifiers(true);
    g_settings.nFastScrollRate = 5;
    Key(VK_LEFT);
    EXPECT_EQ(test::Magnification().ZoomPoint().x, 641 - 5);
    Key(VK_NEXT);
    EXPECT_EQ(test::Magnification().ZoomPoint().x, 641 - 5 + width - 1);
    test::HoldModifiers(false);
    Key(VK_PRIOR);
    EXPECT_EQ(test::Magnification().ZoomPoint().y, 512 + 1 - width);
}

TEST_F(Tracking, StoredScrollRatesThatWouldTurnTheArrowsRoundStillStepForwards) {
    const DWORD slow = 0xFFFFFFFFu, fast = 0x80000000u;  // -1 and the lowest int
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueA(HKEY_CURRENT_USER, test::kTestSettingsKeyPath, "nSlowScrollRate", REG_DWORD, &slow, sizeof(slow)));
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueA(HKEY_CURRENT_USER, test::kTestSettingsKeyPath, "nFastScrollRate", REG_DWORD, &fast, sizeof(fast)));
    test::ReloadSettings();
    ASSERT_TRUE(Create());
    test::MoveZoomPointTo(POINT{640, 512});
    Key(VK_RIGHT);
    EXPECT_EQ(test::Magnification().ZoomPoint().x, 641);
    test::HoldModifiers(true);
    Key(VK_RIGHT);
    test::HoldModifiers(false);
    EXPECT_EQ(test::Magnification().ZoomPoint().x, 642);
}

TEST_F(Tracking, PanningStepsMoveTheZoomPointAndAnswerOne) {
    ASSERT_TRUE(Create());
    test::MoveZoomPointTo(POINT{640, 512});
    POINT step = {0, 0};
    EXPECT_EQ(SendMessageA(Window(), g_messages.originUpdate, 0, reinterpret_cast<LPARAM>(&step)), 1);
    EXPECT_EQ(test::Magnification().ZoomPoint().x, 640);
    EXPECT_EQ(test::Magnification().ZoomPoint().y, 512);
    step = POINT{-7, 4};
    EXPECT_EQ(SendMessageA(Window(), g_messages.originUpdate, 0, reinterpret_cast<LPARAM>(&step)), 1);
    EXPECT_EQ(test::Magnification().ZoomPoint().x, 633);
    EXPECT_EQ(test::Magnification().ZoomPoint().y, 516);
}

// ---------------------------------------------------------------- tracking tick

TEST_F(Tracking, FollowsTheCursorExceptWhileSelecting) {
    g_settings.MouseTracking = 1;
    ASSERT_TRUE(Create());
    ASSERT_TRUE(test::MoveCursor(600, 500));
    EXPECT_TRUE(test::PumpUntil(
        [] { return test::Magnification().ZoomPoint().x == 600 && test::Magnification().ZoomPoint().y == 500; }, 1000));

    // A shown selection holds it too (the magnifier's own test).
    BeginSelection();
    ASSERT_TRUE(test::MoveCursor(610, 520));
    EXPECT_TRUE(test::PumpTimerTicks(Window(), kTrackingTimerId, 3, 2000));
    EXPECT_EQ(test::Magnification().ZoomPoint().x, 600);
    EXPECT_EQ(test::Magnification().ZoomPoint().y, 500);
    Key(VK_ESCAPE);
    ASSERT_FALSE(test::Magnification().Selecting());

    EXPECT_TRUE(test::PumpUntil(
        [] { return test::Magnification().ZoomPoint().x == 610 && test::Magnification().ZoomPoint().y == 520; }, 1000));

    // Turning following off leaves the zoom point where it was.
    g_settings.MouseTracking = 0;
    ASSERT_TRUE(test::MoveCursor(620, 530));
    EXPECT_TRUE(test::PumpTimerTicks(Window(), kTrackingTimerId, 3, 2000));
    EXPECT_EQ(test::Magnification().ZoomPoint().x, 610);
}

TEST_F(Tracking, StatusBarShowsCoordinatesInScreenAndWindowTerms) {
    ASSERT_TRUE(Create());
    ASSERT_NE(g_mainWindow.Status().Window(), nullptr);
    test::ColourWindow patch(kPatchRect, kPatch);
    ASSERT_TRUE(test::MoveCursor(kPatchRect.left + 5, kPatchRect.top + 7));
    EXPECT_TRUE(test::PumpUntil([&] { return Pane(3) == " 105, 507 "; }, 1000)) << Pane(3);

    g_settings.RelativeCoords = 1;
    EXPECT_TRUE(test::PumpUntil([&] { return Pane(3) == " 5, 7 "; }, 1000)) << Pane(3);
}

TEST_F(Tracking, StatusBarColourIsWrittenOnlyWhenItChanges) {
    ASSERT_TRUE(Create());
    ASSERT_NE(g_mainWindow.Status().Window(), nullptr);
    test::ColourWindow patch(kPatchRect, kRed);
    ASSERT_TRUE(test::MoveCursor(300, 700));
    EXPECT_TRUE(test::PumpUntil([&] { return Pane(1) == "Colour (rgb): 255,000,000 "; }, 1000)) << Pane(1);
    EXPECT_EQ(g_mainWindow.SampledColour(), kRed);

    // The same colour on later ticks leaves the pane alone.
    SendMessageA(g_mainWindow.Status().Window(), SB_SETTEXTA, 1, reinterpret_cast<LPARAM>("untouched"));
    g_settings.DisplayRGBColourPanel = 0;
    EXPECT_TRUE(test::PumpTimerTicks(Window(), kTrackingTimerId, 3, 2000));
    EXPECT_EQ(Pane(1), "untouched");

    // The hexadecimal form shows at the next change of colour.
    patch.SetColour(RGB(0, 0x80, 0x0c));
    EXPECT_TRUE(test::PumpUntil([&] { return Pane(1) == "Colour: #00800c"; }, 1000)) << Pane(1);
    patch.SetColour(kRed);
    EXPECT_TRUE(test::PumpUntil([&] { return Pane(1) == "Colour: #ff0000"; }, 1000)) << Pane(1);
}

// ---------------------------------------------------------------- zoom frame and picking

TEST_F(Tracking, InvertingTheZoomFrameTwiceRestoresTheScreen) {
    ASSERT_TRUE(Create());
    test::ColourWindow patch(kPatchRect, kPatch);
    test::MoveZoomPointTo(POINT{300, 700});
    g_mainWindow.UpdateZoomFrame();
    const RECT frame = test::Magnification().ZoomFrame();
    const RECT area = {frame.left - 10, frame.top - 10, frame.right + 10, frame.bottom + 10};
    RECT inside;
    ASSERT_TRUE(IntersectRect(&inside, &area, &kPatchRect) && EqualRect(&inside, &area));
    test::ScreenCapture before(area);
    g_mainWindow.InvertZoomFrame();
    test::ScreenCapture once(area);
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            bool inside = x >= frame.left && x <= frame.right && y >= frame.top && y <= frame.bottom;
            bool outline = inside && (x == frame.left || x == frame.right || y == frame.top || y == frame.bottom);
            COLORREF expected = outline ? test::Inverted(before.At(x, y)) : before.At(x, y);
            ASSERT_EQ(once.At(x, y), expected) << x << "," << y;
        }
    }
    g_mainWindow.InvertZoomFrame();
    test::ScreenCapture twice(area);
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) ASSERT_EQ(twice.At(x, y), before.At(x, y)) << x << "," << y;
    }
}

// True when the screen shows the frame's outline inverted over the patch colour
// and the pixels just inside and outside untouched.
bool FrameShown(const RECT& f) {
    test::ScreenCapture shot(RECT{f.left - 1, f.top - 1, f.right + 2, f.bottom + 2});
    const COLORREF inverted = test::Inverted(kPatch);
    return shot.At(f.left, f.top) == inverted && shot.At(f.right, f.bottom) == inverted &&
           shot.At((f.left + f.right) / 2, f.top) == inverted && shot.At(f.left, (f.top + f.bottom) / 2) == inverted &&
           shot.At(f.left - 1, f.top - 1) == kPatch && shot.At(f.left + 1, f.top + 1) == kPatch &&
           shot.At(f.right + 1, f.bottom + 1) == kPatch && shot.At(f.right - 1, f.bottom - 1) == kPatch;
}

bool PatchWhole() {
    test::ScreenCapture shot(kPatchRect);
    for (int y = kPatchRect.top; y < kPatchRect.bottom; ++y) {
        for (int x = kPatchRect.left; x < kPatchRect.right; ++x) {
            if (shot.At(x, y) != kPatch) return false;
        }
    }
    return true;
}

TEST_F(Tracking, LeftDragPicksTheZoomPointWithFrameTipAndCursor) {
    ASSERT_TRUE(Create());
    test::ColourWindow patch(kPatchRect, kPatch);
    ASSERT_TRUE(PatchWhole());
    ASSERT_TRUE(test::MoveCursor(300, 700));
    SendMessageA(Window(), WM_LBUTTONDOWN, MK_LBUTTON, 0);

    EXPECT_TRUE(test::Magnification().Picking());
    EXPECT_EQ(GetCapture(), Window());
    EXPECT_EQ(GetCursor(), LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_MAGNIFYING_GLASS)));
    EXPECT_EQ(test::Magnification().ZoomPoint().x, 300);
    EXPECT_EQ(test::Magnification().ZoomPoint().y, 700);
    EXPECT_EQ(Pane(0), "Move the mouse to zoom in on any section of your screen");
    const RECT first = test::Magnification().ZoomFrame();
    EXPECT_TRUE(FrameShown(first));

    HWND tip = g_mainWindow.TrackingTip().Window();
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(IsWindowVisible(tip));
    EXPECT_STREQ(g_mainWindow.TrackingTip().Text(),
                 "Drag the highlight to select the area of screen you wish to highlight");
    RECT tipRect;
    GetWindowRect(tip, &tipRect);
    EXPECT_EQ(tipRect.left, 300);
    EXPECT_EQ(tipRect.bottom, 700 - test::Magnification().Geometry().halfHeight - 3);
    EXPECT_LT(tipRect.bottom, first.top);

    // Moving: the old outline goes, the new one appears around the new point.
    ASSERT_TRUE(test::MoveCursor(330, 720));
    SendMessageA(Window(), WM_MOUSEMOVE, MK_LBUTTON, 0);
    EXPECT_EQ(test::Magnification().ZoomPoint().x, 330);
    EXPECT_EQ(test::Magnification().ZoomPoint().y, 720);
    const RECT second = test::Magnification().ZoomFrame();
    EXPECT_EQ(second.left, first.left + 30);
    EXPECT_EQ(second.top, first.top + 20);
    EXPECT_TRUE(FrameShown(second));
    EXPECT_EQ(test::ScreenPixel(first.left, first.top), kPatch);

    SendMessageA(Window(), WM_LBUTTONUP, 0, 0);
    EXPECT_FALSE(test::Magnification().Picking());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(g_mainWindow.TrackingTip().Window(), nullptr);
    EXPECT_FALSE(IsWindow(tip));
    EXPECT_EQ(Pane(0), "Press F1 for help");
    test::PumpMessages(100);
    EXPECT_TRUE(PatchWhole());
    EXPECT_EQ(test::Magnification().ZoomPoint().x, 330);
}

TEST_F(Tracking, PickingEndsOnCancelModeSystemKeyEscapeAndWheel) {
    ASSERT_TRUE(Create());
    test::ColourWindow patch(kPatchRect, kPatch);
    ASSERT_TRUE(test::MoveCursor(300, 700));
    const UINT enders[] = {WM_CANCELMODE, WM_SYSKEYDOWN, WM_KEYDOWN, WM_MOUSEWHEEL};
    for (UINT message : enders) {
        SendMessageA(Window(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
        ASSERT_TRUE(test::Magnification().Picking());
        WPARAM wParam = message == WM_KEYDOWN ? VK_ESCAPE : message == WM_SYSKEYDOWN ? VK_MENU : 0;
        EXPECT_EQ(SendMessageA(Window(), message, wParam, 0), 0);
        EXPECT_FALSE(test::Magnification().Picking()) << message;
        EXPECT_EQ(GetCapture(), nullptr) << message;
        EXPECT_EQ(g_mainWindow.TrackingTip().Window(), nullptr) << message;
        test::PumpMessages(50);
        EXPECT_TRUE(PatchWhole()) << message;
    }
    // A button-up without picking does nothing.
    SendMessageA(Window(), WM_LBUTTONUP, 0, 0);
    EXPECT_TRUE(PatchWhole());

    // A second press while picking (the first button-up went elsewhere) leaves
    // only one outline, which the release removes.
    SendMessageA(Window(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    ASSERT_TRUE(test::MoveCursor(340, 730));
    SendMessageA(Window(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_TRUE(FrameShown(test::Magnification().ZoomFrame()));
    SendMessageA(Window(), WM_LBUTTONUP, 0, 0);
    test::PumpMessages(50);
    EXPECT_TRUE(PatchWhole());
    EXPECT_EQ(test::CountThreadWindows("wyn_TrackingToolTip"), 0);
}

TEST_F(Tracking, ToolbarButtonsFollowTheSettings) {
    ASSERT_TRUE(Create());
    ASSERT_NE(g_mainWindow.Band().Toolbar(), nullptr);
    auto checked = [](int command) {
        return (SendMessageA(g_mainWindow.Band().Toolbar(), TB_GETSTATE, command, 0) & TBSTATE_CHECKED) != 0;
    };
    g_settings.MouseTracking = 1;
    g_mainWindow.RefreshFollowButton();
    EXPECT_TRUE(checked(IDM_FOLLOW_MOUSE));
    g_settings.MouseTracking = 0;
    g_mainWindow.RefreshFollowButton();
    EXPECT_FALSE(checked(IDM_FOLLOW_MOUSE));
    g_settings.ShowGrid = 1;
    g_mainWindow.RefreshGridButton();
    EXPECT_TRUE(checked(IDM_TOGGLE_GRID));
    EXPECT_FALSE(checked(IDM_FOLLOW_MOUSE));
    g_settings.ShowGrid = 0;
    g_mainWindow.RefreshGridButton();
    EXPECT_FALSE(checked(IDM_TOGGLE_GRID));
}

}  // namespace
