// How long the overlay's thread is busy when a drawing is put away or a
// picture is written, against a full-screen memcpy and a screen capture:
// Erase All, hiding and showing again with 300 strokes, loading a snapshot,
// a snapshot and Ctrl+C, and the first frame of a show. Erase All and
// loading are measured out of sight, without the frame that shows their
// result, which is printed apart (Erase All also with it); a show is
// measured up to its first frame. The encoding itself
// runs on the writer's thread and is printed apart, as is the committed
// memory after start-up and after 1,000 records were put away. The program
// starts as usual. Prints figures; asserts nothing.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/startup.h"
#include "canvas/canvas.h"
#include "core/annotation.h"
#include "features/last_drawing.h"
#include "features/showing.h"
#include "features/snapshots.h"
#include "features/writer.h"
#include "overlay/overlay.h"
#include "render/pictures.h"
#include "win/program.h"

namespace {

std::mt19937 rng(7);

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * double(counter.QuadPart) / double(frequency.QuadPart);
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// The writer's work of the step before is done and heard, so that every
// step starts from the same quiet state.
void Settle() {
    WaitForWrites(60000);
    Pump();
}

// The median milliseconds of `step` over five runs, each after `prepare`.
double BusyMs(const std::function<void()>& prepare, const std::function<void()>& step) {
    std::vector<double> t;
    for (int i = 0; i < 5; ++i) {
        prepare();
        Settle();
        const double start = Now();
        step();
        UpdateWindow(canvas.hwndOverlay);  // the frame that shows the change
        GdiFlush();
        t.push_back(Now() - start);
        Settle();
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

size_t CommittedMegabytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage >> 20;
}

// A picture with large flat areas and some detail, like a desktop.
void PaintDesktopLikePicture() {
    for (int i = 0; i < 400; ++i) {
        const int x = static_cast<int>(rng() % ScreenWidth()), y = static_cast<int>(rng() % ScreenHeight());
        const RECT r{x, y, x + static_cast<int>(rng() % 300), y + static_cast<int>(rng() % 200)};
        HBRUSH brush = CreateSolidBrush(RGB(rng() % 256, rng() % 256, rng() % 256));
        FillRect(canvas.hdcCapture, &r, brush);
        DeleteObject(brush);
    }
}

// The overlay shown over a desktop-like picture with `count` pen strokes.
void ShowDrawing(int count) {
    if (!IsWindowVisible(canvas.hwndOverlay)) ShowOverlay();
    ClearAnnotations();
    PaintDesktopLikePicture();
    ForgetLayer();
    // Strokes as a hand makes them: 60 points, each a few pixels from the last.
    for (int i = 0; i < count; ++i) {
        std::vector<Point32> stroke;
        int x = static_cast<int>(rng() % (ScreenWidth() - 400)) + 100,
            y = static_cast<int>(rng() % (ScreenHeight() - 400)) + 100;
        for (int k = 0; k < 60; ++k, x += static_cast<int>(rng() % 13) - 4, y += static_cast<int>(rng() % 13) - 6)
            stroke.push_back({x, y});
        AppendAnnotation(MakePenRecord(std::move(stroke)));
    }
    RepaintOverlayNow();
}

double MemcpyMs() {
    const size_t bytes = size_t(ScreenWidth()) * ScreenHeight() * 4;
    std::vector<char> a(bytes, 1), b(bytes, 2);
    return BusyMs([] {}, [&] { std::memcpy(b.data(), a.data(), bytes); });
}

}  // namespace

int main() {
    if (!StartUp(GetModuleHandleW(nullptr))) return 1;
    Pump();
    const size_t startMb = CommittedMegabytes();
    const std::string size = ScreenHeight() == 1080   ? "1080"
                             : ScreenHeight() == 2160 ? "4k"
                                                      : std::to_string(ScreenHeight());
    const std::string shot = dataDir + "bench.png";
    ShowDrawing(0);
    SaveSnapshotTo(shot);
    Settle();
    const double memcpyMs = MemcpyMs();
    // The frame that shows a cleared or replaced drawing: the layer made
    // again from the picture, composed and put on screen.
    const double frameMs = BusyMs([] { ShowDrawing(0); },
                                  [] {
                                      ForgetLayer();
                                      RepaintOverlayNow();
                                  });
    // The work of a step without its frame: the overlay is out of sight then.
    const auto unseen = [](int count) {
        return [count] {
            ShowDrawing(count);
            ShowWindow(canvas.hwndOverlay, SW_HIDE);
        };
    };
    const double captureMs = BusyMs([] {}, CaptureScreen);
    const double firstFrameMs = BusyMs([] { HideOverlayAndRestoreFocus(); }, ShowOverlay);
    const double eraseMs = BusyMs(unseen(300), EraseAll);
    const double eraseFrameMs = BusyMs([] { ShowDrawing(300); }, EraseAll);
    const double hideMs = BusyMs([] { ShowDrawing(300); }, HideOverlayAndRestoreFocus);
    // Hiding's share that puts the drawing away, the window system's apart.
    const double hideShareMs = BusyMs(unseen(300), SaveDrawingWhileHidden);
    const double showAgainMs = BusyMs([] { ShowDrawing(300); }, ShowOverlay);
    const double loadMs = BusyMs(unseen(300), [&] { LoadBackgroundImage(shot); });
    const double snapshotMs = BusyMs([] { ShowDrawing(300); }, [&] { SaveSnapshotTo(shot); });
    const double copyMs = BusyMs([] { ShowDrawing(300); }, CopySnapshotToClipboard);
    // The writer's share: from the queued snapshot to the written file.
    const double encoderMs = BusyMs([] { ShowDrawing(300); },
                                    [&] {
                                        SaveSnapshotTo(shot);
                                        WaitForWrites(60000);
                                    });
    ShowDrawing(1000);
    EraseAll();
    Settle();
    const size_t putAwayMb = CommittedMegabytes();

    const struct {
        const char* name;
        double value;
    } figures[] = {
        {"memcpy", memcpyMs},
        {"capture", captureMs},
        {"frame_of_a_new_picture", frameMs},
        {"show_first_frame", firstFrameMs},
        {"erase_all_busy", eraseMs},
        {"erase_all_with_its_frame", eraseFrameMs},
        {"hide_busy", hideMs},
        {"hide_putaway_share", hideShareMs},
        {"show_again_busy", showAgainMs},
        {"load_snapshot_busy", loadMs},
        {"snapshot_busy", snapshotMs},
        {"copy_busy", copyMs},
        {"snapshot_encoding_on_writer", encoderMs},
    };
    for (const auto& f : figures) std::printf("ms %s %s %.3f\n", f.name, size.c_str(), f.value);
    std::printf("MB committed_after_start %s %zu\n", size.c_str(), startMb);
    std::printf("MB committed_after_1000_records_put_away %s %zu\n", size.c_str(), putAwayMb);
    const char* suffix = size == "4k" ? "4k" : "1080";
    std::printf("ratio erase_all_busy_vs_memcpy_%s %.3f\n", suffix, eraseMs / memcpyMs);
    std::printf("ratio hide_busy_vs_memcpy_%s %.3f\n", suffix, hideMs / memcpyMs);
    std::printf("ratio hide_putaway_share_vs_memcpy_%s %.3f\n", suffix, hideShareMs / memcpyMs);
    std::printf("ratio show_again_busy_vs_capture_%s %.3f\n", suffix, showAgainMs / captureMs);
    std::printf("ratio snapshot_busy_vs_memcpy_%s %.3f\n", suffix, snapshotMs / memcpyMs);
    std::printf("ratio copy_busy_vs_memcpy_%s %.3f\n", suffix, copyMs / memcpyMs);
    return 0;
}
