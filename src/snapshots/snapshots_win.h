// The picture side of snapshots: encoders, the pixel copy into a GDI+
// bitmap and wide paths. Shared by the save and load code and their tests.
#pragma once

#include <string>

#include "render/gdiplus_flat.h"

// Finds the GDI+ encoder of a MIME type ("image/png"); its index in GDI+'s
// encoder list, or -1 when there is none.
int GetEncoderClsid(const WCHAR* mimeType, CLSID* clsid);

// A GDI+ bitmap over a bottom-up 24-bit picture (rows padded to 4 bytes,
// bottom row first: the layout of hdcBase), sharing its pixels: nothing is
// copied, and the rows must outlive the bitmap. Null when GDI+ refuses.
GpBitmap* BitmapOverBottomUpRows(BYTE* bits, int width, int height);

// A path in UTF-16 (system ANSI code page) of any length. Full paths of
// MAX_PATH characters or more get the "\\?\" prefix so that file functions
// take them.
std::wstring WidePath(const std::string& path);

// Encodes hdcBase's picture into `path` with the encoder of `mime`, through
// a file beside it that then replaces it. False with the reason in `why`.
bool WriteBasePicture(const std::string& path, const char* mime, std::string& why);

// Draws a picture file into a screen-size surface as a loaded snapshot is
// placed; false when the file cannot be read as a picture.
bool DrawPictureFile(const std::string& path, HDC target);
