// How long a full drawing of the annotation list takes: 1000 records of
// every kind rendered onto a screen-sized 32-bit surface, and the cost of
// the single-record drawing done on each move of a drag. Prints figures only.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <random>

#include "canvas/canvas.h"
#include "core/options.h"
#include "features/showing.h"
#include "render/marks.h"
#include "win/program.h"
#include "win/text.h"
#include "app/startup.h"
#include "dock/dock.h"
#include "core/annotation.h"
#include "render/render.h"

namespace {

constexpr int RECORDS = 1000;
constexpr int WIDTH = 1280, HEIGHT = 800;

// Just what the renderer reads: the screen dc, the highlight strip, the mark
// pictures and their number fonts.
void PrepareRenderer() {
    StartGdiplus();
    SetOptionTableDefaults();
    HDC screen = GetDC(nullptr);
    CreateHighlightStrip(screen);
    BuildPaths();
    LoadMarkImages();
    MakeMarkFonts();
}

Annotation RandomRecord(std::mt19937& rng, uint8_t kind) {
    auto in = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    Annotation a;
    a.kind = kind;
    a.color = palette[in(0, PALETTE_SIZE - 1)];
    a.opacity = static_cast<int16_t>(in(1, 5));
    a.lineWidth = static_cast<int16_t>(in(1, 7));
    a.filled = in(0, 1);
    const Point32 p{in(0, WIDTH - 200), in(0, HEIGHT - 200)}, q{p.x + in(10, 200), p.y + in(10, 200)};
    a.x = p.x;
    a.y = p.y;
    a.cx = q.x - p.x;
    a.cy = q.y - p.y;
    switch (kind) {
    case ANNOT_PEN:
        a.x = a.y = a.cx = a.cy = 0;
        a.lineWidth = static_cast<int16_t>(in(1, 5));
        for (int i = 0, x = p.x, y = p.y; i < 60; ++i, x += in(-6, 6), y += in(-6, 6)) a.points.push_back({x, y});
        break;
    case ANNOT_HIGHLIGHTER:
        a.lineWidth = static_cast<int16_t>(in(1, 5));
        a.cy = 7 * a.lineWidth;
        break;
    case ANNOT_MARK:
        a.markIndex = in(0, MARK_COUNT - 1);
        a.markNumber = in(1, 99);
        a.cx = a.cy = 32;
        break;
    default:
        a.points = {p, q};
        if (a.filled && kind != ANNOT_ARROW && in(0, 1)) {
            a.fontIndex = in(0, FONT_FACE_COUNT - 1);
            a.fontSize = in(8, 24);
            a.text = "Quarterly figures\r\nreview the totals";
        }
        break;
    }
    return a;
}

double MillisecondsPerRender(HDC dc, int onlyIndex, int repeats) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    RenderAnnotations(dc, onlyIndex, -1);  // warm the font cache
    GdiFlush();
    QueryPerformanceCounter(&start);
    for (int i = 0; i < repeats; ++i) RenderAnnotations(dc, onlyIndex, -1);
    GdiFlush();
    QueryPerformanceCounter(&end);
    return 1000.0 * double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart) / repeats;
}

}  // namespace

int main() {
    PrepareRenderer();
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = WIDTH;
    bi.bmiHeader.biHeight = HEIGHT;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));

    static const struct {
        uint8_t kind;
        const char* name;
    } kinds[] = {{ANNOT_PEN, "pen (60 points)"},
                 {ANNOT_HIGHLIGHTER, "highlighter"},
                 {ANNOT_RECT, "rectangle"},
                 {ANNOT_ROUNDRECT, "rounded rect"},
                 {ANNOT_ELLIPSE, "ellipse"},
                 {ANNOT_ARROW, "arrow"},
                 {ANNOT_MARK, "mark"}};
    std::mt19937 rng(2024);
    std::printf("%-18s %10s %14s\n", "records", "count", "ms per render");
    for (const auto& k : kinds) {
        ClearAnnotations();
        for (int i = 0; i < RECORDS; ++i) AppendAnnotation(RandomRecord(rng, k.kind));
        std::printf("%-18s %10d %14.2f\n", k.name, RECORDS, MillisecondsPerRender(dc, -1, 3));
    }
    ClearAnnotations();
    for (int i = 0; i < RECORDS; ++i) AppendAnnotation(RandomRecord(rng, kinds[i % 7].kind));
    std::printf("%-18s %10d %14.2f\n", "mixed", RECORDS, MillisecondsPerRender(dc, -1, 5));
    std::printf("%-18s %10d %14.3f\n", "one record (drag)", 1, MillisecondsPerRender(dc, RECORDS / 2, 200));
    return 0;
}
