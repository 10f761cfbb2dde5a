// The overlay's screen-size surfaces, made at start-up and made again at
// another size when the overlay moves to a monitor of another size.
#include "app/app.h"
#include "overlay/overlay.h"
#include "snapshots/last_drawing_win.h"

// A bottom-up DIB section of the given depth; its pixel pointer goes to
// `bits` when asked for.
static HBITMAP MakeDib(HDC reference, int width, int height, WORD bitCount, BYTE** bits) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = height;  // bottom-up
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = bitCount;
    bi.bmiHeader.biCompression = BI_RGB;
    if (bitCount == 24) bi.bmiHeader.biSizeImage = width * height * 3;
    void* pixels = nullptr;
    HBITMAP dib = CreateDIBSection(reference, &bi, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bits) *bits = static_cast<BYTE*>(pixels);
    return dib;
}

// Selects the new picture and deletes the one it replaces (a fresh memory
// DC's own 1 x 1 picture is a stock object, which deleting leaves alone).
static void ReplacePicture(HDC dc, HBITMAP picture) {
    if (HGDIOBJ previous = SelectObject(dc, picture)) DeleteObject(previous);
}

// The frozen picture and the last drawing's picture. A last drawing kept in
// memory at the old size is read back from its files when it is restored,
// placed as a loaded snapshot is.
void SizeCaptureSurface(int width, int height) {
    ReplacePicture(hdcCapture, MakeDib(nullptr, width, height, 32, nullptr));
    ReplacePicture(hdcLastPicture, MakeDib(nullptr, width, height, 32, nullptr));
    LastPictureResized();
}

void SizeScreenSurfaces(int width, int height) {
    ReplacePicture(hdcBack, CreateCompatibleBitmap(hdcOverlay, width, height));
    ReplacePicture(hdcBase, MakeDib(hdcOverlay, width, height, 24, &baseBits));
    ForgetLayer();  // hdcBase is the committed layer: drawn anew before its first use
    if (hdcCapture) SizeCaptureSurface(width, height);  // made later in start-up
}
