// The overlay's window and surfaces, and the monitor they cover.
#include "canvas/canvas.h"

HWND hwndOverlay;
HDC hdcOverlay;
RECT rectScreen;
POINT overlayOrigin;
int overlayDpi = 96;
HDC hdcCapture;
HDC hdcBack;
HDC hdcBase;
BYTE* baseBits;
HBRUSH brushBlack;
HBRUSH brushWhiteboard;

// The screen's device context spans every monitor in screen coordinates; the
// picture is the overlay's monitor only.
void CaptureScreen() {
    HDC screen = GetDC(nullptr);
    BitBlt(hdcCapture, 0, 0, ScreenWidth(), ScreenHeight(), screen, overlayOrigin.x, overlayOrigin.y, SRCCOPY);
    ReleaseDC(nullptr, screen);
}

// Under some window managers a newly shown top-most window is not given the
// keyboard by itself; the first click would then only activate it.
void ActivateOverlay() {
    SetForegroundWindow(hwndOverlay);
    SetActiveWindow(hwndOverlay);
    SetFocus(hwndOverlay);
}
