#include "support/PictureSupport.h"

#include <objbase.h>
#include <wincodec.h>

#include <gtest/gtest.h>

#include "common/Dib.h"
#include "settings/Settings.h"

namespace test {

COLORREF Picture::At(int x, int y) const {
    DWORD v = bits[static_cast<size_t>(y) * width + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

namespace {

Picture PixelsOf(HBITMAP bitmap) {
    Picture picture;
    BITMAP info;
    if (bitmap && GetObjectA(bitmap, sizeof(info), &info)) {
        picture.bits.resize(static_cast<size_t>(info.bmWidth) * info.bmHeight);
        BITMAPINFO header = TopDown32(info.bmWidth, info.bmHeight);
        HDC screen = GetDC(nullptr);
        if (GetDIBits(screen, bitmap, 0, info.bmHeight, picture.bits.data(), &header, DIB_RGB_COLORS)) {
            picture.width = info.bmWidth;
            picture.height = info.bmHeight;
        }
        ReleaseDC(nullptr, screen);
    }
    return picture;
}

// Pixels that are not the pattern's screen pixel they are scaled from, starting at origin.
int PatternMismatches(const Picture& picture, const PatternWindow& pattern, POINT origin, int scale) {
    int wrong = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            wrong += picture.At(x, y) != pattern.ColourAt(origin.x + x / scale, origin.y + y / scale);
        }
    }
    return wrong;
}

}  // namespace

Picture ClipboardPicture() {
    OpenClipboard(nullptr);
    Picture picture = PixelsOf(static_cast<HBITMAP>(GetClipboardData(CF_BITMAP)));
    CloseClipboard();
    return picture;
}

Picture BitmapPicture(HBITMAP bitmap) {
    Picture picture = PixelsOf(bitmap);
    if (bitmap) DeleteObject(bitmap);
    for (DWORD& v : picture.bits) v &= 0x00FFFFFF;  // the screen's fourth byte is not part of the colour
    return picture;
}

Picture FilePicture(const std::string& path, GUID* format) {
    Picture picture;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IWICImagingFactory* factory = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICBitmapSource* converted = nullptr;
    std::wstring name(path.begin(), path.end());
    UINT width = 0, height = 0;
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(&factory))) &&
        SUCCEEDED(factory->CreateDecoderFromFilename(name.c_str(), nullptr, GENERIC_READ,
                                                     WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(frame->GetSize(&width, &height)) &&
        (!format || SUCCEEDED(frame->GetPixelFormat(format))) &&
        SUCCEEDED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGR, frame, &converted))) {
        picture.bits.resize(static_cast<size_t>(width) * height);
        if (SUCCEEDED(converted->CopyPixels(nullptr, width * 4, width * height * 4,
                                            reinterpret_cast<BYTE*>(picture.bits.data())))) {
            picture.width = static_cast<int>(width);
            picture.height = static_cast<int>(height);
        }
    }
    for (IUnknown* object : {static_cast<IUnknown*>(converted), static_cast<IUnknown*>(frame),
                             static_cast<IUnknown*>(decoder), static_cast<IUnknown*>(factory)}) {
        if (object) object->Release();
    }
    CoUninitialize();
    for (DWORD& v : picture.bits) v &= 0x00FFFFFF;
    return picture;
}

CursorShape ShapeOf(HCURSOR cursor) {
    CursorShape shape;
    ICONINFO info = {};
    if (!cursor || !GetIconInfo(cursor, &info)) return shape;
    shape.hotSpot = POINT{static_cast<LONG>(info.xHotspot), static_cast<LONG>(info.yHotspot)};
    shape.mask = BitmapPicture(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    return shape;
}

std::string FileBytes(const std::string& path) {
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    char buffer[4096];
    DWORD read = 0;
    while (file != INVALID_HANDLE_VALUE && ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read) {
        bytes.append(buffer, read);
    }
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return bytes;
}

void PatternMainWindowTest::SetUp() {
    // Far from the pattern, so that no menu, dialog or outline of ours covers what is copied.
    PatternOnScreen::SetUp();
    g_settings.ShowGrid = 1;
    g_settings.GridSize = 1;
    g_settings.GridColor = kGridColour;
}

void PatternMainWindowTest::ExpectPattern(const Picture& picture, int width, int height, POINT origin, int scale) {
    ASSERT_EQ(width, picture.width);
    ASSERT_EQ(height, picture.height);
    EXPECT_EQ(0, PatternMismatches(picture, *pattern_, origin, scale)) << "from " << origin.x << "," << origin.y;
}

}  // namespace test
