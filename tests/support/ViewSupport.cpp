#include "support/ViewSupport.h"

#include "common/Dib.h"
#include "support/TestSupport.h"

namespace test {

namespace {

const char kColourClass[] = "OcularixTestColour";

// The pixels of a rectangle of a DC, row by row, as COLORREFs.
std::vector<COLORREF> PixelsOf(HDC source, const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    std::vector<COLORREF> pixels(static_cast<size_t>(width > 0 ? width : 0) * (height > 0 ? height : 0), CLR_INVALID);
    if (pixels.empty()) return pixels;
    BITMAPINFO info = TopDown32(width, height);
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(source);
    HGDIOBJ previous = SelectObject(memory, section);
    BitBlt(memory, 0, 0, width, height, source, area.left, area.top, SRCCOPY);
    GdiFlush();
    const DWORD* values = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = RGB((values[i] >> 16) & 0xFF, (values[i] >> 8) & 0xFF, values[i] & 0xFF);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(section);
    return pixels;
}

void PaintPattern(HDC dc, int width, int height) {
    std::vector<DWORD> bits(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            COLORREF colour = PatternColour(x, y);
            bits[static_cast<size_t>(y) * width + x] = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
        }
    }
    BITMAPINFO info = TopDown32(width, height);
    SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, bits.data(), &info, DIB_RGB_COLORS);
}

}  // namespace

COLORREF PatternColour(int x, int y) {
    return RGB(x & 0xFF, y & 0xFF, kPatternBlue);
}

ColourWindow::ColourWindow(const RECT& r, COLORREF colour) : window_(nullptr), colour_(colour) {
    WNDCLASSEXA description = {};
    description.cbSize = sizeof(description);
    description.lpfnWndProc = Proc;
    description.hInstance = GetModuleHandleA(nullptr);
    description.lpszClassName = kColourClass;
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof(existing);
    if (!GetClassInfoExA(description.hInstance, kColourClass, &existing)) RegisterClassExA(&description);
    window_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kColourClass, nullptr, WS_POPUP,
                              r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                              GetModuleHandleA(nullptr), this);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
    PumpMessages(100);
}

ColourWindow::~ColourWindow() {
    if (window_) DestroyWindow(window_);
    PumpMessages(50);
}

void ColourWindow::SetColour(COLORREF colour) {
    colour_ = colour;
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

LRESULT CALLBACK ColourWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const CREATESTRUCTA* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    ColourWindow* self = reinterpret_cast<ColourWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_ERASEBKGND) return 1;
    if (message == WM_PAINT && self) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        if (self->colour_ == kPattern) {
            PaintPattern(dc, client.right, client.bottom);
        } else {
            HBRUSH brush = CreateSolidBrush(self->colour_);
            FillRect(dc, &client, brush);
            DeleteObject(brush);
        }
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

PatternWindow::PatternWindow(int x, int y, int width, int height)
    : ColourWindow(RECT{x, y, x + width, y + height}, kPattern), x_(x), y_(y), width_(width), height_(height) {}

bool PatternWindow::WaitUntilOnScreen() {
    const POINT probes[] = {{0, 0}, {width_ - 1, 0}, {0, height_ - 1}, {width_ - 1, height_ - 1}, {width_ / 2, height_ / 2}};
    return PumpUntil(
        [&] {
            for (const POINT& probe : probes) {
                if (ScreenPixel(x_ + probe.x, y_ + probe.y) != PatternColour(probe.x, probe.y)) return false;
            }
            return true;
        },
        10000);
}

bool PlaceClientArea(HWND window, int x, int y, int width, int height) {
    RECT frame = {x, y, x + width, y + height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    PumpMessages(30);
    RECT client;
    GetClientRect(window, &client);
    return client.right == width && client.bottom == height;
}

ClientPixels::ClientPixels(HWND window) : width_(0), height_(0) {
    RECT client;
    GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    HDC windowDC = GetDC(window);
    pixels_ = PixelsOf(windowDC, client);
    ReleaseDC(window, windowDC);
}

ScreenCapture::ScreenCapture(const RECT& r) : rect_(r) {
    HDC screen = GetDC(nullptr);
    pixels_ = PixelsOf(screen, r);
    ReleaseDC(nullptr, screen);
}

COLORREF ScreenCapture::At(int x, int y) const {
    return pixels_[static_cast<size_t>(y - rect_.top) * (rect_.right - rect_.left) + (x - rect_.left)];
}

Ink FindInk(HDC dc, const RECT& area, COLORREF colour, bool matching) {
    const std::vector<COLORREF> pixels = PixelsOf(dc, area);
    Ink ink;
    for (int y = area.top, i = 0; y < area.bottom; ++y) {
        for (int x = area.left, run = 0; x < area.right; ++x, ++i) {
            run = (pixels[i] == colour) == matching ? run + 1 : 0;
            if (!run) continue;
            const RECT pixel = {x, y, x + 1, y + 1};
            UnionRect(&ink.box, &ink.box, &pixel);
            ++ink.count;
            if (run > ink.longestRow) ink.longestRow = run;
        }
    }
    return ink;
}

Ink ScreenInk(const RECT& area, COLORREF colour, bool matching) {
    HDC screen = GetDC(nullptr);
    const Ink ink = FindInk(screen, area, colour, matching);
    ReleaseDC(nullptr, screen);
    return ink;
}

RECT InkBox(const RECT& area, COLORREF background) {
    return ScreenInk(area, background, false).box;
}

void FillClient(HWND window, COLORREF colour) {
    HDC dc = GetDC(window);
    RECT client;
    GetClientRect(window, &client);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    ReleaseDC(window, dc);
}

}  // namespace test
