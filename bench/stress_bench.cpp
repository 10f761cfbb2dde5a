// Many records and one very long stroke through the model, the renderer,
// hit-testing and a snapshot: draw, undo all, redo all, save, then erase the
// topmost record 100 times. The program starts as usual. Prints the time of
// each step and the committed memory after each round; asserts nothing.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "canvas/canvas.h"
#include "core/options.h"
#include "win/program.h"
#include "app/startup.h"
#include "core/history.h"
#include "render/hittest.h"
#include "render/render.h"
#include "features/snapshots.h"
#include "features/writer.h"

namespace {

size_t CommittedMegabytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage >> 20;
}

// Records are erased between their first two points: the middle of a filled
// shape's box, or of a line's first segment.
void Round(const char* name, const std::vector<Annotation>& records, const std::string& path) {
    DWORD t[5] = {GetTickCount()};
    for (const Annotation& r : records) {
        AppendAnnotation(r);
        RecordAdd(AnnotationCount() - 1);
    }
    RenderAnnotations(canvas.hdcBase, -1, -1);
    t[1] = GetTickCount();
    while (Undo()) {
    }
    while (Redo()) {
    }
    t[2] = GetTickCount();
    SaveSnapshotTo(path);
    WaitForWrites(60000);  // the writer's encoding counts here
    t[3] = GetTickCount();
    for (int i = 0; i < 100 && !annotations.empty(); ++i) {
        const std::vector<Point32>& p = annotations.back().points;
        EraseAt({(p[0].x + p[1].x) / 2, (p[0].y + p[1].y) / 2});
    }
    t[4] = GetTickCount();
    std::printf("%s: draw %lu ms, undo and redo all %lu ms, save %lu ms, erase 100 %lu ms, memory %zu MB\n", name,
                t[1] - t[0], t[2] - t[1], t[3] - t[2], t[4] - t[3], CommittedMegabytes());
    ClearAnnotations();
}

}  // namespace

int main() {
    if (!StartUp(GetModuleHandleA(nullptr))) return 1;
    opts[IDOPTS_FILL] = 1;
    std::vector<Annotation> records;
    for (int i = 0; i < 10000; ++i) {
        const Point32 a{i * 37 % 1200, i * 53 % 700}, b{a.x + 60, a.y + 40};
        records.push_back(i % 3 ? MakeShapeRecord(static_cast<uint8_t>(ANNOT_RECT + i % 4), a, b)
                                : MakePenRecord({a, b, {a.x, b.y}}));
    }
    std::vector<Point32> stroke;
    for (int i = 0; i < 100000; ++i) stroke.push_back({20 + i % 1200, 100 + i / 1200 * 7 + i % 5});
    const std::string path = dataDir + "stress.png";
    Round("10,000 records", records, path);
    Round("100,000-point stroke", {MakePenRecord(stroke)}, path);
    DeleteFileA(path.c_str());
    return 0;
}
