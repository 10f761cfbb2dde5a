// The overlay's painting: the held repaint during a gesture, the background,
// and the live previews, which must look exactly like the records they
// become on release.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/app.h"
#include "model/annotation.h"
#include "overlay/overlay.h"
#include "render/render.h"
#include "render_canvas.h"
#include "win_env.h"

namespace {

constexpr COLORREF WHITE = RGB(255, 255, 255);
constexpr unsigned WHITE_RGB = 0xFFFFFF;

// Dispatches messages for `ms` milliseconds; returns how many WM_PAINT
// messages the overlay received.
int PumpFor(DWORD ms) {
    int paints = 0;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_PAINT && msg.hwnd == hwndOverlay) ++paints;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        } else {
            Sleep(1);
        }
    }
    return paints;
}

// A copy of part of a surface, for comparing two frames.
std::vector<uint32_t> Grab(HDC source, RECT area) {
    const int w = area.right - area.left, h = area.bottom - area.top;
    Canvas copy(w, h, WHITE);
    BitBlt(copy.dc(), 0, 0, w, h, source, area.left, area.top, SRCCOPY);
    std::vector<uint32_t> pixels;
    pixels.reserve(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) pixels.push_back(copy.At(x, y));
    return pixels;
}

class Paint : public ::testing::Test {
protected:
    void SetUp() override {
        StartProgramOnce();
        PumpFor(50);
        SetOptionTableDefaults();
        ClearAnnotations();
        buttonDown = false;
        opts[IDOPTS_WHITEBOARD] = 1;
        palette[0] = RGB(255, 0, 0);
        opts[IDOPTS_PENCOLORROW] = 0;
        opts[IDOPTS_PENCOLORCOL] = 0;
        opts[IDOPTS_OPACITY] = 3;
        FillBackground(hdcBase);
    }
};

TEST_F(Paint, RepaintWaitsWhileTheButtonIsDownAndFollowsTheRelease) {
    AppendAnnotation(MakeShapeRecord(ANNOT_RECT, {100, 100}, {160, 160}));
    annotations[0].filled = 1;
    annotations[0].opacity = 5;
    FillRect(hdcBack, &rectScreen, brushBlack);
    FillRect(hdcOverlay, &rectScreen, brushBlack);

    buttonDown = true;
    InvalidateRect(hwndOverlay, nullptr, FALSE);
    UpdateWindow(hwndOverlay);
    // The held paint must not be asked for again and again while the button is down.
    EXPECT_LE(PumpFor(300), 2);
    EXPECT_EQ(PixelRgb(hdcBack, 5, 5), 0u);
    EXPECT_EQ(PixelRgb(hdcOverlay, 5, 5), 0u);
    EXPECT_EQ(PixelRgb(hdcOverlay, 130, 130), 0u);

    SendMessageA(hwndOverlay, WM_LBUTTONUP, 0, 0);  // the release ends the gesture
    PumpFor(300);
    EXPECT_EQ(PixelRgb(hdcBack, 5, 5), WHITE_RGB);  // whiteboard
    EXPECT_EQ(PixelRgb(hdcBack, 130, 130), 0xFF0000u);
    EXPECT_EQ(PixelRgb(hdcOverlay, 5, 5), WHITE_RGB);
    EXPECT_EQ(PixelRgb(hdcOverlay, 130, 130), 0xFF0000u);

    // Without a gesture a repaint happens at once.
    FillRect(hdcBack, &rectScreen, brushBlack);
    RepaintOverlayNow();
    EXPECT_EQ(PixelRgb(hdcBack, 5, 5), WHITE_RGB);
}

TEST_F(Paint, PreviewOfEveryToolMatchesTheRecordItBecomes) {
    const RECT area{150, 150, 450, 400};
    const POINT press{400, 300};
    struct Drag {
        POINT cursor;
        const char* name;
    };
    const Drag drags[] = {{{200, 180}, "up-left"}, {{430, 390}, "down-right"}, {{400, 390}, "straight down"}};
    for (int tool = TOOL_HIGHLIGHTER; tool <= TOOL_ARROW; ++tool) {
        for (int fill : {0, 1}) {
            for (const Drag& drag : drags) {
                opts[IDOPTS_FILL] = fill;
                opts[IDOPTS_SHAPEWIDTH] = 3;
                opts[IDOPTS_PENWIDTH] = 2;
                CopyBaseToBack();
                DrawToolPreview(tool, press, drag.cursor);
                const auto preview = Grab(hdcBack, area);
                EXPECT_EQ(PixelRgb(hdcBase, 300, 250), WHITE_RGB) << "the base is left as it was";

                ClearAnnotations();
                const Point32 p{press.x, press.y}, c{drag.cursor.x, drag.cursor.y};
                AppendAnnotation(tool == TOOL_HIGHLIGHTER ? MakeHighlighterRecord(p, c)
                                                          : MakeShapeRecord(static_cast<uint8_t>(tool), p, c));
                CopyBaseToBack();
                RenderAnnotations(hdcBack, -1, -1);
                const auto drawn = Grab(hdcBack, area);
                EXPECT_TRUE(drawn == preview) << "tool " << tool << " fill " << fill << " " << drag.name;
                const auto marked =
                    std::count_if(preview.begin(), preview.end(), [](uint32_t p) { return p != WHITE_RGB; });
                // A box of width 0 may draw nothing at all (a band of width 0 never does).
                if (drag.cursor.x != press.x) {
                    EXPECT_GT(marked, 0) << "tool " << tool << " " << drag.name;
                } else if (tool == TOOL_HIGHLIGHTER) {
                    EXPECT_EQ(marked, 0);
                }
            }
        }
    }
}

TEST_F(Paint, PenSegmentAccumulatesOnTheFrameWithRoundCaps) {
    opts[IDOPTS_OPACITY] = 5;
    opts[IDOPTS_PENWIDTH] = 5;
    CopyBaseToBack();
    DrawPenSegment({100, 300}, {200, 300});
    DrawPenSegment({200, 300}, {200, 400});
    for (HDC dc : {hdcBack}) {
        EXPECT_EQ(PixelRgb(dc, 150, 300), 0xFF0000u);
        EXPECT_EQ(PixelRgb(dc, 200, 350), 0xFF0000u);
        EXPECT_EQ(PixelRgb(dc, 98, 300), 0xFF0000u);  // the round cap reaches past the end
        EXPECT_EQ(PixelRgb(dc, 150, 310), WHITE_RGB);
    }
    int thickness = 0;
    for (int y = 290; y < 310; ++y) thickness += PixelRgb(hdcBack, 150, y) != WHITE_RGB;
    EXPECT_GE(thickness, 4);
    EXPECT_LE(thickness, 6);
}

}  // namespace
