// Picture files: encoders, the pixel copy into a GDI+ bitmap, writing
// hdcBase's picture and reading a picture into a surface.
#pragma once

#include <string>

#include "win/gdiplus_flat.h"

// Finds the GDI+ encoder of a MIME type ("image/png"); its index in GDI+'s
// encoder list, or -1 when there is none.
int GetEncoderClsid(const WCHAR* mimeType, CLSID* clsid);

// A GDI+ bitmap over a bottom-up 24-bit picture (rows padded to 4 bytes,
// bottom row first: the layout of hdcBase), sharing its pixels: nothing is
// copied, and the rows must outlive the bitmap. Null when GDI+ refuses.
GpBitmap* BitmapOverBottomUpRows(BYTE* bits, int width, int height);

// Encodes hdcBase's picture into `path` with the encoder of `mime`, through
// a file beside it that then replaces it. False with the reason in `why`.
bool WriteBasePicture(const std::string& path, const char* mime, std::string& why);

// Draws a picture into `target` at (0, 0) as a loaded snapshot is placed:
// natural size when it fits the screen, else squeezed along each axis that
// does not fit.
bool DrawPicture(GpImage* image, HDC target);

// Draws a picture file into a screen-size surface as a loaded snapshot is
// placed; false when the file cannot be read as a picture.
bool DrawPictureFile(const std::string& path, HDC target);
