// The flat GDI+ interface, brought into the global namespace, plus small
// owners for the objects that live for one drawing or hit-test step.
#pragma once

#include <windows.h>
#include <gdiplus.h>

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

// Each owner is declared before the graphics object that draws with it, so
// that it outlives every use and is deleted exactly once.
template <typename T, GpStatus(WINGDIPAPI* Release)(T*)>
class GdipOwner {
public:
    GdipOwner() = default;
    explicit GdipOwner(T* object) : object_(object) {}
    ~GdipOwner() {
        if (object_) Release(object_);
    }
    GdipOwner(const GdipOwner&) = delete;
    GdipOwner& operator=(const GdipOwner&) = delete;
    T* get() const { return object_; }
    T** out() { return &object_; }
    explicit operator bool() const { return object_ != nullptr; }

private:
    T* object_ = nullptr;
};

using GraphicsOwner = GdipOwner<GpGraphics, GdipDeleteGraphics>;
using PenOwner = GdipOwner<GpPen, GdipDeletePen>;
using BrushOwner = GdipOwner<GpBrush, GdipDeleteBrush>;
using PathOwner = GdipOwner<GpPath, GdipDeletePath>;
using ImageOwner = GdipOwner<GpImage, GdipDisposeImage>;

// GDI+ ARGB of a COLORREF (0x00BBGGRR) at an opacity step 1..5.
inline ARGB InkArgb(COLORREF color, int opacityStep) {
    const ARGB alpha = static_cast<ARGB>(51 * opacityStep) & 0xFF;
    return (alpha << 24) | (ARGB(GetRValue(color)) << 16) | (ARGB(GetGValue(color)) << 8) | GetBValue(color);
}
