// The frozen picture of the screen, and showing, hiding and whitening the
// overlay. Every showing starts a new drawing over a fresh picture.
#include "app/app.h"
#include "model/annotation.h"
#include "model/history.h"
#include "overlay/overlay.h"

// The screen's device context spans every monitor in screen coordinates; the
// picture is the overlay's monitor only.
void CaptureScreen() {
    HDC screen = GetDC(nullptr);
    BitBlt(hdcCapture, 0, 0, ScreenWidth(), ScreenHeight(), screen, overlayOrigin.x, overlayOrigin.y, SRCCOPY);
    ReleaseDC(nullptr, screen);
}

void ShowOverlay() {
    prevForeground = GetForegroundWindow();
    const bool resized = ChoosePointerMonitor();
    CaptureScreen();  // before the overlay moves: a visible overlay elsewhere stays out of the picture
    PlaceOverlayOnMonitor(resized);
    CloseTextEditWithoutCommit();
    ClearHistory();
    ClearAnnotations();
    ShowWindow(hwndOverlay, SW_SHOW);
}

void HideOverlayAndRestoreFocus() {
    ShowWindow(hwndOverlay, SW_HIDE);
    SetForegroundWindow(prevForeground);
}

void HideOverlay() { ShowWindow(hwndOverlay, SW_HIDE); }

void ToggleWhiteboard() {
    opts[IDOPTS_WHITEBOARD] = opts[IDOPTS_WHITEBOARD] == 1 ? 0 : 1;
    RepaintOverlayNow();
}
