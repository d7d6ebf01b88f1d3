#include "support/ScaleSupport.h"

#include <commctrl.h>
#include <stdlib.h>

#include "support/ControlSupport.h"
#include "support/PictureSupport.h"

namespace test {

namespace {

constexpr int kImageWidth = 16;
constexpr int kImageHeight = 15;
constexpr int kStripImages = 8;

bool ShowsArt(const ClientPixels& shown, const RECT& button, const Picture& strip, int image, int factor) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (int top = button.top; top + kImageHeight * factor <= button.bottom; ++top) {
        for (int left = button.left; left + kImageWidth * factor <= button.right; ++left) {
            bool same = true;
            for (int y = 0; same && y < kImageHeight * factor; ++y) {
                for (int x = 0; same && x < kImageWidth * factor; ++x) {
                    const COLORREF art = strip.At(image * kImageWidth + x / factor, y / factor);
                    same = art == face || shown.At(left + x, top + y) == art;
                }
            }
            if (same) return true;
        }
    }
    return false;
}

}  // namespace

UINT RequestedDpi() {
    char value[16] = "";
    DWORD length = GetEnvironmentVariableA("OCULARIX_DPI", value, sizeof(value));
    if (length == 0 || length >= sizeof(value)) return 96;
    const long dpiValue = strtol(value, nullptr, 10);
    return dpiValue > 0 ? static_cast<UINT>(dpiValue) : 96;
}

int ButtonsWithoutArt(HWND toolbar, int factor) {
    struct ButtonImage {
        UINT command;
        int image;
    } const buttons[] = {{112, 0}, {32774, 1}, {32771, 2}, {32772, 3}, {4009, 5}, {4027, 6}, {4017, 7}};
    // The toolbar strip (bitmap 135) as the toolbar maps it: its greys become
    // the button colours; the button face is transparent.
    const Picture strip = BitmapPicture(CreateMappedBitmap(GetModuleHandleA(nullptr), 135, 0, nullptr, 0));
    if (strip.width < kStripImages * kImageWidth) return static_cast<int>(sizeof(buttons) / sizeof(buttons[0]));
    ClientPixels shown(toolbar);
    const RECT client = {0, 0, shown.Width(), shown.Height()};
    int without = 0;
    for (const ButtonImage& button : buttons) {
        RECT rect = ButtonRect(toolbar, button.command);
        IntersectRect(&rect, &rect, &client);
        if (!ShowsArt(shown, rect, strip, button.image, factor)) ++without;
    }
    return without;
}

ThumbRows ThumbShown(HWND slider) {
    RECT thumb = {0, 0, 0, 0};
    RECT client = {0, 0, 0, 0};
    SendMessageA(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    GetClientRect(slider, &client);
    const int top = thumb.top > client.top ? thumb.top : client.top;
    const int bottom = thumb.bottom < client.bottom ? thumb.bottom : client.bottom;
    return ThumbRows{bottom > top ? bottom - top : 0, thumb.bottom - thumb.top};
}

}  // namespace test
