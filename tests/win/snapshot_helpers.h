// Helpers of the snapshot tests: pictures in memory and on disk, the pixels
// of the program's surfaces, and a fresh history menu.
#pragma once

#include <windows.h>

#include <cstdint>
#include <algorithm>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/app.h"
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

inline Picture DecodeFile(const std::string& path) {
    Picture picture;
    GpBitmap* loaded = nullptr;
    if (GdipCreateBitmapFromFile(WidePath(path).c_str(), &loaded) != Ok) return picture;
    ImageOwner owner(loaded);
    UINT w = 0, h = 0;
    GdipGetImageWidth(loaded, &w);
    GdipGetImageHeight(loaded, &h);
    const GpRect area{0, 0, static_cast<INT>(w), static_cast<INT>(h)};
    BitmapData data{};
    if (GdipBitmapLockBits(loaded, &area, ImageLockModeRead, PixelFormat24bppRGB, &data) != Ok) return picture;
    picture.width = static_cast<int>(w);
    picture.height = static_cast<int>(h);
    picture.pixels.resize(static_cast<size_t>(w) * h);
    for (UINT y = 0; y < h; ++y) {
        const BYTE* row = static_cast<const BYTE*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride;
        for (UINT x = 0; x < w; ++x)
            picture.pixels[y * w + x] = (row[x * 3 + 2] << 16) | (row[x * 3 + 1] << 8) | row[x * 3];
    }
    GdipBitmapUnlockBits(loaded, &data);
    return picture;
}

// Writes a w x h PNG whose pixels `color` gives.
inline bool WritePicture(const std::string& path, int w, int h, const PixelFunction& color) {
    GpBitmap* created = nullptr;
    if (GdipCreateBitmapFromScan0(w, h, 0, PixelFormat24bppRGB, nullptr, &created) != Ok) return false;
    ImageOwner owner(created);
    const GpRect area{0, 0, w, h};
    BitmapData data{};
    if (GdipBitmapLockBits(created, &area, ImageLockModeWrite, PixelFormat24bppRGB, &data) != Ok) return false;
    for (int y = 0; y < h; ++y) {
        BYTE* row = static_cast<BYTE*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride;
        for (int x = 0; x < w; ++x) {
            const uint32_t c = color(x, y);
            row[x * 3] = c & 0xFF;
            row[x * 3 + 1] = (c >> 8) & 0xFF;
            row[x * 3 + 2] = (c >> 16) & 0xFF;
        }
    }
    GdipBitmapUnlockBits(created, &data);
    CLSID png;
    if (GetEncoderClsid(L"image/png", &png) < 0) return false;
    return GdipSaveImageToFile(owner.get(), WidePath(path).c_str(), &png, nullptr) == Ok;
}

// The pixel rows of a DIB section selected into a memory DC.
inline BYTE* DibBits(HDC dc, int* bitsPerPixel) {
    DIBSECTION dib{};
    GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof dib, &dib);
    *bitsPerPixel = dib.dsBm.bmBitsPixel;
    return static_cast<BYTE*>(dib.dsBm.bmBits);
}

// A pixel of a bottom-up DIB surface (hdcCapture or hdcBase), top-down y.
inline uint32_t SurfacePixel(HDC dc, int x, int y) {
    GdiFlush();
    int bpp = 0;
    const BYTE* bits = DibBits(dc, &bpp);
    const int bytes = bpp / 8;
    const size_t stride = (static_cast<size_t>(ScreenWidth()) * bytes + 3) & ~size_t{3};
    const BYTE* p = bits + static_cast<size_t>(ScreenHeight() - 1 - y) * stride + static_cast<size_t>(x) * bytes;
    return (p[2] << 16) | (p[1] << 8) | p[0];
}

inline Picture SurfacePicture(HDC dc) {
    Picture picture{ScreenWidth(), ScreenHeight(), {}};
    picture.pixels.reserve(static_cast<size_t>(picture.width) * picture.height);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) picture.pixels.push_back(SurfacePixel(dc, x, y));
    return picture;
}

inline void FillCapture(const PixelFunction& color) {
    int bpp = 0;
    BYTE* bits = DibBits(hdcCapture, &bpp);
    const size_t stride = static_cast<size_t>(ScreenWidth()) * 4;
    for (int y = 0; y < ScreenHeight(); ++y)
        for (int x = 0; x < ScreenWidth(); ++x) {
            BYTE* p = bits + static_cast<size_t>(ScreenHeight() - 1 - y) * stride + static_cast<size_t>(x) * 4;
            const uint32_t c = color(x, y);
            p[0] = c & 0xFF;
            p[1] = (c >> 8) & 0xFF;
            p[2] = (c >> 16) & 0xFF;
            p[3] = 0;
        }
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

inline std::string MenuText(HMENU menu, int position) {
    char text[2048] = "";
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    item.dwTypeData = text;
    item.cch = sizeof text;
    GetMenuItemInfoA(menu, position, TRUE, &item);
    return text;
}

inline MENUITEMINFOA MenuItem(HMENU menu, int position) {
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_STATE;
    GetMenuItemInfoA(menu, position, TRUE, &item);
    return item;
}

inline uint32_t TodayValue() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wYear * 10000u + now.wMonth * 100u + now.wDay;
}

}  // namespace snaptest
