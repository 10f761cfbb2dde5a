// The committed layer and the frames shown over it.
//
// hdcBase holds the background with every committed record drawn on it, and
// it is kept up to date as the list changes: a new record is drawn onto it
// once, and any other change redraws only the rectangle it touched. hdcBack
// equals the layer except where a gesture has drawn over it or the layer has
// changed since it was last shown; only that area is copied and shown. So a
// frame costs the size of what changed, not the number of records or the
// size of the screen.
#include <algorithm>

#include "canvas/canvas.h"
#include "core/hitbounds.h"
#include "core/ink_pixels.h"
#include "core/options.h"
#include "overlay/overlay.h"
#include "render/pictures.h"
#include "render/render.h"

// What the layer was drawn from: the list at a version, the background, and
// the record left out while it is dragged.
static bool layerCurrent;
static uint64_t layerVersion;
static int32_t layerWhiteboard;
static int layerSkip = -1;

// Where hdcBack may differ from the layer.
static Box32 backStale = NO_BOX;

// The layer as it was under the last record drawn on top of it, so that
// taking that record back costs one copy instead of redrawing what lies
// below it. It stays valid while the list is unchanged since that drawing.
static HDC hdcUnder[2];  // one for each pass of live ink
static HBITMAP underBitmap[2];
static int underWidth, underHeight;
static RECT underRect;
static uint64_t underVersion;
static bool underValid;

// The part of `area` on the screen, as a GDI rectangle (right and bottom
// exclusive); empty when nothing of it is on the screen.
static RECT OnScreen(Box32 area) {
    RECT r{std::max(area.left, 0), std::max(area.top, 0), std::min(area.right + 1, ScreenWidth()),
           std::min(area.bottom + 1, ScreenHeight())};
    if (BoxIsEmpty(area) || r.left >= r.right || r.top >= r.bottom) r = RECT{0, 0, 0, 0};
    return r;
}

static bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

static Box32 BoxOf(const RECT& r) { return IsEmpty(r) ? NO_BOX : Box32{r.left, r.top, r.right - 1, r.bottom - 1}; }

static Box32 WholeScreen() { return {0, 0, ScreenWidth() - 1, ScreenHeight() - 1}; }

Box32 ScreenBox(const RECT& r) { return BoxOf(r); }

void FillBackgroundArea(HDC target, const RECT& area) {
    if (canvas.live && opts[IDOPTS_WHITEBOARD] == 0)
        FillRect(target, &area, canvas.inkPass == 0 ? canvas.brushBlack : canvas.brushWhiteboard);
    else if (opts[IDOPTS_WHITEBOARD] == 0)
        BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, canvas.hdcCapture,
               area.left, area.top, SRCCOPY);
    else
        FillRect(target, &area, canvas.brushWhiteboard);
}

static void CopyLayerToBack(const RECT& r) {
    DrawOnEachPass([&] {
        BitBlt(canvas.hdcBack, r.left, r.top, r.right - r.left, r.bottom - r.top, canvas.hdcBase, r.left, r.top,
               SRCCOPY);
        LayFadeOver(canvas.hdcBack, r);
    });
}

// Whether the layer draws the record at `position`: not while it is
// dragged, nor while its phrase fades out.
static bool InLayer(int position) {
    const int32_t left = PhraseLeftOutOfLayer();
    return position != layerSkip && (left == 0 || annotations[position].phrase != left);
}

// Live ink's pixels of `r` from the two passes of hdcBack, and the tiles
// that `r` meets updated there alone.
LiveInkUpdates liveInkUpdates;

static void PresentInk(const RECT& r) {
    const int width = ScreenWidth(), height = ScreenHeight();
    ++liveInkUpdates.all;
    if (r.right - r.left == width && r.bottom - r.top == height) ++liveInkUpdates.whole;
    DrawOnEachPass([&] {
        BitBlt(canvas.inkPass == 0 ? canvas.hdcInk : canvas.hdcInkWhite, r.left, r.top, r.right - r.left,
               r.bottom - r.top, canvas.hdcBack, r.left, r.top, SRCCOPY);
    });
    GdiFlush();
    for (int y = r.top; y < r.bottom; ++y) {
        uint32_t* ink = canvas.inkBits + static_cast<size_t>(height - 1 - y) * width;
        const uint32_t* white = canvas.inkWhiteBits + static_cast<size_t>(height - 1 - y) * width;
        for (int x = r.left; x < r.right; ++x) ink[x] = InkPixel(ink[x] & 0xFFFFFF, white[x] & 0xFFFFFF);
    }
    for (int tile = 0; tile < INK_TILES; ++tile) {
        const RECT t = InkTileRect(tile);
        RECT dirty;
        if (!IntersectRect(&dirty, &t, &r)) continue;
        OffsetRect(&dirty, -t.left, -t.top);
        POINT origin{canvas.overlayOrigin.x + t.left, canvas.overlayOrigin.y + t.top}, source{t.left, t.top};
        SIZE size{t.right - t.left, t.bottom - t.top};
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        UPDATELAYEREDWINDOWINFO info{};
        info.cbSize = sizeof info;
        info.pptDst = &origin;
        info.psize = &size;
        info.hdcSrc = canvas.hdcInk;
        info.pptSrc = &source;
        info.pblend = &blend;
        info.dwFlags = ULW_ALPHA;
        info.prcDirty = &dirty;
        UpdateLayeredWindowIndirect(canvas.inkTiles[tile], &info);
    }
}

void PresentArea(Box32 area) {
    if (IsMagnified(canvas.view)) return PresentMagnified(area);
    const RECT r = OnScreen(area);
    if (IsEmpty(r)) return;
    if (canvas.live)
        PresentInk(r);
    else
        BitBlt(canvas.hdcOverlay, r.left, r.top, r.right - r.left, r.bottom - r.top, canvas.hdcBack, r.left, r.top,
               SRCCOPY);
}

void PutLiveInkOverCapture(PictureCopy& shot) {
    DIBSECTION capture{};
    if (!GetObjectA(GetCurrentObject(canvas.hdcCapture, OBJ_BITMAP), sizeof capture, &capture) ||
        !capture.dsBm.bmBits || shot.bitCount != 24 || shot.width != ScreenWidth() || shot.height != ScreenHeight())
        return;
    const BYTE* white = canvas.inkPass == 0 ? canvas.baseBitsOther : canvas.baseBits;
    const auto* screen = static_cast<const uint32_t*>(capture.dsBm.bmBits);
    const auto pixel = [](const BYTE* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16; };
    for (int y = 0; y < shot.height; ++y) {
        BYTE* row = shot.rows.data() + static_cast<size_t>(y) * shot.stride;
        const BYTE* whiteRow = white + static_cast<size_t>(y) * shot.stride;
        const uint32_t* screenRow = screen + static_cast<size_t>(y) * shot.width;
        for (int x = 0; x < shot.width; ++x) {
            BYTE* p = row + 3 * x;
            const uint32_t shown = InkOver(InkPixel(pixel(p), pixel(whiteRow + 3 * x)), screenRow[x] & 0xFFFFFF);
            p[0] = static_cast<BYTE>(shown);
            p[1] = static_cast<BYTE>(shown >> 8);
            p[2] = static_cast<BYTE>(shown >> 16);
        }
    }
}

void ShowWholeInk() {
    SettleLayer();
    SyncLayer();
    ShowChanges(WholeScreen());
}

// Whether the layer holds the list as it is, or as it was `changes` list
// operations ago, over the present background.
static bool LayerIsCurrent(uint64_t changes = 0) {
    return layerCurrent && layerVersion + changes == annotationsVersion && layerWhiteboard == opts[IDOPTS_WHITEBOARD];
}

static void MarkLayerCurrent(Box32 changed) {
    layerCurrent = true;
    layerVersion = annotationsVersion;
    layerWhiteboard = opts[IDOPTS_WHITEBOARD];
    backStale = UnionOfBoxes(backStale, changed);
}

void AcceptLayerAsCurrent() {
    if (!layerCurrent) return;
    layerVersion = annotationsVersion;
    underValid = false;
}

void ForgetLayer() {
    layerCurrent = false;
    underValid = false;
}

void SyncLayer() {
    if (LayerIsCurrent()) return;
    if (layerSkip >= AnnotationCount()) layerSkip = -1;
    DrawOnEachPass([] {
        FillBackground(canvas.hdcBase);
        if (PhraseLeftOutOfLayer() == 0)
            RenderAnnotations(canvas.hdcBase, -1, layerSkip);
        else
            for (int i = 0; i < AnnotationCount(); ++i)
                if (InLayer(i)) RenderAnnotations(canvas.hdcBase, i, -1);
    });
    underValid = false;
    MarkLayerCurrent(WholeScreen());
}

// Saves a DC's clipping and narrows it to one rectangle for a scope.
class ClipGuard {
public:
    ClipGuard(HDC dc, const RECT& r) : dc_(dc), saved_(SaveDC(dc)) {
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    ~ClipGuard() { RestoreDC(dc_, saved_); }
    ClipGuard(const ClipGuard&) = delete;
    ClipGuard& operator=(const ClipGuard&) = delete;

private:
    HDC dc_;
    int saved_;
};

void RepairLayer(Box32 area) {
    if (!LayerIsCurrent() && !LayerIsCurrent(1)) {  // more changed than the caller knows
        SyncLayer();
        return;
    }
    const RECT r = OnScreen(area);
    underValid = false;
    if (!IsEmpty(r))
        DrawOnEachPass([&] {
            ClipGuard clip(canvas.hdcBase, r);
            FillBackgroundArea(canvas.hdcBase, r);
            const Box32 visible = BoxOf(r);
            for (int i = 0; i < AnnotationCount(); ++i)
                if (InLayer(i) && BoxesMeet(PaintBounds(annotations[i]), visible))
                    RenderAnnotations(canvas.hdcBase, i, -1);
        });
    MarkLayerCurrent(BoxOf(r));
}

static void KeepUnder(const RECT& r) {
    const int width = r.right - r.left, height = r.bottom - r.top;
    const bool grow = width > underWidth || height > underHeight;
    underWidth = std::max(width, underWidth);
    underHeight = std::max(height, underHeight);
    for (int pass = 0; pass < 2; ++pass) {
        if (!hdcUnder[pass]) hdcUnder[pass] = CreateCompatibleDC(canvas.hdcOverlay);
        if (!grow && underBitmap[pass]) continue;
        HBITMAP bigger = CreateCompatibleBitmap(canvas.hdcOverlay, underWidth, underHeight);
        SelectObject(hdcUnder[pass], bigger);
        if (underBitmap[pass]) DeleteObject(underBitmap[pass]);
        underBitmap[pass] = bigger;
    }
    DrawOnEachPass(
        [&] { BitBlt(hdcUnder[canvas.inkPass], 0, 0, width, height, canvas.hdcBase, r.left, r.top, SRCCOPY); });
    underRect = r;
}

void DrawLastOnLayer(bool keepUnder) {
    const int last = AnnotationCount() - 1;
    if (!LayerIsCurrent(1) || layerSkip != -1 || last < 0) {  // not just the one record new
        SyncLayer();
        return;
    }
    const RECT r = OnScreen(PaintBounds(annotations[last]));
    underValid = false;
    if (keepUnder && !IsEmpty(r)) KeepUnder(r);
    DrawOnEachPass([&] { RenderAnnotations(canvas.hdcBase, last, -1); });
    MarkLayerCurrent(BoxOf(r));
    underVersion = annotationsVersion;
    underValid = keepUnder && !IsEmpty(r);
}

bool LayerCanTakeBackLast() { return underValid && underVersion == annotationsVersion && LayerIsCurrent(); }

void TakeBackLastFromLayer() {
    const RECT& r = underRect;
    DrawOnEachPass([&] {
        BitBlt(canvas.hdcBase, r.left, r.top, r.right - r.left, r.bottom - r.top, hdcUnder[canvas.inkPass], 0, 0,
               SRCCOPY);
    });
    underValid = false;
    MarkLayerCurrent(BoxOf(r));
}

void LiftOffLayer(int position) {
    if (layerSkip == position || position < 0 || position >= AnnotationCount()) return;
    SettleLayer();
    SyncLayer();
    layerSkip = position;
    RepairLayer(PaintBounds(annotations[position]));
}

void SettleLayer() {
    if (layerSkip == -1) return;
    const int held = layerSkip;
    layerSkip = -1;
    if (!LayerIsCurrent() || held >= AnnotationCount())
        SyncLayer();
    else
        RepairLayer(PaintBounds(annotations[held]));
}

void LayHeldOnTop() {
    if (layerSkip == -1) {
        if (AnnotationCount() > 0) RepairLayer(PaintBounds(annotations.back()));
        return;
    }
    layerSkip = -1;
    DrawLastOnLayer(false);
}

Box32 BeginGestureFrame(Box32 next) {
    const RECT r = OnScreen(UnionOfBoxes(backStale, next));
    if (!IsEmpty(r)) CopyLayerToBack(r);
    backStale = next;
    return BoxOf(r);
}

void NoteGestureDrawing(Box32 area) { backStale = UnionOfBoxes(backStale, area); }

void ShowChanges(Box32 alsoShow) {
    const Box32 area = UnionOfBoxes(backStale, alsoShow);
    backStale = NO_BOX;
    const RECT r = OnScreen(area);
    if (IsEmpty(r)) return;
    CopyLayerToBack(r);
    PresentArea(area);
}
