// Process-wide state of the application shell: the overlay window, its
// drawing surfaces, brushes, cursors, mark pictures and folder paths. All of
// it is created once at start-up and lives until the process ends.
#pragma once

#include <windows.h>
#include <gdiplus.h>

#include <string>

#include "settings/options.h"



extern HINSTANCE hInst;
extern HWND hwndOverlay;
extern HDC hdcOverlay;
extern RECT rectScreen;  // right = screen width, bottom = screen height
extern HDC hdcCapture;   // frozen screen picture, 32 bpp
extern HDC hdcBack;      // composition buffer
extern HDC hdcBase;      // 24 bpp gesture base and snapshot source
extern BYTE* baseBits;   // pixel rows of hdcBase, bottom row first
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
