// Picture files: finding an encoder, writing hdcBase's picture to a file,
// and reading a picture file into a surface.
#include "render/pictures.h"

#include <algorithm>
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

GpBitmap* BitmapOverBottomUpRows(BYTE* bits, int width, int height) {
    const INT stride = (width * 3 + 3) & ~3;
    GpBitmap* bitmap = nullptr;
    // The top row is the last in memory; a negative stride walks down from it.
    if (GdipCreateBitmapFromScan0(width, height, -stride, PixelFormat24bppRGB,
                                  bits + static_cast<ptrdiff_t>(height - 1) * stride, &bitmap) != Ok)
        return nullptr;
    return bitmap;
}

// Encodes hdcBase's picture into `path`. The encoder writes a file beside
// the target first, which then replaces the target: a failed write leaves an
// earlier file of that name as it was.
bool WriteBasePicture(const std::string& path, const char* mime, std::string& why) {
    CLSID encoder;
    if (GetEncoderClsid(WidePath(mime).c_str(), &encoder) < 0) {
        why = std::string("this system has no encoder for ") + mime + ".";
        return false;
    }
    // Encoded straight from hdcBase's rows.
    ImageOwner bitmap(BitmapOverBottomUpRows(canvas.baseBits, ScreenWidth(), ScreenHeight()));
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
