// The overlay redraws only what changed. Its picture must still equal a full
// drawing of the list from scratch after every step of long random use, and
// that rests on every record painting only inside its bounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "gestures.h"
#include "overlay/overlay.h"
#include "render/gdi_owner.h"
#include "render/render.h"
#include "snapshots/snapshots.h"

namespace {

std::mt19937 rng(12);
int In(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

// The pixels, 0x00RRGGBB row by row, of a surface like the screen's after
// `draw` has drawn on it.
std::vector<uint32_t> Picture(int width, int height, const std::function<void(HDC)>& draw) {
    MemoryDcOwner dc(hdcOverlay);
    BitmapOwner bitmap(CreateCompatibleBitmap(hdcOverlay, width, height));
    SelectGuard selected(dc.get(), bitmap.get());
    draw(dc.get());
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    GetDIBits(dc.get(), bitmap.get(), 0, height, pixels.data(), &bi, DIB_RGB_COLORS);
    for (uint32_t& p : pixels) p &= 0xFFFFFF;
    return pixels;
}

// The first pixel of the overlay's own picture (child windows left out) that
// differs from the whole list drawn from scratch, or "".
std::string FirstDifference() {
    const int w = ScreenWidth(), h = ScreenHeight();
    const auto shown = Picture(w, h, [=](HDC dc) { BitBlt(dc, 0, 0, w, h, hdcOverlay, 0, 0, SRCCOPY); });
    const auto want = Picture(w, h, [](HDC dc) { FillBackground(dc), RenderAnnotations(dc, -1, -1); });
    std::vector<RECT> children;
    for (HWND child : {hwndDock, textEdit, textBar})
        if (IsWindowVisible(child)) children.push_back(WindowRect(child));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            auto covers = [p = POINT{x, y}](const RECT& r) { return PtInRect(&r, p) != FALSE; };
            const bool differs = shown[size_t(y) * w + x] != want[size_t(y) * w + x];
            if (differs && std::none_of(children.begin(), children.end(), covers))
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

void Gesture(int tool) {
    UseTool(tool);
    opts[IDOPTS_FILL] = In(0, 1), opts[IDOPTS_SHAPEWIDTH] = In(1, 7), opts[IDOPTS_PENWIDTH] = In(1, 5);
    opts[IDOPTS_OPACITY] = In(1, 5), opts[IDOPTS_PENCOLORCOL] = In(0, 4), opts[IDOPTS_HLCOLOR] = In(0, 4);
    const POINT p = Somewhere();
    Press(p.x, p.y);
    for (int i = In(0, 6), x = p.x, y = p.y; i > 0; --i) MoveTo(x += In(-150, 150), y += In(-100, 100));
    Release();
}

void TypeInto() {
    const POINT p = Somewhere();
    SetCursorPos(p.x, p.y);
    SendMessageA(hwndOverlay, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    for (char c : std::string("Notes\rline two wraps on\rW")) SendMessageA(textEdit, WM_CHAR, c, 1);
}

TEST(Frames, EveryStepShowsExactlyTheListDrawnFromScratch) {
    StartProgramOnce();
    const std::string file = dataDir + "frames.png";
    std::discrete_distribution<int> pick({30, 4, 5, 6, 4, 1, 2, 1, 1});
    for (int step = 0; step < 400; ++step) {
        const int action = pick(rng);
        switch (action) {
        case 0: Gesture(In(TOOL_PEN, TOOL_MARK)); break;
        case 1: TypeInto(); break;
        case 2: Gesture(TOOL_ERASER); break;
        case 3: UndoStep(); break;
        case 4: RedoStep(); break;
        case 5: EraseAll(); break;
        case 6: ToggleWhiteboard(); break;
        case 7: SaveSnapshotTo(file), LoadBackgroundImage(file); break;
        default: ShowOverlay(); break;
        }
        PumpMessages();
        ASSERT_EQ(FirstDifference(), "") << "step " << step << " action " << action << " tool "
                                          << opts[IDOPTS_TOOL] << " records " << AnnotationCount();
    }
}

TEST(Frames, EveryRecordPaintsOnlyInsideItsBounds) {
    StartProgramOnce();
    constexpr int SIZE = 600, GRAY = 0x808080;
    GdiBrushOwner gray(CreateSolidBrush(GRAY));
    for (int i = 0; i < 700; ++i) {
        Annotation r;  // every kind, thin and degenerate ones included
        r.kind = static_cast<uint8_t>(In(ANNOT_PEN, ANNOT_MARK));
        r.color = RGB(In(0, 255), In(0, 255), In(0, 255)), r.opacity = In(1, 5), r.filled = In(0, 1);
        r.lineWidth = r.kind <= ANNOT_HIGHLIGHTER ? In(1, 5) : In(1, 7);
        r.x = In(220, 300), r.y = In(220, 300), r.cx = In(0, 1) ? In(0, 5) : In(0, 120), r.cy = In(0, 5) * In(0, 24);
        for (int n = r.kind == ANNOT_PEN ? In(1, 8) : r.kind == ANNOT_ARROW ? 2 : 0; n > 0; --n)
            r.points.push_back({r.x + In(-2, 2) * In(0, 30), r.y + In(-2, 2) * In(0, 30)});
        if (r.kind == ANNOT_MARK) r.markIndex = In(0, MARK_COUNT - 1), r.cx = r.cy = 32, r.markNumber = In(0, 99);
        if (In(0, 3) == 0) r.fontIndex = In(0, 7), r.fontSize = In(8, 40), r.text = "Some words\r\nWWW wrap";
        ClearAnnotations();
        AppendAnnotation(r);
        const auto pixels =
            Picture(SIZE, SIZE, [&](HDC dc) { FillRect(dc, &rectScreen, gray.get()), RenderAnnotations(dc, 0, -1); });
        const Box32 b = PaintBounds(r);
        for (int y = 0; y < SIZE; ++y)
            for (int x = 0; x < SIZE; ++x) {
                const bool inside = x >= b.left && x <= b.right && y >= b.top && y <= b.bottom;
                ASSERT_TRUE(inside || pixels[static_cast<size_t>(y) * SIZE + x] == GRAY)
                    << "kind " << int(r.kind) << " width " << r.lineWidth << " pixel " << x << "," << y;
            }
    }
}

}  // namespace
