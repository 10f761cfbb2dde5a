// What moves by itself on the overlay: the laser pointer's dot and trail,
// and fading ink. One timer drives both, and only while something moves or
// waits to fade. Nothing of it is ever recorded: the laser is drawn over the
// layer like a gesture's preview, and a phrase that fades out is left out of
// the layer and laid over it at its opacity until it is gone.
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/fading.h"
#include "core/history.h"
#include "core/hitbounds.h"
#include "core/dock_scale.h"
#include "core/options.h"
#include "core/view.h"
#include "dock/dock.h"
#include "overlay/overlay.h"
#include "render/render.h"

constexpr UINT FRAME_MS = 16;
constexpr int64_t TRAIL_MS = 400;
constexpr int LASER_RADIUS = 7;  // at 100 %: a dot about 14 px across

static int64_t SystemClock() { return static_cast<int64_t>(GetTickCount64()); }
int64_t (*inkClock)() = SystemClock;

bool laserHeld;

// The laser's dot and the points of its trail with the time each was reached.
struct TrailPoint {
    POINT at;
    int64_t time;
};
static std::vector<TrailPoint> trail;
static POINT laserAt{-1000, -1000};
static bool laserShown;

// The phrase fading out now, left out of the layer, and the layer as it was
// with it over its bounds (one surface for each pass of live ink).
static int32_t fadingPhrase;
static Box32 fadeBounds = NO_BOX;
static HDC fadeWith[2];
static HBITMAP fadeWithBitmap[2];

static bool IsOfPhrase(const Annotation& a, int32_t phrase) { return a.phrase == phrase; }

static int64_t HoldMs() { return int64_t(OptValue(OPT_FADESECONDS)) * 1000; }

int32_t PhraseLeftOutOfLayer() { return fadingPhrase; }

// In picture pixels: while the picture is magnified the dot is drawn
// smaller, so that it keeps its size on the screen.
static int Radius() {
    const ZoomFactor zoom = ZoomFactorOf(canvas.view.step);
    return std::max(2, ScaleToDpi(LASER_RADIUS, canvas.overlayDpi) * zoom.den / zoom.num);
}

static Box32 Around(POINT p, int r) { return {p.x - r, p.y - r, p.x + r, p.y + r}; }

static Box32 LaserBounds() {
    const int glow = 2 * Radius() + 2;  // the dot's picture, 4r + 2 across
    Box32 area = Around(laserAt, glow);
    for (const TrailPoint& t : trail) area = UnionOfBoxes(area, Around(t.at, Radius() + 2));
    return area;
}

// The dot, made once for each ink colour and scale: a premultiplied
// picture laid over the frame with its own opacity, which is far cheaper
// than drawing circles at every move.
static HDC dotDc;
static HBITMAP dotBitmap;
static uint32_t dotInk = 0xFFFFFFFF;
static int dotRadius;

static uint32_t DotPixel(uint32_t ink, double d, double r) {
    double alpha = d <= r ? 1.0 : d <= r + 1 ? 1.0 - (d - r) * 0.55 : 0.45 * std::pow(1.0 - (d - r) / r, 2.0);
    if (d > 2 * r) alpha = 0;
    const double light = d <= r * 0.45 ? 0.6 : 0;  // a bright centre
    uint32_t pixel = static_cast<uint32_t>(alpha * 255 + 0.5) << 24;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double c = ((ink >> (16 - shift)) & 0xFF) * (1 - light) + 255 * light;  // COLORREF to 0xRRGGBB
        pixel |= static_cast<uint32_t>(c * alpha + 0.5) << shift;
    }
    return pixel;
}

static void MakeDot(uint32_t ink, int r) {
    const int size = 4 * r + 2;
    if (!dotDc) dotDc = CreateCompatibleDC(canvas.hdcOverlay);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof bi.bmiHeader, size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(canvas.hdcOverlay, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!picture) return;
    auto* pixels = static_cast<uint32_t*>(bits);
    const double centre = (size - 1) / 2.0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) pixels[y * size + x] = DotPixel(ink, std::hypot(x - centre, y - centre), r);
    SelectObject(dotDc, picture);
    if (dotBitmap) DeleteObject(dotBitmap);
    dotBitmap = picture;
    dotInk = ink;
    dotRadius = r;
}

// The dot in the ink colour with a soft glow, and the trail thinning out
// with its age.
static void DrawLaser(int64_t now) {
    const uint32_t ink = CurrentInkColor();
    const int r = Radius();
    if (trail.size() > 1) {
        GraphicsOwner graphics;
        if (!CreateSmoothGraphics(canvas.hdcBack, graphics)) return;
        const ARGB rgb = ARGB(GetRValue(ink)) << 16 | ARGB(GetGValue(ink)) << 8 | GetBValue(ink);
        for (size_t i = 1; i < trail.size(); ++i) {
            const double left = 1.0 - double(now - trail[i].time) / TRAIL_MS;
            PenOwner pen;
            if (left <= 0 || !CreatePenOfWidth(ARGB(200 * left) << 24 | rgb, REAL(r * left) + 1, pen)) continue;
            GdipSetPenStartCap(pen.get(), LineCapRound);
            GdipSetPenEndCap(pen.get(), LineCapRound);
            GdipDrawLineI(graphics.get(), pen.get(), trail[i - 1].at.x, trail[i - 1].at.y, trail[i].at.x,
                          trail[i].at.y);
        }
    }
    if (ink != dotInk || r != dotRadius) MakeDot(ink, r);
    const int size = 4 * r + 2;
    GdiAlphaBlend(canvas.hdcBack, laserAt.x - size / 2, laserAt.y - size / 2, size, size, dotDc, 0, 0, size, size,
                  BLENDFUNCTION{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
}

static void LaserFrame(int64_t now) {
    std::erase_if(trail, [&](const TrailPoint& t) { return now - t.time > TRAIL_MS; });
    const Box32 area = BeginGestureFrame(LaserBounds());
    DrawOnEachPass([&] { DrawLaser(now); });
    PresentArea(area);
    laserShown = true;
}

void MoveLaser(POINT at) {
    const int64_t now = inkClock();
    laserAt = at;
    if (laserHeld) trail.push_back({at, now});
    LaserFrame(now);
    ScheduleInkTimer();
}

// The laser leaves no trace: the layer is shown again where it was.
void StopLaser() {
    trail.clear();
    laserHeld = false;
    if (laserShown) ShowChanges();
    laserShown = false;
    ScheduleInkTimer();
}

// Where the pointer is, in overlay coordinates: while live ink lets the
// pointer through, no mouse message comes, so the timer asks.
static void FollowPointer() {
    POINT screen;
    if (!GetCursorPos(&screen)) return;
    const Point32 at = PictureAt(canvas.view, {screen.x - canvas.overlayOrigin.x, screen.y - canvas.overlayOrigin.y});
    const POINT p{at.x, at.y};
    if (canvas.passThrough) laserHeld = (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0;
    if (p.x != laserAt.x || p.y != laserAt.y)
        MoveLaser(p);
    else
        LaserFrame(inkClock());  // the trail fades on while the pointer rests
}

static void MakeFadeSurface(int pass, int width, int height) {
    if (!fadeWith[pass]) fadeWith[pass] = CreateCompatibleDC(canvas.hdcOverlay);
    HBITMAP picture = CreateCompatibleBitmap(canvas.hdcOverlay, width, height);
    SelectObject(fadeWith[pass], picture);
    if (fadeWithBitmap[pass]) DeleteObject(fadeWithBitmap[pass]);
    fadeWithBitmap[pass] = picture;
}

static RECT FadeRect() {
    return {std::max(fadeBounds.left, 0), std::max(fadeBounds.top, 0), std::min(fadeBounds.right + 1, ScreenWidth()),
            std::min(fadeBounds.bottom + 1, ScreenHeight())};
}

// The phrase's records leave the layer; what the layer showed with them is
// kept, to be laid over it at the phrase's opacity.
static void BeginFadeOut(int32_t phrase) {
    SettleLayer();
    SyncLayer();
    fadeBounds = NO_BOX;
    for (const Annotation& a : annotations)
        if (a.phrase == phrase) fadeBounds = UnionOfBoxes(fadeBounds, PaintBounds(a));
    const RECT r = FadeRect();
    if (BoxIsEmpty(fadeBounds) || r.right <= r.left || r.bottom <= r.top) {  // nothing of it is shown
        fadeBounds = NO_BOX;
        ForgetRecords(IsOfPhrase, phrase);
        ForgetPhrase(phrase);
        RepaintOverlayNow();
        return;
    }
    DrawOnEachPass([&] {
        MakeFadeSurface(canvas.inkPass, r.right - r.left, r.bottom - r.top);
        BitBlt(fadeWith[canvas.inkPass], 0, 0, r.right - r.left, r.bottom - r.top, canvas.hdcBase, r.left, r.top,
               SRCCOPY);
    });
    fadingPhrase = phrase;
    RepairLayer(fadeBounds);
}

void LayFadeOver(HDC target, const RECT& area) {
    if (!fadingPhrase) return;
    const RECT whole = FadeRect();
    RECT r;
    if (!IntersectRect(&r, &whole, &area)) return;
    const double opacity = PhraseOpacity(fadingPhrase, inkClock(), HoldMs());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(255 * opacity + 0.5), 0};
    GdiAlphaBlend(target, r.left, r.top, r.right - r.left, r.bottom - r.top, fadeWith[canvas.inkPass],
                  r.left - whole.left, r.top - whole.top, r.right - r.left, r.bottom - r.top, blend);
}

// The phrase is gone: from the list and the history. The layer already
// shows the list without it.
static void EndFadeOut() {
    if (!fadingPhrase) return;
    const Box32 area = fadeBounds;
    SettleLayer();
    SyncLayer();  // current but for the phrase, which leaves the list now
    ForgetRecords(IsOfPhrase, fadingPhrase);
    ForgetPhrase(fadingPhrase);
    fadingPhrase = 0;
    fadeBounds = NO_BOX;
    AcceptLayerAsCurrent();
    ShowChanges(area);
}

void SettleFading(int32_t joining) {
    if (!fadingPhrase) return;
    if (joining == fadingPhrase) {  // drawn on again: it shows whole once more
        const Box32 area = fadeBounds;
        fadingPhrase = 0;
        fadeBounds = NO_BOX;
        RepairLayer(area);
        ShowChanges(area);
        return;
    }
    EndFadeOut();
}

void ForgetFadingInk() {
    fadingPhrase = 0;
    fadeBounds = NO_BOX;
    ForgetAllPhrases();
}

void InkTick() {
    const int64_t now = inkClock();
    if (fadingPhrase && PhraseOpacity(fadingPhrase, now, HoldMs()) <= 0) EndFadeOut();
    if (!fadingPhrase) {
        const std::vector<int32_t> fading = PhrasesFading(now, HoldMs());
        if (!fading.empty()) BeginFadeOut(fading.front());
    }
    if (fadingPhrase) ShowChanges(fadeBounds);
    if (laserChosen && OverlayShown())
        FollowPointer();
    else if (laserShown)
        StopLaser();  // another tool was chosen
    ScheduleInkTimer();
}

void ChooseLaser() {
    laserChosen = true;
    ScheduleInkTimer();
}

void ScheduleInkTimer() {
    const int64_t now = inkClock(), next = NextFadeStart(HoldMs());
    UINT wait = 0;
    if (fadingPhrase || laserShown || (laserChosen && OverlayShown()))
        wait = FRAME_MS;
    else if (next != INT64_MAX)
        wait = static_cast<UINT>(std::clamp<int64_t>(next - now + 1, 1, 60000));
    if (wait)
        SetTimer(canvas.hwndOverlay, INK_TIMER_ID, wait, nullptr);
    else
        KillTimer(canvas.hwndOverlay, INK_TIMER_ID);
}
