#include "support/ViewSupport.h"

#include "support/TestSupport.h"

namespace test {

namespace {

const char kPatternClass[] = "OcularixTestPattern";

LRESULT CALLBACK PatternProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        const int width = client.right;
        const int height = client.bottom;
        std::vector<DWORD> bits(static_cast<size_t>(width) * height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                COLORREF colour = PatternColour(x, y);
                bits[static_cast<size_t>(y) * width + x] =
                    (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
            }
        }
        BITMAPINFO info = TopDown32(width, height);
        SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, bits.data(), &info, DIB_RGB_COLORS);
        EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_ERASEBKGND) return 1;
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

COLORREF PatternColour(int x, int y) {
    return RGB(x & 0xFF, y & 0xFF, kPatternBlue);
}

PatternWindow::PatternWindow(int x, int y, int width, int height)
    : x_(x), y_(y), width_(width), height_(height), window_(nullptr) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = PatternProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kPatternClass;
    RegisterClassA(&windowClass);
    window_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kPatternClass, "", WS_POPUP, x, y,
                              width, height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
}

PatternWindow::~PatternWindow() {
    if (window_) DestroyWindow(window_);
    UnregisterClassA(kPatternClass, GetModuleHandleA(nullptr));
    PumpMessages(50);
}

bool PatternWindow::WaitUntilOnScreen() {
    const POINT probes[] = {{0, 0}, {width_ - 1, 0}, {0, height_ - 1}, {width_ - 1, height_ - 1}, {width_ / 2, height_ / 2}};
    return PumpUntil(
        [&] {
            for (const POINT& probe : probes) {
                if (ScreenPixel(x_ + probe.x, y_ + probe.y) != PatternColour(probe.x, probe.y)) return false;
            }
            return true;
        },
        3000);
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
    pixels_.assign(static_cast<size_t>(width_) * height_, CLR_INVALID);
    if (width_ <= 0 || height_ <= 0) return;
    HDC windowDC = GetDC(window);
    BITMAPINFO info = TopDown32(width_, height_);
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(windowDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(windowDC);
    HGDIOBJ previous = SelectObject(memory, section);
    BitBlt(memory, 0, 0, width_, height_, windowDC, 0, 0, SRCCOPY);
    GdiFlush();
    const DWORD* source = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < pixels_.size(); ++i) {
        DWORD value = source[i];
        pixels_[i] = RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(section);
    ReleaseDC(window, windowDC);
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
