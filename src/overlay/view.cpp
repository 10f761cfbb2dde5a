// The frozen picture magnified: zoom steps anchored at the pointer, panning
// with the right or the middle button, and the frames of a magnified view.
//
// Every surface keeps the picture at 1x, so gestures, the layer and the
// snapshots know nothing of the view. Only showing differs: the changed part
// of hdcBack is scaled into the window, each picture pixel to the window
// pixels that show it (nearest neighbour, so integer steps are exact
// squares). A pen move still shows only what changed, and a new view costs
// one pass over the window, not a drawing of the list.
#include <algorithm>
#include <cstring>
#include <vector>

#include "canvas/canvas.h"
#include "overlay/overlay.h"

namespace {

// The changed part of hdcBack, copied out at its own place (hdcPiece), and
// the window's pixels scaled from it (hdcView): 32 bpp, rows bottom first.
// Made at the first magnified frame and again when the screen's size changes.
HDC hdcPiece, hdcView;
uint32_t *pieceBits, *viewBits;
int surfaceWidth, surfaceHeight;
std::vector<int32_t> pictureColumn;  // the picture column each window column shows

// Panning: the window point the drag was last at.
bool panning;
POINT panFrom;

void MakeViewSurfaces() {
    const int w = ScreenWidth(), h = ScreenHeight();
    if (w == surfaceWidth && h == surfaceHeight && hdcPiece) return;
    for (auto [dc, bits] : {std::pair{&hdcPiece, &pieceBits}, std::pair{&hdcView, &viewBits}}) {
        if (!*dc) *dc = CreateCompatibleDC(canvas.hdcOverlay);
        BYTE* pixels = nullptr;
        ReplacePicture(*dc, MakeDib(canvas.hdcOverlay, w, h, 32, &pixels));
        *bits = reinterpret_cast<uint32_t*>(pixels);
    }
    surfaceWidth = w;
    surfaceHeight = h;
    pictureColumn.assign(static_cast<size_t>(w), 0);
}

uint32_t* Row(uint32_t* bits, int y) { return bits + static_cast<size_t>(surfaceHeight - 1 - y) * surfaceWidth; }

// Window rows that show the same picture row are copies of the first.
void ScaleIntoView(const Box32& shown) {
    const PictureView& v = canvas.view;
    for (int x = shown.left; x <= shown.right; ++x) pictureColumn[x] = PictureAt(v, {x, 0}).x;
    const size_t count = static_cast<size_t>(shown.right - shown.left + 1);
    int32_t lastRow = -1;
    const uint32_t* last = nullptr;
    for (int y = shown.top; y <= shown.bottom; ++y) {
        uint32_t* out = Row(viewBits, y) + shown.left;
        const int32_t row = PictureAt(v, {0, y}).y;
        if (row == lastRow) {
            std::memcpy(out, last, count * sizeof *out);
            continue;
        }
        const uint32_t* in = Row(pieceBits, row);
        const int32_t* column = pictureColumn.data() + shown.left;
        for (size_t i = 0; i < count; ++i) out[i] = in[column[i]];
        lastRow = row;
        last = out;
    }
}

bool SameView(const PictureView& a, const PictureView& b) {
    return a.step == b.step && a.offsetX == b.offsetX && a.offsetY == b.offsetY;
}

// What the layer has gained since it was last shown goes onto hdcBack
// first; then the window shows the picture through the new view.
void ShowView(const PictureView& next) {
    if (SameView(next, canvas.view)) return;
    SetPictureView(next);
    ShowChanges();
    PresentArea(VisiblePicture(next));
}

bool CanZoom() { return !canvas.live && !buttonDown && IsWindowVisible(canvas.hwndOverlay); }

// The text being typed is committed: its edit would stand at the old place.
void ZoomAt(int step, POINT window) {
    if (!CanZoom()) return;
    if (shapeText != -1) CommitTextEdit();
    ShowView(ZoomedAt(canvas.view, step, {window.x, window.y}));
}

// The pointer in window pixels; the window's centre when it is elsewhere.
POINT PointerInWindow() {
    POINT at;
    GetCursorPos(&at);
    at.x -= canvas.overlayOrigin.x;
    at.y -= canvas.overlayOrigin.y;
    if (at.x < 0 || at.y < 0 || at.x >= ScreenWidth() || at.y >= ScreenHeight())
        at = {ScreenWidth() / 2, ScreenHeight() / 2};
    return at;
}

}  // namespace

void PresentMagnified(Box32 area) {
    const Box32 shown = WindowBoxOf(canvas.view, area);
    if (BoxIsEmpty(shown)) return;
    MakeViewSurfaces();
    const Point32 first = PictureAt(canvas.view, {shown.left, shown.top});
    const Point32 last = PictureAt(canvas.view, {shown.right, shown.bottom});
    BitBlt(hdcPiece, first.x, first.y, last.x - first.x + 1, last.y - first.y + 1, canvas.hdcBack, first.x, first.y,
           SRCCOPY);
    GdiFlush();
    ScaleIntoView(shown);
    BitBlt(canvas.hdcOverlay, shown.left, shown.top, shown.right - shown.left + 1, shown.bottom - shown.top + 1,
           hdcView, shown.left, shown.top, SRCCOPY);
}

void ZoomIn() { ZoomAt(canvas.view.step + 1, PointerInWindow()); }

void ZoomOut() { ZoomAt(canvas.view.step - 1, PointerInWindow()); }

void ZoomToWholePicture() { ZoomAt(0, PointerInWindow()); }

void ForgetZoom() {
    panning = false;
    SetPictureView(WholePicture(ScreenWidth(), ScreenHeight()));
}

// The wheel's position comes in screen coordinates.
void OnZoomWheel(WPARAM wParam, LPARAM lParam) {
    const POINT at{GET_X_LPARAM(lParam) - canvas.overlayOrigin.x, GET_Y_LPARAM(lParam) - canvas.overlayOrigin.y};
    ZoomAt(canvas.view.step + (GET_WHEEL_DELTA_WPARAM(wParam) >= 0 ? 1 : -1), at);
}

void BeginPan(LPARAM lParam) {
    if (!CanZoom() || !IsMagnified(canvas.view)) return;
    if (shapeText != -1) CommitTextEdit();
    panning = true;
    panFrom = WindowPointOf(lParam);
    SetCapture(canvas.hwndOverlay);
}

// A move without the right or the middle button (released where the
// overlay did not hear it) ends the drag.
bool PanWithPointer(WPARAM wParam, LPARAM lParam) {
    if (!panning) return false;
    if (!(wParam & (MK_RBUTTON | MK_MBUTTON))) {
        EndPan();
        return false;
    }
    const POINT to = WindowPointOf(lParam);
    ShowView(PannedBy(canvas.view, to.x - panFrom.x, to.y - panFrom.y));
    panFrom = to;
    return true;
}

void EndPan() {
    if (!panning) return;
    panning = false;
    ReleaseCapture();
}
