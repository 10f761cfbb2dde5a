// Picture files: encoders, copies of a surface's pixels and their encoding
// into a file or into memory, and reading a picture into a surface.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "win/gdiplus_flat.h"

// Finds the GDI+ encoder of a MIME type ("image/png"); its index in GDI+'s
// encoder list, or -1 when there is none.
int GetEncoderClsid(const WCHAR* mimeType, CLSID* clsid);

// The pixels of a 24- or 32-bpp DIB section, rows as the section holds
// them: one block copy, which another thread may encode while the surface
// goes on changing. Empty when the surface is no such section.
struct PictureCopy {
    std::vector<uint8_t> rows;
    int width = 0;
    int height = 0;
    int stride = 0;  // bytes from one row to the next, padded to 4
    int bitCount = 0;
    bool bottomUp = true;  // the bottom row first, as GDI keeps DIB sections
};
PictureCopy CopySurfacePicture(HDC dc);
// A copy that is no longer needed lends its rows to the next copy: fresh
// memory costs a page fault for every 4 KB, which at 4K takes far longer
// than the copy itself. A few are kept; the overlay's thread only.
void RecyclePicture(PictureCopy&& picture);
// Puts a copy of the same size and depth back into the DIB section selected
// into `dc`; false (and nothing changed) when they differ.
bool PutSurfacePicture(const PictureCopy& picture, HDC dc);

// A GDI+ bitmap over the copy's rows, sharing them: the copy must outlive
// the bitmap. Null when GDI+ refuses.
GpBitmap* BitmapOverPicture(const PictureCopy& picture);

// Encodes the copy into `path` with the encoder of `mime`, through a file
// beside it that then replaces it. False with the reason in `why`. Needs no
// window and no surface: the writer's thread calls it.
bool WritePictureFile(const PictureCopy& picture, const std::string& path, const char* mime, std::string& why);
// The copy as a PNG file in movable global memory, as the clipboard takes
// it; null when it cannot be made.
HGLOBAL EncodePngInMemory(const PictureCopy& picture);

// Draws a picture into `target` at (0, 0) as a loaded snapshot is placed:
// natural size when it fits the screen, else squeezed along each axis that
// does not fit.
bool DrawPicture(GpImage* image, HDC target);

// Draws a picture file into a screen-size surface as a loaded snapshot is
// placed; false when the file cannot be read as a picture.
bool DrawPictureFile(const std::string& path, HDC target);
