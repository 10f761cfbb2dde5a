#include <gtest/gtest.h>

#include <random>

#include "model/annotation.h"
#include "model/history.h"
#include "model/hitbounds.h"
#include "model/hittest_win.h"
#include "settings/options.h"

namespace {

class HitTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetOptionTableDefaults();
        ClearAnnotations();
        ClearHistory();
    }
    static Annotation Shape(uint8_t kind, Point32 a, Point32 b, int filled, int width = 2) {
        opts[IDOPTS_FILL] = filled;
        opts[IDOPTS_SHAPEWIDTH] = width;
        return MakeShapeRecord(kind, a, b);
    }
};

TEST_F(HitTest, UnfilledInteriorMissesAndReachesTheRecordBelow) {
    AppendAnnotation(Shape(ANNOT_RECT, {50, 50}, {400, 400}, 1));
    AppendAnnotation(Shape(ANNOT_RECT, {100, 100}, {300, 300}, 0, 2));
    EXPECT_EQ(HitTestAnnotations({110, 200}, false), 0);  // 10 px inside the outline
    EXPECT_EQ(HitTestAnnotations({100, 200}, false), 1);  // on the outline
    annotations[1].filled = 1;
    EXPECT_EQ(HitTestAnnotations({110, 200}, false), 1);
}

TEST_F(HitTest, FilledRoundRectHitsInItsCorners) {
    AppendAnnotation(Shape(ANNOT_ROUNDRECT, {100, 100}, {200, 200}, 1));
    EXPECT_EQ(HitTestAnnotations({101, 101}, false), 0);
    annotations[0].filled = 0;
    EXPECT_EQ(HitTestAnnotations({103, 103}, false), -1);
}

TEST_F(HitTest, ArrowHeadAndLineHitInBothModes) {
    AppendAnnotation(Shape(ANNOT_ARROW, {100, 300}, {300, 300}, 0, 3));
    for (bool erase : {false, true}) {
        EXPECT_EQ(HitTestAnnotations({200, 300}, erase), 0);
        EXPECT_EQ(HitTestAnnotations({200, 303}, erase), 0);  // within (2*3+1)/2 of the line
        EXPECT_EQ(HitTestAnnotations({200, 312}, erase), -1);
        // Beside the head: outside the line's width but inside the arrowhead.
        EXPECT_EQ(HitTestAnnotations({200, 305}, erase), -1);
        EXPECT_EQ(HitTestAnnotations({290, 305}, erase), 0);
    }
    // A filled arrow is not hit inside its box.
    annotations[0].filled = 1;
    EXPECT_EQ(HitTestAnnotations({200, 312}, false), -1);
}

TEST_F(HitTest, PensBandsAndMarksOnlyInEraseMode) {
    AppendAnnotation(Shape(ANNOT_RECT, {0, 0}, {600, 600}, 1));
    opts[IDOPTS_PENWIDTH] = 3;
    AppendAnnotation(MakePenRecord({{100, 100}, {200, 100}, {200, 200}}));
    AppendAnnotation(MakeHighlighterRecord({300, 300}, {400, 300}));
    AppendAnnotation(MakeMarkRecord({500, 500}, 32, 32, 1));
    for (Point32 p : {Point32{150, 100}, Point32{200, 150}, Point32{350, 310}, Point32{500, 500}})
        EXPECT_EQ(HitTestAnnotations(p, false), 0) << p.x << "," << p.y;
    EXPECT_EQ(HitTestAnnotations({150, 101}, true), 1);
    EXPECT_EQ(HitTestAnnotations({350, 310}, true), 2);
    EXPECT_EQ(HitTestAnnotations({500, 500}, true), 3);
    // A stroke is tested along straight segments, not the drawn curve: the
    // corner of the polyline is a hit.
    EXPECT_EQ(HitTestAnnotations({200, 100}, true), 1);
}

// The bounds shortcut must never change a result: over random records and
// points, every exact hit lies inside the bounds.
TEST_F(HitTest, BoundsShortcutNeverRejectsAHit) {
    std::mt19937 rng(12345);
    auto coord = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    int hits = 0;
    for (int round = 0; round < 400; ++round) {
        Annotation r;
        const uint8_t kind = static_cast<uint8_t>(coord(ANNOT_PEN, ANNOT_MARK));
        const Point32 a{coord(0, 300), coord(0, 300)}, b{coord(0, 300), coord(0, 300)};
        // The third point lies back towards a: a sharp turn at b.
        const Point32 vertices[] = {a, b, {a.x + coord(-20, 20), a.y + coord(-20, 20)}};
        opts[IDOPTS_PENWIDTH] = coord(1, 5);
        switch (kind) {
        case ANNOT_PEN:
            r = MakePenRecord({a, b, vertices[2]});
            break;
        case ANNOT_HIGHLIGHTER:
            r = MakeHighlighterRecord(a, b);
            break;
        case ANNOT_MARK:
            r = MakeMarkRecord(a, coord(0, 48), coord(0, 48), 1);
            break;
        default:
            r = Shape(kind, a, b, coord(0, 1), coord(1, 7));
            break;
        }
        for (int i = 0; i < 60; ++i) {
            // Points cluster around each vertex so that many of them hit.
            const Point32 v = vertices[i / 2 % 3];
            const Point32 p = i % 2 ? Point32{coord(-40, 340), coord(-40, 340)}
                                    : Point32{v.x + coord(-25, 25), v.y + coord(-25, 25)};
            for (bool erase : {false, true}) {
                const bool exact = HitTestRecord(r, p, erase);
                hits += exact;
                if (exact) {
                    EXPECT_TRUE(MayHit(r, p, erase)) << "kind " << int(kind) << " at " << p.x << "," << p.y;
                }
            }
        }
    }
    EXPECT_GT(hits, 1000);  // the comparison saw plenty of hits
}

}  // namespace
