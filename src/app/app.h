// Process-wide state of the application shell: the overlay window, its
// drawing surfaces, brushes, cursors, mark pictures and folder paths. All of
// it is created once at start-up and lives until the process ends.
#pragma once

#include <windows.h>
#include <windowsx.h>
#include <gdiplus.h>

#include <string>

#include "settings/options.h"

extern HINSTANCE hInst;
extern HWND hwndOverlay;
extern HDC hdcOverlay;
// The overlay covers one monitor: rectScreen is that monitor's rectangle
// moved to (0, 0), so right and bottom are its width and height, and
// overlayOrigin is its top-left corner in screen coordinates (negative for a
// monitor left of or above the primary one). Records, hit tests and every
// surface work in overlay coordinates; the pointer and the screen picture
// are in screen coordinates and go through the conversion below.
extern RECT rectScreen;
extern POINT overlayOrigin;
extern int overlayDpi;  // dots per inch of the overlay's monitor; 96 at 100 %
extern HDC hdcCapture;  // frozen screen picture, 32 bpp
extern HDC hdcBack;     // composition buffer
extern HDC hdcBase;     // 24 bpp gesture base and snapshot source
extern BYTE* baseBits;  // pixel rows of hdcBase, bottom row first
extern HDC hdcHighlightStrip;
extern HBRUSH brushBlack;
extern HBRUSH brushWhiteboard;
extern HWND hwndOptions;
extern HWND hwndShortcuts;
extern int optionsDlgWidth;
extern Gdiplus::GpImage* stampImages[MARK_COUNT];  // null entries draw nothing
extern HCURSOR cursorEraser, cursorMark, cursorHighlight[5], cursorArrow;
extern std::string exeDir, dataDir, snapshotDir, settingsPath, historyPath;
extern std::string fontResPath1, fontResPath2, fontResPath3;
extern HWND prevForeground;
extern BYTE exitRequested;

constexpr UINT TRAY_CALLBACK_MESSAGE = 987;
constexpr UINT TRAY_ICON_ID = 100;
constexpr int HOTKEY_ID = 100;
constexpr UINT_PTR OVERLAY_TIMER_ID = 1111;
constexpr UINT OVERLAY_TIMER_MS = 300;

inline int ScreenWidth() { return rectScreen.right; }
inline int ScreenHeight() { return rectScreen.bottom; }

// Where the pointer was when a mouse message of the overlay was made, in
// overlay coordinates (the overlay's client area is the drawing). Not where
// it is now: a press handled late on a busy machine must still start the
// gesture where the button went down.
inline POINT OverlayPointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

// Takes the rectangle of the monitor under the pointer (the primary monitor
// when none is) into rectScreen and overlayOrigin; true when its size
// differs from the previous one.
bool ReadScreenRectAtPointer();
// The DPI the system gives a window, read the best way the system offers.
int DpiOfWindow(HWND window);
// Gives every screen-sized surface a new picture of that size; the earlier
// pictures are deleted. Start-up and a move to a monitor of another size
// both come through here.
void SizeScreenSurfaces(int width, int height);
void SizeCaptureSurface(int width, int height);
// Scales the dock and the text bar to `dpi` and remakes what depends on it.
void ApplyOverlayDpi(int dpi);
// Showing follows the pointer in two steps, so that the picture is taken
// before the overlay moves: first the monitor under the pointer becomes the
// overlay's (surfaces remade only when its size differs; true then), then
// the overlay window, its scale and the dock are placed on it.
bool ChoosePointerMonitor();
void PlaceOverlayOnMonitor(bool resized);

// Screen capture and showing/hiding the overlay.
void CaptureScreen();
void ShowOverlay();
void HideOverlayAndRestoreFocus();
void HideOverlay();
void ToggleWhiteboard();
// Makes the shown overlay the active window with the keyboard focus, so
// that keys and the first press act at once.
void ActivateOverlay();

// Opens a popup menu at (x, y) owned by `owner` and returns the chosen
// command id, 0 when the menu was dismissed. Every popup menu of the program
// opens through here: afterwards the real pointer reaches the windows again.
UINT OpenPopupMenu(HMENU menu, int x, int y, HWND owner);
