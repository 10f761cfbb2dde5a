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

// The window that had the keyboard before the overlay was shown (or, in
// live ink, before drawing took the keyboard from it).
static HWND prevForeground;

// Live ink's windows step aside for this long before the screen beneath is
// taken: the programs beneath first paint what the ink covered.
constexpr DWORD UNCOVER_MS = 150;

static void RememberForeground() {
    const HWND foreground = GetForegroundWindow();
    if (foreground != canvas.hwndOverlay) prevForeground = foreground;
}

static void MoveChildWindowsInto(HWND parent) {
    for (HWND child : {dock.hwndDock, dock.textBar, dock.liveBar, textEdit}) SetParent(child, parent);
}

// The overlay becomes live ink, or changes whether it lets the pointer
// through: its child windows move into the chrome window over it, which
// covers the same monitor so that they keep their places.
static void EnterLiveMode(bool passThrough) {
    const bool wasLive = canvas.live;
    SetLiveMode(true, passThrough);
    if (!wasLive) {
        MoveChildWindowsInto(canvas.hwndChrome);
        ForgetLayer();
    }
    SetWindowPos(canvas.hwndChrome, HWND_TOPMOST, canvas.overlayOrigin.x, canvas.overlayOrigin.y, ScreenWidth(),
                 ScreenHeight(), SWP_NOACTIVATE);
    ShowLiveBar(passThrough ? LiveBarState::POINTER : LiveBarState::DRAWING);  // shapes the chrome
    if (OverlayShown()) ShowLiveWindows(true);
}

static void LeaveLiveMode() {
    if (!canvas.live) return;
    SetLiveMode(false, false);
    MoveChildWindowsInto(canvas.hwndOverlay);
    ShowLiveWindows(false);
    ShowLiveBar(LiveBarState::NONE);
    ForgetLayer();
}

// Live ink keeps no picture: the last drawing's picture file of a live
// drawing is black.
static void DropPicture() { FillRect(canvas.hdcCapture, &canvas.rectScreen, canvas.brushBlack); }

void CaptureBeneathLiveInk() {
    const bool shown = OverlayShown();
    if (shown) {
        ShowLiveWindows(false);
        GdiFlush();
        Sleep(UNCOVER_MS);
    }
    CaptureScreen();
    if (shown) ShowLiveWindows(true);
}

void ShowOverlay() {
    RememberForeground();
    KeepDrawingAsLast();
    if (canvas.live) {
        if (OverlayShown()) {
            ShowLiveWindows(false);
            Sleep(UNCOVER_MS);
        }
        LeaveLiveMode();
    }
    const bool resized = ChoosePointerMonitor();
    if (resized) ForgetLastPictureOfOtherSize();
    CaptureScreen();  // before the overlay moves: a visible overlay elsewhere stays out of the picture
    ForgetLayer();    // drawn over the old picture
    ForgetZoom();
    PlaceOverlayOnMonitor(resized);
    CloseTextEditWithoutCommit();
    ClearHistory();
    ClearAnnotations();
    ForgetFadingInk();
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
    if (canvas.live && shapeText != -1) CommitTextEdit();  // live ink keeps typed text, as on every change
    if (canvas.live) ShowLiveWindows(false);
    ShowWindow(canvas.hwndOverlay, SW_HIDE);
    ForgetZoom();
    SetForegroundWindow(prevForeground);
    PostMessageW(canvas.hwndOverlay, WM_QC_PUT_AWAY, 0, 0);
}

void OnPutAway() {
    if (!OverlayShown()) SaveDrawingWhileHidden();
}

void OpenLiveInk() {
    RememberForeground();
    KeepDrawingAsLast();
    const bool resized = ChoosePointerMonitor();
    if (resized) ForgetLastPictureOfOtherSize();
    DropPicture();
    PlaceOverlayOnMonitor(resized);
    CloseTextEditWithoutCommit();
    ClearHistory();
    ClearAnnotations();
    ForgetFadingInk();
    EnterLiveMode(false);
    ShowLiveWindows(true);
    RepaintOverlayNow();
    ActivateOverlay();
}

// Text being typed is kept as it stands whenever live ink changes state.
static void KeepTypedText() {
    if (shapeText != -1) CommitTextEdit();
}

static void LetPointerThrough(bool through) {
    KeepTypedText();
    if (!through) RememberForeground();
    EnterLiveMode(through);  // the ink itself stays as it is
    if (through) {
        SetForegroundWindow(prevForeground);
        return;
    }
    ShowWindow(canvas.hwndOverlay, SW_SHOW);  // shown again, it takes the keyboard back
    ActivateOverlay();
}

void LiveInkCommand() {
    if (!OverlayShown())
        OpenLiveInk();
    else if (!canvas.live)
        ChangeLiveKeepingDrawing(true);
    else
        LetPointerThrough(!canvas.passThrough);
}

void ChangeLiveKeepingDrawing(bool live) {
    KeepTypedText();
    if (live) {
        DropPicture();
        EnterLiveMode(false);
    } else {
        LeaveLiveMode();
        ShowWindow(canvas.hwndOverlay, SW_SHOW);
    }
    RepaintOverlayNow();
    ActivateOverlay();
}

void FreezeLiveInk() {
    KeepTypedText();
    CaptureBeneathLiveInk();
    ChangeLiveKeepingDrawing(false);
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
