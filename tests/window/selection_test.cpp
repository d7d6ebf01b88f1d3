// The right-button selection in the real main window: snapping, the outline and
// size tip, the menu the release opens, cancelling, and Zoom To.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "mainwindow/MainWindow.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "support/ControlSupport.h"
#include "support/Fixtures.h"
#include "support/MenuSupport.h"
#include "view/SelectionMath.h"

namespace {

using test::MenuProbe;

class SelectionTest : public test::PlacedMainWindow {
protected:
    void UseZoom(int zoom) {
        g_mainWindow.SetZoom(zoom);
        ASSERT_EQ(zoom, g_settings.ZoomFactor);
    }

    RECT ScreenRectOf(RECT client) const {
        MapWindowPoints(Window(), HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
        return client;
    }

    // Releases the button and closes whatever menu opens with Escape; returns
    // the first command of that menu, 0 when none opened.
    UINT ReleaseAndDismiss(POINT client) {
        MenuProbe probe;
        test::ReleaseRight(Window(), client);
        return probe.Seen().shown ? probe.Seen().firstItem : 0;
    }

    void ExpectNoSelectionOnScreen() {
        EXPECT_FALSE(test::Magnification().Selecting());
        EXPECT_FALSE(test::Magnification().SelectionShown());
        EXPECT_EQ(nullptr, g_mainWindow.Marquee().Window());
        EXPECT_EQ(nullptr, g_mainWindow.TrackingTip().Window());
        EXPECT_NE(Window(), GetCapture());
    }
};

RECT Offset(const RECT& view, int left, int top, int right, int bottom) {
    RECT r = {view.left + left, view.top + top, view.left + right, view.top + bottom};
    return r;
}

TEST_F(SelectionTest, DragSnapsToMagnifiedPixelsWithOutlineAndSizeTip) {
    UseZoom(4);
    RECT view = View();
    test::PressRight(Window(), InView(5, 3));
    EXPECT_TRUE(test::Magnification().Selecting());
    EXPECT_EQ(Window(), GetCapture());

    test::MoveMouse(Window(), InView(22, 19));
    RECT expected = Offset(view, 4, 0, 20, 16);
    EXPECT_TRUE(test::SameRect(g_mainWindow.SelectionRect(), expected));
    ASSERT_NE(nullptr, g_mainWindow.TrackingTip().Window());
    EXPECT_STREQ("Selected size 4x4", g_mainWindow.TrackingTip().Text());
    ASSERT_NE(nullptr, g_mainWindow.Marquee().Window());
    EXPECT_TRUE(IsWindowVisible(g_mainWindow.Marquee().Window()));
    EXPECT_TRUE(test::SameRect(test::RectIn(g_mainWindow.Marquee().Window()), ScreenRectOf(expected)));

    // The tip's bottom-left corner sits just up and left of the anchor's magnified pixel.
    POINT tip = ToScreen(SelectionTipPoint(InView(5, 3), 4));
    RECT tipRect = test::RectIn(g_mainWindow.TrackingTip().Window());
    EXPECT_EQ(tip.x, tipRect.left);
    EXPECT_EQ(tip.y, tipRect.bottom);

    // One row further starts the next magnified pixel down.
    test::MoveMouse(Window(), InView(22, 20));
    expected = Offset(view, 4, 0, 20, 20);
    EXPECT_TRUE(test::SameRect(g_mainWindow.SelectionRect(), expected));
    EXPECT_STREQ("Selected size 4x5", g_mainWindow.TrackingTip().Text());
    EXPECT_TRUE(test::SameRect(test::RectIn(g_mainWindow.Marquee().Window()), ScreenRectOf(expected)));

    EXPECT_EQ(static_cast<UINT>(IDM_COPY_SELECTION), ReleaseAndDismiss(InView(22, 20)));
    ExpectNoSelectionOnScreen();
}

TEST_F(SelectionTest, DragPastTheViewStopsAtItsEdges) {
    UseZoom(3);
    RECT view = View();
    test::PressRight(Window(), InView(30, 30));
    // Far outside the window: the capture keeps the moves coming.
    POINT outside = {view.right + 400, view.bottom + 400};
    test::MoveMouse(Window(), outside);
    EXPECT_EQ(view.right, test::Magnification().End().x);
    EXPECT_EQ(view.bottom, test::Magnification().End().y);
    RECT selection = g_mainWindow.SelectionRect();
    EXPECT_EQ(view.left + (view.right - view.left) / 3 * 3, selection.right);
    EXPECT_EQ(view.top + (view.bottom - view.top) / 3 * 3, selection.bottom);
    EXPECT_TRUE(test::SameRect(test::RectIn(g_mainWindow.Marquee().Window()), ScreenRectOf(selection)));

    POINT before = {view.left - 500, view.top - 500};
    test::MoveMouse(Window(), before);
    EXPECT_EQ(view.left, test::Magnification().End().x);
    EXPECT_EQ(view.top, test::Magnification().End().y);
    EXPECT_TRUE(test::SameRect(g_mainWindow.SelectionRect(), Offset(view, 0, 0, 30, 30)));
    EXPECT_TRUE(
        test::SameRect(test::RectIn(g_mainWindow.Marquee().Window()), ScreenRectOf(g_mainWindow.SelectionRect())));
    ReleaseAndDismiss(InView(30, 30));
}

TEST_F(SelectionTest, ClickWithoutMovingOpensTheMainMenuWithoutATip) {
    UseZoom(4);
    test::PressRight(Window(), InView(40, 40));
    MenuProbe probe;
    bool tipDuringMenu = true;
    bool outlineDuringMenu = true;
    probe.WhileShown([&] {
        tipDuringMenu = g_mainWindow.TrackingTip().Window() != nullptr;
        outlineDuringMenu = g_mainWindow.Marquee().Window() != nullptr;
    });
    test::ReleaseRight(Window(), InView(40, 40));
    ASSERT_TRUE(probe.Seen().shown);
    EXPECT_EQ(static_cast<UINT>(IDM_ALWAYS_ON_TOP), probe.Seen().firstItem);
    EXPECT_FALSE(tipDuringMenu);
    EXPECT_FALSE(outlineDuringMenu);
    // The menu opens at the release point.
    POINT release = ToScreen(InView(40, 40));
    EXPECT_EQ(release.x, probe.Seen().screenRect.left);
    EXPECT_EQ(release.y, probe.Seen().screenRect.top);
    ExpectNoSelectionOnScreen();
}

TEST_F(SelectionTest, AtZoomOneOnlyADragAcrossAndDownSelects) {
    UseZoom(1);
    test::PressRight(Window(), InView(10, 10));
    test::MoveMouse(Window(), InView(40, 10));
    EXPECT_TRUE(IsEmptySelection(g_mainWindow.SelectionRect()));
    EXPECT_EQ(static_cast<UINT>(IDM_ALWAYS_ON_TOP), ReleaseAndDismiss(InView(40, 10)));

    test::PressRight(Window(), InView(10, 10));
    test::MoveMouse(Window(), InView(11, 11));
    EXPECT_STREQ("Selected size 1x1", g_mainWindow.TrackingTip().Text());
    EXPECT_EQ(static_cast<UINT>(IDM_COPY_SELECTION), ReleaseAndDismiss(InView(11, 11)));
}

TEST_F(SelectionTest, ATipOnceShownFollowsTheSelectionBackToNothing) {
    UseZoom(4);
    test::PressRight(Window(), InView(8, 8));
    test::MoveMouse(Window(), InView(9, 9));
    EXPECT_EQ(nullptr, g_mainWindow.TrackingTip().Window());
    test::MoveMouse(Window(), InView(16, 20));
    EXPECT_STREQ("Selected size 2x3", g_mainWindow.TrackingTip().Text());
    test::MoveMouse(Window(), InView(9, 9));
    ASSERT_NE(nullptr, g_mainWindow.TrackingTip().Window());
    EXPECT_STREQ("Selected size 0x0", g_mainWindow.TrackingTip().Text());
    EXPECT_EQ(static_cast<UINT>(IDM_ALWAYS_ON_TOP), ReleaseAndDismiss(InView(9, 9)));
    ExpectNoSelectionOnScreen();
}

TEST_F(SelectionTest, ADragEndingOverTheColourPaneOpensItsMenu) {
    UseZoom(4);
    test::PressRight(Window(), InView(20, 20));
    POINT pane = ToClient(StatusPaneCentre(1));
    test::MoveMouse(Window(), pane);
    EXPECT_FALSE(IsEmptySelection(g_mainWindow.SelectionRect()));
    MenuProbe probe;
    bool activeDuringMenu = false;
    probe.WhileShown([&] { activeDuringMenu = test::Magnification().SelectionShown(); });
    test::ReleaseRight(Window(), pane);
    EXPECT_EQ(static_cast<UINT>(IDM_COLOUR_AS_RGB), probe.Seen().firstItem);
    EXPECT_TRUE(activeDuringMenu);
    ExpectNoSelectionOnScreen();
}

TEST_F(SelectionTest, WhatsThisAfterADragStillTakesTheOutlineAway) {
    UseZoom(4);
    test::PressRight(Window(), InView(20, 20));
    POINT pane = ToClient(StatusPaneCentre(3));
    test::MoveMouse(Window(), pane);
    MenuProbe probe;
    probe.Choose(IDM_WHATS_THIS);
    test::ReleaseRight(Window(), pane);
    EXPECT_EQ(static_cast<UINT>(IDM_SCREEN_COORDINATES), probe.Seen().firstItem);
    ExpectNoSelectionOnScreen();
}

TEST_F(SelectionTest, ReleasingOverTheToolbarOpensTheSelectionMenuThere) {
    UseZoom(4);
    test::PressRight(Window(), InView(20, 20));
    POINT onButton = test::Centre(test::ButtonRect(g_mainWindow.Band().Toolbar(), IDM_ALWAYS_ON_TOP));
    ASSERT_GT(onButton.x, 0);
    MapWindowPoints(g_mainWindow.Band().Toolbar(), Window(), &onButton, 1);
    test::MoveMouse(Window(), onButton);
    EXPECT_EQ(static_cast<UINT>(IDM_COPY_SELECTION), ReleaseAndDismiss(onButton));
}

TEST_F(SelectionTest, ReleasingOutsideTheWindowOpensNoMenuAndCancels) {
    UseZoom(4);
    test::PressRight(Window(), InView(20, 20));
    POINT outside = ToClient(POINT{kLeft - 60, kTop - 60});
    test::MoveMouse(Window(), outside);
    EXPECT_NE(nullptr, g_mainWindow.Marquee().Window());
    EXPECT_EQ(0u, ReleaseAndDismiss(outside));
    ExpectNoSelectionOnScreen();
}

TEST_F(SelectionTest, EscapeOnTheMenuRunsNothingButCancelsAndKeepsTheRectangle) {
    UseZoom(3);
    test::PressRight(Window(), InView(10, 10));
    test::MoveMouse(Window(), InView(70, 40));
    RECT selected = g_mainWindow.SelectionRect();
    POINT zoomPoint = test::Magnification().ZoomPoint();
    EXPECT_EQ(static_cast<UINT>(IDM_COPY_SELECTION), ReleaseAndDismiss(InView(70, 40)));
    ExpectNoSelectionOnScreen();
    EXPECT_EQ(3, g_settings.ZoomFactor);
    EXPECT_EQ(zoomPoint.x, test::Magnification().ZoomPoint().x);
    EXPECT_EQ(zoomPoint.y, test::Magnification().ZoomPoint().y);
    // The commands that run after the menu still find the rectangle.
    EXPECT_TRUE(test::SameRect(g_mainWindow.SelectionRect(), selected));
}

TEST_F(SelectionTest, CancelFromTheMenuTakesEverythingAway) {
    UseZoom(3);
    test::PressRight(Window(), InView(10, 10));
    test::MoveMouse(Window(), InView(70, 40));
    MenuProbe probe;
    probe.Choose(IDM_CANCEL_SELECTION);
    test::ReleaseRight(Window(), InView(70, 40));
    EXPECT_TRUE(probe.Seen().shown);
    ExpectNoSelectionOnScreen();
}

TEST_F(SelectionTest, ZoomToFitsTheSelectionIntoTheView) {
    UseZoom(3);
    RECT view = View();
    int width = (view.right - view.left) / 2 / 3 * 3;
    int height = (view.bottom - view.top) / 3 / 3 * 3;
    ASSERT_EQ(2, ZoomToSelectionFactor(Offset(view, 0, 0, width, height), view));

    test::PressRight(Window(), InView(0, 0));
    test::MoveMouse(Window(), InView(width, height));
    RECT selection = g_mainWindow.SelectionRect();
    RECT source = g_mainWindow.SourceRect();
    POINT frameOrigin = {source.left - 1, source.top - 1};
    POINT expected = ZoomToSelectionPoint(selection, view, frameOrigin, 3);

    MenuProbe probe;
    probe.Choose(IDM_ZOOM_TO_SELECTION);
    test::ReleaseRight(Window(), InView(width, height));
    EXPECT_FALSE(probe.Grayed(IDM_ZOOM_TO_SELECTION));
    EXPECT_EQ(6, g_settings.ZoomFactor);
    EXPECT_EQ(expected.x, test::Magnification().ZoomPoint().x);
    EXPECT_EQ(expected.y, test::Magnification().ZoomPoint().y);
    ExpectNoSelectionOnScreen();
}

TEST_F(SelectionTest, ZoomToIsGreyedOnlyAtTheHighestZoom) {
    for (int zoom : {32, 31}) {
        UseZoom(zoom);
        test::PressRight(Window(), InView(0, 0));
        test::MoveMouse(Window(), InView(2 * zoom, 2 * zoom));
        MenuProbe probe;
        test::ReleaseRight(Window(), InView(2 * zoom, 2 * zoom));
        ASSERT_EQ(static_cast<UINT>(IDM_COPY_SELECTION), probe.Seen().firstItem);
        EXPECT_EQ(zoom == 32, probe.Grayed(IDM_ZOOM_TO_SELECTION)) << "zoom " << zoom;
    }
}

TEST_F(SelectionTest, ANewPressLeavesNoEarlierOutlineBehind) {
    UseZoom(4);
    test::PressRight(Window(), InView(10, 10));
    test::MoveMouse(Window(), InView(50, 50));
    HWND first = g_mainWindow.Marquee().Window();
    ASSERT_NE(nullptr, first);
    // The button-up of that drag never came.
    test::PressRight(Window(), InView(60, 60));
    test::MoveMouse(Window(), InView(90, 90));
    EXPECT_TRUE(first == g_mainWindow.Marquee().Window() || !IsWindow(first));
    EXPECT_EQ(1, test::CountThreadWindows("wyn_Marquee"));
    ReleaseAndDismiss(InView(90, 90));
}

TEST_F(SelectionTest, OtherInputCancelsADrag) {
    UseZoom(4);
    struct Canceller {
        UINT message;
        WPARAM wParam;
    } cancellers[] = {{WM_KEYDOWN, VK_ESCAPE}, {WM_SYSKEYDOWN, VK_MENU}, {WM_LBUTTONDOWN, MK_LBUTTON}, {WM_CANCELMODE, 0}};
    for (const Canceller& canceller : cancellers) {
        test::PressRight(Window(), InView(10, 10));
        test::MoveMouse(Window(), InView(50, 50));
        ASSERT_NE(nullptr, g_mainWindow.Marquee().Window());
        SendMessageA(Window(), canceller.message, canceller.wParam, test::PointParam(50, 50));
        SCOPED_TRACE(canceller.message);
        ExpectNoSelectionOnScreen();
        // Nothing is waiting for a button-up any more.
        EXPECT_EQ(0u, ReleaseAndDismiss(InView(50, 50)));
    }
}

}  // namespace
