// The marquee frame and the tracking tooltip as real windows on the real screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "commands/HelpPopup.h"
#include "common/Dpi.h"
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

TEST(Marquee, AtTwiceTheScaleTheLineAndItsDashesAreTwiceAsWide) {
    test::ColourWindow backdrop(RECT{380, 380, 520, 520}, kGreen);
    MarqueeWindow marquee;
    marquee.Show(backdrop.Window(), 192);
    EXPECT_EQ(2, marquee.LineWidth());
    marquee.Place(400, 400, 64, 48);
    test::PumpMessages(150);

    test::ScreenCapture shot(RECT{400, 400, 464, 448});
    // Two rows and two columns of dashes eight long, whatever the phase; the
    // corners belong to the columns, painted last.
    for (int y : {400, 401, 446, 447}) {
        for (int x = 402; x < 454; ++x) {
            ASSERT_TRUE(IsDash(shot.At(x, y))) << x << "," << y;
            EXPECT_NE(shot.At(x, y), shot.At(x + 8, y)) << x << "," << y;
        }
    }
    for (int x : {400, 401, 462, 463}) {
        for (int y = 402; y < 438; ++y) {
            ASSERT_TRUE(IsDash(shot.At(x, y))) << x << "," << y;
            EXPECT_NE(shot.At(x, y), shot.At(x, y + 8)) << x << "," << y;
        }
    }
    // Both pixels across the line are one dash.
    for (int x = 402; x < 462; ++x) EXPECT_EQ(shot.At(x, 400), shot.At(x, 401)) << x;
    // The inside, from the third pixel in, belongs to the window below.
    EXPECT_EQ(shot.At(402, 402), kGreen);
    EXPECT_EQ(shot.At(432, 424), kGreen);
    EXPECT_EQ(shot.At(461, 445), kGreen);
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

// ---------------------------------------------------------------- at twice the scale

// Nine tenths of twice a length at 100 %: what text drawn at 200 % at least spans.
LONG NearlyTwice(LONG length) {
    return length * 9 / 5;
}

// Shown at 100 % and at 200 %, whatever the system's scale: the font, the icon
// column, the margins and the text on the screen are twice as large.
TEST(TrackingTip, AtTwiceTheScaleTextIconAndMarginsAreTwiceAsLarge) {
    const char* text = "Selected size 10x12";
    const COLORREF paper = GetSysColor(COLOR_INFOBK);
    TrackingToolTip tip;
    RECT text96 = {}, icon96 = {};
    for (int dpiValue : {96, 192}) {
        SCOPED_TRACE(dpiValue);
        const int scale = dpiValue / 96;
        tip.Show(nullptr, 300, 400, text, static_cast<UINT>(dpiValue));
        ASSERT_NE(nullptr, tip.Window());
        UpdateWindow(tip.Window());
        test::PumpMessages(100);
        EXPECT_EQ(test::GuiFontHeightAt(static_cast<UINT>(dpiValue)), test::FontHeight(tip.TextFont()));
        // The stock font itself at the system's scale; a font of its own elsewhere.
        EXPECT_EQ(dpiValue == static_cast<int>(dpi::System()),
                  tip.TextFont() == static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
        RECT placed;
        GetWindowRect(tip.Window(), &placed);
        SIZE measured = test::TextExtent(tip.TextFont(), text);
        EXPECT_EQ(measured.cx + 24 * scale, placed.right - placed.left);
        EXPECT_EQ(std::max<LONG>(measured.cy + 2 * scale, 20 * scale), placed.bottom - placed.top);
        EXPECT_EQ(400, placed.bottom);

        const RECT client = test::ClientOnScreen(tip.Window());
        const int column = 16 * scale;
        RECT icon = test::InkBox(RECT{client.left, client.top, client.left + column + scale, client.bottom}, paper);
        RECT words = test::InkBox(RECT{client.left + column + scale, client.top, client.right, client.bottom}, paper);
        ASSERT_FALSE(IsRectEmpty(&icon));
        ASSERT_FALSE(IsRectEmpty(&words));
        EXPECT_GE(icon.left - client.left, scale);  // the icon's margin
        if (scale == 1) {
            text96 = words;
            icon96 = icon;
        } else {
            // Measured and drawn in the font at 200 %: the text's ink is about twice as tall and wide.
            EXPECT_GE(words.bottom - words.top, NearlyTwice(text96.bottom - text96.top));
            EXPECT_GE(words.right - words.left, NearlyTwice(text96.right - text96.left));
            EXPECT_GT(icon.right - icon.left, icon96.right - icon96.left + 8);
            EXPECT_GT(icon.bottom - icon.top, icon96.bottom - icon96.top + 8);
        }
    }
    tip.Hide();
}

TEST(HelpPopup, AtTwiceTheScaleTextAndMarginsAreTwiceAsLarge) {
    // One line at either scale, so that the two are alike.
    const char* text = "Grid (Ctrl+G): shows the pixel grid.";
    const RECT anchor = {500, 300, 501, 310};
    const COLORREF paper = GetSysColor(COLOR_INFOBK);
    RECT ink96 = {};
    LONG width96 = 0;
    for (int dpiValue : {96, 192}) {
        SCOPED_TRACE(dpiValue);
        const int scale = dpiValue / 96;
        ASSERT_TRUE(g_helpPopup.Show(nullptr, text, anchor, static_cast<UINT>(dpiValue)));
        UpdateWindow(g_helpPopup.Window());
        test::PumpMessages(100);
        EXPECT_EQ(test::GuiFontHeightAt(static_cast<UINT>(dpiValue)), test::FontHeight(g_helpPopup.TextFont()));
        RECT placed;
        GetWindowRect(g_helpPopup.Window(), &placed);
        EXPECT_EQ(anchor.bottom + 2 * scale, placed.top);
        const RECT client = test::ClientOnScreen(g_helpPopup.Window());
        const RECT ink = test::InkBox(client, paper);
        ASSERT_FALSE(IsRectEmpty(&ink));
        // The margins: six pixels at 100 %, twelve at 200 %.
        EXPECT_GE(ink.left - client.left, 6 * scale);
        EXPECT_GE(ink.top - client.top, 6 * scale);
        EXPECT_GE(client.right - ink.right, 6 * scale);
        EXPECT_GE(client.bottom - ink.bottom, 6 * scale);
        EXPECT_LE(ink.left - client.left, 6 * scale + 2);
        if (scale == 1) {
            ink96 = ink;
            width96 = placed.right - placed.left;
        } else {
            // A font's larger sizes run a little narrower: nearly twice is twice.
            EXPECT_GE(ink.bottom - ink.top, NearlyTwice(ink96.bottom - ink96.top));
            EXPECT_GE(ink.right - ink.left, NearlyTwice(ink96.right - ink96.left));
            EXPECT_GE(placed.right - placed.left, NearlyTwice(width96));
        }
        g_helpPopup.Hide();
    }
}

}  // namespace
