// The main window's pop-ups and its panning at the display scale the test was
// started for (150 or 200 %), reached as the user reaches them: the outline and
// the size tip of a right-button drag, the help popup of a control, and the
// origin mark and direction cursors of a middle-button press.
#include <gtest/gtest.h>

#include <windows.h>

#include "commands/Help.h"
#include "commands/HelpPopup.h"
#include "common/Dpi.h"
#include "mainwindow/MainWindow.h"
#include "resources/resource.h"
#include "support/ControlSupport.h"
#include "support/MenuSupport.h"
#include "support/PictureSupport.h"
#include "support/ScaleSupport.h"
#include "support/SteerpadSupport.h"

namespace {

const COLORREF kPaper = GetSysColor(COLOR_INFOBK);

bool IsDash(COLORREF colour) {
    return colour == RGB(0, 0, 0) || colour == RGB(255, 255, 255);
}

class PopupsScaleTest : public test::PlacedMainWindow {
protected:
    void SetUp() override {
        PlacedMainWindow::SetUp();
        scale = g_mainWindow.Dpi();
        ASSERT_EQ(test::RequestedDpi(), scale);
        factor = dpi::WholeFactor(static_cast<int>(scale));
    }
    // A length at 100 %, at the window's scale.
    int Scaled(int length) const { return dpi::Scale(length, static_cast<int>(scale)); }

    UINT scale = dpi::kBase;
    int factor = 1;
};

TEST_F(PopupsScaleTest, ARightDragShowsTheOutlineAndTheSizeTipAtTheWindowsScale) {
    g_mainWindow.SetZoom(4);
    POINT from = ToScreen(InView(6, 6));
    POINT to = ToScreen(InView(86, 66));
    SetCursorPos(from.x, from.y);
    test::MouseInput(MOUSEEVENTF_RIGHTDOWN);
    ASSERT_TRUE(test::PumpUntil([] { return test::Magnification().Selecting(); }, 3000));
    SetCursorPos(to.x, to.y);
    HWND marquee = nullptr;
    ASSERT_TRUE(test::PumpUntil([&] {
        marquee = g_mainWindow.Marquee().Window();
        return marquee && IsWindowVisible(marquee) && g_mainWindow.TrackingTip().Window();
    }, 3000));
    test::PumpMessages(150);

    // The outline: a ring the whole factor wide, drawn in dashes four times as long.
    EXPECT_EQ(factor, g_mainWindow.Marquee().LineWidth());
    HRGN ring = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, GetWindowRgn(marquee, ring));
    EXPECT_TRUE(PtInRegion(ring, factor - 1, factor - 1));
    EXPECT_FALSE(PtInRegion(ring, factor, factor));
    DeleteObject(ring);
    RECT outline;
    GetWindowRect(marquee, &outline);
    test::ScreenCapture shot(outline);
    for (int y = outline.top; y < outline.top + factor; ++y) {
        for (int x = outline.left + factor; x < outline.right - factor - 4 * factor; ++x) {
            ASSERT_TRUE(IsDash(shot.At(x, y))) << x << "," << y;
            EXPECT_NE(shot.At(x, y), shot.At(x + 4 * factor, y)) << x << "," << y;
        }
    }

    // The size tip: measured and drawn in the font at the window's scale.
    const TrackingToolTip& tip = g_mainWindow.TrackingTip();
    EXPECT_EQ(test::GuiFontHeightAt(scale), test::FontHeight(tip.TextFont()));
    const RECT placed = test::RectIn(tip.Window());
    EXPECT_GE(placed.bottom - placed.top, Scaled(20));
    EXPECT_EQ(test::TextExtent(tip.TextFont(), tip.Text()).cx + Scaled(24), placed.right - placed.left);
    const RECT client = test::ClientOnScreen(tip.Window());
    const int column = Scaled(16) + factor;
    const RECT icon = test::InkBox(RECT{client.left, client.top, client.left + column, client.bottom}, kPaper);
    EXPECT_GT(icon.bottom - icon.top, 16) << "the icon as at 100 %";
    const RECT words = test::InkBox(RECT{client.left + column, client.top, client.right, client.bottom}, kPaper);
    const TEXTMETRICA metrics = test::MetricsOf(tip.TextFont());
    // "Selected size 20x15": capitals and digits reach from the ascent's top to the base line.
    EXPECT_GE(words.bottom - words.top, (metrics.tmAscent - metrics.tmInternalLeading) * 4 / 5);

    test::MenuProbe probe;
    test::MouseInput(MOUSEEVENTF_RIGHTUP);
    EXPECT_TRUE(test::PumpUntil([&] { return probe.Seen().shown; }, 3000));
    EXPECT_TRUE(test::PumpUntil([] { return !g_mainWindow.Marquee().Window(); }, 3000));
}

TEST_F(PopupsScaleTest, TheHelpPopupOfAControlIsAtTheWindowsScale) {
    HWND toolbar = g_mainWindow.Band().Toolbar();
    const DWORD list[] = {static_cast<DWORD>(GetDlgCtrlID(toolbar)), HELP_TOPIC_MAIN, 0, 0};
    ASSERT_TRUE(ShowHelp(toolbar, HELP_WM_HELP, reinterpret_cast<ULONG_PTR>(list)));
    HWND popup = g_helpPopup.Window();
    ASSERT_NE(nullptr, popup);
    UpdateWindow(popup);
    test::PumpMessages(100);
    EXPECT_EQ(test::GuiFontHeightAt(scale), test::FontHeight(g_helpPopup.TextFont()));
    // Two pixels at 100 % under the control.
    EXPECT_EQ(test::RectIn(toolbar).bottom + Scaled(2), test::RectIn(popup).top);
    // The text inside margins of six pixels at 100 %.
    const RECT client = test::ClientOnScreen(popup);
    const RECT ink = test::InkBox(client, kPaper);
    ASSERT_FALSE(IsRectEmpty(&ink));
    const int margin = Scaled(6);
    EXPECT_GE(ink.left - client.left, margin);
    EXPECT_LE(ink.left - client.left, margin + factor + 1);
    EXPECT_GE(ink.top - client.top, margin);
    EXPECT_GE(client.right - ink.right, margin);
    EXPECT_GE(client.bottom - ink.bottom, margin);
    g_helpPopup.Hide();
}

TEST_F(PopupsScaleTest, AMiddlePressShowsTheMarkAndCursorsEnlargedPixelForPixel) {
    const POINT press = ToScreen(InView(150, 120));
    test::ClickAt(press, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
    HWND origin = nullptr;
    ASSERT_TRUE(test::PumpUntil([&] { return (origin = test::FindOriginWindow()) != nullptr; }, 5000));
    test::PumpMessages(150);

    RECT frame;
    GetWindowRect(origin, &frame);
    EXPECT_EQ(28 * factor, frame.right - frame.left);
    EXPECT_EQ(28 * factor, frame.bottom - frame.top);
    EXPECT_EQ(press.x - 14 * factor, frame.left);
    EXPECT_EQ(press.y - 14 * factor, frame.top);
    // Mark 142 on the screen, each pixel a block, inside the round region.
    HMODULE library = GetModuleHandleA(test::kPanningLibrary);
    ASSERT_NE(nullptr, library);
    test::Picture mark = test::BitmapPicture(LoadBitmapA(library, MAKEINTRESOURCEA(142)));
    ASSERT_EQ(28, mark.width);
    test::ScreenCapture shot(frame);
    HRGN round = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, GetWindowRgn(origin, round));
    int compared = 0, mismatches = 0;
    for (int y = 0; y < frame.bottom - frame.top; ++y) {
        for (int x = 0; x < frame.right - frame.left; ++x) {
            if (!PtInRegion(round, x, y)) continue;
            ++compared;
            mismatches += shot.At(frame.left + x, frame.top + y) != mark.At(x / factor, y / factor);
        }
    }
    DeleteObject(round);
    EXPECT_GT(compared, 500 * factor * factor);
    EXPECT_EQ(0, mismatches);

    // The dead zone is the mark: one pixel inside its edge the cursor is at
    // rest; well outside, it heads east. Both enlarged, hot spots with them.
    SetCursorPos(press.x + 14 * factor - 1, press.y);
    test::CursorShape rest;
    EXPECT_TRUE(test::PumpUntil([&] { return (rest = test::ShapeOf(GetCursor())).hotSpot.x == 16 * factor; }, 3000));
    EXPECT_EQ(15 * factor, rest.hotSpot.y);
    EXPECT_EQ(32 * factor, rest.mask.width);
    SetCursorPos(press.x + 40 * factor, press.y);
    test::CursorShape east;
    EXPECT_TRUE(test::PumpUntil([&] { return (east = test::ShapeOf(GetCursor())).hotSpot.x == 10 * factor; }, 3000));
    EXPECT_EQ(14 * factor, east.hotSpot.y);
    EXPECT_EQ(32 * factor, east.mask.width);
    HCURSOR heading = GetCursor();

    // A click ends it: the cursor from before is back, and the enlarged one is gone.
    test::ClickAt(press);
    ASSERT_TRUE(test::PumpUntil([] { return !GetModuleHandleA(test::kPanningLibrary); }, 5000));
    EXPECT_EQ(nullptr, test::FindOriginWindow());
    EXPECT_NE(heading, GetCursor());
    ICONINFO gone = {};
    EXPECT_FALSE(GetIconInfo(heading, &gone));
}

}  // namespace
