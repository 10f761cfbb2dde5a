// Showing, hiding and whitening the overlay. Every showing starts a new
// drawing over a fresh picture of the monitor under the pointer.
#pragma once

#include <windows.h>

// Posted by hiding to the overlay itself: the drawing is put away when the
// message comes, once the hide has been answered.
constexpr UINT WM_QC_PUT_AWAY = WM_APP + 41;

void ShowOverlay();
// Hides the overlay and gives the keyboard back to the window that had it
// before the overlay was shown; the drawing is written to the data folder
// at the WM_QC_PUT_AWAY that follows.
void HideOverlayAndRestoreFocus();
// The overlay is still hidden: its drawing is written to the data folder.
void OnPutAway();
void ToggleWhiteboard();

// Live ink: drawing over the running screen. Its command opens it (with a
// new drawing, on the monitor under the pointer), turns the frozen overlay
// into live ink with the same drawing (its picture dropped), or switches
// live ink between drawing and letting the pointer through.
void LiveInkCommand();
void OpenLiveInk();
// Live ink becomes the frozen overlay over a picture of what lies beneath
// it, with the same drawing and history.
void FreezeLiveInk();
// The overlay changes between frozen and live with the drawing it holds;
// the frozen overlay keeps the picture on the capture surface.
void ChangeLiveKeepingDrawing(bool live);
// The screen beneath live ink into the capture surface: its windows step
// aside for a moment.
void CaptureBeneathLiveInk();
// Puts the drawing away as the last drawing and empties the overlay; this
// cannot be undone.
void EraseAll();

// Scales the dock and the text bar to `dpi` and remakes what depends on it.
void ApplyOverlayDpi(int dpi);
// The overlay window, its scale and the dock are placed on the monitor
// that ChoosePointerMonitor chose; `resized` when its size differs.
void PlaceOverlayOnMonitor(bool resized);
