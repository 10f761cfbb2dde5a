// What one frame of the real overlay costs: pointer moves of the pen and of
// a rectangle preview, press and release with no records and with 1,000,
// undo and an eraser step among 1,000, and at 4x a zoom step, a pan move and
// a pen move, against a full-screen memcpy and a full drawing of the list.
// The program starts as usual; records come from its own builders, gestures
// go through its own window procedure. Prints figures; asserts nothing.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "canvas/canvas.h"
#include "core/options.h"
#include "features/showing.h"
#include "render/marks.h"
#include "win/program.h"
#include "win/text.h"
#include "app/startup.h"
#include "dock/dock.h"
#include "core/annotation.h"
#include "core/history.h"
#include "render/hittest.h"
#include "overlay/overlay.h"
#include "render/render.h"

namespace {

std::mt19937 rng(2024);
int In(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * double(counter.QuadPart) / double(frequency.QuadPart);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Milliseconds of one call of `work`.
double Time(const std::function<void()>& work) {
    const double start = Now();
    work();
    GdiFlush();
    return Now() - start;
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void UseTool(int tool) {
    SendMessageA(dock.hwndTools, TB_CHECKBUTTON, tool - 1, TRUE);
    RelayoutDock();
}

// The pointer messages as the system sends them; the program reads the
// position from the cursor.
double Message(UINT message, int x, int y) {
    SetCursorPos(x, y);
    const WPARAM buttons = message == WM_LBUTTONUP ? 0 : MK_LBUTTON;
    return Time([&] { SendMessageA(canvas.hwndOverlay, message, buttons, MAKELPARAM(x, y)); });
}

// A drawing as a presenter makes it: 50-point strokes, boxes, ellipses,
// arrows, bands, marks and a few text boxes, from the program's builders.
void MakeDrawing(int count) {
    // The corner where the benchmark's own gestures start stays clear.
    const int w = ScreenWidth() - 350, h = ScreenHeight() - 350;
    for (int i = 0; i < count; ++i) {
        opts[IDOPTS_PENCOLORCOL] = In(0, 4), opts[IDOPTS_OPACITY] = In(1, 5), opts[IDOPTS_FILL] = In(0, 1);
        opts[IDOPTS_PENWIDTH] = In(1, 5), opts[IDOPTS_SHAPEWIDTH] = In(1, 7), opts[IDOPTS_MARK] = In(0, 11);
        const Point32 p{In(150, w), In(60, h)}, q{p.x + In(20, 300), p.y + In(20, 300)};
        Annotation r;
        switch (i % 7) {
        case 0:
        case 1: {
            std::vector<Point32> stroke;
            for (int k = 0, x = p.x, y = p.y; k < 50; ++k, x += In(-4, 8), y += In(-6, 6)) stroke.push_back({x, y});
            r = MakePenRecord(stroke);
            break;
        }
        case 2:
            r = MakeHighlighterRecord(p, q);
            break;
        case 3:
            r = MakeMarkRecord(p, 32, 32, i);
            break;
        default:
            r = MakeShapeRecord(static_cast<uint8_t>(ANNOT_RECT + i % 4), p, q);
            break;
        }
        if (r.filled == 1 && r.kind >= ANNOT_RECT && r.kind <= ANNOT_ELLIPSE && i % 20 == 4) {
            r.fontIndex = In(0, FONT_FACE_COUNT - 1), r.fontSize = In(10, 24);
            r.text = "Quarterly figures\r\nreview the totals";
        }
        AppendAnnotation(r);
    }
}

struct Gesture {
    double press, move, release;
};

// One gesture of `tool` at a spot clear of the drawing: press, 49 moves,
// release; the median move.
Gesture Draw(int tool, int moves, int dx, int dy) {
    UseTool(tool);
    const int x = 20 + In(0, 20), y = ScreenHeight() - 330 + In(0, 20);
    Gesture g{Message(WM_LBUTTONDOWN, x, y), 0, 0};
    Pump();
    std::vector<double> each;
    for (int k = 1; k <= moves; ++k) each.push_back(Message(WM_MOUSEMOVE, x + k * dx, y + k * dy));
    g.move = Median(each);
    g.release = Message(WM_LBUTTONUP, x + moves * dx, y + moves * dy);
    Pump();
    return g;
}

double MemcpyMs() {
    const size_t bytes = size_t(ScreenWidth()) * ScreenHeight() * 4;
    std::vector<char> a(bytes, 1), b(bytes, 2);
    std::vector<double> t;
    for (int i = 0; i < 15; ++i) t.push_back(Time([&] { std::memcpy(b.data(), a.data(), bytes); }));
    return Median(t);
}

// The drawing of the whole list from scratch, as every repaint did before.
double FullRenderMs() {
    std::vector<double> t;
    for (int i = 0; i < 3; ++i)
        t.push_back(Time([] {
            FillBackground(canvas.hdcBack);
            RenderAnnotations(canvas.hdcBack, -1, -1);
        }));
    RepaintOverlayNow();
    return Median(t);
}

// Ctrl+wheel over window pixel (x, y), one step in or out.
double Wheel(bool in, int x, int y) {
    const LPARAM at = MAKELPARAM(x + canvas.overlayOrigin.x, y + canvas.overlayOrigin.y);
    return Time([&] {
        SendMessageA(canvas.hwndOverlay, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, in ? WHEEL_DELTA : -WHEEL_DELTA), at);
    });
}

struct ZoomFigures {
    std::vector<double> step, pan, pen;
};

// At 4x over the drawing: wheel steps between 3x and 4x, moves of a drag
// with the right button, and pen moves beside the drawing.
ZoomFigures MeasureZoom() {
    ZoomFigures z;
    const int x = ScreenWidth() / 2, y = ScreenHeight() / 2;
    RepaintOverlayNow();
    Pump();
    for (int i = 0; i < 5; ++i) Wheel(true, x, y);  // 4x
    for (int i = 0; i < 15; ++i) {
        z.step.push_back(Wheel(false, x + i, y));
        z.step.push_back(Wheel(true, x + i, y));
    }
    SendMessageA(canvas.hwndOverlay, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(x, y));
    for (int i = 1; i <= 30; ++i) {
        const LPARAM to = MAKELPARAM(x + 7 * i, y + 5 * i);
        z.pan.push_back(Time([&] { SendMessageA(canvas.hwndOverlay, WM_MOUSEMOVE, MK_RBUTTON, to); }));
    }
    SendMessageA(canvas.hwndOverlay, WM_RBUTTONUP, 0, MAKELPARAM(x, y));
    // The pen draws in the picture's clear corner, as at 1x: 4x is made
    // anew at the window's bottom-left corner.
    for (int i = 0; i < 5; ++i) Wheel(false, x, y);
    for (int i = 0; i < 5; ++i) Wheel(true, 0, ScreenHeight() - 1);
    for (int i = 0; i < 5; ++i) z.pen.push_back(Draw(TOOL_PEN, 49, 3, 1).move);
    ZoomToWholePicture();
    return z;
}

}  // namespace

int main() {
    if (!StartUp(GetModuleHandleA(nullptr))) return 1;
    Pump();
    const int width = ScreenWidth(), height = ScreenHeight();
    const std::string size = height == 1080 ? "1080" : height == 2160 ? "4k" : std::to_string(height);
    std::printf("screen %dx%d\n", width, height);
    const double memcpyMs = MemcpyMs();

    std::vector<double> pen, rect, press0, release0, press1000, release1000, undo, erase;
    MakeDrawing(1000);
    const std::vector<Annotation> drawing = annotations;
    const double full = FullRenderMs();
    // Gestures over no records and over the drawing, alternately, each
    // after the same full repaint, so that both meet the same conditions.
    for (int i = 0; i < 15; ++i)
        for (const bool many : {false, true}) {
            ClearAnnotations();
            ClearHistory();
            if (many)
                for (const Annotation& r : drawing) AppendAnnotation(r);
            RepaintOverlayNow();
            Pump();
            const Gesture g = Draw(TOOL_PEN, 49, 3, 1);
            (many ? press1000 : press0).push_back(g.press);
            (many ? release1000 : release0).push_back(g.release);
            if (!many) continue;
            pen.push_back(g.move);
            rect.push_back(Draw(TOOL_RECT, 30, 10, 7).move);
        }
    // Taking back the stroke just drawn.
    for (int i = 0; i < 5; ++i) {
        Draw(TOOL_PEN, 49, 3, 1);
        undo.push_back(Time([] { UndoStep(); }));
        Pump();
    }
    UseTool(TOOL_ERASER);
    Message(WM_LBUTTONDOWN, 5, 5);
    Pump();
    for (int i = 0; i < 60 && erase.size() < 15; ++i) {
        const Annotation& r = annotations[In(0, AnnotationCount() - 1)];
        const POINT at = r.points.size() >= 2 ? POINT{r.points[1].x, r.points[1].y} : POINT{r.x + r.cx / 2, r.y + 3};
        const int before = AnnotationCount();
        const double ms = Message(WM_MOUSEMOVE, at.x, at.y);
        if (AnnotationCount() < before) erase.push_back(ms);
    }
    Message(WM_LBUTTONUP, 5, 5);
    Pump();
    ClearAnnotations();
    ClearHistory();
    for (const Annotation& r : drawing) AppendAnnotation(r);
    const ZoomFigures zoom = MeasureZoom();

    const struct {
        const char* name;
        double value;
    } figures[] = {
        {"memcpy", memcpyMs},
        {"move_pen", Median(pen)},
        {"move_rect", Median(rect)},
        {"press_n0", Median(press0)},
        {"press_n1000", Median(press1000)},
        {"release_n0", Median(release0)},
        {"release_n1000", Median(release1000)},
        {"undo_n1000", Median(undo)},
        {"erase_n1000", Median(erase)},
        {"full_render_n1000", full},
        {"zoom_step", Median(zoom.step)},
        {"zoom_pan", Median(zoom.pan)},
        {"zoom_move_pen", Median(zoom.pen)},
    };
    for (const auto& f : figures) std::printf("ms %s %s %.3f\n", f.name, size.c_str(), f.value);
    if (size == "1080") {
        std::printf("ratio move_pen_vs_memcpy_1080 %.3f\n", Median(pen) / memcpyMs);
        std::printf("ratio move_rect_vs_memcpy_1080 %.3f\n", Median(rect) / memcpyMs);
        std::printf("ratio press_n1000_vs_n0_1080 %.3f\n", Median(press1000) / Median(press0));
        std::printf("ratio release_n1000_vs_n0_1080 %.3f\n", Median(release1000) / Median(release0));
        std::printf("ratio undo_n1000_vs_full_1080 %.4f\n", Median(undo) / full);
        std::printf("ratio erase_n1000_vs_full_1080 %.4f\n", Median(erase) / full);
        std::printf("ratio zoom_step_vs_memcpy_1080 %.3f\n", Median(zoom.step) / memcpyMs);
        std::printf("ratio zoom_pan_vs_memcpy_1080 %.3f\n", Median(zoom.pan) / memcpyMs);
        std::printf("ratio zoom_move_pen_vs_memcpy_1080 %.3f\n", Median(zoom.pen) / memcpyMs);
    }
    return 0;
}
