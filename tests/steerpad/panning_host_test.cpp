// The program's side of panning: the real main window of this process loads
// Steerpad on a middle press, takes its steps, and frees it at the end; and
// the same messages from another process are refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "mainwindow/MainWindow.h"
#include "settings/Settings.h"
#include "support/ControlSupport.h"
#include "support/Fixtures.h"
#include "support/SteerpadSupport.h"

namespace {

// What reaches the main window: the steps it was sent with its answers (seen
// as the calls return), and the posted messages it retrieved.
struct MainWindowWatch {
    static std::vector<POINT> steps;
    static std::vector<LRESULT> answers;
    static int ends;
    static int postedUpdates;
    static HHOOK sent;
    static HHOOK posted;

    static LRESULT CALLBACK AfterSent(int code, WPARAM wParam, LPARAM lParam) {
        const CWPRETSTRUCT* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (code >= 0 && call->hwnd == g_mainWindow.Window() && call->message == g_messages.originUpdate &&
            !InSendMessage()) {
            steps.push_back(*reinterpret_cast<const POINT*>(call->lParam));
            answers.push_back(call->lResult);
        }
        return CallNextHookEx(sent, code, wParam, lParam);
    }
    static LRESULT CALLBACK Retrieved(int code, WPARAM wParam, LPARAM lParam) {
        const MSG* message = reinterpret_cast<const MSG*>(lParam);
        if (code >= 0 && wParam == PM_REMOVE && message->hwnd == g_mainWindow.Window()) {
            if (message->message == g_messages.originEnd) ++ends;
            if (message->message == g_messages.originUpdate) ++postedUpdates;
        }
        return CallNextHookEx(posted, code, wParam, lParam);
    }
    static void Start() {
        steps.clear();
        answers.clear();
        ends = 0;
        postedUpdates = 0;
        sent = SetWindowsHookExA(WH_CALLWNDPROCRET, AfterSent, nullptr, GetCurrentThreadId());
        posted = SetWindowsHookExA(WH_GETMESSAGE, Retrieved, nullptr, GetCurrentThreadId());
    }
    static void Stop() {
        if (sent) UnhookWindowsHookEx(sent);
        if (posted) UnhookWindowsHookEx(posted);
        sent = posted = nullptr;
    }
};
std::vector<POINT> MainWindowWatch::steps;
std::vector<LRESULT> MainWindowWatch::answers;
int MainWindowWatch::ends = 0;
int MainWindowWatch::postedUpdates = 0;
HHOOK MainWindowWatch::sent = nullptr;
HHOOK MainWindowWatch::posted = nullptr;

class PanningHostTest : public test::PlacedMainWindow {
protected:
    void SetUp() override {
        ASSERT_EQ(nullptr, GetModuleHandleA(test::kPanningLibrary));
        PlacedMainWindow::SetUp();
        // Away from every edge of the screen, so that steps are not limited.
        test::MoveZoomPointTo(POINT{GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2});
        MainWindowWatch::Start();
    }
    void TearDown() override {
        MainWindowWatch::Stop();
        PlacedMainWindow::TearDown();
        EXPECT_EQ(nullptr, test::FindOriginWindow());
    }

    // A middle press in the middle of the client area with the mouse held 40
    // pixels to its right; waits for five steps.
    ::testing::AssertionResult PressAndHold() {
        RECT client;
        GetClientRect(g_mainWindow.Window(), &client);
        press = {(client.left + client.right) / 2, (client.top + client.bottom) / 2};
        POINT mouse = press;
        ClientToScreen(g_mainWindow.Window(), &mouse);
        SetCursorPos(mouse.x + 40, mouse.y);
        PostMessageA(g_mainWindow.Window(), WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(press.x, press.y));
        if (!test::PumpUntil([] { return MainWindowWatch::steps.size() >= 5; }, 3000)) {
            return ::testing::AssertionFailure() << MainWindowWatch::steps.size() << " steps";
        }
        return ::testing::AssertionSuccess();
    }

    // A left click on the mark; waits until the end message has been handled.
    ::testing::AssertionResult ClickToEnd() {
        HWND origin = test::FindOriginWindow();
        if (!origin) return ::testing::AssertionFailure() << "no origin window";
        PostMessageA(origin, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        if (!test::PumpUntil([] { return MainWindowWatch::ends >= 1; }, 3000)) {
            return ::testing::AssertionFailure() << "no end message";
        }
        test::PumpMessages(50);
        return ::testing::AssertionSuccess();
    }

    POINT press = {0, 0};
};

TEST_F(PanningHostTest, MiddlePressPansTheMainWindowUntilAClickAndThenUnloadsTheLibrary) {
    ASSERT_TRUE(PressAndHold());
    EXPECT_NE(nullptr, GetModuleHandleA(test::kPanningLibrary));
    HWND origin = test::FindOriginWindow();
    ASSERT_NE(nullptr, origin);
    EXPECT_EQ(g_mainWindow.Window(), GetWindow(origin, GW_OWNER));
    RECT frame;
    GetWindowRect(origin, &frame);
    POINT screenPress = press;
    ClientToScreen(g_mainWindow.Window(), &screenPress);
    EXPECT_EQ(screenPress.x - 14, frame.left);
    EXPECT_EQ(screenPress.y - 14, frame.top);

    for (const POINT& step : MainWindowWatch::steps) {
        EXPECT_EQ(2, step.x);
        EXPECT_EQ(0, step.y);
    }
    // The main window takes every step itself.
    for (LRESULT answer : MainWindowWatch::answers) EXPECT_EQ(1, answer);

    ASSERT_TRUE(ClickToEnd());
    EXPECT_EQ(1, MainWindowWatch::ends);
    EXPECT_EQ(nullptr, test::FindOriginWindow());
    EXPECT_EQ(nullptr, GetModuleHandleA(test::kPanningLibrary));
}

TEST_F(PanningHostTest, EachStepMovesTheZoomPoint) {
    POINT start = test::Magnification().ZoomPoint();
    // On a slow machine the steps may carry the source to the screen's right edge, where it stops.
    const long highest = GetSystemMetrics(SM_CXSCREEN) - (start.x - g_mainWindow.SourceRect().left) - 1;
    ASSERT_TRUE(PressAndHold());
    ASSERT_TRUE(ClickToEnd());
    long moved = 0;
    for (const POINT& step : MainWindowWatch::steps) moved += step.x;
    EXPECT_GT(moved, 0);
    EXPECT_EQ(std::min(start.x + moved, highest), test::Magnification().ZoomPoint().x);
    EXPECT_EQ(start.y, test::Magnification().ZoomPoint().y);
}

// Runs the helper program: it sends or posts a registered message with a
// made-up lParam to the main window from another process. Returns its exit
// code, or -1 when it could not be run.
long RunSender(const char* how, const char* message, LPARAM lParam) {
    std::string command = "\"" + test::ProgramFolder() + "steerpad_sender.exe\" " +
                          std::to_string(reinterpret_cast<INT_PTR>(g_mainWindow.Window())) + " " + how + " " + message +
                          " " + std::to_string(lParam);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return -1;
    }
    // The send is delivered while this thread pumps.
    bool ended = test::PumpUntil([&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; }, 20000);
    DWORD code = static_cast<DWORD>(-1);
    if (ended) GetExitCodeProcess(process.hProcess, &code);
    else TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<long>(code);
}

TEST_F(PanningHostTest, AStepFromAnotherProcessIsRefusedUnread) {
    POINT start = test::Magnification().ZoomPoint();
    // An address that is not mapped in this process: reading it would crash.
    EXPECT_EQ(0, RunSender("send", "qf_OriginWindowUpdate", 0x1234));
    EXPECT_EQ(0, RunSender("post", "qf_OriginWindowUpdate", 0x1234));
    ASSERT_TRUE(test::PumpUntil([] { return MainWindowWatch::postedUpdates >= 1; }, 3000));
    test::PumpMessages(50);
    EXPECT_EQ(start.x, test::Magnification().ZoomPoint().x);
    EXPECT_EQ(start.y, test::Magnification().ZoomPoint().y);
    EXPECT_TRUE(IsWindow(g_mainWindow.Window()));
}

TEST_F(PanningHostTest, AForgedEndMessageDoesNotUnloadTheLibrary) {
    // The only reference is this test's own; no press of the window took one.
    HMODULE held = LoadLibraryA("STEERPAD");
    ASSERT_NE(held, nullptr);
    g_panningLibrary = held;
    ASSERT_EQ(g_panningLoads, 0);
    EXPECT_EQ(0, RunSender("post", "qf_OriginWindowEnd", 0));
    test::PumpMessages(200);
    EXPECT_EQ(GetModuleHandleA("STEERPAD"), held);
    FreeLibrary(held);
    EXPECT_EQ(GetModuleHandleA("STEERPAD"), nullptr);
}

TEST_F(PanningHostTest, AWheelTurnEndsTheSessionAndTheNextSessionEndsCleanlyToo) {
    // Following off, the zoom point fixed: a click that reached the view
    // would pick the zoom point there.
    g_settings.MouseTracking = 0;
    test::MoveZoomPointTo(POINT{640, 512});
    const POINT centre = ToScreen(test::Centre(View()));
    SetForegroundWindow(g_mainWindow.Window());
    SetCursorPos(centre.x, centre.y);
    test::PumpMessages(50);

    // Real mouse input, as the system delivers it: to the window under the
    // mouse, or to the one holding the capture.
    test::ClickAt(centre, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
    ASSERT_TRUE(test::PumpUntil([] { return test::FindOriginWindow() != nullptr; }, 3000));
    test::MouseInput(MOUSEEVENTF_WHEEL, static_cast<DWORD>(-WHEEL_DELTA));
    ASSERT_TRUE(test::PumpUntil([] { return MainWindowWatch::ends == 1; }, 3000)) << "the wheel left the mark";
    EXPECT_EQ(nullptr, test::FindOriginWindow());

    // Within the double-click time: the press arrives as a double click.
    test::ClickAt(centre, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
    ASSERT_TRUE(test::PumpUntil([] { return test::FindOriginWindow() != nullptr; }, 3000));
    test::ClickAt(centre);
    ASSERT_TRUE(test::PumpUntil([] { return MainWindowWatch::ends == 2; }, 3000));
    test::PumpMessages(50);
    EXPECT_EQ(640, test::Magnification().ZoomPoint().x);
    EXPECT_EQ(512, test::Magnification().ZoomPoint().y);
    EXPECT_FALSE(test::Magnification().Picking());
    EXPECT_EQ(nullptr, GetModuleHandleA(test::kPanningLibrary));
}

// An ordinary window of another thread, as another program's would be:
// activatable, not topmost, with a message loop of its own.
class OtherThreadWindow {
public:
    explicit OtherThreadWindow(const RECT& place) : place_(place) {
        ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        thread_ = CreateThread(nullptr, 0, Run, this, 0, &threadId_);
        if (thread_) WaitForSingleObject(ready_, 10000);
    }
    ~OtherThreadWindow() {
        if (thread_) {
            PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
            test::PumpUntil([this] { return WaitForSingleObject(thread_, 0) == WAIT_OBJECT_0; }, 10000);
            CloseHandle(thread_);
        }
        if (ready_) CloseHandle(ready_);
    }
    OtherThreadWindow(const OtherThreadWindow&) = delete;
    OtherThreadWindow& operator=(const OtherThreadWindow&) = delete;

    HWND window() const { return window_; }

private:
    static DWORD WINAPI Run(void* data) {
        OtherThreadWindow* self = static_cast<OtherThreadWindow*>(data);
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.lpszClassName = "OcularixTestOtherProgram";
        RegisterClassA(&windowClass);
        const RECT& place = self->place_;
        self->window_ = CreateWindowExA(0, windowClass.lpszClassName, "Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                        place.left, place.top, place.right - place.left, place.bottom - place.top,
                                        nullptr, nullptr, windowClass.hInstance, nullptr);
        SetEvent(self->ready_);
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
        DestroyWindow(self->window_);
        UnregisterClassA(windowClass.lpszClassName, windowClass.hInstance);
        return 0;
    }

    RECT place_;
    HANDLE ready_ = nullptr;
    HANDLE thread_ = nullptr;
    DWORD threadId_ = 0;
    HWND window_ = nullptr;
};

// Real mouse input through the X server (xdotool on the test's display): a
// press goes to the window under the pointer even while a window of this
// thread holds the capture, as on Windows. Wine's SendInput instead hands it
// to the capture. Wine starts the host program without a process handle, so
// the caller waits for what the input does. False when it could not start.
bool XdotoolInput(const std::string& arguments) {
    std::string command = "/usr/bin/xdotool " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return false;
    }
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
    return true;
}

TEST_F(PanningHostTest, AClickThatActivatesAnotherProgramEndsTheSession) {
    g_settings.MouseTracking = 0;
    SetWindowPos(g_mainWindow.Window(), nullptr, 640, 60, 600, 500, SWP_NOZORDER | SWP_NOACTIVATE);
    test::MoveZoomPointTo(POINT{640, 300});
    OtherThreadWindow other(RECT{20, 20, 600, 600});
    ASSERT_NE(nullptr, other.window());
    test::PumpMessages(100);

    // A click in the view makes the program the active one, and a middle click there starts a session.
    const POINT press = {900, 300};
    test::ClickAt(press);
    ASSERT_TRUE(test::PumpUntil([] { return GetForegroundWindow() == g_mainWindow.Window(); }, 3000));
    test::ClickAt(press, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
    ASSERT_TRUE(test::PumpUntil([] { return test::FindOriginWindow() != nullptr; }, 3000));

    // A click on the other program's window goes to it and makes it the active one.
    ASSERT_TRUE(XdotoolInput("mousemove 300 300 click 1"));
    ASSERT_TRUE(test::PumpUntil([&] { return GetForegroundWindow() == other.window(); }, 3000));
    EXPECT_TRUE(test::PumpUntil([] { return MainWindowWatch::ends == 1; }, 3000)) << "the mark stayed";
    EXPECT_EQ(nullptr, test::FindOriginWindow());

    // The pointer at rest below the press point steers nothing any more.
    const POINT ended = g_mainWindow.Magnification().ZoomPoint();
    ASSERT_TRUE(test::MoveCursor(press.x, press.y + 40));
    test::PumpMessages(300);
    const POINT after = g_mainWindow.Magnification().ZoomPoint();
    EXPECT_EQ(ended.x, after.x);
    EXPECT_EQ(ended.y, after.y);
    EXPECT_EQ(nullptr, GetModuleHandleA(test::kPanningLibrary));
}

HWND WINAPI NoWindow(DWORD, LPCSTR, LPCSTR, DWORD, int, int, int, int, HWND, HMENU, HINSTANCE, LPVOID) {
    return nullptr;
}

TEST_F(PanningHostTest, APressWhoseSessionCannotStartGivesTheLibraryBack) {
    // The library's origin window cannot be made.
    HMODULE held = LoadLibraryA(test::kPanningLibrary);
    ASSERT_NE(nullptr, held);
    void* original = test::ReplaceImport(held, "CreateWindowExA", reinterpret_cast<void*>(&NoWindow));
    ASSERT_NE(nullptr, original);
    for (int press = 0; press < 3; ++press) {
        SendMessageA(g_mainWindow.Window(), WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(100, 100));
    }
    EXPECT_EQ(nullptr, test::FindOriginWindow());
    EXPECT_EQ(0, g_panningLoads);
    test::ReplaceImport(held, "CreateWindowExA", original);
    FreeLibrary(held);
    EXPECT_EQ(nullptr, GetModuleHandleA(test::kPanningLibrary)) << "a press kept its reference";
}

}  // namespace
