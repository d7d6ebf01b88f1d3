#include "support/Fixtures.h"

#include "mainwindow/MainWindow.h"
#include "settings/Settings.h"
#include "support/ControlSupport.h"

namespace test {

void CleanSettings::SetUp() {
    if (key_ != kTestSettingsKeyPath && !InTestPrefix()) {
        GTEST_SKIP() << "the program's own settings key is deleted only in a Wine prefix the tests made for themselves";
    }
    ASSERT_STREQ(kTestSettingsKeyPath, g_settings.Path()) << "the test program did not start with the tests' key";
    cleaning_ = true;
    Clean();
}

void CleanSettings::TearDown() {
    if (cleaning_) Clean();
}

void CleanSettings::Clean() {
    RegDeleteTreeA(HKEY_CURRENT_USER, key_);
    ReloadSettings();
}

void PlacedMainWindow::SetUp() {
    CleanSettings::SetUp();
    if (!madeBySetUp_ || IsSkipped() || HasFatalFailure()) return;
    g_settings.ZoomPoint = POINT{400, 300};
    Configure();
    ASSERT_TRUE(Create());
}

void PlacedMainWindow::TearDown() {
    DestroyMainWindowForTest();
    HoldModifiers(false);
    CleanSettings::TearDown();
}

bool PlacedMainWindow::Create(int showCommand) {
    if (!CreateMainWindowForTest(showCommand)) return false;
    if (!IsRectEmpty(&place_)) {
        SetWindowPos(Window(), nullptr, place_.left, place_.top, place_.right - place_.left, place_.bottom - place_.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        PumpMessages(50);
    }
    return true;
}

HWND PlacedMainWindow::Window() const {
    return g_mainWindow.Window();
}

RECT PlacedMainWindow::View() const {
    return g_mainWindow.GetViewRect();
}

POINT PlacedMainWindow::InView(int dx, int dy) const {
    RECT view = View();
    POINT point = {view.left + dx, view.top + dy};
    return point;
}

POINT PlacedMainWindow::ToScreen(POINT client) const {
    ClientToScreen(Window(), &client);
    return client;
}

POINT PlacedMainWindow::ToClient(POINT screen) const {
    ScreenToClient(Window(), &screen);
    return screen;
}

POINT PlacedMainWindow::StatusPaneCentre(int pane) const {
    POINT centre = Centre(PaneRect(g_mainWindow.Status().Window(), pane));
    ClientToScreen(g_mainWindow.Status().Window(), &centre);
    return centre;
}

void PatternOnScreen::SetUp() {
    pattern_.reset(new PatternWindow(0, 0, kPatternWidth, kPatternHeight));
    ASSERT_TRUE(pattern_->WaitUntilOnScreen()) << "the screen does not show the test pattern";
    PlacedMainWindow::SetUp();
}

void PatternOnScreen::TearDown() {
    PlacedMainWindow::TearDown();
    pattern_.reset();
}

void PatternOnScreen::Show(int zoom, POINT zoomPoint) {
    g_settings.ZoomFactor = zoom;
    g_mainWindow.Layout();
    FollowTo(zoomPoint);
}

}  // namespace test
