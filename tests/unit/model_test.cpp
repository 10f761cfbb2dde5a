#include <gtest/gtest.h>

#include <random>

#include "core/history.h"
#include "core/hitbounds.h"
#include "core/options.h"

using Box = std::vector<int>;
static Box BoxOf(const Annotation& a) { return {a.x, a.y, a.cx, a.cy}; }

TEST(Model, NewRecordsCoverWhatTheGestureShowed) {
    SetOptionTableDefaults();
    opts[IDOPTS_PENWIDTH] = 2;
    // A band dragged to the left starts one pixel right of the release point.
    EXPECT_EQ(BoxOf(MakeHighlighterRecord({100, 50}, {90, 70})), (Box{91, 50, 10, 14}));
    EXPECT_EQ(BoxOf(MakeHighlighterRecord({100, 50}, {110, 40})), (Box{100, 50, 10, 14}));
    // A shape's box is normalised; its points keep the drag's direction.
    const Annotation arrow = MakeShapeRecord(ANNOT_ARROW, {300, 200}, {250, 120});
    EXPECT_EQ(BoxOf(arrow), (Box{250, 120, 50, 80}));
    EXPECT_EQ(arrow.points, (std::vector<Point32>{{300, 200}, {250, 120}}));
    // The generous hit pre-check does not overflow at the edge of the coordinates.
    const Annotation far = MakeShapeRecord(ANNOT_RECT, {INT32_MAX - 90, 100}, {INT32_MAX - 1, 150});
    EXPECT_TRUE(MayHit(far, {INT32_MAX, 125}, false));
}

// Random drawing steps. After every recorded step the list is pushed on a
// stack of states: each undo must give back the state before the undone step
// and each redo the state after it (an arrow moved back by its box instead of
// its points, or a record put back at the wrong place, fails).
TEST(Model, UndoAndRedoWalkThroughTheRecordedStates) {
    std::mt19937 rng(20261206);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    ClearHistory();
    std::vector<std::vector<Annotation>> states{annotations};
    size_t at = 0;  // states[at] is the list now
    for (int step = 0; step < 3000; ++step) {
        const int n = AnnotationCount(), op = pick(0, 30), i = pick(0, std::max(n - 1, 0));
        const Point32 a{pick(0, 900), pick(0, 700)}, b{pick(0, 900), pick(0, 700)};
        if (op < 9 && n < 25) {
            AppendAnnotation(op % 3 == 2 ? MakeMarkRecord(a, 32, 30, op)
                                         : MakeShapeRecord(op % 3 ? ANNOT_ARROW : ANNOT_RECT, a, b));
            RecordAdd(n);
        } else if (op < 18 && n > 0) {  // a drag by b - a brings the record to the top
            OffsetAnnotation(annotations[i], b.x - a.x, b.y - a.y);
            BringAnnotationToTop(i);
            RecordMove(i, b.x - a.x, b.y - a.y);
        } else if (op < 30) {
            const bool redo = op >= 24, possible = redo ? at + 1 < states.size() : at > 0;
            ASSERT_EQ(redo ? Redo() : Undo(), possible) << step;
            at = redo ? at + possible : at - possible;
            ASSERT_TRUE(annotations == states[at]) << (redo ? "redo" : "undo") << " at step " << step;
            continue;
        } else {  // erasing forgets every step
            ClearHistory();
            RemoveAnnotationAt(i);
            states = {annotations};
            at = 0;
            continue;
        }
        if (at + 1 < states.size()) states = {states[at]}, at = 0;  // a step after undoing drops the history
        states.push_back(annotations);
        ++at;
    }
    // A step that names a record no longer there changes nothing.
    RecordMove(3, 1, 1);
    ClearAnnotations();
    EXPECT_FALSE(Undo());
}
