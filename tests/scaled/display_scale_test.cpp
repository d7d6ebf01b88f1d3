// The prefix a scaled test runs in gives its processes the scale it was started
// for, and the program's manifest makes them aware of it: otherwise every other
// scaled test would quietly run at 100 %.
#include <gtest/gtest.h>

#include <windows.h>

#include "common/Dpi.h"
#include "support/ScaleSupport.h"

TEST(DisplayScale, TheProcessRunsAwareOfTheScaleItWasStartedFor) {
    const UINT requested = test::RequestedDpi();
    ASSERT_NE(requested, static_cast<UINT>(dpi::kBase)) << "started without OCULARIX_DPI";
    EXPECT_TRUE(IsProcessDPIAware());
    EXPECT_EQ(dpi::System(), requested);

    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(dpi::ForWindow(window), requested);
    DestroyWindow(window);
}
