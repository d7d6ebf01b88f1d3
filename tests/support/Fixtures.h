// The fixtures of the tests, one ladder: clean settings, then the real main
// window of this process placed on the screen, then a pattern of known pixels
// for it to magnify. Each rung adds one thing; a test derives from the rung it
// needs.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "support/TestSupport.h"
#include "support/ViewSupport.h"

namespace test {

// 1. A settings key without values before and after each test, and the
// process's settings loaded from it: their defaults. The key is the tests' own
// unless a fixture names the program's, which only a Wine prefix of the tests'
// own may lose: elsewhere those tests are skipped.
class CleanSettings : public ::testing::Test {
protected:
    explicit CleanSettings(const char* key = kTestSettingsKeyPath) : key_(key) {}
    void SetUp() override;
    void TearDown() override;

private:
    void Clean();

    const char* key_;
    bool cleaning_ = false;
};

// 2. The main window, made with the settings Configure() leaves (a still
// picture around a zoom point well inside the screen by default) and its frame
// put at a place, or left where it opens when the place is empty. Destroyed
// after the test, and the modifier keys a test held are let go. Fixtures whose
// tests set the settings first make it themselves with Create().
class PlacedMainWindow : public CleanSettings {
protected:
    static constexpr int kLeft = 100;
    static constexpr int kTop = 100;
    static constexpr int kWidth = 480;
    static constexpr int kHeight = 420;
    static constexpr bool kEachTestMakesIt = false;

    explicit PlacedMainWindow(const RECT& place = RECT{kLeft, kTop, kLeft + kWidth, kTop + kHeight},
                              bool madeBySetUp = true)
        : place_(place), madeBySetUp_(madeBySetUp) {}
    void SetUp() override;
    void TearDown() override;
    // The settings the window starts with, after the defaults.
    virtual void Configure() {}
    // Makes the window with the settings as they are and puts it at its place.
    bool Create(int showCommand = SW_SHOWNOACTIVATE);

    HWND Window() const;
    RECT View() const;
    // A point of the view, in client and in screen coordinates.
    POINT InView(int dx, int dy) const;
    POINT ToScreen(POINT client) const;
    POINT ToClient(POINT screen) const;
    // The centre of a status-bar pane, in screen coordinates.
    POINT StatusPaneCentre(int pane) const;

private:
    RECT place_;
    bool madeBySetUp_;
};

// 3. A pattern window of known pixels at the screen's top-left corner, up before
// the main window is made, which is placed away from it.
class PatternOnScreen : public PlacedMainWindow {
protected:
    static constexpr int kPatternWidth = 256;
    static constexpr int kPatternHeight = 192;

    explicit PatternOnScreen(const RECT& place) : PlacedMainWindow(place) {}
    void SetUp() override;
    void TearDown() override;
    // Zoom factor and zoom point as the other parts of the program set them.
    void Show(int zoom, POINT zoomPoint);

    std::unique_ptr<PatternWindow> pattern_;
};

}  // namespace test
