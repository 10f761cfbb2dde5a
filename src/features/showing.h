// Showing, hiding and whitening the overlay. Every showing starts a new
// drawing over a fresh picture of the monitor under the pointer.
#pragma once

void ShowOverlay();
// Hides the overlay and gives the keyboard back to the window that had it
// before the overlay was shown.
void HideOverlayAndRestoreFocus();
void ToggleWhiteboard();
// Puts the drawing away as the last drawing and empties the overlay; this
// cannot be undone.
void EraseAll();

// Scales the dock and the text bar to `dpi` and remakes what depends on it.
void ApplyOverlayDpi(int dpi);
// The overlay window, its scale and the dock are placed on the monitor
// that ChoosePointerMonitor chose; `resized` when its size differs.
void PlaceOverlayOnMonitor(bool resized);
