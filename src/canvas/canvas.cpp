// The overlay's window and surfaces, and the monitor they cover.
#include "canvas/canvas.h"

#include <utility>

#include "win/message.h"
#include "win/program.h"
#include "win/ui.h"

// Written here and in the canvas's other files only; everyone else reads it.
static OverlayCanvas state;
const OverlayCanvas& canvas = state;

void CreateCanvasBrushes() {
    state.brushBlack = CreateSolidBrush(RGB(0, 0, 0));
    state.brushWhiteboard = CreateSolidBrush(RGB(255, 255, 255));
}

void CreateOverlayWindow(const char* windowClass, const char* title) {
    state.hwndOverlay =
        CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, windowClass, title, WS_CLIPCHILDREN, state.overlayOrigin.x,
                        state.overlayOrigin.y, ScreenWidth(), ScreenHeight(), nullptr, nullptr, hInst, nullptr);
    messageOwner = state.hwndOverlay;
    state.overlayDpi = DpiOfWindow(state.hwndOverlay);
}

void MakeOverlayFrameless() {
    const LONG_PTR style = GetWindowLongPtrA(state.hwndOverlay, GWL_STYLE);
    SetWindowLongPtrA(state.hwndOverlay, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_CAPTION));
    SetWindowPos(state.hwndOverlay, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED);
}

void CreateScreenSurfaces() {
    state.hdcOverlay = GetDC(state.hwndOverlay);
    state.hdcBack = CreateCompatibleDC(state.hdcOverlay);
    state.hdcBase = CreateCompatibleDC(state.hdcOverlay);
    SizeScreenSurfaces(ScreenWidth(), ScreenHeight());
}

void CreateCaptureSurface() {
    state.hdcCapture = CreateCompatibleDC(nullptr);
    ReplacePicture(state.hdcCapture, MakeDib(nullptr, ScreenWidth(), ScreenHeight(), 32, nullptr));
}

bool SetOverlayDpi(int dpi) {
    if (dpi <= 0 || dpi == state.overlayDpi) return false;
    state.overlayDpi = dpi;
    return true;
}

// The screen's device context spans every monitor in screen coordinates; the
// picture is the overlay's monitor only.
void CaptureScreen() {
    HDC screen = GetDC(nullptr);
    BitBlt(state.hdcCapture, 0, 0, ScreenWidth(), ScreenHeight(), screen, state.overlayOrigin.x, state.overlayOrigin.y,
           SRCCOPY);
    ReleaseDC(nullptr, screen);
}

// Under some window managers a newly shown top-most window is not given the
// keyboard by itself; the first click would then only activate it.
void ActivateOverlay() {
    SetForegroundWindow(state.hwndOverlay);
    SetActiveWindow(state.hwndOverlay);
    SetFocus(state.hwndOverlay);
}

// The monitor APIs, not the display modes: a display mode says nothing of
// where a second monitor lies, and some systems report none for it.
bool ReadScreenRectAtPointer() {
    POINT pointer;
    GetCursorPos(&pointer);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY), &info))
        GetWindowRect(GetDesktopWindow(), &info.rcMonitor);
    const RECT& m = info.rcMonitor;
    const bool resized = m.right - m.left != ScreenWidth() || m.bottom - m.top != ScreenHeight();
    state.overlayOrigin = {m.left, m.top};
    state.rectScreen = {0, 0, m.right - m.left, m.bottom - m.top};
    return resized;
}

bool ChoosePointerMonitor() {
    const bool resized = ReadScreenRectAtPointer();
    if (resized) SizeScreenSurfaces(ScreenWidth(), ScreenHeight());
    return resized;
}

HBITMAP MakeDib(HDC reference, int width, int height, WORD bitCount, BYTE** bits) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = height;  // bottom-up
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = bitCount;
    bi.bmiHeader.biCompression = BI_RGB;
    if (bitCount == 24) bi.bmiHeader.biSizeImage = static_cast<DWORD>(((width * 3 + 3) & ~3) * height);
    void* pixels = nullptr;
    HBITMAP dib = CreateDIBSection(reference, &bi, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bits) *bits = static_cast<BYTE*>(pixels);
    return dib;
}

// A fresh memory DC's own 1 x 1 picture is a stock object, which deleting
// leaves alone.
void ReplacePicture(HDC dc, HBITMAP picture) {
    if (HGDIOBJ previous = SelectObject(dc, picture)) DeleteObject(previous);
}

// The surfaces of live ink's second pass and its shown pixels, made at the
// first use of live ink and again when the size changes. Pass 0 must be the
// one in place.
static void SizeLiveSurfaces(int width, int height) {
    if (!state.hdcInk) {
        state.hdcInk = CreateCompatibleDC(state.hdcOverlay);
        state.hdcInkWhite = CreateCompatibleDC(state.hdcOverlay);
        state.hdcBackOther = CreateCompatibleDC(state.hdcOverlay);
        state.hdcBaseOther = CreateCompatibleDC(state.hdcOverlay);
    }
    BYTE* ink = nullptr;
    ReplacePicture(state.hdcInk, MakeDib(state.hdcOverlay, width, height, 32, &ink));
    state.inkBits = reinterpret_cast<uint32_t*>(ink);
    ReplacePicture(state.hdcInkWhite, MakeDib(state.hdcOverlay, width, height, 32, &ink));
    state.inkWhiteBits = reinterpret_cast<uint32_t*>(ink);
    ReplacePicture(state.hdcBackOther, CreateCompatibleBitmap(state.hdcOverlay, width, height));
    ReplacePicture(state.hdcBaseOther, MakeDib(state.hdcOverlay, width, height, 24, &state.baseBitsOther));
}

void SizeScreenSurfaces(int width, int height) {
    const int pass = state.inkPass;
    if (pass == 1) SwapInkPass();
    state.view = WholePicture(width, height);
    ReplacePicture(state.hdcBack, CreateCompatibleBitmap(state.hdcOverlay, width, height));
    ReplacePicture(state.hdcBase, MakeDib(state.hdcOverlay, width, height, 24, &state.baseBits));
    if (state.hdcInk) SizeLiveSurfaces(width, height);
    if (state.hdcCapture)
        ReplacePicture(state.hdcCapture, MakeDib(nullptr, width, height, 32, nullptr));  // made later in start-up
    if (pass == 1) SwapInkPass();
}

void SwapInkPass() {
    std::swap(state.hdcBack, state.hdcBackOther);
    std::swap(state.hdcBase, state.hdcBaseOther);
    std::swap(state.baseBits, state.baseBitsOther);
    state.inkPass = 1 - state.inkPass;
}

void SetPictureView(const PictureView& view) { state.view = view; }

// In live ink the overlay itself shows nothing: while drawing it is all but
// clear (the least opacity that still takes the pointer), while the pointer
// goes through it is clear and lets every click pass.
void SetLiveMode(bool live, bool passThrough) {
    if (live && !state.hdcInk) SizeLiveSurfaces(ScreenWidth(), ScreenHeight());
    if (live) state.view = WholePicture(ScreenWidth(), ScreenHeight());
    state.live = live;
    state.passThrough = live && passThrough;
    const LONG_PTR through = WS_EX_TRANSPARENT | WS_EX_NOACTIVATE;
    LONG_PTR style = GetWindowLongPtrA(state.hwndOverlay, GWL_EXSTYLE) & ~(through | WS_EX_LAYERED);
    if (live) style |= WS_EX_LAYERED;
    if (state.passThrough) style |= through;
    SetWindowLongPtrA(state.hwndOverlay, GWL_EXSTYLE, style);
    if (live) SetLayeredWindowAttributes(state.hwndOverlay, 0, state.passThrough ? 0 : 1, LWA_ALPHA);
}

RECT InkTileRect(int tile) {
    const int column = tile % INK_TILE_SIDE, row = tile / INK_TILE_SIDE, w = ScreenWidth(), h = ScreenHeight();
    return {w * column / INK_TILE_SIDE, h * row / INK_TILE_SIDE, w * (column + 1) / INK_TILE_SIDE,
            h * (row + 1) / INK_TILE_SIDE};
}

bool OverlayShown() { return IsWindowVisible(state.hwndOverlay) || (state.live && IsWindowVisible(state.hwndChrome)); }

void ShowLiveWindows(bool show) {
    ShowWindow(state.hwndOverlay, show && !state.passThrough ? SW_SHOWNA : SW_HIDE);
    for (int i = 0; i < INK_TILES; ++i) {
        const RECT r = InkTileRect(i);
        SetWindowPos(state.inkTiles[i], HWND_TOPMOST, state.overlayOrigin.x + r.left, state.overlayOrigin.y + r.top,
                     r.right - r.left, r.bottom - r.top, SWP_NOACTIVATE | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    }
    if (show)
        SetWindowPos(state.hwndChrome, HWND_TOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    else
        ShowWindow(state.hwndChrome, SW_HIDE);
}

void CreateChromeWindow(const char* windowClass) {
    for (HWND& tile : state.inkTiles)
        tile = CreateWindowExA(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                               windowClass, "", WS_POPUP, 0, 0, 1, 1, state.hwndOverlay, nullptr, hInst, nullptr);
    state.hwndChrome =
        CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, windowClass, "",
                        WS_POPUP | WS_CLIPCHILDREN, 0, 0, 1, 1, state.hwndOverlay, nullptr, hInst, nullptr);
}
