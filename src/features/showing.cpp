// Showing, hiding and whitening the overlay, and following the pointer to
// another monitor or scale.
#include "features/showing.h"

#include "canvas/canvas.h"
#include "core/annotation.h"
#include "core/history.h"
#include "core/options.h"
#include "dock/dock.h"
#include "features/last_drawing.h"
#include "overlay/overlay.h"
#include "render/marks.h"
#include "win/program.h"
#include "win/ui.h"

// The window that had the keyboard before the overlay was shown.
static HWND prevForeground;

void ShowOverlay() {
    prevForeground = GetForegroundWindow();
    KeepDrawingAsLast();
    const bool resized = ChoosePointerMonitor();
    if (resized) ForgetLastPictureOfOtherSize();
    CaptureScreen();  // before the overlay moves: a visible overlay elsewhere stays out of the picture
    ForgetLayer();    // drawn over the old picture
    PlaceOverlayOnMonitor(resized);
    CloseTextEditWithoutCommit();
    ClearHistory();
    ClearAnnotations();
    ShowWindow(canvas.hwndOverlay, SW_SHOW);
    // Becoming visible paints the whole overlay; an overlay that was already
    // up must show its new picture too.
    InvalidateRect(canvas.hwndOverlay, nullptr, FALSE);
    ActivateOverlay();
}

// Hiding keeps the drawing; it is written to the data folder once the
// overlay is out of the way, so that a crash while hidden loses nothing.
// The copy of the picture waits for the next message, so that the window
// beneath has the keyboard back first. A show that comes before it puts the
// drawing away itself.
void HideOverlayAndRestoreFocus() {
    ShowWindow(canvas.hwndOverlay, SW_HIDE);
    SetForegroundWindow(prevForeground);
    PostMessageW(canvas.hwndOverlay, WM_QC_PUT_AWAY, 0, 0);
}

void OnPutAway() {
    if (!IsWindowVisible(canvas.hwndOverlay)) SaveDrawingWhileHidden();
}

void ToggleWhiteboard() {
    opts[IDOPTS_WHITEBOARD] = opts[IDOPTS_WHITEBOARD] == 1 ? 0 : 1;
    RepaintOverlayNow();
}

void EraseAll() {
    KeepDrawingAsLast();
    ClearDrawing();
}

// The overlay now lies on a monitor of another scale (or the scale of its
// monitor changed). It keeps covering its monitor; the dock, the fonts, the
// cursors and the mark pictures follow the new DPI.
void ApplyOverlayDpi(int dpi) {
    if (!SetOverlayDpi(dpi)) return;
    RescaleDock();
    MakeTextFont();
    LoadCursors();
    if (!exeDir.empty()) LoadMarkImages();  // not before start-up has found them
    RepaintOverlayNow();
}

void PlaceOverlayOnMonitor(bool resized) {
    SetWindowPos(canvas.hwndOverlay, nullptr, canvas.overlayOrigin.x, canvas.overlayOrigin.y, ScreenWidth(),
                 ScreenHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
    // Windows tells a move to a monitor of another scale with WM_DPICHANGED;
    // asking again covers systems that do not.
    const int dpi = DpiOfWindow(canvas.hwndOverlay);
    if (dpi != canvas.overlayDpi)
        ApplyOverlayDpi(dpi);
    else if (resized)
        PlaceDock();
}
