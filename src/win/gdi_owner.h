// Small owners for the GDI objects of one drawing step. Declare the object
// owner before the SelectGuard that selects it: the guard then puts the old
// object back before the owner deletes the new one.
#pragma once

#include <windows.h>

template <typename Handle>
class GdiObjectOwner {
public:
    explicit GdiObjectOwner(Handle handle) : handle_(handle) {}
    ~GdiObjectOwner() {
        if (handle_) DeleteObject(handle_);
    }
    GdiObjectOwner(const GdiObjectOwner&) = delete;
    GdiObjectOwner& operator=(const GdiObjectOwner&) = delete;
    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    Handle handle_;
};

using FontOwner = GdiObjectOwner<HFONT>;
using GdiBrushOwner = GdiObjectOwner<HBRUSH>;
using BitmapOwner = GdiObjectOwner<HBITMAP>;

class MemoryDcOwner {
public:
    explicit MemoryDcOwner(HDC reference) : dc_(CreateCompatibleDC(reference)) {}
    ~MemoryDcOwner() {
        if (dc_) DeleteDC(dc_);
    }
    MemoryDcOwner(const MemoryDcOwner&) = delete;
    MemoryDcOwner& operator=(const MemoryDcOwner&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// Selects an object into a device context for one scope; a null object
// leaves the device context as it is.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~SelectGuard() {
        if (previous_) SelectObject(dc_, previous_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Text colour and background mode for one scope, restored afterwards so that
// a shared device context (a dock item, the back buffer) is left as found.
class TextStateGuard {
public:
    TextStateGuard(HDC dc, COLORREF color)
        : dc_(dc), previousColor_(SetTextColor(dc, color)), previousMode_(SetBkMode(dc, TRANSPARENT)) {}
    ~TextStateGuard() {
        SetBkMode(dc_, previousMode_);
        SetTextColor(dc_, previousColor_);
    }
    TextStateGuard(const TextStateGuard&) = delete;
    TextStateGuard& operator=(const TextStateGuard&) = delete;

private:
    HDC dc_;
    COLORREF previousColor_;
    int previousMode_;
};
