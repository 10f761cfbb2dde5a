// Many records and one very long stroke through the model, the renderer,
// hit-testing and a snapshot. Timings are printed, never asserted; memory
// must come back after each round.
#include "snapshot_helpers.h"

#include <psapi.h>

#include "render/hittest.h"
#include "render/render.h"

namespace {

size_t CommittedBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

// Draw, undo all, redo all, save, then erase the topmost record 100 times,
// between its first two points: the middle of a filled shape's box, or of a
// line's first segment.
void Round(const char* name, const std::vector<Annotation>& records, const std::string& path) {
    DWORD t[5] = {GetTickCount()};
    for (const Annotation& r : records) AppendAnnotation(r), RecordAdd(AnnotationCount() - 1);
    RenderAnnotations(canvas.hdcBase, -1, -1);
    t[1] = GetTickCount();
    while (Undo()) {
    }
    EXPECT_TRUE(annotations.empty());
    while (Redo()) {
    }
    EXPECT_EQ(annotations.size(), records.size());
    t[2] = GetTickCount();
    EXPECT_TRUE(SaveSnapshotTo(path));
    t[3] = GetTickCount();
    for (int i = 0; i < 100 && !annotations.empty(); ++i) {
        const std::vector<Point32>& p = annotations.back().points;
        EXPECT_TRUE(EraseAt({(p[0].x + p[1].x) / 2, (p[0].y + p[1].y) / 2}));
    }
    t[4] = GetTickCount();
    std::printf("  %s: draw %lu ms, undo and redo all %lu ms, save %lu ms, erase %lu ms\n", name, t[1] - t[0],
                t[2] - t[1], t[3] - t[2], t[4] - t[3]);
    ClearAnnotations();
}

TEST_F(SnapshotTest, StressManyRecordsAndOneLongStroke) {
    opts[IDOPTS_FILL] = 1;
    std::vector<Annotation> records;
    for (int i = 0; i < 10000; ++i) {
        const Point32 a{i * 37 % 1200, i * 53 % 700}, b{a.x + 60, a.y + 40};
        records.push_back(i % 3 ? MakeShapeRecord(static_cast<uint8_t>(ANNOT_RECT + i % 4), a, b)
                                : MakePenRecord({a, b, {a.x, b.y}}));
    }
    std::vector<Point32> stroke;
    for (int i = 0; i < 100000; ++i) stroke.push_back({20 + i % 1200, 100 + i / 1200 * 7 + i % 5});
    Round("10,000 records", records, folder + "stress.png");
    const size_t afterFirst = CommittedBytes();
    Round("100,000-point stroke", {MakePenRecord(stroke)}, folder + "stress.png");
    std::printf("  committed memory after the first round %zu MB, at the end %zu MB\n", afterFirst >> 20,
                CommittedBytes() >> 20);
    EXPECT_LT(CommittedBytes(), afterFirst + (64u << 20));
}

}  // namespace
