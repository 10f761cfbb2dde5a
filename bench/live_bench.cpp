// What moving ink costs over 1,000 lasting records. On the frozen overlay:
// a move of the laser pointer and one frame of a phrase of 10 strokes that
// fades out, against a full-screen memcpy. In live ink: a pen move over the
// running screen (both passes, the read-back and the layered window's
// update of what changed) against one update of the whole layered window,
// and how many whole-window updates a stroke of 200 moves makes. The program
// starts as usual; gestures go through its own window procedure. Prints
// figures; asserts nothing.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "app/startup.h"
#include "canvas/canvas.h"
#include "core/annotation.h"
#include "core/options.h"
#include "features/showing.h"
#include "overlay/overlay.h"

namespace {

std::mt19937 rng(2026);
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

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void Send(UINT message, WPARAM wParam, int x, int y) {
    SendMessageA(canvas.hwndOverlay, message, wParam, MAKELPARAM(x, y));
}

// 1,000 pen strokes over the screen, as a long session leaves them.
void DrawRecords() {
    for (int i = 0; i < 1000; ++i) {
        std::vector<Point32> stroke;
        int x = In(100, ScreenWidth() - 300), y = In(100, ScreenHeight() - 300);
        for (int k = 0; k < 30; ++k, x += In(-4, 8), y += In(-6, 6)) stroke.push_back({x, y});
        AppendAnnotation(MakePenRecord(std::move(stroke)));
    }
    RepaintOverlayNow();
}

int64_t benchNow = 1000000;
int64_t BenchClock() { return benchNow; }

double MemcpyMs() {
    const size_t bytes = size_t(ScreenWidth()) * ScreenHeight() * 4;
    std::vector<char> a(bytes, 1), b(bytes, 2);
    std::vector<double> t;
    for (int i = 0; i < 7; ++i) {
        const double start = Now();
        std::memcpy(b.data(), a.data(), bytes);
        t.push_back(Now() - start);
    }
    return Median(t);
}

double LaserMoveMs() {
    SendMessageA(canvas.hwndOverlay, WM_KEYDOWN, 'L', 0);
    std::vector<double> t;
    for (int i = 0; i < 100; ++i) {
        const double start = Now();
        Send(WM_MOUSEMOVE, 0, 400 + 3 * i, 500 + (i % 7));
        GdiFlush();
        t.push_back(Now() - start);
    }
    SendMessageA(canvas.hwndOverlay, WM_KEYDOWN, 'P', 0);
    InkTick();
    return Median(t);
}

// Ten strokes drawn with Shift, then the frames of their fade.
double FadeFrameMs() {
    for (int s = 0; s < 10; ++s) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, 300 + 40 * s, 300);
        for (int k = 1; k <= 20; ++k) Send(WM_MOUSEMOVE, MK_LBUTTON, 300 + 40 * s + 2 * k, 300 + 4 * k);
        Send(WM_LBUTTONUP, 0, 340 + 40 * s, 380);
    }
    benchNow += OptValue(OPT_FADESECONDS) * 1000 + 1;
    InkTick();  // the fade begins
    std::vector<double> t;
    for (int i = 0; i < 20; ++i) {
        benchNow += 10;
        const double start = Now();
        InkTick();
        GdiFlush();
        t.push_back(Now() - start);
    }
    benchNow += 1000;
    InkTick();
    return Median(t);
}

}  // namespace

int main() {
    if (!StartUp(GetModuleHandleW(nullptr))) return 1;
    Pump();
    const std::string size = ScreenHeight() == 1080   ? "1080"
                             : ScreenHeight() == 2160 ? "4k"
                                                      : std::to_string(ScreenHeight());
    inkClock = BenchClock;
    opts[IDOPTS_TOOL] = TOOL_PEN;
    DrawRecords();
    Pump();
    const double memcpyMs = MemcpyMs(), laserMs = LaserMoveMs(), fadeMs = FadeFrameMs();
    std::printf("ms memcpy %s %.3f\n", size.c_str(), memcpyMs);
    std::printf("ms laser_move %s %.3f\n", size.c_str(), laserMs);
    std::printf("ms fade_frame %s %.3f\n", size.c_str(), fadeMs);
    const char* suffix = size == "4k" ? "4k" : "1080";
    std::printf("ratio laser_move_vs_memcpy_%s %.3f\n", suffix, laserMs / memcpyMs);
    std::printf("ratio fade_frame_vs_memcpy_%s %.3f\n", suffix, fadeMs / memcpyMs);
    ClearAnnotations();
    OpenLiveInk();
    DrawRecords();
    Pump();
    std::vector<double> whole;
    for (int i = 0; i < 7; ++i) {
        const double start = Now();
        ShowWholeInk();
        GdiFlush();
        whole.push_back(Now() - start);
    }
    std::vector<double> moves;
    const long wholeBefore = liveInkUpdates.whole;
    int x = ScreenWidth() / 4, y = ScreenHeight() / 2;
    Send(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
    for (int i = 0; i < 200; ++i) {
        x += In(2, 6);
        y += In(-3, 3);
        const double start = Now();
        Send(WM_MOUSEMOVE, MK_LBUTTON, x, y);
        GdiFlush();
        moves.push_back(Now() - start);
    }
    Send(WM_LBUTTONUP, 0, x, y);
    const long wholeDuringStroke = liveInkUpdates.whole - wholeBefore;
    const double move = Median(moves), full = Median(whole);
    std::printf("ms live_move_pen %s %.3f\n", size.c_str(), move);
    std::printf("ms live_full_update %s %.3f\n", size.c_str(), full);
    std::printf("count live_full_updates_per_move %.3f\n", wholeDuringStroke / 200.0);
    if (size == "1080") std::printf("ratio live_move_pen_vs_full_update_1080 %.3f\n", move / full);
    return 0;
}
