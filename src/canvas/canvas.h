// The overlay's window and its drawing surfaces: one full-screen window over
// one monitor, and the screen-sized pictures behind it. All of it is made
// once at start-up (and the surfaces again when the monitor's size changes).
#pragma once

#include <windows.h>
#include <windowsx.h>

#include <cstdint>

#include "core/view.h"

// The overlay covers one monitor: rectScreen is that monitor's rectangle
// moved to (0, 0), so right and bottom are its width and height, and
// overlayOrigin is its top-left corner in screen coordinates (negative for a
// monitor left of or above the primary one). Records, hit tests and every
// surface work in overlay coordinates; the pointer and the screen picture
// are in screen coordinates and go through the conversion below. Only the
// canvas's own functions change it.
struct OverlayCanvas {
    HWND hwndOverlay;
    HDC hdcOverlay;
    RECT rectScreen;
    POINT overlayOrigin;
    int overlayDpi = 96;  // dots per inch of the overlay's monitor; 96 at 100 %
    HDC hdcCapture;       // frozen screen picture, 32 bpp
    HDC hdcBack;          // composition buffer
    HDC hdcBase;          // 24 bpp gesture base and snapshot source
    BYTE* baseBits;       // pixel rows of hdcBase, bottom row first
    HBRUSH brushBlack;
    HBRUSH brushWhiteboard;
    // Live ink: the overlay is a layered window over the running screen.
    // Everything is drawn twice, over black (pass 0) and over white (pass 1,
    // its surfaces swapped into hdcBack and hdcBase), and the two tell each
    // pixel's colour and opacity; hdcInk holds the result as premultiplied
    // 32-bpp pixels, which the window shows.
    bool live;
    bool passThrough;  // live ink lets every click and key through to the windows beneath
    int inkPass;
    HDC hdcBackOther, hdcBaseOther;  // the surfaces of the pass not drawn now
    BYTE* baseBitsOther;
    HDC hdcInk;
    uint32_t* inkBits;       // rows of hdcInk, bottom row first
    HDC hdcInkWhite;         // where hdcBack of the white pass is read back where it changed
    uint32_t* inkWhiteBits;  // its rows, bottom row first
    // Live ink is shown by tiles: layered windows over the overlay that let
    // every click through, each updated alone, so that showing what changed
    // costs the size of a tile at most, whatever the size of the screen.
    HWND inkTiles[16];
    // The window that holds the dock, the text bar and the text edit while
    // the overlay is live ink (a layered window shows no child windows); its
    // region is theirs, so that everywhere else the pointer reaches the ink.
    HWND hwndChrome;
    // The part of the frozen picture the window shows and its magnification;
    // the surfaces above hold the picture at 1x whatever the view. Live ink
    // is always shown whole.
    PictureView view;
};
extern const OverlayCanvas& canvas;

inline int ScreenWidth() { return canvas.rectScreen.right; }
inline int ScreenHeight() { return canvas.rectScreen.bottom; }

// Where the pointer was when a mouse message of the overlay was made, in
// overlay coordinates (the overlay's client area is the drawing). Not where
// it is now: a press handled late on a busy machine must still start the
// gesture where the button went down.
// While the picture is magnified, the picture point under the pointer.
inline POINT OverlayPointOf(LPARAM lParam) {
    const Point32 at = PictureAt(canvas.view, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    return {at.x, at.y};
}
// The pointer of a mouse message in window pixels, whatever the view.
inline POINT WindowPointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

// Start-up, in this order: the two brushes; the overlay window of the
// registered class (at the monitor under the pointer, hidden; message boxes
// belong to it), which then loses its frame; its surfaces; the capture
// surface.
void CreateCanvasBrushes();
void CreateOverlayWindow(const char* windowClass, const char* title);
void MakeOverlayFrameless();
void CreateScreenSurfaces();
void CreateCaptureSurface();

// The overlay's monitor has another scale; false when `dpi` is no change.
bool SetOverlayDpi(int dpi);

// Takes the rectangle of the monitor under the pointer (the primary monitor
// when none is) into rectScreen and overlayOrigin; true when its size
// differs from the previous one.
bool ReadScreenRectAtPointer();
// The monitor under the pointer becomes the overlay's; its surfaces are made
// anew when its size differs (true then). Showing calls this before it
// takes the picture, so that the picture is taken before the overlay moves.
bool ChoosePointerMonitor();

// Gives every screen-sized surface a new picture of that size; the earlier
// pictures are deleted. Start-up and a move to a monitor of another size
// both come through here. Whoever keeps a drawing on hdcBase draws it anew.
void SizeScreenSurfaces(int width, int height);

// A bottom-up DIB section of the given depth; its pixel pointer goes to
// `bits` when asked for.
HBITMAP MakeDib(HDC reference, int width, int height, WORD bitCount, BYTE** bits);
// Selects the new picture and deletes the one it replaces.
void ReplacePicture(HDC dc, HBITMAP picture);

// Live ink on or off, and whether it lets the pointer through: the window's
// styles change and the surfaces of the second pass are made when needed.
void SetLiveMode(bool live, bool passThrough);
// Live ink's tiles: 4 x 4 over the overlay's monitor.
constexpr int INK_TILE_SIDE = 4;
constexpr int INK_TILES = INK_TILE_SIDE * INK_TILE_SIDE;
RECT InkTileRect(int tile);  // in overlay coordinates
// Live ink's windows: its tiles, the chrome and the overlay under them,
// which is hidden while the pointer goes through (so nothing of it takes a
// click), or all of them hidden.
void ShowLiveWindows(bool show);
// Whether the overlay is up, frozen or as live ink in either state.
bool OverlayShown();
// The window shows another part of the picture, or at another size. Live
// ink and a change of the monitor's size show the whole picture again.
void SetPictureView(const PictureView& view);
// Swaps the surfaces of the two passes of live ink.
void SwapInkPass();
// The windows that show live ink and hold its child windows; once, at
// start-up.
void CreateChromeWindow(const char* windowClass);

// The frozen picture of the overlay's monitor, taken into hdcCapture.
void CaptureScreen();

// Makes the shown overlay the active window with the keyboard focus, so
// that keys and the first press act at once.
void ActivateOverlay();
