// Move-only owners for Win32 and GDI handles: nothing is released by hand.
#pragma once

#include <windows.h>

#include <utility>

namespace wp::win {

template <class T, class Close, T Invalid = T{}> class Unique {
public:
    Unique() = default;
    explicit Unique(T handle) : handle_(handle) {}
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : handle_(other.release()) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~Unique() { reset(); }

    T get() const { return handle_; }
    explicit operator bool() const { return handle_ != Invalid; }

    // Gives up ownership, e.g. after SetWindowRgn took the region.
    [[nodiscard]] T release() { return std::exchange(handle_, Invalid); }

    void reset(T handle = Invalid) {
        const T old = std::exchange(handle_, handle);
        if (old != Invalid) Close{}(old);
    }

    // For out-parameters: releases what is held and hands out the slot.
    T* put() {
        reset();
        return &handle_;
    }

private:
    T handle_ = Invalid;
};

struct DeleteGdiObject {
    void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct DestroyIconHandle {
    void operator()(HICON h) const { DestroyIcon(h); }
};
struct DestroyMenuHandle {
    void operator()(HMENU h) const { DestroyMenu(h); }
};
struct CloseRegKey {
    void operator()(HKEY h) const { RegCloseKey(h); }
};
struct CloseKernelHandle {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
struct DestroyWindowHandle {
    void operator()(HWND h) const { DestroyWindow(h); }
};
struct DeleteMemoryDC {
    void operator()(HDC h) const { DeleteDC(h); }
};
struct FreeGlobal {
    void operator()(HGLOBAL h) const { GlobalFree(h); }
};
struct UnhookHook {
    void operator()(HHOOK h) const { UnhookWindowsHookEx(h); }
};

using Brush = Unique<HBRUSH, DeleteGdiObject>;
using Pen = Unique<HPEN, DeleteGdiObject>;
using Font = Unique<HFONT, DeleteGdiObject>;
using Region = Unique<HRGN, DeleteGdiObject>;
using Bitmap = Unique<HBITMAP, DeleteGdiObject>;
using Icon = Unique<HICON, DestroyIconHandle>;
using Menu = Unique<HMENU, DestroyMenuHandle>;
using RegKey = Unique<HKEY, CloseRegKey>;
using KernelHandle = Unique<HANDLE, CloseKernelHandle>;
using OwnedWindow = Unique<HWND, DestroyWindowHandle>;
using MemoryDC = Unique<HDC, DeleteMemoryDC>; // from CreateCompatibleDC
using Hook = Unique<HHOOK, UnhookHook>;
using GlobalMemory = Unique<HGLOBAL, FreeGlobal>; // once given to the clipboard, release() it

// A window's DC, released to the same window it came from.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND hwnd_;
    HDC dc_;
};

// BeginPaint/EndPaint as a scope.
class PaintScope {
public:
    explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { BeginPaint(hwnd_, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(hwnd_, &ps_); }
    HDC dc() const { return ps_.hdc; }
    const RECT& area() const { return ps_.rcPaint; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
};

// An object selected into a DC for a scope; the previous one is put back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace wp::win
