#include <gtest/gtest.h>

#include <random>

#include "core/history.h"
#include "core/hitbounds.h"
#include "core/options.h"

// A band dragged to the left starts one pixel right of the release point,
// 7 times the pen width high; a shape's box is normalised.
TEST(Model, NewRecordsCoverWhatTheGestureShowed) {
    SetOptionTableDefaults();
    opts[IDOPTS_PENWIDTH] = 2;
    const std::tuple<const char*, Annotation, std::array<int, 4>> rows[] = {
        {"band dragged left", MakeHighlighterRecord({100, 50}, {90, 70}), {91, 50, 10, 14}},
        {"band dragged right", MakeHighlighterRecord({100, 50}, {110, 40}), {100, 50, 10, 14}},
        {"arrow dragged up and left", MakeShapeRecord(ANNOT_ARROW, {300, 200}, {250, 120}), {250, 120, 50, 80}}};
    for (const auto& [name, r, box] : rows) {
        EXPECT_EQ(r.x, box[0]) << name << ": left";
        EXPECT_EQ(r.y, box[1]) << name << ": top";
        EXPECT_EQ(r.cx, box[2]) << name << ": width";
        EXPECT_EQ(r.cy, box[3]) << name << ": height";
    }
    const std::vector<Point32> drag{{300, 200}, {250, 120}};
    EXPECT_EQ(std::get<1>(rows[2]).points, drag) << "the arrow's points, in the drag's direction";
}

// From 23 pixels up the renderer rounds corners 15 pixels across, which a
// 7-pixel outline follows without spikes.
TEST(Model, ARoundedRectangleOf23PixelsPaintsNoFurtherThanALargerOne) {
    opts[IDOPTS_SHAPEWIDTH] = 7;
    const Box32 small = PaintBounds(MakeShapeRecord(ANNOT_ROUNDRECT, {0, 0}, {23, 23}));
    EXPECT_EQ(small.left, PaintBounds(MakeShapeRecord(ANNOT_ROUNDRECT, {0, 0}, {90, 90})).left) << "left";
}

bool OfPhrase(const Annotation& a, int32_t phrase) { return a.phrase == phrase; }

// The states without the records of a phrase; a step that only concerned
// them leaves no state of its own.
void ForgetInModel(std::vector<std::vector<Annotation>>& states, size_t& at, int32_t phrase) {
    std::vector<std::vector<Annotation>> kept;
    for (size_t i = 0; i < states.size(); ++i) {
        std::erase_if(states[i], [&](const Annotation& a) { return a.phrase == phrase; });
        if (kept.empty() || kept.back() != states[i]) kept.push_back(states[i]);
        if (i == at) at = kept.size() - 1;
    }
    states = kept;
}

// Random drawing steps, some of fading ink. After every recorded step the
// list is pushed on a stack of states: each undo must give back the state
// before the undone step and each redo the state after it (an arrow moved
// back by its box instead of its points, or a record put back at the wrong
// place, fails). A phrase that fades out leaves every state, and the undo
// and redo steps of the rest stay as they were.
TEST(Model, UndoAndRedoWalkThroughTheRecordedStates) {
    std::mt19937 rng(20261206);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    ClearAnnotations();
    ClearHistory();
    std::vector<std::vector<Annotation>> states{annotations};
    size_t at = 0;  // states[at] is the list now
    for (int step = 0; step < 3000; ++step) {
        const int n = AnnotationCount(), op = pick(0, 33), i = pick(0, std::max(n - 1, 0));
        const Point32 a{pick(0, 900), pick(0, 700)}, b{pick(0, 900), pick(0, 700)};
        if (op < 9 && n < 25) {
            AppendAnnotation(op % 3 == 2 ? MakeMarkRecord(a, 32, 30, op)
                                         : MakeShapeRecord(op % 3 ? ANNOT_ARROW : ANNOT_RECT, a, b));
            annotations.back().phrase = pick(0, 1);  // every other record fades with phrase 1
            RecordAdd(n);
        } else if (op < 18 && n > 0) {  // a drag by b - a brings the record to the top
            OffsetAnnotation(annotations[i], b.x - a.x, b.y - a.y);
            BringAnnotationToTop(i);
            RecordMove(i, b.x - a.x, b.y - a.y);
        } else if (op >= 30 && op < 33 && n > 0) {  // a commit of text
            const Annotation before = annotations[i];
            annotations[i].text += char('a' + op);
            annotations[i].fontSize = op;
            RecordText(i, before);
        } else if (op < 30 && op >= 18) {
            const bool redo = op >= 24, possible = redo ? at + 1 < states.size() : at > 0;
            ASSERT_EQ(redo ? Redo() : Undo(), possible) << "a step to " << (redo ? "redo" : "undo") << " at " << step;
            at = redo ? at + possible : at - possible;
            ASSERT_EQ(annotations, states[at]) << "the list after " << (redo ? "redo" : "undo") << " at step " << step;
            continue;
        } else if (op == 33) {
            ForgetRecords(OfPhrase, 1);
            ForgetInModel(states, at, 1);
            ASSERT_EQ(annotations, states[at]) << "the list after a fade-out at step " << step;
            for (size_t k = at; k > 0; --k) {  // every state there is, and back
                ASSERT_TRUE(Undo()) << "an undo to state " << k - 1 << " after the fade-out at step " << step;
                ASSERT_EQ(annotations, states[k - 1]) << "state " << k - 1 << " after the fade-out at step " << step;
            }
            for (size_t k = 1; k < states.size(); ++k) {
                ASSERT_TRUE(Redo()) << "a redo to state " << k << " after the fade-out at step " << step;
                ASSERT_EQ(annotations, states[k]) << "state " << k << " after the fade-out at step " << step;
            }
            for (size_t k = states.size() - 1; k > at; --k) Undo();
            continue;
        } else {  // erasing forgets every step
            ClearHistory();
            if (n > 0) RemoveAnnotationAt(i);
            states = {annotations};
            at = 0;
            continue;
        }
        if (at + 1 < states.size()) {  // a step after undoing drops the history
            states = {states[at]};
            at = 0;
        }
        states.push_back(annotations);
        ++at;
    }
}
