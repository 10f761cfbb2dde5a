// The overlay's painting: the repaint held back during a gesture, the pen
// segment, and live previews that look exactly like the records they become.
#include <gtest/gtest.h>

#include "render/render.h"
#include "render_canvas.h"
#include "gestures.h"

namespace {

// Dispatches messages for `ms` milliseconds; returns the overlay's WM_PAINT count.
int PumpFor(DWORD ms) {
    int paints = 0;
    MSG msg;
    for (const DWORD start = GetTickCount(); GetTickCount() - start < ms;)
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            Sleep(1);
        else
            paints += msg.message == WM_PAINT && msg.hwnd == canvas.hwndOverlay, DispatchMessageA(&msg);
    return paints;
}

TEST(Paint, HeldRepaintPenSegmentAndPreviewsThatEqualTheirRecords) {
    StartProgramOnce(), PumpFor(50), SetOptionTableDefaults(), FreshDrawing(TOOL_PEN), FillBackground(canvas.hdcBase);
    opts[IDOPTS_OPACITY] = 5, opts[IDOPTS_PENWIDTH] = 5, opts[IDOPTS_SHAPEWIDTH] = 3;
    AppendAnnotation(MakeShapeRecord(ANNOT_RECT, {100, 100}, {160, 160}));
    FillRect(canvas.hdcOverlay, &canvas.rectScreen, canvas.brushBlack),
        buttonDown = true, InvalidateRect(canvas.hwndOverlay, nullptr, FALSE);
    EXPECT_TRUE(PumpFor(300) <= 2 &&
                PixelRgb(canvas.hdcOverlay, 5, 5) == 0);  // no busy WM_PAINT loop while the button is down
    SendMessageA(canvas.hwndOverlay, WM_LBUTTONUP, 0, 0), PumpFor(300);  // the release repaints
    const unsigned ink = PixelRgbOf(CurrentInkColor());
    EXPECT_TRUE(PixelRgb(canvas.hdcOverlay, 5, 5) == 0xFFFFFF && PixelRgb(canvas.hdcOverlay, 130, 130) == ink);
    CopyBaseToBack(), DrawPenSegment({100, 300}, {200, 300});  // 5 px wide, with round caps, onto the frame
    EXPECT_TRUE(PixelRgb(canvas.hdcBack, 150, 301) == ink && PixelRgb(canvas.hdcBack, 98, 300) == ink &&
                PixelRgb(canvas.hdcBack, 150, 305) == 0xFFFFFF);
    // The preview of every tool, filled or not, dragged three ways, is crossed
    // out (XOR) by the record it becomes, leaving nothing.
    const Point32 p{400, 300};
    FillBackground(canvas.hdcBase);
    for (int tool = TOOL_HIGHLIGHTER; tool <= TOOL_ARROW; ++tool)
        for (int fill : {0, 1})
            for (Point32 c : {Point32{200, 180}, Point32{430, 390}, Point32{400, 390}}) {
                Canvas preview(300, 250, 0);
                opts[IDOPTS_FILL] = fill, CopyBaseToBack(), DrawToolPreview(tool, {p.x, p.y}, {c.x, c.y});
                BitBlt(preview.dc(), 0, 0, 300, 250, canvas.hdcBack, 150, 150, SRCCOPY);
                const int drawn = preview.CountNot(0xFFFFFF, 0, 0, 300, 250);
                ClearAnnotations(), CopyBaseToBack();
                AppendAnnotation(tool == TOOL_HIGHLIGHTER ? MakeHighlighterRecord(p, c)
                                                          : MakeShapeRecord(uint8_t(tool), p, c));
                RenderAnnotations(canvas.hdcBack, -1, -1);
                BitBlt(preview.dc(), 0, 0, 300, 250, canvas.hdcBack, 150, 150, SRCINVERT);
                EXPECT_TRUE(preview.CountNot(0, 0, 0, 300, 250) == 0 && (drawn > 0 || c.x == p.x))
                    << "tool " << tool << " fill " << fill << " to " << c.x << "," << c.y;
            }
    SetOptionTableDefaults();  // later tests expect no pen width of 5
}

}  // namespace
