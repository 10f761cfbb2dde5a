// Helpers of the snapshot tests: pictures in memory and on disk, the pixels
// of the program's surfaces, and a fresh history menu.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <algorithm>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/app.h"
#include "model/annotation.h"
#include "model/history.h"
#include "overlay/overlay.h"
#include "settings/options.h"
#include "win_env.h"
#include "dock/dock.h"
#include "render/gdiplus_flat.h"
#include "snapshots/snapshots.h"
#include "snapshots/snapshots_win.h"

namespace snaptest {

using PixelFunction = std::function<uint32_t(int x, int y)>;  // 0x00RRGGBB

// Pictures top-down, one 0x00RRGGBB value per pixel.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

inline std::string TestFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "qc_snapshots\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

inline bool FileExists(const std::string& path) {
    return GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The first `bytes` bytes of a file (all of it by default); "" when absent.
inline std::string ReadFileBytes(const std::string& path, size_t bytes = 1 << 24) {
    HANDLE f = CreateFileW(WidePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return {};
    std::string data(std::min<size_t>(bytes, GetFileSize(f, nullptr)), '\0');
    DWORD got = 0;
    ReadFile(f, data.data(), static_cast<DWORD>(data.size()), &got, nullptr);
    CloseHandle(f);
    data.resize(got);
    return data;
}

inline void WriteFileBytes(const std::string& path, const std::string& data) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << data;
}

// Calls visit(pixel, x, y) for each pixel of a w x h 24-bit bitmap, the
// pixel's bytes in blue, green, red order.
template <typename Visit>
bool VisitBits(GpBitmap* bitmap, int w, int h, ImageLockMode mode, Visit visit) {
    const GpRect area{0, 0, w, h};
    BitmapData data{};
    if (GdipBitmapLockBits(bitmap, &area, mode, PixelFormat24bppRGB, &data) != Ok) return false;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) visit(static_cast<BYTE*>(data.Scan0) + ptrdiff_t{y} * data.Stride + x * 3, x, y);
    return GdipBitmapUnlockBits(bitmap, &data) == Ok;
}

inline uint32_t ReadRgb(const BYTE* p) { return (p[2] << 16) | (p[1] << 8) | p[0]; }
inline void WriteRgb(BYTE* p, uint32_t c) { p[0] = c & 0xFF, p[1] = (c >> 8) & 0xFF, p[2] = (c >> 16) & 0xFF; }

inline Picture DecodeFile(const std::string& path) {
    GpBitmap* loaded = nullptr;
    if (GdipCreateBitmapFromFile(WidePath(path).c_str(), &loaded) != Ok) return {};
    ImageOwner owner(loaded);
    UINT w = 0, h = 0;
    GdipGetImageWidth(loaded, &w);
    GdipGetImageHeight(loaded, &h);
    Picture picture{static_cast<int>(w), static_cast<int>(h), std::vector<uint32_t>(size_t{w} * h)};
    VisitBits(loaded, picture.width, picture.height, ImageLockModeRead,
              [&](BYTE* p, int x, int y) { picture.pixels[size_t(y) * w + x] = ReadRgb(p); });
    return picture;
}

// Writes a w x h PNG whose pixels `color` gives.
inline bool WritePicture(const std::string& path, int w, int h, const PixelFunction& color) {
    GpBitmap* created = nullptr;
    if (GdipCreateBitmapFromScan0(w, h, 0, PixelFormat24bppRGB, nullptr, &created) != Ok) return false;
    ImageOwner owner(created);
    CLSID png;
    return VisitBits(created, w, h, ImageLockModeWrite, [&](BYTE* p, int x, int y) { WriteRgb(p, color(x, y)); }) &&
           GetEncoderClsid(L"image/png", &png) >= 0 &&
           GdipSaveImageToFile(owner.get(), WidePath(path).c_str(), &png, nullptr) == Ok;
}

// A pixel of a bottom-up DIB surface (hdcCapture or hdcBase, 24 or 32 bits),
// top-down y.
inline BYTE* SurfaceBytes(HDC dc, int x, int y) {
    GdiFlush();
    DIBSECTION dib{};
    GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof dib, &dib);
    const int bytes = dib.dsBm.bmBitsPixel / 8;
    const size_t stride = (static_cast<size_t>(ScreenWidth()) * bytes + 3) & ~size_t{3};
    return static_cast<BYTE*>(dib.dsBm.bmBits) + (ScreenHeight() - 1 - y) * stride + size_t(x) * bytes;
}
inline uint32_t SurfacePixel(HDC dc, int x, int y) { return ReadRgb(SurfaceBytes(dc, x, y)); }

inline Picture SurfacePicture(HDC dc) {
    Picture picture{ScreenWidth(), ScreenHeight(), {}};
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) picture.pixels.push_back(SurfacePixel(dc, x, y));
    return picture;
}

inline void FillCapture(const PixelFunction& color) {
    for (int y = 0; y < ScreenHeight(); ++y)
        for (int x = 0; x < ScreenWidth(); ++x) {
            BYTE* p = SurfaceBytes(hdcCapture, x, y);  // 32 bits
            WriteRgb(p, color(x, y));
            p[3] = 0;
        }
    ForgetLayer();  // a new picture under the drawing, as a capture gives
}

// A pattern in which every row and column differs, so that a shifted or
// flipped copy cannot match.
inline uint32_t Pattern(int x, int y) {
    return ((x * 7 + y * 3) & 0xFF) << 16 | ((x ^ (y * 5)) & 0xFF) << 8 | ((x / 3 + y * 11) & 0xFF);
}

// The first position where two pictures differ, as text, or "" when equal.
inline std::string FirstDifference(const Picture& a, const Picture& b) {
    if (a.width != b.width || a.height != b.height) return "sizes differ";
    for (size_t i = 0; i < a.pixels.size(); ++i)
        if (a.pixels[i] != b.pixels[i])
            return std::to_string(i % a.width) + "," + std::to_string(i / a.width) + ": " +
                   std::to_string(a.pixels[i]) + " vs " + std::to_string(b.pixels[i]);
    return "";
}

// Empties the snapshot menu and builds it again from `historyText` (no file
// when null), as start-up does.
inline void RebuildHistoryMenus(const char* historyText) {
    while (GetMenuItemCount(snapshotMenu) > 0) DeleteMenu(snapshotMenu, 0, MF_BYPOSITION);
    historyItemId = HISTORY_FIRST_ITEM_ID;
    DeleteFileA(historyPath.c_str());
    if (historyText) WriteFileBytes(historyPath, historyText);
    BuildDockMenusAndHistory();
}

// A menu item's text, id, submenu, data and type.
inline MENUITEMINFOA MenuItem(HMENU menu, int position, char* text = nullptr, UINT size = 0) {
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_STATE | (text ? MIIM_STRING : 0);
    item.dwTypeData = text;
    item.cch = size;
    GetMenuItemInfoA(menu, position, TRUE, &item);
    return item;
}
inline std::string MenuText(HMENU menu, int position) {
    char text[2048] = "";
    MenuItem(menu, position, text, sizeof text);
    return text;
}

// Every snapshot test starts from an empty drawing over the screen picture,
// with empty history menus, no recorded messages and a folder of its own.
class SnapshotTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartProgramOnce();
        RebuildHistoryMenus(nullptr);
        ClearAnnotations();
        ClearHistory();
        opts[IDOPTS_WHITEBOARD] = 0;
        recordedMessages.clear();
        folder = TestFolder();
    }
    std::string folder;
};

}  // namespace snaptest
