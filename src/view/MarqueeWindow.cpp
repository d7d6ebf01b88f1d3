#include "view/MarqueeWindow.h"

#include "common/Handles.h"
#include "common/Names.h"
#include "common/PixelArt.h"
#include "common/Process.h"
#include "resources/resource.h"
#include "view/PopupMath.h"

namespace {

constexpr UINT_PTR kDashTimerId = 1;
constexpr UINT kDashIntervalMs = 100;

ATOM g_marqueeAtom = 0;

// The dash pattern for a line of lineWidth pixels: the 8 x 8 picture, enlarged
// pixel for pixel when the line is wider than one.
HBRUSH LoadPatternBrush(int bitmapId, int lineWidth) {
    Bitmap pattern(LoadBitmapA(g_instance, MAKEINTRESOURCEA(bitmapId)));
    if (!pattern) return nullptr;
    if (lineWidth > 1) pattern.reset(pixelart::Enlarge(pattern, lineWidth));
    if (!pattern) return nullptr;
    // The brush keeps its own copy of the pattern, so the bitmap goes at once.
    return CreatePatternBrush(pattern);
}

}  // namespace

MarqueeWindow::MarqueeWindow() : frame_{0, 0, 0, 0}, phase_(0), lineWidth_(1) {}

MarqueeWindow::~MarqueeWindow() {
    // The window goes before the class, which cannot be unregistered while it
    // exists; the brushes go with their owners.
    DestroyPopup();
    UnregisterPopupClass(g_marqueeAtom);
}

ATOM MarqueeWindow::ClassAtom() {
    return g_marqueeAtom;
}

void MarqueeWindow::Show(HWND owner, UINT dpiValue) {
    // A drag whose button-up never arrived may have left a frame on screen.
    if (window_) Hide();
    if (!g_marqueeAtom) {
        WNDCLASSEXA description = {};
        description.lpszClassName = names::kMarqueeClass;
        g_marqueeAtom = RegisterPopupClass(description);
        if (!g_marqueeAtom) return;
    }
    MakeBrushes(MarqueeLineWidth(dpiValue ? dpiValue : dpi::ForWindow(owner)));
    if (CreatePopup(g_marqueeAtom, WS_POPUP, owner)) SetTimer(window_, kDashTimerId, kDashIntervalMs, nullptr);
}

void MarqueeWindow::MakeBrushes(int lineWidth) {
    // Kept from one show to the next while the line keeps its width. No DC
    // holds them: a paint selects them only while it draws.
    if (lineWidth != lineWidth_) {
        brushA_.reset();
        brushB_.reset();
        lineWidth_ = lineWidth;
        phase_ = 0;
    }
    if (!brushA_) brushA_.reset(LoadPatternBrush(IDB_MARQUEE_HORIZONTAL, lineWidth_));
    if (!brushB_) brushB_.reset(LoadPatternBrush(IDB_MARQUEE_VERTICAL, lineWidth_));
}

void MarqueeWindow::Place(int x, int y, int width, int height) {
    if (!window_) return;
    SetWindowPos(window_, nullptr, x, y, width, height, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER);
}

void MarqueeWindow::Hide() {
    if (window_) KillTimer(window_, kDashTimerId);
    PopupWindow::Hide();
}

LRESULT MarqueeWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        OnSize(window, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_TIMER:
        OnTimer(window);
        return 0;
    case WM_PAINT:
        OnPaint(window);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void MarqueeWindow::OnSize(HWND window, int width, int height) {
    // A zero size keeps the last shape: there is nothing to outline.
    if (width == 0 || height == 0) return;
    GetClientRect(window, &frame_);
    Region ring(CreateRectRgnIndirect(&frame_));
    RECT inside = MarqueeInnerRect(frame_.right - frame_.left, frame_.bottom - frame_.top, lineWidth_);
    if (!IsRectEmpty(&inside)) {
        Region inner(CreateRectRgnIndirect(&inside));
        CombineRgn(ring, ring, inner, RGN_XOR);
    }
    // The system owns the region from here on.
    if (SetWindowRgn(window, ring, TRUE)) ring.release();
}

void MarqueeWindow::OnTimer(HWND window) {
    InvalidateRect(window, nullptr, FALSE);
    phase_ = NextMarqueePhase(phase_, lineWidth_);
}

void MarqueeWindow::OnPaint(HWND window) {
    PaintScope dc(window);
    if (brushA_ && brushB_) {
        const int width = frame_.right - frame_.left;
        const int height = frame_.bottom - frame_.top;
        const int line = lineWidth_;
        const int pattern = MarqueePatternSize(line);
        struct Edge {
            HBRUSH brush;
            int originX, originY;
            int x, y, width, height;
        } const edges[] = {
            {brushA_, phase_, 0, frame_.left, frame_.top, width, line},
            {brushA_, pattern - phase_, 0, frame_.left, frame_.bottom - line, width, line},
            {brushB_, 0, pattern - phase_, frame_.left, frame_.top, line, height},
            {brushB_, 0, phase_, frame_.right - line, frame_.top, line, height},
        };
        // The monochrome patterns take the DC's default colours: black text on white.
        HGDIOBJ noBrush = GetStockObject(NULL_BRUSH);
        SelectionGuard restoreBrush(dc, noBrush);
        for (const Edge& edge : edges) {
            // A brush is unrealized only while no DC holds it.
            SelectObject(dc, noBrush);
            UnrealizeObject(edge.brush);
            SetBrushOrgEx(dc, edge.originX, edge.originY, nullptr);
            SelectObject(dc, edge.brush);
            PatBlt(dc, edge.x, edge.y, edge.width, edge.height, PATCOPY);
        }
    }
}
