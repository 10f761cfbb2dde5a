// The overlay's painting: the repaint held back during a gesture, the pen
// segment, and live previews that look exactly like the records they become.
#include "gestures.h"
#include "render_canvas.h"

namespace {

// Dispatches messages for `ms` milliseconds; returns the overlay's WM_PAINT count.
int PumpFor(DWORD ms) {
    int paints = 0;
    MSG msg;
    for (const DWORD start = GetTickCount(); GetTickCount() - start < ms;) {
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            Sleep(1);
            continue;
        }
        paints += msg.message == WM_PAINT && msg.hwnd == canvas.hwndOverlay;
        DispatchMessageA(&msg);
    }
    return paints;
}

// Opaque ink, pens 5 px wide, shapes 3 px, over the whiteboard.
class Paint : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        PumpFor(50);
        opts[IDOPTS_OPACITY] = 5;
        opts[IDOPTS_PENWIDTH] = 5;
        opts[IDOPTS_SHAPEWIDTH] = 3;
        FillBackground(canvas.hdcBase);
        ink = PixelRgbOf(CurrentInkColor());
    }
    unsigned ink = 0;
};

// While the button is down, an asked-for repaint waits instead of looping.
TEST_F(Paint, TheRepaintWaitsForTheRelease) {
    AppendAnnotation(MakeShapeRecord(ANNOT_RECT, {100, 100}, {160, 160}));
    FillRect(canvas.hdcOverlay, &canvas.rectScreen, canvas.brushBlack);
    buttonDown = true;
    InvalidateRect(canvas.hwndOverlay, nullptr, FALSE);
    EXPECT_LE(PumpFor(300), 2) << "paint messages while the button is down";
    EXPECT_EQ(PixelRgb(canvas.hdcOverlay, 5, 5), 0u) << "background while the button is down";
    SendMessageA(canvas.hwndOverlay, WM_LBUTTONUP, 0, 0);
    PumpFor(300);
    EXPECT_EQ(PixelRgb(canvas.hdcOverlay, 130, 130), ink) << "inside the rectangle after the release";
}

TEST_F(Paint, APenSegmentIsFivePixelsWideWithRoundCaps) {
    CopyBaseToBack();
    DrawPenSegment({100, 300}, {200, 300});
    EXPECT_EQ(PixelRgb(canvas.hdcBack, 150, 301), ink) << "beside the middle";
    EXPECT_EQ(PixelRgb(canvas.hdcBack, 98, 300), ink) << "before the start";
    EXPECT_EQ(PixelRgb(canvas.hdcBack, 202, 300), ink) << "after the end";
    EXPECT_EQ(PixelRgb(canvas.hdcBack, 150, 305), 0xFFFFFFu) << "three pixels beside the middle";
}

// The preview of every tool, filled or not, dragged three ways, is crossed
// out (XOR) by the record it becomes, leaving nothing.
TEST_F(Paint, EveryPreviewLooksExactlyLikeTheRecordItBecomes) {
    const Point32 p{400, 300};
    for (int tool = TOOL_HIGHLIGHTER; tool <= TOOL_ARROW; ++tool)
        for (int fill : {0, 1})
            for (Point32 c : {Point32{200, 180}, Point32{430, 390}, Point32{400, 390}}) {
                Canvas preview(300, 250, 0);
                opts[IDOPTS_FILL] = fill;
                CopyBaseToBack();
                DrawToolPreview(tool, {p.x, p.y}, {c.x, c.y});
                BitBlt(preview.dc(), 0, 0, 300, 250, canvas.hdcBack, 150, 150, SRCCOPY);
                const int drawn = preview.CountNot(0xFFFFFF, 0, 0, 300, 250);
                ClearAnnotations();
                CopyBaseToBack();
                const bool band = tool == TOOL_HIGHLIGHTER;
                AppendAnnotation(band ? MakeHighlighterRecord(p, c) : MakeShapeRecord(uint8_t(tool), p, c));
                RenderAnnotations(canvas.hdcBack, -1, -1);
                BitBlt(preview.dc(), 0, 0, 300, 250, canvas.hdcBack, 150, 150, SRCINVERT);
                const std::string name =
                    "tool " + std::to_string(tool) + (fill ? " filled" : "") + " to x " + std::to_string(c.x);
                EXPECT_EQ(preview.CountNot(0, 0, 0, 300, 250), 0) << name << ": pixels that differ";
                EXPECT_TRUE(drawn > 0 || c.x == p.x) << name << ": the preview draws";
            }
}

}  // namespace
