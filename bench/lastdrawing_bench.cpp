// What the last drawing costs: the write when a drawing with records is
// discarded (the picture as PNG and the records file), the swap of a
// restore, and the read of a restore after a restart, on a 1920 x 1080
// picture with 300 records. Prints figures only.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <string>

#include "canvas/canvas.h"
#include "core/options.h"
#include "features/showing.h"
#include "render/marks.h"
#include "win/program.h"
#include "win/text.h"
#include "app/startup.h"
#include "core/annotation.h"
#include "features/last_drawing.h"

namespace {

// A picture with large flat areas and some detail, like a desktop.
void PaintDesktopLikePicture(std::mt19937& rng) {
    for (int i = 0; i < 400; ++i) {
        const int x = static_cast<int>(rng() % ScreenWidth()), y = static_cast<int>(rng() % ScreenHeight());
        const RECT r{x, y, x + static_cast<int>(rng() % 300), y + static_cast<int>(rng() % 200)};
        HBRUSH brush = CreateSolidBrush(RGB(rng() % 256, rng() % 256, rng() % 256));
        FillRect(canvas.hdcCapture, &r, brush);
        DeleteObject(brush);
    }
}

void DrawRecords(std::mt19937& rng) {
    for (int i = 0; i < 300; ++i) {
        std::vector<Point32> stroke(60);
        for (Point32& p : stroke) p = {static_cast<int32_t>(rng() % 1920), static_cast<int32_t>(rng() % 1080)};
        AppendAnnotation(MakePenRecord(std::move(stroke)));
    }
}

template <typename Step>
double Milliseconds(Step step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
    StartGdiplus();
    SetOptionTableDefaults();
    ReadScreenRectAtPointer();
    CreateScreenSurfaces();  // hdcBase, the encoder's source, on the screen's dc
    CreateCaptureSurface();
    CreateLastDrawingSurface();
    CreateCanvasBrushes();
    BuildPaths();
    CreateDirectoryA(dataDir.c_str(), nullptr);
    std::mt19937 rng(7);
    PaintDesktopLikePicture(rng);
    std::printf(
        "%-44s %10s\n",
        ("step (" + std::to_string(ScreenWidth()) + " x " + std::to_string(ScreenHeight()) + ", 300 pen strokes)")
            .c_str(),
        "ms");
    for (int round = 0; round < 3; ++round) {
        DrawRecords(rng);
        std::printf("%-44s %10.1f\n", "discard: keep as last, write PNG + records", Milliseconds(KeepDrawingAsLast));
        ClearAnnotations();
    }
    std::printf("%-44s %10.2f\n", "restore onto an empty drawing (swap)", Milliseconds(RestoreLastDrawing));
    ClearAnnotations();
    FindLastDrawingOnDisk();  // as after a restart
    std::printf("%-44s %10.1f\n", "restore after a restart (read both files)", Milliseconds(RestoreLastDrawing));
    return 0;
}
