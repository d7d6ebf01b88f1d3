// Small owners for GDI objects, icons, device contexts, loaded modules,
// registry keys and menus: one owner per handle, released on every path. None of them can be copied; the object
// owners can be moved, so that a member can take a new object.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

// A device context from GetDC, released to its window.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }
    operator HDC() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A memory DC from CreateCompatibleDC.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC() {
        if (dc_) DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC get() const { return dc_; }
    operator HDC() const { return dc_; }

private:
    HDC dc_;
};

// Owns one handle and releases it with Release::Free(handle).
template <typename Handle, typename Release>
class OwnedHandle {
public:
    OwnedHandle() : handle_(nullptr) {}
    explicit OwnedHandle(Handle handle) : handle_(handle) {}
    ~OwnedHandle() { reset(); }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    OwnedHandle(OwnedHandle&& other) noexcept : handle_(other.release()) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    Handle get() const { return handle_; }
    operator Handle() const { return handle_; }
    void reset(Handle handle = nullptr) {
        if (handle_) Release::Free(handle_);
        handle_ = handle;
    }
    // Hands the object to a new owner (the clipboard, SetWindowRgn).
    Handle release() {
        Handle handle = handle_;
        handle_ = nullptr;
        return handle;
    }

private:
    Handle handle_;
};

struct DeleteGdiObject {
    static void Free(HGDIOBJ object) { DeleteObject(object); }
};
struct DeleteDeviceContext {
    static void Free(HDC dc) { DeleteDC(dc); }
};
struct ReleaseScreenDC {
    static void Free(HDC dc) { ReleaseDC(nullptr, dc); }
};
struct DestroyIconHandle {
    static void Free(HICON icon) { DestroyIcon(icon); }
};
struct DestroyCursorHandle {
    static void Free(HCURSOR cursor) { DestroyCursor(cursor); }
};
struct DestroyImageListHandle {
    static void Free(HIMAGELIST list) { ImageList_Destroy(list); }
};
struct FreeModuleHandle {
    static void Free(HMODULE module) { FreeLibrary(module); }
};
struct CloseRegistryKey {
    static void Free(HKEY key) { RegCloseKey(key); }
};
struct DestroyMenuHandle {
    static void Free(HMENU menu) { DestroyMenu(menu); }
};

// Any GDI object (pen, brush, bitmap, font, region, palette) deleted with DeleteObject.
template <typename Handle>
using GdiObject = OwnedHandle<Handle, DeleteGdiObject>;

using Pen = GdiObject<HPEN>;
using Brush = GdiObject<HBRUSH>;
using Bitmap = GdiObject<HBITMAP>;
using Font = GdiObject<HFONT>;
using Region = GdiObject<HRGN>;
using Palette = GdiObject<HPALETTE>;
// A memory DC that a member keeps, made anew when needed.
using OwnedMemoryDC = OwnedHandle<HDC, DeleteDeviceContext>;
// The screen's DC from GetDC(NULL) that a member keeps, released to the screen.
using KeptScreenDC = OwnedHandle<HDC, ReleaseScreenDC>;
// An icon made by LoadImage or CreateIcon (not a shared one), destroyed with DestroyIcon.
using Icon = OwnedHandle<HICON, DestroyIconHandle>;
// A cursor made by CreateIconIndirect (not a shared resource cursor), destroyed
// with DestroyCursor once it is no longer the current cursor.
using OwnedCursor = OwnedHandle<HCURSOR, DestroyCursorHandle>;
// An image list of our own making (not one a control made for itself).
using ImageList = OwnedHandle<HIMAGELIST, DestroyImageListHandle>;
// A library loaded with LoadLibrary: one reference, given back with FreeLibrary.
using Module = OwnedHandle<HMODULE, FreeModuleHandle>;
// A registry key opened or created by us (not a predefined root).
using RegKey = OwnedHandle<HKEY, CloseRegistryKey>;
// A menu loaded or made by us and attached to no window.
using Menu = OwnedHandle<HMENU, DestroyMenuHandle>;

// A function that a module may lack (one that only newer systems have), as
// the type it is called through; null when the module or the export is missing.
template <typename Function>
Function OptionalExport(HMODULE module, const char* name) {
    if (!module) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The painting of one WM_PAINT: BeginPaint on construction, EndPaint on destruction.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window), paint_(), dc_(BeginPaint(window, &paint_)) {}
    ~PaintScope() { EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC dc() const { return dc_; }
    operator HDC() const { return dc_; }
    const RECT& Invalid() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_;
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back on destruction.
class SelectionGuard {
public:
    SelectionGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectionGuard() {
        if (previous_) SelectObject(dc_, previous_);
    }
    SelectionGuard(const SelectionGuard&) = delete;
    SelectionGuard& operator=(const SelectionGuard&) = delete;
    HGDIOBJ previous() const { return previous_; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

struct FreeGlobalMemory {
    static void Free(HGLOBAL memory) { GlobalFree(memory); }
};
// A block of global memory from GlobalAlloc; release() hands it on (to the clipboard).
using GlobalMemory = OwnedHandle<HGLOBAL, FreeGlobalMemory>;

// Locks a block of global memory for the lifetime of the object.
class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HGLOBAL memory) : memory_(memory), bytes_(memory ? GlobalLock(memory) : nullptr) {}
    ~GlobalLockGuard() {
        if (bytes_) GlobalUnlock(memory_);
    }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
    BYTE* bytes() const { return static_cast<BYTE*>(bytes_); }

private:
    HGLOBAL memory_;
    void* bytes_;
};

// COM for this thread for the object's lifetime; left as it was found.
class ComApartment {
public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT result_;
};

// A COM interface pointer, released once.
template <typename Interface>
class ComRef {
public:
    ComRef() : pointer_(nullptr) {}
    ~ComRef() {
        if (pointer_) pointer_->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    // For functions that hand out a new reference; only while empty.
    Interface** put() { return &pointer_; }

private:
    Interface* pointer_;
};

// Selects a palette into a DC as a foreground palette and realises it; puts the
// previous one back. No palette, nothing done.
class RealizedPalette {
public:
    RealizedPalette(HDC dc, HPALETTE palette)
        : dc_(dc), previous_(palette ? SelectPalette(dc, palette, FALSE) : nullptr) {
        if (palette) RealizePalette(dc);
    }
    ~RealizedPalette() {
        if (previous_) SelectPalette(dc_, previous_, FALSE);
    }
    RealizedPalette(const RealizedPalette&) = delete;
    RealizedPalette& operator=(const RealizedPalette&) = delete;

private:
    HDC dc_;
    HPALETTE previous_;
};
