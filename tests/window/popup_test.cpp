// The marquee frame and the tracking tooltip as real windows on the real screen.
#include <gtest/gtest.h>

#include <string>

#include "commands/HelpPopup.h"
#include "support/ControlSupport.h"
#include "support/TestSupport.h"
#include "support/ViewSupport.h"
#include "view/MarqueeWindow.h"
#include "view/TrackingToolTip.h"

namespace {

const COLORREF kGreen = RGB(0, 160, 0);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

bool IsDash(COLORREF colour) {
    return colour == kBlack || colour == kWhite;
}

// ---------------------------------------------------------------- marquee

TEST(Marquee, CoversExactlyTheRectangleAndOnlyItsRing) {
    MarqueeWindow marquee;
    marquee.Show(nullptr);
    HWND window = marquee.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));

    marquee.Place(300, 200, 40, 30);
    test::PumpMessages(50);
    EXPECT_TRUE(IsWindowVisible(window));
    RECT placed;
    GetWindowRect(window, &placed);
    EXPECT_EQ(placed.left, 300);
    EXPECT_EQ(placed.top, 200);
    EXPECT_EQ(placed.right, 340);
    EXPECT_EQ(placed.bottom, 230);

    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(window, shape), ERROR);
    // The ring: every outermost row and column, corners included.
    EXPECT_TRUE(PtInRegion(shape, 0, 0));
    EXPECT_TRUE(PtInRegion(shape, 39, 0));
    EXPECT_TRUE(PtInRegion(shape, 0, 29));
    EXPECT_TRUE(PtInRegion(shape, 39, 29));
    EXPECT_TRUE(PtInRegion(shape, 20, 0));
    EXPECT_TRUE(PtInRegion(shape, 20, 29));
    EXPECT_TRUE(PtInRegion(shape, 0, 15));
    EXPECT_TRUE(PtInRegion(shape, 39, 15));
    // Nothing inside it and nothing outside the rectangle.
    EXPECT_FALSE(PtInRegion(shape, 1, 1));
    EXPECT_FALSE(PtInRegion(shape, 38, 28));
    EXPECT_FALSE(PtInRegion(shape, 20, 15));
    EXPECT_FALSE(PtInRegion(shape, 40, 0));
    EXPECT_FALSE(PtInRegion(shape, 0, 30));
    RECT bounds;
    GetRgnBox(shape, &bounds);
    EXPECT_EQ(bounds.left, 0);
    EXPECT_EQ(bounds.top, 0);
    EXPECT_EQ(bounds.right, 40);
    EXPECT_EQ(bounds.bottom, 30);
    DeleteObject(shape);
    marquee.Hide();
}

TEST(Marquee, ThinRectanglesStayWhole) {
    MarqueeWindow marquee;
    marquee.Show(nullptr);
    ASSERT_NE(marquee.Window(), nullptr);
    // The smallest selection at zoom 1 is one screen pixel.
    const SIZE sizes[] = {{1, 1}, {1, 9}, {2, 2}, {9, 2}};
    for (const SIZE& size : sizes) {
        marquee.Place(300, 200, size.cx, size.cy);
        HRGN shape = CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(GetWindowRgn(marquee.Window(), shape), ERROR);
        for (int y = 0; y < size.cy; ++y) {
            for (int x = 0; x < size.cx; ++x) {
                EXPECT_TRUE(PtInRegion(shape, x, y)) << size.cx << "x" << size.cy << " at " << x << "," << y;
            }
        }
        DeleteObject(shape);
    }
    marquee.Hide();
}

TEST(Marquee, DrawsDashesOnTheRingAndShowsThroughInside) {
    test::ColourWindow backdrop(RECT{380, 380, 520, 520}, kGreen);
    MarqueeWindow marquee;
    marquee.Show(backdrop.Window());
    marquee.Place(400, 400, 64, 48);
    test::PumpMessages(150);

    test::ScreenCapture shot(RECT{400, 400, 464, 448});
    // Top and bottom rows: runs of four black and four white, whatever the phase.
    // The corners belong to the columns, painted last.
    for (int y : {400, 447}) {
        for (int x = 401; x < 459; ++x) {
            ASSERT_TRUE(IsDash(shot.At(x, y))) << x << "," << y;
            EXPECT_NE(shot.At(x, y), shot.At(x + 4, y)) << x << "," << y;
        }
    }
    for (int x : {400, 463}) {
        for (int y = 401; y < 443; ++y) {
            ASSERT_TRUE(IsDash(shot.At(x, y))) << x << "," << y;
            EXPECT_NE(shot.At(x, y), shot.At(x, y + 4)) << x << "," << y;
        }
    }
    // The inside belongs to the window below.
    EXPECT_EQ(shot.At(401, 401), kGreen);
    EXPECT_EQ(shot.At(432, 424), kGreen);
    EXPECT_EQ(shot.At(462, 446), kGreen);
    marquee.Hide();
}

TEST(Marquee, PhaseRunsThroughFourStepsAndHideStopsIt) {
    MarqueeWindow marquee;
    EXPECT_EQ(marquee.Phase(), 0);
    marquee.Show(nullptr);
    marquee.Place(300, 200, 20, 20);
    for (int expected : {2, 4, 6, 0}) {
        EXPECT_TRUE(test::PumpUntil([&] { return marquee.Phase() == expected; }, 2000)) << expected;
    }
    HWND old = marquee.Window();
    marquee.Hide();
    EXPECT_EQ(marquee.Window(), nullptr);
    EXPECT_FALSE(IsWindow(old));
    int phase = marquee.Phase();
    test::PumpMessages(350);
    EXPECT_EQ(marquee.Phase(), phase);
    MSG pending;
    EXPECT_FALSE(PeekMessageA(&pending, old, WM_TIMER, WM_TIMER, PM_NOREMOVE));
}

TEST(Marquee, ShowAgainReusesClassAndBrushes) {
    MarqueeWindow marquee;
    marquee.Show(nullptr);
    ATOM atom = MarqueeWindow::ClassAtom();
    HBRUSH horizontal = marquee.HorizontalBrush();
    HBRUSH vertical = marquee.VerticalBrush();
    ASSERT_NE(atom, 0);
    ASSERT_NE(horizontal, nullptr);
    ASSERT_NE(vertical, nullptr);
    char name[64] = "";
    GetClassNameA(marquee.Window(), name, sizeof(name));
    EXPECT_STREQ(name, "wyn_Marquee");
    marquee.Place(300, 200, 30, 30);
    marquee.Hide();
    EXPECT_EQ(MarqueeWindow::ClassAtom(), atom);
    marquee.Show(nullptr);
    ASSERT_NE(marquee.Window(), nullptr);
    EXPECT_EQ(MarqueeWindow::ClassAtom(), atom);
    EXPECT_EQ(marquee.HorizontalBrush(), horizontal);
    EXPECT_EQ(marquee.VerticalBrush(), vertical);
    marquee.Hide();
}

TEST(Marquee, ShowWhileShownLeavesOneFrame) {
    MarqueeWindow marquee;
    marquee.Show(nullptr);
    marquee.Place(300, 200, 30, 30);
    HWND first = marquee.Window();
    marquee.Show(nullptr);
    marquee.Place(350, 200, 30, 30);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(test::CountThreadWindows("wyn_Marquee"), 1);
    marquee.Hide();
    EXPECT_EQ(test::CountThreadWindows("wyn_Marquee"), 0);
}

TEST(Marquee, ForgetsAWindowThatWentWithItsOwner) {
    MarqueeWindow marquee;
    {
        test::ColourWindow owner(RECT{10, 10, 50, 50}, kGreen);
        marquee.Show(owner.Window());
        marquee.Place(300, 200, 30, 30);
        ASSERT_NE(marquee.Window(), nullptr);
    }
    EXPECT_EQ(marquee.Window(), nullptr);
    marquee.Hide();
    marquee.Show(nullptr);
    EXPECT_NE(marquee.Window(), nullptr);
    marquee.Hide();
}

TEST(Marquee, DestructionUnregistersTheClass) {
    {
        MarqueeWindow marquee;
        marquee.Show(nullptr);
        ASSERT_NE(MarqueeWindow::ClassAtom(), 0);
    }
    EXPECT_EQ(MarqueeWindow::ClassAtom(), 0);
    WNDCLASSEXA info = {};
    info.cbSize = sizeof(info);
    EXPECT_FALSE(GetClassInfoExA(GetModuleHandleA(nullptr), "wyn_Marquee", &info));
}

// ---------------------------------------------------------------- tracking tooltip

SIZE MeasureGuiText(const char* text) {
    return test::TextExtent(GetStockObject(DEFAULT_GUI_FONT), text);
}

TEST(TrackingTip, ShortTextIsStillTwentyHighAndSitsOnThePoint) {
    TrackingToolTip tip;
    tip.Show(nullptr, 500, 300, "i");
    HWND window = tip.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    RECT r;
    GetWindowRect(window, &r);
    SIZE text = MeasureGuiText("i");
    ASSERT_LT(text.cy + 2, 20);
    EXPECT_EQ(r.bottom - r.top, 20);
    EXPECT_EQ(r.right - r.left, text.cx + 24);
    // Bottom-left corner on the point: the last row is y - 1.
    EXPECT_EQ(r.left, 500);
    EXPECT_EQ(r.bottom, 300);
    char name[64] = "";
    GetClassNameA(window, name, sizeof(name));
    EXPECT_STREQ(name, "wyn_TrackingToolTip");
    tip.Hide();
    EXPECT_EQ(tip.Window(), nullptr);
    EXPECT_FALSE(IsWindow(window));
}

TEST(TrackingTip, SecondShowMovesTheOneWindowAndRepaintsIt) {
    TrackingToolTip tip;
    tip.Show(nullptr, 200, 300, "Selected size 1x1");
    HWND first = tip.Window();
    test::PumpMessages(50);
    const char* longer = "Drag the highlight to select the area of screen you wish to highlight";
    tip.Show(nullptr, 260, 420, longer);
    test::PumpMessages(100);
    EXPECT_EQ(tip.Window(), first);
    EXPECT_STREQ(tip.Text(), longer);
    EXPECT_EQ(test::CountThreadWindows("wyn_TrackingToolTip"), 1);
    RECT r;
    GetWindowRect(first, &r);
    EXPECT_EQ(r.left, 260);
    EXPECT_EQ(r.bottom, 420);
    EXPECT_EQ(r.right - r.left, MeasureGuiText(longer).cx + 24);

    // Painted: the info background at the right end, and something (the text)
    // that is not background in the middle of the client area.
    RECT client;
    GetClientRect(first, &client);
    MapWindowPoints(first, nullptr, reinterpret_cast<POINT*>(&client), 2);
    test::ScreenCapture shot(client);
    COLORREF background = GetSysColor(COLOR_INFOBK);
    EXPECT_EQ(shot.At(client.right - 1, client.top), background);
    int notBackground = 0;
    int midY = (client.top + client.bottom) / 2;
    for (int x = client.left + 20; x < client.right - 4; ++x) {
        if (shot.At(x, midY) != background || shot.At(x, midY - 2) != background) ++notBackground;
    }
    EXPECT_GT(notBackground, 10);
    // The icon column: the 16 x 16 image at (1, 1) is not plain background.
    int iconPixels = 0;
    for (int y = 1; y < 17; ++y) {
        for (int x = 1; x < 17; ++x) {
            if (shot.At(client.left + x, client.top + y) != background) ++iconPixels;
        }
    }
    EXPECT_GT(iconPixels, 20);
    tip.Hide();
}

TEST(TrackingTip, RepaintingKeepsOneIcon) {
    TrackingToolTip tip;
    tip.Show(nullptr, 200, 300, "Selected size 4x5");
    ASSERT_NE(tip.Window(), nullptr);
    UpdateWindow(tip.Window());
    HICON icon = tip.SmallIcon();
    ASSERT_NE(icon, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_EQ(info.fIcon, TRUE);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    for (int i = 0; i < 20; ++i) {
        RedrawWindow(tip.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        tip.Show(nullptr, 200 + i, 300, i % 2 ? "Selected size 4x5" : "Selected size 10x12");
        UpdateWindow(tip.Window());
    }
    EXPECT_EQ(tip.SmallIcon(), icon);
    tip.Hide();
}

// ---------------------------------------------------------------- at another scale

// A monitor at another scale than the system's, which Wine cannot show (the
// scaled tests see the pop-ups at the system's): the font, the tip's size and
// the marquee's line are still made for the monitor's.
TEST(Popups, AtAnotherScaleThanTheSystemsTheyAreMadeForIt) {
    TrackingToolTip tip;
    tip.Show(nullptr, 300, 400, "Selected size 10x12", 192);
    EXPECT_EQ(test::GuiFontHeightAt(192), test::FontHeight(tip.TextFont()));
    EXPECT_EQ(test::TextExtent(tip.TextFont(), tip.Text()).cx + 48, test::RectIn(tip.Window()).right - 300);
    tip.Hide();
    ASSERT_TRUE(g_helpPopup.Show(nullptr, "Grid (Ctrl+G): shows the pixel grid.", RECT{500, 300, 501, 310}, 192));
    EXPECT_EQ(test::GuiFontHeightAt(192), test::FontHeight(g_helpPopup.TextFont()));
    EXPECT_EQ(314, test::RectIn(g_helpPopup.Window()).top);
    g_helpPopup.Hide();
    MarqueeWindow marquee;
    marquee.Show(nullptr, 192);
    EXPECT_EQ(2, marquee.LineWidth());
}

}  // namespace
