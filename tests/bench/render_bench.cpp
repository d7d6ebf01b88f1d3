// How long a frame of the magnified view takes, beside the cheapest way of putting
// the same number of screen pixels on the same window: one BitBlt from the screen
// DC to the window DC. Prints Markdown; run by scripts/bench.sh, not a test (the
// cost of the running program is measured by scripts/program-cpu.sh).
//
//   render_bench.exe                  the tables
//   render_bench.exe 800 600 4 [b]    one view size and zoom, 200 frames of Render
//                                     (or with b of the baseline), for profiling
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <vector>

#include "mainwindow/MainWindow.h"
#include "settings/Settings.h"
#include "support/TestSupport.h"
#include "view/ViewFrame.h"
#include "view/ViewGeometry.h"

namespace {

struct ViewSize {
    int width;
    int height;
};

const ViewSize kSizes[] = {{320, 200}, {800, 600}, {1600, 1000}};
const int kZooms[] = {1, 4, 32};
constexpr int kFrames = 41;          // of each kind, per size and zoom
constexpr int kProfileFrames = 200;  // in the single-configuration mode
const POINT kZoomPoint = {640, 512};
constexpr int kLargestWindow = 4000;

WNDPROC g_mainProc = nullptr;

// Lets the window grow past the screen's size, which the
// system does not allow by default.
LRESULT CALLBACK BenchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = CallWindowProcA(g_mainProc, window, message, wParam, lParam);
    if (message == WM_GETMINMAXINFO) {
        MINMAXINFO* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMaxTrackSize.x = limits->ptMaxSize.x = kLargestWindow;
        limits->ptMaxTrackSize.y = limits->ptMaxSize.y = kLargestWindow;
    }
    return result;
}

double NowMs() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Best(const std::vector<double>& values) {
    return *std::min_element(values.begin(), values.end());
}

// Hands what the frame drew into the window over to the display, as the message
// loop does between the frames of the running program.
void Present() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool SizeView(const ViewSize& size) {
    HWND window = g_mainWindow.Window();
    RECT frame = {0, 0, size.width, size.height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    test::PumpMessages(100);
    RECT view = g_mainWindow.GetViewRect();
    return view.right - view.left == size.width && view.bottom - view.top == size.height;
}

void SetZoom(int zoom) {
    g_settings.ZoomFactor = zoom;
    g_mainWindow.Layout();
    test::MoveZoomPointTo(kZoomPoint);
}

void RenderFrame(HDC windowDC) {
    g_mainWindow.Render(windowDC);
}

void BaselineFrame(HDC windowDC) {
    const RECT view = g_mainWindow.GetViewRect();
    const RECT source = g_mainWindow.SourceRect();
    HDC screen = GetDC(nullptr);
    BitBlt(windowDC, view.left, view.top, view.right - view.left, view.bottom - view.top, screen, source.left,
           source.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
}

typedef void (*FrameFunction)(HDC windowDC);

// Milliseconds of one frame, including handing it to the display.
double TimeFrame(FrameFunction frame) {
    HDC windowDC = GetDC(g_mainWindow.Window());
    double start = NowMs();
    frame(windowDC);
    GdiFlush();
    Present();
    double elapsed = NowMs() - start;
    ReleaseDC(g_mainWindow.Window(), windowDC);
    return elapsed;
}

// The two steps of one frame, each timed on its own.
struct Phases {
    double capture;  // the source rectangle copied from the screen at screen size, compared with the last
    double show;     // enlarged into the picture and copied to the window
};

Phases TimePhases(int frames) {
    std::vector<double> capture, show;
    HDC windowDC = GetDC(g_mainWindow.Window());
    const RECT view = g_mainWindow.GetViewRect();
    FrameLook look = {};
    look.source = g_mainWindow.SourceRect();
    look.view = SIZE{view.right - view.left, view.bottom - view.top};
    look.zoomFactor = g_settings.ZoomFactor;
    // A picture memory of its own, made and kept as the window keeps its one.
    ViewFrame frame;
    for (int i = 0; i < frames; ++i) {
        double t0 = NowMs();
        frame.Capture(look);
        double t1 = NowMs();
        frame.Show(windowDC, POINT{view.left, view.top}, g_mainWindow.IdentityPalette());
        GdiFlush();
        double t2 = NowMs();
        Present();
        capture.push_back(t1 - t0);
        show.push_back(t2 - t1);
    }
    ReleaseDC(g_mainWindow.Window(), windowDC);
    return Phases{Median(capture), Median(show)};
}

void PrintTables() {
    struct Row {
        ViewSize size;
        int zoom;
        Phases phases;
    };
    std::vector<Row> rows;
    printf("Milliseconds per frame, each frame handed to the display before the next; median and best of %d frames "
           "of each kind, Render and baseline alternating frame by frame.\n\n",
           kFrames);
    printf("| View | Zoom | Render | Baseline | Ratio | Render best | Baseline best | Ratio of best |\n");
    printf("|---|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const ViewSize& size : kSizes) {
        if (!SizeView(size)) {
            printf("| %dx%d | | the view could not be given this size | | | | | |\n", size.width, size.height);
            continue;
        }
        for (int zoom : kZooms) {
            SetZoom(zoom);
            // Once each to warm up; then alternating, so both see the same load
            // from the rest of the machine.
            TimeFrame(RenderFrame);
            TimeFrame(BaselineFrame);
            std::vector<double> render;
            std::vector<double> baseline;
            for (int frame = 0; frame < kFrames; ++frame) {
                render.push_back(TimeFrame(RenderFrame));
                baseline.push_back(TimeFrame(BaselineFrame));
            }
            const double r = Median(render);
            const double b = Median(baseline);
            printf("| %dx%d | %d | %.2f | %.2f | %.2f | %.2f | %.2f | %.2f |\n", size.width, size.height, zoom, r, b,
                   r / b, Best(render), Best(baseline), Best(render) / Best(baseline));
            rows.push_back(Row{size, zoom, TimePhases(kFrames)});
        }
    }

    printf("\nWhere a frame's time goes: the two steps of Render, each timed on its own (median ms).\n\n");
    printf("| View | Zoom | Copy from the screen and compare | Enlarge and copy to the window |\n");
    printf("|---|---:|---:|---:|\n");
    for (const Row& row : rows) {
        printf("| %dx%d | %d | %.2f | %.2f |\n", row.size.width, row.size.height, row.zoom, row.phases.capture,
               row.phases.show);
    }
}

double FileTimeSeconds(const FILETIME& time) {
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 1e7;
}

double ProcessCpuSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    return FileTimeSeconds(kernel) + FileTimeSeconds(user);
}

void ProfileOne(const ViewSize& size, int zoom, bool baseline) {
    if (!SizeView(size)) {
        printf("the view could not be made %dx%d\n", size.width, size.height);
        return;
    }
    SetZoom(zoom);
    std::vector<double> times;
    const double cpuBefore = ProcessCpuSeconds();
    for (int i = 0; i < kProfileFrames; ++i) times.push_back(TimeFrame(baseline ? BaselineFrame : RenderFrame));
    printf("%s %dx%d zoom %d: median %.2f ms per frame, process CPU %.2f ms per frame\n",
           baseline ? "baseline" : "Render", size.width, size.height, zoom, Median(times),
           1000.0 * (ProcessCpuSeconds() - cpuBefore) / kProfileFrames);
}

}  // namespace

int main(int argc, char** argv) {
    setvbuf(stdout, nullptr, _IONBF, 0);
    test::UseTestSettingsKey();
    test::DeleteSettingsKey();
    test::ReloadSettings();
    g_settings.DisplayToolbar = 0;
    g_settings.DisplayStatusbar = 0;
    g_settings.MouseTracking = 0;
    g_settings.ShowGrid = 0;
    g_settings.Update = 1;
    if (!test::CreateMainWindowForTest()) {
        fprintf(stderr, "the main window could not be created\n");
        return 1;
    }
    g_mainProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(g_mainWindow.Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BenchProc)));

    if (argc >= 4) {
        ProfileOne(ViewSize{atoi(argv[1]), atoi(argv[2])}, atoi(argv[3]), argc >= 5 && argv[4][0] == 'b');
    } else {
        PrintTables();
    }

    SetWindowLongPtrA(g_mainWindow.Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_mainProc));
    test::DestroyMainWindowForTest();
    test::DeleteSettingsKey();
    test::ReloadSettings();
    return 0;
}
