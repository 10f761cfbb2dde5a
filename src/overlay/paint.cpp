// Composing the overlay's picture and the live previews of a gesture.
#include <algorithm>
#include <cstdlib>

#include "canvas/canvas.h"
#include "core/options.h"
#include "overlay/overlay.h"
#include "render/render.h"

// While a gesture runs the overlay is not repainted from the list: the
// gesture shows its own frames. An update region left invalid would make the
// system send WM_PAINT again and again and spin the message loop for the
// whole drag, so the region is validated and remembered; the release asks
// for the repaint of that area again.
static bool paintHeld;
static RECT heldArea;

static void HoldPaint(HWND hwnd) {
    RECT update;
    if (!GetUpdateRect(hwnd, &update, FALSE)) return;
    ValidateRect(hwnd, nullptr);
    if (paintHeld)
        UnionRect(&heldArea, &heldArea, &update);
    else
        heldArea = update;
    paintHeld = true;
}

void ResumeHeldPaint() {
    if (!paintHeld) return;
    paintHeld = false;
    InvalidateRect(canvas.hwndOverlay, &heldArea, FALSE);
}

// The layer holds the composed picture; a paint shows the part of it the
// system asks for, together with whatever else has changed on it.
LRESULT OnPaint(HWND hwnd) {
    if (buttonDown) {
        HoldPaint(hwnd);
        return 1;
    }
    if (!GetUpdateRect(hwnd, nullptr, FALSE)) return 0;
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    if (canvas.live) {  // the overlay under live ink's tiles is all but clear: black at the least opacity
        FillRect(ps.hdc, &ps.rcPaint, canvas.brushBlack);
        EndPaint(hwnd, &ps);
        return 0;
    }
    SettleLayer();
    SyncLayer();
    ShowChanges(PictureBoxOf(canvas.view, ScreenBox(ps.rcPaint)));
    EndPaint(hwnd, &ps);
    return 0;
}

void FillBackground(HDC target) { FillBackgroundArea(target, RECT{0, 0, ScreenWidth(), ScreenHeight()}); }

void Present() { PresentArea({0, 0, ScreenWidth() - 1, ScreenHeight() - 1}); }

void CopyBaseToBack() {
    DrawOnEachPass([] { BitBlt(canvas.hdcBack, 0, 0, ScreenWidth(), ScreenHeight(), canvas.hdcBase, 0, 0, SRCCOPY); });
}

// A layered window is not painted by the system: live ink shows its
// pixels itself.
void RepaintOverlayNow() {
    if (canvas.live) {
        ShowWholeInk();
        return;
    }
    InvalidateRect(canvas.hwndOverlay, nullptr, FALSE);
    UpdateWindow(canvas.hwndOverlay);
}

// One straight, round-capped piece of the stroke in progress. It goes onto
// the frame over the layer, so the stroke builds up there without redrawing
// and only the new piece is shown; once the stroke is committed the renderer
// draws it from the same points as a curve.
void DrawPenSegment(POINT from, POINT to) {
    DrawOnEachPass([&] {
        PenOwner pen;
        GraphicsOwner graphics;
        if (CreatePenOfWidth(InkArgb(CurrentInkColor(), OptValue(IDOPTS_OPACITY)),
                             static_cast<REAL>(OptValue(IDOPTS_PENWIDTH)), pen) &&
            CreateSmoothGraphics(canvas.hdcBack, graphics)) {
            GdipSetPenStartCap(pen.get(), LineCapRound);
            GdipSetPenEndCap(pen.get(), LineCapRound);
            GdipDrawLineI(graphics.get(), pen.get(), from.x, from.y, to.x, to.y);
        }
    });
    // A stroke of two points is this very segment.
    const Box32 piece = PaintBounds(MakePenRecord({{from.x, from.y}, {to.x, to.y}}));
    NoteGestureDrawing(piece);
    PresentArea(piece);
}

// The record the preview will become, whose bounds it shares.
static Annotation PreviewRecord(int tool, POINT press, POINT cursor) {
    const Point32 p{press.x, press.y}, c{cursor.x, cursor.y};
    return tool == TOOL_HIGHLIGHTER ? MakeHighlighterRecord(p, c) : MakeShapeRecord(static_cast<uint8_t>(tool), p, c);
}

// The shape being dragged out, drawn over a fresh copy of hdcBase with the
// same building blocks as the renderer, so it looks the same once released.
void DrawToolPreview(int tool, POINT press, POINT cursor) {
    const Box32 area = BeginGestureFrame(PaintBounds(PreviewRecord(tool, press, cursor)));
    const ARGB ink = InkArgb(CurrentInkColor(), OptValue(IDOPTS_OPACITY));
    const int shapeWidth = OptValue(IDOPTS_SHAPEWIDTH);
    const int left = std::min(press.x, cursor.x), top = std::min(press.y, cursor.y);
    const int width = std::abs(cursor.x - press.x), height = std::abs(cursor.y - press.y);
    DrawOnEachPass([&] {
        switch (tool) {
        case TOOL_HIGHLIGHTER:
            // The band runs along the press row whatever the pointer's height; a
            // negative width mirrors it to the left of the press point.
            DrawHighlightBand(canvas.hdcBack, CurrentHighlightColor(), press.x, press.y, cursor.x - press.x,
                              HIGHLIGHT_HEIGHT_PER_WIDTH * OptValue(IDOPTS_PENWIDTH));
            break;
        case TOOL_RECT:
        case TOOL_ROUNDRECT:
        case TOOL_ELLIPSE:
            DrawBoxShape(canvas.hdcBack, tool, left, top, width, height, ink, shapeWidth, OptValue(IDOPTS_FILL) == 1);
            break;
        case TOOL_ARROW:
            DrawArrow(canvas.hdcBack, press, cursor, ink, shapeWidth);
            break;
        default:
            break;
        }
    });
    PresentArea(area);
}
