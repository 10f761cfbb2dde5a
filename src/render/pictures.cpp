// Picture files: finding an encoder, copying a surface's pixels, encoding
// a copy into a file or memory, and reading a picture file into a surface.
#include "render/pictures.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "canvas/canvas.h"
#include "win/files.h"
#include "win/text.h"

int GetEncoderClsid(const WCHAR* mimeType, CLSID* clsid) {
    UINT count = 0, size = 0;
    GdipGetImageEncodersSize(&count, &size);
    if (size == 0) return -1;
    std::vector<BYTE> table(size);
    auto* encoders = reinterpret_cast<ImageCodecInfo*>(table.data());
    if (GdipGetImageEncoders(count, size, encoders) != Ok) return -1;
    for (UINT i = 0; i < count; ++i) {
        if (encoders[i].MimeType && wcscmp(encoders[i].MimeType, mimeType) == 0) {
            *clsid = encoders[i].Clsid;
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Rows of earlier copies, ready for the next ones; one of each depth is
// enough for the put-away, the snapshot and the copy in flight.
constexpr size_t KEPT_ROWS = 2;
static std::vector<std::vector<uint8_t>> spareRows;

void RecyclePicture(PictureCopy&& picture) {
    if (picture.rows.empty()) return;
    if (spareRows.size() >= KEPT_ROWS) spareRows.erase(spareRows.begin());  // the oldest goes
    spareRows.push_back(std::move(picture.rows));
}

// Rows for `bytes`: a spare of that very size when there is one.
static std::vector<uint8_t> TakeRows(size_t bytes) {
    for (auto it = spareRows.begin(); it != spareRows.end(); ++it)
        if (it->size() == bytes) {
            std::vector<uint8_t> rows = std::move(*it);
            spareRows.erase(it);
            return rows;
        }
    return std::vector<uint8_t>(bytes);
}

PictureCopy CopySurfacePicture(HDC dc) {
    PictureCopy copy;
    DIBSECTION section{};
    if (GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof section, &section) != sizeof section) return copy;
    const int bitCount = section.dsBm.bmBitsPixel;
    if ((bitCount != 24 && bitCount != 32) || !section.dsBm.bmBits) return copy;
    GdiFlush();  // drawing still queued for the surface lands first
    copy.width = section.dsBm.bmWidth;
    copy.height = section.dsBm.bmHeight;
    copy.stride = section.dsBm.bmWidthBytes;
    copy.bitCount = bitCount;
    copy.bottomUp = section.dsBmih.biHeight > 0;
    copy.rows = TakeRows(static_cast<size_t>(copy.stride) * static_cast<size_t>(copy.height));
    std::memcpy(copy.rows.data(), section.dsBm.bmBits, copy.rows.size());
    return copy;
}

bool PutSurfacePicture(const PictureCopy& picture, HDC dc) {
    DIBSECTION section{};
    if (GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof section, &section) != sizeof section) return false;
    if (!section.dsBm.bmBits || section.dsBm.bmWidth != picture.width || section.dsBm.bmHeight != picture.height ||
        section.dsBm.bmBitsPixel != picture.bitCount || (section.dsBmih.biHeight > 0) != picture.bottomUp)
        return false;
    GdiFlush();
    std::memcpy(section.dsBm.bmBits, picture.rows.data(), picture.rows.size());
    return true;
}

GpBitmap* BitmapOverPicture(const PictureCopy& picture) {
    if (picture.rows.empty()) return nullptr;
    auto* rows = const_cast<BYTE*>(picture.rows.data());
    // A bottom-up copy starts at its last row and walks down with a negative stride.
    BYTE* top = picture.bottomUp ? rows + static_cast<ptrdiff_t>(picture.height - 1) * picture.stride : rows;
    const INT stride = picture.bottomUp ? -picture.stride : picture.stride;
    const PixelFormat format = picture.bitCount == 24 ? PixelFormat24bppRGB : PixelFormat32bppRGB;
    GpBitmap* bitmap = nullptr;
    if (GdipCreateBitmapFromScan0(picture.width, picture.height, stride, format, top, &bitmap) != Ok) return nullptr;
    return bitmap;
}

bool WritePictureFile(const PictureCopy& picture, const std::string& path, const char* mime, std::string& why) {
    CLSID encoder;
    if (GetEncoderClsid(WidePath(mime).c_str(), &encoder) < 0) {
        why = std::string("this system has no encoder for ") + mime + ".";
        return false;
    }
    ImageOwner bitmap(BitmapOverPicture(picture));
    if (!bitmap) {
        why = "there was not enough memory for the picture.";
        return false;
    }
    const bool written = ReplaceFileThroughTemp(WidePath(path), [&](const std::wstring& temp) {
        return GdipSaveImageToFile(bitmap.get(), temp.c_str(), &encoder, nullptr) == Ok;
    });
    if (!written) why = "the file could not be written.";
    return written;
}

HGLOBAL EncodePngInMemory(const PictureCopy& picture) {
    CLSID encoder;
    ImageOwner bitmap(BitmapOverPicture(picture));
    IStream* stream = nullptr;
    if (GetEncoderClsid(L"image/png", &encoder) < 0 || !bitmap ||
        CreateStreamOnHGlobal(nullptr, FALSE, &stream) != S_OK)
        return nullptr;
    HGLOBAL memory = nullptr;
    STATSTG stat{};
    const bool written = GdipSaveImageToStream(bitmap.get(), stream, &encoder, nullptr) == Ok &&
                         stream->Stat(&stat, STATFLAG_NONAME) == S_OK && GetHGlobalFromStream(stream, &memory) == S_OK;
    stream->Release();
    // The stream's memory can be larger than the file: the copy is exact.
    HGLOBAL exact = written ? GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(stat.cbSize.QuadPart)) : nullptr;
    if (exact) {
        std::memcpy(GlobalLock(exact), GlobalLock(memory), static_cast<size_t>(stat.cbSize.QuadPart));
        GlobalUnlock(exact);
        GlobalUnlock(memory);
    }
    if (memory) GlobalFree(memory);
    return exact;
}

// Draws a picture into `target` at (0, 0): natural size when it fits the
// screen, else squeezed along each axis that does not fit.
bool DrawPicture(GpImage* image, HDC target) {
    UINT width = 0, height = 0;
    GdipGetImageWidth(image, &width);
    GdipGetImageHeight(image, &height);
    GraphicsOwner graphics;
    if (GdipCreateFromHDC(target, graphics.out()) != Ok) return false;
    return GdipDrawImageRectI(graphics.get(), image, 0, 0, std::min<INT>(width, ScreenWidth()),
                              std::min<INT>(height, ScreenHeight())) == Ok;
}

// A file that cannot be read draws nothing and gives false.
bool DrawPictureFile(const std::string& path, HDC target) {
    ImageOwner image;
    if (GdipLoadImageFromFile(WidePath(path).c_str(), image.out()) != Ok || !image) return false;
    return DrawPicture(image.get(), target);
}
