#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/annotation.h"
#include "model/history.h"
#include "model/hitbounds.h"
#include "settings/options.h"

namespace {

class Model : public ::testing::Test {
protected:
    void SetUp() override {
        SetOptionTableDefaults();
        ClearAnnotations();
        ClearHistory();
    }
};

TEST_F(Model, HighlighterDraggedLeftStartsOnePixelRightOfTheRelease) {
    opts[IDOPTS_PENWIDTH] = 3;
    opts[IDOPTS_HLCOLOR] = 2;
    const Annotation left = MakeHighlighterRecord({100, 50}, {90, 70});
    EXPECT_EQ(left.x, 91);
    EXPECT_EQ(left.cx, 10);
    EXPECT_EQ(left.y, 50);
    EXPECT_EQ(left.cy, 21);
    EXPECT_EQ(left.filled, 1);
    EXPECT_EQ(left.color, highlightPalette[2]);
    const Annotation right = MakeHighlighterRecord({100, 50}, {110, 40});
    EXPECT_EQ(right.x, 100);
    EXPECT_EQ(right.cx, 10);
}

TEST_F(Model, ShapeBoxIsNormalisedButPointsAreNot) {
    opts[IDOPTS_FILL] = 1;
    opts[IDOPTS_SHAPEWIDTH] = 6;
    opts[IDOPTS_OPACITY] = 2;
    opts[IDOPTS_PENCOLORROW] = 1;
    opts[IDOPTS_PENCOLORCOL] = 3;
    const Annotation r = MakeShapeRecord(ANNOT_RECT, {300, 200}, {250, 120});
    EXPECT_EQ((std::vector<int>{r.x, r.y, r.cx, r.cy}), (std::vector<int>{250, 120, 50, 80}));
    EXPECT_EQ(r.points, (std::vector<Point32>{{300, 200}, {250, 120}}));
    EXPECT_EQ(r.filled, 1);
    EXPECT_EQ(r.lineWidth, 6);
    EXPECT_EQ(r.opacity, 2);
    EXPECT_EQ(r.color, palette[8]);
    EXPECT_EQ(r.fontIndex, -1);
    EXPECT_EQ(r.fontSize, 10);
}

TEST_F(Model, PenAndMarkRecords) {
    opts[IDOPTS_PENWIDTH] = 5;
    const Annotation pen = MakePenRecord({{1, 2}, {3, 4}, {5, 6}});
    EXPECT_EQ(pen.kind, ANNOT_PEN);
    EXPECT_EQ(pen.points.size(), 3u);
    EXPECT_EQ((std::vector<int>{pen.x, pen.y, pen.cx, pen.cy, pen.filled}), (std::vector<int>{0, 0, 0, 0, 0}));
    EXPECT_EQ(pen.lineWidth, 5);

    opts[IDOPTS_MARK] = 2;
    const Annotation mark = MakeMarkRecord({100, 100}, 33, 31, 7);
    EXPECT_EQ((std::vector<int>{mark.x, mark.y, mark.cx, mark.cy}), (std::vector<int>{84, 85, 33, 31}));
    EXPECT_EQ(mark.markIndex, 2);
    EXPECT_EQ(mark.markNumber, 7);
    // A mark whose picture did not load has an empty box at the press point.
    const Annotation empty = MakeMarkRecord({100, 100}, 0, 0, 1);
    EXPECT_EQ((std::vector<int>{empty.x, empty.y, empty.cx, empty.cy}), (std::vector<int>{100, 100, 0, 0}));
    EXPECT_FALSE(MayHit(empty, {105, 105}, true));
}

TEST_F(Model, ArrowMovesByItsPointsOnly) {
    Annotation arrow = MakeShapeRecord(ANNOT_ARROW, {10, 10}, {50, 30});
    OffsetAnnotation(arrow, 5, -2);
    EXPECT_EQ(arrow.points, (std::vector<Point32>{{15, 8}, {55, 28}}));
    EXPECT_EQ((std::vector<int>{arrow.x, arrow.y}), (std::vector<int>{10, 10}));
}

TEST_F(Model, ListOperations) {
    for (int i = 0; i < 4; ++i) AppendAnnotation(MakeShapeRecord(ANNOT_RECT, {i, i}, {i + 10, i + 10}));
    BringAnnotationToTop(3);  // already on top: unchanged
    EXPECT_EQ(annotations[3].x, 3);
    BringAnnotationToTop(1);
    EXPECT_EQ((std::vector<int>{annotations[0].x, annotations[1].x, annotations[2].x, annotations[3].x}),
              (std::vector<int>{0, 2, 3, 1}));
    RemoveAnnotationAt(0);
    InsertAnnotationAt(1, MakeShapeRecord(ANNOT_RECT, {9, 9}, {20, 20}));
    EXPECT_EQ((std::vector<int>{annotations[0].x, annotations[1].x, annotations[2].x, annotations[3].x}),
              (std::vector<int>{2, 9, 3, 1}));
    // Positions outside the list change nothing.
    RemoveAnnotationAt(4);
    RemoveAnnotationAt(-1);
    BringAnnotationToTop(17);
    EXPECT_EQ(AnnotationCount(), 4);
}

// Undo/redo scenarios: a script of steps and the list (box x of each record)
// and undoneCount expected afterwards.
enum class Op { AddRect, AddMark, Move, DoUndo, DoRedo, Erase };
struct Step {
    Op op;
    int a = 0;  // AddRect, AddMark: x; Move, Erase: position
    int b = 0;  // Move: dx
    int c = 0;  // Move: dy
};
struct UndoCase {
    const char* name;
    std::vector<Step> steps;
    std::vector<int> xs;
    int undone;
    size_t historySize;
};

void Apply(const Step& s) {
    switch (s.op) {
    case Op::AddRect:
        AppendAnnotation(MakeShapeRecord(ANNOT_RECT, {s.a, 0}, {s.a + 20, 20}));
        RecordAdd(AnnotationCount() - 1);
        break;
    case Op::AddMark:
        AppendAnnotation(MakeMarkRecord({s.a + 16, 16}, 32, 32, 1));
        RecordAdd(AnnotationCount() - 1);
        break;
    case Op::Move:
        OffsetAnnotation(annotations[s.a], s.b, s.c);
        BringAnnotationToTop(s.a);
        RecordMove(s.a, s.b, s.c);
        break;
    case Op::DoUndo:
        Undo();
        break;
    case Op::DoRedo:
        Redo();
        break;
    case Op::Erase:
        ClearHistory();
        RemoveAnnotationAt(s.a);
        break;
    }
}

class UndoScenario : public Model, public ::testing::WithParamInterface<UndoCase> {};

TEST_P(UndoScenario, ListAndBoundary) {
    const UndoCase& c = GetParam();
    for (const Step& s : c.steps) Apply(s);
    std::vector<int> xs;
    for (const Annotation& a : annotations) xs.push_back(a.x);
    EXPECT_EQ(xs, c.xs);
    EXPECT_EQ(undoneCount, c.undone);
    EXPECT_EQ(history.size(), c.historySize);
}

using enum Op;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Scenarios, UndoScenario, ::testing::Values(
    UndoCase{"add_two_undo", {{AddRect, 100}, {AddRect, 200}, {DoUndo}}, {100}, 1, 2},
    UndoCase{"add_two_undo_redo", {{AddRect, 100}, {AddRect, 200}, {DoUndo}, {DoRedo}}, {100, 200}, 0, 2},
    UndoCase{"move_first_of_three", {{AddRect, 100}, {AddRect, 200}, {AddRect, 300}, {Move, 0, 10, 5}},
             {200, 300, 110}, 0, 4},
    UndoCase{"move_undo_restores_position",
             {{AddRect, 100}, {AddRect, 200}, {AddRect, 300}, {Move, 0, 10, 5}, {DoUndo}}, {100, 200, 300}, 1, 4},
    UndoCase{"move_undo_redo", {{AddRect, 100}, {AddRect, 200}, {AddRect, 300}, {Move, 0, 10, 5}, {DoUndo}, {DoRedo}},
             {200, 300, 110}, 0, 4},
    UndoCase{"new_step_after_undo_drops_everything",
             {{AddRect, 100}, {AddRect, 200}, {DoUndo}, {AddRect, 300}, {DoUndo}, {DoUndo}}, {100}, 1, 1},
    UndoCase{"mark_after_undo_drops_everything", {{AddRect, 100}, {AddRect, 200}, {DoUndo}, {AddMark, 400}},
             {100, 400}, 0, 1},
    UndoCase{"undo_more_than_recorded",
             {{AddRect, 100}, {AddRect, 200}, {DoUndo}, {DoUndo}, {DoUndo}, {DoUndo}, {DoRedo}}, {100}, 1, 2},
    UndoCase{"redo_with_nothing_undone", {{AddRect, 100}, {DoRedo}, {DoRedo}}, {100}, 0, 1},
    UndoCase{"erase_clears_history", {{AddRect, 100}, {AddRect, 200}, {Erase, 0}, {DoUndo}, {DoRedo}}, {200}, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(Model, ArrowMoveUndoRedoMovesBothPoints) {
    AppendAnnotation(MakeShapeRecord(ANNOT_ARROW, {0, 0}, {40, 40}));
    RecordAdd(0);
    AppendAnnotation(MakeShapeRecord(ANNOT_RECT, {100, 100}, {140, 140}));
    RecordAdd(1);
    Apply({Move, 0, 7, -3});
    EXPECT_EQ(annotations[1].points, (std::vector<Point32>{{7, -3}, {47, 37}}));
    ASSERT_TRUE(Undo());
    EXPECT_EQ(annotations[0].points, (std::vector<Point32>{{0, 0}, {40, 40}}));
    EXPECT_EQ(annotations[0].x, 0);
    ASSERT_TRUE(Redo());
    EXPECT_EQ(annotations[1].points, (std::vector<Point32>{{7, -3}, {47, 37}}));
}

TEST_F(Model, UndoAndRedoReportWhetherAnythingChangedAndSkipStaleSteps) {
    EXPECT_FALSE(Undo() || Redo());
    Apply({Op::AddRect, 0});
    EXPECT_TRUE(Undo());
    EXPECT_FALSE(Undo());
    EXPECT_TRUE(Redo());
    EXPECT_FALSE(Redo());
    RecordMove(3, 1, 1);
    ClearAnnotations();  // the list was emptied without the history
    EXPECT_FALSE(Undo());
    EXPECT_EQ(undoneCount, 0);
}

TEST(HitBounds, ModesAndBoxes) {
    Annotation pen = MakePenRecord({{10, 10}, {50, 10}});
    EXPECT_FALSE(MayHit(pen, {30, 10}, false));
    EXPECT_TRUE(MayHit(pen, {30, 10}, true));
    EXPECT_FALSE(MayHit(pen, {30, 30}, true));

    Annotation rect = MakeShapeRecord(ANNOT_RECT, {100, 100}, {200, 150});
    EXPECT_TRUE(MayHit(rect, {100, 125}, false));
    EXPECT_FALSE(MayHit(rect, {90, 125}, false));
    // Huge coordinates do not overflow the inflated box.
    rect.x = INT32_MAX - 1;
    rect.cx = 100;
    EXPECT_TRUE(MayHit(rect, {INT32_MAX, 125}, false));
}

}  // namespace
