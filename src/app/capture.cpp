// The frozen picture of the screen, and showing, hiding and whitening the
// overlay. Every showing starts a new drawing over a fresh picture.
#include "app/app.h"
#include "model/annotation.h"
#include "model/history.h"
#include "overlay/overlay.h"
#include "snapshots/last_drawing_win.h"

// The screen's device context spans every monitor in screen coordinates; the
// picture is the overlay's monitor only.
void CaptureScreen() {
    HDC screen = GetDC(nullptr);
    BitBlt(hdcCapture, 0, 0, ScreenWidth(), ScreenHeight(), screen, overlayOrigin.x, overlayOrigin.y, SRCCOPY);
    ReleaseDC(nullptr, screen);
    ForgetLayer();  // drawn over the old picture
}

void ShowOverlay() {
    prevForeground = GetForegroundWindow();
    KeepDrawingAsLast();
    const bool resized = ChoosePointerMonitor();
    CaptureScreen();  // before the overlay moves: a visible overlay elsewhere stays out of the picture
    PlaceOverlayOnMonitor(resized);
    CloseTextEditWithoutCommit();
    ClearHistory();
    ClearAnnotations();
    ShowWindow(hwndOverlay, SW_SHOW);
    // Becoming visible paints the whole overlay; an overlay that was already
    // up must show its new picture too.
    InvalidateRect(hwndOverlay, nullptr, FALSE);
    ActivateOverlay();
}

// Under some window managers a newly shown top-most window is not given the
// keyboard by itself; the first click would then only activate it.
void ActivateOverlay() {
    SetForegroundWindow(hwndOverlay);
    SetActiveWindow(hwndOverlay);
    SetFocus(hwndOverlay);
}

// Hiding keeps the drawing; it is written to the data folder once the
// overlay is out of the way, so that a crash while hidden loses nothing.
void HideOverlayAndRestoreFocus() {
    ShowWindow(hwndOverlay, SW_HIDE);
    SetForegroundWindow(prevForeground);
    SaveDrawingWhileHidden();
}

void HideOverlay() {
    ShowWindow(hwndOverlay, SW_HIDE);
    SaveDrawingWhileHidden();
}

void ToggleWhiteboard() {
    opts[IDOPTS_WHITEBOARD] = opts[IDOPTS_WHITEBOARD] == 1 ? 0 : 1;
    RepaintOverlayNow();
}
