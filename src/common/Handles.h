// Small owners for GDI objects and device contexts: one owner per handle,
// released on every path. None of them can be copied.
#pragma once

#include <windows.h>

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

// Any GDI object (pen, brush, bitmap, font, region, palette) deleted with DeleteObject.
template <typename Handle>
class GdiObject {
public:
    GdiObject() : handle_(nullptr) {}
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    Handle get() const { return handle_; }
    operator Handle() const { return handle_; }
    void reset(Handle handle = nullptr) {
        if (handle_) DeleteObject(handle_);
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

using Pen = GdiObject<HPEN>;
using Brush = GdiObject<HBRUSH>;
using Bitmap = GdiObject<HBITMAP>;
using Font = GdiObject<HFONT>;
using Region = GdiObject<HRGN>;

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

// A block of global memory from GlobalAlloc, freed with GlobalFree unless handed
// on (to the clipboard).
class GlobalMemory {
public:
    explicit GlobalMemory(HGLOBAL memory = nullptr) : memory_(memory) {}
    ~GlobalMemory() { reset(); }
    GlobalMemory(const GlobalMemory&) = delete;
    GlobalMemory& operator=(const GlobalMemory&) = delete;
    HGLOBAL get() const { return memory_; }
    explicit operator bool() const { return memory_ != nullptr; }
    void reset(HGLOBAL memory = nullptr) {
        if (memory_) GlobalFree(memory_);
        memory_ = memory;
    }
    HGLOBAL release() {
        HGLOBAL memory = memory_;
        memory_ = nullptr;
        return memory;
    }

private:
    HGLOBAL memory_;
};

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
