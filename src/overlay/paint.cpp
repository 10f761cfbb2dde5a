// Composing the overlay's picture and the live previews of a gesture.
#include "app/app.h"
#include "overlay/overlay.h"
#include "render/render.h"

LRESULT OnPaint(HWND hwnd) {
    if (buttonDown) return 1;
    if (!GetUpdateRect(hwnd, nullptr, FALSE)) return 0;
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    FillBackground(hdcBack);
    RenderAnnotations(hdcBack, -1, -1);
    Present();
    EndPaint(hwnd, &ps);
    return 0;
}

void FillBackground(HDC target) {
    if (opts[IDOPTS_WHITEBOARD] == 0)
        BitBlt(target, 0, 0, ScreenWidth(), ScreenHeight(), hdcCapture, 0, 0, SRCCOPY);
    else
        FillRect(target, &rectScreen, brushWhiteboard);
}

void Present() { BitBlt(hdcOverlay, 0, 0, ScreenWidth(), ScreenHeight(), hdcBack, 0, 0, SRCCOPY); }

void CopyBaseToBack() { BitBlt(hdcBack, 0, 0, ScreenWidth(), ScreenHeight(), hdcBase, 0, 0, SRCCOPY); }

void RepaintOverlayNow() {
    InvalidateRect(hwndOverlay, nullptr, FALSE);
    UpdateWindow(hwndOverlay);
}

void DrawPenSegment(POINT, POINT) {}
void DrawToolPreview(int, POINT, POINT) {}
