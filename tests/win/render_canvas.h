// A memory surface with a 32-bit top-down DIB section of a known background,
// for pixel tests, and reference pictures kept as PNG files in the source
// tree (tests/win/reference). Run the Wine tests with QC_WRITE_REFERENCES=1
// to write the pictures anew instead of comparing with them.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "render/gdiplus_flat.h"
#include "snapshots/snapshots_win.h"

// A COLORREF as 0x00RRGGBB.
inline uint32_t PixelRgbOf(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

class Canvas {
public:
    Canvas(int width, int height, COLORREF background) : width_(width), height_(height) {
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof bi.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};  // top-down
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
    // 0x00RRGGBB.
    uint32_t At(int x, int y) const {
        GdiFlush();
        return bits_[y * width_ + x] & 0xFFFFFF;
    }
    // Pixels of [x0, x1) x [y0, y1) that pass `test`, or that differ from `color`.
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
    std::vector<uint32_t> Pixels() const {
        std::vector<uint32_t> all;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) all.push_back(At(x, y));
        return all;
    }
    bool SavePng(const std::string& path) const {
        GdiFlush();
        GpBitmap* bitmap = nullptr;
        CLSID png;
        if (GdipCreateBitmapFromScan0(width_, height_, width_ * 4, PixelFormat32bppRGB, reinterpret_cast<BYTE*>(bits_),
                                      &bitmap) != Ok)
            return false;
        ImageOwner owner(bitmap);
        return GetEncoderClsid(L"image/png", &png) >= 0 &&
               GdipSaveImageToFile(bitmap, WidePath(path).c_str(), &png, nullptr) == Ok;
    }

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    uint32_t* bits_;
};

// Pixels (0x00RRGGBB, top-down) of a picture file; empty when unreadable.
inline std::vector<uint32_t> ReadPicture(const std::string& path, int& width, int& height) {
    GpBitmap* bitmap = nullptr;
    if (GdipCreateBitmapFromFile(WidePath(path).c_str(), &bitmap) != Ok) return {};
    ImageOwner owner(bitmap);
    UINT w = 0, h = 0;
    GdipGetImageWidth(bitmap, &w);
    GdipGetImageHeight(bitmap, &h);
    const GpRect area{0, 0, static_cast<INT>(w), static_cast<INT>(h)};
    BitmapData data{};
    if (GdipBitmapLockBits(bitmap, &area, ImageLockModeRead, PixelFormat32bppRGB, &data) != Ok) return {};
    std::vector<uint32_t> pixels;
    for (UINT y = 0; y < h; ++y)
        for (UINT x = 0; x < w; ++x)
            pixels.push_back(static_cast<uint32_t*>(data.Scan0)[y * data.Stride / 4 + x] & 0xFFFFFF);
    GdipBitmapUnlockBits(bitmap, &data);
    width = static_cast<int>(w), height = static_cast<int>(h);
    return pixels;
}

// Compares a canvas with the reference picture `name`: the count of pixels
// whose colour differs by more than `tolerance` in some channel, or -1 when
// there is no reference of the canvas's size. Writes the reference instead
// when QC_WRITE_REFERENCES is set, and the differing picture beside the build
// for a look when they differ.
inline int DifferencesFromReference(const Canvas& canvas, const std::string& name, int tolerance = 24) {
    const std::string reference = std::string(QC_SOURCE_DIR) + "/tests/win/reference/" + name + ".png";
    if (std::getenv("QC_WRITE_REFERENCES")) return canvas.SavePng(reference) ? 0 : -1;
    int w = 0, h = 0;
    const std::vector<uint32_t> expected = ReadPicture(reference, w, h), got = canvas.Pixels();
    if (w != canvas.width() || h != canvas.height()) return -1;
    int differing = 0;
    for (size_t i = 0; i < got.size(); ++i)
        for (int shift : {0, 8, 16})
            if (std::abs(int((got[i] >> shift) & 0xFF) - int((expected[i] >> shift) & 0xFF)) > tolerance) {
                ++differing;
                break;
            }
    if (differing) canvas.SavePng(name + ".actual.png");
    return differing;
}
