// The overlay's painting: the repaint held back during a gesture, the pen
// segment, and live previews that look exactly like the records they become.
#include <gtest/gtest.h>

#include <vector>

#include "overlay/overlay.h"
#include "render/render.h"
#include "render_canvas.h"
#include "gestures.h"

namespace {

// Dispatches messages for `ms` milliseconds; returns the overlay's WM_PAINT count.
int PumpFor(DWORD ms) {
    int paints = 0;
    for (const DWORD start = GetTickCount(); GetTickCount() - start < ms;) {
        MSG msg;
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) Sleep(1);
        else paints += msg.message == WM_PAINT && msg.hwnd == hwndOverlay, DispatchMessageA(&msg);
    }
    return paints;
}

std::vector<uint32_t> Grab() {  // part of the frame being composed
    Canvas copy(300, 250, 0);
    BitBlt(copy.dc(), 0, 0, 300, 250, hdcBack, 150, 150, SRCCOPY);
    std::vector<uint32_t> pixels;
    for (int y = 0; y < 250; ++y)
        for (int x = 0; x < 300; ++x) pixels.push_back(copy.At(x, y));
    return pixels;
}

void Fresh() {
    StartProgramOnce();
    PumpFor(50), SetOptionTableDefaults(), ClearAnnotations();
    opts[IDOPTS_WHITEBOARD] = 1, opts[IDOPTS_OPACITY] = 5, opts[IDOPTS_PENWIDTH] = 5, opts[IDOPTS_SHAPEWIDTH] = 3;
    FillBackground(hdcBase);
}

TEST(Paint, TheHeldRepaintWaitsForTheReleaseAndPenSegmentsLandOnTheBase) {
    Fresh();
    opts[IDOPTS_FILL] = 1, AppendAnnotation(MakeShapeRecord(ANNOT_RECT, {100, 100}, {160, 160}));
    FillRect(hdcOverlay, &rectScreen, brushBlack);
    buttonDown = true, InvalidateRect(hwndOverlay, nullptr, FALSE);
    EXPECT_LE(PumpFor(300), 2);  // no busy loop of WM_PAINT while the button is down
    EXPECT_EQ(PixelRgb(hdcOverlay, 5, 5), 0u);
    SendMessageA(hwndOverlay, WM_LBUTTONUP, 0, 0), PumpFor(300);
    const unsigned ink = PixelRgbOf(CurrentInkColor());
    EXPECT_TRUE(PixelRgb(hdcOverlay, 5, 5) == 0xFFFFFF && PixelRgb(hdcOverlay, 130, 130) == ink);
    DrawPenSegment({100, 300}, {200, 300});  // 5 px wide, with round caps
    for (HDC dc : {hdcBase, hdcBack})
        EXPECT_TRUE(PixelRgb(dc, 150, 301) == ink && PixelRgb(dc, 98, 300) == ink && PixelRgb(dc, 150, 305) == 0xFFFFFF);
}

// Every tool, filled or not, dragged three ways.
TEST(Paint, PreviewOfEveryToolIsTheRecordItBecomes) {
    Fresh();
    const POINT press{400, 300};
    for (int tool = TOOL_HIGHLIGHTER; tool <= TOOL_ARROW; ++tool)
        for (int fill : {0, 1})
            for (POINT cursor : {POINT{200, 180}, POINT{430, 390}, POINT{400, 390}}) {
                opts[IDOPTS_FILL] = fill;
                DrawToolPreview(tool, press, cursor);
                const auto preview = Grab();
                const Point32 p{press.x, press.y}, c{cursor.x, cursor.y};
                ClearAnnotations(), CopyBaseToBack();
                AppendAnnotation(tool == TOOL_HIGHLIGHTER ? MakeHighlighterRecord(p, c) : MakeShapeRecord(uint8_t(tool), p, c));
                RenderAnnotations(hdcBack, -1, -1);
                EXPECT_TRUE(Grab() == preview && (cursor.x == press.x || preview != std::vector<uint32_t>(preview.size(), 0xFFFFFF)))
                    << "tool " << tool << " fill " << fill << " to " << cursor.x << "," << cursor.y;
            }
}

}  // namespace
