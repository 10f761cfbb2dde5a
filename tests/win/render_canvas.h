// A memory surface with a 32-bit top-down DIB section of a known background,
// for pixel tests, and reference pictures kept as PNG files in the source
// tree (tests/win/reference). Run the Wine tests with QC_WRITE_REFERENCES=1
// to write the pictures anew instead of comparing with them.
#pragma once

#include "win_env.h"

#include <algorithm>
#include <cstdlib>

#include "win/gdiplus_flat.h"
#include "render/pictures.h"

class Canvas {
public:
    Canvas(int width, int height, COLORREF background) : width_(width), height_(height) {
        std::fill(bits_, bits_ + width * height, PixelRgbOf(background));
    }

    HDC dc() const { return dc_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }
    // The pixel at (x, y) as 0x00RRGGBB, to read or to write.
    uint32_t& at(int x, int y) { return bits_[y * width_ + x]; }
    // Pixels as 0x00RRGGBB, row by row.
    std::vector<uint32_t> Pixels() const {
        GdiFlush();
        std::vector<uint32_t> all(bits_, bits_ + width_ * height_);
        for (uint32_t& p : all) p &= 0xFFFFFF;
        return all;
    }
    // Pixels of [x0, x1) x [y0, y1) that differ from `color`.
    int CountNot(uint32_t color, int x0, int y0, int x1, int y1) const {
        const std::vector<uint32_t> all = Pixels();
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += all[y * width_ + x] != color;
        return n;
    }
    bool SavePng(const std::string& path) const {
        GdiFlush();
        GpBitmap* bitmap = nullptr;
        CLSID png;
        GdipCreateBitmapFromScan0(width_, height_, width_ * 4, PixelFormat32bppRGB, reinterpret_cast<BYTE*>(bits_),
                                  &bitmap);
        ImageOwner owner(bitmap);
        return bitmap && GetEncoderClsid(L"image/png", &png) >= 0 &&
               GdipSaveImageToFile(bitmap, WidePath(path).c_str(), &png, nullptr) == Ok;
    }

private:
    int width_, height_;
    uint32_t* bits_ = nullptr;
    MemoryDcOwner dc_{nullptr};
    // 32 bits a pixel, top-down (a negative height).
    BitmapOwner bitmap_{MakeDib(nullptr, width_, -height_, 32, reinterpret_cast<BYTE**>(&bits_))};
    SelectGuard selected_{dc_.get(), bitmap_.get()};
};

// Compares a canvas with the reference picture `name`: the count of pixels
// whose colour differs by more than `tolerance` in some channel (a missing
// reference reads as black). Writes the reference instead when
// QC_WRITE_REFERENCES is set, and the differing picture beside the test exe
// for a look when they differ.
inline int DifferencesFromReference(const Canvas& picture, const std::string& name, int tolerance = 24) {
    const std::string reference = std::string(QC_SOURCE_DIR) + "/tests/win/reference/" + name + ".png";
    if (std::getenv("QC_WRITE_REFERENCES")) return picture.SavePng(reference) ? 0 : -1;
    GpBitmap* bitmap = nullptr;
    GdipCreateBitmapFromFile(WidePath(reference).c_str(), &bitmap);
    ImageOwner owner(bitmap);
    Canvas expected(picture.width(), picture.height(), 0);
    GraphicsOwner graphics;
    GdipCreateFromHDC(expected.dc(), graphics.out());
    GdipDrawImageRectI(graphics.get(), bitmap, 0, 0, picture.width(), picture.height());
    const std::vector<uint32_t> got = picture.Pixels(), want = expected.Pixels();
    int differing = 0;
    for (size_t i = 0; i < got.size(); ++i)
        differing += std::max({std::abs(int(got[i] & 0xFF) - int(want[i] & 0xFF)),
                               std::abs(int(got[i] >> 8 & 0xFF) - int(want[i] >> 8 & 0xFF)),
                               std::abs(int(got[i] >> 16) - int(want[i] >> 16))}) > tolerance;
    if (differing) picture.SavePng(name + ".actual.png");
    return differing;
}
