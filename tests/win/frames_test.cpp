// The overlay redraws only what changed. Its picture must still equal a full
// drawing of the list from scratch after every step of long random use, and
// that rests on every record painting only inside its bounds.
#include <random>

#include "gestures.h"
#include "snapshot_helpers.h"
#include "render_canvas.h"
#include "core/fading.h"
#include "core/ink_pixels.h"

namespace {

using Frames = ProgramTest;

std::mt19937 rng(12);
int In(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

int64_t now = 1000000;  // the clock of fading ink and the laser in these tests
int64_t TestClock() { return now; }

// The list drawn from scratch over the background (of the white pass of
// live ink when asked) onto a surface like the overlay's, a phrase that
// fades out laid over the rest at its opacity.
void DrawShown(HDC dc, bool whitePass) {
    const int w = ScreenWidth(), h = ScreenHeight();
    if (whitePass) SwapInkPass();
    FillBackground(dc);
    if (whitePass) SwapInkPass();
    MemoryDcOwner withDc(dc);
    BitmapOwner with(CreateCompatibleBitmap(canvas.hdcOverlay, w, h));
    SelectGuard selected(withDc.get(), with.get());
    BitBlt(withDc.get(), 0, 0, w, h, dc, 0, 0, SRCCOPY);
    RenderAnnotations(withDc.get(), -1, -1);
    const int32_t out = PhraseLeftOutOfLayer();
    Box32 fading = NO_BOX;
    for (int i = 0; i < AnnotationCount(); ++i)
        if (out != 0 && annotations[i].phrase == out)
            fading = UnionOfBoxes(fading, PaintBounds(annotations[i]));
        else
            RenderAnnotations(dc, i, -1);
    const RECT r{std::max(fading.left, 0), std::max(fading.top, 0), std::min(fading.right + 1, w),
                 std::min(fading.bottom + 1, h)};
    const auto opacity = BYTE(255 * PhraseOpacity(out, now, OptValue(OPT_FADESECONDS) * 1000) + 0.5);
    if (out != 0 && r.right > r.left && r.bottom > r.top)
        GdiAlphaBlend(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, withDc.get(), r.left, r.top,
                      r.right - r.left, r.bottom - r.top, BLENDFUNCTION{AC_SRC_OVER, 0, opacity, 0});
}

// The first pixel ("x,y") of the overlay's picture that differs from the whole
// list drawn from scratch, or "". The places of shown child windows are blacked
// out in both: what lies under them is not the overlay's own picture.
std::string FirstDifference() {
    const int w = ScreenWidth(), h = ScreenHeight();
    Canvas shown(w, h, 0), want(w, h, 0);
    BitBlt(shown.dc(), 0, 0, w, h, canvas.hdcOverlay, 0, 0, SRCCOPY);
    MemoryDcOwner dc(canvas.hdcOverlay);  // drawn on a surface like the overlay's, then copied
    BitmapOwner bitmap(CreateCompatibleBitmap(canvas.hdcOverlay, w, h));
    SelectGuard selected(dc.get(), bitmap.get());
    DrawShown(dc.get(), false);
    BitBlt(want.dc(), 0, 0, w, h, dc.get(), 0, 0, SRCCOPY);
    const std::vector<uint32_t> whole = want.Pixels();
    for (int y = 0; y < h; ++y)  // each window pixel shows the picture pixel the view puts there
        for (int x = 0; x < w; ++x) {
            const Point32 p = PictureAt(canvas.view, {x, y});
            want.at(x, y) = whole[p.y * w + p.x];
        }
    for (HWND child : {dock.hwndDock, textEdit, dock.textBar}) {
        const RECT r = WindowRect(child);
        for (HDC target : {shown.dc(), want.dc()})
            if (IsWindowVisible(child)) FillRect(target, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    const auto a = shown.Pixels(), b = want.Pixels();
    const size_t at = std::mismatch(a.begin(), a.end(), b.begin()).first - a.begin();
    return at == a.size() ? "" : std::to_string(at % w) + "," + std::to_string(at / w);
}

// The first pixel ("x,y") of live ink's shown pixels that differs from the
// list drawn from scratch over black and over white, or "". The place of the
// text edit is left out: the text being typed is shown by the edit.
std::string FirstLiveDifference() {
    const int w = ScreenWidth(), h = ScreenHeight();
    Canvas black(w, h, 0), white(w, h, 0);
    MemoryDcOwner dc(canvas.hdcOverlay);  // drawn on a surface like the overlay's, then copied
    BitmapOwner bitmap(CreateCompatibleBitmap(canvas.hdcOverlay, w, h));
    SelectGuard selected(dc.get(), bitmap.get());
    for (Canvas* pass : {&black, &white}) {
        DrawShown(dc.get(), pass == &white);
        BitBlt(pass->dc(), 0, 0, w, h, dc.get(), 0, 0, SRCCOPY);
    }
    RECT edit = IsWindowVisible(textEdit) ? WindowRect(textEdit) : RECT{};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint32_t want = InkPixel(black.at(x, y), white.at(x, y));
            if (canvas.inkBits[(h - 1 - y) * w + x] != want && !PtInRect(&edit, {x, y}))
                return std::to_string(x) + "," + std::to_string(y);
        }
    return "";
}

// A point on a random record (where a press grabs it, if anything does), or
// anywhere.
POINT Somewhere() {
    if (annotations.empty() || In(0, 2) == 0) return {In(0, ScreenWidth() - 1), In(0, ScreenHeight() - 1)};
    const Annotation& r = annotations[In(0, AnnotationCount() - 1)];
    if (r.points.size() >= 2) return {(r.points[0].x + r.points[1].x) / 2, (r.points[0].y + r.points[1].y) / 2};
    return {r.x + r.cx / 2, r.y + r.cy / 2};
}

// A press, a few random moves and a release with `tool` and random options.
void Gesture(int tool) {
    UseTool(tool);
    const int ranges[][3] = {{IDOPTS_FILL, 0, 1},    {IDOPTS_SHAPEWIDTH, 1, 7},  {IDOPTS_PENWIDTH, 1, 5},
                             {IDOPTS_OPACITY, 1, 5}, {IDOPTS_PENCOLORCOL, 0, 4}, {IDOPTS_HLCOLOR, 0, 4}};
    for (auto [option, lo, hi] : ranges) opts[option] = In(lo, hi);
    const POINT p = Somewhere();
    Press(p.x, p.y);
    for (int i = In(0, 6), x = p.x, y = p.y; i > 0; --i) MoveTo(x += In(-150, 150), y += In(-100, 100));
    Release();
}

// A stroke or shape of fading ink: Shift held at the press.
void FadingGesture() {
    UseTool(In(TOOL_PEN, TOOL_MARK));
    const POINT p = Somewhere();
    SendMessageA(canvas.hwndOverlay, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(p.x, p.y));
    for (int i = In(1, 5), x = p.x, y = p.y; i > 0; --i) MoveTo(x += In(-150, 150), y += In(-100, 100));
    Release();
}

// Time for fading ink, up to a whole fade of the shortest hold.
void TimePasses() {
    now += In(0, 2500);
    InkTick();
}

// The laser pointed and dragged around, then left for another tool after
// its trail has gone: nothing of it stays.
void Laser() {
    ChooseLaser();
    MoveTo(In(0, ScreenWidth() - 1), In(0, ScreenHeight() - 1));
    Press(In(0, ScreenWidth() - 1), In(0, ScreenHeight() - 1));
    for (int i = 0; i < 4; ++i) MoveTo(In(0, ScreenWidth() - 1), In(0, ScreenHeight() - 1));
    Release();
    now += 500;
    InkTick();
    UseTool(TOOL_PEN);
    DockChooseTool(TOOL_PEN);
    InkTick();
}

void TypeInto() {
    const POINT p = Somewhere();
    SendMessageA(canvas.hwndOverlay, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    for (char c : std::string("Notes\rline two wraps on\rW")) SendMessageA(textEdit, WM_CHAR, c, 1);
}

// Ctrl+wheel at a random place, more often in than out.
void WheelZoom() {
    const int x = In(0, ScreenWidth() - 1) + canvas.overlayOrigin.x,
              y = In(0, ScreenHeight() - 1) + canvas.overlayOrigin.y;
    const int delta = In(0, 2) ? WHEEL_DELTA : -WHEEL_DELTA;
    SendMessageA(canvas.hwndOverlay, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, delta), MAKELPARAM(x, y));
}

// A drag with the right button.
void Pan() {
    int x = In(0, ScreenWidth() - 1), y = In(0, ScreenHeight() - 1);
    SendMessageA(canvas.hwndOverlay, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(x, y));
    for (int i = In(1, 4); i > 0; --i)
        SendMessageA(canvas.hwndOverlay, WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(x += In(-300, 300), y += In(-200, 200)));
    SendMessageA(canvas.hwndOverlay, WM_RBUTTONUP, 0, MAKELPARAM(x, y));
}

void SaveAndLoad() {
    SaveSnapshotAndSettle(dataDir + "frames.png");
    LoadBackgroundImage(dataDir + "frames.png");
}

// The steps of use, each with its weight: those of both overlays, then
// each one's own. Live ink has no picture to load, and switches between
// drawing and letting the pointer through.
using Step = std::tuple<const char*, int, void (*)()>;
const std::vector<Step> shared = {{"draw", 30, [] { Gesture(In(TOOL_PEN, TOOL_MARK)); }},
                                  {"type", 4, TypeInto},
                                  {"erase", 5, [] { Gesture(TOOL_ERASER); }},
                                  {"undo", 6, UndoStep},
                                  {"redo", 4, RedoStep},
                                  {"erase all", 1, EraseAll},
                                  {"whiteboard", 2, ToggleWhiteboard},
                                  {"fading", 8, FadingGesture},
                                  {"time", 8, TimePasses},
                                  {"laser", 2, Laser}};
const std::vector<Step> frozenOnly = {{"save and load", 1, SaveAndLoad},
                                      {"zoom", 6, WheelZoom},
                                      {"pan", 5, Pan},
                                      {"1x", 1, ZoomToWholePicture},
                                      {"show", 1, ShowOverlay}};
const std::vector<Step> liveOnly = {{"switch", 2, LiveInkCommand}, {"open", 1, OpenLiveInk}};

std::vector<Step> StepsWith(const std::vector<Step>& own) {
    std::vector<Step> all = shared;
    all.insert(all.end(), own.begin(), own.end());
    return all;
}

void RunSteps(const std::vector<Step>& table, std::string (*difference)(), int count) {
    std::vector<int> weights;
    for (const auto& [name, weight, step] : table) weights.push_back(weight);
    std::discrete_distribution<int> pick(weights.begin(), weights.end());
    for (int i = 0; i < count; ++i) {
        const auto& [name, weight, step] = table[pick(rng)];
        step();
        PumpMessages();
        ASSERT_EQ(difference(), "") << "first pixel that differs after step " << i << ", " << name;
    }
}

TEST_F(Frames, EveryStepShowsExactlyTheListDrawnFromScratch) {
    rng.seed(12);
    inkClock = TestClock;
    RunSteps(StepsWith(frozenOnly), FirstDifference, 400);
}

TEST_F(Frames, EveryStepOfLiveInkShowsExactlyTheListDrawnFromScratch) {
    rng.seed(14);
    inkClock = TestClock;
    OpenLiveInk();
    RunSteps(StepsWith(liveOnly), FirstLiveDifference, 250);
}

// Records of every kind, thin and degenerate ones included, drawn alone on
// grey: no pixel outside PaintBounds changes.
TEST_F(Frames, EveryRecordPaintsOnlyInsideItsBounds) {
    constexpr int SIZE = 600, GRAY = 0x808080;
    rng.seed(13);
    for (int i = 0; i < 700; ++i) {
        const auto kind = static_cast<uint8_t>(In(ANNOT_PEN, ANNOT_MARK));
        const bool mark = kind == ANNOT_MARK, text = In(0, 3) == 0;
        Annotation r{.markIndex = In(0, MARK_COUNT - 1),
                     .markNumber = In(0, 99),
                     .fontSize = In(8, 40),
                     .fontIndex = text ? In(0, 7) : -1,
                     .text = text ? "Some words\r\nWWW wrap" : "",
                     .filled = In(0, 1),
                     .color = uint32_t(In(0, 0xFFFFFF)),
                     .x = In(220, 300),
                     .y = In(220, 300),
                     .cx = mark       ? 32
                           : In(0, 1) ? In(0, 5)
                                      : In(0, 120),
                     .cy = mark ? 32 : In(0, 5) * In(0, 24),
                     .kind = kind,
                     .lineWidth = int16_t(kind <= ANNOT_HIGHLIGHTER ? In(1, 5) : In(1, 7)),
                     .opacity = int16_t(In(1, 5)),
                     .points = {}};
        for (int n = kind == ANNOT_PEN ? In(1, 8) : kind == ANNOT_ARROW ? 2 : 0; n > 0; --n)
            r.points.push_back({r.x + In(-2, 2) * In(0, 30), r.y + In(-2, 2) * In(0, 30)});
        annotations = {r};
        Canvas c(SIZE, SIZE, GRAY);
        RenderAnnotations(c.dc(), 0, -1);
        const Box32 b = PaintBounds(r);
        const int inside = c.CountNot(GRAY, std::clamp(b.left, 0, SIZE), std::clamp(b.top, 0, SIZE),
                                      std::clamp(b.right + 1, 0, SIZE), std::clamp(b.bottom + 1, 0, SIZE));
        ASSERT_EQ(c.CountNot(GRAY, 0, 0, SIZE, SIZE), inside) << "pixels changed by kind " << int(kind);
    }
}

}  // namespace
