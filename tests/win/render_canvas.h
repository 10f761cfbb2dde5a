// A memory surface with a 32-bit top-down DIB section of a known background,
// for pixel tests of the renderer.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>

// A COLORREF as 0x00RRGGBB.
inline uint32_t PixelRgbOf(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

class Canvas {
public:
    Canvas(int width, int height, COLORREF background) : width_(width), height_(height) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = width;
        bi.bmiHeader.biHeight = -height;  // top-down: row 0 first
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<uint32_t*>(bits);
        previous_ = SelectObject(dc_, bitmap_);
        Fill(background);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }

    void Fill(COLORREF color) {
        GdiFlush();
        std::fill(bits_, bits_ + width_ * height_, PixelRgbOf(color));
    }
    // 0x00RRGGBB; outside the surface: 0xFFFFFFFF.
    uint32_t At(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0xFFFFFFFFu;
        GdiFlush();
        return bits_[y * width_ + x] & 0xFFFFFF;
    }
    static int R(uint32_t rgb) { return (rgb >> 16) & 0xFF; }
    static int G(uint32_t rgb) { return (rgb >> 8) & 0xFF; }
    static int B(uint32_t rgb) { return rgb & 0xFF; }
    // Brightest channel: 0 for black, 255 for white or any saturated colour.
    static int Darkness(uint32_t rgb) { return 255 - (R(rgb) + G(rgb) + B(rgb)) / 3; }

    // Pixels of a rectangle [x0, x1) x [y0, y1) that pass `test`, or that
    // differ from `color`.
    template <typename Test>
    int Count(Test test, int x0, int y0, int x1, int y1) const {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += test(At(x, y)) ? 1 : 0;
        return n;
    }
    int CountNot(uint32_t color, int x0, int y0, int x1, int y1) const {
        return Count([color](uint32_t p) { return p != color; }, x0, y0, x1, y1);
    }

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    uint32_t* bits_;
};
