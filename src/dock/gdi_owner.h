// Owners of the GDI objects that live for one drawing step of the dock. Each
// owner is declared before the selection guard that uses it, so the object
// is deselected before it is deleted.
#pragma once

#include <windows.h>

template <typename T>
class GdiObjectOwner {
public:
    explicit GdiObjectOwner(T object) : object_(object) {}
    ~GdiObjectOwner() {
        if (object_) DeleteObject(object_);
    }
    GdiObjectOwner(const GdiObjectOwner&) = delete;
    GdiObjectOwner& operator=(const GdiObjectOwner&) = delete;
    T get() const { return object_; }

private:
    T object_;
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

// Selects an object into a device context and puts the previous one back.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectGuard() {
        if (previous_) SelectObject(dc_, previous_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};
