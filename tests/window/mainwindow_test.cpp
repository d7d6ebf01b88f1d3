// The main window of this process: binding, class, resources and what its
// destruction leaves in the settings.
#include <gtest/gtest.h>

#include <vector>

#include "app/Application.h"
#include "mainwindow/MainWindow.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "support/ControlSupport.h"
#include "support/Fixtures.h"
#include "support/MenuSupport.h"

namespace {

// Each test makes the window itself, where it opens.
class MainWindowShell : public test::PlacedMainWindow {
protected:
    MainWindowShell() : PlacedMainWindow(RECT{}, kEachTestMakesIt) {}
};

TEST_F(MainWindowShell, TheObjectKnowsItsWindowAndTheClassIsAsRegistered) {
    ASSERT_TRUE(Create());
    EXPECT_EQ(g_mainWindow.Window(), FindWindowA("OcularixMainWnd", nullptr));
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    ASSERT_TRUE(GetClassInfoExA(g_instance, "OcularixMainWnd", &windowClass));
    EXPECT_EQ(windowClass.style, static_cast<UINT>(CS_DBLCLKS | CS_BYTEALIGNCLIENT));
    EXPECT_EQ(windowClass.cbClsExtra, 0);
    EXPECT_EQ(windowClass.cbWndExtra, 0);
    EXPECT_EQ(windowClass.hbrBackground, nullptr);
    EXPECT_EQ(windowClass.lpszMenuName, nullptr);
    EXPECT_NE(windowClass.hIcon, nullptr);
    EXPECT_NE(windowClass.hIconSm, nullptr);
    EXPECT_EQ(windowClass.hCursor, LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
    EXPECT_EQ(windowClass.lpfnWndProc, MainWindowProc);
}

TEST_F(MainWindowShell, DestructionStoresTheRestoredPlacementAndTheZoomPointAndQuits) {
    ASSERT_TRUE(Create(SW_SHOWNORMAL));
    HWND window = g_mainWindow.Window();
    ASSERT_TRUE(SetWindowPos(window, nullptr, 40, 50, 400, 300, SWP_NOZORDER));
    WINDOWPLACEMENT maximised = {};
    maximised.length = sizeof(maximised);
    GetWindowPlacement(window, &maximised);
    maximised.showCmd = SW_SHOWMAXIMIZED;
    SetWindowPlacement(window, &maximised);
    test::PumpMessages(50);
    ASSERT_TRUE(IsZoomed(window));
    // Followed to a point nearer the corner than half the source: kept as it is.
    test::FollowTo(POINT{3, 4});
    ASSERT_LT(3, test::Magnification().Geometry().lowest.x);

    DestroyWindow(window);
    const RECT& stored = g_settings.WindowPos;
    EXPECT_EQ(stored.left, 40);
    EXPECT_EQ(stored.top, 50);
    EXPECT_EQ(stored.right, 440);
    EXPECT_EQ(stored.bottom, 350);
    EXPECT_EQ(g_settings.ZoomPoint.x, 3);
    EXPECT_EQ(g_settings.ZoomPoint.y, 4);
    MSG quit;
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 0u);
}

TEST_F(MainWindowShell, DestructionForgetsTheWindowAndLeavesNoObjectOfIt) {
    ASSERT_TRUE(Create(SW_SHOWNORMAL));
    HGDIOBJ region = g_mainWindow.ViewRegion();
    ASSERT_EQ(OBJ_REGION, static_cast<int>(GetObjectType(region)));
    // It goes in the middle of a right-button drag.
    test::PressRight(Window(), InView(10, 10));
    test::MoveMouse(Window(), InView(60, 60));
    ASSERT_TRUE(test::Magnification().Selecting() && g_mainWindow.Marquee().Window() &&
                g_mainWindow.TrackingTip().Window());
    DestroyWindow(g_mainWindow.Window());
    EXPECT_EQ(nullptr, g_mainWindow.Window());
    EXPECT_EQ(nullptr, g_mainWindow.Status().Window());
    EXPECT_EQ(nullptr, g_mainWindow.Band().Toolbar());
    EXPECT_EQ(0u, GetObjectType(region)) << "the view region outlived the window";
    // The next window starts without the drag, the bars' heights or the cursor image.
    EXPECT_EQ(DragMode::None, test::Magnification().Drag());
    EXPECT_EQ(nullptr, g_mainWindow.Marquee().Window());
    EXPECT_EQ(nullptr, g_mainWindow.TrackingTip().Window());
    EXPECT_EQ(0, g_mainWindow.Band().Height() + g_mainWindow.Status().Height());
    EXPECT_EQ(nullptr, g_mainWindow.ViewCursor());
    // A late call finds no window to draw on.
    g_mainWindow.Redraw();
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST_F(MainWindowShell, DestructionInTheMiddleOfAPickTakesItsOutlineOffTheScreen) {
    const COLORREF white = RGB(255, 255, 255);
    test::ColourWindow canvas(RECT{660, 560, 940, 840}, white);
    ASSERT_TRUE(Create(SW_SHOWNORMAL));
    // The press takes the zoom point from the cursor and inverts the outline around it.
    ASSERT_TRUE(test::MoveCursor(800, 700));
    // The canvas is painted before the outline goes on it, so that no late paint covers the outline.
    ASSERT_TRUE(test::PumpUntil([] { return test::ScreenPixel(800, 700) == RGB(255, 255, 255); }, 10000));
    SendMessageA(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    ASSERT_TRUE(test::Magnification().Picking());
    const RECT frame = test::Magnification().ZoomFrame();
    ASSERT_GT(frame.left, 660);
    ASSERT_EQ(RGB(0, 0, 0), test::ScreenPixel(frame.left, frame.top + 5));
    DestroyWindow(g_mainWindow.Window());
    EXPECT_EQ(white, test::ScreenPixel(frame.left, frame.top + 5));
    EXPECT_EQ(white, test::ScreenPixel(frame.right, frame.bottom - 5));
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST_F(MainWindowShell, TheColourPaneIsWrittenAtTheFirstTickAlsoOverBlack) {
    // The screen's far corner shows the bare, black root window.
    ASSERT_TRUE(SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1));
    ASSERT_EQ(RGB(0, 0, 0), test::ScreenPixel(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1));
    ASSERT_TRUE(Create(SW_SHOWNORMAL));
    HWND statusBar = g_mainWindow.Status().Window();
    EXPECT_TRUE(test::PumpUntil([&] { return test::PaneText(statusBar, kColourPane) != ""; }, 5000));
    EXPECT_EQ("Colour (rgb): 000,000,000 ", test::PaneText(statusBar, kColourPane));
}

TEST_F(MainWindowShell, UnknownSystemCommandsKeepTheirDefaultEffect) {
    ASSERT_TRUE(Create(SW_SHOWNORMAL));
    SendMessageA(g_mainWindow.Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(g_mainWindow.Window()));
    SendMessageA(g_mainWindow.Window(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(g_mainWindow.Window()));
}

TEST_F(MainWindowShell, AnotherRunningInstanceIsFoundAndRestored) {
    EXPECT_FALSE(ActivateRunningInstance());
    ASSERT_TRUE(Create(SW_SHOWNORMAL));
    ShowWindow(g_mainWindow.Window(), SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(g_mainWindow.Window()));
    EXPECT_TRUE(ActivateRunningInstance());
    EXPECT_FALSE(IsIconic(g_mainWindow.Window()));
}

TEST(Resources, RegisteredMessagesAreThePanningLibrarysNames) {
    EXPECT_EQ(g_messages.originUpdate, RegisterWindowMessageA("qf_OriginWindowUpdate"));
    EXPECT_EQ(g_messages.originEnd, RegisterWindowMessageA("qf_OriginWindowEnd"));
    EXPECT_NE(g_messages.originUpdate, g_messages.originEnd);
    // This system is neither Windows 95 nor NT 3.0: no legacy wheel message.
    EXPECT_EQ(g_messages.legacyWheel, 0u);
}

TEST(Resources, TheHandCursorIsTheSystemsAndTheProgramsOwnHasItsHotSpot) {
    EXPECT_EQ(LoadHandCursor(GetModuleHandleA(nullptr)), LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)));
    HCURSOR own = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_POINTING_HAND));
    ASSERT_NE(own, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(own, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 7u);
    EXPECT_EQ(info.yHotspot, 0u);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
}

TEST(Resources, TheIconHasBothSizes) {
    HINSTANCE module = GetModuleHandleA(nullptr);
    for (int size : {16, 32}) {
        HICON icon = static_cast<HICON>(
            LoadImageA(module, MAKEINTRESOURCEA(IDI_OCULARIX), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour = {};
        GetObjectA(info.hbmColor, sizeof(colour), &colour);
        EXPECT_EQ(colour.bmWidth, size);
        DeleteObject(info.hbmMask);
        DeleteObject(info.hbmColor);
        DestroyIcon(icon);
    }
}

TEST(Resources, TheVersionIs180AndDescribesTheProgram) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16) /* RT_VERSION */);
    ASSERT_NE(found, nullptr);
    const BYTE* block = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
    DWORD size = SizeofResource(nullptr, found);
    ASSERT_NE(block, nullptr);
    // The fixed part follows the "VS_VERSION_INFO" key, aligned to 4 bytes.
    const VS_FIXEDFILEINFO* fixed = nullptr;
    for (DWORD offset = 0; offset + sizeof(VS_FIXEDFILEINFO) <= size; offset += 4) {
        const VS_FIXEDFILEINFO* candidate = reinterpret_cast<const VS_FIXEDFILEINFO*>(block + offset);
        if (candidate->dwSignature == 0xFEEF04BD) {
            fixed = candidate;
            break;
        }
    }
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010008u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010008u);
    const wchar_t description[] = L"Screen Magnification Utility";
    bool foundText = false;
    for (DWORD offset = 0; offset + sizeof(description) <= size && !foundText; offset += 2) {
        foundText = memcmp(block + offset, description, sizeof(description)) == 0;
    }
    EXPECT_TRUE(foundText);
}

}  // namespace
