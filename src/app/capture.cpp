// The frozen picture of the screen, and showing, hiding and whitening the
// overlay. Every showing starts a new drawing over a fresh picture.
#include "app/app.h"
#include "model/annotation.h"
#include "model/history.h"
#include "overlay/overlay.h"

void CaptureScreen() {
    HDC screen = GetDC(nullptr);
    BitBlt(hdcCapture, 0, 0, ScreenWidth(), ScreenHeight(), screen, 0, 0, SRCCOPY);
    ReleaseDC(nullptr, screen);
}

void ShowOverlay() {
    prevForeground = GetForegroundWindow();
    CaptureScreen();
    CloseTextEditWithoutCommit();
    ClearHistory();
    ClearAnnotations();
    ShowWindow(hwndOverlay, SW_SHOW);
    ActivateOverlay();
}

// Under some window managers a newly shown top-most window is not given the
// keyboard by itself; the first click would then only activate it.
void ActivateOverlay() {
    SetForegroundWindow(hwndOverlay);
    SetActiveWindow(hwndOverlay);
    SetFocus(hwndOverlay);
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
