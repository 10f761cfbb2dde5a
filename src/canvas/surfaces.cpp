// The overlay's screen-size surfaces, made at start-up and made again at
// another size when the overlay moves to a monitor of another size.
#include "canvas/canvas.h"

HBITMAP MakeDib(HDC reference, int width, int height, WORD bitCount, BYTE** bits) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = height;  // bottom-up
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = bitCount;
    bi.bmiHeader.biCompression = BI_RGB;
    if (bitCount == 24) bi.bmiHeader.biSizeImage = static_cast<DWORD>(((width * 3 + 3) & ~3) * height);
    void* pixels = nullptr;
    HBITMAP dib = CreateDIBSection(reference, &bi, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bits) *bits = static_cast<BYTE*>(pixels);
    return dib;
}

// A fresh memory DC's own 1 x 1 picture is a stock object, which deleting
// leaves alone.
void ReplacePicture(HDC dc, HBITMAP picture) {
    if (HGDIOBJ previous = SelectObject(dc, picture)) DeleteObject(previous);
}

void SizeScreenSurfaces(int width, int height) {
    ReplacePicture(hdcBack, CreateCompatibleBitmap(hdcOverlay, width, height));
    ReplacePicture(hdcBase, MakeDib(hdcOverlay, width, height, 24, &baseBits));
    if (hdcCapture) ReplacePicture(hdcCapture, MakeDib(nullptr, width, height, 32, nullptr));  // made later in start-up
}
