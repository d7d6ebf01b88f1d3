// The magnified picture read back from the real main window: a pop-up of known
// pixels is magnified and every view pixel is checked against it.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "app/Application.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/Placement.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "support/ControlSupport.h"
#include "support/Fixtures.h"

namespace {

// The pattern covers the top-left corner of the screen; the main window stays
// far from it so that it never magnifies itself.
constexpr int kMainX = 640;
constexpr int kMainY = 520;
constexpr int kViewWidth = 203;  // not a multiple of most zoom factors: the last block is cut
constexpr int kViewHeight = 150;
const COLORREF kGridColour = RGB(255, 0, 255);
const COLORREF kSentinel = RGB(1, 2, 3);

// Cursor 106 as drawn: X black outline, o white, . transparent.
const char* const kArrow[] = {
    "X",          "XX",          "XoX",         "XooX",       "XoooX",       "XooooX",      "XoooooX",
    "XooooooX",   "XoooooooX",   "XooooooooX",  "XoooooooooX", "XooooooXXXXX", "XoooXooX",    "XooXXooX",
    "XoX..XooX",  "XX...XooX",   "X.....XooX",  "......XooX",  ".......XX",
};

std::string Hex(COLORREF colour) {
    char text[16];
    wsprintfA(text, "%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

// Without bars, so that the view is the whole client area.
class RenderTest : public test::PatternOnScreen {
protected:
    RenderTest() : PatternOnScreen(RECT{}) {}

    void Configure() override {
        g_settings.DisplayToolbar = 0;
        g_settings.DisplayStatusbar = 0;
    }

    void SetUp() override {
        PatternOnScreen::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(test::PlaceClientArea(Window(), kMainX, kMainY, kViewWidth, kViewHeight));
    }

    // The source rectangle worked out here from the view size and the primary
    // screen of the test display, which starts at (0, 0).
    static RECT ExpectedSource(int viewWidth, int viewHeight, int zoom, POINT zoomPoint) {
        int sourceWidth = viewWidth / zoom + 1;
        int sourceHeight = viewHeight / zoom + 1;
        int x = zoomPoint.x < sourceWidth / 2 ? sourceWidth / 2 : zoomPoint.x;
        int y = zoomPoint.y < sourceHeight / 2 ? sourceHeight / 2 : zoomPoint.y;
        RECT source = {x - sourceWidth / 2, y - sourceHeight / 2, 0, 0};
        source.right = source.left + sourceWidth;
        source.bottom = source.top + sourceHeight;
        return source;
    }

    // Counts view pixels that differ from the magnified pattern (with grid lines
    // every gridSpacing view pixels when that is not 0); reports the first few.
    int CountWrongPixels(const test::ClientPixels& pixels, const RECT& view, const RECT& source, int zoom,
                         int gridSpacing) {
        int wrong = 0;
        for (int vy = 0; vy < view.bottom - view.top; ++vy) {
            for (int vx = 0; vx < view.right - view.left; ++vx) {
                bool onGrid = gridSpacing && ((vx > 0 && vx % gridSpacing == 0) || (vy > 0 && vy % gridSpacing == 0));
                COLORREF expected =
                    onGrid ? kGridColour : pattern_->ColourAt(source.left + vx / zoom, source.top + vy / zoom);
                COLORREF actual = pixels.At(view.left + vx, view.top + vy);
                if (actual != expected && ++wrong <= 5) {
                    ADD_FAILURE() << "zoom " << zoom << ", view pixel (" << vx << ", " << vy << "): "
                                  << Hex(actual) << " instead of " << Hex(expected);
                }
            }
        }
        return wrong;
    }
};

TEST_F(RenderTest, EachScreenPixelBecomesABlockOfExactlyItsColour) {
    const POINT zoomPoint = {120, 90};
    for (int zoom : {1, 2, 3, 4, 7, 32}) {
        Show(zoom, zoomPoint);
        const RECT view = g_mainWindow.GetViewRect();
        ASSERT_EQ(view.right - view.left, kViewWidth);
        ASSERT_EQ(view.bottom - view.top, kViewHeight);
        const RECT source = ExpectedSource(kViewWidth, kViewHeight, zoom, zoomPoint);
        const RECT shown = g_mainWindow.SourceRect();
        EXPECT_TRUE(test::SameRect(shown, source)) << "zoom " << zoom;
        test::ClientPixels pixels(g_mainWindow.Window());
        EXPECT_EQ(CountWrongPixels(pixels, view, source, zoom, 0), 0) << "zoom " << zoom;
    }
}

TEST_F(RenderTest, ZoomPointNearTheCornerIsClampedSoTheSourceStartsThere) {
    // At zoom 1 the view is wider than twice the zoom point: the source is pulled
    // in to begin at the screen's corner instead of leaving the desktop.
    Show(1, POINT{3, 4});
    const RECT source = g_mainWindow.SourceRect();
    EXPECT_EQ(source.left, 0);
    EXPECT_EQ(source.top, 0);
    EXPECT_EQ(test::Magnification().ZoomPoint().x, 3) << "the stored zoom point is not clamped";
    test::ClientPixels pixels(g_mainWindow.Window());
    EXPECT_EQ(CountWrongPixels(pixels, g_mainWindow.GetViewRect(), source, 1, 0), 0);
}

TEST_F(RenderTest, PaintMessageRendersTheViewRegion) {
    Show(5, POINT{100, 100});
    // A new zoom point, and the window's picture painted over behind the
    // program's back: the paint message brings the view up to date as the
    // refresh timer does.
    test::FollowTo(POINT{60, 50});
    test::FillClient(g_mainWindow.Window(), kSentinel);
    ASSERT_NE(g_mainWindow.ViewRegion(), nullptr);
    RECT box;
    ASSERT_EQ(GetRgnBox(g_mainWindow.ViewRegion(), &box), SIMPLEREGION);
    const RECT view = g_mainWindow.GetViewRect();
    EXPECT_TRUE(EqualRect(&box, &view));
    InvalidateRgn(g_mainWindow.Window(), g_mainWindow.ViewRegion(), FALSE);
    UpdateWindow(g_mainWindow.Window());
    test::ClientPixels pixels(g_mainWindow.Window());
    EXPECT_EQ(CountWrongPixels(pixels, view, ExpectedSource(kViewWidth, kViewHeight, 5, POINT{60, 50}), 5, 0), 0);
}

TEST_F(RenderTest, GridLinesFallOnTheFirstColumnOfEveryGridSizeBlock) {
    g_settings.ShowGrid = 1;
    g_settings.GridColor = kGridColour;
    struct Case {
        int zoom;
        int gridSize;
        int spacing;  // in view pixels, 0 for no grid
    } cases[] = {{1, 1, 0}, {1, 2, 2}, {4, 1, 4}, {4, 3, 12}, {32, 2, 64}};
    const POINT zoomPoint = {128, 96};
    for (const Case& c : cases) {
        g_settings.GridSize = c.gridSize;
        Show(c.zoom, zoomPoint);
        test::ClientPixels pixels(g_mainWindow.Window());
        EXPECT_EQ(CountWrongPixels(pixels, g_mainWindow.GetViewRect(),
                                   ExpectedSource(kViewWidth, kViewHeight, c.zoom, zoomPoint), c.zoom, c.spacing),
                  0)
            << "zoom " << c.zoom << ", grid size " << c.gridSize;
    }
}

TEST_F(RenderTest, ViewCursorCornerIsHalfABlockInFromTheDesktopCorner) {
    g_settings.MouseTracking = 1;
    g_settings.DisplayMouseWhenFollowing = 1;
    g_settings.bUseOSCursor = 0;
    ASSERT_NE(g_mainWindow.ViewCursor(), nullptr);
    // Following the mouse: keep the real pointer where the zoom point is.
    SetCursorPos(g_desktop.left, g_desktop.top);
    const POINT corner = {g_desktop.left, g_desktop.top};
    for (int zoom : {1, 4, 9, 32}) {
        Show(zoom, corner);
        const RECT source = g_mainWindow.SourceRect();
        ASSERT_EQ(source.left, corner.x);
        ASSERT_EQ(source.top, corner.y);
        test::ClientPixels pixels(g_mainWindow.Window());
        const int origin = zoom / 2;
        int wrong = 0;
        for (int row = 0; row < static_cast<int>(sizeof(kArrow) / sizeof(kArrow[0])); ++row) {
            for (int column = 0; kArrow[row][column]; ++column) {
                int vx = origin + column;
                int vy = origin + row;
                COLORREF expected = pattern_->ColourAt(source.left + vx / zoom, source.top + vy / zoom);
                if (kArrow[row][column] == 'X') expected = RGB(0, 0, 0);
                if (kArrow[row][column] == 'o') expected = RGB(255, 255, 255);
                COLORREF actual = pixels.At(vx, vy);
                if (actual != expected && ++wrong <= 5) {
                    ADD_FAILURE() << "zoom " << zoom << ", arrow pixel (" << column << ", " << row << "): " << Hex(actual)
                                  << " instead of " << Hex(expected);
                }
            }
        }
        EXPECT_EQ(wrong, 0) << "zoom " << zoom;
        // Left of and above the corner the picture is untouched.
        if (origin > 0) {
            EXPECT_EQ(pixels.At(origin - 1, origin), pattern_->ColourAt(0, 0));
            EXPECT_EQ(pixels.At(origin, origin - 1), pattern_->ColourAt(0, 0));
        }
    }
}

TEST_F(RenderTest, NoCursorImageWhileNotFollowing) {
    g_settings.MouseTracking = 0;
    g_settings.DisplayMouseWhenFollowing = 1;
    g_settings.bUseOSCursor = 0;
    Show(4, POINT{0, 0});
    test::ClientPixels pixels(g_mainWindow.Window());
    EXPECT_EQ(CountWrongPixels(pixels, g_mainWindow.GetViewRect(), g_mainWindow.SourceRect(), 4, 0), 0);
}

TEST_F(RenderTest, ViewSitsBetweenTheBandAndTheStatusBar) {
    g_settings.DisplayToolbar = 1;
    g_settings.DisplayStatusbar = 1;
    g_mainWindow.ShowToolbarBand();
    g_mainWindow.ShowStatusBar();
    const POINT zoomPoint = {100, 80};
    Show(3, zoomPoint);
    RECT client;
    GetClientRect(g_mainWindow.Window(), &client);
    const RECT view = g_mainWindow.GetViewRect();
    EXPECT_EQ(view.top, g_mainWindow.Band().Height());
    EXPECT_EQ(view.bottom, client.bottom - g_mainWindow.Status().Height());
    EXPECT_FALSE(g_mainWindow.ViewHidden());

    // The band spans the width at the top, the status bar sits right under the view.
    const RECT band = test::RectIn(g_mainWindow.Band().Window(), Window());
    // The rebar keeps its border just outside the client area; its inside ends
    // where the view begins.
    EXPECT_LE(band.top, 0);
    EXPECT_LE(band.left, 0);
    EXPECT_GE(band.right, client.right);
    EXPECT_EQ(band.bottom, g_mainWindow.Band().Height());
    const RECT status = test::RectIn(g_mainWindow.Status().Window(), Window());
    EXPECT_EQ(status.left, 0);
    EXPECT_EQ(status.top, view.bottom);
    EXPECT_EQ(status.right, client.right);

    test::ClientPixels pixels(g_mainWindow.Window());
    EXPECT_EQ(CountWrongPixels(pixels, view,
                               ExpectedSource(view.right - view.left, view.bottom - view.top, 3, zoomPoint), 3, 0),
              0);
}

TEST_F(RenderTest, StatusPanesGiveSpareRoomToTheMessagePane) {
    g_settings.DisplayToolbar = 1;
    g_settings.DisplayStatusbar = 1;
    g_mainWindow.ShowToolbarBand();
    g_mainWindow.ShowStatusBar();
    ASSERT_TRUE(test::PlaceClientArea(g_mainWindow.Window(), kMainX - 300, kMainY, 600, kViewHeight));
    g_mainWindow.SizeStatusPanes();
    const std::vector<int> wide = test::PaneEdges(g_mainWindow.Status().Window());
    ASSERT_EQ(wide.size(), 5u);
    // The panes end a size grip's width (the bar's height) from the right, plus 3.
    EXPECT_EQ(wide[4], 600 - g_mainWindow.Status().Height() + 3);
    EXPECT_EQ(wide[2] - wide[1], 31);
    for (int i = 1; i < 5; ++i) EXPECT_GT(wide[i], wide[i - 1]);

    ASSERT_TRUE(test::PlaceClientArea(g_mainWindow.Window(), kMainX, kMainY, 700, kViewHeight));
    g_mainWindow.SizeStatusPanes();
    const std::vector<int> wider = test::PaneEdges(g_mainWindow.Status().Window());
    ASSERT_EQ(wider.size(), 5u);
    EXPECT_EQ(wider[0] - wide[0], 100) << "only the message pane grows";
    for (int i = 1; i < 5; ++i) EXPECT_EQ(wider[i] - wider[i - 1], wide[i] - wide[i - 1]);

    // Too narrow for all: the message pane keeps its own minimum and the panes
    // run past the window's edge.
    ASSERT_TRUE(test::PlaceClientArea(g_mainWindow.Window(), kMainX, kMainY, 260, kViewHeight));
    g_mainWindow.SizeStatusPanes();
    const std::vector<int> narrow = test::PaneEdges(g_mainWindow.Status().Window());
    ASSERT_TRUE(test::PlaceClientArea(g_mainWindow.Window(), kMainX, kMainY, 200, kViewHeight));
    g_mainWindow.SizeStatusPanes();
    const std::vector<int> narrower = test::PaneEdges(g_mainWindow.Status().Window());
    ASSERT_EQ(narrow.size(), 5u);
    ASSERT_EQ(narrower.size(), 5u);
    EXPECT_GT(narrow[4], 260);
    EXPECT_EQ(narrow[0], narrower[0]);
    EXPECT_GT(narrow[0], 0);
    EXPECT_EQ(narrow[2] - narrow[1], 31);
}

TEST_F(RenderTest, NothingIsPaintedWhileTheBarsOverlap) {
    g_settings.DisplayToolbar = 1;
    g_settings.DisplayStatusbar = 1;
    g_mainWindow.ShowToolbarBand();
    g_mainWindow.ShowStatusBar();
    const int bars = g_mainWindow.Band().Height() + g_mainWindow.Status().Height();
    ASSERT_GT(bars, 20);
    // The bars are hidden behind the program's back, so that only the view could paint.
    ShowWindow(g_mainWindow.Band().Window(), SW_HIDE);
    ShowWindow(g_mainWindow.Status().Window(), SW_HIDE);
    ASSERT_TRUE(test::PlaceClientArea(g_mainWindow.Window(), kMainX, kMainY, kViewWidth, bars - 20));
    EXPECT_TRUE(g_mainWindow.ViewHidden());
    RECT view = g_mainWindow.GetViewRect();
    EXPECT_LT(view.bottom - view.top, 0);

    test::FillClient(g_mainWindow.Window(), kSentinel);
    g_mainWindow.Redraw();
    InvalidateRect(g_mainWindow.Window(), nullptr, FALSE);
    UpdateWindow(g_mainWindow.Window());
    test::ClientPixels hidden(g_mainWindow.Window());
    int painted = 0;
    for (int y = 0; y < hidden.Height(); ++y) {
        for (int x = 0; x < hidden.Width(); ++x) painted += hidden.At(x, y) != kSentinel;
    }
    EXPECT_EQ(painted, 0);

    // Taller again: the next layout shows the view.
    test::FollowTo(POINT{100, 100});
    g_settings.ZoomFactor = 2;
    ASSERT_TRUE(test::PlaceClientArea(g_mainWindow.Window(), kMainX, kMainY, kViewWidth, bars + 120));
    EXPECT_FALSE(g_mainWindow.ViewHidden());
    view = g_mainWindow.GetViewRect();
    ASSERT_EQ(view.top, g_mainWindow.Band().Height());
    ASSERT_EQ(view.bottom, view.top + 120);
    test::ClientPixels shown(g_mainWindow.Window());
    EXPECT_EQ(CountWrongPixels(shown, view, ExpectedSource(kViewWidth, 120, 2, POINT{100, 100}), 2, 0), 0);
}

// A refresh tick as the refresh timer delivers it.
void RefreshTick() {
    SendMessageA(g_mainWindow.Window(), WM_TIMER, kRefreshTimerId, 0);
}

COLORREF ViewCentre() {
    const RECT view = g_mainWindow.GetViewRect();
    return test::ClientPixels(g_mainWindow.Window()).At((view.left + view.right) / 2, (view.top + view.bottom) / 2);
}

TEST_F(RenderTest, ARefreshPaintsOnlyWhenThePictureChanged) {
    const POINT zoomPoint = {100, 100};
    Show(4, zoomPoint);
    // Painted over behind the program's back: a refresh that paints shows.
    test::FillClient(g_mainWindow.Window(), kSentinel);
    RefreshTick();
    EXPECT_EQ(kSentinel, ViewCentre()) << "a still screen was painted again";

    // One screen pixel of the source changes: its block shows it, and the rest is right too.
    HDC patternDC = GetDC(pattern_->Window());
    SetPixel(patternDC, zoomPoint.x, zoomPoint.y, RGB(255, 255, 255));
    ReleaseDC(pattern_->Window(), patternDC);
    ASSERT_TRUE(test::PumpUntil([&] { return test::ScreenPixel(zoomPoint.x, zoomPoint.y) == RGB(255, 255, 255); }, 2000));
    RefreshTick();
    const RECT view = g_mainWindow.GetViewRect();
    const RECT source = g_mainWindow.SourceRect();
    test::ClientPixels changed(g_mainWindow.Window());
    const POINT block = {view.left + 4 * (zoomPoint.x - source.left), view.top + 4 * (zoomPoint.y - source.top)};
    EXPECT_EQ(RGB(255, 255, 255), changed.At(block.x + 3, block.y + 3));
    EXPECT_EQ(pattern_->ColourAt(zoomPoint.x + 1, zoomPoint.y), changed.At(block.x + 4, block.y));
    InvalidateRect(pattern_->Window(), nullptr, FALSE);
    ASSERT_TRUE(test::PumpUntil(
        [&] { return test::ScreenPixel(zoomPoint.x, zoomPoint.y) == pattern_->ColourAt(zoomPoint.x, zoomPoint.y); },
        2000));

    // The grid switched on.
    RefreshTick();
    test::FillClient(g_mainWindow.Window(), kSentinel);
    RefreshTick();
    EXPECT_EQ(kSentinel, ViewCentre());
    g_settings.ShowGrid = 1;
    g_settings.GridColor = kGridColour;
    RefreshTick();
    test::ClientPixels grid(g_mainWindow.Window());
    EXPECT_EQ(0, CountWrongPixels(grid, view, source, 4, 4));

    // Following, with the cursor drawn: a still cursor paints nothing, a moving one does.
    g_settings.ShowGrid = 0;
    g_settings.MouseTracking = 1;
    ASSERT_TRUE(SetCursorPos(zoomPoint.x, zoomPoint.y));
    SendMessageA(g_mainWindow.Window(), WM_TIMER, kTrackingTimerId, 0);
    RefreshTick();
    test::FillClient(g_mainWindow.Window(), kSentinel);
    RefreshTick();
    EXPECT_EQ(kSentinel, ViewCentre());
    ASSERT_TRUE(SetCursorPos(zoomPoint.x + 5, zoomPoint.y));
    SendMessageA(g_mainWindow.Window(), WM_TIMER, kTrackingTimerId, 0);
    EXPECT_NE(kSentinel, ViewCentre()) << "the moved cursor was not painted";
}

TEST_F(RenderTest, ThePictureKeepsItsBitmapUntilTheViewChangesSize) {
    Show(3, POINT{100, 100});
    HBITMAP first = g_mainWindow.Frame().PictureBitmap();
    ASSERT_EQ(OBJ_BITMAP, static_cast<int>(GetObjectType(first)));
    for (int tick = 0; tick < 3; ++tick) {
        test::FillClient(g_mainWindow.Window(), kSentinel);
        g_mainWindow.Redraw();
        EXPECT_EQ(first, g_mainWindow.Frame().PictureBitmap());
    }
    ASSERT_TRUE(test::PlaceClientArea(g_mainWindow.Window(), kMainX, kMainY, kViewWidth + 10, kViewHeight));
    HBITMAP resized = g_mainWindow.Frame().PictureBitmap();
    EXPECT_NE(first, resized);
    EXPECT_EQ(0u, GetObjectType(first)) << "the old picture outlived its size";
    BITMAP size = {};
    ASSERT_TRUE(GetObjectA(resized, sizeof(size), &size));
    EXPECT_EQ(kViewWidth + 10, size.bmWidth);
    DestroyWindow(g_mainWindow.Window());
    EXPECT_EQ(0u, GetObjectType(resized)) << "the picture outlived the window";
}

}  // namespace
