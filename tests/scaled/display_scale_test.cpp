// The prefix a scaled test runs in gives its processes the scale it was started
// for, and the program's manifest (which the test programs carry too) makes them
// aware of each monitor's scale: otherwise every other scaled test would quietly
// run at 100 %.
#include <gtest/gtest.h>

#include <windows.h>

#include "common/Dpi.h"
#include "support/ScaleSupport.h"

namespace {

// DPI_AWARENESS_PER_MONITOR_AWARE, from Windows 10 1607 on.
constexpr int kPerMonitorAware = 2;

}  // namespace

TEST(DisplayScale, TheProcessRunsAwareOfEachMonitorsScaleAtTheScaleItWasStartedFor) {
    const UINT requested = test::RequestedDpi();
    ASSERT_NE(requested, static_cast<UINT>(dpi::kBase)) << "started without OCULARIX_DPI";
    EXPECT_EQ(dpi::System(), requested);

    // Windows 10 1703 and later give the context PER_MONITOR_AWARE_V2; Wine 8
    // keeps no second version apart. Both are per-monitor aware.
    typedef HANDLE(WINAPI * GetContextProc)();
    typedef int(WINAPI * AwarenessProc)(HANDLE);
    GetContextProc threadContext = dpi::User32Function<GetContextProc>("GetThreadDpiAwarenessContext");
    AwarenessProc awarenessOf = dpi::User32Function<AwarenessProc>("GetAwarenessFromDpiAwarenessContext");
    ASSERT_TRUE(threadContext && awarenessOf);
    EXPECT_EQ(awarenessOf(threadContext()), kPerMonitorAware);

    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(dpi::ForWindow(window), requested);
    DestroyWindow(window);
}
