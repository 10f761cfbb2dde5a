#include <random>

#include "render/hittest.h"
#include "saved_state.h"

namespace {

class HitTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
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

// One drawing with a record of every kind over a filled background rectangle;
// each point names the record it must hit in select mode and in erase mode.
TEST_F(HitTest, EachKindIsHitWhereItIsDrawnAndInItsModes) {
    AppendAnnotation(Shape(ANNOT_RECT, {0, 0}, {900, 700}, 1));
    AppendAnnotation(Shape(ANNOT_RECT, {100, 100}, {300, 300}, 0, 2));
    AppendAnnotation(Shape(ANNOT_ROUNDRECT, {400, 100}, {500, 200}, 1));
    AppendAnnotation(Shape(ANNOT_ARROW, {100, 400}, {300, 400}, 0, 3));
    opts[IDOPTS_PENWIDTH] = 3;
    AppendAnnotation(MakePenRecord({{400, 400}, {500, 400}, {500, 500}}));
    AppendAnnotation(MakeHighlighterRecord({600, 300}, {700, 300}));
    AppendAnnotation(MakeMarkRecord({700, 500}, 32, 32, 1));
    const struct {
        Point32 p;
        int select, erase;
    } cases[] = {
        {{110, 200}, 0, 0},                        // inside an unfilled outline: the record below
        {{100, 200}, 1, 1},   {{401, 101}, 2, 2},  // outline; corner of a filled rounded box
        {{200, 400}, 3, 3},   {{200, 403}, 3, 3},  // on the arrow, within (2w+1)/2 of its line
        {{200, 405}, 0, 0},   {{290, 405}, 3, 3},  // beside the shaft; beside it but inside the head
        {{450, 401}, 0, 4},   {{500, 400}, 0, 4},  // strokes, bands and marks only in erase mode,
        {{650, 310}, 0, 5},   {{700, 500}, 0, 6},  // a stroke along its straight segments
        {{950, 750}, -1, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HitTestAnnotations(c.p, false), c.select) << "record selected at " << c.p.x << "," << c.p.y;
        EXPECT_EQ(HitTestAnnotations(c.p, true), c.erase) << "record erased at " << c.p.x << "," << c.p.y;
    }
}

// The bounds shortcut must never change a result: over random records and
// points, every exact hit lies inside the bounds.
TEST_F(HitTest, BoundsShortcutNeverRejectsAHit) {
    std::mt19937 rng(12345);
    auto coord = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    int hits = 0;
    for (int round = 0; round < 400; ++round) {
        const uint8_t kind = static_cast<uint8_t>(coord(ANNOT_PEN, ANNOT_MARK));
        const Point32 a{coord(0, 300), coord(0, 300)}, b{coord(0, 300), coord(0, 300)};
        // The third point lies back towards a: a sharp turn at b.
        const Point32 vertices[] = {a, b, {a.x + coord(-20, 20), a.y + coord(-20, 20)}};
        opts[IDOPTS_PENWIDTH] = coord(1, 5);
        const Annotation r = kind == ANNOT_PEN           ? MakePenRecord({a, b, vertices[2]})
                             : kind == ANNOT_HIGHLIGHTER ? MakeHighlighterRecord(a, b)
                             : kind == ANNOT_MARK        ? MakeMarkRecord(a, coord(0, 48), coord(0, 48), 1)
                                                         : Shape(kind, a, b, coord(0, 1), coord(1, 7));
        for (int i = 0; i < 60; ++i) {
            // Points cluster around each vertex so that many of them hit.
            const Point32 v = vertices[i / 2 % 3];
            const Point32 p =
                i % 2 ? Point32{coord(-40, 340), coord(-40, 340)} : Point32{v.x + coord(-25, 25), v.y + coord(-25, 25)};
            for (bool erase : {false, true}) {
                const bool exact = HitTestRecord(r, p, erase);
                hits += exact;
                EXPECT_TRUE(!exact || MayHit(r, p, erase))
                    << "a hit of kind " << int(kind) << " at " << p.x << "," << p.y;
            }
        }
    }
    EXPECT_GT(hits, 1000) << "hits seen by the comparison";
}

}  // namespace
