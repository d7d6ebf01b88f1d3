// Panning sessions of the real Steerpad.dll, hosted by a test window that moves
// its view itself (answers 1 to every step): the origin window, the steps on
// every tick, every way a session ends, and loading the library over and over.
#include <gtest/gtest.h>

#include <functional>

#include "common/PixelArt.h"
#include "steerpad/PanningSession.h"
#include "support/PictureSupport.h"
#include "support/SteerpadSupport.h"
#include "support/TestSupport.h"

namespace {

constexpr int kPressX = 150;
constexpr int kPressY = 120;

bool LibraryLoaded() {
    return GetModuleHandleA(test::kPanningLibrary) != nullptr;
}

HCURSOR LibraryCursor(int id) {
    return LoadCursorA(GetModuleHandleA(test::kPanningLibrary), MAKEINTRESOURCEA(id));
}

bool SameStep(const POINT& step, int x, int y) {
    return step.x == x && step.y == y;
}

// Clears the steps seen so far and waits for n new ones.
::testing::AssertionResult NextSteps(test::PanningOwner& owner, size_t n) {
    owner.steps.clear();
    if (owner.WaitForSteps(n)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "only " << owner.steps.size() << " steps arrived";
}

// Pixels of the large picture that are not the small one's pixel they were
// enlarged from; -1 when the sizes are not factor times as large.
int EnlargementMismatches(const test::Picture& small, const test::Picture& large, int factor) {
    if (small.width == 0 || large.width != small.width * factor || large.height != small.height * factor) return -1;
    int mismatches = 0;
    for (int y = 0; y < large.height; ++y) {
        for (int x = 0; x < large.width; ++x) mismatches += large.At(x, y) != small.At(x / factor, y / factor);
    }
    return mismatches;
}

class PanningSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(LibraryLoaded()) << "an earlier test left the library loaded";
        restingCursor = LoadCursorA(nullptr, IDC_CROSS);
        SetCursor(restingCursor);
    }
    void TearDown() override {
        EXPECT_EQ(nullptr, test::FindOriginWindow());
        EXPECT_FALSE(LibraryLoaded());
    }

    // Starts a session at the press point with the mouse resting on it and
    // waits for the first step.
    HWND StartResting(test::PanningOwner& owner) {
        owner.MoveMouseTo(kPressX, kPressY);
        EXPECT_TRUE(owner.Start(kPressX, kPressY));
        EXPECT_TRUE(owner.WaitForSteps(1));
        return test::FindOriginWindow();
    }

    // Ends a running session in some way, then checks that it ended cleanly:
    // one end message, window gone, capture released, cursor restored, no more
    // steps and the library unloaded.
    void ExpectEndedBy(const std::function<void(test::PanningOwner&, HWND)>& end) {
        test::PanningOwner owner(true);
        HWND origin = StartResting(owner);
        ASSERT_NE(nullptr, origin);
        ASSERT_EQ(origin, GetCapture());
        end(owner, origin);
        ASSERT_TRUE(owner.WaitForEnds(1));
        test::PumpMessages(100);
        EXPECT_EQ(1, owner.ends);
        EXPECT_FALSE(IsWindow(origin));
        EXPECT_NE(origin, GetCapture());
        EXPECT_EQ(restingCursor, GetCursor());
        EXPECT_FALSE(LibraryLoaded());
        size_t stepsAtEnd = owner.steps.size();
        test::PumpMessages(80);
        EXPECT_EQ(stepsAtEnd, owner.steps.size()) << "steps after the end";
    }

    HCURSOR restingCursor = nullptr;
};

TEST_F(PanningSessionTest, OriginWindowIsARoundMarkAtThePressPointThatNeverTakesTheActivation) {
    test::PanningOwner owner(true);
    owner.Activate();
    ASSERT_EQ(owner.window(), GetActiveWindow());
    HWND origin = StartResting(owner);
    ASSERT_NE(nullptr, origin);
    EXPECT_EQ(0, owner.startResult);
    test::PumpMessages(100);

    POINT press = owner.ToScreen(kPressX, kPressY);
    RECT frame;
    GetWindowRect(origin, &frame);
    EXPECT_EQ(press.x - 14, frame.left);
    EXPECT_EQ(press.y - 14, frame.top);
    EXPECT_EQ(28, frame.right - frame.left);
    EXPECT_EQ(28, frame.bottom - frame.top);
    LONG_PTR exStyle = GetWindowLongPtrA(origin, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_EQ(owner.window(), GetWindow(origin, GW_OWNER));
    EXPECT_EQ(owner.window(), GetActiveWindow());
    EXPECT_NE(origin, GetForegroundWindow());
    EXPECT_EQ(owner.window(), GetFocus());

    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, GetWindowRgn(origin, shape));
    EXPECT_TRUE(PtInRegion(shape, 14, 14));
    EXPECT_FALSE(PtInRegion(shape, 0, 0));
    EXPECT_FALSE(PtInRegion(shape, 27, 27));
    DeleteObject(shape);

    // Mark 142 on the screen: a grey centre dot, white around it, and the
    // light grey corners of the bitmap cut away by the round region.
    EXPECT_EQ(RGB(128, 128, 128), test::ScreenPixel(frame.left + 14, frame.top + 14));
    EXPECT_EQ(RGB(255, 255, 255), test::ScreenPixel(frame.left + 14, frame.top + 10));
    EXPECT_NE(RGB(192, 192, 192), test::ScreenPixel(frame.left, frame.top));

    SendMessageA(origin, WM_CANCELMODE, 0, 0);
    EXPECT_TRUE(owner.WaitForEnds(1));
}

TEST_F(PanningSessionTest, StepsArriveOnEveryTickAndFollowTheMouse) {
    test::PanningOwner owner(true);
    HWND origin = StartResting(owner);
    ASSERT_NE(nullptr, origin);

    // Resting on the mark: 0, 0 on every tick, with the resting cursor.
    ASSERT_TRUE(NextSteps(owner, 4));
    for (const POINT& step : owner.steps) EXPECT_TRUE(SameStep(step, 0, 0)) << step.x << "," << step.y;
    EXPECT_EQ(LibraryCursor(131), GetCursor());

    // 40 left and 40 up: -2, -2 on every tick while the mouse rests there.
    owner.MoveMouseTo(kPressX - 40, kPressY - 40);
    ASSERT_TRUE(NextSteps(owner, 5));
    for (const POINT& step : owner.steps) EXPECT_TRUE(SameStep(step, -2, -2)) << step.x << "," << step.y;
    EXPECT_EQ(LibraryCursor(135), GetCursor());

    // 20 right and 5 down: only the horizontal axis counts.
    owner.MoveMouseTo(kPressX + 20, kPressY + 5);
    ASSERT_TRUE(NextSteps(owner, 3));
    for (const POINT& step : owner.steps) EXPECT_TRUE(SameStep(step, 1, 0)) << step.x << "," << step.y;
    EXPECT_EQ(LibraryCursor(139), GetCursor());

    // Back inside the mark.
    owner.MoveMouseTo(kPressX - 13, kPressY + 13);
    ASSERT_TRUE(NextSteps(owner, 3));
    for (const POINT& step : owner.steps) EXPECT_TRUE(SameStep(step, 0, 0)) << step.x << "," << step.y;
    EXPECT_EQ(LibraryCursor(131), GetCursor());
    for (LRESULT answer : owner.answers) EXPECT_EQ(1, answer);

    // The owner moves its view itself, so releasing the middle button (after a
    // press or a drag) leaves the session running.
    PostMessageA(origin, WM_MBUTTONUP, 0, MAKELPARAM(14, 14));
    ASSERT_TRUE(NextSteps(owner, 3));
    EXPECT_EQ(0, owner.ends);
    EXPECT_EQ(origin, test::FindOriginWindow());

    SendMessageA(origin, WM_CANCELMODE, 0, 0);
    EXPECT_TRUE(owner.WaitForEnds(1));
}

TEST_F(PanningSessionTest, VerticalOnlyIgnoresHorizontalMoves) {
    test::PanningOwner owner(true);
    owner.MoveMouseTo(kPressX, kPressY);
    ASSERT_TRUE(owner.Start(kPressX, kPressY, FALSE, TRUE));
    ASSERT_TRUE(owner.WaitForSteps(1));
    HWND origin = test::FindOriginWindow();
    ASSERT_NE(nullptr, origin);
    test::PumpMessages(50);
    // Mark 140: arrow heads above and below the dot, none beside it.
    RECT frame;
    GetWindowRect(origin, &frame);
    EXPECT_EQ(RGB(128, 128, 128), test::ScreenPixel(frame.left + 13, frame.top + 5));
    EXPECT_EQ(RGB(255, 255, 255), test::ScreenPixel(frame.left + 5, frame.top + 13));
    EXPECT_EQ(LibraryCursor(133), GetCursor());

    owner.MoveMouseTo(kPressX + 100, kPressY);
    ASSERT_TRUE(NextSteps(owner, 3));
    for (const POINT& step : owner.steps) EXPECT_TRUE(SameStep(step, 0, 0));
    EXPECT_EQ(LibraryCursor(133), GetCursor());

    owner.MoveMouseTo(kPressX - 100, kPressY + 33);
    ASSERT_TRUE(NextSteps(owner, 3));
    for (const POINT& step : owner.steps) EXPECT_TRUE(SameStep(step, 0, 2));
    EXPECT_EQ(LibraryCursor(137), GetCursor());

    SendMessageA(origin, WM_CANCELMODE, 0, 0);
    EXPECT_TRUE(owner.WaitForEnds(1));
}

TEST_F(PanningSessionTest, AClickOnTheMarkEndsTheSession) {
    ExpectEndedBy([](test::PanningOwner&, HWND origin) { PostMessageA(origin, WM_LBUTTONDOWN, MK_LBUTTON, 0); });
    ExpectEndedBy([](test::PanningOwner&, HWND origin) { PostMessageA(origin, WM_RBUTTONDOWN, MK_RBUTTON, 0); });
    ExpectEndedBy([](test::PanningOwner&, HWND origin) { PostMessageA(origin, WM_MBUTTONDOWN, MK_MBUTTON, 0); });
}

TEST_F(PanningSessionTest, AClickForTheOwnerEndsTheSession) {
    ExpectEndedBy([](test::PanningOwner& owner, HWND) {
        PostMessageA(owner.window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    });
}

TEST_F(PanningSessionTest, AKeyEndsTheSessionAndStillReachesTheOwner) {
    int keys = -1;
    ExpectEndedBy([&](test::PanningOwner& owner, HWND) {
        PostMessageA(owner.window(), WM_KEYDOWN, VK_RIGHT, 1);
        test::PumpMessages(50);
        keys = owner.keys;
    });
    EXPECT_EQ(1, keys);
}

TEST_F(PanningSessionTest, AWheelTurnEndsTheSessionAndStillReachesTheOwner) {
    int wheels = -1;
    ExpectEndedBy([&](test::PanningOwner& owner, HWND) {
        PostMessageA(owner.window(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
        test::PumpMessages(50);
        wheels = owner.wheels;
    });
    EXPECT_EQ(1, wheels);
}

TEST_F(PanningSessionTest, CancelModeEndsTheSession) {
    ExpectEndedBy([](test::PanningOwner&, HWND origin) { SendMessageA(origin, WM_CANCELMODE, 0, 0); });
}

TEST_F(PanningSessionTest, LosingTheCaptureEndsTheSession) {
    ExpectEndedBy([](test::PanningOwner& owner, HWND) { SetCapture(owner.window()); });
    ReleaseCapture();
    ExpectEndedBy([](test::PanningOwner&, HWND) { ReleaseCapture(); });
}

// Watches the origin window's messages from a hook of this thread.
struct DestructionWatch {
    static HWND origin;
    static int captureLosses;
    static HHOOK hook;
    static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam) {
        const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code >= 0 && call->hwnd == origin) {
            // Take the capture away while the window is being destroyed.
            if (call->message == WM_DESTROY && GetCapture() == origin) ReleaseCapture();
            if (call->message == WM_CAPTURECHANGED) ++captureLosses;
        }
        return CallNextHookEx(hook, code, wParam, lParam);
    }
};
HWND DestructionWatch::origin = nullptr;
int DestructionWatch::captureLosses = 0;
HHOOK DestructionWatch::hook = nullptr;

TEST_F(PanningSessionTest, CaptureLostWhileTheMarkIsDestroyedEndsTheSessionOnce) {
    ExpectEndedBy([](test::PanningOwner&, HWND origin) {
        DestructionWatch::origin = origin;
        DestructionWatch::hook =
            SetWindowsHookExA(WH_CALLWNDPROC, DestructionWatch::Proc, nullptr, GetCurrentThreadId());
        PostMessageA(origin, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    });
    UnhookWindowsHookEx(DestructionWatch::hook);
    EXPECT_GE(DestructionWatch::captureLosses, 1);
}

TEST_F(PanningSessionTest, ASecondStartEndsTheRunningSessionFirst) {
    test::PanningOwner owner(true);
    HWND first = StartResting(owner);
    ASSERT_NE(nullptr, first);
    ASSERT_TRUE(owner.Start(300, 200));
    EXPECT_FALSE(IsWindow(first));
    ASSERT_TRUE(owner.WaitForEnds(1));
    EXPECT_EQ(1, test::CountThreadWindows(test::kOriginWindowClass));
    HWND second = test::FindOriginWindow();
    ASSERT_NE(nullptr, second);
    RECT frame;
    GetWindowRect(second, &frame);
    POINT press = owner.ToScreen(300, 200);
    EXPECT_EQ(press.x - 14, frame.left);
    EXPECT_EQ(second, GetCapture());
    ASSERT_TRUE(NextSteps(owner, 2));
    EXPECT_TRUE(LibraryLoaded());

    PostMessageA(second, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    ASSERT_TRUE(owner.WaitForEnds(2));
    test::PumpMessages(50);
    EXPECT_EQ(2, owner.ends);
    EXPECT_EQ(restingCursor, GetCursor());
}

TEST_F(PanningSessionTest, ASessionsEndLeavesNothingForTheUnloadThatFollows) {
    // The host unloads the library when the end message arrives; by then no
    // window or class of the library may be left, or it would point into
    // unloaded code. Nothing of this is left to the library's unloading.
    test::PanningOwner owner(true);
    HWND origin = StartResting(owner);
    ASSERT_NE(nullptr, origin);
    HMODULE library = GetModuleHandleA(test::kPanningLibrary);
    SendMessageA(origin, WM_CANCELMODE, 0, 0);
    EXPECT_FALSE(IsWindow(origin));
    WNDCLASSEXA leftover = {};
    leftover.cbSize = sizeof(leftover);
    EXPECT_FALSE(GetClassInfoExA(library, test::kOriginWindowClass, &leftover));
    EXPECT_EQ(0, owner.ends) << "the end message is posted, not sent";
    PostMessageA(owner.window(), WM_KEYDOWN, VK_LEFT, 1);
    ASSERT_TRUE(owner.WaitForEnds(1));
    test::PumpMessages(50);
    EXPECT_FALSE(LibraryLoaded());
    EXPECT_EQ(1, owner.keys);
    EXPECT_EQ(1, owner.ends);
}

TEST_F(PanningSessionTest, NoWindowMeansNoSessionAndNoEndMessage) {
    HMODULE library = LoadLibraryA(test::kPanningLibrary);
    ASSERT_NE(nullptr, library);
    typedef int(WINAPI * StartPanningProc)(HWND, BOOL, BOOL, int, int);
    StartPanningProc start =
        reinterpret_cast<StartPanningProc>(reinterpret_cast<void*>(GetProcAddress(library, "StartPanning")));
    ASSERT_NE(nullptr, start);
    // The origin window cannot be owned by a window that is gone.
    HWND gone = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    EXPECT_EQ(0, start(gone, TRUE, TRUE, 10, 10));
    EXPECT_EQ(nullptr, test::FindOriginWindow());
    EXPECT_EQ(nullptr, GetCapture());
    FreeLibrary(library);
}

TEST(PanningLibrary, CarriesItsPicturesVersionAndSystemImportsOnly) {
    HMODULE library = LoadLibraryA(test::kPanningLibrary);
    ASSERT_NE(nullptr, library);
    EXPECT_NE(nullptr, GetProcAddress(library, "StartPanning"));

    const POINT hotSpots[] = {{21, 14}, {12, 18}, {16, 15}, {16, 15}, {16, 15}, {15, 20},
                              {20, 18}, {12, 11}, {16, 8},  {19, 10}, {10, 14}};
    for (int id = 129; id <= 139; ++id) {
        HCURSOR cursor = LoadCursorA(library, MAKEINTRESOURCEA(id));
        ASSERT_NE(nullptr, cursor) << id;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(cursor, &info)) << id;
        EXPECT_FALSE(info.fIcon) << id;
        EXPECT_EQ(static_cast<DWORD>(hotSpots[id - 129].x), info.xHotspot) << id;
        EXPECT_EQ(static_cast<DWORD>(hotSpots[id - 129].y), info.yHotspot) << id;
        if (info.hbmMask) DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
    }
    for (int id = 140; id <= 142; ++id) {
        HRSRC found = FindResourceA(library, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));  // RT_BITMAP
        ASSERT_NE(nullptr, found) << id;
        const BITMAPINFOHEADER* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(library, found)));
        EXPECT_EQ(28, header->biWidth) << id;
        EXPECT_EQ(28, header->biHeight) << id;
        EXPECT_EQ(4, header->biBitCount) << id;
    }

    HRSRC versionResource = FindResourceA(library, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16));  // RT_VERSION
    ASSERT_NE(nullptr, versionResource);
    const BYTE* version = static_cast<const BYTE*>(LockResource(LoadResource(library, versionResource)));
    DWORD versionSize = SizeofResource(library, versionResource);
    const VS_FIXEDFILEINFO* fixed = nullptr;
    for (DWORD at = 0; at + sizeof(VS_FIXEDFILEINFO) <= versionSize; at += 4) {
        const VS_FIXEDFILEINFO* candidate = reinterpret_cast<const VS_FIXEDFILEINFO*>(version + at);
        if (candidate->dwSignature == 0xFEEF04BD) {
            fixed = candidate;
            break;
        }
    }
    ASSERT_NE(nullptr, fixed);
    EXPECT_EQ(0x00010000u, fixed->dwFileVersionMS);
    EXPECT_EQ(0u, fixed->dwFileVersionLS);
    EXPECT_EQ(0x00010000u, fixed->dwProductVersionMS);
    EXPECT_EQ(0u, fixed->dwProductVersionLS);
    const wchar_t description[] = L"Screen Magnification Utility";
    bool described = false;
    for (DWORD at = 0; at + sizeof(description) <= versionSize && !described; at += 2) {
        described = memcmp(version + at, description, sizeof(description)) == 0;
    }
    EXPECT_TRUE(described);

    for (const std::string& name : test::ImportedModules(library)) {
        bool system = lstrcmpiA(name.c_str(), "KERNEL32.dll") == 0 || lstrcmpiA(name.c_str(), "USER32.dll") == 0 ||
                      lstrcmpiA(name.c_str(), "GDI32.dll") == 0 || lstrcmpiA(name.c_str(), "msvcrt.dll") == 0;
        EXPECT_TRUE(system) << name;
    }
    FreeLibrary(library);
    EXPECT_FALSE(LibraryLoaded());
}

// Its pictures enlarged for a larger scale keep every pixel, as a block.
TEST(PanningLibrary, ItsCursorsAndMarksGrowPixelForPixel) {
    HMODULE library = LoadLibraryA(test::kPanningLibrary);
    ASSERT_NE(nullptr, library);
    for (int factor : {2, 3}) {
        SCOPED_TRACE(factor);
        // The cursor as drawn, 32 x 32, whatever the system's scale.
        HCURSOR art = static_cast<HCURSOR>(LoadImageA(library, MAKEINTRESOURCEA(130), IMAGE_CURSOR, 32, 32, 0));
        HCURSOR enlarged = pixelart::EnlargeCursor(art, factor);
        ASSERT_NE(nullptr, enlarged);
        test::CursorShape small = test::ShapeOf(art);
        DestroyCursor(art);
        test::CursorShape large = test::ShapeOf(enlarged);
        EXPECT_EQ(12 * factor, large.hotSpot.x);
        EXPECT_EQ(18 * factor, large.hotSpot.y);
        EXPECT_EQ(32 * factor, large.mask.width);
        EXPECT_EQ(0, EnlargementMismatches(small.mask, large.mask, factor));
        EXPECT_TRUE(DestroyCursor(enlarged));

        HBITMAP mark = LoadBitmapA(library, MAKEINTRESOURCEA(141));
        test::Picture largeMark = test::BitmapPicture(pixelart::Enlarge(mark, factor));
        EXPECT_EQ(0, EnlargementMismatches(test::BitmapPicture(mark), largeMark, factor));
    }
    FreeLibrary(library);
}

TEST(PanningLibrary, ReloadsTwoHundredTimesWithoutLeavingAnythingBehind) {
    ASSERT_FALSE(LibraryLoaded());
    test::PanningOwner owner(true);
    owner.MoveMouseTo(kPressX, kPressY);
    // One session to settle what the system keeps once per process.
    ASSERT_TRUE(owner.Start(kPressX, kPressY));
    ASSERT_TRUE(owner.WaitForSteps(1));
    SendMessageA(test::FindOriginWindow(), WM_CANCELMODE, 0, 0);
    ASSERT_TRUE(owner.WaitForEnds(1));
    test::PumpMessages(50);

    HANDLE process = GetCurrentProcess();
    DWORD gdiBefore = GetGuiResources(process, GR_GDIOBJECTS);
    DWORD userBefore = GetGuiResources(process, GR_USEROBJECTS);
    int windowsBefore = test::CountThreadWindows();

    // Every other unload keeps the library's old place taken, so the next load
    // lands elsewhere: a class left over from an earlier load would then carry
    // a window procedure that is no longer there.
    void* blocked = nullptr;
    int moves = 0;
    HMODULE previous = nullptr;
    for (int cycle = 0; cycle < 200; ++cycle) {
        SCOPED_TRACE(cycle);
        ASSERT_TRUE(owner.Start(kPressX, kPressY));
        HMODULE library = GetModuleHandleA(test::kPanningLibrary);
        ASSERT_NE(nullptr, library);
        if (previous && library != previous) ++moves;
        previous = library;
        HWND origin = test::FindOriginWindow();
        ASSERT_NE(nullptr, origin);
        const IMAGE_NT_HEADERS* image = reinterpret_cast<const IMAGE_NT_HEADERS*>(
            reinterpret_cast<const BYTE*>(library) + reinterpret_cast<const IMAGE_DOS_HEADER*>(library)->e_lfanew);
        SIZE_T imageSize = image->OptionalHeader.SizeOfImage;
        ULONG_PTR imageStart = reinterpret_cast<ULONG_PTR>(library);
        ULONG_PTR procedure = static_cast<ULONG_PTR>(GetWindowLongPtrA(origin, GWLP_WNDPROC));
        ASSERT_GE(procedure, imageStart);
        ASSERT_LT(procedure, imageStart + imageSize);
        const PanningSession* session = reinterpret_cast<const PanningSession*>(GetWindowLongPtrA(origin, 0));
        ASSERT_NE(nullptr, session);
        HGDIOBJ mark = session->markBitmap;
        ASSERT_EQ(OBJ_BITMAP, static_cast<int>(GetObjectType(mark)));

        size_t steps = owner.steps.size();
        ASSERT_TRUE(owner.WaitForSteps(steps + 1));
        // End it in turn by a click, a key and the loss of capture.
        switch (cycle % 3) {
        case 0:
            PostMessageA(origin, WM_LBUTTONDOWN, MK_LBUTTON, 0);
            break;
        case 1:
            PostMessageA(owner.window(), WM_KEYDOWN, VK_SPACE, 1);
            break;
        default:
            ReleaseCapture();
            break;
        }
        ASSERT_TRUE(owner.WaitForEnds(cycle + 2));
        ASSERT_FALSE(LibraryLoaded());
        ASSERT_FALSE(IsWindow(origin));
        ASSERT_EQ(0u, GetObjectType(mark));
        WNDCLASSEXA leftover = {};
        leftover.cbSize = sizeof(leftover);
        ASSERT_FALSE(GetClassInfoExA(library, test::kOriginWindowClass, &leftover));

        if (blocked) {
            VirtualFree(blocked, 0, MEM_RELEASE);
            blocked = nullptr;
        } else {
            blocked = VirtualAlloc(library, imageSize, MEM_RESERVE, PAGE_NOACCESS);
        }
    }
    if (blocked) VirtualFree(blocked, 0, MEM_RELEASE);
    EXPECT_GT(moves, 0) << "the library never loaded at another place";

    size_t steps = owner.steps.size();
    test::PumpMessages(100);
    EXPECT_EQ(steps, owner.steps.size()) << "a steering timer outlived its session";
    EXPECT_EQ(windowsBefore, test::CountThreadWindows());
    EXPECT_EQ(gdiBefore, GetGuiResources(process, GR_GDIOBJECTS));
    EXPECT_EQ(userBefore, GetGuiResources(process, GR_USEROBJECTS));
    EXPECT_EQ(201, owner.ends);
}

}  // namespace
